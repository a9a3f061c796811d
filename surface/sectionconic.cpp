#include "surface/sectionconic.h"

#include <algorithm>
#include <cmath>

namespace Sections {

namespace {

constexpr double kNegligible = 1e-9;
// Two semi-axes this close, relatively, make a circle.
constexpr double kEqualAxes = 1e-9;

// Ellipses, hyperbolas, a point and crossing lines: A ≠ 0, so completing the
// square gives A·(s − centre)² + C·t² = K.
CanonicalConic centredConic(const PlaneConic& q, double negligibleK)
{
    CanonicalConic conic;
    conic.centre = -q.b / (2.0 * q.a);
    double k = q.a * conic.centre * conic.centre - q.d;
    if (std::fabs(k) <= negligibleK)
        k = 0.0;
    conic.w0 = k / q.c;
    conic.w2 = -q.a / q.c;
    if (q.a > 0.0) {
        if (k > 0.0) {
            conic.alongS = std::sqrt(k / q.a);
            conic.alongT = std::sqrt(k / q.c);
            const bool equal
                = std::fabs(conic.alongS - conic.alongT) <= kEqualAxes * std::max(conic.alongS, conic.alongT);
            conic.kind = equal ? ConicKind::Circle : ConicKind::Ellipse;
        } else {
            conic.kind = k == 0.0 ? ConicKind::Point : ConicKind::None;
        }
        return conic;
    }
    if (k == 0.0) {
        conic.kind = ConicKind::CrossingLines;
        conic.factor = std::sqrt(-q.a / q.c);
        return conic;
    }
    conic.kind = ConicKind::Hyperbola;
    conic.opensAlongT = k > 0.0;
    conic.alongS = std::sqrt(std::fabs(k / q.a));
    conic.alongT = std::sqrt(std::fabs(k / q.c));
    return conic;
}

// A = 0, B ≠ 0: B·s + C·t² + D = 0.
CanonicalConic parabola(const PlaneConic& q)
{
    CanonicalConic conic;
    conic.kind = ConicKind::Parabola;
    conic.centre = -q.d / q.b;
    conic.factor = -q.b / q.c;
    conic.w1 = conic.factor;
    return conic;
}

// A = B = 0: C·t² + D = 0.
CanonicalConic linesAlongS(const PlaneConic& q)
{
    CanonicalConic conic;
    const double squared = -q.d / q.c;
    conic.w0 = squared;
    if (squared > 0.0) {
        conic.kind = ConicKind::ParallelLines;
        conic.alongT = std::sqrt(squared);
    } else {
        conic.kind = squared == 0.0 ? ConicKind::Line : ConicKind::None;
    }
    return conic;
}

} // namespace

double CanonicalConic::squaredWidth(double s) const
{
    const double u = s - centre;
    return w0 + u * (w1 + w2 * u);
}

std::vector<double> CanonicalConic::zeros() const
{
    switch (kind) {
    case ConicKind::Circle:
    case ConicKind::Ellipse:
        return {centre - alongS, centre + alongS};
    case ConicKind::Hyperbola:
        if (opensAlongT)
            return {};
        return {centre - alongS, centre + alongS};
    case ConicKind::Point:
    case ConicKind::Parabola:
    case ConicKind::CrossingLines:
        return {centre};
    default:
        return {};
    }
}

CanonicalConic canonicalConic(PlaneConic conic, double length)
{
    // Each term weighed at s = t = length, so that the four compare.
    const double squareWeight = length * length;
    const double largest = std::max({std::fabs(conic.a) * squareWeight, std::fabs(conic.b) * length,
                                     std::fabs(conic.c) * squareWeight, std::fabs(conic.d)});
    const double negligible = kNegligible * largest;
    if (std::fabs(conic.a) * squareWeight <= negligible)
        conic.a = 0.0;
    if (std::fabs(conic.b) * length <= negligible)
        conic.b = 0.0;
    if (std::fabs(conic.d) <= negligible)
        conic.d = 0.0;
    if (conic.a != 0.0)
        return centredConic(conic, negligible);
    if (conic.b != 0.0)
        return parabola(conic);
    return linesAlongS(conic);
}

} // namespace Sections
