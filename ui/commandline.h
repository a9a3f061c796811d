#pragma once
// The program's command line, for pictures without a window:
//
//   ruvex3d --export FILE [--shape N] [--view X,Y] [--perspective D]
//           [--aspect A] [--scale K]
//
// writes the picture the window would show for that view to FILE (.bmp as
// "Save Gambar" writes it, .png, .svg; the same bytes as the window's
// commands) and ends. It needs no display: no window is made and no window
// system is asked for. --help and --version print and end.
//
// Every message is Indonesian. Exit status 0 when the picture is written,
// 1 when it could not be written, 2 for arguments that are wrong; after any
// error nothing has been written.

#include <QString>
#include <QStringList>

inline constexpr int kExitWritten = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitBadArguments = 2;

// Any argument but the toolkit's standard options (-platform, -style,
// -display, -geometry, ...; programarguments.h) selects the command line;
// without one the window starts, and the toolkit takes those options.
bool commandLineRequested(int argc, char** argv);

// Runs the command line for the process's arguments: makes the application
// object it needs (no window system) and returns the exit status. Arguments
// that are not UTF-8 are refused (status 2); help or version text that
// cannot be written to standard output gives status 1.
int runCommandLine(int& argc, char** argv);

struct CommandLineResult {
    int status = kExitWritten;
    QString output; // for standard output
    QString error;  // for standard error, one line
};

// The work itself for `arguments` (the program first), given an application
// object; writes the picture, prints nothing. The toolkit's standard options
// among the arguments are left to the toolkit, here ignored. The error is one
// line, its control characters escaped.
CommandLineResult runCommandLine(const QStringList& arguments);
