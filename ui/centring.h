#pragma once
// Puts a window in the middle of its screen.

#include <QPoint>
#include <QRect>

class QWidget;

// Where a window of `frame`'s size goes on a screen whose usable area is
// `available`: centred, except that its top-left corner never leaves that
// area, so the title and menu bar of a window larger than the screen stay
// reachable.
QPoint centredTopLeft(const QRect& frame, const QRect& available);

// Centres the whole window, frame included once the frame is known (before
// the first show only the client area is known, and that is centred). The
// screen is the owner's when there is one, else the window's own, else the
// primary screen.
void centreOnScreen(QWidget& window, const QWidget* owner = nullptr);

// Shows a window of the program's own without a modal loop: centred, frame
// and all, when `firstShow` (the frame is known only once shown), brought
// forward when it was up already, and made active.
void showModeless(QWidget& window, bool firstShow, const QWidget* owner);
