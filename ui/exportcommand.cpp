#include "ui/exportcommand.h"

#include "export/bitmapfile.h"
#include "export/osdialog.h"
#include "export/picturepath.h"
#include "export/svgpicture.h"
#include "surface/shapecatalogue.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "ui/savecommand.h"
#include "ui/windowhandle.h"
#include "view/scaledwireframe.h"
#include "view/wireframelines.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>

#include <cmath>
#include <string>
#include <utility>

namespace {

const std::string kDialogTitle = "Ekspor Gambar Bangun Ruang";

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

// The picture with a palette, one byte a pixel, when it has few enough
// colours (a wireframe has three): the same pixels in a third of the data,
// which is what the compression's time goes by. Null otherwise.
QImage paletteImage(const PixelBuffer& picture)
{
    constexpr int kLargestPalette = 256;
    QImage image(picture.width(), picture.height(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    std::uint32_t lastPixel = 0;
    uchar lastIndex = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint32_t* from = picture.bits() + y * picture.stride();
        uchar* to = image.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t pixel = from[x];
            if (pixel != lastPixel || palette.isEmpty()) {
                qsizetype index = palette.indexOf(pixel);
                if (index < 0) {
                    if (palette.size() == kLargestPalette)
                        return {};
                    palette.append(pixel);
                    index = palette.size() - 1;
                }
                lastPixel = pixel;
                lastIndex = static_cast<uchar>(index);
            }
            to[x] = lastIndex;
        }
    }
    image.setColorTable(palette);
    return image;
}

QByteArray pngFile(const ExportView& view, int scale)
{
    const PixelBuffer scaled = scale == 1
        ? PixelBuffer()
        : scaledPicture(view.lines, view.picture.width(), view.picture.height(), scale);
    // The resolution is set whatever the display's: the same view gives the
    // same bytes with or without a window.
    const PixelBuffer& picture = scale == 1 ? view.picture : scaled;
    QImage image = paletteImage(picture);
    if (image.isNull())
        image = imageOf(picture);
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
    if (bytes.isEmpty()) {
        const QString kind = format == PictureFormat::Bitmap ? QStringLiteral("bitmap")
            : format == PictureFormat::Png                   ? QStringLiteral("PNG")
                                                             : QStringLiteral("SVG");
        return QStringLiteral("Gambar tidak dapat diubah menjadi file %1.").arg(kind);
    }
    return writeWholeFile(path, bytes);
}

ExportCommand::ExportCommand(QWidget* owner, QString& exportPath, std::size_t& exportType)
    : m_owner(owner)
    , m_path(exportPath)
    , m_type(exportType)
{
}

ExportCommand::Outcome ExportCommand::run(const ExportView& view)
{
    // The name is vetted, and an existing file confirmed, as for "Save
    // Gambar": a refusal or a "no" brings the dialog back with that name.
    std::optional<ExportTarget> target;
    std::optional<QString> real;
    do {
        target = choose();
        if (!target)
            return Outcome::Cancelled;
        m_path = QString::fromStdString(target->path);
        real = chooseTarget(m_owner, m_path);
    } while (!real);

    const ExportType& type = kExportTypes[target->type];
    m_type = target->type;
    if (const auto failure = writePictureFile(*real, view, type.format, type.scale)) {
        m_path.clear();
        if (const auto& report = savePrompts().reportFailure)
            report(m_owner, *real, *failure);
        return Outcome::Failed;
    }
    return Outcome::Saved;
}

std::optional<ExportTarget> ExportCommand::choose()
{
    std::string path = m_path.toStdString();
    const std::string folder = folderOf(path);
    if (path.size() > OSDialog::kBufferLength)
        path.clear();
    auto filterIndex = static_cast<std::int32_t>(m_type + 1);
    OSDialog dialog;
    dialog.ShowSave(path, kDialogTitle, exportDialogFilter(), folder, {}, hWndOf(m_owner), filterIndex, {},
                    true, 0);
    m_path = QString::fromStdString(path);
    if (path.empty())
        return std::nullopt;
    return exportTarget(path, filterIndex);
}
