#include "ui/picturewidget.h"

#include "ui/qtcolours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

PictureWidget::PictureWidget(QWidget* parent)
    : PointerSurface(parent)
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
    const qreal ratio = deviceRatio();
    if (ratio > 1.0) {
        showDeviceChanges(ratio);
        return;
    }
    dropDevicePicture();
    if (!changed.isEmpty())
        update(changed.translated(border, border));
}

// 1 where the picture's own pixels are shown.
qreal PictureWidget::deviceRatio() const
{
    return m_lines ? pictureRatio(*this) : 1.0;
}

// The view at device pixels sized for the ratio (and the picture's size),
// drawn anew when that size changed: then true.
bool PictureWidget::fitDevicePicture(qreal ratio)
{
    const PixelBuffer& picture = m_box.Image();
    const int width = qRound(picture.width() * ratio);
    const int height = qRound(picture.height() * ratio);
    const PixelBuffer& shown = m_devicePicture.image();
    if (shown.width() == width && shown.height() == height)
        return false;
    m_devicePicture.resize(width, height, picture.width(), picture.height());
    m_devicePicture.redraw(m_lines());
    m_devicePicture.takeChangedRect();
    return true;
}

// Back at ratio 1 it is not kept up to date, so it must not be shown again.
void PictureWidget::dropDevicePicture()
{
    if (!m_devicePicture.image().isEmpty())
        m_devicePicture.resize(0, 0, 0, 0);
}

void PictureWidget::showDeviceChanges(qreal ratio)
{
    if (fitDevicePicture(ratio)) {
        update(interior());
        return;
    }
    m_devicePicture.redraw(m_lines());
    const int border = m_box.borderWidth();
    const QRect changed = logicalRect(m_devicePicture.takeChangedRect(), ratio);
    if (!changed.isEmpty())
        update(changed.translated(border, border));
}

void PictureWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inside = interior();
    if (!inside.contains(event->rect()))
        paintBorder(painter);
    const qreal ratio = deviceRatio();
    if (ratio > 1.0) {
        // A ratio changed since the last redraw (another screen) redraws it
        // here; a repaint of a part then asks for the rest.
        if (fitDevicePicture(ratio) && !event->region().contains(inside))
            update(inside);
        painter.setClipRect(inside);
        drawDevicePixels(painter, inside.topLeft(), m_devicePicture.image(), ratio);
        return;
    }
    dropDevicePicture();
    // Only the asked-for part of the image: a turning solid changes a small
    // part of the picture per frame.
    const int border = m_box.borderWidth();
    const QRect target = event->rect().intersected(inside);
    painter.drawImage(target, imageOf(m_box.Image()), target.translated(-border, -border));
}

void PictureWidget::paintBorder(QPainter& painter)
{
    if (hasFocus())
        painter.fillRect(rect(), qColourOf(ruvex::win::kYellow)); // the picture covers the middle
    else
        qDrawWinPanel(&painter, rect(), palette(), true);
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

qreal pictureRatio(const QWidget& widget)
{
    return std::max(widget.devicePixelRatio(), qreal(1.0));
}

QRect logicalRect(const PixelRect& devicePixels, qreal ratio)
{
    if (devicePixels.isEmpty())
        return {};
    const QRectF rect(devicePixels.x, devicePixels.y, devicePixels.width, devicePixels.height);
    return QRectF(rect.topLeft() / ratio, rect.size() / ratio).toAlignedRect();
}

void drawDevicePixels(QPainter& painter, QPointF corner, const PixelBuffer& picture, qreal ratio)
{
    // Undoing the painter's scale leaves a translation, so the pixels are
    // copied, not resampled (and the painter's clip keeps the copy to the
    // part being repainted).
    painter.save();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.drawImage(corner * ratio, imageOf(picture));
    painter.restore();
}

void PointerSurface::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = pointerPosition(event);
    emit mouseMoved(buttonCode(event->buttons()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                    static_cast<float>(at.y()));
}

void PointerSurface::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = pointerPosition(event);
    emit mousePressed(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                      static_cast<float>(at.y()));
}

void PointerSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = pointerPosition(event);
    emit mouseReleased(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                       static_cast<float>(at.y()));
}

QPointF PictureWidget::pointerPosition(const QMouseEvent* event) const
{
    const int border = m_box.borderWidth();
    return event->position() - QPointF(border, border);
}

void PictureWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event); // the click still gives the focus
    PointerSurface::mousePressEvent(event);
}

namespace {

// The bits of a Windows-style code for the toolkit's flags that are set.
template <class Flags>
short codeOf(Flags flags, std::initializer_list<std::pair<typename Flags::enum_type, short>> bits)
{
    short code = 0;
    for (const auto& [flag, bit] : bits)
        if (flags.testFlag(flag))
            code = static_cast<short>(code | bit);
    return code;
}

} // namespace

short buttonCode(Qt::MouseButtons buttons)
{
    return codeOf(buttons, {{Qt::LeftButton, 1}, {Qt::RightButton, 2}, {Qt::MiddleButton, 4}});
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    return codeOf(modifiers, {{Qt::ShiftModifier, 1}, {Qt::ControlModifier, 2}, {Qt::AltModifier, 4}});
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
