#pragma once
// The drawing run: clears the drawing area and draws a picture's lines
// (picturelines.h) into it at its own size, through the one renderer
// (scaledwireframe.h) with the identity mapping. It leaves the highlight pen
// set, whether or not there was a row 7.
//
// It reads only the screen arrays; projecting them is projection.h's job.

#include "platform/picturebox.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"
#include "view/pictureoptions.h"
#include "view/wireframelines.h"

#include <vector>

// The run for lines already made (the window's are kept, viewpicture.h).
void redrawArea(const std::vector<WireframePolyline>& lines, PictureBox& area);

// The run for the grid's current screen points, their lines made afresh
// (makePictureLines) with the teaching aids of `options`: the depths come
// from the projection at state.MouseX, state.MouseY on this area, so the
// screen points must have been made there.
void redrawArea(const PointGrid& grid, const ViewState& state, PictureBox& area,
                const PictureOptions& options = {});
