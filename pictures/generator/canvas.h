#pragma once
// A small RGBA raster for drawing the program's pictures: solid fills, discs
// and lines of a given width, and a box-filter reduction for smooth small
// icons. It knows nothing of file formats; the encoders read its pixels.
//
// All drawing is integer arithmetic on pixel centres, so the same calls give
// the same pixels on every build.

#include <cstdint>
#include <vector>

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

inline constexpr Rgba kTransparent{0, 0, 0, 0};

struct Point {
    int x = 0;
    int y = 0;
};

class Canvas {
public:
    Canvas(int width, int height, Rgba fill = kTransparent);

    int width() const { return m_width; }
    int height() const { return m_height; }

    Rgba pixel(int x, int y) const;
    // Points outside the canvas are clipped silently.
    void setPixel(int x, int y, Rgba colour);

    void fillRect(int x, int y, int width, int height, Rgba colour);
    void fillDisc(int cx, int cy, int radius, Rgba colour);
    // A ring of the given thickness inside radius.
    void ring(int cx, int cy, int radius, int thickness, Rgba colour);
    // Both end points are drawn. A width above 1 stamps a disc of that
    // diameter along the line.
    void line(Point from, Point to, Rgba colour, int width = 1);
    void polyline(const std::vector<Point>& points, Rgba colour, int width = 1);

    // Averages factor × factor blocks (alpha-weighted colour), for icons drawn
    // large and reduced so that their edges are smooth.
    Canvas reduced(int factor) const;

private:
    void stamp(int x, int y, Rgba colour, int width);

    int m_width;
    int m_height;
    std::vector<Rgba> m_pixels;
};
