// Writes the program's pictures into one folder: the information windows'
// backgrounds, the menu bitmaps with their masks and the program icon. The
// build runs it and packs the files into the program's resources, so the
// pictures are made from this source and nobody edits a binary.
//
//   picturegen OUTPUT_FOLDER
//
// The files come from Qt's BMP and ICO writers, which take the depth from the
// image: a 32-bit image is written at 24 bits per pixel, an indexed image of
// at most 16 colours at 4, a mono image at 1. The same source built against
// the same Qt gives the same bytes.

#include "artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        bytes.clear();
    return bytes;
}

bool writeFile(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// Qt's 1-bit images, and the ICO writer's masks made from them, leave the bits
// after the last pixel of each row as they found them in memory, and the
// writers copy whole rows. Cleared, the same pictures give the same bytes.
void clearPadding(uchar* rows, qsizetype stride, int width, int height)
{
    for (int y = 0; y < height; ++y, rows += stride) {
        if (width % 8 != 0)
            rows[width / 8] &= static_cast<uchar>(0xFF << (8 - width % 8));
        std::fill(rows + (width + 7) / 8, rows + stride, uchar(0));
    }
}

QImage withClearPadding(QImage mono)
{
    clearPadding(mono.bits(), mono.bytesPerLine(), mono.width(), mono.height());
    return mono;
}

// The sixteen standard VGA colours in their usual order.
const QList<QRgb> kVgaColours = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};
const QList<QRgb> kBlackAndWhite = {qRgb(0, 0, 0), qRgb(255, 255, 255)};

// The 8-bit icon images' palette: a 6 × 6 × 6 colour cube and 40 greys.
QList<QRgb> iconColours()
{
    QList<QRgb> colours;
    for (int n = 0; n < 216; ++n)
        colours << qRgb(n / 36 * 51, n / 6 % 6 * 51, n % 6 * 51);
    for (int n = 0; n < 40; ++n) {
        const int level = (n * 255 + 19) / 39;
        colours << qRgb(level, level, level);
    }
    return colours;
}

// A menu bitmap and its monochrome mask (white where the menu shows through).
// Partly covered pixels are blended towards the menu's face and then kept or
// dropped whole, since a mask has no shades; dropped pixels take `background`.
std::pair<QImage, QImage> menuFiles(const QImage& picture, QRgb background)
{
    QImage bitmap(picture.size(), QImage::Format_RGB32);
    bitmap.fill(QColor(240, 240, 240));
    QPainter(&bitmap).drawImage(0, 0, picture);
    QImage mask(picture.size(), QImage::Format_Mono);
    mask.setColorTable(kBlackAndWhite);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool cut = qAlpha(picture.pixel(x, y)) < 128;
            mask.setPixel(x, y, cut ? 1 : 0);
            if (cut)
                bitmap.setPixel(x, y, background);
        }
    }
    return {bitmap, withClearPadding(mask)};
}

// Each pixel at least half covered keeps its colour and becomes opaque; the
// others become transparent black.
QImage hardEdged(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qAlpha(image.pixel(x, y)) < 128 ? 0u : image.pixel(x, y) | 0xFF000000u);
    return image;
}

// Qt's ICO writer puts a single image into a file, always at 32 bits per
// pixel, while the program icon holds every size at 8 bits as well, for
// desktops that show no alpha. So the file is put together here from Qt's
// pieces: a 32-bit image is Qt's ICO entry as it stands; an 8-bit one is Qt's
// 8-bit BMP of the picture without its file header, stored at twice the height
// and followed by the AND mask rows of the 32-bit entry.
struct IconEntry {
    QByteArray directory; // 16 bytes
    QByteArray image;
};

IconEntry iconEntry(const QImage& picture, int bitsPerPixel)
{
    // An 8-bit image has no shades of transparency, and where its mask shows
    // the background its colour is black, so that drawing with the mask and
    // then the colours leaves the background alone.
    const QImage image = bitsPerPixel == 8 ? hardEdged(picture) : picture;
    const QByteArray single = encoded(image, "ICO"); // 6-byte header, 1 directory entry, the image
    if (single.size() <= 22)
        throw std::runtime_error("Qt's ICO writer is not available");
    IconEntry entry{single.mid(6, 16), single.mid(22)};
    const qsizetype maskStride = (picture.width() + 31) / 32 * 4;
    const qsizetype maskBytes = maskStride * picture.height();
    clearPadding(reinterpret_cast<uchar*>(entry.image.data() + entry.image.size() - maskBytes), maskStride,
                 picture.width(), picture.height());
    if (bitsPerPixel == 8) {
        QByteArray dib
            = encoded(image.convertToFormat(QImage::Format_Indexed8, iconColours()), "BMP").mid(14);
        dib += entry.image.right(maskBytes);
        qToLittleEndian<quint32>(2 * picture.height(), dib.data() + 8); // colour rows, then mask rows
        qToLittleEndian<quint32>(dib.size() - 40 - 256 * 4, dib.data() + 20);
        qToLittleEndian<quint16>(8, entry.directory.data() + 6);
        entry.image = dib;
    }
    qToLittleEndian<quint32>(entry.image.size(), entry.directory.data() + 8);
    return entry;
}

QByteArray iconFile(const std::vector<IconEntry>& entries)
{
    QByteArray header(6, '\0');
    qToLittleEndian<quint16>(1, header.data() + 2); // an icon, not a cursor
    qToLittleEndian<quint16>(entries.size(), header.data() + 4);
    QByteArray images;
    for (IconEntry entry : entries) {
        qToLittleEndian<quint32>(6 + 16 * entries.size() + images.size(), entry.directory.data() + 12);
        header += entry.directory;
        images += entry.image;
    }
    return header + images;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturegen OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "picturegen: cannot make %s\n", argv[1]);
        return 1;
    }
    try {
        bool ok = writeFile(
                      folder, QStringLiteral("aboutback.bmp"),
                      encoded(aboutBackground().convertToFormat(QImage::Format_Indexed8, kVgaColours), "BMP"))
            && writeFile(folder, QStringLiteral("contactback.bmp"),
                         encoded(withClearPadding(contactBackground().convertToFormat(QImage::Format_Mono,
                                                                                      kBlackAndWhite)),
                                 "BMP"));

        for (int number = 1; number <= kMenuBitmapCount && ok; ++number) {
            // Bitmap 2 has no mask: white is its transparent colour (the picture
            // itself uses no pure white). The others are black under their mask.
            const auto [bitmap, mask] = menuFiles(menuBitmap(number), number == 2 ? 0xFFFFFFFF : 0xFF000000);
            const QString stem = QStringLiteral("menu%1").arg(number);
            ok = writeFile(folder, stem + QStringLiteral(".bmp"), encoded(bitmap, "BMP"))
                && (number == 2
                    || writeFile(folder, stem + QStringLiteral("mask.bmp"), encoded(mask, "BMP")));
        }

        std::vector<IconEntry> icon;
        for (const int bits : {8, 32})
            for (const int size : {48, 32, 16})
                icon.push_back(iconEntry(programIcon(size), bits));
        return ok && writeFile(folder, QStringLiteral("ruvex3d.ico"), iconFile(icon)) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "picturegen: %s\n", error.what());
        return 1;
    }
}
