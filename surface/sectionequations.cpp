#include "surface/sectionequations.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

namespace Sections {

namespace {

constexpr std::string_view kMinus = "\u2212";
constexpr std::string_view kSquared = "\u00b2";
constexpr std::string_view kTimes = "\u00b7";
constexpr std::string_view kPlusMinus = "\u00b1";
constexpr std::string_view kAtMost = " \u2264 ";
constexpr std::string_view kAtLeast = " \u2265 ";
constexpr std::string_view kDegrees = "\u00b0";
// The solids' size R, as the catalogue builds them.
constexpr std::string_view kSize = "100";

bool roundsToZero(double value)
{
    return std::llround(std::fabs(value) * 10.0) == 0;
}

std::string wholeText(double value)
{
    const long long whole = std::llround(value);
    return whole < 0 ? std::string(kMinus) + std::to_string(-whole) : std::to_string(whole);
}

std::string squared(const std::string& term)
{
    return term + std::string(kSquared);
}

// "s", or the shift of s by the centre: "(s − 12,3)", "(s + 12,3)".
std::string shiftedS(double centre)
{
    if (roundsToZero(centre))
        return "s";
    const std::string_view sign = centre > 0.0 ? kMinus : std::string_view("+");
    return "(s " + std::string(sign) + " " + decimalText(std::fabs(centre)) + ")";
}

std::string hyperbolaEquation(const CanonicalConic& conic)
{
    const std::string sPart = squared(shiftedS(conic.centre)) + "/" + squared(decimalText(conic.alongS));
    const std::string tPart = "t" + std::string(kSquared) + "/" + squared(decimalText(conic.alongT));
    const std::string minus = " " + std::string(kMinus) + " ";
    return (conic.opensAlongT ? tPart + minus + sPart : sPart + minus + tPart) + " = 1";
}

// k·R, a whole number for every tenth k.
std::string stretchedSize(double k)
{
    return wholeText(k * 100.0);
}

bool isOne(double k)
{
    return std::llround(k * 10.0) == 10;
}

// `term` divided by k, ready to be squared: "z", "(z/1,2)".
std::string overK(const std::string& term, double k)
{
    return isOne(k) ? term : "(" + term + "/" + decimalText(k) + ")";
}

// A number times a variable: "2z", "2·(17,3 − 0,5·s)".
std::string times(std::string_view number, const std::string& variable)
{
    const bool letter = variable.size() == 1;
    return std::string(number) + (letter ? "" : std::string(kTimes)) + variable;
}

// A linear expression, in parentheses unless it is the letter s or an
// unsigned number, so that it can be squared or divided as it stands.
std::string linearTerm(LinearInS value)
{
    const bool hasConstant = !roundsToZero(value.constant);
    const bool hasS = !roundsToZero(value.perS);
    const bool unitS = std::llround(std::fabs(value.perS) * 10.0) == 10;
    const std::string sPart = unitS ? "s" : decimalText(std::fabs(value.perS)) + std::string(kTimes) + "s";
    const std::string sSign(value.perS < 0.0 ? kMinus : "+");
    if (!hasS && !hasConstant)
        return "0";
    if (!hasS)
        return value.constant > 0.0 ? decimalText(value.constant) : "(" + decimalText(value.constant) + ")";
    if (!hasConstant && value.perS > 0.0)
        return unitS ? sPart : "(" + sPart + ")";
    if (!hasConstant)
        return "(" + sSign + sPart + ")";
    return "(" + decimalText(value.constant) + " " + sSign + " " + sPart + ")";
}

// The term of a variable, or nothing where the variable is 0 on the plane
// (x on the plane x = 0).
std::string termOf(const std::string& variable, const std::string& term)
{
    return variable == "0" ? std::string() : term;
}

std::string sumOf(std::initializer_list<std::string> terms)
{
    std::string sum;
    for (const std::string& term : terms) {
        if (!term.empty())
            sum += (sum.empty() ? "" : " + ") + term;
    }
    return sum.empty() ? "0" : sum;
}

// The solid's equation in the variables as written (each ready to be
// squared or divided).
std::string equationIn(SectionSolid solid, double k, const std::string& x, const std::string& y,
                       const std::string& z)
{
    const std::string size = std::string(kSize);
    switch (solid) {
    case SectionSolid::Sphere:
    case SectionSolid::HalfSphere:
        return sumOf({termOf(x, squared(x)), squared(y), termOf(z, squared(overK(z, k)))}) + " = "
            + squared(size);
    case SectionSolid::Ellipsoids:
        return sumOf({termOf(x, squared("(" + x + "/" + stretchedSize(k) + ")")),
                      squared("(" + y + "/" + size + ")")})
            + " = sin" + std::string(kSquared) + "(" + times("2", z) + std::string(kDegrees) + ")";
    case SectionSolid::Hyperboloid:
        return sumOf({termOf(x, squared(x)), squared(overK(y, k))}) + " = "
            + squared("(" + squared(z) + "/100 + 25)");
    case SectionSolid::Cone:
        return sumOf({termOf(x, squared(x)), squared(overK(y, k))}) + " = " + squared(z);
    case SectionSolid::Paraboloid: {
        const std::string zOverK = isOne(k) ? z : z + "/" + decimalText(k);
        return sumOf({termOf(x, squared(x)), squared(y)}) + " = " + size + std::string(kTimes) + "(" + size
            + " " + std::string(kMinus) + " " + zOverK + ")";
    }
    case SectionSolid::Cylinder:
        return sumOf({termOf(x, squared(x)), squared(overK(y, k))}) + " = " + squared(size);
    }
    return {};
}

std::string rangeOf(SectionSolid solid, double k)
{
    switch (solid) {
    case SectionSolid::Sphere:
        return {};
    case SectionSolid::HalfSphere:
        return ", z" + std::string(kAtLeast) + "0";
    case SectionSolid::Paraboloid:
        return ", 0" + std::string(kAtMost) + "z" + std::string(kAtMost) + stretchedSize(k);
    default:
        return ", |z|" + std::string(kAtMost) + "90";
    }
}

} // namespace

std::string decimalText(double value)
{
    const long long tenths = std::llround(std::fabs(value) * 10.0);
    std::string text = std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
    return value < 0.0 && tenths != 0 ? std::string(kMinus) + text : text;
}

std::string conicEquation(const CanonicalConic& conic)
{
    const std::string s = shiftedS(conic.centre);
    const std::string tSquared = "t" + std::string(kSquared);
    switch (conic.kind) {
    case ConicKind::Circle:
        return squared(s) + " + " + tSquared + " = " + squared(decimalText(conic.alongS));
    case ConicKind::Ellipse:
        return squared(s) + "/" + squared(decimalText(conic.alongS)) + " + " + tSquared + "/"
            + squared(decimalText(conic.alongT)) + " = 1";
    case ConicKind::Hyperbola:
        return hyperbolaEquation(conic);
    case ConicKind::Parabola:
        return tSquared + " = " + decimalText(conic.factor) + std::string(kTimes) + s;
    case ConicKind::CrossingLines:
        return "t = " + std::string(kPlusMinus) + decimalText(conic.factor) + std::string(kTimes) + s;
    case ConicKind::ParallelLines:
        return "t = " + std::string(kPlusMinus) + decimalText(conic.alongT);
    case ConicKind::Line:
        return "t = 0";
    case ConicKind::Point:
        return "(" + decimalText(conic.centre) + "; 0)";
    case ConicKind::None:
        break;
    }
    return {};
}

std::string solidEquation(SectionSolid solid, double k)
{
    return equationIn(solid, k, "x", "y", "z") + rangeOf(solid, k);
}

std::string restrictedEquation(SectionSolid solid, double k, LinearInS x, LinearInS z)
{
    return equationIn(solid, k, linearTerm(x), "t", linearTerm(z));
}

} // namespace Sections
