#include "view/linedashes.h"

#include "view/pictureoptions.h"

#include <algorithm>
#include <cmath>

float segmentLength(const WireframePolyline& line, std::size_t segment)
{
    const ScreenPoint& a = line.points[segment];
    const ScreenPoint& b = line.points[segment + 1];
    return std::hypot(b.x - a.x, b.y - a.y);
}

void paintedStretches(std::span<const SegmentSpan> hidden, float arcStart, float length,
                      std::vector<ruvex::win::LineStretch>& stretches)
{
    stretches.clear();
    constexpr float kPeriod = kDashLength + kDashGap;
    float shown = 0.0f; // where the part not yet handled starts
    for (const SegmentSpan& span : hidden) {
        if (span.from > shown)
            stretches.push_back({shown, span.from});
        if (length > 0.0f) {
            const float from = arcStart + span.from * length;
            const float to = arcStart + span.to * length;
            for (float dash = std::floor(from / kPeriod) * kPeriod; dash < to; dash += kPeriod) {
                const float start = std::max(dash, from);
                const float end = std::min(dash + kDashLength, to);
                if (end > start)
                    stretches.push_back({(start - arcStart) / length, (end - arcStart) / length});
            }
        }
        shown = span.to;
    }
    if (shown < 1.0f)
        stretches.push_back({shown, 1.0f});
}

namespace {

// Builds the pieces of polylinePieces: the open piece grows point by point,
// and a change from shown to hidden (or back) closes it at that point.
class PieceCutter {
public:
    explicit PieceCutter(const ScreenPoint& start) { m_open.points.push_back(start); }

    void lineTo(const ScreenPoint& point)
    {
        if (!(point == m_open.points.back()))
            m_open.points.push_back(point);
    }

    void switchAt(bool hidden, const ScreenPoint& point, float arc)
    {
        if (m_open.hidden == hidden)
            return;
        lineTo(point);
        close();
        m_open = {hidden, arc, {point}};
    }

    std::vector<PolylinePiece> finish()
    {
        close();
        return std::move(m_pieces);
    }

private:
    void close()
    {
        const auto& points = m_open.points;
        const bool hasLength = std::any_of(
            points.begin(), points.end(), [&points](const ScreenPoint& p) { return !(p == points.front()); });
        if (hasLength)
            m_pieces.push_back(std::move(m_open));
    }

    PolylinePiece m_open;
    std::vector<PolylinePiece> m_pieces;
};

ScreenPoint along(const ScreenPoint& a, const ScreenPoint& b, float t)
{
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

} // namespace

std::vector<PolylinePiece> polylinePieces(const WireframePolyline& line)
{
    if (line.points.empty())
        return {};
    PieceCutter cutter(line.points.front());
    auto span = line.hidden.begin();
    float arc = 0.0f;
    for (std::size_t n = 1; n < line.points.size(); ++n) {
        const ScreenPoint& a = line.points[n - 1];
        const ScreenPoint& b = line.points[n];
        const float length = segmentLength(line, n - 1);
        for (; span != line.hidden.end() && span->segment == static_cast<int>(n - 1); ++span) {
            cutter.switchAt(true, along(a, b, span->from), arc + span->from * length);
            cutter.switchAt(false, along(a, b, span->to), arc + span->to * length);
        }
        cutter.lineTo(b);
        arc += length;
    }
    return cutter.finish();
}
