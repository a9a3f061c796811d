#pragma once
// The drawing run: clears the drawing area and draws the projected grid as
// open polylines in the wireframe's order and pens (wireframeorder.h). It
// leaves the highlight pen set, whether or not there was a row 7.
//
// It reads only the screen arrays; projecting them is projection.h's job.

#include "platform/picturebox.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"
#include "view/pictureoptions.h"
#include "view/wireframelines.h"
#include "view/wireframeorder.h"

#include <vector>

void drawWireframe(const PointGrid& grid, PictureBox& surface, const ViewState& state);

// The same run with the teaching aids of `options` (picturelines.h): with
// both off it is the call above. Otherwise the lines are drawn through the
// device context in the list's order, the axes first; the depths come from
// the projection at state.MouseX, state.MouseY on this surface, so the screen
// points must have been made there.
void drawWireframe(const PointGrid& grid, PictureBox& surface, const ViewState& state,
                   const PictureOptions& options);

// That run's drawing for lines already made (picturelines.h, viewpicture.h):
// clears the area, draws them in the list's order and leaves the highlight
// pen set.
void drawPictureLines(const std::vector<WireframePolyline>& lines, PictureBox& surface);
