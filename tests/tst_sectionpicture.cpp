// A plane section as the pictures draw it, against the curve found in the
// test itself: the solid's surface sampled from its parametric formulas
// (the tests' own, not the program's) and cut by the plane.
// At the print scale every drawn point of the curve lies within half a pixel
// of that curve, its green lies on it, and every part of it is drawn.

#include "platform/colours.h"
#include "tests/solidformulas.h"
#include "tests/windowsessionfixture.h"
#include "view/projection.h"
#include "view/scaledwireframe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr int kScale = 4;

struct Cut {
    int shape;
    int aspectTenths;
    int tilt;
    int distance;
};

// Where the surface crosses the plane, along both parameters in fine steps.
std::vector<Point3> trueCurve(const Cut& cut)
{
    const double k = cut.aspectTenths / 10.0, t = cut.tilt * std::numbers::pi / 180.0;
    const auto side = [&](const Point3& p) { return p.x * std::sin(t) + p.z * std::cos(t) - cut.distance; };
    std::vector<Point3> points;
    // Each step's end is the next one's start, and the low end of the
    // bisection keeps its side: each side is worked out once.
    const auto crossings = [&](auto at) {
        bool startBelow = side(at(0.0)) < 0;
        for (double along = 0.0; along < 360.0; along += 1.0) {
            double low = along, high = along + 1.0;
            const bool lowBelow = std::exchange(startBelow, side(at(high)) < 0);
            if (lowBelow == startBelow)
                continue;
            for (int n = 0; n < 30; ++n) {
                const double middle = (low + high) / 2;
                (lowBelow == (side(at(middle)) < 0) ? low : high) = middle;
            }
            points.push_back(at(low));
        }
    };
    for (double fixed = 0.0; fixed < 360.0; fixed += 0.1) {
        crossings([&](double a) { return cataloguePoint(cut.shape, k, a, fixed); });
        crossings([&](double b) { return cataloguePoint(cut.shape, k, fixed, b); });
    }
    return points;
}

struct Pixel {
    double x, y;
};

// Points sorted into square cells, for the nearest one within a few pixels.
class PixelCells {
public:
    explicit PixelCells(const std::vector<Pixel>& points)
    {
        for (const Pixel& p : points)
            m_cells[key(cell(p.x), cell(p.y))].push_back(p);
    }
    double nearest(Pixel to) const
    {
        double best = 1e9;
        for (long dy = -1; dy <= 1; ++dy) {
            for (long dx = -1; dx <= 1; ++dx) {
                const auto found = m_cells.find(key(cell(to.x) + dx, cell(to.y) + dy));
                if (found == m_cells.end())
                    continue;
                for (const Pixel& p : found->second)
                    best = std::min(best, std::hypot(p.x - to.x, p.y - to.y));
            }
        }
        return best;
    }

private:
    static long cell(double coordinate) { return static_cast<long>(std::floor(coordinate / 8.0)); }
    static long key(long x, long y) { return x * 100000 + y; }
    std::map<long, std::vector<Pixel>> m_cells;
};

std::vector<Pixel> greenPixels(const PixelBuffer& picture)
{
    std::vector<Pixel> green;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == ruvex::win::pixelOf(ruvex::win::kSectionGreen))
                green.push_back({x + 0.5, y + 0.5});
        }
    }
    return green;
}

} // namespace

TEST(SectionPicture, PrintPictureDrawsTheTrueCurve)
{
    for (const Cut& cut : {Cut{3, 10, 45, 30}, Cut{0, 10, 0, 60}, Cut{2, 10, 50, 30}, Cut{6, 12, 40, 20},
                           Cut{1, 10, 30, 20}, Cut{4, 10, 60, 40}}) {
        SCOPED_TRACE(testing::Message()
                     << "shape " << cut.shape << " at " << cut.tilt << "," << cut.distance);
        PictureSettings settings{cut.shape, 120.0f, 60.0f, false, 150, cut.aspectTenths, {}};
        settings.options.section = SectionView{{cut.tilt, cut.distance}, false};
        const Session opened(settings);
        const Form1Model& view = opened.model();
        const ViewProjection projection(projectionSettings(view.area(), view.viewState()), 120.0f, 60.0f);
        std::vector<Pixel> truth;
        for (const Point3& p : trueCurve(cut)) {
            const ProjectedPoint at = projection.project(p.x, p.y, p.z);
            truth.push_back({at.x * kScale, at.y * kScale});
        }
        ASSERT_GT(truth.size(), 100u);
        const PixelCells curve(truth);

        std::size_t drawn = 0;
        for (const WireframePolyline& line : view.pictureLines()) {
            for (const ScreenPoint& point : line.points) {
                if (line.pen != WireframePen::SectionCurve)
                    continue;
                ++drawn;
                ASSERT_LE(curve.nearest({point.x * kScale, point.y * kScale}), 0.5)
                    << "a drawn point at " << point.x << "," << point.y;
            }
        }
        ASSERT_GT(drawn, 0u);

        // The green, 8 pixels wide here, lies along the true curve (within its
        // square pen's half diagonal, its joins and a pixel's rounding), and covers all
        // of it.
        const std::vector<Pixel> green = greenPixels(linesDrawnLarger(view.pictureLines(), 396, 396, kScale));
        for (const Pixel& pixel : green)
            ASSERT_LE(curve.nearest(pixel), 7.25) << "green at " << pixel.x << "," << pixel.y;
        const PixelCells painted(green);
        for (const Pixel& point : truth)
            ASSERT_LE(painted.nearest(point), 2.0) << "the curve at " << point.x << "," << point.y;
    }
}
