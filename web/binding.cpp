// The page's way into the core: one Form1Model with its drawing area, the
// window's description as JSON, and the files the page offers for download,
// exported to the page's script with embind (the texts and the download
// names are bindingtexts.cpp's). The script turns browser events
// into these calls and copies pixels() to the canvas; every rule, text and
// picture comes from here.
//
// Nothing here decides what the window does: each call is one handler of the
// model, or a read of its state.

#include "window/form1layout.h"
#include "window/form1model.h"
#include "window/jsonwriter.h"
#include "window/windowdescription.h"

#include "export/bitmapfile.h"
#include "export/picturefile.h"
#include "export/picturetypes.h"
#include "export/pngfile.h"
#include "surface/animation.h"
#include "surface/shapecatalogue.h"
#include "view/presentationpicture.h"
#include "view/wireframelines.h"
#include "window/sectionwindowlayout.h"
#include "window/twips.h"
#include "window/viewsettings.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace {

// The page's side of the start-up sequence: the drawing area's size goes to
// the area itself (the canvas follows its picture); the shape buttons start
// at their stored places, where the page has put them from the description,
// and the column the sequence lines them up in is kept for the page to apply.
class PageLoadWindow final : public Form1LoadWindow {
public:
    explicit PageLoadWindow(PictureBox& area)
        : m_area(area)
    {
    }
    void setPictureHeight(int pixels) override { m_area.setHeight(pixels); }
    void setPictureWidth(int pixels) override { m_area.setWidth(pixels); }
    int firstOptionTop() const override
    {
        return Form1Layout::findControl(Form1Layout::kShapeButtonNames.front())->place.top;
    }
    void placeOptions(const OptionColumn& column) override { m_column = column; }
    const OptionColumn& column() const { return m_column; }

private:
    PictureBox& m_area;
    OptionColumn m_column{};
};

// RGBA bytes, the canvas's order, of a picture of 0xFFRRGGBB pixels.
void copyRgba(const PixelBuffer& image, std::vector<std::uint8_t>& rgba)
{
    const std::size_t count
        = static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height());
    rgba.resize(count * 4);
    const std::uint32_t* source = image.bits();
    for (std::size_t n = 0; n < count; ++n) {
        const std::uint32_t pixel = source[n];
        rgba[n * 4] = static_cast<std::uint8_t>(pixel >> 16);
        rgba[n * 4 + 1] = static_cast<std::uint8_t>(pixel >> 8);
        rgba[n * 4 + 2] = static_cast<std::uint8_t>(pixel);
        rgba[n * 4 + 3] = 0xFF;
    }
}

// The same for the part `rect` of the picture, row after row.
void copyRgba(const PixelBuffer& image, const PixelRect& rect, std::vector<std::uint8_t>& rgba)
{
    rgba.resize(static_cast<std::size_t>(std::max(rect.width, 0))
                * static_cast<std::size_t>(std::max(rect.height, 0)) * 4);
    std::uint8_t* out = rgba.data();
    for (int y = rect.y; y < rect.y + rect.height; ++y) {
        const std::uint32_t* row = image.bits() + y * image.stride() + rect.x;
        for (int x = 0; x < rect.width; ++x, out += 4) {
            out[0] = static_cast<std::uint8_t>(row[x] >> 16);
            out[1] = static_cast<std::uint8_t>(row[x] >> 8);
            out[2] = static_cast<std::uint8_t>(row[x]);
            out[3] = 0xFF;
        }
    }
}

emscripten::val bytesView(const std::vector<std::uint8_t>& bytes)
{
    return emscripten::val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

} // namespace

class RuvexPage {
public:
    RuvexPage()
        : m_model(m_area)
    {
        // The drawing area's picture at device pixels is hidden while "Layar
        // Penuh" covers the page: it is drawn again when that closes, so a
        // pointer move full screen costs the same at any pixel ratio.
        m_model.setRedrawListener([this] {
            m_presentation.redrawIfOpen(m_model.pictureLines());
            if (!m_presentation.shown)
                m_screen.redrawIfOpen(m_model.pictureLines());
        });
    }

    // Runs the window's start-up sequence. Returns where it has put the
    // shape buttons, in pixels within their frame, by name:
    // {"Option1(0)":{"x":10,"y":20},...}.
    std::string start()
    {
        PageLoadWindow window(m_area);
        m_model.Form_Load(window);
        JsonWriter json;
        json.beginObject();
        for (std::size_t n = 0; n < window.column().size(); ++n) {
            const OptionPlace& place = window.column()[n];
            json.key(Form1Layout::kShapeButtonNames.at(n)).beginObject();
            json.field("x", twipsToPixels(place.left)).field("y", twipsToPixels(place.top)).endObject();
        }
        json.endObject();
        return json.text();
    }

    Form1Model& model() { return m_model; }
    const Form1Model& model() const { return m_model; }

    // Everything the controls show, read after each call.
    std::string state() const
    {
        const Form1Model& m = m_model;
        const ViewState& view = m.viewState();
        JsonWriter json;
        json.beginObject()
            .field("description", m.description())
            .field("aspectCaption", m.aspectCaption())
            .field("distanceCaption", m.distanceCaption())
            .field("shape", m.shapeIndex())
            .field("anim", m.animButton())
            .field("timer1", m.timer1Enabled())
            .field("timer2", m.timer2Enabled())
            .field("tick", tickInterval(m.timerInterval()))
            .field("perspective", m.perspectiveBox())
            .field("distanceEnabled", m.distanceBarEnabled())
            .field("aspect", m.aspectTenths())
            .field("distance", m.distance())
            .field("speed", m.speedIndex())
            .field("pointerX", static_cast<double>(view.MouseX))
            .field("pointerY", static_cast<double>(view.MouseY))
            .field("backLines", m.pictureOptions().dashedBackLines)
            .field("axes", m.pictureOptions().axes)
            .field("dragToTurn", m.dragToTurn());
        // Which member of each control array is chosen, by the array's name.
        json.key("chosen").beginObject();
        json.field("Option1", m.shapeIndex()).field("optAnim", m.animButton()).endObject();
        writeSection(json);
        json.endObject();
        return json.text();
    }

    // The drawing area's picture as RGBA bytes, the canvas's order, in a
    // buffer of the page's that the script reads in place.
    emscripten::val pixels()
    {
        copyRgba(m_model.area().Image(), m_rgba);
        return bytesView(m_rgba);
    }

    // The files the page downloads, made as the desktop makes them: from the
    // lines of the picture shown, the teaching aids included.
    emscripten::val bitmapFile()
    {
        m_file = bitmapFileBytes(m_model.area().Image());
        return bytesView(m_file);
    }
    // "Ekspor Gambar…" as kExportTypes[type]: the PNG at the type's scale,
    // the command line's bytes for the same view, or the SVG.
    emscripten::val exportFile(int type)
    {
        const ExportType& chosen = kExportTypes.at(static_cast<std::size_t>(type));
        const PictureFileView view{m_model.area().Image(), m_model.pictureLines(), m_model.shapeIndex()};
        m_file = pictureFileBytes(view, chosen.format, chosen.scale);
        return bytesView(m_file);
    }
    // The picture shown as the PNG "Bagikan Gambar" and "Salin Gambar" hand
    // over: the export's at the picture's own size.
    emscripten::val pngFile()
    {
        m_file = viewPngFile(m_model.area().Image(), m_model.pictureLines(), 1);
        return bytesView(m_file);
    }

    // The drawing area on a screen with more device pixels than the
    // picture has pixels (a high-density screen, a zoomed page, a phone's
    // narrow layout): the view drawn again at the canvas's device pixels,
    // never the picture enlarged, and redrawn with every redraw of the
    // drawing area while it is open.
    void openScreen(int width, int height) { open(m_screen, width, height); }
    void closeScreen() { m_screen.shown = false; }
    // The part of that picture changed since the last call, as RGBA, a band
    // of rows a call until an empty one: {x, y, width, height, data}, the
    // data a view on the page's memory that the script puts on the canvas as
    // it is.
    emscripten::val screenChanges() { return changedRgba(m_screen); }

    // "Layar Penuh": the view drawn again for a screen of width x height CSS
    // pixels at the browser's device-pixel ratio, redrawn with every redraw
    // of the drawing area while it is open. Returns the picture's size and
    // its pixels per CSS pixel, {width, height, ratio}: the screen's device
    // pixels up to the largest picture (screenPictureSize), which the
    // browser then enlarges.
    emscripten::val openPresentation(double width, double height, double deviceRatio)
    {
        const ScreenPictureSize size = screenPictureSize(width, height, deviceRatio);
        open(m_presentation, size.width, size.height);
        emscripten::val shown = emscripten::val::object();
        shown.set("width", size.width);
        shown.set("height", size.height);
        shown.set("ratio", size.ratio);
        return shown;
    }
    // Closed, its memory and the copies' given back; the drawing area's
    // picture at device pixels shows the view again (screenChanges).
    void closePresentation()
    {
        m_presentation.shown = false;
        m_presentation.unsent = {};
        m_presentation.picture.release();
        std::vector<std::uint8_t>().swap(m_rgba);
        std::vector<std::uint8_t>().swap(m_file);
        m_screen.redrawIfOpen(m_model.pictureLines());
    }
    emscripten::val presentationChanges() { return changedRgba(m_presentation); }
    emscripten::val presentationPixels()
    {
        copyRgba(m_presentation.picture.image(), m_file);
        return bytesView(m_file);
    }
    // The position over the drawing area that a point of the screen's
    // picture was drawn from, {x, y}: a pointer there goes to the drawing
    // area's handlers, and turns the solid by their rules.
    emscripten::val presentationPosition(double x, double y) const
    {
        const SourcePoint point = m_presentation.picture.sourcePosition(x, y);
        emscripten::val position = emscripten::val::object();
        position.set("x", point.x);
        position.set("y", point.y);
        return position;
    }

    int pictureWidth() const { return m_model.area().Image().width(); }
    int pictureHeight() const { return m_model.area().Image().height(); }

private:
    // A picture of the view at another size, kept up to date while shown.
    struct OpenPicture {
        PresentationPicture picture;
        bool shown = false;
        PixelRect unsent; // changed, and not yet handed to the page
        void redrawIfOpen(const std::vector<WireframePolyline>& lines)
        {
            if (shown)
                picture.redraw(lines);
        }
    };

    void open(OpenPicture& target, int width, int height)
    {
        const PixelBuffer& image = m_model.area().Image();
        target.picture.resize(width, height, image.width(), image.height());
        target.unsent = {};
        target.shown = true;
        target.picture.redraw(m_model.pictureLines());
    }

    // "Irisan Bidang": whether it is shown, its bars, box and texts.
    void writeSection(JsonWriter& json) const
    {
        const SectionView& view = m_model.sectionView();
        const PlaneSection& section = m_model.planeSection();
        json.key("section").beginObject().field("shown", m_model.sectionShown());
        json.field("tilt", view.plane.tiltDegrees).field("distance", view.plane.distance);
        json.field("outline", view.outline);
        json.field("tiltText", SectionWindowLayout::tiltText(view.plane.tiltDegrees));
        json.field("distanceText", SectionWindowLayout::distanceText(view.plane.distance));
        json.field("solid", section.solidEquation).field("line", section.line()).endObject();
    }

    // A band of rows of what changed, the first of those not yet handed
    // over; empty once all are. A screen-sized change goes over in bands, so
    // its RGBA copy stays small.
    emscripten::val changedRgba(OpenPicture& target)
    {
        const PresentationPicture& picture = target.picture;
        if (target.unsent.isEmpty())
            target.unsent = target.picture.takeChangedRect().intersected(picture.image().rect());
        PixelRect changed = target.unsent;
        changed.height = std::min(changed.height, std::max(1, kBandPixels / std::max(changed.width, 1)));
        target.unsent.y += changed.height;
        target.unsent.height -= changed.height;
        copyRgba(picture.image(), changed, m_rgba);
        emscripten::val part = emscripten::val::object();
        part.set("x", changed.x);
        part.set("y", changed.y);
        part.set("width", changed.width);
        part.set("height", changed.height);
        part.set("data", bytesView(m_rgba));
        return part;
    }

    // The most pixels handed to the page in one band: 2 MB of RGBA.
    static constexpr int kBandPixels = 1 << 19;

    PictureBox m_area;
    Form1Model m_model;

    std::vector<std::uint8_t> m_rgba;
    std::vector<std::uint8_t> m_file;
    // Both drawn from the lines of the picture shown, the teaching aids
    // included, as every picture made from the view.
    OpenPicture m_presentation;
    OpenPicture m_screen;
};

namespace {

// A handler of the model, exported under its own name: page.Option1_Click(3)
// runs the model's Option1_Click(3), so the script holds no rule.
template <auto Handler> struct ModelHandler;
template <class Result, class... Args, Result (Form1Model::*Handler)(Args...)> struct ModelHandler<Handler> {
    static Result call(RuvexPage& page, Args... args) { return (page.model().*Handler)(args...); }
};

// The menu's switches, as the window's items set them: the item's new check
// state goes to the model, which redraws the view with the aids.
void backLinesClick(RuvexPage& page, bool on)
{
    PictureOptions options = page.model().pictureOptions();
    options.dashedBackLines = on;
    page.model().setPictureOptions(options);
}
void axesClick(RuvexPage& page, bool on)
{
    PictureOptions options = page.model().pictureOptions();
    options.axes = on;
    page.model().setPictureOptions(options);
}
// The name "Bagikan Gambar" hands the picture on under: the shape's.
std::string shareName(const RuvexPage& page)
{
    return sharedPictureName(shapeCaption(page.model().viewState().ShapeIndex));
}
// What "Salin Kode Tampilan" copies.
std::string viewCommand(const RuvexPage& page)
{
    return page.model().viewCommand();
}
// The address fragment of the view shown, "#shape=3&view=120,60...", which
// opens it again.
std::string viewAddress(const RuvexPage& page)
{
    return '#' + viewFragment(page.model().viewSettings());
}
// Opens on the view an address fragment names. Empty when it is opened; the
// sentence refusing it otherwise, and the view is left as it was.
std::string openFragment(RuvexPage& page, const std::string& fragment)
{
    const auto settings = viewSettingsOfFragment(fragment);
    if (const auto* refusal = std::get_if<std::string>(&settings))
        return *refusal;
    page.model().openView(std::get<PictureSettings>(settings));
    return {};
}
// As before a picture is written: "Stop Rotasi" chosen, both timers off.
void stopAnimation(RuvexPage& page)
{
    page.model().optAnim_Click(kAnimStop);
}

// The model's handlers, each under its own name; the window description
// names the controls' handlers among them.
void bindHandlers(const emscripten::class_<RuvexPage>& page)
{
    page.function("Option1_Click", &ModelHandler<&Form1Model::Option1_Click>::call)
        .function("optAnim_Click", &ModelHandler<&Form1Model::optAnim_Click>::call)
        .function("chkPerspective_Click", &ModelHandler<&Form1Model::chkPerspective_Click>::call)
        .function("VScroll1_Change", &ModelHandler<&Form1Model::VScroll1_Change>::call)
        .function("VScroll2_Change", &ModelHandler<&Form1Model::VScroll2_Change>::call)
        .function("Timer1_Timer", &ModelHandler<&Form1Model::Timer1_Timer>::call)
        .function("Timer2_Timer", &ModelHandler<&Form1Model::Timer2_Timer>::call)
        // Buttons as the model counts them: 1 left, 2 right, 4 middle.
        .function("pointerMoved", &ModelHandler<&Form1Model::pointerMoved>::call)
        .function("picDisplay_MouseDown", &ModelHandler<&Form1Model::picDisplay_MouseDown>::call)
        .function("picDisplay_MouseUp", &ModelHandler<&Form1Model::picDisplay_MouseUp>::call)
        .function("picDisplay_KeyDown", &ModelHandler<&Form1Model::picDisplay_KeyDown>::call)
        .function("mnuHome_Click", &ModelHandler<&Form1Model::mnuHome_Click>::call)
        .function("mnuSpeed_Click", &ModelHandler<&Form1Model::mnuSpeed_Click>::call)
        .function("setDragToTurn", &ModelHandler<&Form1Model::setDragToTurn>::call)
        // "Irisan Bidang": its window opened and closed, its bars, their
        // buttons and its box.
        .function("mnuIrisan_Click", &ModelHandler<&Form1Model::mnuIrisan_Click>::call)
        .function("frmIrisan_Unload", &ModelHandler<&Form1Model::frmIrisan_Unload>::call)
        .function("hsbKemiringan_Change", &ModelHandler<&Form1Model::hsbKemiringan_Change>::call)
        .function("hsbJarak_Change", &ModelHandler<&Form1Model::hsbJarak_Change>::call)
        .function("hsbKemiringan_Step", &ModelHandler<&Form1Model::hsbKemiringan_Step>::call)
        .function("hsbJarak_Step", &ModelHandler<&Form1Model::hsbJarak_Step>::call)
        .function("chkBidang_Click", &ModelHandler<&Form1Model::chkBidang_Click>::call);
}

// The pictures and files the page shows and offers.
void bindPictures(const emscripten::class_<RuvexPage>& page)
{
    page.function("pixels", &RuvexPage::pixels)
        .function("bitmapFile", &RuvexPage::bitmapFile)
        .function("exportFile", &RuvexPage::exportFile)
        .function("pngFile", &RuvexPage::pngFile)
        .function("openScreen", &RuvexPage::openScreen)
        .function("closeScreen", &RuvexPage::closeScreen)
        .function("screenChanges", &RuvexPage::screenChanges)
        .function("openPresentation", &RuvexPage::openPresentation)
        .function("closePresentation", &RuvexPage::closePresentation)
        .function("presentationPixels", &RuvexPage::presentationPixels)
        .function("presentationChanges", &RuvexPage::presentationChanges)
        .function("presentationPosition", &RuvexPage::presentationPosition)
        .function("pictureWidth", &RuvexPage::pictureWidth)
        .function("pictureHeight", &RuvexPage::pictureHeight);
}

} // namespace

EMSCRIPTEN_BINDINGS(ruvex_page)
{
    emscripten::function("windowDescriptionJson", &windowDescriptionJson);
    const emscripten::class_<RuvexPage> page("RuvexPage");
    page.constructor<>()
        .function("start", &RuvexPage::start)
        .function("state", &RuvexPage::state)
        .function("stopAnimation", &stopAnimation)
        .function("backLinesClick", &backLinesClick)
        .function("axesClick", &axesClick)
        .function("viewCommand", &viewCommand)
        .function("shareName", &shareName)
        .function("viewAddress", &viewAddress)
        .function("openFragment", &openFragment);
    bindHandlers(page);
    bindPictures(page);
}
