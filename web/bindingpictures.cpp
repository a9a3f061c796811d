// The pictures and files the page shows and offers (bindingpage.h): the
// drawing area's picture, its scaled views left in the record, and the
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

// What an intent redrew, left in the record for the canvas that shows it.
// "Layar Penuh" covers the drawing area's canvas while open: that is drawn
// whole again as it closes.
unsigned RuvexPage::handOver(const AppliedIntent& applied)
{
    m_record.fill(0);
    if (!(applied & kPictureChanged))
        return applied;
    const auto index = [](ScaledView view) { return static_cast<std::size_t>(view); };
    if (m_session.scaledViewOpen(ScaledView::FullScreen))
        record(1, applied.redrawn.beside[index(ScaledView::FullScreen)]);
    else if (m_session.scaledViewOpen(ScaledView::DrawingArea))
        record(0, applied.redrawn.beside[index(ScaledView::DrawingArea)]);
    else
        record(0, applied.redrawn.area);
    return applied;
}

// The canvas shows the drawing area's scaled view while it is open, else the
// picture at its own size; "Layar Penuh" its own view.
const PixelBuffer& RuvexPage::shownImage(std::size_t surface)
{
    if (surface == 0 && !m_session.scaledViewOpen(ScaledView::DrawingArea))
        return m_area.Image();
    return m_session.scaledPicture(surface == 0 ? ScaledView::DrawingArea : ScaledView::FullScreen).image();
}

void RuvexPage::record(std::size_t surface, const PixelRect& changed)
{
    const PixelBuffer& image = shownImage(surface);
    const PixelRect part = changed.intersected(image.rect());
    std::vector<std::uint8_t>& rgba = m_recordedRgba.at(surface);
    copyRgba(image, part, rgba);
    std::int32_t* fields = m_record.data() + surface * kRecordFields;
    fields[0] = part.x;
    fields[1] = part.y;
    fields[2] = part.width;
    fields[3] = part.height;
    fields[4] = static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(rgba.data()));
}

// A canvas's whole picture in the record, the other's part empty.
void RuvexPage::recordWhole(std::size_t surface)
{
    m_record.fill(0);
    record(surface, shownImage(surface).rect());
}

// The screen's device pixels up to the largest picture (screenPictureSize),
// which the browser then enlarges. The drawing area's scaled view and its
// copy give their memory to it until it closes.
emscripten::val RuvexPage::openPresentation(double width, double height, double deviceRatio)
{
    m_session.closeScaledView(ScaledView::DrawingArea);
    giveBackCopies();
    const ScreenPictureSize size = screenPictureSize(width, height, deviceRatio);
    m_session.openScaledView(ScaledView::FullScreen, size.width, size.height);
    m_presentationRatio = size.ratio;
    recordWhole(1);
    emscripten::val shown = emscripten::val::object();
    shown.set("width", size.width);
    shown.set("height", size.height);
    shown.set("ratio", size.ratio);
    return shown;
}

// Closed, its memory and the copies' given back; the canvas shows the view
// again.
void RuvexPage::closePresentation()
{
    m_session.closeScaledView(ScaledView::FullScreen);
    fitScreen();
}

// The copies of pictures given back before a picture is made at another
// size, so that the pictures of one size take the room of the last's and
// the page's memory grows no further than the largest of them needs.
void RuvexPage::giveBackCopies()
{
    std::vector<std::uint8_t>().swap(m_rgba);
    std::vector<std::uint8_t>().swap(m_file);
    for (std::vector<std::uint8_t>& copy : m_recordedRgba)
        std::vector<std::uint8_t>().swap(copy);
}

emscripten::val RuvexPage::presentationBand()
{
    const CaptionBand band = m_session.fullScreenBand();
    emscripten::val shown = emscripten::val::object();
    shown.set("pictureHeight", m_session.scaledPicture(ScaledView::FullScreen).image().height());
    shown.set("height", band.height);
    shown.set("textHeight", band.textHeight);
    shown.set("caption", fullScreenCaption(m_session.model()));
    return shown;
}

emscripten::val RuvexPage::presentationPixels()
{
    const PixelBuffer& image = m_session.scaledPicture(ScaledView::FullScreen).image();
    copyRgba(image, image.rect(), m_file);
    return bytesView(m_file);
}

void RuvexPage::showScreen(int width, int height)
{
    m_screen = {width, height};
    m_record.fill(0);
    if (!m_session.scaledViewOpen(ScaledView::FullScreen))
        fitScreen();
}

void RuvexPage::fitScreen()
{
    // The old size's memory given back before the new size's is taken.
    m_session.closeScaledView(ScaledView::DrawingArea);
    giveBackCopies();
    m_session.showDrawingAreaAt(m_screen.width, m_screen.height);
    recordWhole(0);
}
