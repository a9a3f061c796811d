// The drawing area's redraw and its parts, the shapes, a plane section, the
// picture files, and the plain reference frame the redraw is read against
// (the overview is ruvex3d_bench.cpp's).

#include "export/picturefile.h"
#include "platform/picturebox.h"
#include "surface/animation.h"
#include "surface/planesection.h"
#include "surface/shapecatalogue.h"
#include "tests/windowsessionfixture.h"
#include "view/projection.h"
#include "view/scaledwireframe.h"

#include "benchcases.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

void BM_FullRedraw(benchmark::State& bench)
{
    BenchScene scene;
    for (auto _ : bench) {
        scene.redraw();
        benchmark::DoNotOptimize(scene.box.Image().bits());
    }
}
BENCHMARK(BM_FullRedraw);

// One animation tick: the sweep step, then the redraw it causes.
void BM_AnimationTick(benchmark::State& bench)
{
    BenchScene scene;
    scene.state.AnimStepX = 15.0f;
    for (auto _ : bench) {
        stepHorizontalSweep(scene.state);
        projectGridPoints(scene.grid, kBenchArea, scene.state.MouseX, scene.state.MouseY);
        redrawArea(scene.grid, scene.state, scene.box);
        benchmark::DoNotOptimize(scene.box.takeChangedRect());
    }
}
BENCHMARK(BM_AnimationTick);

// The parts of a redraw, to see where its time goes.
void BM_ProjectionOnly(benchmark::State& bench)
{
    BenchScene scene;
    float x = 0.0f;
    for (auto _ : bench) {
        projectGridPoints(scene.grid, kBenchArea, x, 120.0f);
        benchmark::DoNotOptimize(scene.grid.ScreenX.data());
        x += 15.0f;
    }
}
BENCHMARK(BM_ProjectionOnly);

void BM_ClearOnly(benchmark::State& bench)
{
    BenchScene scene;
    for (auto _ : bench) {
        scene.box.Cls();
        benchmark::DoNotOptimize(scene.box.Image().bits());
    }
}
BENCHMARK(BM_ClearOnly);

void BM_BuildShape(benchmark::State& bench)
{
    BenchScene scene;
    scene.state.ShapeIndex = static_cast<std::int32_t>(bench.range(0));
    for (auto _ : bench) {
        fillShapePoints(scene.grid, scene.state);
        benchmark::DoNotOptimize(scene.grid.WorldX.data());
    }
}
BENCHMARK(BM_BuildShape)->DenseRange(0, kShapeCount - 1);

// One plane section, from the plane to the named curve's points: 0, a conic
// (the cone's hyperbola, cut short by the cone's height); 1, a curve traced
// from its equation (the stretched ellipsoids at a tilt, the section with the
// most points).
void BM_PlaneSection(benchmark::State& bench)
{
    const bool traced = bench.range(0) == 1;
    const int shape = traced ? 1 : 3;
    const float aspect = traced ? 1.6f : 1.0f;
    const SectionPlane plane = traced ? SectionPlane{27, -10} : SectionPlane{60, 30};
    for (auto _ : bench)
        benchmark::DoNotOptimize(planeSection(shape, aspect, plane));
}
BENCHMARK(BM_PlaneSection)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One picture file of each type, from the view to the bytes (not the disk):
// what "Ekspor Gambar…" and the command line spend on the picture itself.
// The argument is the export type; -1 is the bitmap of "Save Gambar".
void BM_ExportFile(benchmark::State& bench)
{
    const Session opened(PictureSettings{3, 120.0f, 60.0f, false, 150, 10, {}});
    const Form1Model& view = opened.model();
    const PictureFileView picture{view.area().Image(), view.pictureLines(), 3};
    const auto type = bench.range(0);
    const PictureFormat format
        = type < 0 ? PictureFormat::Bitmap : kExportTypes[static_cast<std::size_t>(type)].format;
    const int scale = type < 0 ? 1 : kExportTypes[static_cast<std::size_t>(type)].scale;
    for (auto _ : bench)
        benchmark::DoNotOptimize(pictureFileBytes(picture, format, scale));
}
BENCHMARK(BM_ExportFile)->Arg(-1)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The reference: the same segments, drawn the plainest way.
void BM_ReferenceFrame(benchmark::State& bench)
{
    BenchScene scene;
    ReferenceFrame reference(scene);
    for (auto _ : bench) {
        reference.draw();
        benchmark::DoNotOptimize(reference.middlePixel());
    }
}
BENCHMARK(BM_ReferenceFrame);

} // namespace
