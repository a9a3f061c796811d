#pragma once
// The layout's rectangles, in pixels or in twips (window/twips.h), as
// toolkit rectangles.

#include "window/twips.h"

#include <QRect>

inline QRect qRectOf(const PixelRect& rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

inline QRect twipsRect(const TwipsBox& box)
{
    return qRectOf(twipsToPixelRect(box));
}
