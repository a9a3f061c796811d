#include "platform/imagedevicecontext.h"

#include "platform/picturebox.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Walks the Bresenham line from (x0, y0) towards (x1, y1), one pixel per step
// along the major axis, and calls plot for each pixel; the end pixel is
// plotted only when includeEnd is set.
template <typename Plot>
void walkLine(int x0, int y0, int x1, int y1, bool includeEnd, Plot&& plot)
{
    int major = x1 - x0;
    int minor = y1 - y0;
    int majorStepX = major < 0 ? -1 : 1;
    int majorStepY = 0;
    int minorStepX = 0;
    int minorStepY = minor < 0 ? -1 : 1;
    major = std::abs(major);
    minor = std::abs(minor);
    if (minor > major) {
        std::swap(major, minor);
        std::swap(majorStepX, minorStepX);
        std::swap(majorStepY, minorStepY);
    }
    // Decision term of the midpoint rule, scaled by 2 to stay integral.
    int decision = 2 * minor - major;
    int x = x0;
    int y = y0;
    for (int step = 0; step < major; ++step) {
        plot(x, y);
        if (decision > 0) {
            x += minorStepX;
            y += minorStepY;
            decision -= 2 * major;
        }
        decision += 2 * minor;
        x += majorStepX;
        y += majorStepY;
    }
    if (includeEnd)
        plot(x1, y1);
}

// The same walk as walkLine for a line wholly inside the image, stepping a
// pixel pointer instead of coordinates: the path nearly every segment takes.
void fillLineInside(std::uint32_t* bits, qsizetype stride, int x0, int y0, int x1, int y1,
                    std::uint32_t pixel)
{
    int major = std::abs(x1 - x0);
    int minor = std::abs(y1 - y0);
    qsizetype majorStep = x1 < x0 ? -1 : 1;
    qsizetype minorStep = y1 < y0 ? -stride : stride;
    if (minor > major) {
        std::swap(major, minor);
        std::swap(majorStep, minorStep);
    }
    int decision = 2 * minor - major;
    std::uint32_t* at = bits + y0 * stride + x0;
    for (int step = 0; step < major; ++step) {
        *at = pixel;
        if (decision > 0) {
            at += minorStep;
            decision -= 2 * major;
        }
        decision += 2 * minor;
        at += majorStep;
    }
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
    const bool usable = image && !image->isNull();
    m_bits = usable ? reinterpret_cast<std::uint32_t*>(image->bits()) : nullptr;
    m_stride = usable ? image->bytesPerLine() / 4 : 0;
    m_width = usable ? image->width() : 0;
    m_height = usable ? image->height() : 0;
}

POINTAPI ImageDeviceContext::moveTo(int x, int y)
{
    const POINTAPI previous = m_current;
    m_current = {x, y};
    return previous;
}

QRect ImageDeviceContext::takePaintedBounds()
{
    if (m_paintedLeft > m_paintedRight)
        return {};
    const QRect painted = QRect(QPoint(m_paintedLeft, m_paintedTop), QPoint(m_paintedRight, m_paintedBottom))
                              .intersected(QRect(0, 0, m_width, m_height));
    m_paintedLeft = m_paintedTop = std::numeric_limits<int>::max();
    m_paintedRight = m_paintedBottom = std::numeric_limits<int>::min();
    return painted;
}

inline void ImageDeviceContext::notePainted(int x0, int y0, int x1, int y1)
{
    // Runs for every line, so plain integers: the rectangle is made when asked.
    // The pen square reaches (w - 1) / 2 pixels up-left and the rest down-right.
    const int before = m_penWidth > 1 ? (m_penWidth - 1) / 2 : 0;
    const int after = m_penWidth > 1 ? m_penWidth - 1 - before : 0;
    m_paintedLeft = std::min({m_paintedLeft, x0 - before, x1 - before});
    m_paintedTop = std::min({m_paintedTop, y0 - before, y1 - before});
    m_paintedRight = std::max({m_paintedRight, x0 + after, x1 + after});
    m_paintedBottom = std::max({m_paintedBottom, y0 + after, y1 + after});
}

void ImageDeviceContext::lineTo(int x, int y)
{
    if (m_bits) {
        notePainted(m_current.x, m_current.y, x, y);
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
    const int width = m_width;
    const int height = m_height;
    const qsizetype stride = m_stride;
    std::uint32_t* const bits = m_bits;
    const std::uint32_t pixel = m_penPixel;

    // Nearly every segment of a wireframe lies wholly inside the picture;
    // only those need no per-pixel test.
    if (inside(x0, y0, width, height) && inside(x1, y1, width, height)) {
        fillLineInside(bits, stride, x0, y0, x1, y1, pixel);
        return;
    }
    walkLine(x0, y0, x1, y1, false, [&](int x, int y) {
        if (inside(x, y, width, height))
            bits[y * stride + x] = pixel;
    });
}

void ImageDeviceContext::drawWideLine(int x0, int y0, int x1, int y1)
{
    const int width = m_width;
    const int height = m_height;
    const qsizetype stride = m_stride;
    std::uint32_t* const bits = m_bits;
    const std::uint32_t pixel = m_penPixel;
    const int pen = m_penWidth;
    const int offset = (pen - 1) / 2;

    const int margin = pen - 1 - offset;
    if (inside(x0 - offset, y0 - offset, width, height) && inside(x1 - offset, y1 - offset, width, height)
        && inside(x0 + margin, y0 + margin, width, height) && inside(x1 + margin, y1 + margin, width, height)) {
        walkLine(x0, y0, x1, y1, true, [&](int x, int y) {
            for (int row = y - offset; row < y - offset + pen; ++row) {
                std::uint32_t* line = bits + row * stride;
                for (int col = x - offset; col < x - offset + pen; ++col)
                    line[col] = pixel;
            }
        });
        return;
    }
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
