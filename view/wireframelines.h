#pragma once
// A picture of one view as lines rather than pixels: polylines of unrounded
// screen points, each with its pen and the stretches the surface hides.
// picturelines.h makes them; every picture of the view (the drawing area,
// the print picture, the full screen, the SVG) is drawn from them, so they
// all hold exactly the same segments.

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
