#include "artwork.h"

#include <QMatrix4x4>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector3D>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>

namespace {

using std::numbers::pi;

const QColor kNavy(0, 0, 128);
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kRed(204, 0, 0);

// A surface over two parameters, both running from 0 to 1.
using Surface = std::function<QVector3D(double s, double t)>;

// An orthographic view in pixels: turn about the vertical axis, then tilt the
// top towards the viewer; z is up on the screen.
struct View {
    float turnDegrees = 0;
    float tiltDegrees = 0;
    QPointF centre;

    QPointF operator()(const QVector3D& point) const
    {
        QMatrix4x4 turnAndTilt;
        turnAndTilt.rotate(tiltDegrees, 1, 0, 0);
        turnAndTilt.rotate(turnDegrees, 0, 0, 1);
        const QVector3D turned = turnAndTilt.map(point);
        return centre + QPointF(turned.x(), -turned.z());
    }
};

// `rows` lines of constant s and `columns` lines of constant t (t wraps round,
// so the last column is not a repeat of the first). The accent row is drawn
// last with its own pen, as the viewer draws the sphere's equator.
void drawSurfaceGrid(QPainter& painter, const Surface& surface, int rows, int columns, const View& view,
                     const QPen& pen, int accentRow, const QPen& accent)
{
    constexpr int kSegments = 48;
    auto curve = [&](const std::function<QVector3D(double)>& along) {
        QPolygonF points;
        for (int n = 0; n <= kSegments; ++n)
            points << view(along(static_cast<double>(n) / kSegments));
        return points;
    };
    auto row = [&](int number) {
        const double s = static_cast<double>(number) / (rows - 1);
        return curve([&](double t) { return surface(s, t); });
    };
    painter.setPen(pen);
    for (int column = 0; column < columns; ++column) {
        const double t = static_cast<double>(column) / columns;
        painter.drawPolyline(curve([&](double s) { return surface(s, t); }));
    }
    for (int number = 0; number < rows; ++number)
        if (number != accentRow)
            painter.drawPolyline(row(number));
    painter.setPen(accent);
    painter.drawPolyline(row(accentRow));
}

Surface sphere(double radius)
{
    return [radius](double s, double t) {
        const double u = s * pi;
        const double v = t * 2 * pi;
        return QVector3D(radius * std::sin(u) * std::cos(v), radius * std::sin(u) * std::sin(v),
                         radius * std::cos(u));
    };
}

Surface cone(double radius, double height)
{
    return [radius, height](double s, double t) {
        const double v = t * 2 * pi;
        return QVector3D(radius * s * std::cos(v), radius * s * std::sin(v), height / 2 - height * s);
    };
}

Surface torus(double major, double minor)
{
    return [major, minor](double s, double t) {
        const double u = s * 2 * pi;
        const double v = t * 2 * pi;
        const double ring = major + minor * std::cos(u);
        return QVector3D(ring * std::cos(v), ring * std::sin(v), minor * std::sin(u));
    };
}

void disc(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

// The window backgrounds go into palette bitmaps, so they are drawn without
// antialiasing: every pixel keeps one of the colours drawn with.
QImage windowCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A small transparent picture with soft edges, laid out in units of a quarter
// pixel, so that a 16-pixel bitmap is 64 units across.
QImage smallPicture(int size, const std::function<void(QPainter&)>& paint)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(0.25, 0.25);
    paint(painter);
    return image;
}

void saveBitmap(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawRoundedRect(QRectF(8, 8, 112, 112), 10, 10);
    painter.fillRect(QRectF(36, 8, 56, 36), kSilver);
    painter.fillRect(QRectF(72, 14, 12, 24), kNavy);
    painter.fillRect(QRectF(20, 60, 88, 56), Qt::white);
    drawSurfaceGrid(painter, sphere(24), 5, 6, {20, 20, {64, 88}}, QPen(Qt::black, 2), 2, QPen(Qt::blue, 4));
}

void exitBitmap(QPainter& painter)
{
    painter.fillRect(QRectF(8, 4, 30, 56), QColor(139, 69, 19));
    painter.fillRect(QRectF(12, 8, 22, 48), QColor(205, 133, 63));
    disc(painter, {28, 34}, 3.5, Qt::black);
    const QColor green(0, 150, 0);
    painter.fillRect(QRectF(30, 28, 20, 8), green);
    painter.setBrush(green);
    painter.drawPolygon(QPolygonF({{48, 19}, {61, 32}, {48, 45}}));
}

void cubeBitmap(QPainter& painter)
{
    const View view{30, 25, {32, 32}};
    QVector3D corners[8];
    for (int n = 0; n < 8; ++n)
        corners[n] = QVector3D((n & 1) ? 17 : -17, (n & 2) ? 17 : -17, (n & 4) ? 17 : -17);
    painter.setPen(QPen(Qt::blue, 5, Qt::SolidLine, Qt::RoundCap));
    for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b)
            if (((a ^ b) & ((a ^ b) - 1)) == 0) // neighbours differ in one coordinate
                painter.drawLine(view(corners[a]), view(corners[b]));
}

void targetBitmap(QPainter& painter)
{
    for (const int radius : {30, 23, 16, 9, 4})
        disc(painter, {32, 32}, radius, radius % 2 == 0 ? kRed : QColor(Qt::white));
}

void heartBitmap(QPainter& painter)
{
    QPainterPath heart({32, 60});
    heart.cubicTo(6, 42, -2, 24, 6, 13);
    heart.cubicTo(14, 2, 29, 4, 32, 15);
    heart.cubicTo(35, 4, 50, 2, 58, 13);
    heart.cubicTo(66, 24, 58, 42, 32, 60);
    painter.fillPath(heart, kRed);
}

void questionBitmap(QPainter& painter)
{
    disc(painter, {32, 32}, 30, Qt::blue);
    const QRectF bend(21, 12, 22, 20);
    QPainterPath hook;
    hook.arcMoveTo(bend, 198);
    hook.arcTo(bend, 198, -270);
    hook.lineTo(32, 40);
    painter.strokePath(hook, QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    disc(painter, {32, 50}, 4.5, Qt::white);
}

void envelopeBitmap(QPainter& painter)
{
    painter.fillRect(QRectF(2, 12, 60, 40), kGrey);
    painter.fillRect(QRectF(6, 16, 52, 32), QColor(255, 255, 204));
    painter.setPen(QPen(kGrey, 4));
    painter.drawPolyline(QPolygonF({{6, 16}, {32, 36}, {58, 16}}));
}

void infoBitmap(QPainter& painter)
{
    disc(painter, {32, 32}, 30, Qt::blue);
    disc(painter, {32, 16}, 5, Qt::white);
    painter.fillRect(QRectF(27, 26, 10, 26), Qt::white);
}

} // namespace

QImage aboutBackground()
{
    QImage image = windowCanvas(234, 396);
    QPainter painter(&image);
    // Graph paper under the solids; the right part of the picture lies under
    // the window's text and stays white.
    painter.setPen(kSilver);
    for (int x = 8; x < 180; x += 12)
        painter.drawLine(x, 0, x, 395);
    for (int y = 6; y < 396; y += 12)
        painter.drawLine(8, y, 179, y);
    painter.fillRect(0, 0, 6, 396, kNavy);
    painter.setPen(kGrey);
    painter.drawLine(180, 0, 180, 395);

    const QPen black(Qt::black, 1);
    const QPen equator(Qt::blue, 2);
    drawSurfaceGrid(painter, sphere(62), 9, 16, {20, 20, {94, 84}}, black, 4, equator);
    drawSurfaceGrid(painter, cone(52, 104), 6, 16, {15, 22, {94, 212}}, black, 5, equator);
    drawSurfaceGrid(painter, torus(54, 20), 13, 24, {10, 38, {94, 330}}, black, 3, equator);
    return image;
}

QImage contactBackground()
{
    QImage image = windowCanvas(450, 367);
    QPainter painter(&image);
    // A floor in perspective below the horizon at 250, its lines running
    // towards a vanishing point above it.
    const QPointF vanishing(225, 190);
    const double k = (250 - vanishing.y()) / (366 - vanishing.y());
    for (int x = -450; x <= 900; x += 50)
        painter.drawLine(QPointF(vanishing.x() + (x - vanishing.x()) * k, 250), QPointF(x, 366));
    for (int step = 0, y = 250; y <= 366; ++step, y += 4 + 3 * step)
        painter.drawLine(0, y, 449, y);

    const QPen thin(Qt::black, 1);
    const QPen thick(Qt::black, 2);
    drawSurfaceGrid(painter, torus(88, 34), 15, 28, {25, 55, {320, 140}}, thin, 3, thick);
    drawSurfaceGrid(painter, sphere(44), 9, 16, {15, 20, {100, 196}}, thin, 4, thick);
    return image;
}

QImage menuBitmap(int number)
{
    static const std::function<void(QPainter&)> pictures[kMenuBitmapCount]
        = {saveBitmap,  exitBitmap,     cubeBitmap,     targetBitmap,
           heartBitmap, questionBitmap, envelopeBitmap, infoBitmap};
    if (number < 1 || number > kMenuBitmapCount)
        throw std::out_of_range("menu bitmaps are numbered 1 to 8");
    return smallPicture(number == 1 ? 32 : 16, pictures[number - 1]);
}

QImage programIcon(int size)
{
    if (size != 16 && size != 32 && size != 48 && size != 192 && size != 512)
        throw std::invalid_argument("the icon comes in 16, 32, 48, 192 and 512 pixels");
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The viewer's own colours: a black face, a yellow solid, a blue equator.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    const int rows = size >= 32 ? 7 : 5;
    const int columns = size >= 32 ? 10 : 4;
    const double centre = size / 2.0;
    // The large sizes (an installed page's icons) keep the small ones' look:
    // their pens grow with them.
    const double pen = std::max(1.0, size / 48.0);
    drawSurfaceGrid(painter, sphere(size * 0.38), rows, columns, {20, 22, {centre, centre}},
                    QPen(Qt::yellow, pen), rows / 2, QPen(QColor(64, 160, 255), 2 * pen));
    return image;
}
