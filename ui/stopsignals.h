#pragma once
// A temporary file must not outlive the program that was writing it. When a
// stop signal ends the program in the middle of a write (SIGTERM: a kill or
// a shutdown; SIGINT: Ctrl+C; SIGHUP: a closed terminal or a session's
// logout), the one file named here is removed first, and the program then
// ends as that signal ends any program (the shell sees 128 + its number).
// The window and the command line alike: both write through ui/wholefile.h.
//
// The name is kept in a fixed buffer, set before the file is made and
// cleared once it is renamed or removed, so that the handler only reads
// memory and makes calls that are safe in a signal handler (unlinkat,
// sigaction, raise). A signal ignored when the program started (nohup, a
// background job) stays ignored. Without POSIX signals (Windows) nothing is
// recorded and nothing installed.

namespace StopSignals {

// From now until nothingToRemove(), a stop signal removes `name` in the
// folder open as `folderDescriptor`. Installs the handlers the first time.
void removeOnStop(int folderDescriptor, const char* name);

// The file was renamed or removed: a stop signal just stops.
void nothingToRemove();

} // namespace StopSignals
