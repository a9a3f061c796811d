#pragma once
// The main window's stored layout: every control's position (in its
// container), size and tab position, in twips, in one table. Captions,
// colours, fonts and containers are set where each control is made
// (form1controls.cpp); positions live only here.

#include <array>
#include <string_view>

struct ControlPlacement {
    std::string_view name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = -1; // -1: not in the tab order
};

// A horizontal line from (x1, y) to (x2, y).
struct LinePlacement {
    std::string_view name;
    int x1 = 0;
    int y = 0;
    int x2 = 0;
    int widthPixels = 1;
};

namespace Form1Layout {

inline constexpr int kClientWidth = 8385;  // 559 pixels
inline constexpr int kClientHeight = 7665; // 511 pixels

// Controls are listed in stacking order, bottom first: labels are painted on
// their container, so every windowed control placed over one covers it. A
// control inside a frame is placed relative to that frame.
inline constexpr std::array kControls = {
    ControlPlacement{"Label3", 4635, 6720, 870, 90, 20},
    ControlPlacement{"Label1", 120, 5280, 1455, 255, 28},
    ControlPlacement{"Text1", 120, 120, 8175, 1335, 29},
    ControlPlacement{"chkPerspective", 120, 1440, 1995, 375, 2},
    ControlPlacement{"frmPerspec", 120, 1800, 1995, 840, 3},
    // in frmPerspec
    ControlPlacement{"LabPerspec", 180, 270, 795, 495, 24},
    ControlPlacement{"VScroll2", 120, 240, 1725, 480, 22},
    // back in the window
    ControlPlacement{"Frame1", 120, 2640, 1950, 2535, 4},
    // in Frame1
    ControlPlacement{"Option1(0)", 165, 300, 1335, 315, 5},
    ControlPlacement{"Option1(1)", 165, 600, 1650, 300, 13},
    ControlPlacement{"Option1(2)", 165, 900, 1335, 315, 12},
    ControlPlacement{"Option1(3)", 165, 1200, 1335, 315, 11},
    ControlPlacement{"Option1(4)", 195, 1515, 1335, 315, 10},
    ControlPlacement{"Option1(5)", 195, 1845, 1455, 315, 9},
    ControlPlacement{"Option1(6)", 195, 2175, 1335, 315, 8},
    ControlPlacement{"Option1(7)", 195, 2505, 1335, 315, 7},
    ControlPlacement{"Option1(8)", 225, 2835, 1335, 315, 6},
    ControlPlacement{"Option1(9)", 180, 3150, 1335, 315, 14},
    ControlPlacement{"Option1(10)", 195, 3510, 1455, 315, 15},
    ControlPlacement{"Option1(11)", 195, 3825, 1455, 315, 16},
    ControlPlacement{"Option1(12)", 195, 4125, 1455, 315, 17},
    ControlPlacement{"Option1(13)", 210, 4425, 1455, 315, 18},
    ControlPlacement{"Option1(14)", 210, 4695, 1455, 315, 19},
    // back in the window
    ControlPlacement{"optAnim(1)", 480, 5760, 1200, 405, 26},
    ControlPlacement{"optAnim(0)", 480, 6120, 1440, 315, 27},
    ControlPlacement{"optAnim(2)", 120, 6720, 2040, 405, 25},
    ControlPlacement{"picDisplay", 2280, 1560, 6000, 6030, 0},
    ControlPlacement{"frmAspect", 3120, 2400, 90, 240, 1},
    // in frmAspect
    ControlPlacement{"LabAspect", 150, 270, 795, 255, 23},
    ControlPlacement{"VScroll1", 1035, 225, 270, 375, 21},
};

inline constexpr std::array kLines = {
    LinePlacement{"Line1", 120, 5640, 2040, 2},
    LinePlacement{"Line2", 120, 6600, 2040, 2},
};

} // namespace Form1Layout
