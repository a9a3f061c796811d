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
#include "view/pictureoptions.h"

inline constexpr int kHighlightRow = 7;

// Stores the device-context handle in state.DisplayDC and each previous pen
// position in state.LastPoint, as the drawing calls report them.
void drawWireframe(const PointGrid& grid, DrawingSurface& surface, ViewState& state);

// The same run with the teaching aids of `options` (picturelines.h): with
// both off it is the call above. Otherwise the lines are drawn through the
// device context in the list's order, the axes first; the depths come from
// the projection at state.MouseX, state.MouseY on this surface, so the screen
// points must have been made there.
void drawWireframe(const PointGrid& grid, DrawingSurface& surface, ViewState& state,
                   const PictureOptions& options);
