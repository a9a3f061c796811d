#pragma once
// Our stand-in for the two Windows line-drawing calls the wireframe uses.
//
// A device context is something lines can be drawn into with a current
// position and a pen. The free functions MoveToEx and LineTo keep the call
// shape of the originals (a handle first, integer pixels after it) so the
// drawing run reads like the code it replaces; they forward to the context.
// They live in ruvex::win with the handle types (handles.h): the system's own
// MoveToEx and LineTo, declared globally on Windows, stay apart from them.
//
// The context does not own pixels, clear them or decide the pen: the picture
// box that owns it does (see picturebox.h).

#include "platform/handles.h"

#include <cmath>
#include <span>

namespace ruvex::win {

// A stretch of a line by its parameter: 0 at the current position, 1 at the
// end point; both ends belong to it.
struct LineStretch {
    float from = 0.0f;
    float to = 0.0f;
};

class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    // Sets the current position; reports the previous one.
    virtual POINTAPI moveTo(int x, int y) = 0;
    // Draws with the current pen from the current position to (x, y), which
    // becomes the current position.
    virtual void lineTo(int x, int y) = 0;

    // Draws only the given stretches (in order, disjoint) of the line to
    // (x, y), which becomes the current position: a dashed line. This
    // stand-in draws each stretch as a line between its rounded ends; a
    // context that rasterises paints exactly the pixels of the whole line
    // whose parameter falls in a stretch.
    virtual void lineToStretches(int x, int y, std::span<const LineStretch> stretches)
    {
        const POINTAPI start = moveTo(x, y);
        const auto at = [&](float t, int from, int to) {
            return from + static_cast<int>(std::lround(t * static_cast<float>(to - from)));
        };
        for (const LineStretch& stretch : stretches) {
            moveTo(at(stretch.from, start.x, x), at(stretch.from, start.y, y));
            lineTo(at(stretch.to, start.x, x), at(stretch.to, start.y, y));
        }
        moveTo(x, y);
    }

    // The pen, set through the owning picture box.
    virtual void setPenColor(ColorRef color) = 0;
    virtual void setPenWidth(int width) = 0;
};

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
