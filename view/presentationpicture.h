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

#include <string_view>

// The largest picture drawn for a screen: a 4K screen's device pixels, either
// way round. A larger screen, or one with more device pixels per logical
// pixel, has the picture drawn at the largest ratio that fits and enlarged by
// the screen, so its memory and the time of a redraw stay a 4K screen's.
inline constexpr int kLargestScreenLongSide = 3840;
inline constexpr int kLargestScreenShortSide = 2160;

// A screen's picture: its pixels, and how many of them a logical pixel has.
struct ScreenPictureSize {
    int width = 1;
    int height = 1;
    double ratio = 1.0;
};

// The picture for a screen of width x height logical pixels with deviceRatio
// device pixels to a logical pixel: at its device pixels where they fit in
// the largest picture, else at the largest ratio that fits.
ScreenPictureSize screenPictureSize(double width, double height, double deviceRatio);

// The band under the picture that carries a lesson's caption (UTF-8) on a screen of `screenWidth` x
// `screenHeight` pixels: text 4 % of the screen high, so it reads from the back of a classroom, as many lines
// of it as the caption needs across the screen's width (a phone held upright wraps it on three or four) and
// room above and below. The picture takes the rest above.
struct CaptionBand {
    int height = 0;
    int textHeight = 0; // the font's pixel size
};
CaptionBand captionBand(int screenWidth, int screenHeight, std::string_view caption);

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
    SourcePoint sourcePosition(double x, double y) const
    {
        return {(x - m_mapping.originX) / m_mapping.scale, (y - m_mapping.originY) / m_mapping.scale};
    }

    // Its screen, which the drawing area's redraw draws into with the
    // mapping (scaledwireframe.h's redrawViews).
    PictureBox& screen() { return m_screen; }

    // The part of the screen that changed since the last call.
    PixelRect takeChangedRect() { return m_screen.takeChangedRect(); }

    // The screen's memory given back; resize() makes it again.
    void release();

private:
    PictureBox m_screen{0};
    PixelMapping m_mapping;
};
