// The page's texts and the rules for the names it offers for download, as
// the core has them, exported to the page's script with embind: the name
// dialogs with their texts and types, the file names as the desktop's
// dialogs make them with the messages of a refused name, the texts of the
// page's own lines. The drawing area's page object is binding.cpp's.

#include "export/picturename.h"
#include "export/picturetypes.h"
#include "export/savetarget.h"
#include "export/savetexts.h"
#include "window/jsonwriter.h"
#include "window/pagetexts.h"
#include "window/picturewords.h"
#include "window/snapshotjson.h"
#include "window/windowsession.h"

#include <emscripten/bind.h>

#include <string>
#include <string_view>
#include <utility>

namespace {

// A name the user typed, as the desktop's rules make it, and why it is
// refused (empty when it is not), with the messages the page shows:
// {"name", "type", "mediaType", "refusal", "refusalMessage", "notWrittenMessage"}.
// The name box takes a bare name, so a folder in it is refused too
// (export/picturename.h); then the same checks as every name the window
// writes: no controls, a length the file systems take. The messages' name is
// escaped as in the window's.
std::string nameAnswer(const PictureName& named, int type, PictureFormat format)
{
    const std::string refusal = named.refused() ? named.refusal : refuseName(named.path);
    JsonWriter json;
    json.beginObject().field("name", named.path).field("type", type).field("mediaType", mediaType(format));
    json.field("refusal", refusal);
    if (!refusal.empty())
        json.field("refusalMessage", SaveTexts::refusedNameMessage(named.path, refusal));
    json.field("notWrittenMessage", SaveTexts::notWrittenMessage(named.path, SaveTexts::kBrowserRefused));
    return json.endObject().text();
}

bool isExport(const std::string& dialog)
{
    return dialog == requestKindName(RequestKind::ExportDialog);
}

// The answer of the dialog `dialog` ("saveDialog" or "exportDialog", as the
// session's request names it) to a typed name; `filterIndex` 1-based, as the
// dialog's type list reports it.
std::string fileName(const std::string& dialog, const std::string& typed, int filterIndex)
{
    if (!isExport(dialog))
        return nameAnswer(savedPictureName(typed, NameForm::BareName), -1, PictureFormat::Bitmap);
    const PictureName named = exportedPictureName(typed, filterIndex, NameForm::BareName);
    return nameAnswer(named, static_cast<int>(named.type), kExportTypes.at(named.type).format);
}

// The name dialog `dialog` as the page shows it: its title, its captions and
// the types it offers (the export's; none for the bitmap).
std::string fileDialog(const std::string& dialog)
{
    using namespace SaveTexts;
    const bool exporting = isExport(dialog);
    JsonWriter json;
    json.beginObject()
        .field("id", dialog)
        .field("caption", exporting ? kExportDialogTitle : kSaveDialogTitle);
    json.field("okCaption", exporting ? kExportButton : kSaveButton).field("cancelCaption", kCancelButton);
    json.field("nameCaption", kNameCaption).field("typeCaption", kTypeCaption).key("types").beginArray();
    for (const ExportType& type : kExportTypes)
        if (exporting)
            json.value(std::string(type.description) + " (*" + std::string(type.extension) + ")");
    return json.endArray().endObject().text();
}

// The texts of the page's own dialogs and lines, read once at start.
std::string pageTexts()
{
    const std::pair<std::string_view, std::string_view> texts[] = {
        {"pictureName", PageTexts::kPictureName},
        {"shortName", PageTexts::kShortName},
        {"programEnded", PageTexts::kProgramEnded},
        {"shareFailed", PageTexts::kShareFailed},
        {"turnLeft", PageTexts::kTurnLeft},
        {"turnRight", PageTexts::kTurnRight},
        {"turnUp", PageTexts::kTurnUp},
        {"turnDown", PageTexts::kTurnDown},
    };
    JsonWriter json;
    json.beginObject();
    for (const auto& [key, text] : texts)
        json.field(key, text);
    for (const auto& [key, what] : {std::pair{"pictureRefused", PageTexts::kCopiedPicture},
                                    std::pair{"viewCodeRefused", PageTexts::kCopiedViewCode}})
        json.field(key, SaveTexts::fillIn(PageTexts::kClipboardRefused, what, {}));
    json.field("pictureWordsRest", kPictureWordsRestMilliseconds);
    json.field("addressDelay", WindowSession::kAddressRewriteMilliseconds);
    json.endObject();
    return json.text();
}

} // namespace

EMSCRIPTEN_BINDINGS(ruvex_texts)
{
    emscripten::function("fileDialog", &fileDialog);
    emscripten::function("fileName", &fileName);
    emscripten::function("pageTexts", &pageTexts);
}
