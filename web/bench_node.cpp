// The core's redraw as the page runs it, timed under node: projection, clear
// and the 1275 line calls into the 396 x 396 picture, against the plain
// reference frame of bench/ruvex3d_bench.cpp's BM_ReferenceFrame (a memset
// clear and a plain Bresenham of the same segments into a 32-bit buffer), so
// the two read as a ratio from one run, as on the desktop. A benchmark, not a
// test: it prints medians and decides nothing. Last, the redraw with dashed
// back lines and the axes.

#include "platform/picturebox.h"
#include "surface/shapecatalogue.h"
#include "surface/startup.h"
#include "view/projection.h"
#include "view/wireframe.h"

#include "referenceframe.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using reference::plainLine;
using reference::Segment;
using reference::segmentsOf;

constexpr ProjectionSettings kArea{396, 396, 400, 400, 0, StartupDefaults::kPerspectiveDistance};
constexpr float kViewX = 0.0f;
constexpr float kViewY = 120.0f;

// Median over 15 batches of `runs` calls, in microseconds per call.
template <class Work> double medianMicroseconds(Work work, int runs)
{
    std::vector<double> batches;
    for (int batch = 0; batch < 15; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int n = 0; n < runs; ++n)
            work();
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        batches.push_back(spent.count() / runs);
    }
    std::nth_element(batches.begin(), batches.begin() + 7, batches.end());
    return batches[7];
}

} // namespace

int main()
{
    PointGrid grid;
    ViewState state;
    state.GridRows = state.GridCols = kGridSize;
    state.ShapeSize = StartupDefaults::kShapeSize;
    state.AspectFactor = StartupDefaults::kAspectFactor;
    grid.allocate(kGridSize, kGridSize);
    fillShapePoints(grid, state);
    PictureBox box(2);
    box.setOuterSize(400, 400);

    volatile std::uint32_t sink = 0;
    const double redraw = medianMicroseconds(
        [&] {
            calculateScreenPoints(grid, kArea, kViewX, kViewY);
            drawWireframe(grid, box, state);
            sink = sink + box.Image().pixel(198, 198);
        },
        400);
    calculateScreenPoints(grid, kArea, kViewX, kViewY);
    const std::vector<Segment> segments = segmentsOf(grid);
    std::vector<std::uint32_t> pixels(396 * 396);
    const double reference = medianMicroseconds(
        [&] {
            std::memset(pixels.data(), 0xFF, pixels.size() * sizeof(std::uint32_t));
            for (const Segment& s : segments)
                plainLine(pixels.data(), 396, 396, s);
            sink = sink + pixels[198 * 396 + 198];
        },
        400);
    std::printf("full redraw %.1f us, plain reference frame %.1f us, ratio %.2f\n", redraw, reference,
                redraw / reference);

    // With dashed back lines and the axes, as the desktop's BM_DashedRedraw.
    state.MouseY = kViewY;
    const double dashed = medianMicroseconds(
        [&] {
            calculateScreenPoints(grid, kArea, kViewX, kViewY);
            drawWireframe(grid, box, state, PictureOptions{true, true});
            sink = sink + box.Image().pixel(198, 198);
        },
        40);
    std::printf("dashed redraw with the axes %.1f us\n", dashed);
    return 0;
}
