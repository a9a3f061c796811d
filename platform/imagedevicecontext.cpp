#include "platform/imagedevicecontext.h"

#include "platform/picturebox.h"

#include <cstdlib>

namespace {

// Walks the Bresenham line from (x0, y0) towards (x1, y1) and calls plot for
// each pixel; the end pixel is plotted only when includeEnd is set.
template <typename Plot>
void walkLine(int x0, int y0, int x1, int y1, bool includeEnd, Plot&& plot)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    if (includeEnd)
        plot(x1, y1);
}

bool inside(int x, int y, int width, int height)
{
    return static_cast<unsigned>(x) < static_cast<unsigned>(width)
        && static_cast<unsigned>(y) < static_cast<unsigned>(height);
}

} // namespace

void ImageDeviceContext::attach(QImage* image)
{
    m_image = image;
}

POINTAPI ImageDeviceContext::moveTo(int x, int y)
{
    const POINTAPI previous = m_current;
    m_current = {x, y};
    return previous;
}

void ImageDeviceContext::lineTo(int x, int y)
{
    if (m_image && !m_image->isNull()) {
        if (m_penWidth <= 1)
            drawThinLine(m_current.x, m_current.y, x, y);
        else
            drawWideLine(m_current.x, m_current.y, x, y);
    }
    m_current = {x, y};
}

void ImageDeviceContext::setPenColor(ColorRef color)
{
    m_penColor = color;
    m_penPixel = toQRgb(color);
}

void ImageDeviceContext::setPenWidth(int width)
{
    m_penWidth = width;
}

void ImageDeviceContext::drawThinLine(int x0, int y0, int x1, int y1)
{
    const int width = m_image->width();
    const int height = m_image->height();
    const qsizetype stride = m_image->bytesPerLine() / 4;
    auto* const bits = reinterpret_cast<std::uint32_t*>(m_image->bits());
    const std::uint32_t pixel = m_penPixel;

    // Nearly every segment of a wireframe lies wholly inside the picture;
    // only those need no per-pixel test.
    if (inside(x0, y0, width, height) && inside(x1, y1, width, height)) {
        walkLine(x0, y0, x1, y1, false, [&](int x, int y) { bits[y * stride + x] = pixel; });
        return;
    }
    walkLine(x0, y0, x1, y1, false, [&](int x, int y) {
        if (inside(x, y, width, height))
            bits[y * stride + x] = pixel;
    });
}

void ImageDeviceContext::drawWideLine(int x0, int y0, int x1, int y1)
{
    const int width = m_image->width();
    const int height = m_image->height();
    const qsizetype stride = m_image->bytesPerLine() / 4;
    auto* const bits = reinterpret_cast<std::uint32_t*>(m_image->bits());
    const std::uint32_t pixel = m_penPixel;
    const int pen = m_penWidth;
    const int offset = (pen - 1) / 2;

    walkLine(x0, y0, x1, y1, true, [&](int x, int y) {
        for (int row = y - offset; row < y - offset + pen; ++row) {
            if (static_cast<unsigned>(row) >= static_cast<unsigned>(height))
                continue;
            for (int col = x - offset; col < x - offset + pen; ++col) {
                if (static_cast<unsigned>(col) < static_cast<unsigned>(width))
                    bits[row * stride + col] = pixel;
            }
        }
    });
}
