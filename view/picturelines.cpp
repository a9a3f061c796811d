#include "view/picturelines.h"

#include "view/hiddenlines.h"
#include "view/schoolsolidpicture.h"
#include "view/strokeletters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>

namespace {

// The letters: drawing-area pixels, placed this far beyond the axis's end.
constexpr float kLetterWidth = 6.0f;
constexpr float kLetterHeight = 8.0f;
constexpr float kLetterGap = 3.0f;

// The letter sits beyond the positive end, away from the origin's image; an
// axis seen end-on gets its letter up and to the right.
ScreenPoint letterCentre(const ScreenPoint& end, const ScreenPoint& origin)
{
    float dx = end.x - origin.x;
    float dy = end.y - origin.y;
    const float length = std::hypot(dx, dy);
    dx = length >= 1.0f ? dx / length : std::sqrt(0.5f);
    dy = length >= 1.0f ? dy / length : -std::sqrt(0.5f);
    const float reach = kLetterGap + std::abs(dx) * kLetterWidth / 2 + std::abs(dy) * kLetterHeight / 2;
    return {end.x + dx * reach, end.y + dy * reach};
}

void appendLetter(std::vector<WireframePolyline>& lines, int axis, const ScreenPoint& centre)
{
    for (const Stroke& stroke : letterStrokes(U"XYZ"[axis])) {
        WireframePolyline line{WireframePen::Axis, {}, {}};
        for (const ScreenPoint& p : stroke)
            line.points.push_back({centre.x + p.x * kLetterWidth, centre.y + p.y * kLetterHeight});
        lines.push_back(std::move(line));
    }
}

void appendAxes(std::vector<WireframePolyline>& lines, const ViewProjection& projection, float reach,
                const SurfaceOcclusion* occlusion)
{
    const ProjectedPoint origin = projection.project(0.0, 0.0, 0.0);
    for (int axis = 0; axis < 3; ++axis) {
        std::array<double, 3> end{};
        end[static_cast<std::size_t>(axis)] = reach;
        const ProjectedPoint plus = projection.project(end[0], end[1], end[2]);
        const ProjectedPoint minus = projection.project(-end[0], -end[1], -end[2]);
        WireframePolyline line{WireframePen::Axis, {{minus.x, minus.y}, {plus.x, plus.y}}, {}};
        if (occlusion)
            occlusion->appendHidden(depthPointOf(projection, minus), depthPointOf(projection, plus), 0,
                                    line.hidden);
        lines.push_back(std::move(line));
    }
    const std::size_t firstAxis = lines.size() - 3;
    for (int axis = 0; axis < 3; ++axis)
        appendLetter(lines, axis,
                     letterCentre(lines[firstAxis + static_cast<std::size_t>(axis)].points.back(),
                                  {origin.x, origin.y}));
}

// The grid's current screen points over `cols` x `rows` as polylines, in the
// drawing run's order, written over `lines`: the window makes them on every
// pointer move, and the vectors it had keep their storage.
std::vector<WireframePolyline> gridPolylines(const PointGrid& grid, int cols, int rows,
                                             std::vector<WireframePolyline> lines)
{
    std::size_t count = 0;
    forEachWireframeLine(cols, rows, [&](const WireframeLine& line) {
        if (count == lines.size())
            lines.emplace_back();
        WireframePolyline& polyline = lines[count++];
        polyline.pen = line.pen;
        polyline.hidden.clear();
        polyline.points.resize(static_cast<std::size_t>(line.length));
        for (int n = 1; n <= line.length; ++n)
            polyline.points[static_cast<std::size_t>(n - 1)]
                = {grid.ScreenX(line.col(n), line.row(n)), grid.ScreenY(line.col(n), line.row(n))};
    });
    lines.resize(count);
    return lines;
}

// A section's curve lies on the surface, which the grid's flat triangles
// only approximate: it is tested for hiding as if this much nearer the eye,
// so that the triangles around it never hide it.
constexpr double kSectionDepthBias = 1.5;

ProjectedPoint projected(const ViewProjection& projection, const WorldPoint& point)
{
    return projection.project(point.x, point.y, point.z);
}

// The plane's 300 x 300 square, closed, in the plane's pen.
WireframePolyline sectionOutline(const ViewProjection& projection, SectionPlane plane)
{
    WireframePolyline line{WireframePen::SectionPlane, {}, {}};
    for (const WorldPoint& corner : sectionPlaneOutline(plane)) {
        const ProjectedPoint at = projected(projection, corner);
        line.points.push_back({at.x, at.y});
    }
    line.points.push_back(line.points.front());
    return line;
}

// One piece of the curve, with what the surface hides of it when back lines
// are dashed; a piece of one point, where the plane only touches the
// surface, is a dot.
WireframePolyline sectionPiece(const ViewProjection& projection, const std::vector<WorldPoint>& piece,
                               const SurfaceOcclusion* occlusion)
{
    WireframePolyline line{WireframePen::SectionCurve, {}, {}};
    std::vector<DepthPoint> depths;
    for (const WorldPoint& point : piece) {
        ProjectedPoint at = projected(projection, point);
        line.points.push_back({at.x, at.y});
        at.depth += static_cast<float>(kSectionDepthBias);
        depths.push_back(depthPointOf(projection, at));
    }
    if (line.points.size() == 1) {
        const ScreenPoint dot = line.points.front();
        line.points = {{dot.x - 0.5f, dot.y}, {dot.x + 0.5f, dot.y}};
        depths.push_back(depths.front());
    }
    for (std::size_t n = 1; occlusion && n < depths.size(); ++n)
        occlusion->appendHidden(depths[n - 1], depths[n], static_cast<int>(n - 1), line.hidden);
    return line;
}

// `grid` is the list of gridPolylines, so it walks the same order.
void markHidden(std::vector<WireframePolyline>& grid, const SurfaceOcclusion& occlusion, int cols, int rows)
{
    auto polyline = grid.begin();
    forEachWireframeLine(cols, rows, [&](const WireframeLine& line) {
        std::vector<SegmentSpan>& hidden = (polyline++)->hidden;
        for (int n = 1; n < line.length; ++n)
            occlusion.appendHidden(occlusion.vertex(line.col(n), line.row(n)),
                                   occlusion.vertex(line.col(n + 1), line.row(n + 1)), n - 1, hidden);
    });
}

// A school solid drawn instead of the grid: the axes under it, its faces,
// then its marks over everything. A section is not drawn with it.
std::vector<WireframePolyline> schoolSolidLines(const SchoolSolid& solid, const ViewState& state,
                                                const ViewProjection& projection,
                                                const PictureOptions& options,
                                                std::vector<WireframePolyline> lines)
{
    lines.clear();
    if (!projection.usable())
        return lines;
    const SchoolSolidPicture picture(solid, state.ShapeSize, projection, options.dashedBackLines);
    if (options.axes)
        appendAxes(lines, projection, kAxisReach * state.ShapeSize, picture.occlusion());
    picture.appendFaces(lines);
    picture.appendMarks(lines);
    return lines;
}

} // namespace

std::vector<WireframePolyline> makePictureLines(const PointGrid& grid, const ViewState& state,
                                                const ProjectionSettings& settings,
                                                const PictureOptions& options,
                                                std::vector<WireframePolyline> storage,
                                                const PlaneSection* section)
{
    return makePictureLines(grid, state, ViewProjection(settings, state.MouseX, state.MouseY), options,
                            std::move(storage), section);
}

std::vector<WireframePolyline> makePictureLines(const PointGrid& grid, const ViewState& state,
                                                const ViewProjection& projection,
                                                const PictureOptions& options,
                                                std::vector<WireframePolyline> storage,
                                                const PlaneSection* section)
{
    if (options.schoolSolid)
        return schoolSolidLines(*options.schoolSolid, state, projection, options, std::move(storage));
    const int cols = std::clamp(state.GridCols, 0, grid.ScreenX.cols());
    const int rows = std::clamp(state.GridRows, 0, grid.ScreenX.rows());
    std::vector<WireframePolyline> wireframe = gridPolylines(grid, cols, rows, std::move(storage));
    // The plain wireframe needs no projection of its own: the grid's points
    // are on the screen already.
    if (options == PictureOptions{})
        return wireframe;
    if (!projection.usable())
        return wireframe;

    std::optional<SurfaceOcclusion> occlusion;
    if (options.dashedBackLines) {
        occlusion.emplace(grid, cols, rows, projection);
        markHidden(wireframe, *occlusion, cols, rows);
    }
    if (!options.axes && !options.section)
        return wireframe;
    std::optional<PlaneSection> ownSection;
    if (options.section && !section)
        section
            = &ownSection.emplace(planeSection(state.ShapeIndex, state.AspectFactor, options.section->plane));
    const bool cut = options.section && section->available && !section->flat;
    std::vector<WireframePolyline> lines;
    lines.reserve(wireframe.size() + 10 + (cut ? section->pieces.size() : 0));
    if (cut && options.section->outline)
        lines.push_back(sectionOutline(projection, options.section->plane));
    if (options.axes)
        appendAxes(lines, projection, kAxisReach * state.ShapeSize, occlusion ? &*occlusion : nullptr);
    std::move(wireframe.begin(), wireframe.end(), std::back_inserter(lines));
    for (std::size_t n = 0; cut && n < section->pieces.size(); ++n)
        lines.push_back(sectionPiece(projection, section->pieces[n], occlusion ? &*occlusion : nullptr));
    return lines;
}

void PictureLinesMemo::noteInputs(const PointGrid& grid, const ViewState& state,
                                  const ProjectionSettings& settings, const PictureOptions& options,
                                  Inputs& inputs)
{
    inputs.cols = state.GridCols;
    inputs.rows = state.GridRows;
    inputs.settings = settings;
    inputs.options = options;
    // The shape and aspect choose a section's curve.
    const float view[] = {state.MouseX, state.MouseY, state.ShapeSize, static_cast<float>(state.ShapeIndex),
                          state.AspectFactor};
    const std::array<const SingleGrid*, 5> arrays{&grid.WorldX, &grid.WorldY, &grid.WorldZ, &grid.ScreenX,
                                                  &grid.ScreenY};
    std::size_t size = std::size(view);
    for (const SingleGrid* values : arrays)
        size += 1 + values->size();
    inputs.bits.resize(size);
    std::uint32_t* at = inputs.bits.data();
    const auto copy = [&at](const float* values, std::size_t count) {
        if (count > 0)
            std::memcpy(at, values, count * sizeof(float));
        at += count;
    };
    copy(view, std::size(view));
    for (const SingleGrid* values : arrays) {
        *at++ = static_cast<std::uint32_t>(values->cols());
        copy(values->data(), values->size());
    }
}

const std::vector<WireframePolyline>& PictureLinesMemo::lines(const PointGrid& grid, const ViewState& state,
                                                              const ViewProjection& projection,
                                                              const PictureOptions& options)
{
    noteInputs(grid, state, projection.settings(), options, m_asked);
    if (m_asked != m_inputs) {
        const PlaneSection* cut = options.section ? &section(state, options.section->plane) : nullptr;
        m_lines = makePictureLines(grid, state, projection, options, std::move(m_lines), cut);
        std::swap(m_inputs, m_asked);
    }
    return m_lines;
}
