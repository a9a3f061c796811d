// The projection from world points to drawing-area pixels: the angles from
// the pointer, both rotations, perspective, centring, clamp and rounding.

#include "view/projection.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr ProjectionSettings kStartupArea{396, 396, 400, 400, 0, 150.0f};
constexpr float kCentre = 198.0f; // interior centre: both angles zero

// Projects a single world point (held at every grid position) and returns
// where it lands.
std::pair<float, float> project(float x, float y, float z, float px, float py,
                                ProjectionSettings settings = kStartupArea)
{
    PointGrid grid;
    grid.allocate(25, 25);
    std::fill(grid.WorldX.data(), grid.WorldX.data() + grid.WorldX.size(), x);
    std::fill(grid.WorldY.data(), grid.WorldY.data() + grid.WorldY.size(), y);
    std::fill(grid.WorldZ.data(), grid.WorldZ.data() + grid.WorldZ.size(), z);
    projectGridPoints(grid, settings, px, py);
    return {grid.ScreenX(13, 13), grid.ScreenY(13, 13)};
}

ProjectionSettings withPerspective(std::int32_t flag, float distance = 150.0f)
{
    ProjectionSettings s = kStartupArea;
    s.perspectiveFlag = flag;
    s.perspectiveDistance = distance;
    return s;
}

struct ViewCase {
    const char* what;
    float wx, wy, wz;
    float px, py;
    ProjectionSettings settings;
    float sx, sy;
};

class Views : public ::testing::TestWithParam<ViewCase> { };

TEST_P(Views, PutThePointWhereExpected)
{
    const ViewCase& c = GetParam();
    const auto [sx, sy] = project(c.wx, c.wy, c.wz, c.px, c.py, c.settings);
    EXPECT_NEAR(sx, c.sx, 1e-3) << c.what;
    EXPECT_NEAR(sy, c.sy, 1e-3) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Projection, Views,
    ::testing::Values(
        // The rotation centre is the interior's, the drawing centre the outer size's.
        ViewCase{"front view: x right, z down", 30, 70, -40, kCentre, kCentre, kStartupArea, 230, 160},
        ViewCase{"pointer at (0, 0) turns half a turn both ways", 30, 70, -40, 0, 0, kStartupArea, 170, 240},
        ViewCase{"quarter width: depth axis comes to the front", 0, 100, 0, 99, kCentre, kStartupArea, 300,
                 200},
        ViewCase{"quarter width: x axis goes into depth", 100, 0, 0, 99, kCentre, kStartupArea, 200, 200},
        ViewCase{"perspective enlarges a nearer point", 100, 50, 0, kCentre, kCentre, withPerspective(1), 350,
                 200},
        ViewCase{"perspective off draws it flat", 100, 50, 0, kCentre, kCentre, kStartupArea, 300, 200},
        ViewCase{"flag 2 counts as off", 100, 50, 0, kCentre, kCentre, withPerspective(2), 300, 200},
        ViewCase{"depth equal to the distance is left undivided", 100, 150, 0, kCentre, kCentre,
                 withPerspective(1), 300, 200},
        ViewCase{"behind the eye mirrors through the centre", 100, 250, 0, kCentre, kCentre,
                 withPerspective(1), 50, 200},
        ViewCase{"exactly 1000 stays", 800, 0, -1200, kCentre, kCentre, kStartupArea, 1000, -1000},
        ViewCase{"beyond 1000 is clamped", 800.5f, 0, -1200.5f, kCentre, kCentre, kStartupArea, 1000, -1000},
        ViewCase{"a divisor near zero is clamped, not overflowed", 100, 149.999f, -100, kCentre, kCentre,
                 withPerspective(1), 1000, -1000}));

TEST(Projection, FarTimerPositionsKeepTurningWithinTheLimits)
{
    for (float position : {6000.0f, -6015.0f, 1e7f, -1e7f}) {
        const auto [sx, sy] = project(100, 0, 0, position, position);
        EXPECT_TRUE(std::isfinite(sx) && std::fabs(sx) <= 1000.0f) << position;
        EXPECT_TRUE(std::isfinite(sy) && std::fabs(sy) <= 1000.0f) << position;
    }
}

TEST(Projection, NonFinitePositionsPutPointsAtTheCentreInsteadOfNaN)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (auto [px, py] : {std::pair{nan, kCentre}, std::pair{kCentre, nan}, std::pair{inf, -inf}}) {
        const auto [sx, sy] = project(100, 20, 30, px, py, withPerspective(1));
        EXPECT_EQ(sx, 200.0f);
        EXPECT_EQ(sy, 200.0f);
    }
}

TEST(Projection, ZeroSizedInteriorLeavesTheScreenPointsAlone)
{
    PointGrid grid;
    grid.allocate(25, 25);
    grid.ScreenX(1, 1) = 42.0f;
    ProjectionSettings empty = kStartupArea;
    empty.scaleWidth = 0;
    projectGridPoints(grid, empty, 10, 10);
    EXPECT_EQ(grid.ScreenX(1, 1), 42.0f);
}

TEST(Projection, ClampTakesInfinitiesByTheirSign)
{
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(clampScreenCoordinate(inf), 1000.0f);
    EXPECT_EQ(clampScreenCoordinate(-inf), -1000.0f);
    EXPECT_EQ(clampScreenCoordinate(-1000.0f), -1000.0f);
    EXPECT_EQ(clampScreenCoordinate(999.75f), 999.75f);
}

TEST(Projection, PixelsRoundHalvesToEven)
{
    // clang-format off
    const std::array<std::pair<float, int>, 7> cases = {{
        {200.5f, 200}, {201.5f, 202}, {199.5f, 200}, {-0.5f, 0}, {-1.5f, -2}, {200.49f, 200}, {200.51f, 201},
    }};
    // clang-format on
    for (auto [value, pixel] : cases)
        EXPECT_EQ(toPixel(value), pixel) << value;
}

} // namespace
