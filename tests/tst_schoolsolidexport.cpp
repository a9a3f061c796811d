// The school solids in the SVG the command line exports (--export x.svg
// --size 7,10 --net 0 or 100), read back from its coordinates and held
// against the closed forms. Seen from straight above (--view 198,99) the net
// lies as it is drawn on paper; from the front (--view 198,198) the closed
// solid shows its outline. Every length is compared within a pixel at the
// picture's scale: the fit's, the largest half extent at 100 pixels, or for
// the kerucut's net, which one measured length fixes.

#include "export/picturefile.h"
#include "surface/schoolsolid.h"
#include "tests/windowsessionfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double r = 7.0;
constexpr double t = 10.0;
constexpr double kPixel = 1.0;

struct Pixel {
    double x = 0.0;
    double y = 0.0;
};

double gap(Pixel a, Pixel b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The points of every polyline in `text`.
std::vector<Pixel> polylinePoints(const std::string& text)
{
    std::vector<Pixel> points;
    for (std::size_t at = text.find("points=\""); at != std::string::npos; at = text.find("points=\"", at)) {
        const char* next = text.c_str() + at + 8;
        char* end = nullptr;
        while (*next != '"') {
            const double x = std::strtod(next, &end);
            const double y = std::strtod(end + 1, &end);
            points.push_back({x, y});
            next = *end == ' ' ? end + 1 : end;
        }
        at = static_cast<std::size_t>(next - text.c_str());
    }
    return points;
}

// The grid pen's points (the faces' rows and columns, not the red marks) of
// the SVG written for the solid with r = 7, t = 10 at `net` percent.
std::vector<Pixel> exportedGridPoints(int shape, int net, float viewX, float viewY)
{
    PictureSettings settings;
    settings.shapeIndex = shape;
    settings.pointerX = viewX;
    settings.pointerY = viewY;
    settings.options.schoolSolid = SchoolSolid{shape, 7, 10, net};
    const Session opened(settings);
    const Form1Model& model = opened.model();
    const std::vector<std::uint8_t> bytes
        = pictureFileBytes({model.area().Image(), model.pictureLines(), shape}, PictureFormat::Svg, 1);
    const std::string svg(bytes.begin(), bytes.end());
    const std::size_t group = svg.find("stroke=\"#000000\" stroke-width=\"1\"");
    return polylinePoints(svg.substr(group, svg.find("</g>", group) - group));
}

// The point most lines meet at (a disc's centre, a cone's apex), away from
// `other` when given.
Pixel meetingPoint(const std::vector<Pixel>& points, const Pixel* other = nullptr)
{
    Pixel best;
    long most = 0;
    for (const Pixel& p : points) {
        const long count
            = std::count_if(points.begin(), points.end(), [&p](Pixel q) { return gap(p, q) < 0.01; });
        if (count > most && !(other && gap(p, *other) < 1.0))
            std::tie(best, most) = std::make_pair(p, count);
    }
    return best;
}

double farthest(const std::vector<Pixel>& points, Pixel from)
{
    double far = 0.0;
    for (const Pixel& p : points)
        far = std::max(far, gap(p, from));
    return far;
}

std::pair<Pixel, Pixel> bounds(const std::vector<Pixel>& points)
{
    Pixel low{1e9, 1e9};
    Pixel high{-1e9, -1e9};
    for (const Pixel& p : points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    return {low, high};
}

// Net 0 from the front: the tabung a rectangle 2r by t, the kerucut a
// triangle of base 2r and height t, its apex over the base's middle.
void expectClosedOutline(int shape)
{
    SCOPED_TRACE(shape);
    const double k = 100.0 / std::max(r, t / 2);
    const std::vector<Pixel> closed = exportedGridPoints(shape, 0, 198, 198);
    const auto [low, high] = bounds(closed);
    EXPECT_NEAR(high.x - low.x, 2 * r * k, kPixel);
    EXPECT_NEAR(high.y - low.y, t * k, kPixel);
    if (shape != kSchoolKerucut)
        return;
    // The screen's y runs with z here: the apex is the lowest row.
    const Pixel apex
        = *std::max_element(closed.begin(), closed.end(), [](Pixel a, Pixel b) { return a.y < b.y; });
    EXPECT_NEAR(apex.x, (low.x + high.x) / 2, kPixel);
    for (const Pixel& p : closed) // within the triangle's sides
        EXPECT_LE(std::abs(p.x - apex.x), r / t * (apex.y - p.y) + kPixel);
}

// Net 100, tabung: the selimut a rectangle t by 2πr, the alas and tutup
// circles of radius r touching its long sides at their middles.
void expectTabungNet()
{
    const double k = 100.0 / std::max(kPi * r, (t + 4 * r) / 2);
    const std::vector<Pixel> net = exportedGridPoints(kSchoolTabung, 100, 198, 99);
    const auto [low, high] = bounds(net);
    EXPECT_NEAR(high.y - low.y, 2 * kPi * r * k, kPixel);
    EXPECT_NEAR(high.x - low.x, (t + 4 * r) * k, kPixel);
    const Pixel middle{(low.x + high.x) / 2, (low.y + high.y) / 2};
    for (const double side : {-1.0, 1.0}) {
        const Pixel centre{middle.x + side * (t / 2 + r) * k, middle.y};
        std::vector<Pixel> disc;
        std::copy_if(net.begin(), net.end(), std::back_inserter(disc),
                     [&](Pixel p) { return side * (p.x - middle.x) > t / 2 * k + kPixel; });
        EXPECT_NEAR(farthest(disc, centre), r * k, kPixel) << side;
        EXPECT_NEAR(gap(meetingPoint(disc), centre), 0.0, kPixel) << side;
    }
}

// Net 100, kerucut: the selimut a sector of radius s and angle 360°·r/s
// about the apex, the alas a circle of radius r touching the arc's middle.
void expectKerucutNet()
{
    const double s = std::hypot(r, t);
    const std::vector<Pixel> net = exportedGridPoints(kSchoolKerucut, 100, 198, 99);
    const Pixel first = meetingPoint(net);
    const Pixel second = meetingPoint(net, &first);
    // Which is which: across the alas, the farthest point from the apex is
    // s + 2r away, farther than any from the alas's centre at these sizes.
    const bool firstIsApex = farthest(net, first) > farthest(net, second);
    const Pixel apex = firstIsApex ? first : second;
    const Pixel centre = firstIsApex ? second : first;
    const double k = gap(apex, centre) / (s + r); // touching: the centres s + r apart
    std::vector<Pixel> sector;
    std::vector<Pixel> disc;
    for (const Pixel& p : net)
        (gap(p, centre) <= r * k + kPixel ? disc : sector).push_back(p);
    EXPECT_NEAR(farthest(sector, apex), s * k, kPixel);
    EXPECT_NEAR(farthest(disc, centre), r * k, kPixel);
    // The sector's angle, as arc length at its rim, each side of the line
    // through both centres: half of 360°·r/s each way.
    const double towards = std::atan2(centre.y - apex.y, centre.x - apex.x);
    double widest = 0.0;
    for (const Pixel& p : sector)
        widest = std::max(
            widest, std::abs(std::remainder(std::atan2(p.y - apex.y, p.x - apex.x) - towards, 2 * kPi)));
    EXPECT_NEAR(widest * s * k, kPi * r / s * s * k, kPixel);
}

TEST(SchoolSolidExport, OutlinesAtNetZeroAndFullMatchTheClosedForms)
{
    expectClosedOutline(kSchoolTabung);
    expectClosedOutline(kSchoolKerucut);
    expectTabungNet();
    expectKerucutNet();
}

} // namespace
