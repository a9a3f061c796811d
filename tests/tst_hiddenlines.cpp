// The teaching aids: dashed back lines (what the surface hides, exactly, and
// drawn as a subset of the solid picture's pixels) and the coordinate axes
// (under the wireframe, letters at their ends); with both off, today's
// pictures.

#include "export/svgpicture.h"
#include "platform/colours.h"
#include "platform/picturebox.h"
#include "tests/windowsessionfixture.h"
#include "view/hiddenlines.h"
#include "view/picturelines.h"
#include "view/scaledwireframe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const std::uint32_t kWhitePixel = ruvex::win::pixelOf(ruvex::win::kWhite);
const std::uint32_t kAxisPixel = ruvex::win::pixelOf(ruvex::win::kAxisRed);

// The view's drawing area drawn again with the options.
struct Drawn {
    ViewState state;
    PictureBox area;
    Drawn(const Form1Model& view, const PictureOptions& options)
        : state(view.viewState())
    {
        area.setOuterSize(view.area().Width(), view.area().Height());
        redrawArea(view.pointGrid(), state, area, options);
    }
    const PixelBuffer& image() const { return area.Image(); }
};

std::vector<WireframePolyline> linesOf(const Form1Model& view, const PictureOptions& options)
{
    return makePictureLines(view.pointGrid(), view.viewState(),
                            projectionSettings(view.area(), view.viewState()), options);
}

// Total length of the polylines' segments and of their hidden spans, pixels.
std::pair<double, double> shownAndHiddenLength(const std::vector<WireframePolyline>& lines)
{
    double total = 0.0, hidden = 0.0;
    for (const WireframePolyline& line : lines) {
        for (std::size_t n = 0; n + 1 < line.points.size(); ++n)
            total += segmentLength(line, n);
        for (const SegmentSpan& span : line.hidden)
            hidden += (span.to - span.from) * segmentLength(line, static_cast<std::size_t>(span.segment));
    }
    return {total, hidden};
}

int darkPixels(const PixelBuffer& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != kWhitePixel ? 1 : 0;
    return count;
}

TEST(HiddenLines, OneTriangleHidesTheExactStretchBehindIt)
{
    // The triangle's nearness grows with x: 0 at x = 0, 10 at x = 100.
    const SurfaceOcclusion surface(
        {{DepthPoint{0, 0, 0.0}, DepthPoint{100, 0, 10.0}, DepthPoint{0, 100, 0.0}}});
    const auto hiddenOf = [&surface](double nearness) {
        std::vector<SegmentSpan> hidden;
        surface.appendHidden({-50, 20, nearness}, {150, 20, nearness}, 3, hidden);
        return hidden;
    };
    // The line crosses the triangle from x = 0 to x = 80 (s 0.25 to 0.65);
    // far behind it all of that is hidden, at nearness 5 only from x = 50.
    const std::vector<SegmentSpan> behind = hiddenOf(-1.0);
    ASSERT_EQ(behind.size(), 1u);
    EXPECT_EQ(behind[0].segment, 3);
    EXPECT_NEAR(behind[0].from, 0.25, 1e-5);
    EXPECT_NEAR(behind[0].to, 0.65, 1e-5);
    const std::vector<SegmentSpan> half = hiddenOf(5.0);
    ASSERT_EQ(half.size(), 1u);
    EXPECT_NEAR(half[0].from, 0.5, 1e-4); // the depth tolerance
    EXPECT_NEAR(half[0].to, 0.65, 1e-5);
    EXPECT_TRUE(hiddenOf(20.0).empty());
}

TEST(HiddenLines, ShortcutsKeepTheExactStretches)
{
    // One near triangle over a field of far ones, so the cells are small
    // against it and its list reaches far triangles too.
    std::vector<SurfaceOcclusion::Triangle> triangles
        = {{DepthPoint{0, 0, 10.0}, DepthPoint{200, 0, 10.0}, DepthPoint{0, 200, 10.0}}};
    for (int y = 0; y < 200; y += 10)
        for (int x = 0; x < 200; x += 10)
            triangles.push_back({DepthPoint{float(x), float(y), 0.0},
                                 DepthPoint{float(x + 10), float(y), 0.0},
                                 DepthPoint{float(x), float(y + 10), 0.0}});
    triangles.push_back({DepthPoint{300, 40, 10.0}, DepthPoint{340, 40, 10.0}, DepthPoint{300, 80, 10.0}});
    const SurfaceOcclusion surface(triangles);
    const auto hiddenOf = [&surface](DepthPoint a, DepthPoint b) {
        std::vector<SegmentSpan> hidden;
        surface.appendHidden(a, b, 0, hidden);
        return hidden;
    };
    // A steep line through many cells, hidden where it is inside the near
    // triangle: from y = 0 (s 0.05) to x = 0 (s 0.5; 1e-3 pixels inside is
    // 2.5e-5 of s there).
    const std::vector<SegmentSpan> steep = hiddenOf({20, -20, 5.0}, {-20, 380, 5.0});
    ASSERT_EQ(steep.size(), 1u);
    EXPECT_NEAR(steep[0].from, 0.05, 1e-5);
    EXPECT_NEAR(steep[0].to, 0.5, 3e-5);
    // A shallow one: from x = 0 (s 0.05) to x + y = 200 (s 200 / 440), and
    // across the small near triangle far right, from x = 300 to 325.45.
    const std::vector<SegmentSpan> shallow = hiddenOf({-20, 20, 5.0}, {380, 60, 5.0});
    ASSERT_EQ(shallow.size(), 2u);
    EXPECT_NEAR(shallow[0].from, 0.05, 1e-5);
    EXPECT_NEAR(shallow[0].to, 200.0 / 440.0, 1e-5);
    EXPECT_NEAR(shallow[1].from, 0.8, 1e-5);
    EXPECT_NEAR(shallow[1].to, (358.0 / 1.1 + 20) / 400, 1e-5);
    // A point behind it is hidden whole; a line on its edge or touching a
    // corner is not.
    EXPECT_EQ(hiddenOf({50, 50, 5.0}, {50, 50, 5.0}), (std::vector<SegmentSpan>{{0, 0.0f, 1.0f}}));
    EXPECT_TRUE(hiddenOf({0, 20, 5.0}, {0, 150, 5.0}).empty());
    EXPECT_TRUE(hiddenOf({200, 0, 5.0}, {300, -50, 5.0}).empty());
    // Wholly hidden by the near triangle, whatever the far ones add.
    EXPECT_EQ(hiddenOf({10, 10, -1.0}, {150, 30, -1.0}), (std::vector<SegmentSpan>{{0, 0.0f, 1.0f}}));
}

TEST(HiddenLines, DrawsOnlyTheGivenStretchesOfTheWholeLine)
{
    PixelBuffer image;
    image.reset(12, 1, kWhitePixel);
    ruvex::win::ImageDeviceContext dc;
    dc.attach(&image);
    dc.moveTo(0, 0);
    const ruvex::win::LineStretch stretches[] = {{0.0f, 0.2f}, {0.5f, 0.7f}};
    dc.lineToStretches(10, 0, stretches);
    std::string painted;
    for (int x = 0; x < 12; ++x)
        painted += image.pixel(x, 0) == kWhitePixel ? '.' : '#';
    EXPECT_EQ(painted, "###..###....");
}

TEST(HiddenLines, ClosedSolidDashesItsBackHalfOnTheSolidLines)
{
    const Session opened({0, 120.0f, 60.0f, false, 150, 10, {}});
    const Form1Model& view = opened.model();
    const auto [total, hidden] = shownAndHiddenLength(linesOf(view, {true, false}));
    // About the back half of a sphere's lines lies behind it.
    EXPECT_GT(hidden / total, 0.35);
    EXPECT_LT(hidden / total, 0.6);

    const Drawn dashed(view, {true, false});
    const PixelBuffer& solid = view.area().Image();
    for (int y = 0; y < solid.height(); ++y) {
        for (int x = 0; x < solid.width(); ++x) {
            if (dashed.image().pixel(x, y) != kWhitePixel) {
                ASSERT_NE(solid.pixel(x, y), kWhitePixel) << x << "," << y;
            }
        }
    }

    // Each polyline alone (lines cross, so the whole picture would count
    // shared pixels once): the dashes drop about half of the hidden length.
    double dropped = 0.0;
    for (const WireframePolyline& line : linesOf(view, {true, false})) {
        WireframePolyline plain = line;
        plain.hidden.clear();
        dropped += darkPixels(linesDrawnLarger({plain}, 396, 396, 1))
            - darkPixels(linesDrawnLarger({line}, 396, 396, 1));
    }
    // A slanting line has fewer pixels than its length: down to 1 / sqrt(2).
    EXPECT_GT(dropped / hidden, 0.5 / std::sqrt(2.0) - 0.05);
    EXPECT_LT(dropped / hidden, 0.55);
}

TEST(HiddenLines, OpenSurfaceShowsItsInsideSolid)
{
    // The half sphere (a dome over z >= 0) looked at straight into its open
    // side: the eye sees the inside, and nothing lies in front of any line.
    // Seen slantwise from the dome's side, the dome hides its far side.
    const auto hiddenShare = [](float x, float y) {
        const Session opened({5, x, y, false, 150, 10, {}});
        const Form1Model& view = opened.model();
        const auto [total, hidden] = shownAndHiddenLength(linesOf(view, {true, false}));
        return hidden / total;
    };
    EXPECT_EQ(hiddenShare(228.0f, 99.0f), 0.0);
    EXPECT_GT(hiddenShare(198.0f, 270.0f), 0.03);
}

// Red pixels more than 2 pixels from every axis line, counted by the axis
// end they lie nearest to; one farther than 16 pixels from every end fails.
std::array<int, 3> letterPixelsByEnd(const PixelBuffer& image, const ViewProjection& projection, float reach)
{
    const ProjectedPoint ends[]
        = {projection.project(reach, 0, 0), projection.project(0, reach, 0), projection.project(0, 0, reach)};
    const ProjectedPoint starts[] = {projection.project(-reach, 0, 0), projection.project(0, -reach, 0),
                                     projection.project(0, 0, -reach)};
    const auto distanceToLine = [](float x, float y, const ProjectedPoint& a, const ProjectedPoint& b) {
        const float dx = b.x - a.x, dy = b.y - a.y;
        const float t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
        return std::hypot(x - a.x - t * dx, y - a.y - t * dy);
    };
    const auto distanceToEnd
        = [&ends](float x, float y, int axis) { return std::hypot(x - ends[axis].x, y - ends[axis].y); };
    std::array<int, 3> counts{};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
            if (image.pixel(x, y) != kAxisPixel || distanceToLine(fx, fy, starts[0], ends[0]) < 2
                || distanceToLine(fx, fy, starts[1], ends[1]) < 2
                || distanceToLine(fx, fy, starts[2], ends[2]) < 2)
                continue;
            int nearest = 0;
            for (int axis = 1; axis < 3; ++axis)
                nearest = distanceToEnd(fx, fy, axis) < distanceToEnd(fx, fy, nearest) ? axis : nearest;
            EXPECT_LT(distanceToEnd(fx, fy, nearest), 16.0f) << x << "," << y;
            ++counts[static_cast<std::size_t>(nearest)];
        }
    }
    return counts;
}

TEST(CoordinateAxes, LieUnderTheWireframeWithLettersAtTheirEnds)
{
    const Session opened({3, 120.0f, 60.0f, false, 150, 10, {}});
    const Form1Model& view = opened.model();
    const Drawn withAxes(view, {false, true});
    const PixelBuffer& plain = view.area().Image();
    int axisPixels = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const std::uint32_t pixel = withAxes.image().pixel(x, y);
            if (plain.pixel(x, y) != kWhitePixel)
                ASSERT_EQ(pixel, plain.pixel(x, y)) << x << "," << y;
            else
                axisPixels += pixel == kAxisPixel ? 1 : 0;
        }
    }
    EXPECT_GT(axisPixels, 300);

    // Away from the three axis lines, red is only the letters, each near its
    // axis's projected positive end.
    const ViewProjection projection(projectionSettings(view.area(), view.viewState()), 120.0f, 60.0f);
    const std::array<int, 3> letterPixels
        = letterPixelsByEnd(withAxes.image(), projection, kAxisReach * view.viewState().ShapeSize);
    for (const int count : letterPixels)
        EXPECT_GE(count, 6);
}

TEST(CoordinateAxes, DashedWhereTheSolidHidesThem)
{
    // The axes run through the sphere's inside, behind its front half: at
    // least their 2 of 2.6 sizes within it, at most the stub behind it too.
    const Session opened({0, 120.0f, 60.0f, false, 150, 10, {}});
    const Form1Model& view = opened.model();
    const std::vector<WireframePolyline> lines = linesOf(view, {true, true});
    ASSERT_EQ(lines.front().pen, WireframePen::Axis);
    const auto [total, hidden] = shownAndHiddenLength({lines.begin(), lines.begin() + 3});
    EXPECT_GT(hidden / total, 2.0 / 2.6 - 0.01);
    EXPECT_LT(hidden / total, 2.3 / 2.6 + 0.01);
    const std::string svg = svgPicture(lines, 396, 396, "Bola");
    EXPECT_NE(svg.find("stroke=\"#d20000\""), std::string::npos);
    EXPECT_LT(svg.find("#d20000"), svg.find("#000000"));
    EXPECT_NE(svg.find("stroke-dasharray=\"4 4\""), std::string::npos);
}

TEST(PictureOptions, OffGivesTodaysPicturesAndOnScalesTheDashes)
{
    const Session opened({6, 300.0f, 250.0f, true, 250, 10, {}});
    const Form1Model& view = opened.model();
    const std::vector<WireframePolyline> lines = linesOf(view, {});
    // Off: the same polylines as with back lines dashed, with nothing dashed.
    const std::vector<WireframePolyline> dashed = linesOf(view, {true, false});
    std::vector<WireframePolyline> solid = dashed;
    for (WireframePolyline& line : solid)
        line.hidden.clear();
    EXPECT_TRUE(svgPicture(lines, 396, 396, "Tabung") == svgPicture(solid, 396, 396, "Tabung"));

    // At scale 4 the dashes are four times as long: the share of the hidden
    // length they keep stays the same.
    const double plainOne = darkPixels(view.area().Image());
    const double plainFour = darkPixels(linesDrawnLarger(lines, 396, 396, 4));
    const double keptOne = darkPixels(Drawn(view, {true, false}).image()) / plainOne;
    const double keptFour = darkPixels(linesDrawnLarger(dashed, 396, 396, 4)) / plainFour;
    EXPECT_LT(keptOne, 0.98);
    EXPECT_NEAR(keptFour, keptOne, 0.02);
}

} // namespace
