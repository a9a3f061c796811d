// Plane sections of the seven solids: the curve's name, its equation and the
// solid's, and the plane's outline (the points are tst_sectionpoints.cpp's).

#include "surface/planesection.h"
#include "surface/sectiontexts.h"
#include "tests/sectioncut.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// --- The names --------------------------------------------------------------

struct NameCase {
    Cut cut;
    std::string_view name;
};

class Names : public ::testing::TestWithParam<NameCase> { };

TEST_P(Names, FollowTheCurvesMathematics)
{
    const NameCase& c = GetParam();
    const PlaneSection section = sectionOf(c.cut);
    EXPECT_EQ(section.name, c.name) << describe(c.cut);
    EXPECT_EQ(section.pieces.empty(), c.name == SectionTexts::kNoSection) << describe(c.cut);
}

using namespace SectionTexts;
// clang-format off
INSTANTIATE_TEST_SUITE_P(SevenSolids, Names, ::testing::Values(
    NameCase{{0, 1.0f, 0, 60}, kCircle},          NameCase{{0, 1.0f, 30, 100}, kPoint},   // tangent
    NameCase{{0, 1.0f, 0, 101}, kNoSection},      NameCase{{0, 1.2f, 0, 60}, kCircle},    // a spheroid's level
    NameCase{{0, 1.2f, 30, 0}, kEllipse},
    NameCase{{1, 1.0f, 0, 45}, kCircle},          NameCase{{1, 1.2f, 0, 20}, kEllipse},
    NameCase{{1, 1.0f, 0, 90}, kPoint},           NameCase{{1, 1.0f, 0, 0}, kPoint},      // the pinches
    NameCase{{1, 1.0f, 30, 20}, kCurve},          NameCase{{1, 1.0f, 90, 100}, kPoint},   // touches twice
    NameCase{{1, 1.0f, 0, 91}, kNoSection},       NameCase{{1, 1.0f, 90, 101}, kNoSection},
    NameCase{{2, 1.0f, 0, 0}, kCircle},           NameCase{{2, 0.5f, 0, 60}, kEllipse},
    NameCase{{2, 1.0f, 1, 0}, kCurve},            NameCase{{2, 1.0f, 90, 25}, kCurve},
    NameCase{{2, 1.0f, 90, 106}, kPoint},         NameCase{{2, 1.0f, 90, 107}, kNoSection}, // the rims
    NameCase{{3, 1.0f, 0, 50}, kCircle},          NameCase{{3, 1.0f, 20, 30}, kEllipse},
    NameCase{{3, 1.0f, 45, 50}, kParabola},       NameCase{{3, 1.0f, 60, 30}, kHyperbola},
    NameCase{{3, 1.0f, 0, 0}, kPoint},            NameCase{{3, 1.0f, 30, 0}, kPoint},     // the apex
    NameCase{{3, 1.0f, 45, 0}, kLine},            NameCase{{3, 1.0f, 60, 0}, kCrossingLines},
    NameCase{{3, 1.0f, 0, 91}, kNoSection},       NameCase{{3, 1.5f, 0, 50}, kEllipse},
    NameCase{{3, 1.0f, 90, 90}, kPoint},          NameCase{{3, 0.4f, 90, -90}, kPoint},   // the rims' vertices
    NameCase{{3, 1.5f, 45, -50}, kParabola},
    NameCase{{4, 1.0f, 0, 50}, kCircle},          NameCase{{4, 1.0f, 0, 100}, kPoint},    // the cap
    NameCase{{4, 1.0f, 90, 30}, kParabola},       NameCase{{4, 1.0f, 30, 40}, kEllipse},
    NameCase{{4, 1.0f, 0, -1}, kNoSection},       NameCase{{4, 1.0f, 90, 100}, kPoint},   // the rim only
    NameCase{{5, 1.0f, 0, 0}, kCircle},           NameCase{{5, 1.0f, 90, 0}, kCircle},    // half of it
    NameCase{{5, 1.0f, 90, -100}, kPoint},        NameCase{{5, 1.0f, 0, -10}, kNoSection},
    NameCase{{5, 1.0f, 30, -80}, kNoSection},     // meets the whole sphere below z = 0 only
    NameCase{{6, 1.0f, 0, 0}, kCircle},           NameCase{{6, 0.5f, 0, 0}, kEllipse},
    NameCase{{6, 1.0f, 60, 0}, kEllipse},         NameCase{{6, 1.0f, 90, 60}, kParallelLines},
    NameCase{{6, 1.0f, 90, 100}, kLine},          NameCase{{6, 1.0f, 90, 101}, kNoSection},
    NameCase{{6, 1.0f, 89, 0}, kEllipse},         NameCase{{6, 1.0f, 120, 60}, kParallelLines})); // 90°
// clang-format on

TEST(PlaneSection, FlatSolidsAndFurtherFiguresHaveNoSection)
{
    const PlaneSection flat = planeSection(3, 0.0f, {30, 10});
    EXPECT_TRUE(flat.available);
    EXPECT_TRUE(flat.flat);
    EXPECT_TRUE(flat.name.empty());
    EXPECT_TRUE(flat.pieces.empty());
    EXPECT_EQ(flat.line(), kFlatSolid);
    for (const int shape : {7, 14, -1, 15}) {
        const PlaneSection none = planeSection(shape, 1.0f, {0, 0});
        EXPECT_FALSE(none.available) << shape;
        EXPECT_TRUE(none.name.empty() && none.equation.empty() && none.pieces.empty()) << shape;
        EXPECT_EQ(none.line(), kUnavailable) << shape;
    }
}

// Rounding must not spoil the exact cases at any whole tilt: the sphere's
// tangent planes touch it in a point; the cone's planes through the apex
// give a point below 45°, one line at 45° and two lines above.
TEST(PlaneSection, ExactCasesHoldAtEveryWholeTilt)
{
    for (int tilt = kMinSectionTilt; tilt <= kMaxSectionTilt; ++tilt) {
        EXPECT_EQ(planeSection(0, 1.0f, {tilt, 100}).name, kPoint) << tilt;
        EXPECT_EQ(planeSection(0, 1.0f, {tilt, -100}).name, kPoint) << tilt;
        const std::string_view apex = tilt < 45 ? kPoint : tilt == 45 ? kLine : kCrossingLines;
        EXPECT_EQ(planeSection(3, 1.3f, {tilt, 0}).name, apex) << tilt;
    }
}

// --- The texts ----------------------------------------------------------------

struct LineCase {
    Cut cut;
    const char* line;
};

class Lines : public ::testing::TestWithParam<LineCase> { };

TEST_P(Lines, GiveTheClosedForms)
{
    EXPECT_EQ(sectionOf(GetParam().cut).line(), GetParam().line) << describe(GetParam().cut);
}

// Sphere: r² = R² − d². Paraboloid: r² = R·(R − d). Cylinder at 90°: t² = R² − d²;
// at θ: a = R/cos θ. Cone at θ (k = 1): centre −d·tan 2θ, a = |d/cos 2θ|,
// b² = |d²/cos 2θ|; at 45°: t² = −2d·k²·s; through the apex: t = ±√(−cos 2θ)·s.
// clang-format off
INSTANTIATE_TEST_SUITE_P(SevenSolids, Lines, ::testing::Values(
    LineCase{{0, 1.0f, 0, 60}, "lingkaran: s² + t² = 80,0²"},
    LineCase{{4, 1.0f, 0, 50}, "lingkaran: s² + t² = 70,7²"},
    LineCase{{6, 1.0f, 90, 60}, "dua garis sejajar: t = ±80,0"},
    LineCase{{6, 1.0f, 60, 0}, "elips: s²/200,0² + t²/100,0² = 1"},
    LineCase{{3, 1.0f, 30, 30}, "elips: (s + 52,0)²/60,0² + t²/42,4² = 1"},
    LineCase{{3, 1.0f, 60, 30}, "hiperbola: (s − 52,0)²/60,0² − t²/42,4² = 1"},
    LineCase{{3, 1.5f, 45, 50}, "parabola: t² = −225,0·s"},
    LineCase{{3, 1.0f, 60, 0}, "dua garis berpotongan: t = ±0,7·s"},
    LineCase{{3, 1.0f, 45, 0}, "garis: t = 0"},
    LineCase{{0, 1.0f, 30, 100}, "titik: (0,0; 0)"},
    LineCase{{0, 1.0f, 0, 101}, "tidak memotong"},
    LineCase{{2, 1.0f, 30, 20}, "kurva: (10,0 + 0,9·s)² + t² = ((17,3 − 0,5·s)²/100 + 25)²"},
    LineCase{{1, 1.2f, 90, 0}, "kurva: (t/100)² = sin²(2·(−s)°)"},
    // Where one decimal would contradict the name: semi-axes that differ,
    // slopes that are not 0; the plane meeting the solid in its rims only.
    LineCase{{0, 0.2f, 1, -20}, "elips: (s + 8,3)²/8,49² + t²/8,52² = 1"},
    LineCase{{0, 0.8f, 1, 36}, "elips: (s − 0,4)²/89,297² + t²/89,305² = 1"},
    LineCase{{3, 0.1f, 46, 0}, "dua garis berpotongan: t = ±0,02·s"},
    LineCase{{3, 0.1f, 45, 1}, "parabola: t² = −0,02·s"},
    LineCase{{3, 1.0f, 90, 90}, "titik: (−90,0; 0) dan (90,0; 0)"},
    LineCase{{1, 1.0f, 90, -100}, "titik: (−45,0; 0) dan (45,0; 0)"}));
// clang-format on

TEST(PlaneSection, SolidEquationsCarryTheNumbers)
{
    const struct {
        int shape;
        float k;
        const char* equation;
    } cases[] = {
        {0, 1.2f, "x² + y² + (z/1,2)² = 100²"},
        {0, 1.0f, "x² + y² + z² = 100²"},
        {1, 1.2f, "(x/120)² + (y/100)² = sin²(2z°), |z| ≤ 90"},
        {2, 0.5f, "x² + (y/0,5)² = (z²/100 + 25)², |z| ≤ 90"},
        {3, 1.0f, "x² + y² = z², |z| ≤ 90"},
        {4, 0.7f, "x² + y² = 100·(100 − z/0,7), 0 ≤ z ≤ 70"},
        {5, 1.0f, "x² + y² + z² = 100², z ≥ 0"},
        {6, 1.6f, "x² + (y/1,6)² = 100², |z| ≤ 90"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(planeSection(c.shape, c.k, {0, 0}).solidEquation, c.equation) << c.shape;
}

TEST(PlaneSection, OutlineIsTheSquareAboutTheFootPoint)
{
    const SectionPlane plane{30, 40};
    const std::array<WorldPoint, 4> corners = sectionPlaneOutline(plane);
    const double sinTilt = 0.5;
    const double cosTilt = std::sqrt(3.0) / 2.0;
    for (std::size_t n = 0; n < corners.size(); ++n) {
        const WorldPoint& a = corners[n];
        const WorldPoint& b = corners[(n + 1) % corners.size()];
        const WorldPoint& c = corners[(n + 2) % corners.size()];
        EXPECT_NEAR(a.x * sinTilt + a.z * cosTilt, 40.0, 1e-9) << n;
        EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y, b.z - a.z), 300.0, 1e-9) << n;
        EXPECT_NEAR((b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y) + (b.z - a.z) * (c.z - b.z), 0.0,
                    1e-6);
        EXPECT_NEAR((a.x + c.x) / 2.0, 40.0 * sinTilt, 1e-9) << n; // the diagonals meet at the foot
        EXPECT_NEAR((a.y + c.y) / 2.0, 0.0, 1e-9) << n;
        EXPECT_NEAR((a.z + c.z) / 2.0, 40.0 * cosTilt, 1e-9) << n;
    }
    EXPECT_NEAR(std::fabs(corners[2].y - corners[1].y), 300.0, 1e-9); // one side along y
}

} // namespace
