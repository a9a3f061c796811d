#pragma once
// The one raster renderer: a picture's lines (picturelines.h) drawn through
// a device context, every end point's pixel (its screen point rounded; a
// plane section's point as it is) going through a mapping of scale and
// origin and every pen scaled with it. The identity mapping gives the
// drawing area's own picture (the drawing run, redrawArea, the one place
// that clears first); scale 4 the picture for print; any scale and an
// origin that keeps the centre, a view for a larger screen.

#include "platform/imagedevicecontext.h"
#include "platform/picturebox.h"
#include "platform/pixelbuffer.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"
#include "view/pictureoptions.h"
#include "view/wireframelines.h"

#include <array>
#include <cstddef>
#include <vector>

class PresentationPicture;

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
PixelBuffer linesDrawnLarger(const std::vector<WireframePolyline>& lines, int width, int height, int factor);

// The drawing run: clears the drawing area and draws a picture's lines into
// it at its own size, with the identity mapping. It leaves the highlight pen
// set, whether or not there was a row 7.
void redrawArea(const std::vector<WireframePolyline>& lines, PictureBox& area);

// The views drawn from the drawing area's lines beside it at other sizes
// (the window's scaled views), by the window's number for each; null where
// one is not drawn.
inline constexpr std::size_t kViewsBeside = 2;
using ViewsBeside = std::array<PresentationPicture*, kViewsBeside>;

// What redraws changed, in each picture's own pixels: the drawing area's and
// each view's beside it.
struct RedrawnParts {
    PixelRect area;
    std::array<PixelRect, kViewsBeside> beside{};
    void unite(const RedrawnParts& other);
};

// The drawing run, then the same lines into every view beside it, each
// picture's changed part added to `parts` as it is drawn: what a viewer
// repaints comes back from the redraw itself, without asking the pictures.
void redrawViews(const std::vector<WireframePolyline>& lines, PictureBox& area, const ViewsBeside& beside,
                 RedrawnParts& parts);

// The run for the grid's current screen points, their lines made afresh
// (makePictureLines) with the teaching aids of `options`: the depths come
// from the projection at state.MouseX, state.MouseY on this area, so the
// screen points must have been made there (projection.h).
void redrawArea(const PointGrid& grid, const ViewState& state, PictureBox& area,
                const PictureOptions& options = {});
