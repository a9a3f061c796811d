#pragma once
// Puts a window in the middle of its screen.

class QWidget;

// Centres the whole window, frame included once the frame is known (before
// the first show only the client area is known, and that is centred). The
// screen is the owner's when there is one, else the window's own, else the
// primary screen.
void centreOnScreen(QWidget& window, const QWidget* owner = nullptr);
