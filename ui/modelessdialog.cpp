#include "ui/modelessdialog.h"

#include "ui/clipboardcopy.h"

#include <QCloseEvent>
#include <QKeyEvent>

bool ModelessDialog::event(QEvent* event)
{
    // Asked of the focused text first, then of its window: here.
    if (textKeepsCopyKey(focusWidget(), event)) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void ModelessDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        escape();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ModelessDialog::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        emit unloaded();
}
