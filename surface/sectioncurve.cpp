#include "surface/sectioncurve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace Sections {

namespace {

// Arcs are first cut into chords at most this long along s, so that no turn
// of the curve hides between the points where a chord is checked.
constexpr double kFirstChord = 8.0;
constexpr int kMaxRefinement = 40;
// Zeros closer than this are one zero.
constexpr double kSameZero = 1e-6;
constexpr double kZeroSearchStep = 0.5;
constexpr int kMinZeroSearchSteps = 64;
constexpr int kMaxZeroSearchSteps = 4096;
constexpr int kMaxHalvings = 80;

enum class Sign { Negative, Zero, Positive };

Sign signOf(double squaredWidth)
{
    if (squaredWidth > kZeroSquaredWidth)
        return Sign::Positive;
    if (squaredWidth < -kZeroSquaredWidth)
        return Sign::Negative;
    return Sign::Zero;
}

PlanePoint upperPoint(const SquaredWidth& width, double s)
{
    const double squared = width(s);
    return {s, squared > kZeroSquaredWidth ? std::sqrt(squared) : 0.0};
}

double distanceToChord(PlanePoint p, PlanePoint a, PlanePoint b)
{
    const double ds = b.s - a.s;
    const double dt = b.t - a.t;
    const double lengthSquared = ds * ds + dt * dt;
    double along = lengthSquared > 0.0 ? ((p.s - a.s) * ds + (p.t - a.t) * dt) / lengthSquared : 0.0;
    along = std::clamp(along, 0.0, 1.0);
    return std::hypot(p.s - (a.s + along * ds), p.t - (a.t + along * dt));
}

// Appends the vertices of the upper arc t = +√W chord by chord, halving a
// chord until the arc stays near it at its quarter points.
class ArcSampler {
public:
    ArcSampler(const SquaredWidth& width, PlanePiece& arc)
        : m_width(width)
        , m_arc(arc)
    {
    }

    void chordTo(double s)
    {
        const PlanePoint from = m_arc.back();
        refine(from, upperPoint(m_width, (from.s + s) / 2.0), upperPoint(m_width, s), 0);
    }

private:
    void refine(PlanePoint a, PlanePoint middle, PlanePoint b, int depth)
    {
        const PlanePoint quarter = upperPoint(m_width, (a.s + middle.s) / 2.0);
        const PlanePoint threeQuarters = upperPoint(m_width, (middle.s + b.s) / 2.0);
        const double strayed = std::max({distanceToChord(quarter, a, b), distanceToChord(middle, a, b),
                                         distanceToChord(threeQuarters, a, b)});
        if (strayed <= kChordTolerance || depth == kMaxRefinement) {
            m_arc.push_back(b);
            return;
        }
        refine(a, quarter, middle, depth + 1);
        refine(middle, threeQuarters, b, depth + 1);
    }

    const SquaredWidth& m_width;
    PlanePiece& m_arc;
};

// The upper arc over knots.front()..knots.back(), through every knot.
PlanePiece upperArc(const SquaredWidth& width, const std::vector<double>& knots)
{
    PlanePiece arc{upperPoint(width, knots.front())};
    ArcSampler sampler(width, arc);
    for (std::size_t n = 1; n < knots.size(); ++n) {
        const double from = knots[n - 1];
        const double to = knots[n];
        const int chords = std::max(4, static_cast<int>(std::ceil((to - from) / kFirstChord)));
        for (int c = 1; c < chords; ++c)
            sampler.chordTo(from + (to - from) * c / chords);
        sampler.chordTo(to);
    }
    return arc;
}

PlanePiece mirrored(PlanePiece arc)
{
    for (PlanePoint& p : arc)
        p.t = -p.t;
    return arc;
}

// An arc and its mirror image, joined where they meet on the axis: a closed
// loop, one open piece, or two pieces when the solid's range cuts both ends.
void addArcPair(std::vector<PlanePiece>& pieces, PlanePiece upper)
{
    const bool onAxis = std::all_of(upper.begin(), upper.end(), [](PlanePoint p) { return p.t == 0.0; });
    if (onAxis) {
        pieces.push_back(std::move(upper));
        return;
    }
    const PlanePiece lower = mirrored(upper);
    const bool closedFirst = upper.front().t == 0.0;
    const bool closedLast = upper.back().t == 0.0;
    if (closedLast) {
        PlanePiece piece = std::move(upper);
        piece.insert(piece.end(), lower.rbegin() + 1, lower.rend());
        if (closedFirst)
            piece.back() = piece.front();
        pieces.push_back(std::move(piece));
    } else if (closedFirst) {
        PlanePiece piece(lower.rbegin(), lower.rend());
        piece.insert(piece.end(), upper.begin() + 1, upper.end());
        pieces.push_back(std::move(piece));
    } else {
        pieces.push_back(std::move(upper));
        pieces.push_back(lower);
    }
}

// first, the zeros strictly between, last: sorted, each once.
std::vector<double> cutsOf(double first, double last, std::vector<double> zeros)
{
    std::erase_if(zeros, [&](double s) { return s <= first + kSameZero || s >= last - kSameZero; });
    zeros.push_back(first);
    zeros.push_back(last);
    std::sort(zeros.begin(), zeros.end());
    zeros.erase(
        std::unique(zeros.begin(), zeros.end(), [](double a, double b) { return b - a <= kSameZero; }),
        zeros.end());
    return zeros;
}

// Where the plane only touches: a cut with no kept stretch on either side
// and W at 0 there.
void addTouchingPoints(std::vector<PlanePiece>& pieces, const SquaredWidth& width,
                       const std::vector<double>& cuts, const std::vector<Sign>& signs)
{
    for (std::size_t m = 0; m < cuts.size(); ++m) {
        const bool leftAway = m == 0 || signs[m - 1] == Sign::Negative;
        const bool rightAway = m == signs.size() || signs[m] == Sign::Negative;
        if (leftAway && rightAway && width(cuts[m]) >= -kZeroSquaredWidth)
            pieces.push_back({PlanePoint{cuts[m], 0.0}});
    }
}

// Between a and b, where W is negative at one end and not at the other.
double crossing(const SquaredWidth& width, double a, double b)
{
    const bool negativeAtA = width(a) < 0.0;
    for (int n = 0; n < kMaxHalvings; ++n) {
        const double middle = (a + b) / 2.0;
        if (middle <= a || middle >= b)
            break;
        if ((width(middle) < 0.0) == negativeAtA)
            a = middle;
        else
            b = middle;
    }
    return (a + b) / 2.0;
}

// Golden-section search for the highest (direction 1) or lowest (−1) W
// between a and b.
double extremeBetween(const SquaredWidth& width, double a, double b, double direction)
{
    constexpr double kRatio = 0.6180339887498949;
    double c = b - kRatio * (b - a);
    double d = a + kRatio * (b - a);
    double atC = direction * width(c);
    double atD = direction * width(d);
    for (int n = 0; n < kMaxHalvings && b - a > kSameZero; ++n) {
        if (atC >= atD) {
            b = d;
            d = c;
            atD = atC;
            c = b - kRatio * (b - a);
            atC = direction * width(c);
        } else {
            a = c;
            c = d;
            atC = atD;
            d = a + kRatio * (b - a);
            atD = direction * width(d);
        }
    }
    return (a + b) / 2.0;
}

// A highest sample below 0, or a lowest above it, may hide a touching point
// or two zeros close together between its neighbours a and b.
void addHiddenZeros(std::vector<double>& zeros, const SquaredWidth& width, double a, double b, bool highest)
{
    const double at = extremeBetween(width, a, b, highest ? 1.0 : -1.0);
    const double value = width(at);
    if (std::fabs(value) <= kZeroSquaredWidth) {
        zeros.push_back(at);
    } else if ((value > 0.0) == highest) {
        zeros.push_back(crossing(width, a, at));
        zeros.push_back(crossing(width, at, b));
    }
}

} // namespace

std::vector<PlanePiece> traceSection(const SquaredWidth& width, double first, double last,
                                     std::vector<double> zeros)
{
    std::vector<PlanePiece> pieces;
    if (!(first < last))
        return pieces;
    const std::vector<double> cuts = cutsOf(first, last, std::move(zeros));
    std::vector<Sign> signs;
    for (std::size_t n = 0; n + 1 < cuts.size(); ++n)
        signs.push_back(signOf(width((cuts[n] + cuts[n + 1]) / 2.0)));

    for (std::size_t n = 0; n < signs.size();) {
        std::size_t end = n + 1;
        while (end < signs.size() && signs[end] == signs[n])
            ++end;
        if (signs[n] == Sign::Zero)
            pieces.push_back({PlanePoint{cuts[n], 0.0}, PlanePoint{cuts[end], 0.0}});
        else if (signs[n] == Sign::Positive)
            addArcPair(pieces,
                       upperArc(width,
                                {cuts.begin() + static_cast<std::ptrdiff_t>(n),
                                 cuts.begin() + static_cast<std::ptrdiff_t>(end + 1)}));
        n = end;
    }
    addTouchingPoints(pieces, width, cuts, signs);
    return pieces;
}

std::vector<double> findZeros(const SquaredWidth& width, double first, double last)
{
    std::vector<double> zeros;
    if (!(first < last))
        return zeros;
    const int steps = std::clamp(static_cast<int>(std::ceil((last - first) / kZeroSearchStep)),
                                 kMinZeroSearchSteps, kMaxZeroSearchSteps);
    std::vector<double> at(static_cast<std::size_t>(steps) + 1);
    std::vector<double> value(at.size());
    for (std::size_t n = 0; n < at.size(); ++n) {
        at[n] = first + (last - first) * static_cast<double>(n) / steps;
        value[n] = width(at[n]);
    }
    for (std::size_t n = 0; n + 1 < at.size(); ++n) {
        if ((value[n] < 0.0) != (value[n + 1] < 0.0))
            zeros.push_back(crossing(width, at[n], at[n + 1]));
    }
    for (std::size_t n = 0; n < at.size(); ++n) {
        const std::size_t left = n == 0 ? n : n - 1;
        const std::size_t right = n + 1 == at.size() ? n : n + 1;
        const double before = value[left];
        const double after = value[right];
        const double here = value[n];
        const bool peak = here <= 0.0 && here >= before && here >= after && (here > before || here > after);
        const bool dip = here >= 0.0 && here <= before && here <= after && (here < before || here < after);
        if (peak || dip)
            addHiddenZeros(zeros, width, at[left], at[right], peak);
    }
    return zeros;
}

} // namespace Sections
