#pragma once
// The drawing area on screen: a 2-pixel sunken border around the persistent
// picture of a PictureBox. Painting only copies that picture; pointer moves and
// button releases are reported in interior pixels with the button and shift
// codes of the handlers (left 1, right 2, middle 4; shift 1, ctrl 2, alt 4).
//
// It draws nothing of its own accord: the wireframe goes into box().

#include "platform/picturebox.h"

#include <QImage>
#include <QRect>
#include <QWidget>

class PictureWidget final : public QWidget {
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

signals:
    void mouseMoved(short button, short shift, float x, float y);
    void mouseReleased(short button, short shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF interiorPosition(const QMouseEvent* event) const;

    PictureBox m_box;
};

// The picture's own pixels seen as a read-only QImage, without a copy: valid
// while the picture is neither resized nor destroyed. Null for an empty one.
QImage imageOf(const PixelBuffer& picture);
QRect toQRect(const PixelRect& rect);

short buttonCode(Qt::MouseButtons buttons);
short shiftCode(Qt::KeyboardModifiers modifiers);
