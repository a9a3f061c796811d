// How fast the picture is made: one full redraw (projection, clear and the
// 1275 line calls into the 396 x 396 persistent image), one build per shape,
// one animation tick, and a plain reference frame (memset clear plus a
// straightforward Bresenham into a 32-bit buffer, same segments) so the
// redraw's cost reads as a ratio from one run. The same pair at 1920 x 1080
// for "Layar Penuh" (reference: memset and square pens), and both pictures
// with dashed back lines and the axes. Before the benchmarks it reports the
// time to the first picture (offscreen platform) from main and from process
// start, after them the peak resident memory; the last two read /proc (Linux).
//
// The cases are in redraw_bench.cpp and aids_bench.cpp, the redraw and its
// reference shared with the page's benchmark in benchcases.h; this file
// times the start-up and runs them.

#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/picturewidget.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#ifdef __linux__
#include <ctime>
#include <unistd.h>
#endif

namespace {

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
