#include "ui/focusoutline.h"

#include "ui/qtcolours.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>

FocusOutline::FocusOutline(QWidget* area, QWidget* framesItself)
    : QWidget(area)
    , m_area(area)
    , m_framesItself(framesItself)
{
    setObjectName(QStringLiteral("focusOutline"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusOutline::follow(QWidget* focused)
{
    const bool ours = focused && focused != m_framesItself && m_area->isAncestorOf(focused);
    m_target = ours ? focused : nullptr;
    if (!ours) {
        hide();
        return;
    }
    const QRect around(focused->mapTo(m_area, QPoint(0, 0)), focused->size());
    setGeometry(around);
    const QRect whole = rect();
    setMask(QRegion(whole).subtracted(QRegion(whole.adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    raise();
    show();
    update();
}

void FocusOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), qColourOf(ruvex::win::kYellow));
}
