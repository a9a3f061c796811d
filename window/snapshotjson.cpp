#include "window/snapshotjson.h"

#include "window/elementstates.h"
#include "window/jsonwriter.h"

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

// The members in the order every element writes them: its value, then its
// thumb and its words, its text, its ticks and whether it takes input.
void writeElementState(JsonWriter& json, const ElementState& state)
{
    json.key(state.name).beginObject();
    const auto fieldIfSet = [&json](std::string_view key, const auto& member) {
        if (member)
            json.field(key, *member);
    };
    fieldIfSet("value", state.value);
    fieldIfSet("value", state.textValue);
    fieldIfSet("thumb", state.thumb);
    fieldIfSet("valueText", state.valueText);
    fieldIfSet("text", state.text);
    fieldIfSet("checked", state.checked);
    fieldIfSet("indeterminate", state.indeterminate);
    fieldIfSet("enabled", state.enabled);
    fieldIfSet("hidden", state.hidden);
    json.endObject();
}

void writeElementStates(JsonWriter& json, const WindowSnapshot& snapshot)
{
    json.beginObject();
    for (const ElementState& state : elementStates(snapshot))
        writeElementState(json, state);
    json.endObject();
}

} // namespace

std::string elementStatesJson(const WindowSnapshot& snapshot)
{
    JsonWriter json;
    writeElementStates(json, snapshot);
    return json.text();
}

std::string shownJson(const WindowSnapshot& snapshot)
{
    JsonWriter json;
    json.beginObject();
    json.field("timerRunning", snapshot.timerRunning).field("tickInterval", snapshot.tickInterval);
    writeElementStates(json.key("states"), snapshot);
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
