#include "ui/programarguments.h"

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

// Length of the UTF-8 sequence at `at`, 0 when the bytes there are none:
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t n) { return static_cast<unsigned char>(text[n]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1
        : lead >= 0xC2 && lead <= 0xDF     ? 2
        : lead >= 0xE0 && lead <= 0xEF     ? 3
        : lead >= 0xF0 && lead <= 0xF4     ? 4
                                           : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t n = 1; n < length; ++n) {
        if ((byte(at + n) & 0xC0) != 0x80)
            return 0;
    }
    const unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90)
        || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

// "\\xFF", "\\u2028": the way a byte or character is shown when it may not
// be shown as itself.
QString hexEscape(char16_t kind, unsigned value, int digits)
{
    return QStringLiteral("\\") + QChar(kind)
        + QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

} // namespace

QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments.append(QString::fromLocal8Bit(argv[n]));
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
        QString shown;
        bool valid = true;
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t length = sequenceLength(bytes, at);
            if (length == 0) {
                valid = false;
                shown += hexEscape(u'x', static_cast<unsigned char>(bytes[at]), 2);
                ++at;
                continue;
            }
            shown += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
            at += length;
        }
        if (!valid)
            return shown;
    }
    return std::nullopt;
}

QString escapedControls(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (c.category() != QChar::Other_Control && code != 0x2028 && code != 0x2029) {
            shown += c;
            continue;
        }
        switch (code) {
        case u'\n':
            shown += QStringLiteral("\\n");
            break;
        case u'\r':
            shown += QStringLiteral("\\r");
            break;
        case u'\t':
            shown += QStringLiteral("\\t");
            break;
        case 0x1B:
            shown += QStringLiteral("\\e");
            break;
        default:
            shown += code < 0x100 ? hexEscape(u'x', code, 2) : hexEscape(u'u', code, 4);
        }
    }
    return shown;
}
