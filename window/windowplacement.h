#pragma once
// Where a window opened beside the main one stands (the section window), so
// it never hides the main window when the screen has room: to the main
// window's right, else below it, else, made narrow, in the strip right of
// the part of the main window that must stay in view (the picture). The
// same rule for every front end; rectangles in the screen's (or the page's
// viewport's) units, its top-left corner at 0,0.

#include "platform/rect.h"

// The screen's units may have fractions (a browser's do).
using PlacementRect = Rect<double>;

struct WindowPlacement {
    double x = 0;
    double y = 0;
    // Narrowed to `width` (the strip's), rather than its own width.
    bool narrowed = false;
    double width = 0;
    // False where the window fits nowhere beside the main one: the system's
    // place for it stands.
    bool placed = true;
};

// `main` the main window's rectangle, `keepInView` the part of it that must
// stay uncovered, `size` the new window's own width and height, `screen` the
// room there is. A window that cannot be narrowed below `narrowest` goes left
// of the main window instead of into a narrower strip, where there is room.
WindowPlacement placeBeside(const PlacementRect& main, const PlacementRect& keepInView,
                            const PlacementRect& size, const PlacementRect& screen, double narrowest = 0);
