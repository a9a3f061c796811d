// How fast the picture is made: one full redraw (projection, clear and the
// 1275 line calls into the 396 x 396 persistent image), one build per shape,
// one animation tick, and a plain reference frame (memset clear plus a
// straightforward Bresenham into a 32-bit buffer, same segments) so the
// redraw's cost reads as a ratio from one run. The same pair at 1920 x 1080
// for "Layar Penuh" (reference: memset and square pens), and both pictures
// with dashed back lines and the axes. Before the benchmarks it reports the
// time to the first picture (offscreen platform) from main and from process
// start, after them the peak resident memory; the last two read /proc (Linux).

#include "export/picturefile.h"
#include "platform/picturebox.h"
#include "surface/animation.h"
#include "surface/planesection.h"
#include "surface/shapecatalogue.h"
#include "surface/startup.h"
#include "view/picturelines.h"
#include "view/presentationpicture.h"
#include "view/projection.h"
#include "view/viewpicture.h"
#include "view/wireframe.h"
#include "window/openedview.h"

#include "referenceframe.h"

#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/picturewidget.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef __linux__
#include <ctime>
#include <unistd.h>
#endif

namespace {

using reference::plainLine;
using reference::Segment;
using reference::segmentsOf;

constexpr ProjectionSettings kArea{396, 396, 400, 400, 0, StartupDefaults::kPerspectiveDistance};

struct Scene {
    PointGrid grid;
    ViewState state = startupViewState();
    PictureBox box{2};

    Scene()
    {
        grid.allocate(kGridSize, kGridSize);
        fillShapePoints(grid, state);
        box.setOuterSize(400, 400);
    }

    // A view other than the last, as a pointer moving to and fro makes it,
    // projected: the lines' memory cannot answer from the last view.
    void turnToNextView();
};

// The reference frame below draws the same view, so the two compare.
constexpr float kViewX = 0.0f;
constexpr float kViewY = 120.0f;

void Scene::turnToNextView()
{
    state.MouseX = state.MouseX == kViewX ? kViewX + 15.0f : kViewX;
    state.MouseY = kViewY;
    calculateScreenPoints(grid, kArea, state.MouseX, kViewY);
}

void BM_FullRedraw(benchmark::State& bench)
{
    Scene scene;
    for (auto _ : bench) {
        calculateScreenPoints(scene.grid, kArea, kViewX, kViewY);
        drawWireframe(scene.grid, scene.box, scene.state);
        benchmark::DoNotOptimize(scene.box.Image().bits());
    }
}
BENCHMARK(BM_FullRedraw);

// One animation tick: the sweep step, then the redraw it causes.
void BM_AnimationTick(benchmark::State& bench)
{
    Scene scene;
    scene.state.AnimStepX = 15.0f;
    for (auto _ : bench) {
        stepHorizontalSweep(scene.state);
        calculateScreenPoints(scene.grid, kArea, scene.state.MouseX, scene.state.MouseY);
        drawWireframe(scene.grid, scene.box, scene.state);
        benchmark::DoNotOptimize(scene.box.takeChangedRect());
    }
}
BENCHMARK(BM_AnimationTick);

// The parts of a redraw, to see where its time goes.
void BM_ProjectionOnly(benchmark::State& bench)
{
    Scene scene;
    float x = 0.0f;
    for (auto _ : bench) {
        calculateScreenPoints(scene.grid, kArea, x, 120.0f);
        benchmark::DoNotOptimize(scene.grid.ScreenX.data());
        x += 15.0f;
    }
}
BENCHMARK(BM_ProjectionOnly);

void BM_ClearOnly(benchmark::State& bench)
{
    Scene scene;
    for (auto _ : bench) {
        scene.box.Cls();
        benchmark::DoNotOptimize(scene.box.Image().bits());
    }
}
BENCHMARK(BM_ClearOnly);

void BM_BuildShape(benchmark::State& bench)
{
    Scene scene;
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
    const OpenedView opened(PictureSettings{3, 120.0f, 60.0f, false, 150, 10, {}});
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
    Scene scene;
    calculateScreenPoints(scene.grid, kArea, kViewX, kViewY);
    const std::vector<Segment> segments = segmentsOf(scene.grid);
    std::vector<std::uint32_t> pixels(396 * 396);
    for (auto _ : bench) {
        std::memset(pixels.data(), 0xFF, pixels.size() * sizeof(std::uint32_t));
        for (const Segment& s : segments)
            plainLine(pixels.data(), 396, 396, s);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_ReferenceFrame);

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

// The full-screen picture of the view above, as each pointer move or tick
// redraws it while "Layar Penuh" is open.
void BM_PresentationRedraw(benchmark::State& bench)
{
    Scene scene;
    PresentationPicture picture;
    picture.resize(kScreenWidth, kScreenHeight, 396, 396);
    for (auto _ : bench) {
        calculateScreenPoints(scene.grid, kArea, kViewX, kViewY);
        picture.redraw(picturePolylines(scene.grid, scene.state, kArea, {}));
        benchmark::DoNotOptimize(picture.takeChangedRect());
    }
}
BENCHMARK(BM_PresentationRedraw)->Unit(benchmark::kMicrosecond);

// The same two pictures with dashed back lines and the axes.
constexpr PictureOptions kAids{true, true};
void BM_DashedRedraw(benchmark::State& bench)
{
    Scene scene;
    scene.state.MouseY = kViewY; // MouseX is kViewX, 0
    for (auto _ : bench) {
        calculateScreenPoints(scene.grid, kArea, kViewX, kViewY);
        drawWireframe(scene.grid, scene.box, scene.state, kAids);
        benchmark::DoNotOptimize(scene.box.Image().bits());
    }
}
BENCHMARK(BM_DashedRedraw)->Unit(benchmark::kMicrosecond);

void BM_DashedPresentation(benchmark::State& bench)
{
    Scene scene;
    scene.state.MouseY = kViewY; // MouseX is kViewX, 0
    PresentationPicture picture;
    picture.resize(kScreenWidth, kScreenHeight, 396, 396);
    for (auto _ : bench) {
        calculateScreenPoints(scene.grid, kArea, kViewX, kViewY);
        picture.redraw(picturePolylines(scene.grid, scene.state, kArea, kAids));
        benchmark::DoNotOptimize(picture.takeChangedRect());
    }
}
BENCHMARK(BM_DashedPresentation)->Unit(benchmark::kMicrosecond);

// A tick with "Layar Penuh" open, as the window runs it: the lines made
// once, drawn into the drawing area and then onto the full screen. Every
// tick is a new view.
void BM_DashedTickWithFullScreen(benchmark::State& bench)
{
    Scene scene;
    ViewPolylinesMemo memo;
    PresentationPicture picture;
    picture.resize(kScreenWidth, kScreenHeight, 396, 396);
    for (auto _ : bench) {
        scene.turnToNextView();
        const std::vector<WireframePolyline>& lines = memo.lines(scene.grid, scene.state, scene.box, kAids);
        drawPictureLines(lines, scene.box);
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

void BM_SectionRedraw(benchmark::State& bench)
{
    Scene scene;
    scene.state.ShapeIndex = 3;
    fillShapePoints(scene.grid, scene.state);
    ViewPolylinesMemo memo;
    const PictureOptions options = sectionOptions(bench.range(0) == 1);
    for (auto _ : bench) {
        scene.turnToNextView();
        drawPictureLines(memo.lines(scene.grid, scene.state, scene.box, options), scene.box);
        benchmark::DoNotOptimize(scene.box.Image().bits());
    }
}
BENCHMARK(BM_SectionRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SectionPresentation(benchmark::State& bench)
{
    Scene scene;
    scene.state.ShapeIndex = 3;
    fillShapePoints(scene.grid, scene.state);
    ViewPolylinesMemo memo;
    PresentationPicture picture;
    picture.resize(kScreenWidth, kScreenHeight, 396, 396);
    for (auto _ : bench) {
        scene.turnToNextView();
        picture.redraw(memo.lines(scene.grid, scene.state, scene.box, sectionOptions(true)));
        benchmark::DoNotOptimize(picture.takeChangedRect());
    }
}
BENCHMARK(BM_SectionPresentation)->Unit(benchmark::kMicrosecond);

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
    Scene scene;
    calculateScreenPoints(scene.grid, kArea, kViewX, kViewY);
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

// Sees the drawing area's first paint: the first picture has reached the
// window.
class FirstPaintWatcher final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Creates, shows and paints the main window: what start-up costs once the
// application object exists.
void showFirstPicture()
{
    Form1 form;
    FirstPaintWatcher watcher;
    form.findChild<PictureWidget*>(QStringLiteral("picDisplay"))->installEventFilter(&watcher);
    form.show();
    while (!watcher.painted)
        QCoreApplication::processEvents();
}

void BM_WindowToFirstPicture(benchmark::State& bench)
{
    for (auto _ : bench)
        showFirstPicture();
}
BENCHMARK(BM_WindowToFirstPicture)->Unit(benchmark::kMillisecond);

// Milliseconds since this process was started by the system, read from its
// start time (in clock ticks since boot, so 10 ms steps) against the boot
// clock; -1 where that is not available.
double millisecondsSinceProcessStart()
{
#ifdef __linux__
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1.0;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which may hold spaces, start after ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 22 - 3;
    if (fields.size() <= kStartTimeField)
        return -1.0;
    const double startSeconds
        = fields[kStartTimeField].toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - startSeconds) * 1000.0;
#else
    return -1.0;
#endif
}

long peakResidentKiB()
{
#ifdef __linux__
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
#endif
    return -1;
}

// A figure, or a note that this system does not give it (negative).
// On standard error, so that a JSON report on standard output stays parseable.
void report(const char* what, double value, const char* unit)
{
    if (value < 0)
        std::fprintf(stderr, "%s: not measured on this system\n", what);
    else
        std::fprintf(stderr, "%s: %.0f %s\n", what, value, unit);
}

} // namespace

int main(int argc, char* argv[])
{
    const auto start = std::chrono::steady_clock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(msSansSerifFont());
    showFirstPicture();
    const std::chrono::duration<double, std::milli> startup = std::chrono::steady_clock::now() - start;
    std::fprintf(stderr, "start of main to first picture (offscreen): %.1f ms\n", startup.count());
    report("process start to first picture (offscreen, 10 ms steps)", millisecondsSinceProcessStart(), "ms");
    report("peak resident memory after start-up", static_cast<double>(peakResidentKiB()), "KiB");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    report("peak resident memory at the end", static_cast<double>(peakResidentKiB()), "KiB");
    return 0;
}
