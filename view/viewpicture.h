#pragma once
// The lines of the picture a view shows, for the pictures made from it at
// another size or as vectors (print PNG, SVG, "Layar Penuh"): with the
// teaching aids off exactly the wireframe's polylines, with them on the
// picture's lines (picturelines.h) from the projection the drawing area's
// screen points were made with. It draws nothing.

#include "platform/picturebox.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"
#include "view/pictureoptions.h"
#include "view/projection.h"
#include "view/wireframelines.h"

#include <cstdint>
#include <optional>
#include <vector>

std::vector<WireframePolyline> viewPolylines(const PointGrid& grid, const ViewState& state,
                                             const PictureBox& area, const PictureOptions& options);

// viewPolylines with a memory of its last answer: asked again with the same
// grid, view, area and options, it answers with the same lines without
// working them out again. The drawing area's redraw and the pictures made
// from the same view beside it ("Layar Penuh", an export, a copy) then share
// one working-out of the hidden lines.
class ViewPolylinesMemo {
public:
    const std::vector<WireframePolyline>& lines(const PointGrid& grid, const ViewState& state,
                                                const PictureBox& area, const PictureOptions& options);

private:
    // Everything the lines are made from: the grid's points and the parts of
    // the view they read, bit for bit (so 0 and -0 differ, and a NaN equals
    // itself), and the projection's settings.
    struct Inputs {
        std::vector<std::uint32_t> bits;
        int cols = 0;
        int rows = 0;
        ProjectionSettings settings;
        PictureOptions options;
        friend bool operator==(const Inputs&, const Inputs&) = default;
    };
    static Inputs inputsOf(const PointGrid& grid, const ViewState& state, const PictureBox& area,
                           const PictureOptions& options);

    std::optional<Inputs> m_inputs;
    std::vector<WireframePolyline> m_lines;
};
