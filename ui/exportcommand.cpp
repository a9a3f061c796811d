#include "ui/exportcommand.h"

#include "export/bitmapfile.h"
#include "export/savetexts.h"
#include "export/svgpicture.h"
#include "surface/shapecatalogue.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "ui/wholefile.h"
#include "view/scaledwireframe.h"
#include "view/wireframelines.h"

#include <QBuffer>
#include <QImage>

#include <cmath>
#include <string>

namespace {

const std::string kDialogTitle(SaveTexts::kExportDialogTitle);

// 96 dots per inch, the drawing area's pixels on a screen.
constexpr double kScreenDotsPerMetre = 96.0 / 0.0254;

QByteArray pngFileBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // A failed encoding leaves nothing to write, as for the bitmap.
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QByteArray pngFile(const ExportView& view, int scale)
{
    const PixelBuffer scaled = scale == 1
        ? PixelBuffer()
        : scaledPicture(view.lines, view.picture.width(), view.picture.height(), scale);
    // The resolution is set whatever the display's: the same view gives the
    // same bytes with or without a window.
    const PixelBuffer& picture = scale == 1 ? view.picture : scaled;
    // With a palette, one byte a pixel: a drawing holds only its pens' few
    // colours (a wireframe three), which the toolkit keeps exactly, and a
    // third of the data is what the compression's time goes by.
    QImage image = imageOf(picture).convertToFormat(QImage::Format_Indexed8);
    const auto dotsPerMetre = static_cast<int>(std::lround(kScreenDotsPerMetre * scale));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return pngFileBytes(image);
}

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
        return pngFile(view, scale);
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
