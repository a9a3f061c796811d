#include "artwork.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kNavy{0, 0, 128, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kSilver{192, 192, 192, 255};
constexpr Rgba kGrey{128, 128, 128, 255};
constexpr Rgba kYellow{255, 255, 0, 255};
constexpr Rgba kRed{204, 0, 0, 255};
// Menus are drawn on a light grey; soft edges are blended towards it.
constexpr Rgba kMenuFace{240, 240, 240, 255};

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

// A surface over two parameters, both running from 0 to 1.
using Surface = std::function<Vec3(double s, double t)>;

// An orthographic view: turn about the vertical axis, then tilt the top
// towards the viewer; z is up on the screen.
struct View {
    double turnDegrees = 0;
    double tiltDegrees = 0;
    double centreX = 0;
    double centreY = 0;
    double scale = 1;
};

struct Pen {
    Rgba colour = kBlack;
    int width = 1;
};

Point project(const Vec3& p, const View& view)
{
    const double turn = view.turnDegrees * kPi / 180.0;
    const double tilt = view.tiltDegrees * kPi / 180.0;
    const double x = p.x * std::cos(turn) - p.y * std::sin(turn);
    const double y = p.x * std::sin(turn) + p.y * std::cos(turn);
    const double up = p.z * std::cos(tilt) + y * std::sin(tilt);
    return {static_cast<int>(std::lround(view.centreX + x * view.scale)),
            static_cast<int>(std::lround(view.centreY - up * view.scale))};
}

// `rows` lines of constant s and `columns` lines of constant t (t wraps round,
// so the last column is not a repeat of the first). The accent row, if any, is
// drawn last with its own pen, as the viewer draws the sphere's equator.
void drawWireframe(Canvas& canvas, const Surface& surface, int rows, int columns, const View& view,
                   Pen pen, int accentRow = -1, Pen accent = {})
{
    constexpr int kSegments = 48;
    auto rowLine = [&](int row) {
        const double s = rows > 1 ? static_cast<double>(row) / (rows - 1) : 0.5;
        std::vector<Point> points;
        for (int n = 0; n <= kSegments; ++n)
            points.push_back(project(surface(s, static_cast<double>(n) / kSegments), view));
        return points;
    };
    for (int column = 0; column < columns; ++column) {
        const double t = static_cast<double>(column) / columns;
        std::vector<Point> points;
        for (int n = 0; n <= kSegments; ++n)
            points.push_back(project(surface(static_cast<double>(n) / kSegments, t), view));
        canvas.polyline(points, pen.colour, pen.width);
    }
    for (int row = 0; row < rows; ++row)
        if (row != accentRow)
            canvas.polyline(rowLine(row), pen.colour, pen.width);
    if (accentRow >= 0)
        canvas.polyline(rowLine(accentRow), accent.colour, accent.width);
}

Surface sphere(double radius)
{
    return [radius](double s, double t) {
        const double u = s * kPi;
        const double v = t * 2 * kPi;
        return Vec3{radius * std::sin(u) * std::cos(v), radius * std::sin(u) * std::sin(v), radius * std::cos(u)};
    };
}

Surface cone(double radius, double height)
{
    return [radius, height](double s, double t) {
        const double v = t * 2 * kPi;
        return Vec3{radius * s * std::cos(v), radius * s * std::sin(v), height / 2 - height * s};
    };
}

Surface torus(double major, double minor)
{
    return [major, minor](double s, double t) {
        const double u = s * 2 * kPi;
        const double v = t * 2 * kPi;
        const double ring = major + minor * std::cos(u);
        return Vec3{ring * std::cos(v), ring * std::sin(v), minor * std::sin(u)};
    };
}

// Every pixel whose centre satisfies `inside` (in coordinates scaled so that
// the canvas spans -1..1 across its smaller side) takes the colour.
void fillShape(Canvas& canvas, Rgba colour, const std::function<bool(double x, double y)>& inside)
{
    const double half = std::min(canvas.width(), canvas.height()) / 2.0;
    for (int py = 0; py < canvas.height(); ++py) {
        for (int px = 0; px < canvas.width(); ++px) {
            const double x = (px + 0.5 - canvas.width() / 2.0) / half;
            const double y = (canvas.height() / 2.0 - (py + 0.5)) / half;
            if (inside(x, y))
                canvas.setPixel(px, py, colour);
        }
    }
}

void fillRoundedRect(Canvas& canvas, int x, int y, int width, int height, int radius, Rgba colour)
{
    for (int py = y; py < y + height; ++py) {
        for (int px = x; px < x + width; ++px) {
            const int cx = std::clamp(px, x + radius, x + width - 1 - radius);
            const int cy = std::clamp(py, y + radius, y + height - 1 - radius);
            const int dx = px - cx;
            const int dy = py - cy;
            if (dx * dx + dy * dy <= radius * radius)
                canvas.setPixel(px, py, colour);
        }
    }
}

// --- the window backgrounds ------------------------------------------------

Canvas aboutPanel()
{
    Canvas canvas(234, 396, kWhite);
    // Graph paper under the solids; the right part of the picture lies under
    // the window's text and stays white.
    for (int x = 8; x < 180; x += 12)
        canvas.line({x, 0}, {x, 395}, kSilver);
    for (int y = 6; y < 396; y += 12)
        canvas.line({8, y}, {179, y}, kSilver);
    canvas.fillRect(0, 0, 6, 396, kNavy);
    canvas.line({180, 0}, {180, 395}, kGrey);

    const Pen black{kBlack, 1};
    const Pen equator{kBlue, 2};
    drawWireframe(canvas, sphere(62), 9, 16, {20, 20, 94, 84, 1}, black, 4, equator);
    drawWireframe(canvas, cone(52, 104), 6, 16, {15, 22, 94, 212, 1}, black, 5, equator);
    drawWireframe(canvas, torus(54, 20), 13, 24, {10, 38, 94, 330, 1}, black, 3, equator);
    return canvas;
}

Canvas contactPicture()
{
    Canvas canvas(450, 367, kWhite);
    // A floor in perspective from the horizon at 250 down to the bottom edge.
    const Point vanishing{225, 190};
    for (int x = -450; x <= 900; x += 50) {
        const double k = (250.0 - vanishing.y) / (366.0 - vanishing.y);
        const int top = static_cast<int>(std::lround(vanishing.x + (x - vanishing.x) * k));
        canvas.line({top, 250}, {x, 366}, kBlack);
    }
    for (int step = 0, y = 250; y <= 366; ++step, y += 4 + 3 * step)
        canvas.line({0, y}, {449, y}, kBlack);

    drawWireframe(canvas, torus(88, 34), 15, 28, {25, 55, 320, 140, 1}, {kBlack, 1}, 3, {kBlack, 2});
    drawWireframe(canvas, sphere(44), 9, 16, {15, 20, 100, 196, 1}, {kBlack, 1}, 4, {kBlack, 2});
    return canvas;
}

// --- the menu bitmaps, drawn four times larger and reduced ------------------

constexpr int kOversample = 4;

Canvas saveBitmap()
{
    Canvas big(32 * kOversample, 32 * kOversample);
    fillRoundedRect(big, 8, 8, 112, 112, 10, kNavy);
    big.fillRect(36, 8, 56, 36, kSilver);
    big.fillRect(72, 14, 12, 24, kNavy);
    big.fillRect(20, 60, 88, 56, kWhite);
    drawWireframe(big, sphere(24), 5, 6, {20, 20, 64, 88, 1}, {kBlack, 2}, 2, {kBlue, 4});
    return big.reduced(kOversample);
}

Canvas exitBitmap()
{
    Canvas big(16 * kOversample, 16 * kOversample);
    big.fillRect(8, 4, 30, 56, {139, 69, 19, 255});
    big.fillRect(12, 8, 22, 48, {205, 133, 63, 255});
    big.fillDisc(28, 34, 3, kBlack);
    const Rgba green{0, 150, 0, 255};
    big.line({30, 32}, {50, 32}, green, 8);
    for (int k = 0; k <= 12; ++k)
        big.line({48 + k, 32 - (12 - k)}, {48 + k, 32 + (12 - k)}, green);
    return big.reduced(kOversample);
}

Canvas cubeBitmap()
{
    Canvas big(16 * kOversample, 16 * kOversample);
    const View view{30, 25, 32, 32, 1};
    Vec3 corners[8];
    for (int n = 0; n < 8; ++n)
        corners[n] = {(n & 1) ? 17.0 : -17.0, (n & 2) ? 17.0 : -17.0, (n & 4) ? 17.0 : -17.0};
    for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b)
            if (((a ^ b) & ((a ^ b) - 1)) == 0) // neighbours differ in one coordinate
                big.line(project(corners[a], view), project(corners[b], view), kBlue, 5);
    return big.reduced(kOversample);
}

Canvas targetBitmap()
{
    Canvas big(16 * kOversample, 16 * kOversample);
    big.fillDisc(32, 32, 30, kRed);
    big.fillDisc(32, 32, 23, kWhite);
    big.fillDisc(32, 32, 16, kRed);
    big.fillDisc(32, 32, 9, kWhite);
    big.fillDisc(32, 32, 4, kRed);
    return big.reduced(kOversample);
}

Canvas heartBitmap()
{
    Canvas big(16 * kOversample, 16 * kOversample);
    fillShape(big, kRed, [](double x, double y) {
        const double hx = x * 1.15;
        const double hy = y * 1.15 + 0.1;
        const double q = hx * hx + hy * hy - 1;
        return q * q * q - hx * hx * hy * hy * hy <= 0;
    });
    return big.reduced(kOversample);
}

Canvas questionBitmap()
{
    Canvas big(16 * kOversample, 16 * kOversample);
    big.fillDisc(32, 32, 30, kBlue);
    std::vector<Point> hook;
    for (int n = 0; n <= 16; ++n) {
        const double a = kPi * (1.1 - 1.5 * n / 16.0);
        hook.push_back({static_cast<int>(std::lround(32 + 11 * std::cos(a))),
                        static_cast<int>(std::lround(22 - 10 * std::sin(a)))});
    }
    hook.push_back({32, 40});
    big.polyline(hook, kWhite, 7);
    big.fillDisc(32, 50, 4, kWhite);
    return big.reduced(kOversample);
}

Canvas envelopeBitmap()
{
    Canvas big(16 * kOversample, 16 * kOversample);
    big.fillRect(2, 12, 60, 40, kGrey);
    big.fillRect(6, 16, 52, 32, {255, 255, 204, 255});
    big.line({6, 16}, {32, 36}, kGrey, 4);
    big.line({57, 16}, {32, 36}, kGrey, 4);
    return big.reduced(kOversample);
}

Canvas infoBitmap()
{
    Canvas big(16 * kOversample, 16 * kOversample);
    big.fillDisc(32, 32, 30, kBlue);
    big.fillDisc(32, 16, 5, kWhite);
    big.fillRect(27, 26, 10, 26, kWhite);
    return big.reduced(kOversample);
}

// Partly covered pixels are blended towards the menu's face and then kept or
// dropped whole, since a mask has no shades.
Canvas hardEdged(const Canvas& soft)
{
    Canvas out(soft.width(), soft.height());
    for (int y = 0; y < soft.height(); ++y) {
        for (int x = 0; x < soft.width(); ++x) {
            const Rgba p = soft.pixel(x, y);
            if (p.a < 128)
                continue;
            auto blend = [&](std::uint8_t front, std::uint8_t back) {
                return static_cast<std::uint8_t>((front * p.a + back * (255 - p.a) + 127) / 255);
            };
            out.setPixel(x, y, {blend(p.r, kMenuFace.r), blend(p.g, kMenuFace.g), blend(p.b, kMenuFace.b), 255});
        }
    }
    return out;
}

} // namespace

Canvas aboutBackground()
{
    return aboutPanel();
}

Canvas contactBackground()
{
    return contactPicture();
}

Canvas menuBitmap(int number)
{
    switch (number) {
    case 1: return hardEdged(saveBitmap());
    case 2: return hardEdged(exitBitmap());
    case 3: return hardEdged(cubeBitmap());
    case 4: return hardEdged(targetBitmap());
    case 5: return hardEdged(heartBitmap());
    case 6: return hardEdged(questionBitmap());
    case 7: return hardEdged(envelopeBitmap());
    case 8: return hardEdged(infoBitmap());
    default: throw std::out_of_range("menu bitmaps are numbered 1 to 8");
    }
}

Canvas programIcon(int size)
{
    if (size != 16 && size != 32 && size != 48)
        throw std::invalid_argument("the icon comes in 16, 32 and 48 pixels");
    const int big = size * kOversample;
    Canvas canvas(big, big);
    // The viewer's own colours: a black face, a yellow solid, a blue equator.
    fillRoundedRect(canvas, 0, 0, big, big, big / 6, kBlack);
    const int rows = size >= 32 ? 7 : 5;
    const int columns = size >= 32 ? 10 : 4;
    const double radius = big * 0.38;
    const int line = kOversample;
    drawWireframe(canvas, sphere(radius), rows, columns, {20, 22, big / 2.0, big / 2.0, 1}, {kYellow, line},
                  rows / 2, {{64, 160, 255, 255}, line * 2});
    return canvas.reduced(kOversample);
}
