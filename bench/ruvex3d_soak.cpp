// Soak: ten minutes' worth of animation ticks (40 000 at 15 ms) and pointer
// moves against the real main window, painted on the offscreen platform.
// Prints the peak resident memory after warming up and at the end; exits
// with status 1 if it grew. The memory is read from /proc: elsewhere than on
// Linux the ticks run but nothing is measured.
//
//   ruvex3d_soak [ticks]

#include "ui/animationtimer.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/picturewidget.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace {

// A line of /proc/self/status, in KiB; -1 where there is none.
long statusKiB(const char* field)
{
#ifndef __linux__
    Q_UNUSED(field);
#else
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
#endif
    return -1;
}

void run(Form1& form, long ticks, long firstTick)
{
    for (long tick = firstTick; tick < ticks; ++tick) {
        // The two directions in turn: the button chosen runs its timer.
        form.apply(ControlIntent{"optAnim_Click", static_cast<int>(tick % 2)});
        form.apply(TickIntent{});
        // A pointer move every few ticks, as a user's hand would add.
        if (tick % 7 == 0)
            form.apply(PointerEvent{PointerSurface::DrawingArea, PointerAction::Move, 0, 0,
                                    static_cast<double>(tick % 396), static_cast<double>((tick * 3) % 396)});
        if (tick % 5000 == 0)
            form.apply(ControlIntent{"Option1_Click", static_cast<int>((tick / 5000) % 15)});
        // Let the window paint, as the event loop would between ticks.
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(msSansSerifFont());
    const long ticks = argc > 1 ? std::atol(argv[1]) : 40000;
    const long warmUp = 2000;

    Form1 form;
    form.show();
    run(form, warmUp, 0);
    const long peakAtStart = statusKiB("VmHWM");
    run(form, ticks, warmUp);
    const long peakAtEnd = statusKiB("VmHWM");
    const long residentAtEnd = statusKiB("VmRSS");
    if (peakAtStart < 0 || peakAtEnd < 0) {
        std::printf("ticks: %ld\nmemory not measured on this system\n", ticks);
        return 0;
    }

    std::printf("ticks: %ld\npeak RSS after warm-up: %ld KiB\npeak RSS at the end: %ld KiB\n"
                "RSS at the end: %ld KiB\n",
                ticks, peakAtStart, peakAtEnd, residentAtEnd);
    // Allow one page-table-sized wobble; a leak of even a few bytes a tick
    // would show as hundreds of KiB over 40 000 ticks.
    const long allowedGrowthKiB = 256;
    if (peakAtEnd - peakAtStart > allowedGrowthKiB) {
        std::printf("memory grew by %ld KiB\n", peakAtEnd - peakAtStart);
        return 1;
    }
    std::printf("memory did not grow\n");
    return 0;
}
