#pragma once
// A conic in a cutting plane's coordinates (s, t): A·s² + B·s + C·t² + D = 0
// with C > 0. Every quadric of the catalogue meets a plane x·sin θ + z·cos θ
// = d in such a conic: none has a term in x·y or y·z, and t runs along y.
//
// canonicalConic names the conic by its canonical form and gives t² as a
// function of s, which is what the tracer (surface/sectioncurve.h) samples.
// It knows nothing of solids, of the solid's parameter range or of texts.

#include <vector>

namespace Sections {

struct PlaneConic {
    double a = 0.0; // s²
    double b = 0.0; // s
    double c = 0.0; // t², positive
    double d = 0.0; // constant
};

// The section names (planesection.cpp) are listed in this order.
enum class ConicKind {
    None, // no real point
    Point,
    Circle,
    Ellipse,
    Parabola,
    Hyperbola,
    CrossingLines,
    ParallelLines,
    Line,
};

// The canonical form. What the sizes mean depends on the kind:
//   Circle, Ellipse:  (s − centre)²/alongS² + t²/alongT² = 1 (equal axes: a circle)
//   Hyperbola:        (s − centre)²/alongS² − t²/alongT² = 1, or, when
//                     opensAlongT, t²/alongT² − (s − centre)²/alongS² = 1
//   Parabola:         t² = factor·(s − centre)
//   CrossingLines:    t = ±factor·(s − centre)
//   ParallelLines:    t = ±alongT
//   Line:             t = 0
//   Point:            (centre; 0)
struct CanonicalConic {
    ConicKind kind = ConicKind::None;
    double centre = 0.0;
    double alongS = 0.0;
    double alongT = 0.0;
    double factor = 0.0;
    bool opensAlongT = false;

    // t² at s, from the canonical form: t² = w0 + u·(w1 + w2·u), u = s − centre.
    double w0 = 0.0;
    double w1 = 0.0;
    double w2 = 0.0;
    double squaredWidth(double s) const;
    // Where t² is 0 (the ends of each arc, the point, the lines' crossing).
    std::vector<double> zeros() const;
};

// Coefficients below a billionth of the largest, with lengths measured in
// units of `length`, count as zero: rounding leaves the exact zeros of
// whole-degree tilts and whole distances (a tangent plane, a plane through
// the apex) near 1e-16 rather than at 0, and those planes must give a point,
// lines or a parabola.
CanonicalConic canonicalConic(PlaneConic conic, double length);

} // namespace Sections
