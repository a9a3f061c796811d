#pragma once
// The view drawn large, for a projector: the drawing area's picture scaled
// about its centre so that it fills the smaller side of a screen, with every
// end point and every pen scaled (not its pixels magnified).
//
// The picture square: the drawing area's interior (source) scaled by
// s = min(screen width / source width, screen height / source height), centred
// on the screen. A screen position maps back to the drawing-area position
// (screen - square's corner) / s, so a pointer over the square turns the solid
// exactly as over the drawing area.
//
// The screen is a picture box without a border: a redraw wipes only what the
// previous one painted and reports what changed, so a viewer repaints just
// that part.

#include "platform/picturebox.h"
#include "platform/pixelbuffer.h"
#include "view/scaledwireframe.h"

struct SourcePoint {
    double x = 0.0;
    double y = 0.0;
};

class PresentationPicture {
public:
    // A white screen of width x height for a drawing area of sourceWidth x
    // sourceHeight interior pixels; nothing drawn yet.
    void resize(int width, int height, int sourceWidth, int sourceHeight);

    // A picture's lines (picturelines.h), in place of the last.
    void redraw(const std::vector<WireframePolyline>& lines);

    const PixelBuffer& image() const { return m_screen.Image(); }
    const PixelMapping& mapping() const { return m_mapping; }
    // The screen position over the drawing area, in its interior pixels.
    SourcePoint sourcePosition(double x, double y) const;

    // The part of the screen that changed since the last call.
    PixelRect takeChangedRect() { return m_screen.takeChangedRect(); }

private:
    PictureBox m_screen{0};
    PixelMapping m_mapping;
};
