// The vector picture's text: coordinates that read back exactly, the
// highlight drawn last, and a title that cannot break the document.

#include "export/svgpicture.h"

#include <gtest/gtest.h>

#include <charconv>

namespace {

TEST(SvgPicture, CoordinatesReadBackAsTheSameSingle)
{
    const float values[]
        = {0.0f, -0.0f, 200.0f, 200.5f, 0.1f, 1e-7f, -1000.0f, 123.456789f, 399.99997f, 1000.0f};
    for (const float value : values) {
        const std::string text = svgNumber(value);
        EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
        float read = -1.0f;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
        EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
        EXPECT_EQ(read, value) << text;
    }
}

TEST(SvgPicture, HighlightComesLastAndTheTitleIsEscaped)
{
    const std::vector<WireframePolyline> lines = {
        {WireframePen::Grid, {{1.0f, 2.0f}, {3.0f, 4.0f}}},
        {WireframePen::Highlight, {{5.0f, 6.0f}, {7.0f, 8.0f}}},
        {WireframePen::Grid, {{9.0f, 10.0f}, {11.0f, 12.0f}}},
    };
    const std::string svg = svgPicture(lines, 396, 396, "<Bola & Tabung>");
    EXPECT_NE(svg.find("<title>&lt;Bola &amp; Tabung&gt;</title>"), std::string::npos) << svg;
    const auto highlight = svg.find("points=\"5,6 7,8\"");
    ASSERT_NE(highlight, std::string::npos) << svg;
    EXPECT_LT(svg.find("points=\"1,2 3,4\""), highlight);
    EXPECT_LT(svg.find("points=\"9,10 11,12\""), highlight);
    EXPECT_LT(svg.find("stroke=\"#0000ff\""), highlight);
}

} // namespace
