#include "ui/picturewidget.h"

#include "ui/qtcolours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

PictureWidget::PictureWidget(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    // The whole widget is repainted from the image; no background needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureWidget::setOuterSize(int width, int height)
{
    m_box.setOuterSize(width, height);
    m_box.takeChangedRect();
    resize(width, height);
    update();
}

void PictureWidget::showChanges()
{
    const int border = m_box.borderWidth();
    const QRect changed = toQRect(m_box.takeChangedRect());
    if (!changed.isEmpty())
        update(changed.translated(border, border));
}

void PictureWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const int border = m_box.borderWidth();
    const QRect inside = interior();
    if (!inside.contains(event->rect())) {
        if (hasFocus())
            painter.fillRect(rect(), qColorOf(ruvex::win::kYellow)); // the picture covers the middle
        else
            qDrawWinPanel(&painter, rect(), palette(), true);
    }
    // Only the asked-for part of the image: a turning solid changes a small
    // part of the picture per frame.
    const QRect target = event->rect().intersected(inside);
    painter.drawImage(target, imageOf(m_box.Image()), target.translated(-border, -border));
}

QRect PictureWidget::interior() const
{
    const int border = m_box.borderWidth();
    return rect().adjusted(border, border, -border, -border);
}

void PictureWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(QRegion(rect()) - interior());
}

void PictureWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(QRegion(rect()) - interior());
}

void PictureWidget::keyPressEvent(QKeyEvent* event)
{
    const short code = arrowKeyCode(event->key());
    // Alt and Ctrl with an arrow are left to the window.
    if (code == 0 || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit keyDown(code, shiftCode(event->modifiers()));
}

QImage imageOf(const PixelBuffer& picture)
{
    if (picture.isEmpty())
        return {};
    // The const constructor: any write through the image copies it first.
    return QImage(reinterpret_cast<const uchar*>(picture.bits()), picture.width(), picture.height(),
                  picture.bytesPerLine(), QImage::Format_RGB32);
}

QRect toQRect(const PixelRect& rect)
{
    return rect.isEmpty() ? QRect() : QRect(rect.x, rect.y, rect.width, rect.height);
}

QPointF PictureWidget::interiorPosition(const QMouseEvent* event) const
{
    const int border = m_box.borderWidth();
    return event->position() - QPointF(border, border);
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = interiorPosition(event);
    emit mouseMoved(buttonCode(event->buttons()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                    static_cast<float>(at.y()));
}

void PictureWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event); // the click still gives the focus
    const QPointF at = interiorPosition(event);
    emit mousePressed(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                      static_cast<float>(at.y()));
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = interiorPosition(event);
    emit mouseReleased(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                       static_cast<float>(at.y()));
}

short buttonCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

short arrowKeyCode(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    default:
        return 0;
    }
}
