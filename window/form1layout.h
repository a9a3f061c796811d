#pragma once
// The main window's stored layout, all of it as data: the window's caption,
// size, font and colour, and for every control its kind, container, place
// (in twips, within its container), tab position, caption, colours, font,
// alignment, state and scroll range, in one table; the rules beside it. The
// desktop window builds its controls from these rows (ui/form1controls.cpp)
// and the page reads the same rows (window/windowdescription.h). The menu bar
// is in window/form1menus.h. What a control does when used is not here.

#include "platform/colours.h"
#include "surface/shapecatalogue.h"
#include "surface/startup.h"
#include "window/twips.h"
#include "window/viewlimits.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A horizontal line from (x1, y) to (x2, y).
struct LinePlacement {
    std::string_view name;
    int x1 = 0;
    int y = 0;
    int x2 = 0;
    int widthPixels = 1;
};

enum class ControlKind { Label, TextBox, CheckBox, Frame, OptionButton, ScrollBar, PictureBox };

// A colour is either an RGB value or one of the system's colours, which each
// front end takes from its own theme; a control with Unset colours draws
// itself in its own way (scroll bars, the drawing area).
enum class ColourSource { Unset, Rgb, ButtonFace, ButtonText, WindowBackground, WindowText };

struct ControlColour {
    ColourSource source = ColourSource::Unset;
    ruvex::win::ColorRef rgb = 0; // 0x00BBGGRR, for Rgb only

    friend constexpr bool operator==(const ControlColour&, const ControlColour&) = default;
};

inline constexpr ControlColour kButtonFace{ColourSource::ButtonFace, 0};
inline constexpr ControlColour kButtonText{ColourSource::ButtonText, 0};
inline constexpr ControlColour kWindowBackground{ColourSource::WindowBackground, 0};
inline constexpr ControlColour kWindowText{ColourSource::WindowText, 0};

// The system colours as the page shows them: the desktop theme's defaults.
constexpr ruvex::win::ColorRef systemColourValue(ColourSource source)
{
    return source == ColourSource::ButtonFace      ? 0xEFEFEF
        : source == ColourSource::WindowBackground ? 0xFFFFFF
                                                   : 0;
}

struct ControlFont {
    std::string_view family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;

    friend constexpr bool operator==(const ControlFont&, const ControlFont&) = default;
};

enum class TextAlignment { Left, Right, Centre };
enum class ScrollBars { None, Vertical };

// A scroll bar's stored range: min may lie above max (VScroll2 runs 350..100).
struct ScrollRange {
    int min = 0;
    int max = 0;
    int smallChange = 0;
    int largeChange = 0;
    int value = 0;
};

// A control's place within its container, for the information windows' rows
// (window/infowindowlayout.h).
struct ControlPlacement {
    std::string_view name;
    TwipsBox place;
    int tabIndex = -1; // -1: not in the tab order
};

struct ControlDescription {
    std::string_view name; // "Option1(3)" for member 3 of the control array Option1
    ControlKind kind = ControlKind::Label;
    std::string_view container; // "" for the window's client area
    TwipsBox place;
    int tabIndex = -1;
    std::string_view caption;
    ControlColour foreColour;
    ControlColour backColour;
    ControlFont font;
    TextAlignment alignment = TextAlignment::Left;
    bool enabled = true;
    bool visible = true;
    ScrollBars scrollBars = ScrollBars::None; // text box
    bool locked = false;                      // text box: read, selected and copied, never typed into
    ScrollRange range{};                      // scroll bar
    // Scroll bar: reached by Tab while enabled. The distance bar is; the
    // aspect bar, hidden in its tiny frame, is not.
    bool scrollBarTabStop = false;
};

// "Option1(3)" is member 3 of the array "Option1"; a plain name is no array
// member (index -1).
constexpr std::string_view controlArrayName(std::string_view name)
{
    return name.substr(0, name.find('('));
}

// Member `index` of the array `array`: "Option1(3)".
inline std::string arrayMemberName(std::string_view array, int index)
{
    return std::string(array) + '(' + std::to_string(index) + ')';
}

// The handlers are named after the control (the array, for a member of one)
// and the event: Option1_Click, VScroll1_Change, hsbJarak_Step.
inline std::string handlerName(std::string_view control, std::string_view event)
{
    return std::string(controlArrayName(control)) + '_' + std::string(event);
}

constexpr int controlArrayIndex(std::string_view name)
{
    const auto open = name.find('(');
    if (open == std::string_view::npos)
        return -1;
    int index = 0;
    for (std::size_t n = open + 1; n < name.size() && name[n] != ')'; ++n)
        index = index * 10 + (name[n] - '0');
    return index;
}

namespace Form1Layout {

inline constexpr std::string_view kName = "Form1";
inline constexpr std::string_view kCaption = "RUVEX Display 3D";
// The drawing shown full screen ("Layar Penuh"); the dash is UTF-8 "–".
inline constexpr std::string_view kFullScreenCaption = "RUVEX Display 3D \xe2\x80\x93 Layar Penuh";
inline constexpr int kClientWidth = 8385;  // 559 pixels
inline constexpr int kClientHeight = 7665; // 511 pixels
inline constexpr ControlFont kFont{"MS Sans Serif", 8.25, false, false};
inline constexpr ControlColour kBackColour{ColourSource::Rgb, ruvex::win::kBlack};

inline constexpr ControlColour kYellow{ColourSource::Rgb, ruvex::win::kYellow};
inline constexpr ControlColour kBlack{ColourSource::Rgb, ruvex::win::kBlack};
inline constexpr ControlColour kBlue{ColourSource::Rgb, ruvex::win::kBlue};
inline constexpr ControlColour kWhite{ColourSource::Rgb, ruvex::win::kWhite};
inline constexpr ControlFont kTimes12{"Times New Roman", 12, false, false};
inline constexpr ControlFont kTimes14{"Times New Roman", 14.25, false, false};

// A row with the members most controls have; with() sets one more.
constexpr ControlDescription control(ControlKind kind, std::string_view name, std::string_view container,
                                     TwipsBox place, int tabIndex, std::string_view caption = {},
                                     ControlColour foreColour = {}, ControlColour backColour = {},
                                     ControlFont font = kFont)
{
    return {.name = name,
            .kind = kind,
            .container = container,
            .place = place,
            .tabIndex = tabIndex,
            .caption = caption,
            .foreColour = foreColour,
            .backColour = backColour,
            .font = font};
}

template <class Member, class Value>
constexpr ControlDescription with(ControlDescription row, Member ControlDescription::*member, Value value)
{
    row.*member = value;
    return row;
}

constexpr ControlDescription yellowOnBlack(ControlKind kind, std::string_view name,
                                           std::string_view container, TwipsBox place, int tabIndex,
                                           std::string_view caption)
{
    return control(kind, name, container, place, tabIndex, caption, kYellow, kBlack);
}

// The members of the control array Option1, the shape buttons.
inline constexpr std::array<std::string_view, kShapeButtonCount> kShapeButtonNames
    = {"Option1(0)",  "Option1(1)",  "Option1(2)",  "Option1(3)",  "Option1(4)",
       "Option1(5)",  "Option1(6)",  "Option1(7)",  "Option1(8)",  "Option1(9)",
       "Option1(10)", "Option1(11)", "Option1(12)", "Option1(13)", "Option1(14)"};

// The shape buttons 0..6 are the classical solids, yellow on black; from 7
// on the extra figures are blue.
constexpr ControlDescription shapeButton(int index, TwipsBox place, int tabIndex)
{
    const auto n = static_cast<std::size_t>(index);
    return control(ControlKind::OptionButton, kShapeButtonNames[n], "Frame1", place, tabIndex,
                   kShapeCaptions[n], index < 7 ? kYellow : kBlue, kBlack);
}

using enum ControlKind;

// Controls are listed in stacking order, bottom first: labels are painted on
// their container, so every windowed control placed over one covers it. A
// frame comes before the controls inside it, which are placed relative to it.
// clang-format off
inline constexpr std::array kControls = {
    // Covered by the drawing area; kept because the stored layout has it.
    control(Label, "Label3", "", {4635, 6720, 870, 90}, 20, "", kBlack, kBlue),
    yellowOnBlack(Label, "Label1", "", {120, 5280, 1455, 255}, 28, "Rotasi Bangun"),
    with(with(control(TextBox, "Text1", "", {120, 120, 8175, 1335}, 29, "Text1", kYellow, kBlack, kTimes12),
              &ControlDescription::scrollBars, ScrollBars::Vertical),
         &ControlDescription::locked, true),
    yellowOnBlack(CheckBox, "chkPerspective", "", {120, 1440, 1995, 375}, 2, "Perbesar/Perkecil"),
    yellowOnBlack(Frame, "frmPerspec", "", {120, 1800, 1995, 840}, 3, ""),
    control(Label, "LabPerspec", "frmPerspec", {180, 270, 795, 495}, 24, "LabPerspec", kYellow, kBlack, kTimes14),
    with(with(with(control(ScrollBar, "VScroll2", "frmPerspec", {120, 240, 1725, 480}, 22),
                   &ControlDescription::range, ScrollRange{kMaxDistance, kMinDistance, 10, 10, StartupDefaults::kPerspectiveScrollValue}),
              &ControlDescription::enabled, false),
         &ControlDescription::scrollBarTabStop, true),
    yellowOnBlack(Frame, "Frame1", "", {120, 2640, 1950, 2535}, 4, "BANGUN RUANG"),
    shapeButton(0, {165, 300, 1335, 315}, 5),
    shapeButton(1, {165, 600, 1650, 300}, 13),
    shapeButton(2, {165, 900, 1335, 315}, 12),
    shapeButton(3, {165, 1200, 1335, 315}, 11),
    shapeButton(4, {195, 1515, 1335, 315}, 10),
    shapeButton(5, {195, 1845, 1455, 315}, 9),
    shapeButton(6, {195, 2175, 1335, 315}, 8),
    shapeButton(7, {195, 2505, 1335, 315}, 7),
    shapeButton(8, {225, 2835, 1335, 315}, 6),
    shapeButton(9, {180, 3150, 1335, 315}, 14),
    shapeButton(10, {195, 3510, 1455, 315}, 15),
    shapeButton(11, {195, 3825, 1455, 315}, 16),
    shapeButton(12, {195, 4125, 1455, 315}, 17),
    shapeButton(13, {210, 4425, 1455, 315}, 18),
    shapeButton(14, {210, 4695, 1455, 315}, 19),
    yellowOnBlack(OptionButton, "optAnim(1)", "", {480, 5760, 1200, 405}, 26, "Horizontal"),
    yellowOnBlack(OptionButton, "optAnim(0)", "", {480, 6120, 1440, 315}, 27, "Vertikal"),
    yellowOnBlack(OptionButton, "optAnim(2)", "", {120, 6720, 2040, 405}, 25, "Stop Rotasi"),
    control(PictureBox, "picDisplay", "", {2280, 1560, 6000, 6030}, 0),
    // The window's default colours, not its yellow on black.
    control(Frame, "frmAspect", "", {3120, 2400, 90, 240}, 1, "Aspect", kButtonText,
            kButtonFace),
    control(Label, "LabAspect", "frmAspect", {150, 270, 795, 255}, 23, "LabAspect", kWindowText,
            kWindowBackground),
    with(control(ScrollBar, "VScroll1", "frmAspect", {1035, 225, 270, 375}, 21),
         &ControlDescription::range, ScrollRange{kMaxAspectTenths, kMinAspectTenths, 1, 1, StartupDefaults::kAspectTenths}),
};
// clang-format on

// The row of the control `name`; nullptr for a name the table does not hold.
constexpr const ControlDescription* findControl(std::string_view name)
{
    for (const ControlDescription& row : kControls)
        if (row.name == name)
            return &row;
    return nullptr;
}

// The white rules above and below the animation buttons, under every control.
inline constexpr std::array kLines = {
    LinePlacement{"Line1", 120, 5640, 2040, 2},
    LinePlacement{"Line2", 120, 6600, 2040, 2},
};
inline constexpr ControlColour kLineColour = kWhite;

} // namespace Form1Layout
