#include "surface/sectionequations.h"

#include "surface/sectiontexts.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace Sections {

namespace {

using MathSigns::kSquared;
constexpr std::string_view kMinus = "\u2212";
constexpr std::string_view kTimes = "\u00b7";
constexpr std::string_view kPlusMinus = "\u00b1";
constexpr std::string_view kAtMost = " \u2264 ";
constexpr std::string_view kAtLeast = " \u2265 ";
constexpr std::string_view kDegrees = MathSigns::kDegree;
// The solids' size R, as the catalogue builds them.
constexpr std::string_view kSize = "100";

// Where one decimal would blur what the name says (an ellipse's two
// semi-axes, a slope that is not 0), more are written, up to this many: enough
// for every plane of whole degrees and whole units.
constexpr int kMostDecimals = 6;

bool roundsToZero(double value)
{
    return std::llround(std::fabs(value) * 10.0) == 0;
}

// The fewest decimals, at least one, that write `value` as a number other
// than 0: a radius, a semi-axis, a slope.
int decimalsShowingNonZero(double value)
{
    int decimals = 1;
    while (decimals < kMostDecimals && decimalText(value, decimals) == decimalText(0.0, decimals))
        ++decimals;
    return decimals;
}

// The fewest decimals, at least one, that write `a` and `b` as two numbers:
// the semi-axes of an ellipse, which are equal only in a circle.
int decimalsTellingApart(double a, double b)
{
    int decimals = 1;
    while (decimals < kMostDecimals && decimalText(a, decimals) == decimalText(b, decimals))
        ++decimals;
    return decimals;
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
    const int decimals = std::max(decimalsShowingNonZero(conic.alongS), decimalsShowingNonZero(conic.alongT));
    const std::string sPart
        = squared(shiftedS(conic.centre)) + "/" + squared(decimalText(conic.alongS, decimals));
    const std::string tPart
        = "t" + std::string(kSquared) + "/" + squared(decimalText(conic.alongT, decimals));
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

std::string decimalText(double value, int decimals)
{
    long long unit = 1;
    for (int n = 0; n < decimals; ++n)
        unit *= 10;
    const long long units = std::llround(std::fabs(value) * static_cast<double>(unit));
    std::string fraction = std::to_string(units % unit);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    std::string text = std::to_string(units / unit) + "," + fraction;
    return value < 0.0 && units != 0 ? std::string(kMinus) + text : text;
}

std::string conicEquation(const CanonicalConic& conic)
{
    const std::string s = shiftedS(conic.centre);
    const std::string tSquared = "t" + std::string(kSquared);
    const auto shown = [](double value) { return decimalText(value, decimalsShowingNonZero(value)); };
    switch (conic.kind) {
    case ConicKind::Circle:
        return squared(s) + " + " + tSquared + " = " + squared(shown(conic.alongS));
    case ConicKind::Ellipse: {
        const int decimals
            = std::max({decimalsTellingApart(conic.alongS, conic.alongT),
                        decimalsShowingNonZero(conic.alongS), decimalsShowingNonZero(conic.alongT)});
        return squared(s) + "/" + squared(decimalText(conic.alongS, decimals)) + " + " + tSquared + "/"
            + squared(decimalText(conic.alongT, decimals)) + " = 1";
    }
    case ConicKind::Hyperbola:
        return hyperbolaEquation(conic);
    case ConicKind::Parabola:
        return tSquared + " = " + shown(conic.factor) + std::string(kTimes) + s;
    case ConicKind::CrossingLines:
        return "t = " + std::string(kPlusMinus) + shown(conic.factor) + std::string(kTimes) + s;
    case ConicKind::ParallelLines:
        return "t = " + std::string(kPlusMinus) + shown(conic.alongT);
    case ConicKind::Line:
        return "t = 0";
    case ConicKind::Point:
        return pointsEquation({conic.centre});
    case ConicKind::None:
        break;
    }
    return {};
}

std::string pointsEquation(const std::vector<double>& sOnAxis)
{
    std::string text;
    for (std::size_t n = 0; n < sOnAxis.size(); ++n) {
        const bool last = n + 1 == sOnAxis.size();
        text += (n == 0 ? "" : last ? " dan " : ", ") + ("(" + decimalText(sOnAxis[n]) + "; 0)");
    }
    return text;
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
