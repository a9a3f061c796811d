#include "platform/pixelbuffer.h"

#include <algorithm>
#include <cstring>

void PixelBuffer::reset(int width, int height, std::uint32_t pixel)
{
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    // The old memory is given back before the new is taken: a screen-sized
    // picture is large, and an empty one then holds none.
    m_pixels.clear();
    m_pixels.shrink_to_fit();
    m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), pixel);
}

void PixelBuffer::fill(std::uint32_t pixel, const PixelRect& area)
{
    const PixelRect clipped = area.intersected(rect());
    if (clipped.isEmpty())
        return;
    // Every redraw starts with this, so white (and black) go the fastest
    // way: four equal bytes are a byte fill, which the library does in wide
    // stores that a plain loop of 32-bit stores is not compiled to. Whole
    // rows lie one after another: one run.
    const auto byte = static_cast<unsigned char>(pixel & 0xFF);
    const bool bytes = pixel == byte * 0x01010101u;
    const bool wholeRows = clipped.width == m_width;
    const int runs = wholeRows ? 1 : clipped.height;
    const auto length
        = static_cast<std::size_t>(clipped.width) * static_cast<std::size_t>(wholeRows ? clipped.height : 1);
    std::uint32_t* run = m_pixels.data() + clipped.y * stride() + clipped.x;
    for (int n = 0; n < runs; ++n, run += stride()) {
        if (bytes)
            std::memset(run, byte, length * sizeof(std::uint32_t));
        else
            std::fill_n(run, length, pixel);
    }
}
