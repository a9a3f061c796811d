// "Layar Penuh" and the teaching aids: the full-screen picture, the redraws
// with dashed back lines and the axes, a plane section or the lesson's
// kerucut unfolding ("Ukuran Bangun"), and the plain
// reference frame at full-screen size (the overview is ruvex3d_bench.cpp's).

#include "platform/picturebox.h"
#include "surface/schoolsolid.h"
#include "surface/shapecatalogue.h"
#include "view/picturelines.h"
#include "view/presentationpicture.h"
#include "view/projection.h"
#include "view/scaledwireframe.h"

#include "benchcases.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using reference::plainLine;
using reference::Segment;
using reference::segmentsOf;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

// The full-screen picture of the view above, as each pointer move or tick
// redraws it while "Layar Penuh" is open.
void BM_PresentationRedraw(benchmark::State& bench)
{
    BenchScene scene;
    PresentationPicture picture;
    picture.resize(kScreenWidth, kScreenHeight, 396, 396);
    for (auto _ : bench) {
        projectGridPoints(scene.grid, kBenchArea, kBenchViewX, kBenchViewY);
        picture.redraw(makePictureLines(scene.grid, scene.state, kBenchArea, {}));
        benchmark::DoNotOptimize(picture.takeChangedRect());
    }
}
BENCHMARK(BM_PresentationRedraw)->Unit(benchmark::kMicrosecond);

// The same two pictures with dashed back lines and the axes.
void BM_DashedRedraw(benchmark::State& bench)
{
    BenchScene scene;
    scene.lookAtView();
    for (auto _ : bench) {
        scene.redraw(kBenchAids);
        benchmark::DoNotOptimize(scene.box.Image().bits());
    }
}
BENCHMARK(BM_DashedRedraw)->Unit(benchmark::kMicrosecond);

void BM_DashedPresentation(benchmark::State& bench)
{
    BenchScene scene;
    scene.lookAtView();
    PresentationPicture picture;
    picture.resize(kScreenWidth, kScreenHeight, 396, 396);
    for (auto _ : bench) {
        projectGridPoints(scene.grid, kBenchArea, kBenchViewX, kBenchViewY);
        picture.redraw(makePictureLines(scene.grid, scene.state, kBenchArea, kBenchAids));
        benchmark::DoNotOptimize(picture.takeChangedRect());
    }
}
BENCHMARK(BM_DashedPresentation)->Unit(benchmark::kMicrosecond);

// A tick with "Layar Penuh" open, as the window runs it: the lines made
// once, drawn into the drawing area and then onto the full screen. Every
// tick is a new view.
void BM_DashedTickWithFullScreen(benchmark::State& bench)
{
    BenchScene scene;
    PictureLinesMemo memo;
    PresentationPicture picture;
    picture.resize(kScreenWidth, kScreenHeight, 396, 396);
    for (auto _ : bench) {
        scene.turnToNextView();
        const std::vector<WireframePolyline>& lines
            = memo.lines(scene.grid, scene.state, projectionSettings(scene.box, scene.state), kBenchAids);
        redrawArea(lines, scene.box);
        picture.redraw(lines);
        benchmark::DoNotOptimize(picture.takeChangedRect());
    }
}
BENCHMARK(BM_DashedTickWithFullScreen)->Unit(benchmark::kMicrosecond);

// "Irisan Bidang": a redraw at a new view each time, as the window's redraw
// road makes it (the lines' memory, then the drawing), without a section
// (0) and with the cone's section by the plane at 45 degrees (1), whose
// curve is worked out once for the shape and plane; and the full screen
// with that section.
PictureOptions sectionOptions(bool shown)
{
    PictureOptions options;
    if (shown)
        options.section = SectionView{{45, 30}, true};
    return options;
}

// A teaching aid's picture options, off or on.
using AidOptions = PictureOptions (*)(bool shown);

// The cone (the catalogue's, or the lesson's when the options ask for it)
// redrawn at a new view each time: on the drawing area with the aid off (0)
// and on (1), or on the full screen with it on.
void coneRedraws(benchmark::State& bench, AidOptions aid)
{
    const PictureOptions options = aid(bench.range(0) == 1);
    BenchScene scene;
    scene.state.ShapeIndex = 3;
    fillShapePoints(scene.grid, scene.state);
    PictureLinesMemo memo;
    for (auto _ : bench) {
        scene.turnToNextView();
        redrawArea(memo.lines(scene.grid, scene.state, projectionSettings(scene.box, scene.state), options),
                   scene.box);
        benchmark::DoNotOptimize(scene.box.Image().bits());
    }
}

void conePresentations(benchmark::State& bench, AidOptions aid)
{
    const PictureOptions options = aid(true);
    BenchScene scene;
    scene.state.ShapeIndex = 3;
    fillShapePoints(scene.grid, scene.state);
    PictureLinesMemo memo;
    PresentationPicture picture;
    picture.resize(kScreenWidth, kScreenHeight, 396, 396);
    for (auto _ : bench) {
        scene.turnToNextView();
        picture.redraw(
            memo.lines(scene.grid, scene.state, projectionSettings(scene.box, scene.state), options));
        benchmark::DoNotOptimize(picture.takeChangedRect());
    }
}

// "Ukuran Bangun": the same road with the kerucut of the lesson unfolding, at
// 50 % of its net (1), against the catalogue's kerucut without it (0); and
// the full screen with it.
PictureOptions schoolSolidOptions(bool shown)
{
    PictureOptions options;
    if (shown)
        options.schoolSolid = SchoolSolid{kSchoolKerucut, 7, 10, 50};
    return options;
}

// Each aid's runs: BM_<aid>Redraw/0 and /1, BM_<aid>Presentation.
[[maybe_unused]] const bool kAidRuns = [] {
    for (const auto& [aid, options] :
         {std::pair{"Section", &sectionOptions}, std::pair{"SchoolSolid", &schoolSolidOptions}}) {
        const std::string name = "BM_" + std::string(aid);
        benchmark::RegisterBenchmark((name + "Redraw").c_str(), coneRedraws, options)
            ->Arg(0)
            ->Arg(1)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + "Presentation").c_str(), conePresentations, options)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

// The reference at that size: a pen of width w paints a w x w square at each
// pixel of the line, end included, as the drawing calls do.
void plainSquareLine(std::uint32_t* pixels, int width, int height, const Segment& s)
{
    const int before = (s.pen - 1) / 2;
    Segment one = s;
    one.pen = 1;
    for (int dy = -before; dy < s.pen - before; ++dy) {
        for (int dx = -before; dx < s.pen - before; ++dx) {
            one.x0 = s.x0 + dx;
            one.y0 = s.y0 + dy;
            one.x1 = s.x1 + dx;
            one.y1 = s.y1 + dy;
            plainLine(pixels, width, height, one);
            if (one.x1 >= 0 && one.x1 < width && one.y1 >= 0 && one.y1 < height)
                pixels[one.y1 * width + one.x1] = s.color;
        }
    }
}

void BM_PresentationReference(benchmark::State& bench)
{
    BenchScene scene;
    projectGridPoints(scene.grid, kBenchArea, kBenchViewX, kBenchViewY);
    const PixelMapping mapping
        = PixelMapping::centred(kScreenHeight / 396.0, 396, 396, kScreenWidth, kScreenHeight);
    std::vector<Segment> segments = segmentsOf(scene.grid);
    for (Segment& s : segments)
        s = {mapping.mapX(s.x0),     mapping.mapY(s.y0), mapping.mapX(s.x1), mapping.mapY(s.y1), s.color,
             mapping.penWidth(s.pen)};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kScreenWidth) * kScreenHeight);
    for (auto _ : bench) {
        std::memset(pixels.data(), 0xFF, pixels.size() * sizeof(std::uint32_t));
        for (const Segment& s : segments)
            plainSquareLine(pixels.data(), kScreenWidth, kScreenHeight, s);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_PresentationReference)->Unit(benchmark::kMicrosecond);

} // namespace
