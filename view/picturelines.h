#pragma once
// The lines of one view's picture, the one place they are made: with the
// teaching aids of PictureOptions the coordinate axes and their letters first
// (drawn under the wireframe), then the wireframe's polylines in the drawing
// run's order (wireframeorder.h), each with the stretches the surface hides
// when back lines are dashed. With the options off, just the polylines.
//
// Every picture of the view (the drawing area, the print picture, the
// full-screen picture, the SVG) is drawn from this one list, so they hold the
// same segments and the aids look the same in all of them. It draws nothing
// itself; PictureLinesMemo below keeps the last list for the pictures made
// beside the drawing area.

#include "platform/imagedevicecontext.h"
#include "platform/picturebox.h"
#include "surface/planesection.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"
#include "view/linedashes.h"
#include "view/pictureoptions.h"
#include "view/projection.h"
#include "view/sectionmemo.h"
#include "view/wireframelines.h"

#include <cstdint>
#include <span>
#include <vector>

// The grid's current screen points (state.GridCols x state.GridRows) with
// the aids; the depths come from the projection of `settings` at the
// pointer position state.MouseX, state.MouseY, the one the screen points were
// made with. The axes reach kAxisReach * state.ShapeSize each way. The
// lines are written over `storage`, an earlier list whose vectors are reused.
//
// With a plane section in the options: the plane's outline first (under
// everything), the curve last (over everything), both projected from the
// solid's coordinates; `section` is the section of the current shape and
// aspect by that plane when the caller keeps one, otherwise it is worked
// out here.
std::vector<WireframePolyline> makePictureLines(const PointGrid& grid, const ViewState& state,
                                                const ProjectionSettings& settings,
                                                const PictureOptions& options,
                                                std::vector<WireframePolyline> storage = {},
                                                const PlaneSection* section = nullptr);

// The same with the projection the screen points were made with, handed in
// made: the lines then take their depths from it without projecting again.
std::vector<WireframePolyline> makePictureLines(const PointGrid& grid, const ViewState& state,
                                                const ViewProjection& projection,
                                                const PictureOptions& options,
                                                std::vector<WireframePolyline> storage = {},
                                                const PlaneSection* section = nullptr);

// makePictureLines with the projection settings of `area`.
inline std::vector<WireframePolyline> makePictureLines(const PointGrid& grid, const ViewState& state,
                                                       const PictureBox& area, const PictureOptions& options)
{
    return makePictureLines(grid, state, projectionSettings(area, state), options);
}

// makePictureLines with a memory of its last answer: asked again with the same
// grid, view, projection settings and options, it answers with the same lines without
// working them out again. The drawing area's redraw and the pictures made
// from the same view beside it ("Layar Penuh", an export, a copy) then share
// one working-out of the hidden lines. Asked about a new view, as the window
// is on every pointer move, it writes the new lines over the old ones'
// storage.
class PictureLinesMemo {
public:
    const std::vector<WireframePolyline>& lines(const PointGrid& grid, const ViewState& state,
                                                const ViewProjection& projection,
                                                const PictureOptions& options);
    const std::vector<WireframePolyline>& lines(const PointGrid& grid, const ViewState& state,
                                                const ProjectionSettings& settings,
                                                const PictureOptions& options)
    {
        return lines(grid, state, ViewProjection(settings, state.MouseX, state.MouseY), options);
    }
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
    static void noteInputs(const PointGrid& grid, const ViewState& state, const ProjectionSettings& settings,
                           const PictureOptions& options, Inputs& inputs);

    Inputs m_inputs; // of m_lines
    Inputs m_asked;  // of the last question
    std::vector<WireframePolyline> m_lines;
    SectionMemo m_section;
};
