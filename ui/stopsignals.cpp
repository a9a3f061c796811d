#include "ui/stopsignals.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace {

constexpr std::array kStopSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler reaches only static storage, so the one file to remove
// lives here. Its name (the writer's are about twenty bytes) is written only
// while the folder is -1, and read only by whoever takes the folder.
char g_name[256];
std::atomic<int> g_folder{-1}; // -1: nothing to remove
static_assert(std::atomic<int>::is_always_lock_free, "read in a signal handler");

void removeAndStop(int number)
{
    const int savedError = errno;
    const int folder = g_folder.exchange(-1);
    if (folder >= 0)
        unlinkat(folder, g_name, 0);
    struct sigaction standard { };
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    sigaction(number, &standard, nullptr);
    errno = savedError;
    // Delivered as soon as this handler returns, with the default action.
    raise(number);
}

// Only signals with their default action get the handler: one ignored at
// start, or handled by someone else, is left as it is.
void installHandlers()
{
    struct sigaction action { };
    action.sa_handler = removeAndStop;
    sigemptyset(&action.sa_mask);
    for (const int number : kStopSignals)
        sigaddset(&action.sa_mask, number); // one stop at a time
    for (const int number : kStopSignals) {
        struct sigaction previous { };
        if (sigaction(number, nullptr, &previous) == 0 && !(previous.sa_flags & SA_SIGINFO)
            && previous.sa_handler == SIG_DFL)
            sigaction(number, &action, nullptr);
    }
}

} // namespace

namespace StopSignals {

void removeOnStop(int folderDescriptor, const char* name)
{
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    g_folder.store(-1);
    if (std::strlen(name) >= sizeof g_name)
        return;
    std::strcpy(g_name, name);
    g_folder.store(folderDescriptor);
}

void nothingToRemove()
{
    g_folder.store(-1);
}

} // namespace StopSignals

#else

namespace StopSignals {

void removeOnStop(int, const char*)
{
}

void nothingToRemove()
{
}

} // namespace StopSignals

#endif
