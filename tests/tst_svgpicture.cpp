// The vector picture's text: coordinates that read back exactly, the
// highlight drawn last, and a title that cannot break the document.

#include "export/svgpicture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(SvgPicture, CoordinatesReadBackAsTheSameSingle)
{
    const float values[]
        = {0.0f, -0.0f, 200.0f, 200.5f, 0.1f, 1e-7f, -1000.0f, 123.456789f, 399.99997f, 1000.0f};
    for (const float value : values) {
        const std::string text = svgNumber(value);
        EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
        char* end = nullptr;
        EXPECT_EQ(std::strtof(text.c_str(), &end), value) << text;
        EXPECT_EQ(end, text.c_str() + text.size()) << text;
    }
}

// Both ways of writing a number (the C++ library's and the WebAssembly
// build's own) must give the same text, or the page's SVG file would differ
// from the desktop's.
TEST(SvgPicture, CoordinatesAreTheShortestFixedText)
{
    EXPECT_EQ(svgNumber(-0.0f), "0");
    EXPECT_EQ(svgNumber(200.0f), "200");
    EXPECT_EQ(svgNumber(0.1f), "0.1");
    EXPECT_EQ(svgNumber(1e-7f), "0.0000001");
    EXPECT_EQ(svgNumber(123.456789f), "123.45679");
    EXPECT_EQ(svgNumber(-1000.25f), "-1000.25");
    EXPECT_EQ(svgNumber(399.99997f), "399.99997");
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

// A lesson's caption goes under the picture, which keeps its coordinates;
// long lines break after a clause where one lies in the line's second half.
TEST(SvgPicture, CaptionStandsInABandUnderThePicture)
{
    const std::vector<WireframePolyline> lines = {{WireframePen::Grid, {{1.0f, 2.0f}, {3.0f, 500.0f}}}};
    const std::string svg = svgPicture(lines, 396, 396, "Tabung",
                                       "Tabung: Volume = 1540,00 cm\u00b3, "
                                       "Luas permukaan = 748,00 cm\u00b2 & <lebih>");
    EXPECT_NE(svg.find("width=\"396\" height=\"440\" viewBox=\"0 0 396 440\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("points=\"1,2 3,500\""), std::string::npos);
    // The band covers what runs past the picture's lower edge, as the drawing area clips it.
    EXPECT_GT(svg.find("<rect x=\"0\" y=\"396\" width=\"396\" height=\"44\" fill=\"#ffffff\"/>"),
              svg.find("points=\"1,2 3,500\""));
    EXPECT_NE(svg.find(">Tabung: Volume = 1540,00 cm\u00b3,</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">Luas permukaan = 748,00 cm\u00b2 &amp; &lt;lebih&gt;</text>"), std::string::npos);

    const std::string kurva = "Ellipsoida (2 buah) \u2014 Irisan: kurva: ((26,0 + 0,5\u00b7s)/100)\u00b2 + "
                              "(t/100)\u00b2 = sin\u00b2(2\u00b7(15,0 \u2212 0,9\u00b7s)\u00b0)";
    EXPECT_EQ(svgCaptionLines(kurva, 396),
              (std::vector<std::string>{"Ellipsoida (2 buah) \u2014 Irisan: kurva:",
                                        "((26,0 + 0,5\u00b7s)/100)\u00b2 + (t/100)\u00b2 =",
                                        "sin\u00b2(2\u00b7(15,0 \u2212 0,9\u00b7s)\u00b0)"}));
    EXPECT_EQ(svgCaptionLines(kurva, 1584).size(), 1u) << "a wider picture holds it on one line";
}

} // namespace
