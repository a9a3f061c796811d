// Lines on tiny pictures, pixel by pixel: the end-point rule of the 1-pixel
// pen, the 2-pixel pen, colour changes and clipping; then random lines against
// a plain rendering of the same rules.

#include "platform/gdi.h"
#include "platform/picturebox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using ruvex::win::kBlack;
using ruvex::win::kBlue;
using ruvex::win::LineTo;
using ruvex::win::MoveToEx;
using ruvex::win::pixelOf;
using ruvex::win::POINTAPI;

namespace {

// A 12 x 12 interior (border 2).
struct SmallBox {
    SmallBox() { box.setOuterSize(16, 16); }
    PictureBox box{2};
};

// The picture as rows of characters: '.' white, '#' black, 'b' blue, '?' other.
std::vector<std::string> picture(const PictureBox& box)
{
    std::vector<std::string> rows;
    const PixelBuffer& image = box.Image();
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t p = image.pixel(x, y) & 0xFFFFFF;
            row += p == 0xFFFFFF ? '.' : p == 0x000000 ? '#' : p == 0x0000FF ? 'b' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(ImageDeviceContext, ThinLineStopsBeforeItsEndPoint)
{
    SmallBox small;
    PictureBox& box = small.box;
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
    SmallBox small;
    PictureBox& box = small.box;
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
    SmallBox small;
    PictureBox& box = small.box;
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
    SmallBox small;
    PictureBox& box = small.box;
    MoveToEx(box.hDC(), 0, 0, nullptr);
    LineTo(box.hDC(), 3, 0);
    box.setForeColor(kBlue);
    LineTo(box.hDC(), 6, 0);
    EXPECT_EQ(picture(box)[0].substr(0, 7), "###bbb.");
}

TEST(ImageDeviceContext, LinesLeavingTheImageAreCutAtItsEdge)
{
    SmallBox small;
    PictureBox& box = small.box;
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
    SmallBox small;
    PictureBox& box = small.box;
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
    EXPECT_EQ(pixelOf(0x00FF0000), 0xFF0000FFu) << "0x00BBGGRR: blue";
    EXPECT_EQ(pixelOf(0x000000FF), 0xFFFF0000u) << "0x00BBGGRR: red";
}

TEST(PictureBox, ChangedRectCoversWhatWasDrawnAndWhatAClearWiped)
{
    PictureBox box(2);
    box.setOuterSize(104, 104);
    EXPECT_EQ(box.takeChangedRect(), (PixelRect{0, 0, 100, 100})) << "a new picture is all new";
    EXPECT_TRUE(box.takeChangedRect().isEmpty());

    box.setDrawWidth(1);
    MoveToEx(box.hDC(), 10, 20, nullptr);
    LineTo(box.hDC(), 30, 25);
    EXPECT_TRUE(box.takeChangedRect().contains(PixelRect{10, 20, 20, 6}));

    box.Cls();
    box.setDrawWidth(2);
    MoveToEx(box.hDC(), 60, 60, nullptr);
    LineTo(box.hDC(), 70, 60);
    const PixelRect changed = box.takeChangedRect();
    EXPECT_TRUE(changed.contains(PixelRect{10, 20, 20, 6})) << "wiped by the clear";
    EXPECT_TRUE(changed.contains(PixelRect{60, 60, 12, 2})) << "the wide pen's square";

    box.Cls(); // nothing new drawn since: the old line is what changes
    EXPECT_TRUE(box.takeChangedRect().contains(PixelRect{60, 60, 12, 2}));
    box.Cls();
    EXPECT_TRUE(box.takeChangedRect().isEmpty()) << "clearing a clear picture changes nothing";
}

// The rules of the header written out plainly: the pixel of step k along
// the major axis lies nearest the true line, a tie going to the side of the
// start; a 1-pixel pen stops before the end point, a wider one paints its
// square at every pixel, end point included, each pixel tested on its own.
struct Line {
    int x0, y0, x1, y1, pen;
};

int ceilDiv(int a, int b) // b > 0
{
    return a >= 0 ? (a + b - 1) / b : -(-a / b);
}

void referenceLine(std::vector<std::uint32_t>& pixels, int width, int height, const Line& line,
                   std::uint32_t colour)
{
    const int dx = line.x1 - line.x0;
    const int dy = line.y1 - line.y0;
    const int major = std::max(std::abs(dx), std::abs(dy));
    const int minor = std::min(std::abs(dx), std::abs(dy));
    const int steps = line.pen > 1 ? major + 1 : major;
    for (int k = 0; k < steps; ++k) {
        const int across = major > 0 ? ceilDiv(2 * k * minor - major, 2 * major) : 0;
        const bool alongX = std::abs(dx) >= std::abs(dy);
        const int x = line.x0 + (dx < 0 ? -1 : 1) * (alongX ? k : across);
        const int y = line.y0 + (dy < 0 ? -1 : 1) * (alongX ? across : k);
        const int before = (std::max(line.pen, 1) - 1) / 2;
        for (int row = y - before; row < y - before + std::max(line.pen, 1); ++row)
            for (int col = x - before; col < x - before + std::max(line.pen, 1); ++col)
                if (col >= 0 && col < width && row >= 0 && row < height)
                    pixels[static_cast<std::size_t>(row * width + col)] = colour;
    }
}

constexpr int kWidth = 40;
constexpr int kHeight = 30;

// A short random polyline, each segment starting where the last one ended,
// drawn into the box and by the plain rules into `expected`; its pen. Ends
// lie mostly inside, some well outside, in every direction and length; in
// every third round wholly inside, pen and all.
int drawRandomPolyline(PictureBox& box, std::vector<std::uint32_t>& expected, std::mt19937& random, int round)
{
    std::uniform_int_distribution<int> coordinate(-25, 65);
    std::uniform_int_distribution<int> pen(1, 3);
    const auto inside
        = [round](int value, int size) { return round % 3 == 0 ? std::clamp(value, 1, size - 2) : value; };
    Line line{coordinate(random), coordinate(random), 0, 0, round % 5 == 4 ? pen(random) : round % 2 + 1};
    line.x0 = inside(line.x0, kWidth);
    line.y0 = inside(line.y0, kHeight);
    MoveToEx(box.hDC(), line.x0, line.y0, nullptr);
    box.setDrawWidth(line.pen);
    box.setForeColor(round % 2 ? kBlue : kBlack);
    for (int segment = 0; segment < 3; ++segment) {
        line.x1 = inside(coordinate(random), kWidth);
        line.y1 = inside(coordinate(random), kHeight);
        LineTo(box.hDC(), line.x1, line.y1);
        referenceLine(expected, kWidth, kHeight, line, pixelOf(round % 2 ? kBlue : kBlack));
        line.x0 = line.x1;
        line.y0 = line.y1;
    }
    return line.pen;
}

TEST(ImageDeviceContext, RandomLinesPaintExactlyThePlainRulesPixels)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        PictureBox box(0);
        box.setOuterSize(kWidth, kHeight);
        std::vector<std::uint32_t> expected(kWidth * kHeight, pixelOf(box.BackColor()));
        const PixelBuffer blank = box.Image();
        box.takeChangedRect();
        const int pen = drawRandomPolyline(box, expected, random, round);

        PixelRect painted;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const std::uint32_t want = expected[static_cast<std::size_t>(y * kWidth + x)];
                ASSERT_EQ(box.Image().pixel(x, y), want) << "pen " << pen << " at " << x << ", " << y;
                if (want != pixelOf(box.BackColor()))
                    painted = painted.united({x, y, 1, 1});
            }
        EXPECT_TRUE(box.takeChangedRect().contains(painted)) << "every painted pixel reaches the screen";
        box.Cls();
        EXPECT_TRUE(box.Image() == blank) << "a clear wipes every painted pixel";
    }
}

} // namespace
