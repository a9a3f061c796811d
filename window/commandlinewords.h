#pragma once
// The program's arguments as the process got them, before either mode
// starts: which of them are the desktop toolkit's standard options
// (-platform, -style, -display, -geometry, ... which every program of that
// toolkit accepts and the window's start hands on), the name the program was
// started as, which argument a refused option was typed as, and whether each
// argument is UTF-8 at all.
//
// It decides nothing about the program's own options: commandline.h does.
// Arguments are bytes, UTF-8 when they are valid.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using ArgumentList = std::vector<std::string>;

// `arguments` (the program first) without the toolkit's standard options and
// their values. An argument right after one of `valueOptions` (the program's
// own long options that take a value, named without dashes) is that option's
// value, whatever it looks like; after "--" nothing is an option.
ArgumentList withoutToolkitOptions(const ArgumentList& arguments,
                                   const std::vector<std::string>& valueOptions);

// The toolkit's options choose the platform or the display, so the window's
// start must not insist on a display in the environment.
bool toolkitOptionsNameDisplay(const ArgumentList& arguments);

// The argument, as typed up to any "=", that gave the parser the unknown
// option `name`: "--x" for x, "-q" for q, "-hq" for q given with -h.
std::string typedOption(const ArgumentList& arguments, const std::string& name,
                        const std::vector<std::string>& valueOptions);

// The first argument after the program that is not valid UTF-8, shown with
// each stray byte as \xNN (and its controls escaped); nothing when all are
// valid.
std::optional<std::string> notUtf8Argument(const ArgumentList& arguments);

// The file name of the program's path ("ruvex3d" for none), each byte that
// is not UTF-8 shown as U+FFFD.
std::string programName(const ArgumentList& arguments);

// One character: a short option's letter.
bool isOneLetter(std::string_view name);
