// Lines on tiny images, pixel by pixel: the end-point rule of the 1-pixel
// pen, the 2-pixel pen, colour changes and clipping.

#include "platform/picturebox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A 12 x 12 interior (border 2).
PictureBox smallBox()
{
    PictureBox box(2);
    box.setOuterSize(16, 16);
    return box;
}

// The image as rows of characters: '.' white, '#' black, 'b' blue, '?' other.
std::vector<std::string> picture(const PictureBox& box)
{
    std::vector<std::string> rows;
    const QImage& image = box.Image();
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            row += p == 0xFFFFFF ? '.' : p == 0x000000 ? '#' : p == 0x0000FF ? 'b' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(ImageDeviceContext, ThinLineStopsBeforeItsEndPoint)
{
    PictureBox box = smallBox();
    box.setForeColor(kBlack);
    box.setDrawWidth(1);
    MoveToEx(box.hDC(), 0, 4, nullptr);
    LineTo(box.hDC(), 4, 0);
    const auto rows = picture(box);
    EXPECT_EQ(rows[4].substr(0, 6), "#.....");
    EXPECT_EQ(rows[3].substr(0, 6), ".#....");
    EXPECT_EQ(rows[1].substr(0, 6), "...#..");
    EXPECT_EQ(rows[0].substr(0, 6), "......") << "the end point is not painted";
}

TEST(ImageDeviceContext, PolylineJoinsAreClosedByTheNextSegment)
{
    PictureBox box = smallBox();
    MoveToEx(box.hDC(), 1, 1, nullptr);
    LineTo(box.hDC(), 5, 1);
    LineTo(box.hDC(), 5, 4);
    const auto rows = picture(box);
    EXPECT_EQ(rows[1].substr(0, 7), ".#####.");
    EXPECT_EQ(rows[3].substr(0, 7), ".....#.");
    EXPECT_EQ(rows[4].substr(0, 7), ".......");
}

TEST(ImageDeviceContext, WidePenPaintsASquareAtEveryPixelIncludingTheEnd)
{
    PictureBox box = smallBox();
    box.setForeColor(kBlue);
    box.setDrawWidth(2);
    MoveToEx(box.hDC(), 2, 2, nullptr);
    LineTo(box.hDC(), 5, 2);
    const auto rows = picture(box);
    EXPECT_EQ(rows[1].substr(0, 8), "........");
    EXPECT_EQ(rows[2].substr(0, 8), "..bbbbb.");
    EXPECT_EQ(rows[3].substr(0, 8), "..bbbbb.");
    EXPECT_EQ(rows[4].substr(0, 8), "........");
}

TEST(ImageDeviceContext, PenChangesTakeEffectAtTheNextLine)
{
    PictureBox box = smallBox();
    MoveToEx(box.hDC(), 0, 0, nullptr);
    LineTo(box.hDC(), 3, 0);
    box.setForeColor(kBlue);
    LineTo(box.hDC(), 6, 0);
    EXPECT_EQ(picture(box)[0].substr(0, 7), "###bbb.");
}

TEST(ImageDeviceContext, LinesLeavingTheImageAreCutAtItsEdge)
{
    PictureBox box = smallBox();
    MoveToEx(box.hDC(), -1000, 5, nullptr);
    LineTo(box.hDC(), 1000, 5);
    MoveToEx(box.hDC(), 3, -1000, nullptr);
    LineTo(box.hDC(), 3, 1000);
    box.setDrawWidth(2);
    MoveToEx(box.hDC(), -1000, -1000, nullptr);
    LineTo(box.hDC(), 1000, 1000);
    const auto rows = picture(box);
    EXPECT_EQ(rows[5], "############");
    for (const std::string& row : rows)
        EXPECT_EQ(row[3], '#');
    EXPECT_EQ(rows[11][11], '#');
}

TEST(ImageDeviceContext, MoveReportsThePreviousPositionAndClearWipesEverything)
{
    PictureBox box = smallBox();
    POINTAPI last;
    MoveToEx(box.hDC(), 3, 4, &last);
    MoveToEx(box.hDC(), 7, 8, &last);
    EXPECT_EQ(last, (POINTAPI{3, 4}));
    LineTo(box.hDC(), 0, 0);
    box.Cls();
    for (const std::string& row : picture(box))
        EXPECT_EQ(row, "............");
    EXPECT_EQ(MoveToEx(nullptr, 1, 1, &last), 0);
    EXPECT_EQ(LineTo(nullptr, 1, 1), 0);
}

TEST(PictureBox, InteriorIsTheOuterSizeLessTheBorder)
{
    PictureBox box(2);
    box.setHeight(400);
    box.setWidth(400);
    EXPECT_EQ(box.Width(), 400);
    EXPECT_EQ(box.ScaleWidth(), 396);
    EXPECT_EQ(box.ScaleHeight(), 396);
    EXPECT_EQ(box.Image().pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(toQRgb(0x00FF0000) & 0xFFFFFF, 0x0000FFu) << "0x00BBGGRR: blue";
    EXPECT_EQ(toQRgb(0x000000FF) & 0xFFFFFF, 0xFF0000u) << "0x00BBGGRR: red";
}

} // namespace

namespace {

TEST(PictureBox, ChangedRectCoversWhatWasDrawnAndWhatAClearWiped)
{
    PictureBox box(2);
    box.setOuterSize(104, 104);
    EXPECT_EQ(box.takeChangedRect(), QRect(0, 0, 100, 100)) << "a new image is all new";
    EXPECT_TRUE(box.takeChangedRect().isEmpty());

    box.setDrawWidth(1);
    MoveToEx(box.hDC(), 10, 20, nullptr);
    LineTo(box.hDC(), 30, 25);
    EXPECT_TRUE(box.takeChangedRect().contains(QRect(QPoint(10, 20), QPoint(29, 25))));

    box.Cls();
    box.setDrawWidth(2);
    MoveToEx(box.hDC(), 60, 60, nullptr);
    LineTo(box.hDC(), 70, 60);
    const QRect changed = box.takeChangedRect();
    EXPECT_TRUE(changed.contains(QRect(QPoint(10, 20), QPoint(29, 25)))) << "wiped by the clear";
    EXPECT_TRUE(changed.contains(QRect(QPoint(60, 60), QPoint(71, 61)))) << "the wide pen's square";

    box.Cls(); // nothing new drawn since: the old line is what changes
    EXPECT_TRUE(box.takeChangedRect().contains(QRect(QPoint(60, 60), QPoint(71, 61))));
    box.Cls();
    EXPECT_TRUE(box.takeChangedRect().isEmpty()) << "clearing a clear picture changes nothing";
}

} // namespace
