#include "platform/imagedevicecontext.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace ruvex::win {

namespace {

bool inside(int x, int y, int width, int height)
{
    return static_cast<unsigned>(x) < static_cast<unsigned>(width)
        && static_cast<unsigned>(y) < static_cast<unsigned>(height);
}

// The one line routine: walks the Bresenham line from (x0, y0) towards
// (x1, y1), one pixel per step along the major axis, and calls
// paint(x, y, index) for each pixel, index being y * stride + x; the end
// pixel comes last, and only when includeEnd is set. What paint does at a
// pixel (one pixel or a pen square, checked against the edges or not) is the
// caller's choice; a paint that ignores some of its arguments costs nothing
// for them once inlined.
template <typename Paint>
inline void walkLine(int x0, int y0, int x1, int y1, std::ptrdiff_t stride, bool includeEnd, Paint paint)
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
    const std::ptrdiff_t majorStep = majorStepY * stride + majorStepX;
    const std::ptrdiff_t minorStep = minorStepY * stride + minorStepX;
    // Decision term of the midpoint rule, scaled by 2 to stay integral.
    int decision = 2 * minor - major;
    int x = x0;
    int y = y0;
    std::ptrdiff_t index = y0 * stride + x0;
    for (int step = 0; step < major; ++step) {
        paint(x, y, index);
        if (decision > 0) {
            x += minorStepX;
            y += minorStepY;
            index += minorStep;
            decision -= 2 * major;
        }
        decision += 2 * minor;
        x += majorStepX;
        y += majorStepY;
        index += majorStep;
    }
    if (includeEnd)
        paint(x1, y1, y1 * stride + x1);
}

} // namespace

void ImageDeviceContext::attach(PixelBuffer* buffer)
{
    const bool usable = buffer && !buffer->isEmpty();
    m_bits = usable ? buffer->bits() : nullptr;
    m_stride = usable ? buffer->stride() : 0;
    m_width = usable ? buffer->width() : 0;
    m_height = usable ? buffer->height() : 0;
}

PixelRect ImageDeviceContext::takePaintedBounds()
{
    if (!m_painted)
        return {};
    m_painted = false;
    const PixelRect painted{m_paintedLeft, m_paintedTop, m_paintedRight - m_paintedLeft + 1,
                            m_paintedBottom - m_paintedTop + 1};
    return painted.intersected({0, 0, m_width, m_height});
}

inline void ImageDeviceContext::notePainted(int x0, int y0, int x1, int y1)
{
    // Runs for every line, so plain integers: the rectangle is made when asked.
    // The pen square reaches (w - 1) / 2 pixels up-left and the rest down-right.
    const int before = m_penWidth > 1 ? (m_penWidth - 1) / 2 : 0;
    const int after = m_penWidth > 1 ? m_penWidth - 1 - before : 0;
    if (!m_painted) {
        m_painted = true;
        m_paintedLeft = x0 - before;
        m_paintedTop = y0 - before;
        m_paintedRight = x0 + after;
        m_paintedBottom = y0 + after;
    }
    m_paintedLeft = std::min({m_paintedLeft, x0 - before, x1 - before});
    m_paintedTop = std::min({m_paintedTop, y0 - before, y1 - before});
    m_paintedRight = std::max({m_paintedRight, x0 + after, x1 + after});
    m_paintedBottom = std::max({m_paintedBottom, y0 + after, y1 + after});
}

void ImageDeviceContext::lineTo(int x, int y)
{
    if (m_bits) {
        notePainted(m_current.x, m_current.y, x, y);
        drawLine(m_current.x, m_current.y, x, y, [] { return true; });
    }
    m_current = {x, y};
}

void ImageDeviceContext::lineToStretches(int x, int y, std::span<const LineStretch> stretches)
{
    if (m_bits && !stretches.empty()) {
        notePainted(m_current.x, m_current.y, x, y);
        const int steps = std::max(std::abs(x - m_current.x), std::abs(y - m_current.y));
        const float perStep = steps > 0 ? 1.0f / static_cast<float>(steps) : 0.0f;
        // The walk visits the steps in order, so the stretches are passed once.
        int step = 0;
        std::size_t next = 0;
        drawLine(m_current.x, m_current.y, x, y, [&] {
            const float t = static_cast<float>(step++) * perStep;
            while (next < stretches.size() && stretches[next].to < t)
                ++next;
            return next < stretches.size() && stretches[next].from <= t;
        });
    }
    m_current = {x, y};
}

void ImageDeviceContext::setPenColor(ColorRef color)
{
    m_penColor = color;
    m_penPixel = pixelOf(color);
}

template <typename PaintStep>
void ImageDeviceContext::drawLine(int x0, int y0, int x1, int y1, PaintStep paintStep)
{
    const int width = m_width;
    const int height = m_height;
    const std::ptrdiff_t stride = m_stride;
    std::uint32_t* const bits = m_bits;
    const std::uint32_t pixel = m_penPixel;
    const bool wide = m_penWidth > 1;
    const int pen = wide ? m_penWidth : 1;
    const int before = (pen - 1) / 2;
    const int after = pen - 1 - before;

    // Nearly every segment of a wireframe lies wholly inside the picture, pen
    // included: those need no test per pixel.
    const bool fits = inside(x0 - before, y0 - before, width, height)
        && inside(x1 - before, y1 - before, width, height) && inside(x0 + after, y0 + after, width, height)
        && inside(x1 + after, y1 + after, width, height);
    if (fits && !wide) {
        walkLine(x0, y0, x1, y1, stride, false, [&](int, int, std::ptrdiff_t at) {
            if (paintStep())
                bits[at] = pixel;
        });
        return;
    }
    if (fits) {
        walkLine(x0, y0, x1, y1, stride, true, [&](int, int, std::ptrdiff_t at) {
            if (!paintStep())
                return;
            std::uint32_t* row = bits + at - before * stride - before;
            for (int down = 0; down < pen; ++down, row += stride)
                std::fill_n(row, pen, pixel);
        });
        return;
    }
    drawClippedLine(x0, y0, x1, y1, paintStep);
}

// A line that reaches past an edge: each pixel of the pen checked.
template <typename PaintStep>
void ImageDeviceContext::drawClippedLine(int x0, int y0, int x1, int y1, PaintStep& paintStep)
{
    const int width = m_width;
    const int height = m_height;
    const std::ptrdiff_t stride = m_stride;
    std::uint32_t* const bits = m_bits;
    const std::uint32_t pixel = m_penPixel;
    const int pen = m_penWidth > 1 ? m_penWidth : 1;
    const int before = (pen - 1) / 2;
    const int after = pen - 1 - before;
    walkLine(x0, y0, x1, y1, stride, pen > 1, [&](int x, int y, std::ptrdiff_t) {
        if (!paintStep())
            return;
        for (int row = y - before; row <= y + after; ++row) {
            if (static_cast<unsigned>(row) >= static_cast<unsigned>(height))
                continue;
            for (int col = x - before; col <= x + after; ++col) {
                if (static_cast<unsigned>(col) < static_cast<unsigned>(width))
                    bits[row * stride + col] = pixel;
            }
        }
    });
}

} // namespace ruvex::win
