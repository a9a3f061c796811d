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
    const qreal ratio = deviceRatio();
    if (fitDeviceView(ratio)) {
        update(contentsRect());
        return;
    }
    const QRect shown = showsScaledView() ? logicalRect(deviceChanged, ratio) : toQRect(pictureChanged);
    if (!shown.isEmpty())
        update(shown.translated(m_box.borderWidth(), m_box.borderWidth()));
}

void PictureWidget::showWhole()
{
    update(contentsRect());
}

// 1 where the picture's own pixels are shown.
qreal PictureWidget::deviceRatio() const
{
    return m_session ? pictureRatio(*this) : 1.0;
}

// The drawing area at the device pixels the ratio gives, its own pixels or
// the session's scaled view as the session decides: true when what is shown
// is new as a whole. Shown at that size already, the session is not asked.
bool PictureWidget::fitDeviceView(qreal ratio)
{
    const PixelBuffer& picture = m_box.Image();
    const QSize size(qRound(picture.width() * ratio), qRound(picture.height() * ratio));
    if (!m_session || size == m_deviceSize)
        return false;
    m_deviceSize = size;
    return m_session->showDrawingAreaAt(size.width(), size.height());
}

bool PictureWidget::showsScaledView() const
{
    return m_session && m_session->scaledViewOpen(ScaledView::DrawingArea);
}

void PictureWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inside = contentsRect();
    if (!inside.contains(event->rect()))
        paintBorder(painter);
    const qreal ratio = deviceRatio();
    // A ratio changed since the last redraw (another screen) redraws it here;
    // a repaint of a part then asks for the rest.
    if (fitDeviceView(ratio) && !event->region().contains(inside))
        update(inside);
    if (showsScaledView()) {
        painter.setClipRect(inside);
        drawDevicePixels(painter, inside.topLeft(), m_session->scaledPicture(ScaledView::DrawingArea).image(),
                         ratio);
        return;
    }
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
