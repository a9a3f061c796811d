#pragma once
// The lines of the picture a view shows on a drawing area (picturelines.h,
// with the projection the area's screen points were made with), and a memory
// of the last of them. It draws nothing.

#include "platform/picturebox.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"
#include "view/picturelines.h"
#include "view/pictureoptions.h"
#include "view/projection.h"
#include "view/sectionmemo.h"
#include "view/wireframelines.h"

#include <cstdint>
#include <vector>

// makePictureLines with the projection settings of `area`.
inline std::vector<WireframePolyline> makePictureLines(const PointGrid& grid, const ViewState& state,
                                                       const PictureBox& area, const PictureOptions& options)
{
    return makePictureLines(grid, state, projectionSettings(area, state), options);
}

// makePictureLines with a memory of its last answer: asked again with the same
// grid, view, area and options, it answers with the same lines without
// working them out again. The drawing area's redraw and the pictures made
// from the same view beside it ("Layar Penuh", an export, a copy) then share
// one working-out of the hidden lines. Asked about a new view, as the window
// is on every pointer move, it writes the new lines over the old ones'
// storage.
class PictureLinesMemo {
public:
    const std::vector<WireframePolyline>& lines(const PointGrid& grid, const ViewState& state,
                                                const PictureBox& area, const PictureOptions& options);
    // The section of the state's shape and aspect by `plane`, which the lines
    // draw while it is shown: kept apart from the lines, as a turning solid
    // needs new lines at every step but the same section.
    const PlaneSection& section(const ViewState& state, SectionPlane plane)
    {
        return m_section.section(state.ShapeIndex, state.AspectFactor, plane);
    }

private:
    // Everything the lines are made from: the grid's points and the parts of
    // the view they read, bit for bit (so 0 and -0 differ, and a NaN equals
    // itself), and the projection's settings. Empty bits: nothing made yet.
    struct Inputs {
        std::vector<std::uint32_t> bits;
        int cols = 0;
        int rows = 0;
        ProjectionSettings settings;
        PictureOptions options;
        friend bool operator==(const Inputs&, const Inputs&) = default;
    };
    // Writes them over `inputs`, keeping its storage.
    static void noteInputs(const PointGrid& grid, const ViewState& state, const PictureBox& area,
                           const PictureOptions& options, Inputs& inputs);

    Inputs m_inputs; // of m_lines
    Inputs m_asked;  // of the last question
    std::vector<WireframePolyline> m_lines;
    SectionMemo m_section;
};
