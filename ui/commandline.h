#pragma once
// The program's command line. Its options, with their values and their help
// lines, are listed once, in window/commandlineoptions.h. VIEW below stands
// for the view's settings among them (window/viewsettings.h): the shape, the
// pointer position, perspective and aspect, the teaching aids, and a plane
// section, --section SUDUT,JARAK [--section-plane shown|hidden]. Its forms:
//
//   ruvex3d --export FILE [VIEW...] [--scale K]
//
// writes the picture the window would show for that view to FILE (.bmp as
// "Save Gambar" writes it, .png, .svg; the same bytes as the window's
// commands) and ends. It needs no display: no window is made and no window
// system is asked for.
//
//   ruvex3d VIEW...
//
// without --export opens the window on that view instead; the settings are
// checked, and refused, exactly as for a picture, before any window is made.
//
//   ruvex3d --section SUDUT,JARAK [VIEW...] --section-info [--export FILE]
//
// prints the section's name and equation (after writing the picture, when
// one is asked for) and ends; --size R[,T] [--net P] [--pi 22/7|3,14]
// --size-info prints "Ukuran Bangun"'s worked numbers, one a line, likewise. --help and --version print and
// end.
//
// Every message is Indonesian. Exit status 0 when the picture is written,
// 1 when it could not be written, 2 for arguments that are wrong (an option
// or switch given twice among them; asking twice for help or the version is
// harmless); after any error nothing has been written.

#include "export/picturetypes.h"
#include "window/viewsettings.h"

#include <QString>
#include <QStringList>

#include <optional>

inline constexpr int kExitWritten = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitBadArguments = 2;

// --export FILE: the file to write, its type and its scale.
struct PictureFileRequest {
    QString path;
    PictureFormat format = PictureFormat::Png;
    int scale = 1;
};

// What the program's arguments ask for, read once, before any application
// object: the window's start and the command line both act on this one
// reading. Any argument but the toolkit's standard options (-platform,
// -style, -display, -geometry, ...; programarguments.h) is read as the
// command line; without one the window starts, and the toolkit takes those
// options.
struct CommandLineRequest {
    enum class Task { Window, Help, Version, Picture, SectionInfo, SizeInfo, Refused };
    Task task = Task::Window;
    QString program = QStringLiteral("ruvex3d"); // the name it was started as, for its messages
    // The view given, every setting taken: the window opens on it, the
    // picture and the section are its. None for the window without one.
    std::optional<PictureSettings> view = std::nullopt;
    std::optional<PictureFileRequest> picture = std::nullopt; // with --export
    QString refusal = {};                                     // Refused: why nothing is done, one sentence
};

// The process's arguments; arguments that are not UTF-8 are refused. Needs
// no application object.
CommandLineRequest readCommandLine(int argc, char** argv);
// The same for `arguments` (the program first).
CommandLineRequest readCommandLine(const QStringList& arguments);

// Carries out a request other than the window's: makes the application
// object it needs (no window system), prints and returns the exit status.
// Help or version text that cannot be written to standard output gives
// status 1.
int runCommandLine(const CommandLineRequest& request, int& argc, char** argv);

struct CommandLineResult {
    int status = kExitWritten;
    QString output; // for standard output
    QString error;  // for standard error, one line: why nothing was done, or a notice
                    // beside a picture written
    // Arguments without --export that give a view: the window opens on it.
    std::optional<PictureSettings> windowView = std::nullopt;
};

// The work itself, given an application object: writes the picture, prints
// nothing. The error is one line, its control characters escaped.
CommandLineResult runCommandLine(const CommandLineRequest& request);
// readCommandLine(arguments), carried out.
CommandLineResult runCommandLine(const QStringList& arguments);
