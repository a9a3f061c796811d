#include "ui/modelessdialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

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
