#pragma once
// The drawing area on screen: a 2-pixel sunken border around the persistent
// picture of a PictureBox. Painting only copies that picture; pointer moves and
// button releases are reported in interior pixels with the button and shift
// codes of the handlers (left 1, right 2, middle 4; shift 1, ctrl 2, alt 4).
//
// While it has the keyboard focus the border is drawn as a yellow frame
// instead, so that on the black window one sees where the keys go; the
// picture inside stays as it is. The arrow keys are reported as key-down
// events with the Windows key codes (kKeyLeft ...) and the shift code; other
// keys go on to the window.
//
// It draws nothing of its own accord: the wireframe goes into box(). On a
// screen with more device pixels than the picture has pixels (a device-pixel
// ratio above 1) it shows the view drawn again at its device pixels, from
// the lines of the picture that setLinesSource names, instead of the
// picture's pixels enlarged in blocks; the picture in box() is still the one
// saved and copied. Pointer positions stay in the picture's pixels.

#include "platform/picturebox.h"
#include "view/presentationpicture.h"
#include "window/keycodes.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

// A widget over which the pointer turns the solid, the drawing area or "Layar
// Penuh": it reports pointer moves, presses and releases with the handlers'
// button and shift codes at a position in the drawing area's interior
// pixels, wherever the pointer is on the widget itself (pointerPosition).
// Which keys it reports as keyDown is the widget's own.
class PointerSurface : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void mouseMoved(short button, short shift, float x, float y);
    void mousePressed(short button, short shift, float x, float y);
    void mouseReleased(short button, short shift, float x, float y);
    void keyDown(short keyCode, short shift);

protected:
    virtual QPointF pointerPosition(const QMouseEvent* event) const = 0;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class PictureWidget final : public PointerSurface {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    PictureBox& box() { return m_box; }
    const PictureBox& box() const { return m_box; }

    // Resizes the widget and the persistent image together (outer pixels).
    void setOuterSize(int width, int height);
    void setOuterWidth(int width) { setOuterSize(width, m_box.Height()); }
    void setOuterHeight(int height) { setOuterSize(m_box.Width(), height); }

    // Schedules a repaint of the part of the image that changed.
    void showChanges();

    // The lines of the picture box() holds (Form1Model::pictureLines), for
    // drawing the view at device pixels; without them the picture's pixels
    // are shown at any ratio.
    using LinesSource = std::function<const std::vector<WireframePolyline>&()>;
    void setLinesSource(LinesSource source) { m_lines = std::move(source); }

protected:
    // Interior pixels: the widget's less the border.
    QPointF pointerPosition(const QMouseEvent* event) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect interior() const;
    qreal deviceRatio() const;
    bool fitDevicePicture(qreal ratio);
    void dropDevicePicture();
    void showDeviceChanges(qreal ratio);
    void paintBorder(QPainter& painter);

    PictureBox m_box;
    LinesSource m_lines;
    // The view at device pixels while the ratio is above 1, else empty.
    PresentationPicture m_devicePicture;
};

// The picture's own pixels seen as a read-only QImage, without a copy: valid
// while the picture is neither resized nor destroyed. Null for an empty one.
QImage imageOf(const PixelBuffer& picture);
QRect toQRect(const PixelRect& rect);

// The device pixels a picture pixel has on the widget's screen: its
// device-pixel ratio when above 1, else 1 (a picture is never drawn smaller
// than its own pixels).
qreal pictureRatio(const QWidget& widget);
// Device pixels at that ratio to the smallest rectangle of logical pixels
// holding them.
QRect logicalRect(const PixelRect& devicePixels, qreal ratio);
// Draws a picture of device pixels with its top-left corner at a logical
// position, each of its pixels on one device pixel at the ratio.
void drawDevicePixels(QPainter& painter, QPointF corner, const PixelBuffer& picture, qreal ratio);

// The button code of the handlers the drawing area's events run: 1 left,
// 2 right, 4 middle; and the shift code: 1 Shift, 2 Ctrl, 4 Alt.
short buttonCode(Qt::MouseButtons buttons);
short shiftCode(Qt::KeyboardModifiers modifiers);
// The Windows key code of an arrow key, 0 for any other key.
short arrowKeyCode(int key);
