#include "window/commandlinewords.h"

#include "export/escapedtext.h"

#include <algorithm>
#include <array>
#include <cstddef>

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

bool startsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

// The text before the first "=".
std::string_view beforeEquals(std::string_view argument)
{
    return argument.substr(0, argument.find('='));
}

// The toolkit reads "--name" as "-name".
std::string_view toolkitWord(std::string_view argument)
{
    if (!startsWith(argument, "-") || argument == "-" || argument == "--")
        return {};
    return argument.substr(startsWith(argument, "--") ? 2 : 1);
}

// How many arguments from `at` are one toolkit option: 0 when it is none.
std::size_t toolkitOptionLength(const ArgumentList& arguments, std::size_t at)
{
    const std::string_view word = toolkitWord(arguments[at]);
    for (const ToolkitOption& option : kToolkitOptions) {
        if (word == option.name)
            return option.takesValue && at + 1 < arguments.size() ? 2 : 1;
        if (option.takesEqualsValue && startsWith(word, option.name) && word.size() > option.name.size()
            && word[option.name.size()] == '=')
            return 1;
    }
    return 0;
}

bool isOwnValueOption(std::string_view argument, const std::vector<std::string>& valueOptions)
{
    return startsWith(argument, "--")
        && std::find(valueOptions.begin(), valueOptions.end(), argument.substr(2)) != valueOptions.end();
}

} // namespace

ArgumentList withoutToolkitOptions(const ArgumentList& arguments,
                                   const std::vector<std::string>& valueOptions)
{
    ArgumentList kept;
    if (!arguments.empty())
        kept.push_back(arguments.front());
    for (std::size_t at = 1; at < arguments.size();) {
        if (arguments[at] == "--") {
            kept.insert(kept.end(), arguments.begin() + static_cast<std::ptrdiff_t>(at), arguments.end());
            return kept;
        }
        if (const std::size_t toolkit = toolkitOptionLength(arguments, at); toolkit > 0) {
            at += toolkit;
            continue;
        }
        kept.push_back(arguments[at++]);
        if (isOwnValueOption(kept.back(), valueOptions) && at < arguments.size())
            kept.push_back(arguments[at++]);
    }
    return kept;
}

bool toolkitOptionsNameDisplay(const ArgumentList& arguments)
{
    for (std::size_t at = 1; at < arguments.size(); ++at) {
        if (arguments[at] == "--")
            return false;
        const std::string_view word = toolkitWord(arguments[at]);
        if (toolkitOptionLength(arguments, at) == 2 && (word == "platform" || word == "display"))
            return true;
    }
    return false;
}

bool isOneLetter(std::string_view name)
{
    return name.size() == 1 || (!name.empty() && utf8SequenceLength(name, 0) == name.size());
}

std::string typedOption(const ArgumentList& arguments, const std::string& name,
                        const std::vector<std::string>& valueOptions)
{
    for (std::size_t at = 1; at < arguments.size(); ++at) {
        const std::string_view word = beforeEquals(arguments[at]);
        if (word == "--")
            break;
        if (isOwnValueOption(arguments[at], valueOptions)) {
            ++at; // its value
            continue;
        }
        const bool matches = startsWith(word, "--") ? word.substr(2) == name
                                                    : startsWith(word, "-") && isOneLetter(name)
                && word.substr(1).find(name) != std::string_view::npos;
        if (matches)
            return std::string(word);
    }
    return (isOneLetter(name) ? "-" : "--") + name;
}

std::optional<std::string> notUtf8Argument(const ArgumentList& arguments)
{
    for (std::size_t n = 1; n < arguments.size(); ++n) {
        const std::string_view bytes = arguments[n];
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t length = utf8SequenceLength(bytes, at);
            if (length == 0)
                return escapedControls(bytes);
            at += length;
        }
    }
    return std::nullopt;
}

std::string programName(const ArgumentList& arguments)
{
    if (arguments.empty())
        return "ruvex3d";
    const std::string_view path = arguments.front();
    std::size_t start = path.find_last_of('/');
#ifdef _WIN32
    start = path.find_last_of("/\\");
#endif
    const std::string_view name = path.substr(start == std::string_view::npos ? 0 : start + 1);
    std::string shown;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t length = utf8SequenceLength(name, at);
        shown += length == 0 ? std::string_view("\uFFFD") : name.substr(at, length);
        at += std::max<std::size_t>(length, 1);
    }
    return shown;
}
