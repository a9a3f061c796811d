#pragma once
// A file's whole content, or nothing when it cannot be read: the tests
// compare what the program wrote byte for byte.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
