#pragma once
// The program's colours (platform/colours.h) as toolkit colours.

#include "platform/colours.h"

#include <QColor>

inline QColor qColorOf(ruvex::win::ColorRef color)
{
    return QColor::fromRgb(ruvex::win::pixelOf(color));
}
