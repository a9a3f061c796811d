#pragma once
// The program's colours (platform/colours.h) as toolkit colours.

#include "platform/colours.h"

#include <QColor>

inline QColor qColourOf(ruvex::win::ColorRef colour)
{
    return QColor::fromRgb(ruvex::win::pixelOf(colour));
}
