#pragma once
// The wireframe of one view as lines rather than pixels: the polylines the
// drawing run draws, in its order (wireframeorder.h), each with the
// unrounded screen points of the grid.
//
// Pictures made from the same view in other forms (a larger picture for
// print, a vector picture) start from this list, so they hold exactly the
// segments of the drawing area. The drawing run itself (wireframe.h) walks the
// same order over the grid's pixels: it runs on every pointer move and
// allocates nothing.

#include "surface/pointgrid.h"
#include "view/wireframeorder.h"

#include <vector>

struct ScreenPoint {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// A stretch of segment `segment` (from points[segment] to the next point),
// by the segment's parameter along the screen: 0 at its start, 1 at its end.
struct SegmentSpan {
    int segment = 0;
    float from = 0.0f;
    float to = 0.0f;
    friend bool operator==(const SegmentSpan&, const SegmentSpan&) = default;
};

struct WireframePolyline {
    WireframePen pen = WireframePen::Grid;
    std::vector<ScreenPoint> points; // open: the last is not joined to the first
    // What the surface hides, drawn dashed: by segment and then parameter,
    // disjoint. Empty for the plain wireframe.
    std::vector<SegmentSpan> hidden = {};
    friend bool operator==(const WireframePolyline&, const WireframePolyline&) = default;
};

// The polylines of the grid's current ScreenX/ScreenY over `cols` columns and
// `rows` rows (limited to the grid's own extents).
std::vector<WireframePolyline> wireframePolylines(const PointGrid& grid, int cols, int rows);
