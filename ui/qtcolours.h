#pragma once
// The program's colours (platform/colours.h) as toolkit colours, and a
// widget's own text and background.

#include "platform/colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

inline QColor qColourOf(ruvex::win::ColorRef colour)
{
    return QColor::fromRgb(ruvex::win::pixelOf(colour));
}

// Text in `text` on a `background`, for labels, frames and buttons; for a
// box of text (`onBase`) on its base role too, where it draws its text. Check
// boxes and option buttons keep their white indicators with a black mark,
// which they draw with the base and text roles.
inline void setColours(QWidget* widget, const QColor& text, const QColor& background, bool onBase = false)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Window, background);
    // Buttons fill their background with the button role.
    palette.setColor(QPalette::Button, background);
    if (onBase) {
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Base, background);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
