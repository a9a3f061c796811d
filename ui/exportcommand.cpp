#include "ui/exportcommand.h"

#include "export/savetexts.h"
#include "ui/qtext.h"

#include <string>

namespace {

const std::string kDialogTitle(SaveTexts::kExportDialogTitle);

} // namespace

PictureFileKind pictureExport(const PictureFileView& view)
{
    const auto target = [](const std::string& chosen, std::int32_t filterIndex) {
        return exportedPictureName(chosen, filterIndex, NameForm::Path);
    };
    const auto bytes = [&view](const PictureName& named) {
        return toQByteArray(pictureFileBytes(view, named.format, kExportTypes[named.type].scale));
    };
    return {kDialogTitle, exportDialogFilter(), target, bytes};
}
