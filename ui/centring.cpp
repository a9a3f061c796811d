#include "ui/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint centredTopLeft(const QRect& frame, const QRect& available)
{
    QRect placed = frame;
    placed.moveCenter(available.center());
    return {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())};
}

void centreOnScreen(QWidget& window, const QWidget* owner)
{
    const QScreen* screen = owner ? owner->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.move(centredTopLeft(window.frameGeometry(), screen->availableGeometry()));
}

void showModeless(QWidget& window, bool firstShow, const QWidget* owner)
{
    // A window that is already up may lie behind others.
    const bool wasVisible = window.isVisible();
    window.show();
    if (firstShow)
        centreOnScreen(window, owner);
    if (wasVisible)
        window.raise();
    window.activateWindow();
}
