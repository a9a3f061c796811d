#include "ui/viewkeys.h"

#include <QKeyEvent>

std::optional<QPointF> viewAfterKey(const QKeyEvent* event, QPointF current)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const double step = (event->modifiers() & Qt::ShiftModifier) ? kViewKeyBigStep : kViewKeyStep;
    switch (event->key()) {
    case Qt::Key_Left:
        return current - QPointF(step, 0.0);
    case Qt::Key_Right:
        return current + QPointF(step, 0.0);
    case Qt::Key_Up:
        return current - QPointF(0.0, step);
    case Qt::Key_Down:
        return current + QPointF(0.0, step);
    case Qt::Key_Home:
        return QPointF(0.0, 0.0);
    default:
        return std::nullopt;
    }
}
