#include "view/wireframelines.h"

#include "platform/colours.h"
#include "view/wireframe.h"

#include <algorithm>

WireframePenStyle penStyle(WireframePen pen)
{
    switch (pen) {
    case WireframePen::Highlight:
        return {ruvex::win::kBlue, 2};
    case WireframePen::Axis:
        return {ruvex::win::kAxisRed, 1};
    case WireframePen::Grid:
        break;
    }
    return {ruvex::win::kBlack, 1};
}

std::vector<WireframePolyline> wireframePolylines(const PointGrid& grid, int cols, int rows)
{
    cols = std::clamp(cols, 0, grid.ScreenX.cols());
    rows = std::clamp(rows, 0, grid.ScreenX.rows());
    const auto point = [&grid](int j, int i) { return ScreenPoint{grid.ScreenX(j, i), grid.ScreenY(j, i)}; };
    const auto row = [&](WireframePen pen, int i) {
        WireframePolyline line{pen, {}, {}};
        line.points.reserve(static_cast<std::size_t>(cols));
        for (int j = 1; j <= cols; ++j)
            line.points.push_back(point(j, i));
        return line;
    };

    std::vector<WireframePolyline> lines;
    lines.reserve(static_cast<std::size_t>(rows + cols + 1));
    for (int i = 1; i <= rows; ++i)
        lines.push_back(row(WireframePen::Grid, i));
    for (int j = 1; j <= cols; ++j) {
        WireframePolyline column{WireframePen::Grid, {}, {}};
        column.points.reserve(static_cast<std::size_t>(rows));
        for (int i = 1; i <= rows; ++i)
            column.points.push_back(point(j, i));
        lines.push_back(std::move(column));
    }
    if (kHighlightRow <= rows)
        lines.push_back(row(WireframePen::Highlight, kHighlightRow));
    return lines;
}
