// The bitmap files the save command writes: the exact bytes of a tiny picture
// with padded rows, a whole picture read back from its own pixel memory, and
// a failed write that leaves nothing behind.

#include "platform/pixelbuffer.h"
#include "ui/picturewidget.h"
#include "ui/savecommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int value : values)
        out.append(static_cast<char>(value));
    return out;
}

std::uint32_t u32(const QByteArray& bytes, int at)
{
    std::uint32_t value = 0;
    for (int n = 3; n >= 0; --n)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + n]);
    return value;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PixelBuffer pattern(int width, int height)
{
    PixelBuffer picture;
    picture.reset(width, height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.bits()[y * picture.stride() + x] = 0xFF000000u | std::uint32_t(x * 37 % 256) << 16
                | std::uint32_t(y * 91 % 256) << 8 | std::uint32_t((x * y + 5) % 256);
    return picture;
}

} // namespace

TEST(WriteBitmapFile, HeadersAndBottomUpPaddedRows)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kecil.bmp"));
    // Three pixels a row: nine bytes, padded to twelve.
    PixelBuffer picture;
    picture.reset(3, 2, 0);
    const std::uint32_t pixels[] = {0xFF111213, 0xFF212223, 0xFF313233, 0xFF414243, 0xFF515253, 0xFF616263};
    std::copy(std::begin(pixels), std::end(pixels), picture.bits());

    ASSERT_EQ(writeBitmapFile(path, imageOf(picture)), std::nullopt);

    const QByteArray file = readAll(path);
    const QByteArray header = bytes({
        'B', 'M', 78, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0, 0, // size 78, pixels at 54
        40,  0,   0,  0, 3, 0, 0, 0, 2,  0, 0,  0,       // 3 x 2, bottom-up
        1,   0,   24, 0, 0, 0, 0, 0, 24, 0, 0,  0,       // 24 bits, BI_RGB, 24 bytes
    });
    EXPECT_EQ(file.left(38), header);
    // The resolution any new image has, as the program's pictures always had.
    const QImage fresh(1, 1, QImage::Format_RGB32);
    EXPECT_EQ(u32(file, 38), static_cast<std::uint32_t>(fresh.dotsPerMeterX()));
    EXPECT_EQ(u32(file, 42), static_cast<std::uint32_t>(fresh.dotsPerMeterY()));
    EXPECT_EQ(file.mid(46, 8), QByteArray(8, '\0')) << "no palette";
    // The bottom row first, blue-green-red, then three bytes of padding.
    EXPECT_EQ(file.mid(54), bytes({0x43, 0x42, 0x41, 0x53, 0x52, 0x51, 0x63, 0x62, 0x61, 0, 0, 0,
                                   0x13, 0x12, 0x11, 0x23, 0x22, 0x21, 0x33, 0x32, 0x31, 0, 0, 0}));
}

TEST(WriteBitmapFile, ReplacesAFileWholeAndReadsBackAsTheSamePicture)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("gambar.bmp"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1'000'000, 'x'));
    }
    const PixelBuffer picture = pattern(396, 396);

    EXPECT_EQ(writeBitmapFile(path, imageOf(picture)), std::nullopt);

    const QByteArray file = readAll(path);
    EXPECT_EQ(file.size(), 54 + 396 * 396 * 3) << "nothing of the longer file is left";
    const QImage back = QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back, imageOf(picture));
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
    const auto failure = writeBitmapFile(notAFolder + QStringLiteral("/gambar.bmp"), imageOf(pattern(4, 4)));
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("bukan-folder")});
}
