// Captions of the two value labels, in the toolkit's general number text.

#include "ui/numbertext.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ(generalNumberText(value).toStdString(), text) << value;
}

TEST(NumberText, AspectCaptionAddsTheLeadingZeroBelowOne)
{
    const std::pair<float, const char*> cases[] = {
        {0.0f, " 0"}, {0.1f, "0.1"}, {0.5f, "0.5"}, {0.9f, "0.9"}, {1.0f, " 1"}, {1.6f, " 1.6"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(aspectCaption(value).toStdString(), text) << value;
    EXPECT_EQ(distanceCaption(100.0f).toStdString(), " 100");
}

} // namespace
