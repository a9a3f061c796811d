// The page's way into the core: one window session (window/windowsession.h)
// with its drawing area, exported to the page's script with embind. The
// script turns each browser event into one call here, which builds the
// session's intent and returns what changed, as the session's bits; the
// script then reads only what changed: the picture (bindingpictures.cpp),
// the snapshot, the requests. The texts and the download names are
// bindingtexts.cpp's.
//
// Nothing here decides what the window does: the session does. What is
// here is the browser's side of the translation: its mouse button numbers.

#include "bindingpage.h"

#include "window/arealoadwindow.h"
#include "window/form1layout.h"
#include "window/jsonwriter.h"
#include "window/keynames.h"
#include "window/pagetexts.h"
#include "window/scrollbarmoves.h"
#include "window/snapshotjson.h"
#include "window/twips.h"
#include "window/windowdescription.h"
#include "window/windowplacement.h"

#include <emscripten/bind.h>

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

// The browser numbers the button pressed or released 0 left, 1 middle,
// 2 right; the session counts them as the `buttons` mask does.
int buttonMask(int browserButton)
{
    constexpr std::array masks = {kLeftButton, kMiddleButton, kRightButton};
    return browserButton >= 0 && browserButton < 3 ? masks.at(static_cast<std::size_t>(browserButton)) : 0;
}

// Where a key went, from where the browser's focus was: on the picture's
// canvas ("Picture"), on the full screen's ("FullScreen"), in a window
// beside the main one (its WindowName's name) or elsewhere (""). A dialog
// open over the window holds the keys but the canvases'; there is never
// more than one.
KeyTarget keyTargetAt(std::string_view place, bool dialogOpen)
{
    if (place == "Picture")
        return KeyTarget::Picture;
    if (place == "FullScreen")
        return KeyTarget::FullScreen;
    if (dialogOpen)
        return KeyTarget::Dialog;
    if (place == "SectionWindow")
        return KeyTarget::SectionWindow;
    if (place == "SizeWindow")
        return KeyTarget::SizeWindow;
    return KeyTarget::Window;
}

} // namespace

RuvexPage::RuvexPage()
    : m_session(m_area)
{
}

// Returns where the start-up sequence has put the shape buttons, in pixels
// within their frame, by name: {"Option1(0)":{"x":10,"y":20},...}.
std::string RuvexPage::start()
{
    AreaLoadWindow window(m_area);
    m_session.start(window);
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

// A position comes in CSS pixels within the surface's box of boxWidth x
// boxHeight CSS pixels: over the drawing area it goes on in whole pixels of
// the picture, as the desktop's picture box reports them, whatever size it
// is shown at; over "Layar Penuh" in whole pixels of its picture, which the
// session maps back over the drawing area.
unsigned RuvexPage::pointer(PointerSurface surface, PointerAction action, int buttons, int button, double x,
                            double y, double boxWidth, double boxHeight)
{
    const bool full = surface == PointerSurface::FullScreen;
    const double across = std::floor(full ? x * m_presentationRatio : (x * pictureWidth()) / boxWidth);
    const double down = std::floor(full ? y * m_presentationRatio : (y * pictureHeight()) / boxHeight);
    return handOver(
        m_session.apply(PointerEvent{surface, action, buttons, buttonMask(button), across, down}));
}

// A key to a field keeps the copy key, as does a selection while neither
// canvas has the keys.
unsigned RuvexPage::key(const std::string& name, bool shift, bool ctrl, bool alt, bool meta,
                        const std::string& place, bool dialogOpen, bool inField, bool selected)
{
    KeyIntent intent = keyIntentNamed(name);
    intent.shift = shift;
    intent.ctrl = ctrl;
    intent.alt = alt;
    intent.meta = meta;
    intent.menuLetters = true;
    const bool onCanvas = place == "Picture" || place == "FullScreen";
    intent.inText = inField || (selected && !onCanvas);
    intent.target = keyTargetAt(place, dialogOpen);
    return handOver(m_session.apply(intent));
}

std::string RuvexPage::snapshot() const
{
    return snapshotJson(m_session.snapshot());
}

std::string RuvexPage::addressRefusalMessage(bool edited) const
{
    const std::string& refusal = m_session.addressRefusal();
    if (refusal.empty())
        return {};
    return std::string(edited ? PageTexts::kEditedAddressRefused : PageTexts::kAddressRefused) + ' '
        + refusal;
}

std::string RuvexPage::elementStates() const
{
    return elementStatesJson(m_session.snapshot());
}

std::string RuvexPage::shown() const
{
    return shownJson(m_session.snapshot());
}

std::string RuvexPage::requests()
{
    return requestsJson(m_session.takeRequests());
}

// Where the pointer has turned the view, {x, y}, as the model holds it.
emscripten::val RuvexPage::viewPosition() const
{
    const ViewState& view = m_session.model().viewState();
    emscripten::val position = emscripten::val::object();
    position.set("x", view.MouseX);
    position.set("y", view.MouseY);
    return position;
}

namespace {

PlacementRect rectOf(const emscripten::val& rect)
{
    return {rect["x"].as<double>(), rect["y"].as<double>(), rect["width"].as<double>(),
            rect["height"].as<double>()};
}

// A window opened beside the main one (windowplacement.h), the rectangles
// as the browser measures them (DOMRect): {x, y, narrowed, width}.
emscripten::val placeBesideMain(const emscripten::val& main, const emscripten::val& keepInView,
                                const emscripten::val& size, const emscripten::val& screen)
{
    const WindowPlacement place = placeBeside(rectOf(main), rectOf(keepInView), rectOf(size), rectOf(screen));
    emscripten::val placed = emscripten::val::object();
    placed.set("x", place.x);
    placed.set("y", place.y);
    placed.set("narrowed", place.narrowed);
    placed.set("width", place.width);
    return placed;
}

// A scroll bar of the window (scrollbarmoves.h), by its control's name.
const ScrollRange& rangeOf(const std::string& bar)
{
    return Form1Layout::findControl(bar)->range;
}
int scrolledValue(const std::string& bar, ScrollMove move, int value)
{
    return movedValue(rangeOf(bar), value, move);
}
int scrollValueAt(const std::string& bar, double fraction)
{
    return valueAtFraction(rangeOf(bar), fraction);
}
// The value the browser's key `key` with its modifiers moves the bar to,
// null for a key that moves no bar.
emscripten::val scrolledByKey(const std::string& bar, const std::string& key, bool ctrl, bool alt, bool meta,
                              int value)
{
    KeyIntent intent = keyIntentNamed(key);
    intent.ctrl = ctrl;
    intent.alt = alt;
    intent.meta = meta;
    const std::optional<ScrollMove> move = scrollMoveOfKey(intent);
    return move ? emscripten::val(movedValue(rangeOf(bar), value, *move)) : emscripten::val::null();
}

void bindIntents(const emscripten::class_<RuvexPage>& page)
{
    page.function("pointer", &RuvexPage::pointer)
        .function("key", &RuvexPage::key)
        .function("menu", &RuvexPage::menu)
        .function("control", &RuvexPage::control)
        .function("tick", &RuvexPage::tick)
        .function("openAddress", &RuvexPage::openAddress)
        .function("windowClosed", &RuvexPage::windowClosed)
        .function("snapshot", &RuvexPage::snapshot)
        .function("elementStates", &RuvexPage::elementStates)
        .function("shown", &RuvexPage::shown)
        .function("requests", &RuvexPage::requests)
        .function("addressRefusalMessage", &RuvexPage::addressRefusalMessage)
        .function("viewAddress", &RuvexPage::viewAddress)
        .function("addressToWrite", &RuvexPage::addressToWrite)
        .function("viewPosition", &RuvexPage::viewPosition)
        .function("pictureWords", &RuvexPage::pictureWords)
        .function("reduceMotion", &RuvexPage::reduceMotion)
        .function("changesRecord", &RuvexPage::changesRecord);
}

void bindPictures(const emscripten::class_<RuvexPage>& page)
{
    page.function("pixels", &RuvexPage::pixels)
        .function("bitmapFile", &RuvexPage::bitmapFile)
        .function("exportFile", &RuvexPage::exportFile)
        .function("pngFile", &RuvexPage::pngFile)
        .function("pictureFile", &RuvexPage::pictureFile)
        .function("showScreen", &RuvexPage::showScreen)
        .function("openPresentation", &RuvexPage::openPresentation)
        .function("closePresentation", &RuvexPage::closePresentation)
        .function("presentationPixels", &RuvexPage::presentationPixels)
        .function("presentationBand", &RuvexPage::presentationBand)
        .function("pictureWidth", &RuvexPage::pictureWidth)
        .function("pictureHeight", &RuvexPage::pictureHeight);
}

// An enumeration under its name, its values' names in their order of
// declaration, `Last` the last of them.
template <auto Last, std::size_t Count> void bindEnum(const char* name, const char* const (&values)[Count])
{
    static_assert(static_cast<std::size_t>(Last) + 1 == Count, "a name for each value");
    emscripten::enum_<decltype(Last)> bound(name);
    for (std::size_t n = 0; n < Count; ++n)
        bound.value(values[n], static_cast<decltype(Last)>(n));
}

// The session's names for surfaces, actions, scroll bar moves and windows, and its change bits, so the script
// spells none of them itself.
void bindNames()
{
    bindEnum<PointerSurface::FullScreen>("PointerSurface", {"DrawingArea", "FullScreen"});
    bindEnum<PointerAction::Release>("PointerAction", {"Move", "Press", "Release"});
    bindEnum<ScrollMove::Bottom>("ScrollMove", {"LineUp", "LineDown", "PageUp", "PageDown", "Top", "Bottom"});
    bindEnum<WindowName::Dialog>("WindowName", {"SectionWindow", "SizeWindow", "FullScreen", "Dialog"});
    emscripten::constant("kPictureChanged", kPictureChanged);
    emscripten::constant("kControlsChanged", kControlsChanged);
    emscripten::constant("kRequestsWaiting", kRequestsWaiting);
    emscripten::constant("kIntentTaken", kIntentTaken);
    emscripten::constant("kPictureWordsDue", kPictureWordsDue);
    emscripten::constant("kCaptionChanged", kCaptionChanged);
    emscripten::constant("kRecordFields", static_cast<int>(RuvexPage::kRecordFields));
    emscripten::constant("kAddressDue", kAddressDue);
}

} // namespace

EMSCRIPTEN_BINDINGS(ruvex_page)
{
    emscripten::function("windowDescriptionJson", &windowDescriptionJson);
    emscripten::function("placeBeside", &placeBesideMain);
    emscripten::function("scrolledValue", &scrolledValue);
    emscripten::function("scrollValueAt", &scrollValueAt);
    emscripten::function("scrolledByKey", &scrolledByKey);
    bindNames();
    const emscripten::class_<RuvexPage> page("RuvexPage");
    page.constructor<>().function("start", &RuvexPage::start);
    bindIntents(page);
    bindPictures(page);
}
