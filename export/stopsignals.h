#pragma once
// A temporary file must not outlive the program that was writing it. When a
// signal ends the program in the middle of a write (SIGTERM: a kill or a
// shutdown; SIGINT: Ctrl+C; SIGHUP: a closed terminal or a session's logout;
// SIGQUIT: Ctrl+\; and every other signal whose default action ends a
// program and that can be caught: SIGUSR1, SIGPIPE, SIGALRM, SIGXCPU, the
// real-time signals, ...), the one file named here is removed first, and the
// program then ends as that signal ends any program (the shell sees 128 + its
// number). A write past the file-size limit (ulimit -f) does not end the
// program: the system's SIGXFSZ is let pass, so that the write fails with
// EFBIG and is told like a full disk. The window and the command line alike:
// both write through export/wholefile.h.
//
// The name is kept in a fixed buffer, set before the file is made and
// cleared once it is renamed or removed, so that the handler only reads
// memory and makes calls that are safe in a signal handler (unlinkat,
// sigaction, raise, getpid). A signal ignored when the program started
// (nohup, a background job) stays ignored, and one another part of the
// program handles stays its. Without POSIX signals (Windows) nothing is
// recorded and nothing installed.

// POSIX signals, where a program has them (not in the browser).
#if (defined(__unix__) || defined(__APPLE__)) && !defined(__EMSCRIPTEN__)
#define RUVEX_STOP_SIGNALS 1
#else
#define RUVEX_STOP_SIGNALS 0
#endif

namespace StopSignals {

// From now until nothingToRemove(), a stop signal removes `name` in the
// folder open as `folderDescriptor`. Installs the handlers the first time.
void removeOnStop(int folderDescriptor, const char* name);

// The file was renamed or removed: a stop signal just stops.
void nothingToRemove();

} // namespace StopSignals
