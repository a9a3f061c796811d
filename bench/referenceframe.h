#pragma once
// The plain reference frame the redraw benchmarks are read against, on the
// desktop (bench/ruvex3d_bench.cpp) and as WebAssembly under node
// (web/bench_node.cpp): the wireframe's segments as whole pixels and a plain
// Bresenham that writes them into a 32-bit buffer, with none of the drawing
// layer's pens, clipping or bookkeeping.

#include "platform/colours.h"
#include "surface/pointgrid.h"
#include "view/projection.h"
#include "view/wireframeorder.h"

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace reference {

struct Segment {
    int x0, y0, x1, y1;
    std::uint32_t color;
    int pen = 1;
};

inline std::vector<Segment> segmentsOf(const PointGrid& grid)
{
    std::vector<Segment> segments;
    auto at = [&](int j, int i) {
        return std::pair{toPixel(grid.ScreenX(j, i)), toPixel(grid.ScreenY(j, i))};
    };
    for (int i = 1; i <= kGridSize; ++i)
        for (int j = 2; j <= kGridSize; ++j)
            segments.push_back({at(j - 1, i).first, at(j - 1, i).second, at(j, i).first, at(j, i).second, 0});
    for (int j = 1; j <= kGridSize; ++j)
        for (int i = 2; i <= kGridSize; ++i)
            segments.push_back({at(j, i - 1).first, at(j, i - 1).second, at(j, i).first, at(j, i).second, 0});
    const std::uint32_t blue = ruvex::win::pixelOf(ruvex::win::kBlue);
    for (int j = 2; j <= kGridSize; ++j)
        segments.push_back({at(j - 1, kHighlightRow).first, at(j - 1, kHighlightRow).second,
                            at(j, kHighlightRow).first, at(j, kHighlightRow).second, blue, 2});
    return segments;
}

inline void plainLine(std::uint32_t* pixels, int width, int height, const Segment& s)
{
    int x0 = s.x0;
    int y0 = s.y0;
    const int dx = std::abs(s.x1 - x0);
    const int dy = -std::abs(s.y1 - y0);
    const int sx = x0 < s.x1 ? 1 : -1;
    const int sy = y0 < s.y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != s.x1 || y0 != s.y1) {
        if (x0 >= 0 && x0 < width && y0 >= 0 && y0 < height)
            pixels[y0 * width + x0] = s.color;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

} // namespace reference
