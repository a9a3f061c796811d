#pragma once
// A line's hidden stretches as the renderers draw them dashed: the dash
// pattern runs on along a polyline from segment to segment, in drawing-area
// pixels. The raster (scaledwireframe.h) paints stretches of a segment, the
// SVG (svgpicture.h) writes pieces of a polyline; both from here, so their
// dashes fall in the same places. It draws nothing.

#include "platform/imagedevicecontext.h"
#include "view/wireframelines.h"

#include <cstddef>
#include <span>
#include <vector>

// Where along a polyline the dash pattern stands: it runs on from one
// segment to the next, measured in drawing-area pixels from the polyline's
// start.
float segmentLength(const WireframePolyline& line, std::size_t segment);

// The stretches of one segment to paint: everything outside its hidden
// spans, and the dashes within them. `arcStart` is the pattern's position at
// the segment's start. Replaces the contents of `stretches`.
void paintedStretches(std::span<const SegmentSpan> hidden, float arcStart, float length,
                      std::vector<ruvex::win::LineStretch>& stretches);

// A polyline cut where it goes behind the surface and comes out again: the
// pieces in order, each a polyline of its own, hidden or not, with the dash
// pattern's position at its start. Pieces of no length are left out.
struct PolylinePiece {
    bool hidden = false;
    float arcStart = 0.0f;
    std::vector<ScreenPoint> points;
};
std::vector<PolylinePiece> polylinePieces(const WireframePolyline& line);
