#include "ui/picturewidget.h"

#include "ui/qtcolours.h"
#include "window/windowsession.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

PictureWidget::PictureWidget(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    // The whole widget is repainted from the image; no background needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    const int border = m_box.borderWidth();
    setContentsMargins(border, border, border, border);
}

void PictureWidget::setOuterSize(int width, int height)
{
    m_box.setOuterSize(width, height);
    m_box.takeChangedRect();
    resize(width, height);
    update();
}

void PictureWidget::showChanges(const PixelRect& pictureChanged, const PixelRect& deviceChanged)
{
    const int border = m_box.borderWidth();
    const qreal ratio = deviceRatio();
    if (ratio == 1.0) {
        showOwnPixels();
        const QRect changed = toQRect(pictureChanged);
        if (!changed.isEmpty())
            update(changed.translated(border, border));
        return;
    }
    if (fitDeviceView(ratio)) {
        update(contentsRect());
        return;
    }
    const QRect logical = logicalRect(deviceChanged, ratio);
    if (!logical.isEmpty())
        update(logical.translated(border, border));
}

void PictureWidget::showWhole()
{
    update(contentsRect());
}

// The scaled view is not kept up to date while the picture's own pixels
// are shown: its memory is given back.
void PictureWidget::showOwnPixels()
{
    if (!m_session || m_deviceSize.isEmpty())
        return;
    m_session->closeScaledView(ScaledView::DrawingArea);
    m_deviceSize = QSize();
}

// 1 where the picture's own pixels are shown.
qreal PictureWidget::deviceRatio() const
{
    return m_session ? pictureRatio(*this) : 1.0;
}

// The session's view at device pixels sized for the ratio (and the picture's
// size), opened anew when that size changed: then true. Open at that size,
// the session is not asked.
bool PictureWidget::fitDeviceView(qreal ratio)
{
    const PixelBuffer& picture = m_box.Image();
    const QSize size(qRound(picture.width() * ratio), qRound(picture.height() * ratio));
    if (size == m_deviceSize)
        return false;
    m_deviceSize = size;
    return m_session->fitScaledView(ScaledView::DrawingArea, size.width(), size.height());
}

void PictureWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inside = contentsRect();
    if (!inside.contains(event->rect()))
        paintBorder(painter);
    const qreal ratio = deviceRatio();
    if (ratio > 1.0) {
        // A ratio changed since the last redraw (another screen) redraws it
        // here; a repaint of a part then asks for the rest.
        if (fitDeviceView(ratio) && !event->region().contains(inside))
            update(inside);
        painter.setClipRect(inside);
        drawDevicePixels(painter, inside.topLeft(), m_session->scaledPicture(ScaledView::DrawingArea).image(),
                         ratio);
        return;
    }
    showOwnPixels();
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

void PictureWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(QRegion(rect()) - contentsRect());
}

void PictureWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(QRegion(rect()) - contentsRect());
}

QImage imageOf(const PixelBuffer& picture)
{
    if (picture.isEmpty())
        return {};
    // The const constructor: any write through the image copies it first.
    return QImage(reinterpret_cast<const uchar*>(picture.bits()), picture.width(), picture.height(),
                  picture.bytesPerLine(), QImage::Format_RGB32);
}

qreal pictureRatio(const QWidget& widget)
{
    return std::max(widget.devicePixelRatio(), qreal(1.0));
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
