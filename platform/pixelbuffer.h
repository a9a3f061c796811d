#pragma once
// The persistent picture of the drawing area: width x height pixels of 32
// bits, 0xFFRRGGBB, rows one after another without padding. That is the
// layout of the window toolkit's 32-bit RGB image, so the window side shows
// and saves this very memory without copying it.
//
// PixelRect is the rectangle of pixels that changed, for a partial repaint.

#include "platform/rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The picture's rectangles are counted in whole pixels.
using PixelRect = Rect<int>;

class PixelBuffer {
public:
    // Drops the old pixels, and their memory; the new ones all hold `pixel`.
    // Negative sizes count as 0.
    void reset(int width, int height, std::uint32_t pixel);
    // Sets the pixels of `area` (the part within the buffer) to `pixel`.
    void fill(std::uint32_t pixel, const PixelRect& area);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_pixels.empty(); }
    // Pixels from one row to the next, and the same in bytes.
    std::ptrdiff_t stride() const { return m_width; }
    int bytesPerLine() const { return m_width * 4; }
    PixelRect rect() const { return {0, 0, m_width, m_height}; }

    // Null while empty. The pointer stays valid until the next reset.
    std::uint32_t* bits() { return m_pixels.empty() ? nullptr : m_pixels.data(); }
    const std::uint32_t* bits() const { return m_pixels.empty() ? nullptr : m_pixels.data(); }
    std::uint32_t pixel(int x, int y) const
    {
        return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width)
                        + static_cast<std::size_t>(x)];
    }

    friend bool operator==(const PixelBuffer&, const PixelBuffer&) = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};
