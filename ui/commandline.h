#pragma once
// The program's command line, for pictures without a window:
//
//   ruvex3d --export FILE [--shape N] [--view X,Y] [--perspective D]
//           [--aspect A] [--back-lines dashed|solid] [--axes]
//           [--section SUDUT,JARAK [--section-plane shown|hidden]
//           [--section-info]] [--scale K]
//
// writes the picture the window would show for that view to FILE (.bmp as
// "Save Gambar" writes it, .png, .svg; the same bytes as the window's
// commands) and ends. It needs no display: no window is made and no window
// system is asked for. --help and --version print and end; --section-info
// prints the section's name and equation and ends, after the picture when
// --export is given.
//
//   ruvex3d --shape N --view X,Y [--perspective D] [--aspect A]
//           [--back-lines dashed|solid] [--axes]
//           [--section SUDUT,JARAK [--section-plane shown|hidden]]
//
// without --export opens the window on that view instead; the settings are
// checked, and refused, exactly as for a picture (window/viewsettings.h), before
// any window is made. --back-lines and --axes draw the teaching aids, as the
// window's switches do.
//
// Every message is Indonesian. Exit status 0 when the picture is written,
// 1 when it could not be written, 2 for arguments that are wrong (an option
// or switch given twice among them; asking twice for help or the version is
// harmless); after any error nothing has been written.

#include "window/viewsettings.h"

#include <QString>
#include <QStringList>

#include <optional>

inline constexpr int kExitWritten = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitBadArguments = 2;

// Any argument but the toolkit's standard options (-platform, -style,
// -display, -geometry, ...; programarguments.h) selects the command line;
// without one the window starts, and the toolkit takes those options.
bool commandLineRequested(int argc, char** argv);

// Runs the command line for the process's arguments (not a window request):
// makes the application object it needs (no window system) and returns the
// exit status. Arguments
// that are not UTF-8 are refused (status 2); help or version text that
// cannot be written to standard output gives status 1.
int runCommandLine(int& argc, char** argv);

struct CommandLineResult {
    int status = kExitWritten;
    QString output; // for standard output
    QString error;  // for standard error, one line: why nothing was done, or a notice
                    // beside a picture written
    // Arguments without --export that give a view: the window opens on it.
    std::optional<PictureSettings> windowView = std::nullopt;
};

// The view the window is to open on, when the process's arguments ask for
// the window on a view and every setting is taken; nothing otherwise
// (runCommandLine then says why, or does what was asked). Needs no
// application object.
std::optional<PictureSettings> windowViewRequested(int argc, char** argv);

// The work itself for `arguments` (the program first), given an application
// object; writes the picture, prints nothing. The toolkit's standard options
// among the arguments are left to the toolkit, here ignored. The error is one
// line, its control characters escaped.
CommandLineResult runCommandLine(const QStringList& arguments);
