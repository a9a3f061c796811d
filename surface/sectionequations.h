#pragma once
// The equations of plane sections and of the seven solids, as the user reads
// them. One number style throughout: one decimal (more only where one would
// contradict the curve's name, see conicEquation), a decimal comma, no
// grouping of thousands, and the minus sign U+2212 for negative numbers and
// subtraction alike ("80,0", "−12,5", "(s − 12,3)²"). A radius or semi-axis
// is written squared as its own number ("80,0²") so that the length can be
// read; a centre that rounds to 0,0 is left out ("s²", not "(s − 0,0)²").
//
// The solids' equations hold their size R = 100 and the aspect factor k as
// numbers: k with one decimal and left out where it is 1 ("(z/1,2)²" but
// "z²"), and k·R, where it is a bound or a semi-axis, as a whole number
// ("(x/120)²", "0 ≤ z ≤ 120"). The range of the solid's parameters follows
// after a comma.

#include "surface/sectionconic.h"

#include <string>
#include <vector>

namespace Sections {

// The seven solids of "BANGUN RUANG", numbered as their shape buttons.
enum class SectionSolid { Sphere, Ellipsoids, Hyperboloid, Cone, Paraboloid, HalfSphere, Cylinder };
inline constexpr int kSectionSolidCount = 7;

// constant + perS·s: a world coordinate along the cutting plane.
struct LinearInS {
    double constant = 0.0;
    double perS = 0.0;
};

// `value` with `decimals` decimals in the style above ("12,3", "−0,05").
std::string decimalText(double value, int decimals = 1);

// Points on the plane's s axis, where the plane meets the solid only in
// isolated points: "(12,3; 0)", "(−90,0; 0) dan (90,0; 0)".
std::string pointsEquation(const std::vector<double>& sOnAxis);

// The canonical form in (s, t), as listed in surface/sectionconic.h; empty
// for ConicKind::None. Lengths and factors get more decimals than one where
// one would contradict the name: an ellipse's semi-axes that read equal, a
// slope, radius or semi-axis that reads 0,0.
std::string conicEquation(const CanonicalConic& conic);

// "x² + y² + (z/1,2)² = 100²"; k > 0.
std::string solidEquation(SectionSolid solid, double k);

// The solid's equation on the plane: x and z replaced by their expressions
// in s, y by t. Without the range.
std::string restrictedEquation(SectionSolid solid, double k, LinearInS x, LinearInS z);

} // namespace Sections
