// The page's texts and the rules for the names it offers for download, as
// the core has them, exported to the page's script with embind: the file
// names as the desktop's dialogs make them, the export types, the texts of
// the page's own dialogs and lines, the messages of a refused name, and the
// escaping of a typed text the page shows. The drawing area's page object is
// binding.cpp's.

#include "export/escapedtext.h"
#include "export/picturename.h"
#include "export/picturetypes.h"
#include "export/savetarget.h"
#include "export/savetexts.h"
#include "window/jsonwriter.h"
#include "window/pagetexts.h"

#include <emscripten/bind.h>

#include <string>
#include <string_view>
#include <utility>

namespace {

// A name the user typed, as the desktop's rules make it, and why it is
// refused (empty when it is not): {"name": ..., "type": ..., "refusal": ...}.
// The name box takes a bare name, so a folder in it is refused too
// (export/picturename.h); then the same checks as every name the window
// writes: no controls, a length the file systems take.
std::string nameAnswer(const PictureName& named, int type)
{
    const std::string refusal = named.refused() ? named.refusal : refuseName(named.path);
    JsonWriter json;
    json.beginObject().field("name", named.path).field("type", type).field("refusal", refusal).endObject();
    return json.text();
}

std::string saveName(const std::string& typed)
{
    return nameAnswer(savedPictureName(typed, NameForm::BareName), -1);
}

// `filterIndex` 1-based, as the dialog's type list reports it.
std::string exportName(const std::string& typed, int filterIndex)
{
    const PictureName named = exportedPictureName(typed, filterIndex, NameForm::BareName);
    return nameAnswer(named, static_cast<int>(named.type));
}

std::string exportTypes()
{
    JsonWriter json;
    json.beginArray();
    for (const ExportType& type : kExportTypes)
        json.value(std::string(type.description) + " (*" + std::string(type.extension) + ")");
    json.endArray();
    return json.text();
}

// The texts of the page's own dialogs and lines, read once at start.
std::string pageTexts()
{
    using namespace SaveTexts;
    const std::pair<std::string_view, std::string_view> texts[] = {
        {"saveTitle", kSaveDialogTitle},
        {"exportTitle", kExportDialogTitle},
        {"messageTitle", kMessageTitle},
        {"nameCaption", kNameCaption},
        {"typeCaption", kTypeCaption},
        {"saveButton", kSaveButton},
        {"exportButton", kExportButton},
        {"cancelButton", kCancelButton},
        {"pictureName", PageTexts::kPictureName},
        {"shortName", PageTexts::kShortName},
        {"programEnded", PageTexts::kProgramEnded},
        {"addressRefused", PageTexts::kAddressRefused},
        {"editedAddressRefused", PageTexts::kEditedAddressRefused},
        {"shareFailed", PageTexts::kShareFailed},
    };
    JsonWriter json;
    json.beginObject();
    for (const auto& [key, text] : texts)
        json.field(key, text);
    for (const auto& [key, what] : {std::pair{"pictureRefused", PageTexts::kCopiedPicture},
                                    std::pair{"viewCodeRefused", PageTexts::kCopiedViewCode}})
        json.field(key, SaveTexts::fillIn(PageTexts::kClipboardRefused, what, {}));
    json.endObject();
    return json.text();
}

// The messages of a refused name and of a file the browser did not take,
// the name in them escaped as in the window's.
std::string refusalMessage(const std::string& name, const std::string& reason)
{
    return SaveTexts::refusedNameMessage(name, reason);
}
std::string notWrittenMessage(const std::string& name)
{
    return SaveTexts::notWrittenMessage(name, SaveTexts::kBrowserRefused);
}

// A text the user gave, for the page's own lines that show it: its controls
// and text-direction controls escaped.
std::string escapedText(const std::string& text)
{
    return escapedControls(text);
}

} // namespace

EMSCRIPTEN_BINDINGS(ruvex_texts)
{
    emscripten::function("saveName", &saveName);
    emscripten::function("exportName", &exportName);
    emscripten::function("exportTypes", &exportTypes);
    emscripten::function("pageTexts", &pageTexts);
    emscripten::function("refusalMessage", &refusalMessage);
    emscripten::function("notWrittenMessage", &notWrittenMessage);
    emscripten::function("escapedControls", &escapedText);
}
