// The pictures and files the page shows and offers (bindingpage.h): the
// drawing area's picture, its scaled views handed over band by band, and the
// files made as the desktop makes them, from the lines of the picture shown,
// the teaching aids included.

#include "bindingpage.h"

#include "export/bitmapfile.h"
#include "export/picturefile.h"
#include "export/picturetypes.h"
#include "export/pngfile.h"
#include "export/svgpicture.h"
#include "surface/shapecatalogue.h"
#include "window/lessoncaption.h"
#include "window/snapshotjson.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// RGBA bytes, the canvas's order, of the part `rect` of a picture of
// 0xFFRRGGBB pixels, row after row. WebAssembly is little-endian, so each
// pixel goes as one word whose bytes are R, G, B and an opaque A: one store
// instead of four, which counts on the first picture, drawn before the
// WebAssembly is optimised.
static_assert(std::endian::native == std::endian::little);
template <typename Bytes> void copyRgba(const PixelBuffer& image, const PixelRect& rect, Bytes& rgba)
{
    rgba.resize(static_cast<std::size_t>(std::max(rect.width, 0))
                * static_cast<std::size_t>(std::max(rect.height, 0)) * 4);
    std::uint8_t* out = rgba.data();
    for (int y = rect.y; y < rect.y + rect.height; ++y) {
        const std::uint32_t* row = image.bits() + y * image.stride() + rect.x;
        for (int x = 0; x < rect.width; ++x, out += 4) {
            const std::uint32_t pixel = row[x];
            const std::uint32_t bytes
                = 0xFF000000U | (pixel & 0x0000FF00U) | ((pixel >> 16) & 0xFFU) | ((pixel & 0xFFU) << 16);
            std::memcpy(out, &bytes, sizeof bytes);
        }
    }
}

template <typename Bytes> emscripten::val bytesView(const Bytes& bytes)
{
    return emscripten::val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

// The most pixels handed to the page in one band: 2 MB of RGBA.
constexpr int kBandPixels = 1 << 19;

} // namespace

emscripten::val RuvexPage::pixels()
{
    copyRgba(m_area.Image(), m_area.Image().rect(), m_rgba);
    return bytesView(m_rgba);
}

emscripten::val RuvexPage::bitmapFile()
{
    m_file = bitmapFileBytes(m_area.Image());
    return bytesView(m_file);
}

// "Ekspor Gambar…" as kExportTypes[type]: the PNG at the type's scale, the
// command line's bytes for the same view, or the SVG.
emscripten::val RuvexPage::exportFile(int type)
{
    const ExportType& chosen = kExportTypes.at(static_cast<std::size_t>(type));
    m_file = pictureFileBytes(exportedView(m_session.model()), chosen.format, chosen.scale);
    return bytesView(m_file);
}

// The picture shown as the PNG "Bagikan Gambar" and "Salin Gambar" hand over:
// the export's at the picture's own size.
emscripten::val RuvexPage::pngFile()
{
    m_file = viewPngFile(m_area.Image(), m_session.model().pictureLines(), 1);
    return bytesView(m_file);
}

emscripten::val RuvexPage::pictureFile(const std::string& dialog, int type)
{
    return dialog == requestKindName(RequestKind::ExportDialog) ? exportFile(type) : bitmapFile();
}

// The canvas shows the drawing area's scaled view while it is open, else the
// picture at its own size; "Layar Penuh" its own view.
unsigned RuvexPage::handOver(const AppliedIntent& applied)
{
    m_record.fill(0);
    if (!(applied & kPictureChanged))
        return applied;
    const auto index = [](ScaledView view) { return static_cast<std::size_t>(view); };
    if (m_session.scaledViewOpen(ScaledView::DrawingArea))
        record(0, m_session.scaledPicture(ScaledView::DrawingArea).image(),
               applied.redrawn.beside[index(ScaledView::DrawingArea)]);
    else
        record(0, m_area.Image(), applied.redrawn.area);
    if (m_session.scaledViewOpen(ScaledView::FullScreen))
        record(1, m_session.scaledPicture(ScaledView::FullScreen).image(),
               applied.redrawn.beside[index(ScaledView::FullScreen)]);
    return applied;
}

void RuvexPage::record(std::size_t surface, const PixelBuffer& image, const PixelRect& changed)
{
    const PixelRect part = changed.intersected(image.rect());
    std::vector<std::uint8_t>& rgba = m_recordedRgba.at(surface);
    copyRgba(image, part, rgba);
    std::int32_t* fields = m_record.data() + surface * kRecordFields;
    fields[0] = part.x;
    fields[1] = part.y;
    fields[2] = part.width;
    fields[3] = part.height;
    fields[4] = static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(rgba.data()));
    fields[5] = image.height();
}

void RuvexPage::openView(ScaledView which, int width, int height)
{
    unsent(which) = {};
    m_session.openScaledView(which, width, height);
}

// The screen's device pixels up to the largest picture (screenPictureSize),
// which the browser then enlarges.
emscripten::val RuvexPage::openPresentation(double width, double height, double deviceRatio)
{
    const ScreenPictureSize size = screenPictureSize(width, height, deviceRatio);
    openView(ScaledView::FullScreen, size.width, size.height);
    emscripten::val shown = emscripten::val::object();
    shown.set("width", size.width);
    shown.set("height", size.height);
    shown.set("ratio", size.ratio);
    return shown;
}

// Closed, its memory and the copies' given back; the drawing area's scaled
// view shows the view again (screenChanges).
void RuvexPage::closePresentation()
{
    unsent(ScaledView::FullScreen) = {};
    m_session.closeScaledView(ScaledView::FullScreen);
    std::vector<std::uint8_t>().swap(m_rgba);
    std::vector<std::uint8_t>().swap(m_file);
    std::vector<std::uint8_t>().swap(m_recordedRgba[1]);
}

emscripten::val RuvexPage::presentationBand()
{
    const CaptionBand band = m_session.fullScreenBand();
    emscripten::val shown = emscripten::val::object();
    shown.set("pictureHeight", m_session.scaledPicture(ScaledView::FullScreen).image().height());
    shown.set("height", band.height);
    shown.set("textHeight", band.textHeight);
    return shown;
}

emscripten::val RuvexPage::presentationPixels()
{
    const PixelBuffer& image = m_session.scaledPicture(ScaledView::FullScreen).image();
    copyRgba(image, image.rect(), m_file);
    return bytesView(m_file);
}

// A band of rows of what changed, {x, y, width, height, data}, the first of
// those not yet handed over; empty once all are. A screen-sized change goes
// over in bands, so its RGBA copy stays small; the data is a view on the
// page's memory that the script puts on the canvas as it is.
emscripten::val RuvexPage::changedRgba(ScaledView which)
{
    PresentationPicture& picture = m_session.scaledPicture(which);
    PixelRect& waiting = unsent(which);
    if (waiting.isEmpty())
        waiting = picture.takeChangedRect().intersected(picture.image().rect());
    PixelRect changed = waiting;
    changed.height = std::min(changed.height, std::max(1, kBandPixels / std::max(changed.width, 1)));
    waiting.y += changed.height;
    waiting.height -= changed.height;
    return rgbaBand(picture.image(), changed);
}

emscripten::val RuvexPage::rgbaBand(const PixelBuffer& image, const PixelRect& band)
{
    copyRgba(image, band, m_rgba);
    emscripten::val part = emscripten::val::object();
    part.set("x", band.x);
    part.set("y", band.y);
    part.set("width", band.width);
    part.set("height", band.height);
    part.set("data", bytesView(m_rgba));
    return part;
}

void RuvexPage::showScreen(int width, int height)
{
    m_wholeHanded = false;
    if (width == pictureWidth() && height == pictureHeight())
        m_session.closeScaledView(ScaledView::DrawingArea);
    else
        openView(ScaledView::DrawingArea, width, height);
}

emscripten::val RuvexPage::screenChanges()
{
    if (m_session.scaledViewOpen(ScaledView::DrawingArea))
        return changedRgba(ScaledView::DrawingArea);
    m_wholeHanded = !m_wholeHanded;
    return rgbaBand(m_area.Image(), m_wholeHanded ? m_area.Image().rect() : PixelRect{});
}
