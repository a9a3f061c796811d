#pragma once
// The lines of the picture a view shows, for the pictures made from it at
// another size or as vectors (print PNG, SVG, "Layar Penuh"): with the
// teaching aids off exactly the wireframe's polylines, with them on the
// picture's lines (picturelines.h) from the projection the drawing area's
// screen points were made with. It draws nothing.

#include "platform/drawingsurface.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"
#include "view/pictureoptions.h"
#include "view/wireframelines.h"

#include <vector>

std::vector<WireframePolyline> viewPolylines(const PointGrid& grid, const ViewState& state,
                                             const DrawingSurface& area, const PictureOptions& options);
