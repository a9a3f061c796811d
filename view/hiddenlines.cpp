// Why this file is as elaborate as it is, and when to leave it alone: with
// dashed back lines every pointer move and every tick works out the hidden
// stretches of all 1 224 grid segments against the surface's 1 152
// triangles, and the full-screen dashed picture, lines included, has a
// budget of 4 ms (a quarter of the animation's 15 ms tick). The cells, their
// nearest-first lists and the branch-free sieve below keep it at about 1 ms,
// a tick drawing both the drawing area and the full screen included
// (BM_DashedPresentation, BM_DashedTickWithFullScreen). Tune it further only
// when a measurement puts the 4 ms at risk.

#include "view/hiddenlines.h"

#include <algorithm>
#include <cmath>

namespace {

// Cells per side of the sorting grid. Finer cells put a triangle into more
// of them and a segment meets it more often; coarser ones hold more that lie
// elsewhere. 10 to 12 made the sphere's dashed picture fastest (6 to 32 tried).
constexpr int kCellsPerSide = 12;
// Inside means more than this far (pixels) within every edge, so a segment
// that is itself an edge of a triangle is not hidden by it.
constexpr double kEdgeTolerance = 1e-3;
// Depth tolerance, a share of the depth range of the whole surface.
constexpr double kDepthShare = 1e-4;
constexpr double kShortestSpanPixels = 0.25;
// A triangle whose corners all lie on one side of a segment's line, or
// within this far (pixels) across it, cannot hold a point of the segment
// kEdgeTolerance inside every edge: it is passed over without the exact test.
constexpr double kSideMargin = 0.5 * kEdgeTolerance;
// A segment visits only the cells it passes through, each widened by this
// (pixels): a point it hides lies kEdgeTolerance inside a triangle's bounds.
constexpr double kBandMargin = 0.5 * kEdgeTolerance;

// Narrows [low, high] to where g0 + s (g1 - g0) > threshold.
void clipAbove(double g0, double g1, double threshold, double& low, double& high)
{
    const bool startIn = g0 > threshold;
    const bool endIn = g1 > threshold;
    if (startIn && endIn)
        return;
    if (!startIn && !endIn) {
        high = -1.0;
        return;
    }
    const double crossing = (threshold - g0) / (g1 - g0);
    if (startIn)
        high = std::min(high, crossing);
    else
        low = std::max(low, crossing);
}

void mergeInto(std::vector<SegmentSpan>& spans, std::size_t first, double mergeGap)
{
    std::sort(spans.begin() + static_cast<std::ptrdiff_t>(first), spans.end(),
              [](const SegmentSpan& a, const SegmentSpan& b) { return a.from < b.from; });
    std::size_t kept = first;
    for (std::size_t n = first; n < spans.size(); ++n) {
        if (kept > first && spans[n].from <= spans[kept - 1].to + mergeGap)
            spans[kept - 1].to = std::max(spans[kept - 1].to, spans[n].to);
        else
            spans[kept++] = spans[n];
    }
    spans.resize(kept);
}

// Merges the spans from `first` on and tells whether they became the whole
// segment: no further span could change that.
bool whollyHidden(std::vector<SegmentSpan>& spans, std::size_t first, double mergeGap)
{
    mergeInto(spans, first, mergeGap);
    return spans.size() == first + 1 && spans[first].from == 0.0f && spans[first].to == 1.0f;
}

} // namespace

DepthPoint depthPointOf(const ViewProjection& projection, const ProjectedPoint& point)
{
    const bool onScreen = std::abs(point.x) < kScreenLimit && std::abs(point.y) < kScreenLimit;
    if (!projection.perspective())
        return {point.x, point.y, point.depth, onScreen};
    const double distance = projection.distance();
    const double fromEye = distance - point.depth;
    const bool inFront = fromEye > 1e-3 * std::abs(distance);
    return {point.x, point.y, inFront ? distance * distance / fromEye : 0.0, onScreen && inFront};
}

SurfaceOcclusion::SurfaceOcclusion(const PointGrid& grid, int cols, int rows,
                                   const ViewProjection& projection)
    : m_cols(std::clamp(cols, 0, grid.ScreenX.cols()))
{
    rows = std::clamp(rows, 0, grid.ScreenX.rows());
    m_vertices.reserve(static_cast<std::size_t>(m_cols * rows));
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= m_cols; ++j) {
            ProjectedPoint point
                = projection.project(grid.WorldX(j, i), grid.WorldY(j, i), grid.WorldZ(j, i));
            // The lines are drawn at the grid's own screen points.
            point.x = grid.ScreenX(j, i);
            point.y = grid.ScreenY(j, i);
            m_vertices.push_back(depthPointOf(projection, point));
        }
    }
    m_triangles.reserve(static_cast<std::size_t>(2 * m_cols * rows));
    for (int i = 1; i < rows; ++i) {
        for (int j = 1; j < m_cols; ++j) {
            prepare(vertex(j, i), vertex(j + 1, i), vertex(j + 1, i + 1));
            prepare(vertex(j, i), vertex(j + 1, i + 1), vertex(j, i + 1));
        }
    }
    sortIntoCells();
}

SurfaceOcclusion::SurfaceOcclusion(const std::vector<Triangle>& triangles)
{
    for (const Triangle& t : triangles)
        prepare(t[0], t[1], t[2]);
    sortIntoCells();
}

const DepthPoint& SurfaceOcclusion::vertex(int j, int i) const
{
    return m_vertices[static_cast<std::size_t>((i - 1) * m_cols + (j - 1))];
}

void SurfaceOcclusion::prepare(const DepthPoint& p0, const DepthPoint& p1, const DepthPoint& p2)
{
    if (!p0.usable || !p1.usable || !p2.usable)
        return;
    const double ax = p1.x - p0.x, ay = p1.y - p0.y;
    const double bx = p2.x - p0.x, by = p2.y - p0.y;
    const double area = ax * by - ay * bx; // twice the signed area
    if (std::abs(area) < 1e-6)
        return; // seen edge-on, or a pole's collapsed corner: covers nothing
    Prepared t{};
    const std::array<const DepthPoint*, 3> corner{&p0, &p1, &p2};
    for (std::size_t k = 0; k < 3; ++k) {
        const DepthPoint& from = *corner[k];
        const DepthPoint& to = *corner[(k + 1) % 3];
        const double dx = to.x - from.x, dy = to.y - from.y;
        const double scale = (area > 0 ? 1.0 : -1.0) / std::sqrt(dx * dx + dy * dy);
        t.edgeX[k] = -dy * scale;
        t.edgeY[k] = dx * scale;
        t.edgeC[k] = (dy * from.x - dx * from.y) * scale;
    }
    const double n1 = p1.nearness - p0.nearness, n2 = p2.nearness - p0.nearness;
    t.x0 = p0.x;
    t.y0 = p0.y;
    t.nearness0 = p0.nearness;
    t.nearnessPerX = (n1 * by - n2 * ay) / area;
    t.nearnessPerY = (n2 * ax - n1 * bx) / area;
    const double nearest = std::max({p0.nearness, p1.nearness, p2.nearness});
    const double farthest = std::min({p0.nearness, p1.nearness, p2.nearness});
    t.nearest = nearest;
    m_nearest = m_triangles.empty() ? nearest : std::max(m_nearest, nearest);
    m_farthest = m_triangles.empty() ? farthest : std::min(m_farthest, farthest);
    t.cornerX = {p0.x, p1.x, p2.x};
    t.cornerY = {p0.y, p1.y, p2.y};
    t.left = std::min({p0.x, p1.x, p2.x});
    t.top = std::min({p0.y, p1.y, p2.y});
    t.right = std::max({p0.x, p1.x, p2.x});
    t.bottom = std::max({p0.y, p1.y, p2.y});
    m_triangles.push_back(t);
}

void SurfaceOcclusion::sortIntoCells()
{
    m_depthTolerance = std::max(1e-6, kDepthShare * (m_nearest - m_farthest));
    m_seen.assign(m_triangles.size(), 0);
    if (m_triangles.empty())
        return;
    // Filled nearest first, every cell's list is in that order: a segment
    // stops reading a list at the first triangle wholly behind it.
    m_order.resize(m_triangles.size());
    for (std::size_t n = 0; n < m_order.size(); ++n)
        m_order[n] = {static_cast<float>(m_triangles[n].nearest), static_cast<int>(n)};
    std::sort(m_order.begin(), m_order.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    float left = m_triangles.front().left, top = m_triangles.front().top;
    float right = left, bottom = top;
    for (const Prepared& t : m_triangles) {
        left = std::min(left, t.left);
        top = std::min(top, t.top);
        right = std::max(right, t.right);
        bottom = std::max(bottom, t.bottom);
    }
    m_cellCount = kCellsPerSide;
    m_left = left;
    m_top = top;
    m_cellsPerPixel = kCellsPerSide
        / std::max({static_cast<double>(right - left), static_cast<double>(bottom - top), 1.0});
    fillCellLists();
}

void SurfaceOcclusion::CellColumns::resize(std::size_t size)
{
    for (std::vector<float>* column : {&left, &top, &right, &bottom, &nearest})
        column->resize(size);
    for (std::size_t k = 0; k < 3; ++k) {
        cornerX[k].resize(size);
        cornerY[k].resize(size);
    }
    triangle.resize(size);
}

// Counted first, then filled: one block holds every cell's list.
void SurfaceOcclusion::fillCellLists()
{
    m_cellStart.assign(static_cast<std::size_t>(m_cellCount * m_cellCount + 1), 0);
    forEachCell([this](std::size_t cell, std::size_t) { ++m_cellStart[cell + 1]; });
    int longest = 0;
    for (std::size_t c = 1; c < m_cellStart.size(); ++c) {
        longest = std::max(longest, m_cellStart[c]);
        m_cellStart[c] += m_cellStart[c - 1];
    }
    m_sieved.resize(static_cast<std::size_t>(longest));
    m_cells.resize(static_cast<std::size_t>(m_cellStart.back()));
    std::vector<int> fill(m_cellStart.begin(), m_cellStart.end() - 1);
    forEachCell([&](std::size_t cell, std::size_t triangle) {
        const Prepared& t = m_triangles[triangle];
        const auto at = static_cast<std::size_t>(fill[cell]++);
        m_cells.left[at] = t.left;
        m_cells.top[at] = t.top;
        m_cells.right[at] = t.right;
        m_cells.bottom[at] = t.bottom;
        m_cells.nearest[at] = static_cast<float>(t.nearest);
        for (std::size_t k = 0; k < 3; ++k) {
            m_cells.cornerX[k][at] = t.cornerX[k];
            m_cells.cornerY[k][at] = t.cornerY[k];
        }
        m_cells.triangle[at] = static_cast<int>(triangle);
    });
}

template <typename Visit> void SurfaceOcclusion::forEachCell(Visit visit) const
{
    for (const std::pair<float, int>& entry : m_order) {
        const auto n = static_cast<std::size_t>(entry.second);
        const Prepared& t = m_triangles[n];
        const int fromX = cellOf(t.left, m_left), toX = cellOf(t.right, m_left);
        const int fromY = cellOf(t.top, m_top), toY = cellOf(t.bottom, m_top);
        for (int y = fromY; y <= toY; ++y)
            for (int x = fromX; x <= toX; ++x)
                visit(static_cast<std::size_t>(y * m_cellCount + x), n);
    }
}

int SurfaceOcclusion::cellOf(double coordinate, double origin) const
{
    const auto cell = static_cast<int>(std::floor((coordinate - origin) * m_cellsPerPixel));
    return std::clamp(cell, 0, m_cellCount - 1);
}

bool SurfaceOcclusion::hiddenBy(const Prepared& t, const DepthPoint& a, const DepthPoint& b, double& low,
                                double& high) const
{
    for (std::size_t k = 0; k < 3 && low < high; ++k) {
        const double ea = t.edgeX[k] * a.x + t.edgeY[k] * a.y + t.edgeC[k];
        const double eb = t.edgeX[k] * b.x + t.edgeY[k] * b.y + t.edgeC[k];
        clipAbove(ea, eb, kEdgeTolerance, low, high);
    }
    if (low >= high)
        return false;
    const auto surfaceAt = [&t](const DepthPoint& p) {
        return t.nearness0 + t.nearnessPerX * (p.x - t.x0) + t.nearnessPerY * (p.y - t.y0);
    };
    clipAbove(surfaceAt(a) - a.nearness, surfaceAt(b) - b.nearness, m_depthTolerance, low, high);
    return low < high;
}

SurfaceOcclusion::SegmentQuery SurfaceOcclusion::queryOf(const DepthPoint& a, const DepthPoint& b) const
{
    SegmentQuery q{a, b};
    q.dx = static_cast<double>(b.x) - a.x;
    q.dy = static_cast<double>(b.y) - a.y;
    const double length = std::sqrt(q.dx * q.dx + q.dy * q.dy);
    q.shortest = length > 0.0 ? kShortestSpanPixels / length : 1.0;
    // A segment of no length is a point: every triangle around it is tested.
    q.margin = length > 0.0 ? kSideMargin * length : -1.0;
    q.left = std::min(a.x, b.x);
    q.right = std::max(a.x, b.x);
    q.top = std::min(a.y, b.y);
    q.bottom = std::max(a.y, b.y);
    // A triangle wholly behind both ends hides nothing of the segment.
    q.nearestHider = static_cast<float>(std::min(a.nearness, b.nearness) + m_depthTolerance);
    return q;
}

void SurfaceOcclusion::appendHidden(const DepthPoint& a, const DepthPoint& b, int segment,
                                    std::vector<SegmentSpan>& hidden) const
{
    if (m_triangles.empty() || !a.usable || !b.usable)
        return;
    const SegmentQuery q = queryOf(a, b);
    const std::size_t first = hidden.size();
    if (++m_query == 0) // wrapped: forget every mark
        std::fill(m_seen.begin(), m_seen.end(), m_query++);
    for (int y = cellOf(q.top, m_top); y <= cellOf(q.bottom, m_top); ++y) {
        const auto [fromX, toX] = columnsInRow(q, y);
        for (int x = fromX; x <= toX; ++x) {
            if (hideFromCell(q, static_cast<std::size_t>(y * m_cellCount + x), segment, hidden, first))
                return;
        }
    }
    mergeInto(hidden, first, q.shortest);
}

std::pair<int, int> SurfaceOcclusion::columnsInRow(const SegmentQuery& q, int row) const
{
    if (q.dy == 0.0)
        return {cellOf(q.left, m_left), cellOf(q.right, m_left)};
    // The row's band, a little wider than the cells so rounding loses none;
    // the outermost rows reach on, as cellOf clamps.
    const double pixelsPerCell = 1.0 / m_cellsPerPixel;
    const double bandTop = row == 0 ? -HUGE_VAL : m_top + row * pixelsPerCell - kBandMargin;
    const double bandBottom
        = row == m_cellCount - 1 ? HUGE_VAL : m_top + (row + 1) * pixelsPerCell + kBandMargin;
    const double s0 = (bandTop - q.a.y) / q.dy, s1 = (bandBottom - q.a.y) / q.dy;
    const double from = std::clamp(std::min(s0, s1), 0.0, 1.0), to = std::clamp(std::max(s0, s1), 0.0, 1.0);
    const double x0 = q.a.x + from * q.dx, x1 = q.a.x + to * q.dx;
    return {cellOf(std::min(x0, x1) - kBandMargin, m_left), cellOf(std::max(x0, x1) + kBandMargin, m_left)};
}

bool SurfaceOcclusion::hideFromCell(const SegmentQuery& q, std::size_t cell, int segment,
                                    std::vector<SegmentSpan>& hidden, std::size_t first) const
{
    const std::size_t candidates = sieveCell(q, cell);
    for (std::size_t c = 0; c < candidates; ++c) {
        const auto n = static_cast<std::size_t>(m_sieved[c]);
        if (m_seen[n] == m_query)
            continue;
        m_seen[n] = m_query;
        double low = 0.0, high = 1.0;
        if (hiddenBy(m_triangles[n], q.a, q.b, low, high) && high - low >= q.shortest) {
            hidden.push_back({segment, static_cast<float>(low), static_cast<float>(high)});
            if (whollyHidden(hidden, first, q.shortest))
                return true;
        }
    }
    return false;
}

// The list is nearest first: from the first triangle behind the segment on,
// all are. A binary search whose steps pick without branching, as which way
// each goes cannot be foretold.
std::size_t SurfaceOcclusion::nearerCount(const SegmentQuery& q, std::size_t cell) const
{
    const float* const nearest = m_cells.nearest.data() + m_cellStart[cell];
    auto length = static_cast<std::size_t>(m_cellStart[cell + 1] - m_cellStart[cell]);
    if (length == 0 || nearest[0] <= q.nearestHider)
        return 0;
    // nearest[low] is nearer than the segment; nearest[low + length], if in the list, is not.
    std::size_t low = 0;
    while (length > 1) {
        const std::size_t half = length / 2;
        low = nearest[low + half] > q.nearestHider ? low + half : low;
        length -= half;
    }
    return low + 1;
}

// Most entries of a cell fail here, so this runs without branches: every
// entry is written out and the count moves on only for those that pass.
// Beyond the bounds, a triangle passes only with corners clearly on both
// sides of the segment's line (the sides are distances times the length).
std::size_t SurfaceOcclusion::sieveCell(const SegmentQuery& q, std::size_t cell) const
{
    const auto begin = static_cast<std::size_t>(m_cellStart[cell]);
    const std::size_t end = begin + nearerCount(q, cell);
    const double offset = q.dx * q.a.y - q.dy * q.a.x;
    const auto side = [&q, offset](double x, double y) { return q.dx * y - q.dy * x - offset; };
    const float *left = m_cells.left.data(), *top = m_cells.top.data();
    const float *right = m_cells.right.data(), *bottom = m_cells.bottom.data();
    const std::array<const double*, 3> cornerX{m_cells.cornerX[0].data(), m_cells.cornerX[1].data(),
                                               m_cells.cornerX[2].data()};
    const std::array<const double*, 3> cornerY{m_cells.cornerY[0].data(), m_cells.cornerY[1].data(),
                                               m_cells.cornerY[2].data()};
    std::size_t count = 0;
    for (std::size_t c = begin; c < end; ++c) {
        const bool overlaps
            = (left[c] <= q.right) & (right[c] >= q.left) & (top[c] <= q.bottom) & (bottom[c] >= q.top);
        const double s0 = side(cornerX[0][c], cornerY[0][c]);
        const double s1 = side(cornerX[1][c], cornerY[1][c]);
        const double s2 = side(cornerX[2][c], cornerY[2][c]);
        // Comparisons, not a minimum and maximum: in WebAssembly, taking
        // the minimum and maximum (either way of writing them) made the
        // page's dashed redraw nearly twice as slow.
        const bool above = (s0 > q.margin) | (s1 > q.margin) | (s2 > q.margin);
        const bool below = (s0 < -q.margin) | (s1 < -q.margin) | (s2 < -q.margin);
        const bool crosses = above & below;
        m_sieved[count] = m_cells.triangle[c];
        count += static_cast<std::size_t>(overlaps & crosses);
    }
    return count;
}
