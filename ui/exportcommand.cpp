#include "ui/exportcommand.h"

#include "export/bitmapfile.h"
#include "export/pngfile.h"
#include "export/savetexts.h"
#include "export/svgpicture.h"
#include "surface/shapecatalogue.h"
#include "ui/qtext.h"
#include "ui/wholefile.h"
#include "view/wireframelines.h"

#include <string>

namespace {

const std::string kDialogTitle(SaveTexts::kExportDialogTitle);

QByteArray svgFile(const ExportView& view)
{
    const std::string title = "RUVEX Display 3D: " + std::string(shapeCaption(view.state.ShapeIndex));
    const std::string svg = svgPicture(view.lines, view.picture.width(), view.picture.height(), title);
    return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

} // namespace

QByteArray pictureFile(const ExportView& view, PictureFormat format, int scale)
{
    switch (format) {
    case PictureFormat::Bitmap:
        return toQByteArray(bitmapFileBytes(view.picture));
    case PictureFormat::Png:
        return toQByteArray(viewPngFile(view.picture, view.lines, scale));
    case PictureFormat::Svg:
        return svgFile(view);
    }
    return {};
}

std::optional<QString> writePictureFile(const QString& path, const ExportView& view, PictureFormat format,
                                        int scale)
{
    // Encoded in memory first, so that every failure left is the disk's.
    const QByteArray bytes = pictureFile(view, format, scale);
    if (bytes.isEmpty())
        return toQString(SaveTexts::encodingFailure(format));
    return writeWholeFile(path, bytes);
}

PictureFileKind pictureExport(const ExportView& view)
{
    const auto target = [](const std::string& chosen, std::int32_t filterIndex) {
        return exportedPictureName(chosen, filterIndex, NameForm::Path);
    };
    const auto bytes = [&view](const PictureName& named) {
        return pictureFile(view, named.format, kExportTypes[named.type].scale);
    };
    return {kDialogTitle, exportDialogFilter(), target, bytes};
}
