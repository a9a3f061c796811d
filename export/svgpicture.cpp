#include "export/svgpicture.h"

#include "platform/colours.h"
#include "view/picturelines.h"
#include "view/pictureoptions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

std::string colourText(ruvex::win::ColorRef color)
{
    // 0x00BBGGRR to #rrggbb.
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", static_cast<unsigned>(color & 0xFFu),
                  static_cast<unsigned>(color >> 8 & 0xFFu), static_cast<unsigned>(color >> 16 & 0xFFu));
    return text.data();
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// See the header: where the middle of a pen of `width` lies within its pixel.
std::string penShift(int width)
{
    const double shift = width / 2.0 - (width - 1) / 2;
    const std::string number = svgNumber(static_cast<float>(shift));
    return "translate(" + number + " " + number + ")";
}

void appendPoints(std::string& body, const std::vector<ScreenPoint>& points)
{
    for (std::size_t n = 0; n < points.size(); ++n) {
        if (n > 0)
            body += ' ';
        body += svgNumber(points[n].x);
        body += ',';
        body += svgNumber(points[n].y);
    }
}

// A hidden piece is dashed with square ends, so a dash is as long as the
// pattern says; its offset continues the pattern from the polyline's start.
void appendPiece(std::string& body, const PolylinePiece& piece)
{
    if (!piece.hidden) {
        body += "<polyline points=\"";
        appendPoints(body, piece.points);
        body += "\"/>\n";
        return;
    }
    body += "<polyline stroke-dasharray=\"" + svgNumber(kDashLength) + " " + svgNumber(kDashGap)
        + "\" stroke-dashoffset=\"" + svgNumber(std::fmod(piece.arcStart, kDashLength + kDashGap))
        + "\" stroke-linecap=\"butt\" points=\"";
    appendPoints(body, piece.points);
    body += "\"/>\n";
}

void appendGroup(std::string& svg, const std::vector<WireframePolyline>& lines, WireframePen pen)
{
    const WireframePenStyle style = penStyle(pen);
    std::string body;
    for (const WireframePolyline& line : lines) {
        if (line.pen != pen || line.points.empty())
            continue;
        if (line.hidden.empty()) {
            appendPiece(body, {false, 0.0f, line.points});
            continue;
        }
        for (const PolylinePiece& piece : polylinePieces(line))
            appendPiece(body, piece);
    }
    if (body.empty())
        return;
    svg += "<g fill=\"none\" stroke=\"" + colourText(style.color) + "\" stroke-width=\""
        + std::to_string(style.width) + "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" transform=\""
        + penShift(style.width) + "\">\n";
    svg += body;
    svg += "</g>\n";
}

// The caption's text, 14 pixels high (a worksheet's print), one line every
// 18 pixels with 6 above and below. A glyph of the usual sans-serif faces is
// 0.6 of the size wide or less, so a line of as many fits the picture.
constexpr int kCaptionTextSize = 14;
constexpr int kCaptionLineStep = 18;
constexpr int kCaptionMargin = 6;
constexpr double kCaptionGlyphWidth = 0.6 * kCaptionTextSize;

// Characters, not bytes: a UTF-8 sequence's continuation bytes do not count.
std::size_t glyphCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    return count;
}

bool endsAClause(std::string_view word)
{
    return word.ends_with(",") || word.ends_with(":") || word == "\u2014";
}

// The words of `line` after the last one that ends a clause in its second
// half, taken off it; none when there is no such word.
std::vector<std::string> clauseTail(std::vector<std::string>& line, std::size_t perLine)
{
    std::size_t length = 0;
    std::size_t cut = 0;
    for (std::size_t n = 0; n + 1 < line.size(); ++n) {
        length += glyphCount(line[n]) + (n > 0);
        if (endsAClause(line[n]) && 2 * length >= perLine)
            cut = n + 1;
    }
    if (cut == 0)
        return {};
    std::vector<std::string> tail(line.begin() + static_cast<std::ptrdiff_t>(cut), line.end());
    line.resize(cut);
    return tail;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// The band is white over anything drawn past the picture's lower edge,
// which the drawing area would not show either.
void appendCaption(std::string& svg, std::string_view caption, int width, int top, int band)
{
    svg += "<rect x=\"0\" y=\"" + std::to_string(top) + "\" width=\"" + std::to_string(width) + "\" height=\""
        + std::to_string(band) + "\" fill=\"" + colourText(ruvex::win::kWhite) + "\"/>\n";
    svg += "<g font-family=\"sans-serif\" font-size=\"" + std::to_string(kCaptionTextSize) + "\" fill=\""
        + colourText(ruvex::win::kBlack) + "\" text-anchor=\"middle\">\n";
    int baseline = top + kCaptionMargin + kCaptionTextSize;
    for (const std::string& line : svgCaptionLines(caption, width)) {
        svg += "<text x=\"" + svgNumber(static_cast<float>(width) / 2) + "\" y=\"" + std::to_string(baseline)
            + "\">" + escaped(line) + "</text>\n";
        baseline += kCaptionLineStep;
    }
    svg += "</g>\n";
}

} // namespace

std::vector<std::string> svgCaptionLines(std::string_view caption, int width)
{
    const auto perLine
        = static_cast<std::size_t>(std::max(1.0, (width - 2 * kCaptionMargin) / kCaptionGlyphWidth));
    std::vector<std::string> lines;
    std::vector<std::string> line;
    std::size_t length = 0;
    std::size_t start = 0;
    while (start < caption.size()) {
        const std::size_t end = std::min(caption.find(' ', start), caption.size());
        std::string word(caption.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && length + 1 + glyphCount(word) > perLine) {
            std::vector<std::string> tail = clauseTail(line, perLine);
            lines.push_back(joined(line));
            line = std::move(tail);
            length = glyphCount(joined(line));
        }
        length += glyphCount(word) + (line.empty() ? 0 : 1);
        line.push_back(std::move(word));
    }
    if (!line.empty())
        lines.push_back(joined(line));
    return lines;
}

std::string svgNumber(float value)
{
    std::array<char, 64> text{};
#if defined(__cpp_lib_to_chars)
    const auto result
        = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    std::string number(text.data(), result.ptr);
#else
    // A C++ library without floating-point to_chars (the WebAssembly build's):
    // the fewest decimals that read back as the same single. For the drawing's
    // coordinates (below 2^24 in size) that is the text to_chars writes; the
    // locale there is always "C", so the point is a point.
    std::string number;
    for (int decimals = 0; decimals < 48; ++decimals) {
        std::snprintf(text.data(), text.size(), "%.*f", decimals, static_cast<double>(value));
        number = text.data();
        if (std::strtof(text.data(), nullptr) == value)
            break;
    }
#endif
    return number == "-0" ? "0" : number;
}

std::string svgPicture(const std::vector<WireframePolyline>& lines, int width, int height,
                       std::string_view title, std::string_view caption)
{
    const std::size_t captionLines = caption.empty() ? 0 : svgCaptionLines(caption, width).size();
    const int band = captionLines == 0 ? 0
                                       : 2 * kCaptionMargin
            + static_cast<int>(captionLines) * kCaptionLineStep - (kCaptionLineStep - kCaptionTextSize);
    const std::string w = std::to_string(width);
    const std::string h = std::to_string(height + band);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h
        + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    svg += "<title>" + escaped(title) + "</title>\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\""
        + colourText(ruvex::win::kWhite) + "\"/>\n";
    // A section's plane and the axes under the grid lines, the highlight
    // and a section's curve on top, a school solid's marks over all, as the
    // drawing run paints them.
    appendGroup(svg, lines, WireframePen::SectionPlane);
    appendGroup(svg, lines, WireframePen::Axis);
    appendGroup(svg, lines, WireframePen::Grid);
    appendGroup(svg, lines, WireframePen::Highlight);
    appendGroup(svg, lines, WireframePen::SectionCurve);
    appendGroup(svg, lines, WireframePen::SchoolMark);
    if (band > 0)
        appendCaption(svg, caption, width, height, band);
    svg += "</svg>\n";
    return svg;
}

std::string svgPictureTitle(std::string_view shapeCaption)
{
    return "RUVEX Display 3D: " + std::string(shapeCaption);
}
