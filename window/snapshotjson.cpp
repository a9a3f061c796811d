#include "window/snapshotjson.h"

#include "window/accessibletexts.h"
#include "window/form1layout.h"
#include "window/form1menus.h"
#include "window/jsonwriter.h"
#include "window/scrollbarmoves.h"
#include "window/sectionwindowlayout.h"
#include "window/sizewindowlayout.h"

#include <array>
#include <cstddef>
#include <string>

namespace {

void writeSection(JsonWriter& json, const SectionSnapshot& section)
{
    json.key("section").beginObject();
    json.field("shown", section.shown).field("tilt", section.tilt).field("distance", section.distance);
    json.field("outline", section.outline).field("tiltText", section.tiltText);
    json.field("distanceText", section.distanceText).field("solid", section.solid);
    json.field("line", section.line).endObject();
}

void writeSizes(JsonWriter& json, const SizeSnapshot& sizes)
{
    json.key("sizes").beginObject();
    json.field("shown", sizes.shown).field("available", sizes.available).field("radius", sizes.radius);
    json.field("height", sizes.height).field("heightEnabled", sizes.heightEnabled).field("net", sizes.net);
    json.field("netEnabled", sizes.netEnabled).field("pi", sizes.pi).field("radiusText", sizes.radiusText);
    json.field("heightText", sizes.heightText).field("netText", sizes.netText);
    json.field("numbers", sizes.numbers).field("notice", sizes.notice);
    json.field("caption", sizes.caption).endObject();
}

// In RequestKind's order.
constexpr std::array<std::string_view, 15> kRequestKindNames = {
    "saveDialog",      "exportDialog",    "copyPicture",       "copyText",           "sharePicture",
    "openFullScreen",  "closeFullScreen", "showSectionWindow", "closeSectionWindow", "showSizeWindow",
    "closeSizeWindow", "showInfoWindow",  "showHelp",          "openMenuBar",        "closeProgram",
};
static_assert(static_cast<std::size_t>(RequestKind::CloseProgram) + 1 == kRequestKindNames.size());

// A scroll bar's value, where its thumb stands (0 top, 1 bottom) and whether it takes input.
void writeBarState(JsonWriter& json, std::string_view name, int value, bool enabled)
{
    const double thumb = thumbFraction(Form1Layout::findControl(name)->range, value);
    json.key(name)
        .beginObject()
        .field("value", value)
        .field("thumb", thumb)
        .field("valueText", barValueText(name, value))
        .field("enabled", enabled)
        .endObject();
}

void checkedState(JsonWriter& json, std::string_view name, bool checked)
{
    json.key(name).beginObject().field("checked", checked).endObject();
}

// Each shape button and animation button ticked as the snapshot chooses.
void writeOptionStates(JsonWriter& json, const WindowSnapshot& s)
{
    for (const ControlDescription& control : Form1Layout::kControls) {
        const std::string_view array = controlArrayName(control.name);
        if (control.kind != ControlKind::OptionButton)
            continue;
        const int chosen = array == "Option1" ? s.shape : s.animButton;
        checkedState(json, control.name, controlArrayIndex(control.name) == chosen);
    }
}

// The ticked speed among the exclusive items, and the switches.
void writeMenuStates(JsonWriter& json, const WindowSnapshot& s)
{
    const std::pair<std::string_view, bool> switches[]
        = {{"mnuBackLines", s.backLines}, {"mnuAxes", s.axes}, {"mnuDragToTurn", s.dragToTurn}};
    for (const MenuEntry& entry : Form1Menus::kEntries)
        if (entry.exclusive)
            checkedState(json, entry.name, controlArrayIndex(entry.name) == s.speed);
    for (const auto& [name, on] : switches)
        checkedState(json, name, on);
}

void writeSectionStates(JsonWriter& json, const SectionSnapshot& section)
{
    using namespace SectionWindowLayout;
    json.key(kTilt.name)
        .beginObject()
        .field("value", section.tilt)
        .field("text", section.tiltText)
        .endObject();
    json.key(kDistance.name).beginObject().field("value", section.distance);
    json.field("text", section.distanceText).endObject();
    checkedState(json, kOutlineName, section.outline);
    json.key(kSolidName).beginObject().field("value", section.solid).endObject();
    json.key(kSectionName).beginObject().field("value", section.line).endObject();
}

// A bar of "Ukuran Bangun" with its value as text, greyed where the solid has
// no such size (a bola's height, its net).
void writeSizeBar(JsonWriter& json, std::string_view name, int value, const std::string& text, bool enabled)
{
    json.key(name)
        .beginObject()
        .field("value", value)
        .field("text", text)
        .field("enabled", enabled)
        .endObject();
}

void writeSizeStates(JsonWriter& json, const SizeSnapshot& sizes)
{
    using namespace SizeWindowLayout;
    writeSizeBar(json, kRadius.name, sizes.radius, sizes.radiusText, true);
    writeSizeBar(json, kHeight.name, sizes.height, sizes.heightText, sizes.heightEnabled);
    writeSizeBar(json, kNet.name, sizes.net, sizes.netText, sizes.netEnabled);
    for (int button = 0; button < static_cast<int>(kPiCaptions.size()); ++button)
        checkedState(json, std::string(kPiName) + "(" + std::to_string(button) + ")", sizes.pi == button);
    json.key(kNumbersName).beginObject().field("value", sizes.numbers).endObject();
    json.key(kNoticeName).beginObject().field("text", sizes.notice).field("hidden", sizes.notice.empty());
    json.endObject();
}

} // namespace

std::string elementStatesJson(const WindowSnapshot& s)
{
    JsonWriter json;
    json.beginObject();
    json.key("Text1").beginObject().field("value", s.description).endObject();
    json.key("LabAspect").beginObject().field("text", s.aspectCaption).endObject();
    json.key("LabPerspec").beginObject().field("text", s.distanceCaption).endObject();
    // The check box's third state, greyed, is the browser's indeterminate.
    json.key("chkPerspective").beginObject().field("checked", s.perspective == 1);
    json.field("indeterminate", s.perspective == 2).endObject();
    writeBarState(json, "VScroll1", s.aspectTenths, s.aspectEnabled);
    writeBarState(json, "VScroll2", s.distance, s.distanceEnabled);
    writeOptionStates(json, s);
    writeMenuStates(json, s);
    if (s.section.shown)
        writeSectionStates(json, s.section);
    if (s.sizes.shown)
        writeSizeStates(json, s.sizes);
    json.endObject();
    return json.text();
}

std::string snapshotJson(const WindowSnapshot& s)
{
    JsonWriter json;
    json.beginObject();
    json.field("description", s.description).field("aspectCaption", s.aspectCaption);
    json.field("distanceCaption", s.distanceCaption)
        .field("shape", s.shape)
        .field("animButton", s.animButton);
    json.field("perspective", s.perspective).field("aspectTenths", s.aspectTenths);
    json.field("aspectEnabled", s.aspectEnabled);
    json.field("distance", s.distance).field("distanceEnabled", s.distanceEnabled).field("speed", s.speed);
    json.field("backLines", s.backLines).field("axes", s.axes).field("dragToTurn", s.dragToTurn);
    json.field("timerRunning", s.timerRunning).field("tickInterval", s.tickInterval);
    json.field("fullScreen", s.fullScreen);
    writeSection(json, s.section);
    writeSizes(json, s.sizes);
    json.field("caption", s.caption);
    json.endObject();
    return json.text();
}

std::string_view requestKindName(RequestKind kind)
{
    return kRequestKindNames.at(static_cast<std::size_t>(kind));
}

std::string requestsJson(const std::vector<Request>& requests)
{
    JsonWriter json;
    json.beginArray();
    for (const Request& request : requests)
        json.beginObject()
            .field("kind", requestKindName(request.kind))
            .field("text", request.text)
            .endObject();
    json.endArray();
    return json.text();
}
