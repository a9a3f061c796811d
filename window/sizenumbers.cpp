#include "window/sizenumbers.h"

#include "surface/sectiontexts.h"
#include "surface/shapecatalogue.h"

#include <cmath>

namespace {

using MathSigns::kCubed;
using MathSigns::kDegree;
using MathSigns::kSquared;
constexpr std::string_view kTimes = " \u00d7 ";
constexpr std::string_view kLength = " cm";
constexpr std::string_view kArea = " cm\u00b2";
constexpr std::string_view kVolume = " cm\u00b3";

// Two decimals and a decimal comma: 1540 → "1540,00". A true half is
// rounded up; the nudge keeps a half that the binary fraction put a hair
// below it from going down.
std::string decimalText(double value)
{
    const long long hundredths = std::llround(value * 100.0 + 1e-6);
    const long long fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + ',' + (fraction < 10 ? "0" : "") + std::to_string(fraction);
}

// A line "Nama = rumus = substitusi = hasil satuan".
std::string line(std::string_view name, std::string_view formula, const std::string& substitution,
                 double value, std::string_view unit)
{
    return std::string(name) + " = " + std::string(formula) + " = " + substitution + " = "
        + decimalText(value) + std::string(unit);
}

// What the lines substitute: π as chosen, and the sizes as written.
struct Values {
    double pi;
    std::string piText;
    double r;
    double t;
    std::string rText;
    std::string tText;
    std::string times(std::string_view factor) const { return std::string(factor) + std::string(kTimes); }
};

std::vector<std::string> tabungLines(const Values& v)
{
    const std::string twoPi = v.times("2") + v.piText;
    return {
        line("Luas alas", "\u03c0r\u00b2", v.times(v.piText) + v.rText + std::string(kSquared),
             v.pi * v.r * v.r, kArea),
        line("Keliling alas", "2\u03c0r", twoPi + std::string(kTimes) + v.rText, 2 * v.pi * v.r, kLength),
        line("Luas selimut", "2\u03c0rt", twoPi + std::string(kTimes) + v.times(v.rText) + v.tText,
             2 * v.pi * v.r * v.t, kArea),
        line("Luas permukaan", "2\u03c0r(r + t)",
             twoPi + std::string(kTimes) + v.times(v.rText) + "(" + v.rText + " + " + v.tText + ")",
             2 * v.pi * v.r * (v.r + v.t), kArea),
        line("Volume", "\u03c0r\u00b2t",
             v.times(v.piText) + v.rText + std::string(kSquared) + std::string(kTimes) + v.tText,
             v.pi * v.r * v.r * v.t, kVolume),
        line("Panjang selimut", "2\u03c0r", twoPi + std::string(kTimes) + v.rText, 2 * v.pi * v.r, kLength),
    };
}

// The garis pelukis is worked out first and the other lines take it as
// shown, to two decimals: every line is then the product of what it writes,
// as the student's own working gives it.
std::vector<std::string> kerucutLines(const Values& v)
{
    const double s = std::round(std::sqrt(v.r * v.r + v.t * v.t) * 100.0) / 100.0;
    const std::string sText = decimalText(s);
    const std::string piR = v.times(v.piText) + v.rText;
    return {
        line("Garis pelukis s", "\u221a(r\u00b2 + t\u00b2)",
             "\u221a(" + v.rText + std::string(kSquared) + " + " + v.tText + std::string(kSquared) + ")", s,
             kLength),
        line("Luas alas", "\u03c0r\u00b2", piR + std::string(kSquared), v.pi * v.r * v.r, kArea),
        line("Luas selimut", "\u03c0rs", piR + std::string(kTimes) + sText, v.pi * v.r * s, kArea),
        line("Luas permukaan", "\u03c0r(r + s)",
             piR + std::string(kTimes) + "(" + v.rText + " + " + sText + ")", v.pi * v.r * (v.r + s), kArea),
        line("Volume", "\u2153\u03c0r\u00b2t",
             v.times("\u2153") + piR + std::string(kSquared) + std::string(kTimes) + v.tText,
             v.pi * v.r * v.r * v.t / 3, kVolume),
        line("Sudut juring", "360\u00b0 \u00d7 r/s", "360\u00b0 \u00d7 " + v.rText + "/" + sText,
             360 * v.r / s, kDegree),
    };
}

// A sphere's line, a multiple of πr² (an area) or of πr³ (a volume):
// `times` over `per` of it, "4πr²", "2/3 πr³".
std::string sphereLine(const Values& v, std::string_view name, int times, int per, bool cubed)
{
    const std::string factor = std::to_string(times) + (per == 1 ? "" : "/" + std::to_string(per));
    const std::string_view power = cubed ? kCubed : kSquared;
    const std::string formula = factor + (per == 1 ? "" : " ") + "\u03c0r" + std::string(power);
    const std::string substitution = v.times(factor) + v.times(v.piText) + v.rText + std::string(power);
    const double value = times * v.pi * v.r * v.r * (cubed ? v.r : 1.0) / per;
    return line(name, formula, substitution, value, cubed ? kVolume : kArea);
}

std::vector<std::string> bolaLines(const Values& v)
{
    return {sphereLine(v, "Luas permukaan", 4, 1, false), sphereLine(v, "Volume", 4, 3, true)};
}

std::vector<std::string> setengahBolaLines(const Values& v)
{
    return {sphereLine(v, "Luas lengkung", 2, 1, false), sphereLine(v, "Luas permukaan", 3, 1, false),
            sphereLine(v, "Volume", 2, 3, true)};
}

} // namespace

std::string_view schoolPiText(SchoolPi pi)
{
    return pi == SchoolPi::TwentyTwoSevenths ? "22/7" : "3,14";
}

double schoolPiValue(SchoolPi pi)
{
    return pi == SchoolPi::TwentyTwoSevenths ? 22.0 / 7.0 : 3.14;
}

std::vector<std::string> workedLines(const SchoolSolid& solid, SchoolPi pi)
{
    const Values values{schoolPiValue(pi),    std::string(schoolPiText(pi)), double(solid.radius),
                        double(solid.height), std::to_string(solid.radius),  std::to_string(solid.height)};
    switch (solid.shapeIndex) {
    case kSchoolTabung:
        return tabungLines(values);
    case kSchoolKerucut:
        return kerucutLines(values);
    case kSchoolBola:
        return bolaLines(values);
    case kSchoolSetengahBola:
        return setengahBolaLines(values);
    default:
        return {};
    }
}

std::string_view noNetSentence(int shapeIndex)
{
    if (shapeIndex == kSchoolBola)
        return SizeTexts::kBolaHasNoNet;
    if (shapeIndex == kSchoolSetengahBola)
        return SizeTexts::kSetengahBolaHasNoNet;
    return {};
}

namespace {

// The result of the line that starts with `name`, "Volume = 1540,00 cm³".
std::string result(const std::vector<std::string>& lines, std::string_view name)
{
    for (const std::string& worked : lines)
        if (worked.starts_with(std::string(name) + " = "))
            return std::string(name) + " = " + worked.substr(worked.rfind(" = ") + 3);
    return {};
}

} // namespace

std::string sizeResults(const SchoolSolid& solid, SchoolPi pi)
{
    if (!hasSchoolSolid(solid.shapeIndex))
        return {};
    const std::vector<std::string> lines = workedLines(solid, pi);
    return result(lines, "Volume") + ", " + result(lines, "Luas permukaan");
}

std::string sizeCaption(const SchoolSolid& solid, SchoolPi pi)
{
    if (!hasSchoolSolid(solid.shapeIndex))
        return {};
    return std::string(shapeCaption(solid.shapeIndex)) + ": " + sizeResults(solid, pi);
}
