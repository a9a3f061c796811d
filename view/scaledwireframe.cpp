#include "view/scaledwireframe.h"

#include "platform/colours.h"
#include "platform/gdi.h"
#include "view/linedashes.h"
#include "view/picturelines.h"
#include "view/presentationpicture.h"
#include "view/projection.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>

namespace {

int mapped(double origin, double scale, int pixel)
{
    return toPixel(static_cast<float>(origin + scale * pixel));
}

} // namespace

PixelMapping PixelMapping::centred(double scale, int sourceWidth, int sourceHeight, int targetWidth,
                                   int targetHeight)
{
    return {scale, targetWidth / 2.0 - scale * (sourceWidth / 2.0),
            targetHeight / 2.0 - scale * (sourceHeight / 2.0)};
}

int PixelMapping::mapX(int x) const
{
    return mapped(originX, scale, x);
}

int PixelMapping::mapY(int y) const
{
    return mapped(originY, scale, y);
}

int PixelMapping::penWidth(int width) const
{
    return std::max(1, static_cast<int>(std::lround(scale * width)));
}

namespace {

using ruvex::win::HDC;
using ruvex::win::LineTo;
using ruvex::win::MoveToEx;
using ruvex::win::POINTAPI;

// The pixels of a polyline's points: each point rounded as the drawing run
// rounds it, then mapped. Converted in one pass before any line is drawn,
// which the compiler keeps tight. A plane section's points are mapped
// unrounded: its curve comes from the surface's formulas, not from the
// drawing run's pixels, and a larger picture draws it that much closer to
// the true curve. So are a school solid's marks and their labels' strokes.
void mapPoints(const std::vector<ScreenPoint>& points, const PixelMapping& mapping, bool exact,
               std::vector<POINTAPI>& pixels)
{
    if (exact) {
        pixels.resize(points.size());
        std::transform(points.begin(), points.end(), pixels.begin(), [&mapping](const ScreenPoint& point) {
            return POINTAPI{toPixel(static_cast<float>(mapping.originX + mapping.scale * point.x)),
                            toPixel(static_cast<float>(mapping.originY + mapping.scale * point.y))};
        });
        return;
    }
    pixels.resize(points.size());
    // The identity leaves every pixel where it is (they are far within a
    // single's integers): the drawing area's own picture, made on every
    // pointer move, skips the arithmetic.
    if (mapping == PixelMapping{}) {
        std::transform(points.begin(), points.end(), pixels.begin(), [](const ScreenPoint& point) {
            return POINTAPI{toPixel(point.x), toPixel(point.y)};
        });
        return;
    }
    std::transform(points.begin(), points.end(), pixels.begin(), [&mapping](const ScreenPoint& point) {
        return POINTAPI{mapping.mapX(toPixel(point.x)), mapping.mapY(toPixel(point.y))};
    });
}

// A polyline with hidden spans: each segment that has some is drawn by
// stretches, the dash pattern running on along the polyline.
void drawWithHidden(const WireframePolyline& line, const std::vector<POINTAPI>& pixels, HDC dc)
{
    std::vector<ruvex::win::LineStretch> stretches;
    auto span = line.hidden.begin();
    float arc = 0.0f;
    for (std::size_t n = 1; n < pixels.size(); ++n) {
        const auto segment = static_cast<int>(n - 1);
        const auto first = span;
        while (span != line.hidden.end() && span->segment == segment)
            ++span;
        const float length = segmentLength(line, n - 1);
        if (first == span) {
            LineTo(dc, pixels[n].x, pixels[n].y);
        } else {
            paintedStretches(std::span(std::to_address(first), static_cast<std::size_t>(span - first)), arc,
                             length, stretches);
            dc->lineToStretches(pixels[n].x, pixels[n].y, stretches);
        }
        arc += length;
    }
}

} // namespace

POINTAPI drawMappedLines(const std::vector<WireframePolyline>& lines, const PixelMapping& mapping,
                         ruvex::win::ImageDeviceContext& context)
{
    // Qualified: a translation unit that also sees the system's HDC must not
    // find two.
    const ruvex::win::HDC dc = &context;
    POINTAPI last;
    std::vector<POINTAPI> pixels;
    for (const WireframePolyline& line : lines) {
        if (line.points.empty())
            continue;
        const WireframePenStyle pen = penStyle(line.pen);
        dc->setPenWidth(mapping.penWidth(pen.width));
        dc->setPenColor(pen.color);
        const bool exact = line.pen == WireframePen::SectionCurve || line.pen == WireframePen::SectionPlane
            || line.pen == WireframePen::SchoolMark;
        mapPoints(line.points, mapping, exact, pixels);
        MoveToEx(dc, pixels.front().x, pixels.front().y, &last);
        if (!line.hidden.empty()) {
            drawWithHidden(line, pixels, dc);
            continue;
        }
        for (std::size_t n = 1; n < pixels.size(); ++n)
            LineTo(dc, pixels[n].x, pixels[n].y);
    }
    return last;
}

void drawMappedLines(const std::vector<WireframePolyline>& lines, const PixelMapping& mapping,
                     PixelBuffer& target)
{
    ruvex::win::ImageDeviceContext dc;
    dc.attach(&target);
    drawMappedLines(lines, mapping, dc);
}

PixelBuffer linesDrawnLarger(const std::vector<WireframePolyline>& lines, int width, int height, int factor)
{
    PixelBuffer picture;
    picture.reset(width * factor, height * factor, ruvex::win::pixelOf(ruvex::win::kWhite));
    drawMappedLines(lines, PixelMapping{static_cast<double>(factor), 0.0, 0.0}, picture);
    return picture;
}

void redrawArea(const std::vector<WireframePolyline>& lines, PictureBox& area)
{
    area.Cls();
    drawMappedLines(lines, PixelMapping{}, *area.hDC());
    // The pen the run has always left set, whatever the lines' last.
    const WireframePenStyle highlight = penStyle(WireframePen::Highlight);
    area.setForeColor(highlight.color);
    area.setDrawWidth(highlight.width);
}

void RedrawnParts::unite(const RedrawnParts& other)
{
    area = area.united(other.area);
    for (std::size_t n = 0; n < beside.size(); ++n)
        beside[n] = beside[n].united(other.beside[n]);
}

void redrawViews(const std::vector<WireframePolyline>& lines, PictureBox& area, const ViewsBeside& beside,
                 RedrawnParts& parts)
{
    redrawArea(lines, area);
    parts.area = parts.area.united(area.takeChangedRect());
    for (std::size_t n = 0; n < beside.size(); ++n) {
        if (!beside[n])
            continue;
        PictureBox& screen = beside[n]->screen();
        screen.Cls();
        drawMappedLines(lines, beside[n]->mapping(), *screen.hDC());
        parts.beside[n] = parts.beside[n].united(screen.takeChangedRect());
    }
}

void redrawArea(const PointGrid& grid, const ViewState& state, PictureBox& area,
                const PictureOptions& options)
{
    redrawArea(makePictureLines(grid, state, projectionSettings(area, state), options), area);
}
