#pragma once
// A school solid (surface/schoolsolidshape.h) as picture lines for one view:
// fitted as the catalogue's solids are (the middle of what is drawn at the
// origin, its largest half extent at the view's ShapeSize, so a wide net is
// not cut off), its faces' rows and columns in the grid pen with the
// stretches its own faces hide when back lines are dashed, and its marked
// parts in red with their labels in strokes beside them.

#include "surface/schoolsolidshape.h"
#include "view/hiddenlines.h"
#include "view/projection.h"
#include "view/wireframelines.h"

#include <optional>
#include <vector>

// Labels: drawing-area pixels, beside the middle of their mark; a small
// letter (r, s) stands three quarters of the height, 9.75 pixels, so it reads
// on a projector.
inline constexpr float kMarkLetterWidth = 8.0f;
inline constexpr float kMarkLetterHeight = 13.0f;
inline constexpr float kMarkLetterAdvance = 10.0f;
inline constexpr float kMarkLabelGap = 4.0f;

// The shape's points moved and scaled into the view's world.
struct SolidFit {
    WorldPoint middle;
    double scale = 1.0;
    WorldPoint operator()(const WorldPoint& point) const
    {
        return {(point.x - middle.x) * scale, (point.y - middle.y) * scale, (point.z - middle.z) * scale};
    }
};
SolidFit solidFit(const SchoolSolidShape& shape, double shapeSize);

class SchoolSolidPicture {
public:
    SchoolSolidPicture(const SchoolSolid& solid, double shapeSize, const ViewProjection& projection,
                       bool dashedBackLines);

    // What the faces hide, when back lines are dashed.
    const SurfaceOcclusion* occlusion() const { return m_occlusion ? &*m_occlusion : nullptr; }
    // The faces' rows and columns; a row or column that is a single point
    // (a disc's centre, the apex, a pole) is left out.
    void appendFaces(std::vector<WireframePolyline>& lines) const;
    // The marks and their labels, never dashed.
    void appendMarks(std::vector<WireframePolyline>& lines) const;

private:
    struct ProjectedPatch {
        int cols = 0;
        int rows = 0;
        std::vector<ProjectedPoint> points;
        const ProjectedPoint& at(int col, int row) const
        {
            return points[static_cast<std::size_t>(row * cols + col)];
        }
    };
    template <typename At> void appendLine(std::vector<WireframePolyline>& lines, int length, At at) const;

    const ViewProjection& m_projection;
    SchoolSolidShape m_shape;
    SolidFit m_fit;
    std::vector<ProjectedPatch> m_patches;
    std::optional<SurfaceOcclusion> m_occlusion;
};
