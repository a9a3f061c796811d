#include "view/scaledwireframe.h"

#include "platform/colours.h"
#include "platform/imagedevicecontext.h"
#include "view/projection.h"

#include <algorithm>
#include <cmath>

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

void drawWireframeMapped(const std::vector<WireframePolyline>& lines, const PixelMapping& mapping,
                         ruvex::win::DeviceContext& dc)
{
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
        dc.moveTo(start.x, start.y);
        for (std::size_t n = 1; n < line.points.size(); ++n) {
            const ruvex::win::POINTAPI end = to(line.points[n]);
            dc.lineTo(end.x, end.y);
        }
    }
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
    PixelBuffer picture;
    picture.reset(width * factor, height * factor, ruvex::win::pixelOf(ruvex::win::kWhite));
    drawWireframeMapped(grid, cols, rows, PixelMapping{static_cast<double>(factor), 0.0, 0.0}, picture);
    return picture;
}
