// The bitmap files the save command writes: a whole picture read back by the
// toolkit's own reader as the same pixels, at 96 dots per inch, replacing a
// longer file whole.

#include "export/bitmapfile.h"
#include "platform/pixelbuffer.h"
#include "tests/readfile.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "ui/wholefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

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

// As the save command writes it: encoded, then written whole.
std::optional<QString> writeBitmapFile(const QString& path, const PixelBuffer& picture)
{
    return writeWholeFile(path, toQByteArray(bitmapFileBytes(picture)));
}

} // namespace

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

    EXPECT_EQ(writeBitmapFile(path, picture), std::nullopt);

    const QByteArray file = readAll(path);
    EXPECT_EQ(file.size(), 54 + 396 * 396 * 3) << "nothing of the longer file is left";
    const QImage back = QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back, imageOf(picture));
    EXPECT_EQ(qRound(QImage::fromData(file, "BMP").dotsPerMeterX() * 0.0254), 96);
}
