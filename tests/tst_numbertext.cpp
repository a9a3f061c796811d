// Captions of the two value labels, in the toolkit's general number text.

#include "window/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

TEST(NumberText, GeneralTextOfASingle)
{
    const std::pair<float, const char*> cases[] = {
        {160.0f, " 160"},
        {350.0f, " 350"},
        {1.5f, " 1.5"},
        {1.0f, " 1"},
        {0.0f, " 0"},
        {0.5f, " .5"},
        {-0.5f, "-.5"},
        {-2.0f, "-2"},
        {1.6f, " 1.6"},
        {1234567.0f, " 1234567"},
        {12345678.0f, " 1.234568E+07"},
        {0.0001f, " .0001"},
        {0.00001f, " 1E-05"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(generalNumberText(value), text) << value;
}

// The toolkit takes the system's locale for C's number formatting; the
// captions keep their "." wherever the locale writes a decimal comma.
TEST(NumberText, DecimalPointWhateverTheLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "id_ID.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string aspect = aspectCaption(1.5f);
    const std::string small = aspectCaption(0.5f);
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(aspect, " 1.5");
    EXPECT_EQ(small, "0.5");
}

TEST(NumberText, AspectCaptionAddsTheLeadingZeroBelowOne)
{
    const std::pair<float, const char*> cases[] = {
        {0.0f, " 0"}, {0.1f, "0.1"}, {0.5f, "0.5"}, {0.9f, "0.9"}, {1.0f, " 1"}, {1.6f, " 1.6"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(aspectCaption(value), text) << value;
    EXPECT_EQ(distanceCaption(100.0f), " 100");
}

} // namespace
