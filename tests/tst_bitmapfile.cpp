// The bitmap encoder, checked byte by byte on a tiny picture, and the writer,
// checked by reading its file back.

#include "export/bitmapfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::uint32_t u32(const QByteArray& bytes, int at)
{
    std::uint32_t value = 0;
    for (int n = 3; n >= 0; --n)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + n]);
    return value;
}

std::uint16_t u16(const QByteArray& bytes, int at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at])
                                      | static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int value : values)
        out.append(static_cast<char>(value));
    return out;
}

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y + 5) % 256));
    return image;
}

} // namespace

TEST(EncodeBitmap, HeadersAndBottomUpPaddedRows)
{
    // Three pixels a row: nine bytes, padded to twelve.
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0x11, 0x12, 0x13));
    image.setPixel(1, 0, qRgb(0x21, 0x22, 0x23));
    image.setPixel(2, 0, qRgb(0x31, 0x32, 0x33));
    image.setPixel(0, 1, qRgb(0x41, 0x42, 0x43));
    image.setPixel(1, 1, qRgb(0x51, 0x52, 0x53));
    image.setPixel(2, 1, qRgb(0x61, 0x62, 0x63));

    const QByteArray file = encodeBitmap(image);
    ASSERT_EQ(file.size(), 14 + 40 + 2 * 12);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(file, 2), 78u);  // file size
    EXPECT_EQ(u32(file, 6), 0u);   // reserved
    EXPECT_EQ(u32(file, 10), 54u); // pixels start
    EXPECT_EQ(u32(file, 14), 40u);
    EXPECT_EQ(u32(file, 18), 3u);
    EXPECT_EQ(u32(file, 22), 2u); // positive: bottom-up
    EXPECT_EQ(u16(file, 26), 1u);
    EXPECT_EQ(u16(file, 28), 24u);
    EXPECT_EQ(u32(file, 30), 0u); // BI_RGB
    EXPECT_EQ(u32(file, 34), 24u);
    EXPECT_EQ(u32(file, 46), 0u); // no palette

    // The bottom row first, blue-green-red, then three bytes of padding.
    EXPECT_EQ(file.mid(54, 12),
              bytes({0x43, 0x42, 0x41, 0x53, 0x52, 0x51, 0x63, 0x62, 0x61, 0, 0, 0}));
    EXPECT_EQ(file.mid(66, 12),
              bytes({0x13, 0x12, 0x11, 0x23, 0x22, 0x21, 0x33, 0x32, 0x31, 0, 0, 0}));
}

TEST(WriteBitmapFile, ReadsBackAsTheSamePicture)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("gambar.bmp"));
    // Replacing an existing, longer file leaves nothing of it behind.
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1'000'000, 'x'));
    }
    const QImage picture = pattern(396, 396);

    EXPECT_EQ(writeBitmapFile(path, picture), std::nullopt);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), encodeBitmap(picture));
    const QImage back(path, "BMP");
    ASSERT_EQ(back.size(), picture.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
}

TEST(WriteBitmapFile, FailureLeavesNoFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Tests run as root, so a folder without permissions would not stop the
    // write; a regular file in the folder's place does.
    const QString notAFolder = folder.filePath(QStringLiteral("bukan-folder"));
    {
        QFile file(notAFolder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const auto failure = writeBitmapFile(notAFolder + QStringLiteral("/gambar.bmp"), pattern(4, 4));
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("bukan-folder")});
}
