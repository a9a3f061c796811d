// The shape catalogue: known points of each figure, radii by row, the
// stretch factor, and what happens outside the catalogue.

#include "surface/shapecatalogue.h"
#include "surface/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr float kSingleTolerance = 2e-3f;

struct Built {
    PointGrid grid;
    ViewState state;
    std::optional<std::string_view> text;
};

Built build(int index, float aspect = 1.0f)
{
    Built b;
    b.state = startupViewState();
    b.state.AspectFactor = aspect;
    b.state.ShapeIndex = index;
    b.grid.allocate(25, 25);
    b.text = fillShapePoints(b.grid, b.state);
    return b;
}

double radiusAt(const PointGrid& grid, int row)
{
    return std::hypot(grid.WorldX(1, row), grid.WorldY(1, row));
}

struct PointCase {
    const char* what;
    int shape;
    int row;
    int column;
    float x, y, z;
};

class KnownPoints : public ::testing::TestWithParam<PointCase> { };

TEST_P(KnownPoints, LieWhereTheFigureSays)
{
    const PointCase& c = GetParam();
    const Built b = build(c.shape);
    EXPECT_NEAR(b.grid.WorldX(c.column, c.row), c.x, kSingleTolerance) << c.what;
    EXPECT_NEAR(b.grid.WorldY(c.column, c.row), c.y, kSingleTolerance) << c.what;
    EXPECT_NEAR(b.grid.WorldZ(c.column, c.row), c.z, kSingleTolerance) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, KnownPoints,
    ::testing::Values(PointCase{"sphere north pole", 0, 1, 1, 0, 0, 100},
                      PointCase{"sphere equator at v=0", 0, 7, 1, 100, 0, 0},
                      PointCase{"sphere equator at v=90", 0, 7, 7, 0, 100, 0},
                      PointCase{"sphere south pole", 0, 13, 1, 0, 0, -100},
                      PointCase{"sphere last row closes on the pole", 0, 25, 25, 0, 0, 100},
                      PointCase{"flat surface first corner", 8, 1, 1, -72, -72, -144},
                      PointCase{"flat surface row 7", 8, 7, 1, -72, -24, -96},
                      PointCase{"flat surface column 7", 8, 1, 7, -24, -72, -96},
                      PointCase{"flat surface far corner", 8, 25, 25, 120, 120, 240},
                      PointCase{"torus outer rim", 13, 1, 1, 150, 0, 0},
                      PointCase{"torus top of tube", 13, 1, 7, 100, 0, 50},
                      PointCase{"torus quarter turn", 13, 7, 1, 0, 150, 0},
                      PointCase{"ellipsoids pinch at the middle", 1, 13, 5, 0, 0, 0},
                      PointCase{"cone apex", 3, 13, 9, 0, 0, 0},
                      PointCase{"paraboloid cap", 4, 1, 1, 0, 0, 100},
                      PointCase{"half sphere mirrors the lower pole", 5, 13, 1, 0, 0, 100},
                      PointCase{"cylinder bottom", 6, 1, 1, 100, 0, -90}));

TEST(ShapeCatalogue, SineWaveRowCollapsesToOnePoint)
{
    const Built b = build(9);
    for (int j = 1; j <= 25; ++j) {
        EXPECT_NEAR(b.grid.WorldX(j, 7), 100, kSingleTolerance);
        EXPECT_NEAR(b.grid.WorldY(j, 7), 100, kSingleTolerance);
        EXPECT_FLOAT_EQ(b.grid.WorldZ(j, 7), -45);
    }
}

struct RadiusCase {
    const char* what;
    int shape;
    int row;
    double radius;
};

class RadiiByRow : public ::testing::TestWithParam<RadiusCase> { };

TEST_P(RadiiByRow, MatchTheRadiusRule)
{
    const RadiusCase& c = GetParam();
    EXPECT_NEAR(radiusAt(build(c.shape).grid, c.row), c.radius, 0.01) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RadiiByRow,
    ::testing::Values(RadiusCase{"hyperboloida end", 2, 1, 106}, RadiusCase{"hyperboloida waist", 2, 13, 25},
                      RadiusCase{"cup foot", 7, 1, 50}, RadiusCase{"cup foot second row", 7, 2, 50},
                      RadiusCase{"cup stem top", 7, 3, 2}, RadiusCase{"cup stem bottom", 7, 12, 2},
                      RadiusCase{"cup point at the middle", 7, 13, 0},
                      RadiusCase{"cup first ring", 7, 14, 18.26}, RadiusCase{"cup rim", 7, 25, 63.25},
                      RadiusCase{"bell end", 12, 1, 47.43}, RadiusCase{"bell end", 12, 25, 47.43},
                      RadiusCase{"bell start", 12, 8, 30.62}, RadiusCase{"bell start", 12, 18, 30.62},
                      RadiusCase{"on the axis", 12, 9, 0}, RadiusCase{"on the axis", 12, 12, 0},
                      RadiusCase{"on the axis", 12, 14, 0}, RadiusCase{"on the axis", 12, 17, 0},
                      RadiusCase{"flat rim", 12, 13, 100}));

// With k = 0 each figure flattens onto the plane of the axis it stretches.
TEST(ShapeCatalogue, ZeroAspectFlattensOntoTheStretchedPlane)
{
    enum Axis { X, Y, Z };
    // clang-format off
    const std::array<std::pair<int, Axis>, 14> stretched = {{
        {0, Z}, {4, Z}, {5, Z}, {10, Z}, {13, Z}, {14, Z},
        {2, Y}, {3, Y}, {6, Y}, {7, Y}, {9, Y}, {11, Y}, {12, Y},
        {1, X},
    }};
    // clang-format on
    for (const auto& [shape, axis] : stretched) {
        const Built b = build(shape, 0.0f);
        const SingleGrid& flat = axis == X ? b.grid.WorldX : axis == Y ? b.grid.WorldY : b.grid.WorldZ;
        for (std::size_t n = 0; n < flat.size(); ++n)
            ASSERT_EQ(flat.data()[n], 0.0f) << "shape " << shape;
    }
}

TEST(ShapeCatalogue, FlatSurfaceIgnoresSizeAndAspect)
{
    const Built plain = build(8, 1.0f);
    const Built stretched = build(8, 0.0f);
    for (std::size_t n = 0; n < plain.grid.WorldZ.size(); ++n) {
        EXPECT_EQ(plain.grid.WorldX.data()[n], stretched.grid.WorldX.data()[n]);
        EXPECT_EQ(plain.grid.WorldZ.data()[n], stretched.grid.WorldZ.data()[n]);
    }
}

TEST(ShapeCatalogue, DescriptionsOnlyForTheSevenClassicalSolids)
{
    EXPECT_EQ(build(0).text.value_or(""),
              "Sebuah Bola yang titik pusatnya di P(a,b,c) dan Jari-jarinya r. "
              "Adalah Tempat Kedudukan Titik-Titik yang Berjarak r dari P");
    EXPECT_EQ(build(5).text.value_or(""), "----------------");
    EXPECT_TRUE(build(3).text.value_or("").starts_with("Suatu Kerucut Terjadi, Jika"));
    EXPECT_TRUE(build(6).text.value_or("").ends_with("Hingga Arahnya Tetap"));
    for (int shape = 7; shape < kShapeCount; ++shape)
        EXPECT_FALSE(build(shape).text.has_value()) << shape;
    EXPECT_EQ(shapeCaption(11), "Parabloid");
}

TEST(ShapeCatalogue, IndexOutsideTheCatalogueGivesTheAllZeroGridAndNoText)
{
    for (int index : {-1, 15, 32767, std::numeric_limits<int>::min()}) {
        Built b = build(0);
        b.state.ShapeIndex = index;
        EXPECT_FALSE(fillShapePoints(b.grid, b.state).has_value());
        for (std::size_t n = 0; n < b.grid.WorldX.size(); ++n) {
            ASSERT_EQ(b.grid.WorldX.data()[n], 0.0f);
            ASSERT_EQ(b.grid.WorldY.data()[n], 0.0f);
            ASSERT_EQ(b.grid.WorldZ.data()[n], 0.0f);
        }
    }
}

TEST(ShapeCatalogue, EveryBuildRewritesAllWorldPoints)
{
    for (int shape = 0; shape < kShapeCount; ++shape) {
        Built b = build(0);
        const float poison = std::numeric_limits<float>::quiet_NaN();
        for (SingleGrid* g : {&b.grid.WorldX, &b.grid.WorldY, &b.grid.WorldZ})
            std::fill(g->data(), g->data() + g->size(), poison);
        b.state.ShapeIndex = shape;
        fillShapePoints(b.grid, b.state);
        for (const SingleGrid* g : {&b.grid.WorldX, &b.grid.WorldY, &b.grid.WorldZ}) {
            for (std::size_t n = 0; n < g->size(); ++n)
                ASSERT_TRUE(std::isfinite(g->data()[n])) << "shape " << shape << " point " << n;
        }
    }
}

} // namespace
