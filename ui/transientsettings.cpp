#include "ui/transientsettings.h"

#include <QSettings>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX) && !defined(Q_OS_WASM)
#define RUVEX_TERMINATION_SIGNALS 1
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The folder of the living object, for the ways out that run no destructor.
std::filesystem::path liveFolder;

void removeLiveFolder()
{
    if (liveFolder.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(liveFolder, ignored);
    liveFolder.clear();
}

#ifdef RUVEX_TERMINATION_SIGNALS

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};
int signalPipe[2] = {-1, -1};

// Only what is safe in a signal handler: the signal's number goes down the
// pipe, and the event loop does the rest.
void onTerminationSignal(int signal)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &number, 1);
    errno = savedErrno;
}

void setHandler(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

// The folder is removed, then the signal is raised again with its default
// action, so that the program ends as it would have without this class.
void endBySignal(int readEnd)
{
    unsigned char number = 0;
    if (::read(readEnd, &number, 1) != 1)
        return;
    removeLiveFolder();
    setHandler(number, SIG_DFL);
    ::raise(number);
}

std::unique_ptr<QSocketNotifier> catchTerminationSignals()
{
    if (::pipe(signalPipe) != 0)
        return nullptr;
    for (const int end : signalPipe)
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK); // a full pipe drops a repeat, never blocks
    auto notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                     [readEnd = signalPipe[0]] { endBySignal(readEnd); });
    for (const int signal : kTerminationSignals) {
        // A signal ignored from the start stays ignored: `nohup` keeps the
        // program running when its terminal closes.
        struct sigaction current = {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)
            setHandler(signal, onTerminationSignal);
    }
    return notifier;
}

void releaseTerminationSignals()
{
    for (const int signal : kTerminationSignals) {
        struct sigaction current = {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == onTerminationSignal)
            setHandler(signal, SIG_DFL);
    }
    for (int& end : signalPipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

#else

std::unique_ptr<QSocketNotifier> catchTerminationSignals()
{
    return nullptr;
}
void releaseTerminationSignals()
{
}

#endif

} // namespace

TransientSettings::TransientSettings()
{
    // On Windows the native format is the registry, which has no path to
    // redirect; the dialog used there is the system's own, which keeps its
    // history in the system's own place.
    if (!m_folder.isValid())
        return;
    liveFolder = std::filesystem::path(m_folder.path().toStdU16String());
    static const bool atExitRegistered = std::atexit(removeLiveFolder) == 0;
    (void)atExitRegistered;
    m_signalNotifier = catchTerminationSignals();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
}

TransientSettings::~TransientSettings()
{
    if (m_signalNotifier) {
        m_signalNotifier.reset();
        releaseTerminationSignals();
    }
    liveFolder.clear(); // the temporary folder removes itself
}
