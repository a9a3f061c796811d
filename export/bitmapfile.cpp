#include "export/bitmapfile.h"

#include <QSaveFile>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;

void putU16(QByteArray& out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void putU32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

} // namespace

QByteArray encodeBitmap(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const std::int64_t width = pixels.width();
    const std::int64_t height = pixels.height();
    const std::int64_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::int64_t pixelBytes = rowBytes * height;
    const std::int64_t fileBytes = kFileHeaderSize + kInfoHeaderSize + pixelBytes;
    if (fileBytes > std::numeric_limits<std::int32_t>::max())
        return {};

    QByteArray out;
    out.reserve(static_cast<qsizetype>(fileBytes));

    // File header.
    out.append("BM", 2);
    putU32(out, static_cast<std::uint32_t>(fileBytes));
    putU32(out, 0); // two reserved words
    putU32(out, kFileHeaderSize + kInfoHeaderSize);

    // Info header. A positive height means bottom-up rows.
    putU32(out, kInfoHeaderSize);
    putU32(out, static_cast<std::uint32_t>(width));
    putU32(out, static_cast<std::uint32_t>(height));
    putU16(out, 1);  // planes
    putU16(out, 24); // bits per pixel
    putU32(out, kBiRgb);
    putU32(out, static_cast<std::uint32_t>(pixelBytes));
    putU32(out, static_cast<std::uint32_t>(std::max(0, pixels.dotsPerMeterX())));
    putU32(out, static_cast<std::uint32_t>(std::max(0, pixels.dotsPerMeterY())));
    putU32(out, 0); // colours used: none, no palette
    putU32(out, 0); // important colours

    const qsizetype padding = static_cast<qsizetype>(rowBytes - width * 3);
    for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
        }
        out.append(padding, '\0');
    }
    return out;
}

std::optional<QString> writeBitmapFile(const QString& path, const QImage& image)
{
    const QByteArray bytes = encodeBitmap(image);
    if (bytes.isEmpty())
        return QStringLiteral("The picture is too large for a bitmap file.");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
