#include "ui/displaycheck.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler previousHandler = nullptr;

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", noDisplayMessage());
        std::fflush(stderr);
        std::_Exit(1);
    }
    // The platform plugin's own complaints about the display are replaced by
    // the sentence above, should start-up fail.
    const bool fromPlatform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (fromPlatform || message.contains(QLatin1String("could not connect to display")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

bool hasEnvironment(const char* name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

} // namespace

const char* noDisplayMessage()
{
    return "RUVEX Display 3D needs a graphical display, and none could be reached "
           "(DISPLAY is unset or cannot be opened): run it on a desktop, or under a virtual "
           "display with `xvfb-run -a ./build/ruvex3d`.";
}

bool ensureDisplayReachable()
{
#if defined(Q_OS_LINUX)
    const bool platformChosen = hasEnvironment("QT_QPA_PLATFORM");
    if (!platformChosen && !hasEnvironment("DISPLAY") && !hasEnvironment("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "%s\n", noDisplayMessage());
        return false;
    }
#endif
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    return true;
}

void displayReached()
{
    qInstallMessageHandler(previousHandler);
}
