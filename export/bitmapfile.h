#pragma once
// Windows bitmap files of a picture: 24 bits a pixel, no compression (BI_RGB),
// rows stored bottom-up, each padded to a multiple of four bytes, colours in
// blue-green-red order.
//
// Encoding is kept apart from writing so that the bytes can be checked
// without a disk. Writing goes through QSaveFile: a file of that name is
// either replaced whole or left untouched, never half-written. Nothing here
// talks to the user.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// The whole file, headers included; empty for an image too large for the
// format's 32-bit sizes.
QByteArray encodeBitmap(const QImage& image);

// Writes `image` to `path`. Returns nothing on success, otherwise the
// system's reason for the failure.
std::optional<QString> writeBitmapFile(const QString& path, const QImage& image);
