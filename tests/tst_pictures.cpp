// The pictures in the resources: each bitmap has the size and colour depth the
// windows and menus were laid out for, and the icon holds its six images.

#include "pictures/programpictures.h"

#include <QByteArray>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

QByteArray resource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t le32(const QByteArray& bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (int n = 3; n >= 0; --n)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + n));
    return value;
}

unsigned le16(const QByteArray& bytes, qsizetype at)
{
    return static_cast<std::uint8_t>(bytes.at(at)) | (static_cast<std::uint8_t>(bytes.at(at + 1)) << 8);
}

qsizetype stride(qsizetype width, unsigned bits)
{
    return ((width * bits + 31) / 32) * 4;
}

struct BitmapCase {
    QString path;
    int width;
    int height;
    unsigned bitsPerPixel;
};

std::vector<BitmapCase> bitmapCases()
{
    std::vector<BitmapCase> cases = {
        {ProgramPictures::kAboutBackground, 234, 396, 4}, {ProgramPictures::kContactBackground, 450, 367, 1},
        {ProgramPictures::menuBitmap(1), 32, 32, 24},     {ProgramPictures::menuMask(1), 32, 32, 1},
        {ProgramPictures::menuBitmap(2), 16, 16, 24},
    };
    for (int number = 3; number <= 8; ++number) {
        cases.push_back({ProgramPictures::menuBitmap(number), 16, 16, 24});
        cases.push_back({ProgramPictures::menuMask(number), 16, 16, 1});
    }
    return cases;
}

} // namespace

TEST(Pictures, EveryBitmapHasItsSizeAndDepthAndReadsBack)
{
    for (const BitmapCase& c : bitmapCases()) {
        SCOPED_TRACE(c.path.toStdString());
        const QByteArray bytes = resource(c.path);
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(le32(bytes, 2), static_cast<std::uint32_t>(bytes.size()));
        EXPECT_EQ(le32(bytes, 14), 40u); // BITMAPINFOHEADER
        EXPECT_EQ(static_cast<int>(le32(bytes, 18)), c.width);
        EXPECT_EQ(static_cast<int>(le32(bytes, 22)), c.height); // positive: bottom-up rows
        EXPECT_EQ(le16(bytes, 28), c.bitsPerPixel);
        EXPECT_EQ(le32(bytes, 30), 0u); // uncompressed
        const std::uint32_t palette = c.bitsPerPixel < 24 ? (1u << c.bitsPerPixel) : 0u;
        EXPECT_EQ(le32(bytes, 46), palette);
        // The rows end exactly at the end of the file.
        EXPECT_EQ(le32(bytes, 10), 54u + 4u * palette);
        EXPECT_EQ(le32(bytes, 10) + stride(c.width, c.bitsPerPixel) * c.height, bytes.size());

        const QImage image(c.path);
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
    }
}

TEST(Pictures, MasksCutOutAShapeAndBitmapTwoUsesWhiteInstead)
{
    for (int number = 1; number <= 8; ++number) {
        SCOPED_TRACE(number);
        const QImage bitmap(ProgramPictures::menuBitmap(number));
        const QImage mask(ProgramPictures::menuMask(number));
        if (number == 2) {
            EXPECT_TRUE(mask.isNull());
            // The corner shows the menu through; the picture itself avoids white.
            EXPECT_EQ(bitmap.pixel(0, 0) & RGB_MASK, 0xFFFFFFu);
            continue;
        }
        ASSERT_FALSE(mask.isNull());
        int shown = 0;
        int cut = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                if (qGray(mask.pixel(x, y)) >= 128) {
                    ++cut;
                    // Black under the mask, so that masked drawing leaves the menu alone.
                    EXPECT_EQ(bitmap.pixel(x, y) & RGB_MASK, 0u);
                } else {
                    ++shown;
                }
            }
        }
        EXPECT_GT(shown, 0);
        EXPECT_GT(cut, 0);
    }
}

TEST(Pictures, IconHoldsThreeSizesAtEightAndThirtyTwoBits)
{
    const QByteArray bytes = resource(ProgramPictures::kIconFile);
    ASSERT_GE(bytes.size(), 6);
    EXPECT_EQ(le16(bytes, 0), 0u);
    EXPECT_EQ(le16(bytes, 2), 1u); // an icon, not a cursor
    ASSERT_EQ(le16(bytes, 4), 6u);

    std::set<std::pair<int, unsigned>> images;
    for (int n = 0; n < 6; ++n) {
        SCOPED_TRACE(n);
        const qsizetype entry = 6 + 16 * n;
        const int width = static_cast<std::uint8_t>(bytes.at(entry));
        const int height = static_cast<std::uint8_t>(bytes.at(entry + 1));
        const unsigned bits = le16(bytes, entry + 6);
        const std::uint32_t size = le32(bytes, entry + 8);
        const std::uint32_t offset = le32(bytes, entry + 12);
        EXPECT_EQ(width, height);
        images.insert({width, bits});
        ASSERT_LE(qsizetype(offset) + qsizetype(size), bytes.size());

        // The image's own header agrees with its directory entry.
        EXPECT_EQ(le32(bytes, offset), 40u);
        EXPECT_EQ(static_cast<int>(le32(bytes, offset + 4)), width);
        EXPECT_EQ(static_cast<int>(le32(bytes, offset + 8)), 2 * height); // colour rows, then mask rows
        EXPECT_EQ(le16(bytes, offset + 14), bits);
        const qsizetype palette = bits == 8 ? 256 * 4 : 0;
        EXPECT_EQ(qsizetype(size), 40 + palette + stride(width, bits) * height + stride(width, 1) * height);
    }
    const std::set<std::pair<int, unsigned>> expected
        = {{48, 8}, {32, 8}, {16, 8}, {48, 32}, {32, 32}, {16, 32}};
    EXPECT_EQ(images, expected);
}

// Each image reads back at its size, cut out at the rounded corners.
TEST(Pictures, IconImagesReadBackWithTheirCornersCutOut)
{
    const QByteArray bytes = resource(ProgramPictures::kIconFile);
    ASSERT_GE(bytes.size(), 6 + 16 * 6);
    QImageReader reader(QString::fromLatin1(ProgramPictures::kIconFile));
    ASSERT_EQ(reader.imageCount(), 6);
    for (int n = 0; n < 6; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(reader.jumpToImage(n));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), static_cast<std::uint8_t>(bytes.at(6 + 16 * n)));
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 128);
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }

    const QIcon icon = ProgramPictures::programIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int side : {16, 32, 48})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << side;
}
