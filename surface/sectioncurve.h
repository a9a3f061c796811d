#pragma once
// Traces a plane section given as t² = W(s) in the plane's coordinates
// (s, t). Every section of the seven solids has that form: t runs along y,
// and each solid holds y only squared. So the curve is symmetric about
// t = 0, made of the arcs t = ±√W(s) over the stretches where W ≥ 0; an arc
// that reaches W = 0 turns back into its mirror image there.
//
// The tracer samples the arcs adaptively: every vertex lies on the curve,
// and the curve strays from the chords between vertices by at most
// kChordTolerance where it is checked (three points a chord), which keeps it
// within 0.1 world units of every chord. It knows nothing of solids or names.

#include <functional>
#include <vector>

namespace Sections {

struct PlanePoint {
    double s = 0.0;
    double t = 0.0;
};
// An open polyline, or a closed one that repeats its first point at the end.
// A single point is a place where the plane only touches the surface.
using PlanePiece = std::vector<PlanePoint>;
using SquaredWidth = std::function<double(double s)>;

// t² below this counts as zero: t within 0.0032 world units of the axis.
inline constexpr double kZeroSquaredWidth = 1e-5;
inline constexpr double kChordTolerance = 0.05;

// The pieces of t² = width(s) for first ≤ s ≤ last. `zeros` must hold every
// s between first and last where width changes sign or touches 0 (in any
// order); each stretch between them is kept or left by its sign inside. A
// piece cut off by first or last stays open there.
std::vector<PlanePiece> traceSection(const SquaredWidth& width, double first, double last,
                                     std::vector<double> zeros);

// The zeros traceSection needs, for a width without a formula for them:
// sign changes between samples half a unit apart, and the highest and
// lowest samples near 0 refined to see whether they reach it.
std::vector<double> findZeros(const SquaredWidth& width, double first, double last);

} // namespace Sections
