#include "view/schoolsolidpicture.h"

#include "view/strokeletters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

SolidFit solidFit(const SchoolSolidShape& shape, double shapeSize)
{
    constexpr double kHuge = std::numeric_limits<double>::max();
    std::array<double, 3> low{kHuge, kHuge, kHuge};
    std::array<double, 3> high{-kHuge, -kHuge, -kHuge};
    for (const SolidPatch& patch : shape.patches) {
        for (const WorldPoint& point : patch.points) {
            const std::array<double, 3> at{point.x, point.y, point.z};
            for (std::size_t axis = 0; axis < 3; ++axis) {
                low[axis] = std::min(low[axis], at[axis]);
                high[axis] = std::max(high[axis], at[axis]);
            }
        }
    }
    double halfExtent = 0.0;
    for (std::size_t axis = 0; axis < 3; ++axis)
        halfExtent = std::max(halfExtent, (high[axis] - low[axis]) / 2);
    if (halfExtent <= 0.0)
        return {};
    return {{(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2}, shapeSize / halfExtent};
}

SchoolSolidPicture::SchoolSolidPicture(const SchoolSolid& solid, double shapeSize,
                                       const ViewProjection& projection, bool dashedBackLines)
    : m_projection(projection)
    , m_shape(schoolSolidShape(solid))
    , m_fit(solidFit(m_shape, shapeSize))
{
    std::vector<SurfaceOcclusion::Triangle> triangles;
    for (const SolidPatch& patch : m_shape.patches) {
        ProjectedPatch& projected = m_patches.emplace_back(ProjectedPatch{patch.cols, patch.rows, {}});
        for (const WorldPoint& point : patch.points) {
            const WorldPoint at = m_fit(point);
            projected.points.push_back(projection.project(at.x, at.y, at.z));
        }
        if (!dashedBackLines)
            continue;
        const auto depth = [&](int col, int row) { return depthPointOf(projection, projected.at(col, row)); };
        for (int row = 0; row + 1 < patch.rows; ++row) {
            for (int col = 0; col + 1 < patch.cols; ++col) {
                triangles.push_back({depth(col, row), depth(col + 1, row), depth(col + 1, row + 1)});
                triangles.push_back({depth(col, row), depth(col + 1, row + 1), depth(col, row + 1)});
            }
        }
    }
    if (dashedBackLines)
        m_occlusion.emplace(triangles);
}

template <typename At>
void SchoolSolidPicture::appendLine(std::vector<WireframePolyline>& lines, int length, At at) const
{
    WireframePolyline line{WireframePen::Grid, {}, {}};
    for (int n = 0; n < length; ++n)
        line.points.push_back({at(n).x, at(n).y});
    const bool onePoint = std::all_of(line.points.begin(), line.points.end(),
                                      [&line](const ScreenPoint& p) { return p == line.points.front(); });
    if (onePoint)
        return;
    for (int n = 1; m_occlusion && n < length; ++n)
        m_occlusion->appendHidden(depthPointOf(m_projection, at(n - 1)), depthPointOf(m_projection, at(n)),
                                  n - 1, line.hidden);
    lines.push_back(std::move(line));
}

void SchoolSolidPicture::appendFaces(std::vector<WireframePolyline>& lines) const
{
    for (const ProjectedPatch& patch : m_patches) {
        for (int row = 0; row < patch.rows; ++row)
            appendLine(lines, patch.cols, [&](int n) -> const ProjectedPoint& { return patch.at(n, row); });
        for (int col = 0; col < patch.cols; ++col)
            appendLine(lines, patch.rows, [&](int n) -> const ProjectedPoint& { return patch.at(col, n); });
    }
}

namespace {

// Where a share of a polyline's length lies, and the direction there.
struct PlaceOnLine {
    ScreenPoint at;
    ScreenPoint direction; // of unit length, or zero on a line of no length
};

PlaceOnLine placeOnLine(const std::vector<ScreenPoint>& points, float share)
{
    float total = 0.0f;
    for (std::size_t n = 1; n < points.size(); ++n)
        total += std::hypot(points[n].x - points[n - 1].x, points[n].y - points[n - 1].y);
    float left = share * total;
    for (std::size_t n = 1; n < points.size(); ++n) {
        const float dx = points[n].x - points[n - 1].x;
        const float dy = points[n].y - points[n - 1].y;
        const float length = std::hypot(dx, dy);
        if (length > 0.0f && (left <= length || n + 1 == points.size())) {
            const float t = std::min(1.0f, left / length);
            return {{points[n - 1].x + dx * t, points[n - 1].y + dy * t}, {dx / length, dy / length}};
        }
        left -= length;
    }
    return {points.front(), {}};
}

// The label's middle: beside the mark, on the side away from the picture's
// middle; beside a mark of no length, up and to the right.
ScreenPoint labelCentre(const PlaceOnLine& place, const ScreenPoint& middle, float width)
{
    ScreenPoint normal{-place.direction.y, place.direction.x};
    if (normal == ScreenPoint{})
        normal = {std::sqrt(0.5f), -std::sqrt(0.5f)};
    if ((place.at.x - middle.x) * normal.x + (place.at.y - middle.y) * normal.y < 0.0f)
        normal = {-normal.x, -normal.y};
    const float reach
        = kMarkLabelGap + std::abs(normal.x) * width / 2 + std::abs(normal.y) * kMarkLetterHeight / 2;
    return {place.at.x + normal.x * reach, place.at.y + normal.y * reach};
}

float labelWidth(std::size_t letters)
{
    return kMarkLetterAdvance * static_cast<float>(letters) - (kMarkLetterAdvance - kMarkLetterWidth);
}

void appendLabel(std::vector<WireframePolyline>& lines, std::string_view text, const ScreenPoint& centre)
{
    const std::u32string letters = lettersOf(text);
    float x = centre.x - labelWidth(letters.size()) / 2 + kMarkLetterWidth / 2;
    for (const char32_t letter : letters) {
        for (const Stroke& stroke : letterStrokes(letter)) {
            WireframePolyline line{WireframePen::SchoolMark, {}, {}};
            for (const ScreenPoint& p : stroke)
                line.points.push_back({x + p.x * kMarkLetterWidth, centre.y + p.y * kMarkLetterHeight});
            lines.push_back(std::move(line));
        }
        x += kMarkLetterAdvance;
    }
}

} // namespace

void SchoolSolidPicture::appendMarks(std::vector<WireframePolyline>& lines) const
{
    const ProjectedPoint middle = m_projection.project(0.0, 0.0, 0.0);
    for (const SolidMark& mark : m_shape.marks) {
        WireframePolyline line{WireframePen::SchoolMark, {}, {}};
        for (const WorldPoint& point : mark.points) {
            const WorldPoint at = m_fit(point);
            const ProjectedPoint projected = m_projection.project(at.x, at.y, at.z);
            line.points.push_back({projected.x, projected.y});
        }
        const ScreenPoint centre = labelCentre(placeOnLine(line.points, mark.labelAt), {middle.x, middle.y},
                                               labelWidth(lettersOf(mark.label).size()));
        lines.push_back(std::move(line));
        appendLabel(lines, mark.label, centre);
    }
}
