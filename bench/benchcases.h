#pragma once
// The redraw cases both benchmarks time: on the desktop under Google
// Benchmark (ruvex3d_bench.cpp) and as WebAssembly under node
// (web/bench_node.cpp), so the two measure the same work. Each call is one
// run of its case; timing and repeating it is the caller's job.
//
// The view is shape 0 at the pointer position (kBenchViewX, kBenchViewY) on
// the 396 x 396 drawing area, against the plain reference frame of the same
// segments (referenceframe.h): the redraw's cost reads as a ratio of it.

#include "platform/picturebox.h"
#include "surface/pointgrid.h"
#include "surface/startup.h"
#include "surface/viewstate.h"
#include "view/pictureoptions.h"
#include "view/projection.h"

#include "referenceframe.h"

#include <cstdint>
#include <vector>

inline constexpr ProjectionSettings kBenchArea{396, 396, 400, 400, 0, StartupDefaults::kPerspectiveDistance};
inline constexpr float kBenchViewX = 0.0f;
inline constexpr float kBenchViewY = 120.0f;
// The teaching aids the dashed cases draw: dashed back lines and the axes.
inline constexpr PictureOptions kBenchAids{true, true};

// The start view's grid, state and drawing area.
struct BenchScene {
    PointGrid grid;
    ViewState state = startupViewState();
    PictureBox box{2};

    BenchScene();

    // One full redraw of the view: projection, clear and the line calls.
    // With teaching aids the state must be at the view (lookAtView).
    void redraw(const PictureOptions& options = {});
    // The state at the view the redraw projects, as the aids' depths need.
    void lookAtView();
    // A view other than the last, as a pointer moving to and fro makes it,
    // projected: the lines' memory cannot answer from the last view.
    void turnToNextView();
};

// The plain reference frame of the scene's view: a memset clear and a plain
// Bresenham of the same segments into a 32-bit buffer.
class ReferenceFrame {
public:
    explicit ReferenceFrame(BenchScene& scene);
    void draw();
    std::uint32_t middlePixel() const { return m_pixels[198 * 396 + 198]; }

private:
    std::vector<reference::Segment> m_segments;
    std::vector<std::uint32_t> m_pixels;
};
