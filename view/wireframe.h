#pragma once
// The drawing run: clears the drawing area and draws the projected grid as
// open polylines, every row and every column in a 1-pixel black pen, then row
// 7 (the outer angle of 90 degrees, a sphere's equator) again in a 2-pixel
// blue pen so it lies on top.
//
// It reads only the screen arrays; projecting them is projection.h's job.

#include "platform/drawingsurface.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"

inline constexpr int kHighlightRow = 7;

// Stores the device-context handle in state.DisplayDC and each previous pen
// position in state.LastPoint, as the drawing calls report them.
void drawWireframe(const PointGrid& grid, DrawingSurface& surface, ViewState& state);
