#include "export/picturefilekind.h"

#include "export/bitmapfile.h"
#include "export/savetexts.h"

PictureFileKind bitmapSave(const PixelBuffer& picture)
{
    return {std::string(SaveTexts::kSaveDialogTitle), std::string(SaveTexts::kSaveDialogFilter),
            [](const std::string& chosen, std::int32_t) { return savedPictureName(chosen, NameForm::Path); },
            [&picture](const PictureName&) { return bitmapFileBytes(picture); }};
}

PictureFileKind pictureExport(const PictureFileView& view)
{
    const auto target = [](const std::string& chosen, std::int32_t filterIndex) {
        return exportedPictureName(chosen, filterIndex, NameForm::Path);
    };
    const auto bytes = [&view](const PictureName& named) {
        return pictureFileBytes(view, named.format, kExportTypes[named.type].scale);
    };
    return {std::string(SaveTexts::kExportDialogTitle), exportDialogFilter(), target, bytes};
}
