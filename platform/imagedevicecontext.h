#pragma once
// A device context that rasterises straight into a QImage's scanlines.
//
// Lines follow the rules of the drawing calls this program was written for:
// - a 1-pixel pen paints every pixel of the Bresenham line from the current
//   position up to, but not including, the end point;
// - a wider pen of width w paints a w x w square at every pixel of the line,
//   end point included; the square's top-left corner lies (w - 1) / 2 pixels
//   up and left of the line pixel (for w = 2: the pixel and its right, lower
//   and lower-right neighbours);
// - pixels outside the image are skipped; no antialiasing.
//
// It does not own the image, clear it or know about widgets.

#include "platform/gdi.h"

#include <QImage>

#include <limits>
#include <QRect>

class ImageDeviceContext final : public DeviceContext {
public:
    // The image must be Format_RGB32 or Format_ARGB32 and outlive this object.
    // Attaching detaches the image from any shallow copy and keeps its
    // scanline pointer, so lines are drawn without a call into the image:
    // re-attach after the image is reallocated, copied or cleared.
    void attach(QImage* image);

    POINTAPI moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setPenColor(ColorRef color) override;
    void setPenWidth(int width) override;

    // Bounds of the pixels painted since the last call, so only they need
    // to reach the screen.
    QRect takePaintedBounds();

    ColorRef penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }
    POINTAPI currentPosition() const { return m_current; }

private:
    void drawThinLine(int x0, int y0, int x1, int y1);
    void drawWideLine(int x0, int y0, int x1, int y1);
    void notePainted(int x0, int y0, int x1, int y1);

    QImage* m_image = nullptr;
    std::uint32_t* m_bits = nullptr;
    qsizetype m_stride = 0; // in pixels
    int m_width = 0;
    int m_height = 0;
    POINTAPI m_current;
    ColorRef m_penColor = kBlack;
    std::uint32_t m_penPixel = 0xFF000000;
    int m_penWidth = 1;
    // Bounds of the painted lines' end points, pen included, before clipping;
    // empty while left > right, which is how they start.
    int m_paintedLeft = std::numeric_limits<int>::max();
    int m_paintedTop = std::numeric_limits<int>::max();
    int m_paintedRight = std::numeric_limits<int>::min();
    int m_paintedBottom = std::numeric_limits<int>::min();
};
