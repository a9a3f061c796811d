#pragma once
// What the wireframe redraw needs of a drawing area: clear it, hand out a
// device context, set the pen, and report its outer and interior sizes.
//
// The real one is PictureBox; tests put a recording surface in its place.

#include "platform/handles.h"

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void Cls() = 0;
    virtual ruvex::win::HDC hDC() = 0;
    virtual void setForeColor(ruvex::win::ColorRef color) = 0;
    virtual void setDrawWidth(int width) = 0;

    // Outer size, border included, in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Drawable interior, in pixels: also the units of pointer positions.
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;
};
