// The points of plane sections of the seven solids, checked against the
// catalogue's parametric formulas, which the test solves for the parameters
// on its own: on the plane and the surface, chords near the curve, and no
// part of the curve missing.

#include "surface/planesection.h"
#include "surface/shapecatalogue.h"
#include "surface/startup.h"
#include "tests/sectioncut.h"
#include "tests/solidformulas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double kSize = 100.0;
constexpr double kPi = std::numbers::pi;

TEST(PlaneSection, TheTestsFormulasAreTheCatalogues)
{
    for (int shape = 0; shape <= 6; ++shape) {
        ViewState state = startupViewState();
        state.ShapeIndex = shape;
        state.AspectFactor = 1.2f;
        PointGrid grid;
        grid.allocate(25, 25);
        fillShapePoints(grid, state);
        for (int i = 1; i <= 25; ++i) {
            for (int j = 1; j <= 25; ++j) {
                const Point3 p = cataloguePoint(shape, 1.2, 15.0 * (i - 1), 15.0 * (j - 1));
                EXPECT_NEAR(grid.WorldX(j, i), p.x, 2e-3) << shape << " " << i << " " << j;
                EXPECT_NEAR(grid.WorldY(j, i), p.y, 2e-3) << shape << " " << i << " " << j;
                EXPECT_NEAR(grid.WorldZ(j, i), p.z, 2e-3) << shape << " " << i << " " << j;
            }
        }
    }
}

// The outer angle of the catalogue's level at height z, if the surface
// reaches that height.
std::optional<double> outerAngleAt(int shape, double k, double z)
{
    const double level = z / (k * kSize);
    const double slack = 1e-9;
    switch (shape) {
    case 0:
        return level >= -1.0 - slack && level <= 1.0 + slack
            ? std::optional(std::acos(std::clamp(level, -1.0, 1.0)) * 180.0 / kPi)
            : std::nullopt;
    case 4:
    case 5: {
        if (level < -slack || level > 1.0 + slack)
            return std::nullopt;
        const double cosine
            = shape == 4 ? std::sqrt(std::clamp(level, 0.0, 1.0)) : std::clamp(level, 0.0, 1.0);
        return std::acos(cosine) * 180.0 / kPi;
    }
    default:
        if (std::fabs(z) > 90.0 + slack)
            return std::nullopt;
        return 2.0 * std::clamp(z, -90.0, 90.0) + 180.0;
    }
}

// The level ellipse at height z: the catalogue's points there at the inner
// angles 0 and 90 degrees give its semi-axes along x and y (signed, as the
// formulas give them).
struct Level {
    double alongX;
    double alongY;
    double outer;
};

std::optional<Level> levelAt(int shape, double k, double z)
{
    const std::optional<double> a = outerAngleAt(shape, k, z);
    if (!a)
        return std::nullopt;
    return Level{cataloguePoint(shape, k, *a, 0.0).x, cataloguePoint(shape, k, *a, 90.0).y, *a};
}

// How far p is from the catalogue's point with the parameters solved from p.
double distanceFromSurface(int shape, double k, const WorldPoint& p)
{
    const std::optional<Level> level = levelAt(shape, k, p.z);
    if (!level)
        return HUGE_VAL;
    const double cosine = level->alongX != 0.0 ? p.x / level->alongX : 0.0;
    const double sine = level->alongY != 0.0 ? p.y / level->alongY : 0.0;
    const Point3 q = cataloguePoint(shape, k, level->outer, std::atan2(sine, cosine) * 180.0 / kPi);
    return std::hypot(q.x - p.x, q.y - p.y, q.z - p.z);
}

// Beyond a pole, a pinch or a cap, where the surface closes (not beyond an
// open rim): outside the solid.
bool beyondClosedEnd(int shape, double k, double z)
{
    const double top = shape == 1 ? 90.0 : k * kSize;
    switch (shape) {
    case 0:
    case 1:
        return std::fabs(z) > top;
    case 4:
    case 5:
        return z > top;
    default:
        return false;
    }
}

// Negative inside the level ellipse at the point's height, positive outside.
std::optional<double> sideOf(int shape, double k, const WorldPoint& p)
{
    if (beyondClosedEnd(shape, k, p.z))
        return 1.0;
    const std::optional<Level> level = levelAt(shape, k, p.z);
    if (!level || level->alongX == 0.0 || level->alongY == 0.0)
        return std::nullopt;
    return std::pow(p.x / level->alongX, 2) + std::pow(p.y / level->alongY, 2) - 1.0;
}

WorldPoint along(const WorldPoint& a, const WorldPoint& b, double f)
{
    return {a.x + f * (b.x - a.x), a.y + f * (b.y - a.y), a.z + f * (b.z - a.z)};
}

double distance(const WorldPoint& a, const WorldPoint& b)
{
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

double distanceToPieces(const std::vector<std::vector<WorldPoint>>& pieces, const WorldPoint& p)
{
    double nearest = HUGE_VAL;
    for (const auto& piece : pieces) {
        nearest = std::min(nearest, distance(piece.front(), p));
        for (std::size_t n = 1; n < piece.size(); ++n) {
            const WorldPoint& a = piece[n - 1];
            const WorldPoint& b = piece[n];
            const double length2 = std::pow(distance(a, b), 2);
            const double f = length2 > 0
                ? ((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y) + (p.z - a.z) * (b.z - a.z))
                    / length2
                : 0.0;
            nearest = std::min(nearest, distance(along(a, b, std::clamp(f, 0.0, 1.0)), p));
        }
    }
    return nearest;
}

constexpr double kTolerance = 0.1;

struct PointCase {
    Cut cut;
    std::size_t pieces;
    std::size_t closed;
};

class Points : public ::testing::TestWithParam<PointCase> {
protected:
    void SetUp() override
    {
        const Cut& c = GetParam().cut;
        section = sectionOf(c);
        k = std::round(c.k * 10.0) / 10.0;
        sinTilt = std::sin(c.tilt * kPi / 180.0);
        cosTilt = std::cos(c.tilt * kPi / 180.0);
    }

    // Some point of the surface lies on the plane within the tolerance of
    // p: along the plane's line through p across the chord a–b the side of
    // the surface changes, or (where the plane is tangent to the surface)
    // a point lies on it.
    bool curveNear(const WorldPoint& p, const WorldPoint& a, const WorldPoint& b) const
    {
        // The chord's normal within the plane: the plane's normal × the chord.
        const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
        WorldPoint normal{dy * cosTilt, dz * sinTilt - dx * cosTilt, -dy * sinTilt};
        const double length = std::hypot(normal.x, normal.y, normal.z);
        std::optional<double> previous;
        for (int step = -20; step <= 20; ++step) {
            const double offset = kTolerance * step / 20.0 / length;
            const WorldPoint q{p.x + offset * normal.x, p.y + offset * normal.y, p.z + offset * normal.z};
            if (distanceFromSurface(GetParam().cut.shape, k, q) < 1e-3)
                return true;
            const std::optional<double> side = sideOf(GetParam().cut.shape, k, q);
            if (side && (*side == 0.0 || (previous && (*side > 0.0) != (*previous > 0.0))))
                return true;
            previous = side;
        }
        return false;
    }

    PlaneSection section;
    double k = 1.0;
    double sinTilt = 0.0;
    double cosTilt = 1.0;
};

TEST_P(Points, LieOnThePlaneAndTheSurface)
{
    const Cut& c = GetParam().cut;
    std::size_t closed = 0;
    for (const auto& piece : section.pieces) {
        if (piece.size() > 2 && distance(piece.front(), piece.back()) == 0.0)
            ++closed;
        for (const WorldPoint& p : piece) {
            ASSERT_NEAR(p.x * sinTilt + p.z * cosTilt, c.distance, 1e-9) << describe(c);
            ASSERT_LT(distanceFromSurface(c.shape, k, p), 1e-3)
                << describe(c) << " at " << p.x << " " << p.y << " " << p.z;
        }
    }
    EXPECT_EQ(section.pieces.size(), GetParam().pieces) << describe(c);
    EXPECT_EQ(closed, GetParam().closed) << describe(c);
}

TEST_P(Points, ChordsStayNearTheCurve)
{
    for (const auto& piece : section.pieces) {
        for (std::size_t n = 1; n < piece.size(); ++n) {
            const WorldPoint& a = piece[n - 1];
            const WorldPoint& b = piece[n];
            for (int eighth = 1; eighth < 8; ++eighth) {
                const WorldPoint p = along(a, b, eighth / 8.0);
                if (std::min(distance(p, a), distance(p, b)) <= kTolerance)
                    continue;
                ASSERT_TRUE(curveNear(p, a, b))
                    << describe(GetParam().cut) << " at " << p.x << " " << p.y << " " << p.z;
            }
        }
    }
}

// Every point of the true curve, found level by level from the catalogue,
// is near the drawn pieces: no part of the curve is missing.
TEST_P(Points, CoverTheWholeCurve)
{
    const Cut& c = GetParam().cut;
    std::vector<WorldPoint> truePoints;
    if (c.tilt == 0) {
        if (const std::optional<Level> level = levelAt(c.shape, k, c.distance))
            for (int degrees = 0; degrees < 360; ++degrees)
                truePoints.push_back({level->alongX * std::cos(degrees * kPi / 180.0),
                                      level->alongY * std::sin(degrees * kPi / 180.0), double(c.distance)});
    } else {
        for (double z = -200.0; z <= 200.0; z += 0.25) {
            const std::optional<Level> level = levelAt(c.shape, k, z);
            const double x = (c.distance - z * cosTilt) / sinTilt;
            if (!level || std::fabs(x) > std::fabs(level->alongX))
                continue;
            const double y = level->alongX != 0.0
                ? level->alongY * std::sqrt(1.0 - std::pow(x / level->alongX, 2))
                : 0.0;
            truePoints.push_back({x, y, z});
            truePoints.push_back({x, -y, z});
        }
    }
    for (const WorldPoint& p : truePoints)
        ASSERT_LT(distanceToPieces(section.pieces, p), kTolerance)
            << describe(c) << " at " << p.x << " " << p.y << " " << p.z;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SevenSolids, Points, ::testing::Values(
    PointCase{{0, 1.0f, 0, 60}, 1, 1},      PointCase{{0, 1.2f, 30, 40}, 1, 1},
    PointCase{{0, 1.0f, 30, 100}, 1, 0},    // the point of contact
    PointCase{{1, 1.0f, 30, 20}, 1, 1},     PointCase{{1, 1.2f, 50, -30}, 2, 2},
    PointCase{{1, 1.0f, 90, 0}, 1, 1},      PointCase{{1, 1.0f, 90, 100}, 2, 0},
    PointCase{{1, 0.5f, 0, 30}, 1, 1},
    PointCase{{2, 1.0f, 30, 20}, 1, 1},     PointCase{{2, 1.5f, 70, 50}, 2, 0},
    PointCase{{2, 1.0f, 90, 25}, 2, 0},     PointCase{{2, 1.0f, 90, 106}, 2, 0},
    PointCase{{2, 0.5f, 0, 60}, 1, 1},
    PointCase{{3, 1.0f, 20, 30}, 1, 1},     PointCase{{3, 1.0f, 45, 50}, 1, 0},
    PointCase{{3, 1.0f, 60, 30}, 2, 0},     PointCase{{3, 1.0f, 60, 0}, 2, 0},
    PointCase{{3, 1.0f, 45, 0}, 1, 0},      PointCase{{3, 1.5f, 10, 40}, 1, 1},
    PointCase{{4, 1.0f, 0, 50}, 1, 1},      PointCase{{4, 1.2f, 90, 30}, 1, 0},
    PointCase{{4, 1.0f, 30, 40}, 1, 0}, // cut by z ≥ 0
    PointCase{{5, 1.0f, 90, 0}, 1, 0},      PointCase{{5, 1.3f, 40, 50}, 1, 0},
    PointCase{{6, 1.0f, 60, 0}, 2, 0},      PointCase{{6, 1.0f, 90, 60}, 2, 0},
    PointCase{{6, 1.0f, 90, 100}, 1, 0},    PointCase{{6, 0.7f, 25, -20}, 1, 1}));
// clang-format on

} // namespace
