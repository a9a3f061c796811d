#include "ui/displaycheck.h"

#include "export/savetexts.h"
#include "window/desktoptexts.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// The toolkit reports through a plain function, so what it needs lives here:
// the one check that is watching (there is at most one, in main) and what the
// toolkit said so far.
struct Watch {
    const std::string* program = nullptr;
    QtMessageHandler previousHandler = nullptr;
    bool displayUnreachable = false;
    std::string toolkitMessages;
};
Watch watch;

bool saysDisplayUnreachable(const QString& message)
{
    return message.contains(QLatin1String("could not connect to display"), Qt::CaseInsensitive)
        || message.contains(QLatin1String("Failed to create wl_display"), Qt::CaseInsensitive);
}

std::string told(std::string_view text, std::string_view filling)
{
    return SaveTexts::fillIn(text, filling, {});
}

[[noreturn]] void failStart(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool fromPlatform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (saysDisplayUnreachable(message))
        watch.displayUnreachable = true;
    if (type == QtFatalMsg) {
        if (watch.displayUnreachable)
            failStart(told(DesktopTexts::kNoDisplay, *watch.program));
        watch.toolkitMessages += message.toStdString();
        failStart(told(DesktopTexts::kStartFailure, watch.toolkitMessages));
    }
    // The platform's complaints are kept for the reason given should start-up
    // fail; when it does not, they are of no interest to the user.
    if (fromPlatform) {
        watch.toolkitMessages += message.toStdString() + "\n";
        return;
    }
    if (watch.previousHandler)
        watch.previousHandler(type, context, message);
}

} // namespace

DisplayCheck::DisplayCheck(std::string program, bool displayNamed)
    : m_program(std::move(program))
    , m_displayNamed(displayNamed)
{
    watch = Watch{&m_program, qInstallMessageHandler(startupMessageHandler), false, {}};
    m_watching = true;
}

DisplayCheck::~DisplayCheck()
{
    reached();
}

void DisplayCheck::reached()
{
    if (!m_watching)
        return;
    qInstallMessageHandler(watch.previousHandler);
    watch = Watch{};
    m_watching = false;
}

bool DisplayCheck::displayConfigured() const
{
#if defined(Q_OS_LINUX)
    const auto unset = [](const char* name) { return qEnvironmentVariableIsEmpty(name); };
    const bool platformChosen = m_displayNamed || !unset("QT_QPA_PLATFORM");
    if (!platformChosen && unset("DISPLAY") && unset("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "%s\n", told(DesktopTexts::kNoDisplay, m_program).c_str());
        return false;
    }
#endif
    return true;
}
