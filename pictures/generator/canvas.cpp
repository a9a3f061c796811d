#include "canvas.h"

#include <cstdlib>
#include <stdexcept>

Canvas::Canvas(int width, int height, Rgba fill)
    : m_width(width)
    , m_height(height)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("canvas needs a positive size");
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

Rgba Canvas::pixel(int x, int y) const
{
    return m_pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width)
                       + static_cast<std::size_t>(x));
}

void Canvas::setPixel(int x, int y, Rgba colour)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)]
        = colour;
}

void Canvas::fillRect(int x, int y, int width, int height, Rgba colour)
{
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            setPixel(column, row, colour);
}

void Canvas::fillDisc(int cx, int cy, int radius, Rgba colour)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= radius * radius + radius)
                setPixel(cx + dx, cy + dy, colour);
}

void Canvas::ring(int cx, int cy, int radius, int thickness, Rgba colour)
{
    const int inner = radius - thickness;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const int d2 = dx * dx + dy * dy;
            if (d2 <= radius * radius + radius && d2 > inner * inner + inner)
                setPixel(cx + dx, cy + dy, colour);
        }
    }
}

void Canvas::stamp(int x, int y, Rgba colour, int width)
{
    if (width <= 1) {
        setPixel(x, y, colour);
        return;
    }
    // Even widths lean to the lower right, as a pen of that width would.
    const int low = -(width - 1) / 2;
    const int high = width / 2;
    const int r2 = (width * width) / 4 + width / 2;
    for (int dy = low; dy <= high; ++dy)
        for (int dx = low; dx <= high; ++dx)
            if (4 * (dx * dx + dy * dy) <= 4 * r2)
                setPixel(x + dx, y + dy, colour);
}

void Canvas::line(Point from, Point to, Rgba colour, int width)
{
    // Bresenham over all octants.
    int x = from.x;
    int y = from.y;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        stamp(x, y, colour, width);
        if (x == to.x && y == to.y)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Canvas::polyline(const std::vector<Point>& points, Rgba colour, int width)
{
    for (std::size_t n = 1; n < points.size(); ++n)
        line(points[n - 1], points[n], colour, width);
}

Canvas Canvas::reduced(int factor) const
{
    if (factor <= 0 || m_width % factor != 0 || m_height % factor != 0)
        throw std::invalid_argument("reduction factor must divide the canvas size");
    Canvas result(m_width / factor, m_height / factor);
    const int samples = factor * factor;
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            int r = 0;
            int g = 0;
            int b = 0;
            int a = 0;
            for (int sy = 0; sy < factor; ++sy) {
                for (int sx = 0; sx < factor; ++sx) {
                    const Rgba p = pixel(x * factor + sx, y * factor + sy);
                    r += p.r * p.a;
                    g += p.g * p.a;
                    b += p.b * p.a;
                    a += p.a;
                }
            }
            Rgba out = kTransparent;
            if (a > 0) {
                out.r = static_cast<std::uint8_t>((r + a / 2) / a);
                out.g = static_cast<std::uint8_t>((g + a / 2) / a);
                out.b = static_cast<std::uint8_t>((b + a / 2) / a);
                out.a = static_cast<std::uint8_t>((a + samples / 2) / samples);
            }
            result.setPixel(x, y, out);
        }
    }
    return result;
}
