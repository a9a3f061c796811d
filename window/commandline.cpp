// Reading the command line into a request: the words parsed, then the
// options given twice, then what they ask for, each refused in one sentence.

#include "window/commandline.h"

#include "export/savetexts.h"
#include "window/commandlineparser.h"
#include "window/commandlinetexts.h"
#include "window/optionnames.h"
#include "window/sizesettings.h"

namespace {

using Task = CommandLineRequest::Task;

class BadArguments {
public:
    explicit BadArguments(std::string sentence)
        : text(std::move(sentence))
    {
    }
    std::string text;
};

std::string fillIn(std::string_view pattern, std::string_view first)
{
    return SaveTexts::fillIn(pattern, first, {});
}

// An option as the refusals show it: "--scale".
std::string shownOption(std::string_view name)
{
    return "--" + std::string(name);
}

// The options given, in order, that set something, as the refusals name
// them: asking twice for one that only prints changes nothing.
std::vector<std::string> givenSettings(const ParsedArguments& parsed)
{
    std::vector<std::string> names;
    for (const ParsedArguments::Given& given : parsed.given) {
        if (!given.option->printsOnly)
            names.emplace_back(given.option->name);
    }
    return names;
}

// The words read, nothing given twice and nothing alone that needs another.
ParsedArguments readWords(const ArgumentList& own, std::string_view program)
{
    ParsedArguments parsed = parseArguments(own, program);
    if (parsed.refusal)
        throw BadArguments(*parsed.refusal);
    const std::vector<std::string> settings = givenSettings(parsed);
    if (const auto repeated = firstRepeatedName(settings))
        throw BadArguments(repeatedSettingRefusal(shownOption(*repeated)));
    if (const auto lone = loneSettingRefusal(settings, "--"))
        throw BadArguments(*lone);
    return parsed;
}

// The view settings given, in the order the options are listed; the first
// one refused ends it.
PictureSettings viewSettings(const ParsedArguments& parsed)
{
    PictureSettings view;
    for (const std::string_view name : viewSettingNames()) {
        if (!parsed.isSet(name))
            continue;
        const std::string shown = shownOption(name);
        if (const auto refusal = readViewSetting(view, name, parsed.value(name), shown))
            throw BadArguments(*refusal);
    }
    if (const auto refusal = settleSchoolSolid(view, "--"))
        throw BadArguments(*refusal);
    return view;
}

int readScale(const ParsedArguments& parsed, PictureFormat format)
{
    if (!parsed.isSet(OptionName::kScale))
        return 1;
    const std::string given = parsed.value(OptionName::kScale);
    const auto scale = wholeNumber(given, kMinScale, kMaxScale);
    if (!scale)
        throw BadArguments(valueRefusal(shownOption(OptionName::kScale), scaleRange(), given));
    if (*scale > 1 && format != PictureFormat::Png)
        throw BadArguments(std::string(CommandLineTexts::kScaleOnlyForPng));
    return *scale;
}

// --export FILE with its scale, and the view it shows: the file's type is
// refused first, then a view setting, then the scale.
void readPictureFile(const ParsedArguments& parsed, CommandLineRequest& request)
{
    const std::string path = parsed.value(OptionName::kExport);
    const auto format = formatOfPath(path);
    if (!format)
        throw BadArguments(
            valueRefusal(shownOption(OptionName::kExport), CommandLineTexts::kExportRange, path));
    request.view = viewSettings(parsed);
    request.picture = PictureFileRequest{path, *format, readScale(parsed, *format)};
}

// Arguments without --export: true when they give a view to open the window
// on; otherwise they ask for nothing, or for a picture in the wrong way.
bool opensWindow(const ParsedArguments& parsed)
{
    if (!parsed.plain.empty())
        throw BadArguments(fillIn(CommandLineTexts::kOpensNoFile, parsed.plain.front()));
    if (parsed.isSet(OptionName::kExport))
        return false;
    if (parsed.isSet(OptionName::kScale))
        throw BadArguments(std::string(CommandLineTexts::kScaleWithoutExport));
    for (const std::string_view name : viewSettingNames()) {
        if (parsed.isSet(name))
            return true;
    }
    throw BadArguments(std::string(CommandLineTexts::kNothingToDo));
}

// A text about the view, printed after its picture when one is asked for too.
void readTextTask(const ParsedArguments& parsed, CommandLineRequest& request, Task task)
{
    request.task = task;
    request.view = viewSettings(parsed);
    if (parsed.isSet(OptionName::kExport))
        readPictureFile(parsed, request);
}

// What the parsed arguments ask for; throws BadArguments for the first
// thing refused.
void readTask(const ParsedArguments& parsed, CommandLineRequest& request)
{
    if (parsed.isSet(OptionName::kHelp)) {
        request.task = Task::Help;
    } else if (parsed.isSet(OptionName::kVersion)) {
        request.task = Task::Version;
    } else if (parsed.isSet(OptionName::kSectionInfo)) {
        // "--section-info": the section's line, "<nama>: <persamaan>".
        if (!parsed.isSet(OptionName::kSection))
            throw BadArguments(std::string(CommandLineTexts::kSectionInfoWithoutSection));
        readTextTask(parsed, request, Task::SectionInfo);
    } else if (parsed.isSet(OptionName::kSizeInfo)) {
        // "--size-info": the worked numbers; --size is there (loneSettingRefusal).
        readTextTask(parsed, request, Task::SizeInfo);
    } else if (parsed.isSet(OptionName::kDescribe)) {
        readTextTask(parsed, request, Task::Describe);
    } else if (opensWindow(parsed)) {
        request.view = viewSettings(parsed);
    } else {
        request.task = Task::Picture;
        readPictureFile(parsed, request);
    }
}

} // namespace

CommandLineRequest readCommandLine(const ArgumentList& arguments)
{
    CommandLineRequest request;
    request.program = programName(arguments);
    const ArgumentList own = withoutToolkitOptions(arguments, valueOptionNames());
    // Nothing but the program (and the toolkit's options) is the window.
    if (own.size() <= 1)
        return request;
    try {
        // A name that is not UTF-8 cannot be written as given, and any other
        // name would be the wrong file.
        if (const auto argument = notUtf8Argument(arguments))
            throw BadArguments(fillIn(CommandLineTexts::kNotUtf8, *argument));
        readTask(readWords(own, request.program), request);
    } catch (const BadArguments& bad) {
        request = {Task::Refused, request.program, std::nullopt, std::nullopt, bad.text};
    }
    return request;
}
