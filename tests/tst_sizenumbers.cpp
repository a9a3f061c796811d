// "Ukuran Bangun"'s worked numbers against the solids' closed forms, for a
// few sizes and both values of π: each line's name in a worksheet's order,
// its substitution the sizes given and its result to two decimals.

#include "window/sizenumbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The result a line ends in, "1540,00 cm³" → 1540.
double resultOf(const std::string& line)
{
    std::string number = line.substr(line.rfind(" = ") + 3);
    number = number.substr(0, number.find_first_not_of("0123456789,"));
    number[number.find(',')] = '.';
    return std::stod(number);
}

std::string nameOf(const std::string& line)
{
    return line.substr(0, line.find(" = "));
}

struct Expected {
    std::string name;
    double value;
};

// The closed forms; the kerucut's lines after the first take s as that
// line shows it, to two decimals.
std::vector<Expected> closedForms(const SchoolSolid& solid, double pi)
{
    const double r = solid.radius;
    const double t = solid.height;
    const double s = std::round(std::hypot(r, t) * 100) / 100;
    switch (solid.shapeIndex) {
    case kSchoolTabung:
        return {{"Luas alas", pi * r * r},        {"Keliling alas", 2 * pi * r},
                {"Luas selimut", 2 * pi * r * t}, {"Luas permukaan", 2 * pi * r * r + 2 * pi * r * t},
                {"Volume", pi * r * r * t},       {"Panjang selimut", 2 * pi * r}};
    case kSchoolKerucut:
        return {{"Garis pelukis s", s},         {"Luas alas", pi * r * r},
                {"Luas selimut", pi * r * s},   {"Luas permukaan", pi * r * r + pi * r * s},
                {"Volume", pi * r * r * t / 3}, {"Sudut juring", 360 * r / s}};
    case kSchoolBola:
        return {{"Luas permukaan", 4 * pi * r * r}, {"Volume", 4 * pi * r * r * r / 3}};
    default:
        return {{"Luas lengkung", 2 * pi * r * r},
                {"Luas permukaan", 3 * pi * r * r},
                {"Volume", 2 * pi * r * r * r / 3}};
    }
}

TEST(SizeNumbers, EveryLineIsItsClosedFormForEachSolidSizeAndPi)
{
    const std::vector<SchoolSolid> solids = {
        {kSchoolTabung, 7, 10, 0},       {kSchoolTabung, 1, 100, 0}, {kSchoolTabung, 50, 3, 0},
        {kSchoolKerucut, 3, 4, 0},       {kSchoolKerucut, 7, 10, 0}, {kSchoolKerucut, 50, 1, 0},
        {kSchoolBola, 7, 10, 0},         {kSchoolBola, 50, 10, 0},   {kSchoolSetengahBola, 7, 10, 0},
        {kSchoolSetengahBola, 1, 10, 0},
    };
    for (const SchoolPi pi : {SchoolPi::TwentyTwoSevenths, SchoolPi::ThreePointFourteen}) {
        const double piValue = pi == SchoolPi::TwentyTwoSevenths ? 22.0 / 7.0 : 3.14;
        for (const SchoolSolid& solid : solids) {
            const auto lines = workedLines(solid, pi);
            const auto expected = closedForms(solid, piValue);
            ASSERT_EQ(lines.size(), expected.size()) << solid.shapeIndex;
            for (std::size_t n = 0; n < lines.size(); ++n) {
                EXPECT_EQ(nameOf(lines[n]), expected[n].name) << lines[n];
                EXPECT_NEAR(resultOf(lines[n]), expected[n].value, 0.0051) << lines[n];
                // π as chosen, where a line has it.
                if (lines[n].find("\u03c0") != std::string::npos) {
                    EXPECT_NE(lines[n].find(std::string(schoolPiText(pi)) + " \u00d7"), std::string::npos)
                        << lines[n];
                }
            }
        }
    }
    EXPECT_TRUE(workedLines({1, 7, 10, 0}, SchoolPi::TwentyTwoSevenths).empty());
}

// Whole lines as a worksheet writes them, units and decimal comma included.
TEST(SizeNumbers, LinesReadAsAWorksheetWritesThem)
{
    const auto tabung = workedLines({kSchoolTabung, 7, 10, 0}, SchoolPi::TwentyTwoSevenths);
    EXPECT_EQ(tabung[4], "Volume = \u03c0r\u00b2t = 22/7 \u00d7 7\u00b2 \u00d7 10 = 1540,00 cm\u00b3");
    EXPECT_EQ(tabung[3],
              "Luas permukaan = 2\u03c0r(r + t) = 2 \u00d7 22/7 \u00d7 7 \u00d7 (7 + 10) = 748,00 cm\u00b2");
    const auto kerucut = workedLines({kSchoolKerucut, 3, 4, 0}, SchoolPi::ThreePointFourteen);
    EXPECT_EQ(kerucut[0],
              "Garis pelukis s = \u221a(r\u00b2 + t\u00b2) = \u221a(3\u00b2 + 4\u00b2) = 5,00 cm");
    EXPECT_EQ(kerucut[2], "Luas selimut = \u03c0rs = 3,14 \u00d7 3 \u00d7 5,00 = 47,10 cm\u00b2");
    EXPECT_EQ(kerucut[5], "Sudut juring = 360\u00b0 \u00d7 r/s = 360\u00b0 \u00d7 3/5,00 = 216,00\u00b0");
    EXPECT_EQ(sizeCaption({kSchoolTabung, 7, 10, 0}, SchoolPi::TwentyTwoSevenths),
              "Tabung: Volume = 1540,00 cm\u00b3, Luas permukaan = 748,00 cm\u00b2");
}

} // namespace
