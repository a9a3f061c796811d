#pragma once
// Our stand-in for the two Windows line-drawing calls the wireframe uses.
//
// The free functions MoveToEx and LineTo keep the call shape of the
// originals (a handle first, integer pixels after it) so the drawing run
// reads like the code it replaces; they forward to the device context, which
// rasterises. They live in ruvex::win with the handle types (handles.h): the
// system's own MoveToEx and LineTo, declared globally on Windows, stay apart
// from them.

#include "platform/imagedevicecontext.h"

namespace ruvex::win {

// Return nonzero on success, like the calls they stand in for. A null handle
// draws nothing and fails. Inline: a redraw makes 1275 of these calls.
inline int MoveToEx(HDC hdc, int x, int y, POINTAPI* previous)
{
    if (!hdc)
        return 0;
    const POINTAPI last = hdc->moveTo(x, y);
    if (previous)
        *previous = last;
    return 1;
}

inline int LineTo(HDC hdc, int x, int y)
{
    if (!hdc)
        return 0;
    hdc->lineTo(x, y);
    return 1;
}

} // namespace ruvex::win
