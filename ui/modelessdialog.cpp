#include "ui/modelessdialog.h"

#include "ui/fonts.h"
#include "ui/qtext.h"

#include <QCloseEvent>
#include <QKeyEvent>

ModelessDialog::ModelessDialog(QWidget* parent, std::string_view name, std::string_view caption)
    : QDialog(parent)
{
    setObjectName(toQString(name));
    setWindowTitle(toQString(caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    setFont(msSansSerifFont());
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
