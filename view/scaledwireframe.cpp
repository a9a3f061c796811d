#include "view/scaledwireframe.h"

#include "platform/colours.h"
#include "platform/imagedevicecontext.h"
#include "view/picturelines.h"
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

// A polyline with hidden spans: each segment that has some is drawn by
// stretches, the dash pattern running on along the polyline.
template <typename MapPoint>
void drawWithHidden(const WireframePolyline& line, MapPoint to, ruvex::win::ImageDeviceContext& dc)
{
    std::vector<ruvex::win::LineStretch> stretches;
    auto span = line.hidden.begin();
    float arc = 0.0f;
    for (std::size_t n = 1; n < line.points.size(); ++n) {
        const ruvex::win::POINTAPI end = to(line.points[n]);
        const auto segment = static_cast<int>(n - 1);
        const auto first = span;
        while (span != line.hidden.end() && span->segment == segment)
            ++span;
        const float length = segmentLength(line, n - 1);
        if (first == span) {
            dc.lineTo(end.x, end.y);
        } else {
            paintedStretches(std::span(std::to_address(first), static_cast<std::size_t>(span - first)), arc,
                             length, stretches);
            dc.lineToStretches(end.x, end.y, stretches);
        }
        arc += length;
    }
}

} // namespace

ruvex::win::POINTAPI drawWireframeMapped(const std::vector<WireframePolyline>& lines,
                                         const PixelMapping& mapping, ruvex::win::ImageDeviceContext& dc)
{
    ruvex::win::POINTAPI last;
    for (const WireframePolyline& line : lines) {
        if (line.points.empty())
            continue;
        const WireframePenStyle pen = penStyle(line.pen);
        dc.setPenWidth(mapping.penWidth(pen.width));
        dc.setPenColor(pen.color);
        const auto to = [&mapping](const ScreenPoint& point) {
            return ruvex::win::POINTAPI{mapping.mapX(toPixel(point.x)), mapping.mapY(toPixel(point.y))};
        };
        const ruvex::win::POINTAPI start = to(line.points.front());
        last = dc.moveTo(start.x, start.y);
        if (!line.hidden.empty()) {
            drawWithHidden(line, to, dc);
            continue;
        }
        for (std::size_t n = 1; n < line.points.size(); ++n) {
            const ruvex::win::POINTAPI end = to(line.points[n]);
            dc.lineTo(end.x, end.y);
        }
    }
    return last;
}

void drawWireframeMapped(const PointGrid& grid, int cols, int rows, const PixelMapping& mapping,
                         PixelBuffer& target)
{
    ruvex::win::ImageDeviceContext dc;
    dc.attach(&target);
    drawWireframeMapped(wireframePolylines(grid, cols, rows), mapping, dc);
}

PixelBuffer scaledPicture(const PointGrid& grid, int cols, int rows, int width, int height, int factor)
{
    return scaledPicture(wireframePolylines(grid, cols, rows), width, height, factor);
}

PixelBuffer scaledPicture(const std::vector<WireframePolyline>& lines, int width, int height, int factor)
{
    PixelBuffer picture;
    picture.reset(width * factor, height * factor, ruvex::win::pixelOf(ruvex::win::kWhite));
    ruvex::win::ImageDeviceContext dc;
    dc.attach(&picture);
    drawWireframeMapped(lines, PixelMapping{static_cast<double>(factor), 0.0, 0.0}, dc);
    return picture;
}
