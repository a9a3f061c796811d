#include "window/elementstates.h"

#include "window/accessibletexts.h"
#include "window/form1layout.h"
#include "window/form1menus.h"
#include "window/scrollbarmoves.h"
#include "window/sectionwindowlayout.h"
#include "window/sizewindowlayout.h"

#include <utility>

namespace {

using States = std::vector<ElementState>;

ElementState named(std::string_view name)
{
    ElementState state;
    state.name = name;
    return state;
}

ElementState checkedState(std::string_view name, bool checked)
{
    ElementState state = named(name);
    state.checked = checked;
    return state;
}

ElementState textValueState(std::string_view name, const std::string& text)
{
    ElementState state = named(name);
    state.textValue = text;
    return state;
}

// A bar of the main window: its value, where its thumb stands and whether it
// takes input.
ElementState mainBarState(std::string_view name, int value, bool enabled)
{
    ElementState state = named(name);
    state.value = value;
    state.thumb = thumbFraction(Form1Layout::findControl(name)->range, value);
    state.valueText = barValueText(name, value);
    state.enabled = enabled;
    return state;
}

// A bar beside a window with its value as text, greyed where the solid has
// no such size (a bola's height, its net); the section's bars are never
// greyed.
ElementState besideBarState(std::string_view name, int value, const std::string& text,
                            std::optional<bool> enabled = std::nullopt)
{
    ElementState state = named(name);
    state.value = value;
    state.text = text;
    state.enabled = enabled;
    return state;
}

void addMainWindow(States& states, const WindowSnapshot& s)
{
    states.push_back(textValueState("Text1", s.description));
    ElementState aspect = named("LabAspect"), distance = named("LabPerspec");
    aspect.text = s.aspectCaption;
    distance.text = s.distanceCaption;
    states.push_back(std::move(aspect));
    states.push_back(std::move(distance));
    // The check box's third state, greyed.
    ElementState perspective = checkedState("chkPerspective", s.perspective == 1);
    perspective.indeterminate = s.perspective == 2;
    states.push_back(std::move(perspective));
    states.push_back(mainBarState("VScroll1", s.aspectTenths, s.aspectEnabled));
    states.push_back(mainBarState("VScroll2", s.distance, s.distanceEnabled));
}

// Each shape button and animation button ticked as the snapshot chooses.
void addOptions(States& states, const WindowSnapshot& s)
{
    for (const ControlDescription& control : Form1Layout::kControls) {
        if (control.kind != ControlKind::OptionButton)
            continue;
        const int chosen = controlArrayName(control.name) == "Option1" ? s.shape : s.animButton;
        states.push_back(checkedState(control.name, controlArrayIndex(control.name) == chosen));
    }
}

// The ticked speed among the exclusive items, and the switches.
void addMenus(States& states, const WindowSnapshot& s)
{
    for (const MenuEntry& entry : Form1Menus::kEntries)
        if (entry.exclusive)
            states.push_back(checkedState(entry.name, controlArrayIndex(entry.name) == s.speed));
    states.push_back(checkedState("mnuBackLines", s.backLines));
    states.push_back(checkedState("mnuAxes", s.axes));
    states.push_back(checkedState("mnuDragToTurn", s.dragToTurn));
}

void addSection(States& states, const SectionSnapshot& section)
{
    using namespace SectionWindowLayout;
    states.push_back(besideBarState(kTilt.name, section.tilt, section.tiltText));
    states.push_back(besideBarState(kDistance.name, section.distance, section.distanceText));
    states.push_back(checkedState(kOutlineName, section.outline));
    states.push_back(textValueState(kSolidName, section.solid));
    states.push_back(textValueState(kSectionName, section.line));
}

void addSizes(States& states, const SizeSnapshot& sizes)
{
    using namespace SizeWindowLayout;
    states.push_back(besideBarState(kRadius.name, sizes.radius, sizes.radiusText, true));
    states.push_back(besideBarState(kHeight.name, sizes.height, sizes.heightText, sizes.heightEnabled));
    states.push_back(besideBarState(kNet.name, sizes.net, sizes.netText, sizes.netEnabled));
    for (int button = 0; button < static_cast<int>(kPiCaptions.size()); ++button)
        states.push_back(checkedState(arrayMemberName(kPiName, button), sizes.pi == button));
    states.push_back(textValueState(kNumbersName, sizes.numbers));
    ElementState notice = named(kNoticeName);
    notice.text = sizes.notice;
    notice.hidden = sizes.notice.empty();
    states.push_back(notice);
}

} // namespace

std::vector<ElementState> elementStates(const WindowSnapshot& snapshot)
{
    States states;
    addMainWindow(states, snapshot);
    addOptions(states, snapshot);
    addMenus(states, snapshot);
    if (snapshot.section.shown)
        addSection(states, snapshot.section);
    if (snapshot.sizes.shown)
        addSizes(states, snapshot.sizes);
    return states;
}
