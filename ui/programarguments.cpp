#include "ui/programarguments.h"

#include "export/escapedtext.h"
#include "ui/qtext.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace {

struct ToolkitOption {
    std::string_view name;
    bool takesValue;
    bool takesEqualsValue; // also written "-name=value"
};

// The toolkit's standard options on this system's platforms, as its
// documentation lists them; the X11 ones included, as the toolkit takes them
// whichever platform is chosen.
constexpr std::array kToolkitOptions{
    ToolkitOption{"style", true, true},
    ToolkitOption{"stylesheet", true, true},
    ToolkitOption{"widgetcount", false, false},
    ToolkitOption{"reverse", false, false},
    ToolkitOption{"qmljsdebugger", false, true},
    ToolkitOption{"platform", true, false},
    ToolkitOption{"platformpluginpath", true, false},
    ToolkitOption{"platformtheme", true, false},
    ToolkitOption{"plugin", true, false},
    ToolkitOption{"qwindowgeometry", true, false},
    ToolkitOption{"qwindowicon", true, false},
    ToolkitOption{"qwindowtitle", true, false},
    ToolkitOption{"session", true, false},
    ToolkitOption{"display", true, false},
    ToolkitOption{"geometry", true, false},
    ToolkitOption{"title", true, false},
    ToolkitOption{"dialogs", false, true},
    ToolkitOption{"fontengine", false, true},
};

// The toolkit reads "--name" as "-name".
QString toolkitWord(const QString& argument)
{
    if (!argument.startsWith(u'-') || argument == QStringLiteral("-") || argument == QStringLiteral("--"))
        return {};
    return argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
}

// How many arguments from `at` are one toolkit option: 0 when it is none.
qsizetype toolkitOptionLength(const QStringList& arguments, qsizetype at)
{
    const QString word = toolkitWord(arguments[at]);
    for (const ToolkitOption& option : kToolkitOptions) {
        const QString name
            = QString::fromLatin1(option.name.data(), static_cast<qsizetype>(option.name.size()));
        if (word == name)
            return option.takesValue && at + 1 < arguments.size() ? 2 : 1;
        if (option.takesEqualsValue && word.startsWith(name + u'='))
            return 1;
    }
    return 0;
}

bool isOwnValueOption(const QString& argument, const QStringList& valueOptions)
{
    return argument.startsWith(QStringLiteral("--")) && valueOptions.contains(argument.mid(2));
}

} // namespace

QStringList argumentList(int argc, char** argv)
{
    // UTF-8 (notUtf8Argument refuses anything else), a leading U+FEFF kept
    // (ui/qtext.h): the toolkit's own list of arguments drops it.
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments.append(toQString(argv[n]));
    return arguments;
}

QStringList withoutToolkitOptions(const QStringList& arguments, const QStringList& valueOptions)
{
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype at = 1; at < arguments.size();) {
        const QString& argument = arguments[at];
        const qsizetype toolkit = toolkitOptionLength(arguments, at);
        if (argument == QStringLiteral("--"))
            return kept + arguments.mid(at);
        if (toolkit > 0) {
            at += toolkit;
            continue;
        }
        const qsizetype own = isOwnValueOption(argument, valueOptions) && at + 1 < arguments.size() ? 2 : 1;
        kept += arguments.mid(at, own);
        at += own;
    }
    return kept;
}

bool toolkitOptionsNameDisplay(const QStringList& arguments)
{
    for (qsizetype at = 1; at < arguments.size(); ++at) {
        if (arguments[at] == QStringLiteral("--"))
            return false;
        const QString word = toolkitWord(arguments[at]);
        if (toolkitOptionLength(arguments, at) == 2
            && (word == QStringLiteral("platform") || word == QStringLiteral("display")))
            return true;
    }
    return false;
}

QString typedOption(const QStringList& arguments, const QString& name, const QStringList& valueOptions)
{
    for (qsizetype at = 1; at < arguments.size(); ++at) {
        const QString word = arguments[at].section(u'=', 0, 0);
        if (word == QStringLiteral("--"))
            break;
        if (isOwnValueOption(arguments[at], valueOptions)) {
            ++at; // its value
            continue;
        }
        const bool matches = word.startsWith(QStringLiteral("--"))
            ? word.mid(2) == name
            : word.startsWith(u'-') && name.size() == 1 && word.mid(1).contains(name);
        if (matches)
            return word;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

std::optional<QString> notUtf8Argument(int argc, char** argv)
{
    for (int n = 1; n < argc; ++n) {
        const std::string_view bytes(argv[n]);
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t length = utf8SequenceLength(bytes, at);
            if (length == 0)
                return toQString(escapedControls(bytes));
            at += length;
        }
    }
    return std::nullopt;
}

QString escapedControls(const QString& text)
{
    return toQString(escapedControls(text.toStdString()));
}
