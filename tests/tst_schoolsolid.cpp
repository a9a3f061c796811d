// The school solids ("Ukuran Bangun") against their closed forms: the closed
// solid, its net lying flat, the unfolding between them (continuous, every
// face keeping its lengths) and the marked parts; and the pictures carrying
// the marks in red.

#include "export/pngfile.h"
#include "export/svgpicture.h"
#include "platform/colours.h"
#include "surface/schoolsolidshape.h"
#include "surface/startup.h"
#include "view/picturelines.h"
#include "view/scaledwireframe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNear = 1e-9;

double distance(const WorldPoint& a, const WorldPoint& b)
{
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

WorldPoint middleOf(const WorldPoint& a, const WorldPoint& b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

SchoolSolidShape shapeOf(std::int32_t index, int r, int t, int percent)
{
    return schoolSolidShape({index, r, t, percent});
}

// Copies: the tests ask shapes made on the spot.
SolidPatch faceOf(const SchoolSolidShape& shape, SolidFace face)
{
    for (const SolidPatch& patch : shape.patches)
        if (patch.face == face)
            return patch;
    throw std::runtime_error("no such face");
}

SolidMark markOf(const SchoolSolidShape& shape, std::string_view label)
{
    for (const SolidMark& mark : shape.marks)
        if (mark.label == label)
            return mark;
    throw std::runtime_error("no such mark");
}

bool hasMark(const SchoolSolidShape& shape, std::string_view label)
{
    return std::any_of(shape.marks.begin(), shape.marks.end(),
                       [label](const SolidMark& mark) { return mark.label == label; });
}

double polylineLength(const std::vector<WorldPoint>& points)
{
    double length = 0.0;
    for (std::size_t n = 1; n < points.size(); ++n)
        length += distance(points[n - 1], points[n]);
    return length;
}

// A disc's centre (row 0) and every rim point (row 1) at distance r from it.
void expectDisc(const SolidPatch& disc, double r)
{
    for (int col = 0; col < disc.cols; ++col) {
        EXPECT_NEAR(distance(disc.at(col, 0), disc.at(0, 0)), 0.0, kNear);
        EXPECT_NEAR(distance(disc.at(col, 1), disc.at(0, 0)), r, kNear);
    }
}

void expectFlat(const SchoolSolidShape& shape)
{
    for (const SolidPatch& patch : shape.patches)
        for (const WorldPoint& point : patch.points)
            EXPECT_NEAR(point.z, 0.0, kNear);
}

// The length of a row that lies on a circle: the arcs between its points on
// the circle through each three in a row (the chords where they lie straight).
double arcLength(const SolidPatch& patch, int row)
{
    double length = 0.0;
    for (int col = 1; col + 1 < patch.cols; col += 2) {
        const WorldPoint &a = patch.at(col - 1, row), &b = patch.at(col, row), &c = patch.at(col + 1, row);
        const double ab = distance(a, b), bc = distance(b, c), ca = distance(c, a);
        const double s = (ab + bc + ca) / 2;
        const double area = std::sqrt(std::max(0.0, s * (s - ab) * (s - bc) * (s - ca)));
        if (area < 1e-9 * ab * bc) {
            length += ab + bc;
            continue;
        }
        const double radius = ab * bc * ca / (4 * area);
        length += 2 * radius
            * (std::asin(std::min(1.0, ab / (2 * radius))) + std::asin(std::min(1.0, bc / (2 * radius))));
    }
    return length;
}

TEST(SchoolSolid, ClosedSolidsStandOnTheFloorWithTheirSizes)
{
    const int r = 7, t = 10;
    const SchoolSolidShape tabung = shapeOf(kSchoolTabung, r, t, 0);
    for (const WorldPoint& p : faceOf(tabung, SolidFace::Selimut).points) {
        EXPECT_NEAR(std::hypot(p.x, p.y), r, kNear);
        EXPECT_TRUE(p.z > -kNear && p.z < t + kNear);
    }
    const SolidPatch& alas = faceOf(tabung, SolidFace::Alas);
    const SolidPatch& tutup = faceOf(tabung, SolidFace::Tutup);
    expectDisc(alas, r);
    expectDisc(tutup, r);
    EXPECT_NEAR(distance(alas.at(0, 0), {0, 0, 0}), 0.0, kNear);
    EXPECT_NEAR(distance(tutup.at(0, 0), {0, 0, t}), 0.0, kNear);

    const SchoolSolidShape kerucut = shapeOf(kSchoolKerucut, 3, 4, 0);
    const SolidPatch& side = faceOf(kerucut, SolidFace::Selimut);
    EXPECT_NEAR(distance(side.at(5, 0), {0, 0, 4}), 0.0, kNear);
    for (const WorldPoint& p : side.points)
        EXPECT_NEAR(std::hypot(p.x, p.y), 3.0 * (1.0 - p.z / 4.0), kNear);
    expectDisc(faceOf(kerucut, SolidFace::Alas), 3.0);
    EXPECT_NEAR(faceOf(kerucut, SolidFace::Alas).at(0, 0).z, 0.0, kNear);

    for (const WorldPoint& p : faceOf(shapeOf(kSchoolBola, 5, 1, 0), SolidFace::Bola).points)
        EXPECT_NEAR(distance(p, {0, 0, 5}), 5.0, kNear);
    const SchoolSolidShape half = shapeOf(kSchoolSetengahBola, 5, 1, 0);
    for (const WorldPoint& p : faceOf(half, SolidFace::Bola).points) {
        EXPECT_NEAR(distance(p, {0, 0, 0}), 5.0, kNear);
        EXPECT_GT(p.z, -kNear);
    }
    expectDisc(faceOf(half, SolidFace::Alas), 5.0);
    // No net for the bola: a share changes nothing.
    const SolidPatch& opened = faceOf(shapeOf(kSchoolBola, 5, 1, 60), SolidFace::Bola);
    const SolidPatch& closed = faceOf(shapeOf(kSchoolBola, 5, 1, 0), SolidFace::Bola);
    for (std::size_t n = 0; n < closed.points.size(); ++n)
        EXPECT_EQ(distance(opened.points[n], closed.points[n]), 0.0);
    EXPECT_TRUE(shapeOf(1, 5, 5, 0).patches.empty());
}

TEST(SchoolSolid, TabungNetIsARectangleWithTheCirclesOnItsLongSides)
{
    for (const auto& [r, t] : {std::pair{7, 10}, std::pair{2, 30}}) {
        const SchoolSolidShape net = shapeOf(kSchoolTabung, r, t, 100);
        expectFlat(net);
        const SolidPatch& side = faceOf(net, SolidFace::Selimut);
        const WorldPoint a = side.at(0, 0), b = side.at(side.cols - 1, 0);
        const WorldPoint c = side.at(side.cols - 1, side.rows - 1), d = side.at(0, side.rows - 1);
        EXPECT_NEAR(distance(a, b), 2 * kPi * r, 1e-9);
        EXPECT_NEAR(distance(d, c), 2 * kPi * r, 1e-9);
        EXPECT_NEAR(distance(a, d), t, 1e-9);
        EXPECT_NEAR(distance(a, c), std::hypot(2 * kPi * r, t), 1e-9);
        // Every circle touches the middle of its own long side from outside.
        const WorldPoint alasCentre = faceOf(net, SolidFace::Alas).at(0, 0);
        const WorldPoint tutupCentre = faceOf(net, SolidFace::Tutup).at(0, 0);
        EXPECT_NEAR(distance(alasCentre, middleOf(a, b)), r, 1e-9);
        EXPECT_NEAR(distance(tutupCentre, middleOf(d, c)), r, 1e-9);
        EXPECT_NEAR(distance(alasCentre, tutupCentre), t + 2 * r, 1e-9);
        expectDisc(faceOf(net, SolidFace::Alas), r);
        expectDisc(faceOf(net, SolidFace::Tutup), r);
    }
}

TEST(SchoolSolid, KerucutNetIsASectorWithTheAlasOnItsArc)
{
    for (const auto& [r, t] : {std::pair{3, 4}, std::pair{7, 10}, std::pair{10, 1}}) {
        const double s = std::hypot(r, t);
        const SchoolSolidShape net = shapeOf(kSchoolKerucut, r, t, 100);
        expectFlat(net);
        const SolidPatch& side = faceOf(net, SolidFace::Selimut);
        const WorldPoint apex = side.at(0, 0);
        const int rim = side.rows - 1;
        for (int col = 0; col < side.cols; ++col)
            EXPECT_NEAR(distance(side.at(col, rim), apex), s, 1e-9);
        const WorldPoint first = side.at(0, rim), last = side.at(side.cols - 1, rim);
        // Between its straight sides 360 r / s degrees (seen the short way round).
        const double cosine
            = ((first.x - apex.x) * (last.x - apex.x) + (first.y - apex.y) * (last.y - apex.y)) / (s * s);
        const double sector = 360.0 * r / s;
        EXPECT_NEAR(std::acos(cosine) * 180 / kPi, std::min(sector, 360.0 - sector), 1e-6);
        EXPECT_NEAR(arcLength(side, rim), 2 * kPi * r, 1e-6 * r);
        // The alas touches the arc's middle, on the line from the apex.
        const WorldPoint centre = faceOf(net, SolidFace::Alas).at(0, 0);
        const WorldPoint arcMiddle = side.at(side.cols / 2, rim);
        EXPECT_NEAR(distance(centre, apex), s + r, 1e-9);
        EXPECT_NEAR(distance(centre, arcMiddle), r, 1e-9);
        expectDisc(faceOf(net, SolidFace::Alas), r);
    }
}

TEST(SchoolSolid, UnfoldingIsContinuousAndKeepsEveryFacesLengths)
{
    for (const std::int32_t index : {kSchoolTabung, kSchoolKerucut}) {
        const int r = 7, t = 10;
        const double s = std::hypot(r, t);
        for (int percent = 1; percent <= 100; ++percent) {
            const SchoolSolidShape before = shapeOf(index, r, t, percent - 1);
            const SchoolSolidShape shape = shapeOf(index, r, t, percent);
            for (std::size_t face = 0; face < shape.patches.size(); ++face)
                for (std::size_t n = 0; n < shape.patches[face].points.size(); ++n)
                    ASSERT_LT(distance(shape.patches[face].points[n], before.patches[face].points[n]),
                              0.1 * s)
                        << index << " at " << percent << " %";
            const SolidPatch& side = faceOf(shape, SolidFace::Selimut);
            const int last = side.rows - 1;
            // Side lines keep their length; the rim its length 2 pi r.
            for (int col = 0; col < side.cols; ++col)
                EXPECT_NEAR(distance(side.at(col, 0), side.at(col, last)), index == kSchoolTabung ? t : s,
                            1e-9);
            EXPECT_NEAR(arcLength(side, last), 2 * kPi * r, 1e-6 * r) << index << " at " << percent << " %";
            // The alas turns as one piece and stays touching the selimut.
            const SolidPatch& alas = faceOf(shape, SolidFace::Alas);
            expectDisc(alas, r);
            EXPECT_NEAR(distance(alas.at(1, 1), alas.at(7, 1)), 2 * r * std::sin(kPi / 4), 1e-9);
            const WorldPoint touch
                = index == kSchoolTabung ? side.at(side.cols / 2, 0) : side.at(side.cols / 2, last);
            EXPECT_NEAR(distance(alas.at(side.cols / 2, 1), touch), 0.0, 1e-9);
        }
    }
}

TEST(SchoolSolid, MarksLieOnTheSolidsParts)
{
    const SchoolSolidShape tabung = shapeOf(kSchoolTabung, 7, 10, 0);
    const SolidMark& r = markOf(tabung, "r");
    EXPECT_NEAR(distance(r.points.front(), {0, 0, 0}), 0.0, kNear);
    EXPECT_NEAR(distance(r.points.back(), {0, 0, 0}), 7.0, kNear);
    EXPECT_NEAR(r.points.back().z, 0.0, kNear);
    const SolidMark& t = markOf(tabung, "t");
    EXPECT_NEAR(distance(t.points.front(), {0, 0, 0}), 0.0, kNear);
    EXPECT_NEAR(distance(t.points.back(), {0, 0, 10}), 0.0, kNear);
    EXPECT_FALSE(hasMark(tabung, "2πr"));

    const SchoolSolidShape kerucut = shapeOf(kSchoolKerucut, 3, 4, 0);
    EXPECT_NEAR(distance(markOf(kerucut, "t").points.back(), {0, 0, 4}), 0.0, kNear);
    const SolidMark& s = markOf(kerucut, "s");
    EXPECT_NEAR(distance(s.points.front(), {0, 0, 4}), 0.0, kNear);
    EXPECT_NEAR(std::hypot(s.points.back().x, s.points.back().y), 3.0, kNear);
    EXPECT_NEAR(s.points.back().z, 0.0, kNear);

    const SolidMark& bolaR = markOf(shapeOf(kSchoolBola, 5, 1, 0), "r");
    EXPECT_NEAR(distance(bolaR.points.front(), {0, 0, 5}), 0.0, kNear);
    EXPECT_NEAR(distance(bolaR.points.front(), bolaR.points.back()), 5.0, kNear);
}

TEST(SchoolSolid, MarksOnTheNetsAndMovingWithTheirFaces)
{
    const SchoolSolidShape tabungNet = shapeOf(kSchoolTabung, 7, 10, 100);
    const SolidPatch& side = faceOf(tabungNet, SolidFace::Selimut);
    const SolidMark& netT = markOf(tabungNet, "t");
    EXPECT_NEAR(distance(netT.points.front(), side.at(side.cols - 1, 0)), 0.0, 1e-9);
    EXPECT_NEAR(distance(netT.points.back(), side.at(side.cols - 1, side.rows - 1)), 0.0, 1e-9);
    EXPECT_NEAR(distance(markOf(tabungNet, "2πr").points.front(), side.at(0, side.rows - 1)), 0.0, 1e-9);
    EXPECT_NEAR(polylineLength(markOf(tabungNet, "2πr").points), 2 * kPi * 7, 1e-9);
    const SchoolSolidShape kerucutNet = shapeOf(kSchoolKerucut, 3, 4, 100);
    const SolidPatch& sector = faceOf(kerucutNet, SolidFace::Selimut);
    EXPECT_NEAR(distance(markOf(kerucutNet, "s").points.front(), sector.at(0, 0)), 0.0, 1e-9);
    EXPECT_NEAR(distance(markOf(kerucutNet, "s").points.back(), sector.at(sector.cols - 1, sector.rows - 1)),
                0.0, 1e-9);
    EXPECT_FALSE(hasMark(kerucutNet, "t"));
    // The marks move with their faces: the alas' radius stays on the alas.
    for (int percent : {20, 50, 80}) {
        const SchoolSolidShape shape = shapeOf(kSchoolKerucut, 3, 4, percent);
        EXPECT_NEAR(distance(markOf(shape, "r").points.front(), faceOf(shape, SolidFace::Alas).at(0, 0)), 0.0,
                    1e-9);
        EXPECT_NEAR(distance(markOf(shape, "r").points.back(), faceOf(shape, SolidFace::Alas).at(18, 1)), 0.0,
                    1e-9);
    }
}

// The drawing area of the start view, turned so the solids are seen from
// above and aside.
struct View {
    ViewState state = startupViewState();
    ProjectionSettings settings{396, 396, 400, 400, 0, StartupDefaults::kPerspectiveDistance};
    View()
    {
        state.MouseX = 150.0f;
        state.MouseY = 30.0f;
    }
    std::vector<WireframePolyline> lines(const PictureOptions& options) const
    {
        return makePictureLines(PointGrid{}, state, settings, options);
    }
};

int pixelsOf(const PixelBuffer& picture, std::uint32_t pixel)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == pixel ? 1 : 0;
    return count;
}

// Set RUVEX_SCHOOL_PICTURES to a folder to look at the pictures.
void keepToLookAt(const std::vector<WireframePolyline>& lines, const std::string& name)
{
    const char* folder = std::getenv("RUVEX_SCHOOL_PICTURES");
    if (!folder)
        return;
    const std::vector<std::uint8_t> bytes
        = pngFileBytes(linesDrawnLarger(lines, 400, 400, 1), pngPixelsPerMetre(1));
    std::ofstream(std::string(folder) + "/" + name + ".png", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(SchoolSolidPicture, CarriesRedMarksWithLabelsInEveryPicture)
{
    const View view;
    const std::uint32_t red = ruvex::win::pixelOf(ruvex::win::kMarkRed);
    for (const auto& [index, percent] :
         {std::pair{kSchoolKerucut, 0}, std::pair{kSchoolKerucut, 50}, std::pair{kSchoolKerucut, 100},
          std::pair{kSchoolTabung, 50}, std::pair{kSchoolTabung, 100}, std::pair{kSchoolSetengahBola, 0}}) {
        const std::vector<WireframePolyline> lines
            = view.lines({true, true, std::nullopt, SchoolSolid{index, 7, 10, percent}});
        keepToLookAt(lines, "school-" + std::to_string(index) + "-" + std::to_string(percent));
        const PixelBuffer picture = linesDrawnLarger(lines, 400, 400, 1);
        EXPECT_GT(pixelsOf(picture, red), 40) << index << " at " << percent << " %";
        EXPECT_GT(pixelsOf(picture, ruvex::win::pixelOf(ruvex::win::kBlack)), 1000);
        // Labels stand at least 9 pixels tall.
        const std::string svg = svgPicture(lines, 400, 400, "");
        EXPECT_NE(svg.find("stroke=\"#ff0000\" stroke-width=\"2\""), std::string::npos);
        for (const WireframePolyline& line : lines) {
            if (line.pen != WireframePen::SchoolMark || line.points.size() != 2
                || line.points[0].x != line.points[1].x)
                continue;
            // The r's stem, or an upright mark.
            EXPECT_GE(std::abs(line.points[1].y - line.points[0].y), 9.0f);
        }
    }
    // The net of a bigger solid is fitted into the same picture.
    for (const WireframePolyline& line :
         view.lines({false, false, std::nullopt, SchoolSolid{kSchoolTabung, 50, 100, 100}}))
        for (const ScreenPoint& p : line.points)
            EXPECT_TRUE(p.x > 0 && p.x < 400 && p.y > 0 && p.y < 400);
}

} // namespace
