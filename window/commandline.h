#pragma once
// The program's command line, read and carried out without any toolkit. Its
// options, with their values and their help lines, are listed once, in
// commandlineoptions.h; the words are read by commandlineparser.h. VIEW
// below stands for the view's settings among them (viewsettings.h): the
// shape, the pointer position, perspective and aspect, the teaching aids,
// and a plane section, --section SUDUT,JARAK [--section-plane shown|hidden].
// Its forms:
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
// one is asked for) and ends;
//
//   ruvex3d --size R[,T] [--net P] [--pi 22/7|3,14] [VIEW...] --size-info [--export FILE]
//
// prints "Ukuran Bangun"'s worked numbers, one a line, likewise;
//
//   ruvex3d [VIEW...] --describe [--export FILE]
//
// prints the picture in words (picturewords.h), likewise. --help and
// --version print and end.
//
// Every message is Indonesian. Exit status 0 when the picture is written,
// 1 when it could not be written, 2 for arguments that are wrong (an option
// or switch given twice among them; asking twice for help or the version is
// harmless); after any error nothing has been written.

#include "export/picturetypes.h"
#include "window/commandlinewords.h"
#include "window/viewsettings.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kExitWritten = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitBadArguments = 2;

// --export FILE: the file to write, its type and its scale.
struct PictureFileRequest {
    std::string path;
    PictureFormat format = PictureFormat::Png;
    int scale = 1;
};

// What the program's arguments ask for, read once, before any application
// object: the window's start and the command line both act on this one
// reading. Any argument but the toolkit's standard options
// (commandlinewords.h) is read as the command line; without one the window
// starts, and the toolkit takes those options.
struct CommandLineRequest {
    enum class Task { Window, Help, Version, Picture, SectionInfo, SizeInfo, Describe, Refused };
    Task task = Task::Window;
    std::string program = "ruvex3d"; // the name it was started as, for its messages
    // The view given, every setting taken: the window opens on it, the
    // picture and the section are its. None for the window without one.
    std::optional<PictureSettings> view = std::nullopt;
    std::optional<PictureFileRequest> picture = std::nullopt; // with --export
    std::string refusal = {};                                 // Refused: why nothing is done, one sentence
};

// The process's arguments as bytes, the program first; arguments that are
// not UTF-8 are refused.
CommandLineRequest readCommandLine(const ArgumentList& arguments);
inline CommandLineRequest readCommandLine(int argc, char** argv)
{
    return readCommandLine(ArgumentList(argv, argv + argc));
}

struct CommandLineResult {
    int status = kExitWritten;
    std::string output; // for standard output
    std::string error;  // for standard error, one line: why nothing was done, or a notice
                        // beside a picture written
    // Arguments without --export that give a view: the window opens on it.
    std::optional<PictureSettings> windowView = std::nullopt;
};

// Writes `bytes` whole under `path` (UTF-8): nothing when it is written,
// otherwise why not, in Indonesian (export/wholefile.h).
using WholeFileWriter
    = std::function<std::optional<std::string>(const std::string& path, std::string_view bytes)>;

// The work itself: writes the picture through `write`, prints nothing.
// `version` is the program's, for --version. The error is one line, its
// control characters escaped.
CommandLineResult runCommandLine(const CommandLineRequest& request, std::string_view version,
                                 const WholeFileWriter& write);

// Prints the result to standard output and standard error and gives the
// exit status: 1 when the output did not all reach standard output (a full
// disk, a closed output), told on standard error.
int printCommandLineResult(const CommandLineResult& result, std::string_view program);
