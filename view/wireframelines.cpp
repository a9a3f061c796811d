#include "view/wireframelines.h"

#include <algorithm>

std::vector<WireframePolyline> wireframePolylines(const PointGrid& grid, int cols, int rows)
{
    cols = std::clamp(cols, 0, grid.ScreenX.cols());
    rows = std::clamp(rows, 0, grid.ScreenX.rows());
    std::vector<WireframePolyline> lines;
    lines.reserve(static_cast<std::size_t>(rows + cols + 1));
    forEachWireframeLine(cols, rows, [&](const WireframeLine& line) {
        WireframePolyline polyline{line.pen, {}, {}};
        polyline.points.reserve(static_cast<std::size_t>(line.length));
        for (int n = 1; n <= line.length; ++n)
            polyline.points.push_back(
                {grid.ScreenX(line.col(n), line.row(n)), grid.ScreenY(line.col(n), line.row(n))});
        lines.push_back(std::move(polyline));
    });
    return lines;
}
