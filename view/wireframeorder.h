#pragma once
// The one place that knows the wireframe's drawing order and pens: every
// row, then every column, in the grid pen (black, 1 pixel), then row 7 (the
// outer angle of 90 degrees, a sphere's equator) again in the highlight pen
// (blue, 2 pixels) so it lies on top.
//
// The picture's lines (picturelines.h) are made in this order, and every
// picture is drawn from them. It holds no points and draws nothing.

#include "platform/colours.h"

inline constexpr int kHighlightRow = 7;

// Axis: the coordinate axes and their letters, drawn under the grid; a plane
// section's outline (SectionPlane) under everything, its curve
// (SectionCurve) over everything, and a school solid's marked parts and
// their labels (SchoolMark, never dashed) over that. None of them is part of
// the order below.
enum class WireframePen { Grid, Highlight, Axis, SectionPlane, SectionCurve, SchoolMark };

struct WireframePenStyle {
    ruvex::win::ColorRef color;
    int width; // pixels of the drawing area
};

constexpr WireframePenStyle penStyle(WireframePen pen)
{
    switch (pen) {
    case WireframePen::Highlight:
        return {ruvex::win::kBlue, 2};
    case WireframePen::Axis:
        return {ruvex::win::kAxisRed, 1};
    case WireframePen::SectionPlane:
        return {ruvex::win::kSectionGrey, 1};
    case WireframePen::SectionCurve:
        return {ruvex::win::kSectionGreen, 2};
    case WireframePen::SchoolMark:
        return {ruvex::win::kMarkRed, 2};
    case WireframePen::Grid:
        break;
    }
    return {ruvex::win::kBlack, 1};
}

// One open polyline of the order: a row (the column runs 1..length) or a
// column (the row runs 1..length).
struct WireframeLine {
    WireframePen pen = WireframePen::Grid;
    bool isColumn = false;
    int index = 1;  // the row or column, from 1
    int length = 0; // its points

    // The grid's column of the n-th point, from 1.
    constexpr int col(int n) const { return isColumn ? index : n; }
    // The grid's row of the n-th point, from 1.
    constexpr int row(int n) const { return isColumn ? n : index; }
};

// Calls visit(const WireframeLine&) for each line of a grid of cols x rows
// points, in drawing order.
template <typename Visit> constexpr void forEachWireframeLine(int cols, int rows, Visit&& visit)
{
    for (int i = 1; i <= rows; ++i)
        visit(WireframeLine{WireframePen::Grid, false, i, cols});
    for (int j = 1; j <= cols; ++j)
        visit(WireframeLine{WireframePen::Grid, true, j, rows});
    if (kHighlightRow <= rows)
        visit(WireframeLine{WireframePen::Highlight, false, kHighlightRow, cols});
}
