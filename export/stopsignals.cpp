#include "export/stopsignals.h"

#if RUVEX_STOP_SIGNALS

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace {

// Every signal whose default action ends the program and that a handler may
// catch (SIGKILL and SIGSTOP cannot be caught), where the system has it.
constexpr std::array kStopSignals{
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT, SIGBUS,    SIGFPE,  SIGUSR1, SIGSEGV,
    SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGIO
    SIGIO,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGEMT
    SIGEMT,
#endif
#ifdef SIGLOST
    SIGLOST,
#endif
};

// The fixed list and, where there are any, the real-time signals, whose
// default action ends the program too.
template <typename Visit> void forEachStopSignal(Visit visit)
{
    for (const int number : kStopSignals)
        visit(number);
#ifdef SIGRTMIN
    for (int number = SIGRTMIN; number <= SIGRTMAX; ++number)
        visit(number);
#endif
}

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

bool sentByAnotherProgram(const siginfo_t* info)
{
    bool sent = info->si_code == SI_USER || info->si_code == SI_QUEUE;
#ifdef SI_TKILL
    sent = sent || info->si_code == SI_TKILL;
#endif
    return sent && info->si_pid != getpid();
}

// SIGXFSZ from the system itself means a write went past the file-size limit
// (ulimit -f): that write then fails with EFBIG, and the writer tells it and
// removes its file as after a full disk. Every other stop ends the program.
void onStop(int number, siginfo_t* info, void*)
{
    if (number == SIGXFSZ && g_folder.load() >= 0 && !sentByAnotherProgram(info))
        return;
    removeAndStop(number);
}

// Only signals with their default action get the handler: one ignored at
// start, or handled by someone else, is left as it is.
void installHandlers()
{
    struct sigaction action { };
    action.sa_sigaction = onStop;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    forEachStopSignal([&action](int number) { sigaddset(&action.sa_mask, number); }); // one stop at a time
    forEachStopSignal([&action](int number) {
        struct sigaction previous { };
        if (sigaction(number, nullptr, &previous) == 0 && !(previous.sa_flags & SA_SIGINFO)
            && previous.sa_handler == SIG_DFL)
            sigaction(number, &action, nullptr);
    });
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
