#pragma once
// The equations of plane sections and of the seven solids, as the user reads
// them. One number style throughout: one decimal, a decimal comma, no
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

namespace Sections {

// The seven solids of "BANGUN RUANG", numbered as their shape buttons.
enum class SectionSolid { Sphere, Ellipsoids, Hyperboloid, Cone, Paraboloid, HalfSphere, Cylinder };
inline constexpr int kSectionSolidCount = 7;

// constant + perS·s: a world coordinate along the cutting plane.
struct LinearInS {
    double constant = 0.0;
    double perS = 0.0;
};

std::string decimalText(double value);

// The canonical form in (s, t), as listed in surface/sectionconic.h; empty
// for ConicKind::None.
std::string conicEquation(const CanonicalConic& conic);

// "x² + y² + (z/1,2)² = 100²"; k > 0.
std::string solidEquation(SectionSolid solid, double k);

// The solid's equation on the plane: x and z replaced by their expressions
// in s, y by t. Without the range.
std::string restrictedEquation(SectionSolid solid, double k, LinearInS x, LinearInS z);

} // namespace Sections
