#pragma once
// The whole-file write (export/wholefile.h) with the toolkit's strings, and
// the toolkit's own whole-file writer where there are no POSIX calls.

#include <QByteArray>
#include <QString>

#include <optional>

// Writes `bytes` to `path`. Nothing on success, otherwise the reason in
// Indonesian: the cause the system gave at the call that failed (its error
// number), or, where the toolkit's writer is used, the system's own text
// after an Indonesian sentence.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);
