#pragma once
// The wireframe drawn at another size than the drawing area's: every end
// point's pixel (the one the drawing run uses) goes through a mapping of
// scale and origin, and every pen is scaled with it. At scale 1 and origin 0
// this is the drawing area's own picture, pixel for pixel; at scale 4 the
// picture for print; at any scale and an origin that keeps the centre, a
// view for a larger screen.
//
// Draws through a device context, so into any pixel buffer (or any other
// context); it clears nothing.

#include "platform/gdi.h"
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
};

// Polylines with hidden spans draw those dashed (see picturelines.h); the
// others exactly as the drawing run does. Returns the position the last move
// left, as the drawing run reports it.
ruvex::win::POINTAPI drawWireframeMapped(const std::vector<WireframePolyline>& lines,
                                         const PixelMapping& mapping, ruvex::win::ImageDeviceContext& dc);

// The grid's current screen points (cols x rows), drawn into `target`.
void drawWireframeMapped(const PointGrid& grid, int cols, int rows, const PixelMapping& mapping,
                         PixelBuffer& target);

// The drawing area's picture of width x height pixels enlarged `factor`
// times from its top-left corner: white, then the wireframe at that scale.
PixelBuffer scaledPicture(const PointGrid& grid, int cols, int rows, int width, int height, int factor);
// The same for a picture's lines (picturelines.h).
PixelBuffer scaledPicture(const std::vector<WireframePolyline>& lines, int width, int height, int factor);
