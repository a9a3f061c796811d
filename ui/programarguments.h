#pragma once
// The program's arguments as the process got them, before either mode starts:
// which of them are the toolkit's standard options (-platform, -style,
// -display, -geometry, ... which every program of the toolkit accepts and
// the window's start hands to the toolkit), which argument a refused option
// was typed as, whether each argument is UTF-8 at all, and how a user's text
// is shown in a one-line message.
//
// It decides nothing about the program's own options; commandline.h does.

#include <QString>
#include <QStringList>

#include <optional>

// argv as strings, without checking their encoding (see notUtf8Argument).
QStringList argumentList(int argc, char** argv);

// `arguments` (the program first) without the toolkit's standard options and
// their values. An argument right after one of `valueOptions` (the program's
// own long options that take a value, named without dashes) is that option's
// value, whatever it looks like; after "--" nothing is an option.
QStringList withoutToolkitOptions(const QStringList& arguments, const QStringList& valueOptions);

// The toolkit's options choose the platform or the display, so the window's
// start must not insist on a display in the environment.
bool toolkitOptionsNameDisplay(const QStringList& arguments);

// The argument, as typed up to any "=", that gave the parser the unknown
// option `name`: "--x" for x, "-q" for q, "-hq" for q given with -h.
QString typedOption(const QStringList& arguments, const QString& name, const QStringList& valueOptions);

// The first of argv's arguments (after the program) that is not valid UTF-8,
// shown with each stray byte as \xNN (and its controls escaped); nothing when
// all are valid.
std::optional<QString> notUtf8Argument(int argc, char** argv);

// `text` with every control character written as an escape (\n, \t, \e,
// \x7F, \u202E, ...), so that a message is one line and the terminal only
// shows it: export/escapedtext.h's rule.
QString escapedControls(const QString& text);
