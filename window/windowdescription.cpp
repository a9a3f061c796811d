#include "window/windowdescription.h"

#include "window/accessibletexts.h"
#include "window/fontfamilies.h"
#include "window/form1layout.h"
#include "window/form1menus.h"
#include "window/helptext.h"
#include "window/infowindowlayout.h"
#include "window/jsonwriter.h"
#include "window/richtext.h"
#include "window/sectionwindowlayout.h"
#include "window/sizewindowlayout.h"
#include "window/twips.h"

#include <span>

namespace {

std::string hexColour(ruvex::win::ColorRef colour)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const std::uint32_t pixel = ruvex::win::pixelOf(colour);
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        text += kHex[pixel >> shift & 0xF];
    return text;
}

std::string_view sourceName(ColourSource source)
{
    constexpr std::string_view names[]
        = {"unset", "rgb", "buttonFace", "buttonText", "windowBackground", "windowText"};
    return names[static_cast<int>(source)];
}

// "#rrggbb"; a system colour also names itself, so the page may follow its
// own theme instead.
void writeColour(JsonWriter& json, std::string_view name, const ControlColour& colour)
{
    if (colour.source == ColourSource::Unset)
        return;
    const bool system = colour.source != ColourSource::Rgb;
    json.field(name, hexColour(system ? systemColourValue(colour.source) : colour.rgb));
    if (system)
        json.field(std::string(name) + "System", sourceName(colour.source));
}

void writeRect(JsonWriter& json, const PixelRect& rect)
{
    json.key("rect").beginObject();
    json.field("x", rect.x).field("y", rect.y).field("width", rect.width).field("height", rect.height);
    json.endObject();
}

void writeFont(JsonWriter& json, const ControlFont& font)
{
    json.key("font").beginObject();
    json.field("family", font.family).field("size", font.pointSize);
    json.field("bold", font.bold).field("italic", font.italic);
    // The family, then what stands in for it where it is missing.
    json.key("families").beginArray().value(font.family);
    for (const std::string_view substitute : fontSubstitutes(font.family).substitutes)
        if (!substitute.empty())
            json.value(substitute);
    json.endArray().endObject();
}

void writeLine(JsonWriter& json, const LinePlacement& line, ruvex::win::ColorRef colour)
{
    json.beginObject().field("name", line.name);
    writeRect(json, horizontalLineRect(line.x1, line.y, line.x2, line.widthPixels));
    json.field("color", hexColour(colour)).endObject();
}

std::string_view kindName(ControlKind kind)
{
    constexpr std::string_view names[]
        = {"label", "textBox", "checkBox", "frame", "optionButton", "scrollBar", "pictureBox"};
    return names[static_cast<int>(kind)];
}

std::string_view alignmentName(TextAlignment alignment)
{
    constexpr std::string_view names[] = {"left", "right", "centre"};
    return names[static_cast<int>(alignment)];
}

void writeKindDetails(JsonWriter& json, const ControlDescription& control)
{
    if (control.kind == ControlKind::TextBox) {
        json.field("scrollBars", control.scrollBars == ScrollBars::Vertical ? "vertical" : "none");
        json.field("locked", control.locked);
    }
    if (control.kind == ControlKind::ScrollBar) {
        const ScrollRange& range = control.range;
        json.key("range").beginObject().field("min", range.min).field("max", range.max);
        json.field("smallChange", range.smallChange).field("largeChange", range.largeChange);
        json.field("value", range.value).endObject();
        json.field("tabStop", control.scrollBarTabStop);
        // The layout's scroll bars are all upright ones (VScroll), whatever
        // their boxes' shape: the distance bar is wider than it is tall.
        json.field("orientation", "vertical");
    }
}

// Whether the window shows the control whole: one placed (partly) beyond its
// frame's edge is cut off there, as the shape buttons from 7 on are.
bool clippedByContainer(const ControlDescription& control)
{
    const ControlDescription* container = Form1Layout::findControl(control.container);
    if (control.container.empty() || !container)
        return false;
    const TwipsBox& inner = control.place;
    return inner.x < 0 || inner.y < 0 || inner.right() > container->place.width
        || inner.bottom() > container->place.height;
}

// The event a control's use raises; empty for one whose use runs no handler
// of its own here.
std::string_view valueEventName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
        return "Click";
    case ControlKind::ScrollBar:
        return "Change";
    default:
        return {};
    }
}

// What the page dispatches on: the handler the control's use runs, and for a
// member of a control array the array and the member's index, which the
// handler is given.
void writeHandler(JsonWriter& json, const ControlDescription& control)
{
    const int index = controlArrayIndex(control.name);
    if (index >= 0)
        json.field("array", controlArrayName(control.name)).field("index", index);
    if (const std::string_view event = valueEventName(control.kind); !event.empty())
        json.field("handler", handlerName(control.name, event));
}

void writeLanguage(JsonWriter& json, std::string_view caption)
{
    if (const std::string_view language = captionLanguage(caption); !language.empty())
        json.field("lang", language);
}

void writeControl(JsonWriter& json, const ControlDescription& control)
{
    json.beginObject().field("name", control.name).field("kind", kindName(control.kind));
    json.field("container", control.container);
    writeRect(json, twipsToPixelRect(control.place));
    json.field("tabIndex", control.tabIndex).field("caption", control.caption);
    writeLanguage(json, control.caption);
    if (const std::string_view name = accessibleName(control.name); !name.empty())
        json.field("accessibleName", name);
    if (const std::string_view label = groupLabel(control.name); !label.empty())
        json.field("groupLabel", label);
    writeColour(json, "foreColor", control.foreColour);
    writeColour(json, "backColor", control.backColour);
    writeFont(json, control.font);
    json.field("alignment", alignmentName(control.alignment));
    json.field("enabled", control.enabled).field("visible", control.visible);
    json.field("clipped", clippedByContainer(control));
    writeKindDetails(json, control);
    writeHandler(json, control);
    json.endObject();
}

void writeWindow(JsonWriter& json)
{
    json.key("window").beginObject();
    json.field("name", Form1Layout::kName).field("caption", Form1Layout::kCaption);
    json.field("fullScreenCaption", Form1Layout::kFullScreenCaption);
    json.field("width", twipsToPixels(Form1Layout::kClientWidth));
    json.field("height", twipsToPixels(Form1Layout::kClientHeight));
    writeColour(json, "backColor", Form1Layout::kBackColour);
    writeFont(json, Form1Layout::kFont);
    json.endObject();
}

void writeControls(JsonWriter& json)
{
    json.key("controls").beginArray();
    for (const ControlDescription& control : Form1Layout::kControls)
        writeControl(json, control);
    json.endArray();
    json.key("lines").beginArray();
    for (const LinePlacement& line : Form1Layout::kLines)
        writeLine(json, line, Form1Layout::kLineColour.rgb);
    json.endArray();
}

// Writes the entries of one menu, from `entries`' front up to the first entry
// above `level`; returns how many it took.
std::size_t writeMenuEntries(JsonWriter& json, std::span<const MenuEntry> entries, int level)
{
    constexpr std::string_view kinds[] = {"menu", "item", "separator"};
    std::size_t taken = 0;
    while (taken < entries.size() && entries[taken].level == level) {
        const MenuEntry& entry = entries[taken++];
        json.beginObject().field("name", entry.name).field("kind", kinds[static_cast<int>(entry.kind)]);
        if (entry.kind != MenuEntryKind::Separator) {
            json.field("caption", entry.caption);
            writeLanguage(json, entry.caption);
        }
        if (entry.kind == MenuEntryKind::Item) {
            json.field("shortcut", entry.shortcut);
            json.field("checkable", entry.checkable).field("checked", entry.checked);
            json.field("exclusive", entry.exclusive);
            if (entry.pageOnly)
                json.field("pageOnly", true);
        }
        if (entry.kind == MenuEntryKind::Menu) {
            json.key("items").beginArray();
            taken += writeMenuEntries(json, entries.subspan(taken), level + 1);
            json.endArray();
        }
        json.endObject();
    }
    return taken;
}

void writeMenus(JsonWriter& json)
{
    json.key("menus").beginArray();
    writeMenuEntries(json, Form1Menus::kEntries, 0);
    json.endArray();
}

void writeInfoLabel(JsonWriter& json, const InfoWindowLayout& window)
{
    const ControlPlacement& label = window.label;
    json.key("label").beginObject().field("name", label.name);
    writeRect(json, twipsToPixelRect(label.place));
    const bool opaque = window.labelColours != LabelColours::Default;
    const ControlColour text
        = window.labelColours == LabelColours::BlackOnWhite ? Form1Layout::kBlack : kButtonText;
    writeColour(json, "foreColor", text);
    if (opaque)
        writeColour(json, "backColor", Form1Layout::kWhite);
    json.field("backStyle", opaque ? "opaque" : "transparent");
    ControlFont font = InfoWindowTexts::kLabelFont;
    font.italic = window.labelItalic;
    writeFont(json, font);
    json.field("wordWrap", true).field("text", window.text).endObject();
}

// cmdOK of an about window is its default and cancel button and unloads it;
// OKButton of a dialog is neither and hides it.
void writeInfoOkButton(JsonWriter& json, const InfoWindowLayout& window)
{
    const ControlPlacement& ok = window.okButton;
    json.key("ok").beginObject().field("name", ok.name).field("caption", InfoWindowTexts::kOkCaption);
    writeRect(json, twipsToPixelRect(ok.place));
    json.field("default", window.aboutWindow).field("cancel", window.aboutWindow);
    json.field("onClick", window.aboutWindow ? "unload" : "hide").endObject();
}

void writeInfoWindow(JsonWriter& json, const InfoWindowLayout& window)
{
    json.beginObject().field("name", window.name).field("menuItem", window.menuItem);
    json.field("caption", window.caption);
    writeLanguage(json, window.caption);
    json.field("width", twipsToPixels(window.clientWidth))
        .field("height", twipsToPixels(window.clientHeight));
    writeColour(json, "backColor",
                window.background == InfoBackground::White ? Form1Layout::kWhite : kButtonFace);
    json.field("picture", window.picture);
    writeInfoOkButton(json, window);
    writeInfoLabel(json, window);
    json.key("lines").beginArray();
    for (const ColouredLine& line : window.lines) {
        // The lines' colours are 0xRRGGBB; the writer takes 0x00BBGGRR.
        const std::uint32_t rgb = line.rgb;
        writeLine(json, line.placement, (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
    }
    json.endArray().endObject();
}

void writeInfoWindows(JsonWriter& json)
{
    json.key("infoWindows").beginArray();
    for (const InfoWindowLayout& window : InfoWindowLayouts::kWindows)
        writeInfoWindow(json, window);
    json.endArray();
}

// The help as elements. Its text is the program's own and always reads (a
// test sees to it); were it not to, the page would show it as plain text.
RichNode helpDocument()
{
    if (auto document = parseRichText(kHelpText))
        return std::move(*document);
    return RichNode{"div", {}, {RichNode{{}, std::string(kHelpText), {}}}};
}

void writeBar(JsonWriter& json, const SectionWindowLayout::BarDescription& bar)
{
    json.beginObject().field("name", bar.name).field("caption", bar.caption);
    json.field("min", bar.min).field("max", bar.max).field("smallChange", bar.smallChange);
    json.field("largeChange", bar.largeChange).field("start", bar.start);
    // The buttons "−" and "+" beside the bar, and the handler they call.
    json.key("decrease").beginObject().field("caption", SectionWindowLayout::kDecreaseCaption);
    json.field("name", SectionWindowLayout::decreaseName(bar)).endObject();
    json.key("increase").beginObject().field("caption", SectionWindowLayout::kIncreaseCaption);
    json.field("name", SectionWindowLayout::increaseName(bar)).endObject();
    json.field("stepHandler", handlerName(bar.name, "Step"));
    json.field("handler", handlerName(bar.name, "Change")).endObject();
}

void writeSectionWindow(JsonWriter& json)
{
    using namespace SectionWindowLayout;
    json.key("sectionWindow").beginObject();
    json.field("name", kName).field("caption", kCaption).field("menuItem", kMenuItem);
    json.field("planeEquation", kPlaneEquation);
    json.key("tilt");
    writeBar(json, kTilt);
    json.key("distance");
    writeBar(json, kDistance);
    json.key("outline")
        .beginObject()
        .field("name", kOutlineName)
        .field("caption", kOutlineCaption)
        .field("handler", handlerName(kOutlineName, "Click"))
        .endObject();
    json.key("solid").beginObject().field("name", kSolidName).field("caption", kSolidCaption).endObject();
    json.key("section")
        .beginObject()
        .field("name", kSectionName)
        .field("caption", kSectionCaption)
        .endObject();
    json.field("closeCaption", kCloseCaption).endObject();
}

void writeSizeWindow(JsonWriter& json)
{
    using namespace SizeWindowLayout;
    json.key("sizeWindow").beginObject();
    json.field("name", kName).field("caption", kCaption).field("menuItem", kMenuItem);
    json.key("radius");
    writeBar(json, kRadius);
    json.key("height");
    writeBar(json, kHeight);
    json.key("net");
    writeBar(json, kNet);
    json.key("pi").beginObject().field("name", kPiName).field("caption", kPiCaption);
    json.field("handler", handlerName(kPiName, "Click"));
    json.key("captions").beginArray();
    for (const std::string_view caption : kPiCaptions)
        json.value(caption);
    json.endArray().endObject();
    json.field("numbersName", kNumbersName).field("numbersCaption", kNumbersCaption);
    json.field("noticeName", kNoticeName).field("closeCaption", kCloseCaption).endObject();
}

} // namespace

std::string windowDescriptionJson()
{
    JsonWriter json;
    json.beginObject();
    writeWindow(json);
    writeControls(json);
    writeMenus(json);
    writeInfoWindows(json);
    writeSectionWindow(json);
    writeSizeWindow(json);
    json.key("helpWindow").beginObject();
    json.field("name", kHelpWindowName).field("caption", kHelpCaption);
    json.field("width", kHelpClientWidth).field("height", kHelpClientHeight);
    json.field("foreColor", hexColour(ruvex::win::kYellow)).field("backColor", hexColour(ruvex::win::kBlack));
    writeFont(json, ControlFont{"Times New Roman", kHelpTextPointSize, false, false});
    json.field("okCaption", InfoWindowTexts::kOkCaption);
    // As elements to build, never as markup to insert.
    json.key("document");
    writeRichText(json, helpDocument());
    json.endObject();
    json.endObject();
    return json.text();
}
