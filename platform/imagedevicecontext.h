#pragma once
// The device context: draws lines with a current position and a pen,
// rasterising straight into a pixel buffer's rows. Every picture of the
// program is drawn through one of these (the drawing area's, the print
// picture, the full screen); gdi.h's MoveToEx and LineTo call it.
//
// Lines follow the rules of the drawing calls this program was written for:
// - a 1-pixel pen paints every pixel of the Bresenham line from the current
//   position up to, but not including, the end point;
// - a wider pen of width w paints a w x w square at every pixel of the line,
//   end point included; the square's top-left corner lies (w - 1) / 2 pixels
//   up and left of the line pixel (for w = 2: the pixel and its right, lower
//   and lower-right neighbours);
// - pixels outside the buffer are skipped; no antialiasing.
//
// It does not own the buffer, clear it or know about widgets: the picture
// box that owns one (picturebox.h) clears and sets its pen.

#include "platform/colours.h"
#include "platform/handles.h"
#include "platform/pixelbuffer.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace ruvex::win {

// A stretch of a line by its parameter: 0 at the current position, 1 at the
// end point; both ends belong to it.
struct LineStretch {
    float from = 0.0f;
    float to = 0.0f;
};

class ImageDeviceContext {
public:
    // The buffer must outlive this object. Attaching keeps its row pointer,
    // so lines are drawn without a call into the buffer: re-attach after the
    // buffer is reset.
    void attach(PixelBuffer* buffer);

    // Sets the current position; reports the previous one.
    POINTAPI moveTo(int x, int y) { return std::exchange(m_current, POINTAPI{x, y}); }
    // Draws with the current pen from the current position to (x, y), which
    // becomes the current position.
    void lineTo(int x, int y);
    // The same line, but only the given stretches of it (in order, disjoint):
    // a dashed line. Step k of the n steps of the Bresenham line (n the
    // larger of its sizes) has the parameter k / n.
    void lineToStretches(int x, int y, std::span<const LineStretch> stretches);
    void setPenColor(ColorRef color);
    void setPenWidth(int width) { m_penWidth = width; }

    // Bounds of the pixels painted since the last call, so only they need
    // to reach the screen.
    PixelRect takePaintedBounds();

    ColorRef penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }

private:
    // paintStep(k) says whether step k of the line is painted.
    template <typename PaintStep> void drawLine(int x0, int y0, int x1, int y1, PaintStep paintStep);
    template <typename PaintStep> void drawClippedLine(int x0, int y0, int x1, int y1, PaintStep& paintStep);
    void notePainted(int x0, int y0, int x1, int y1);

    std::uint32_t* m_bits = nullptr;
    std::ptrdiff_t m_stride = 0; // in pixels
    int m_width = 0;
    int m_height = 0;
    POINTAPI m_current;
    ColorRef m_penColor = kBlack;
    std::uint32_t m_penPixel = pixelOf(kBlack);
    int m_penWidth = 1;
    // Bounds of the painted lines' end points, pen included, before clipping;
    // nothing painted while m_painted is false.
    bool m_painted = false;
    int m_paintedLeft = 0;
    int m_paintedTop = 0;
    int m_paintedRight = 0;
    int m_paintedBottom = 0;
};

} // namespace ruvex::win
