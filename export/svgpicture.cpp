#include "export/svgpicture.h"

#include "platform/colours.h"
#include "view/picturelines.h"
#include "view/pictureoptions.h"

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

} // namespace

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
                       std::string_view title)
{
    const std::string w = std::to_string(width);
    const std::string h = std::to_string(height);
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
    svg += "</svg>\n";
    return svg;
}

std::string svgPictureTitle(std::string_view shapeCaption)
{
    return "RUVEX Display 3D: " + std::string(shapeCaption);
}
