#pragma once
// The one raster renderer: a picture's lines (picturelines.h) drawn through
// a device context, every end point's pixel (its screen point rounded; a
// plane section's point as it is) going through a mapping of scale and
// origin and every pen scaled with it. The
// identity mapping gives the drawing area's own picture (wireframe.h); scale
// 4 the picture for print; any scale and an origin that keeps the centre, a
// view for a larger screen.
//
// It clears nothing.

#include "platform/imagedevicecontext.h"
#include "platform/pixelbuffer.h"
#include "view/wireframelines.h"

#include <vector>

struct PixelMapping {
    double scale = 1.0;
    double originX = 0.0;
    double originY = 0.0;

    // The picture of sourceWidth x sourceHeight pixels scaled about its
    // centre, which lands on the centre of a target of targetWidth x
    // targetHeight.
    static PixelMapping centred(double scale, int sourceWidth, int sourceHeight, int targetWidth,
                                int targetHeight);

    // A drawing-area pixel to a target pixel: origin + scale * pixel, to the
    // nearest pixel with halves to even, as screen points are rounded.
    int mapX(int x) const;
    int mapY(int y) const;
    // A pen of `width` drawing-area pixels: scale * width rounded, at least 1.
    int penWidth(int width) const;

    friend bool operator==(const PixelMapping&, const PixelMapping&) = default;
};

// Each polyline is one MoveToEx and a LineTo per further point, in its pen;
// its hidden spans are drawn dashed. Returns the position the last move left,
// as the drawing run reports it.
ruvex::win::POINTAPI drawMappedLines(const std::vector<WireframePolyline>& lines, const PixelMapping& mapping,
                                     ruvex::win::ImageDeviceContext& dc);

// The same, into `target`.
void drawMappedLines(const std::vector<WireframePolyline>& lines, const PixelMapping& mapping,
                     PixelBuffer& target);

// The drawing area's picture of width x height pixels enlarged `factor`
// times from its top-left corner: white, then the lines at that scale.
PixelBuffer scaledPicture(const std::vector<WireframePolyline>& lines, int width, int height, int factor);
