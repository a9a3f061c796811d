#pragma once
// The drawing area on screen: a 2-pixel sunken border around the persistent
// picture of a PictureBox. Painting only copies that picture; it takes no
// event of its own: the window hands what the pointer and the keys do over
// it to the window's session.
//
// While it has the keyboard focus the border is drawn as a yellow frame
// instead, so that on the black window one sees where the keys go; the
// picture inside stays as it is.
//
// It draws nothing of its own accord: the wireframe goes into box(). On a
// screen with more device pixels than the picture has pixels (a device-pixel
// ratio above 1) it shows the session's scaled view of the drawing area,
// the view drawn again at its device pixels, instead of the picture's pixels
// enlarged in blocks; the picture in box() is still the one saved and
// copied. Its contents are the picture: the border is its margins.

#include "platform/picturebox.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QWidget>

class QPainter;
class WindowSession;

class PictureWidget final : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    PictureBox& box() { return m_box; }
    const PictureBox& box() const { return m_box; }

    // Resizes the widget and the persistent image together (outer pixels).
    void setOuterSize(int width, int height);

    // The session whose scaled view is shown above ratio 1; without one the
    // picture's pixels are shown at any ratio.
    void setSession(WindowSession* session) { m_session = session; }
    // Schedules a repaint of the part of the picture that changed: at the
    // picture's own pixels `changed`, above ratio 1 `deviceChanged` of the
    // session's scaled view, as the session's apply() handed them over.
    void showChanges(const PixelRect& changed, const PixelRect& deviceChanged);
    // Schedules a repaint of the whole picture.
    void showWhole();

private:
    qreal deviceRatio() const;
    bool fitDeviceView(qreal ratio);
    bool showsScaledView() const;
    void paintBorder(QPainter& painter);

    PictureBox m_box;
    WindowSession* m_session = nullptr;
    // The device pixels the session was last told the drawing area has.
    QSize m_deviceSize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The picture's own pixels seen as a read-only QImage, without a copy: valid
// while the picture is neither resized nor destroyed. Null for an empty one.
QImage imageOf(const PixelBuffer& picture);
inline QRect toQRect(const PixelRect& rect)
{
    return rect.isEmpty() ? QRect() : QRect(rect.x, rect.y, rect.width, rect.height);
}

// The device pixels a picture pixel has on the widget's screen: its
// device-pixel ratio when above 1, else 1 (a picture is never drawn smaller
// than its own pixels).
qreal pictureRatio(const QWidget& widget);
// Device pixels at that ratio to the smallest rectangle of logical pixels
// holding them. Both pictures' changes on every move go through it.
inline QRect logicalRect(const PixelRect& devicePixels, qreal ratio)
{
    if (devicePixels.isEmpty())
        return {};
    const QRectF rect(devicePixels.x, devicePixels.y, devicePixels.width, devicePixels.height);
    return QRectF(rect.topLeft() / ratio, rect.size() / ratio).toAlignedRect();
}
// Draws a picture of device pixels with its top-left corner at a logical
// position, each of its pixels on one device pixel at the ratio.
void drawDevicePixels(QPainter& painter, QPointF corner, const PixelBuffer& picture, qreal ratio);
