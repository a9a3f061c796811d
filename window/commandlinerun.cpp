// Carrying out a command line request: the help, the version, the picture
// written from the view opened on the window's session, as the window and
// the page open one, the section's line.

#include "export/escapedtext.h"
#include "export/picturefile.h"
#include "export/picturename.h"
#include "export/savetarget.h"
#include "export/savetexts.h"
#include "surface/planesection.h"
#include "window/arealoadwindow.h"
#include "window/commandline.h"
#include "window/commandlinehelp.h"
#include "window/commandlinetexts.h"
#include "window/lessoncaption.h"
#include "window/windowsession.h"

#include <filesystem>

namespace {

void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The absolute folder of `path`, as a system message may name it; empty
// when the working folder is gone.
std::string absoluteFolder(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? std::string() : absolute.lexically_normal().parent_path().string();
}

// A message of the window's, which may name `paths` and their folder, in one
// line: the line breaks within the names are escaped, the message's own ones
// become spaces.
std::string oneLine(std::string message, std::vector<std::string> paths)
{
    paths.push_back(absoluteFolder(paths.back()));
    for (const std::string& name : paths)
        replaceAll(message, name, escapedControls(name));
    std::replace(message.begin(), message.end(), '\n', ' ');
    return message;
}

// Writes the picture asked for from the view opened on the window's session,
// under the same rules as in the window and the page: a name that shows
// (export/picturename.h), only regular files, links as the file they lead
// to, names the file system takes. The picture is encoded in memory first,
// so that every failure left is the disk's. The failure in one line, or
// nothing.
std::optional<std::string> writeRequestedPicture(const PictureFileRequest& request,
                                                 const WindowSession& session, const WholeFileWriter& write)
{
    const PictureFileView picture = exportedView(session.model());
    const PictureName named = givenPictureName(request.path);
    if (named.refused())
        return oneLine(named.refusal, {request.path});
    const SaveTarget target = vetSaveTarget(named.path);
    if (target.refused())
        return oneLine(target.refusal, {request.path});
    const std::vector<std::uint8_t> bytes = pictureFileBytes(picture, request.format, request.scale);
    const std::optional<std::string> failure = bytes.empty()
        ? SaveTexts::encodingFailure(request.format)
        : write(target.path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!failure)
        return std::nullopt;
    return oneLine(SaveTexts::fillIn(SaveTexts::kFileNotWrittenLine, target.path, *failure),
                   {request.path, target.path});
}

// A section asked for where none can be drawn (a further figure, a flat
// solid): the picture is the plain one, and the window's sentence for that
// case says why. Empty otherwise.
std::string undrawnSectionNotice(const Form1Model& model)
{
    if (!model.sectionShown())
        return {};
    const PlaneSection& section = model.planeSection();
    return section.available && !section.flat ? std::string() : section.line();
}

// One line on standard error: whatever the user typed is shown, never obeyed
// by the terminal.
std::string told(const std::string& program, const std::string& sentence)
{
    return escapedControls(program + ": " + sentence) + '\n';
}

// The view opened as the window and the page open one: the window's session
// started on a drawing area of its own and handed the view as an intent; its
// picture written when one is asked for; then the section's line, the sizes,
// the words, or the notice beside the picture.
CommandLineResult openedViewResult(const CommandLineRequest& request, const WholeFileWriter& write)
{
    PictureBox area;
    WindowSession session(area);
    AreaLoadWindow window(area);
    session.start(window);
    session.apply(OpenViewIntent{*request.view});
    const Form1Model& model = session.model();
    if (request.picture) {
        if (const auto failure = writeRequestedPicture(*request.picture, session, write))
            return {kExitNotWritten, {}, told(request.program, *failure)};
    }
    if (request.task == CommandLineRequest::Task::SectionInfo)
        return {kExitWritten, model.planeSection().line() + '\n', {}};
    if (request.task == CommandLineRequest::Task::SizeInfo)
        return {kExitWritten, model.sizeNumbersText(), {}};
    if (request.task == CommandLineRequest::Task::Describe)
        return {kExitWritten, session.pictureWords() + '\n', {}};
    const std::string notice = undrawnSectionNotice(model);
    return {kExitWritten, {}, notice.empty() ? std::string() : told(request.program, notice)};
}

// False when the text did not all reach the stream.
bool print(std::FILE* stream, std::string_view text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written;
}

} // namespace

CommandLineResult runCommandLine(const CommandLineRequest& request, std::string_view version,
                                 const WholeFileWriter& write)
{
    using Task = CommandLineRequest::Task;
    switch (request.task) {
    case Task::Window:
        return {kExitWritten, {}, {}, request.view};
    case Task::Refused:
        return {kExitBadArguments, {}, told(request.program, request.refusal)};
    case Task::Help:
        return {kExitWritten, commandLineHelp(request.program), {}};
    case Task::Version:
        return {kExitWritten, SaveTexts::fillIn(CommandLineTexts::kVersion, request.program, version), {}};
    case Task::Picture:
    case Task::SectionInfo:
    case Task::SizeInfo:
    case Task::Describe:
        return openedViewResult(request, write);
    }
    return {};
}

int printCommandLineResult(const CommandLineResult& result, std::string_view program)
{
    if (!print(stdout, result.output)) {
        print(stderr, SaveTexts::fillIn(CommandLineTexts::kOutputNotWritten, program, {}));
        return kExitNotWritten;
    }
    print(stderr, result.error);
    return result.status;
}
