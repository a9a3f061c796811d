#pragma once
// The drawing area's model: its outer size, its border, the persistent
// picture of its interior, the pen and the device context that draws into the
// picture. That is what the wireframe redraw needs of a drawing area: clear
// it, hand out the device context, set the pen, and report its outer and
// interior sizes. Without a border it is also the full-screen picture
// (presentationpicture.h).
//
// It is not a widget: the picture widget in ui/ shows Image() and forwards
// pointer events, nothing more. Everything drawn lands in Image(), which
// survives being covered and is what a saved picture contains.

#include "platform/colours.h"
#include "platform/imagedevicecontext.h"
#include "platform/pixelbuffer.h"

#include <algorithm>
#include <utility>

class PictureBox final {
public:
    explicit PictureBox(int borderWidth = 2)
        : m_border(borderWidth)
    {
        m_dc.attach(&m_image);
    }
    // The device context points into this object's own picture.
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    // Resizing reallocates the interior picture, cleared to the background.
    void setOuterSize(int width, int height)
    {
        m_outerWidth = width;
        m_outerHeight = height;
        const int interiorWidth = std::max(0, width - 2 * m_border);
        const int interiorHeight = std::max(0, height - 2 * m_border);
        if (interiorWidth == m_image.width() && interiorHeight == m_image.height())
            return;
        m_image.reset(interiorWidth, interiorHeight, ruvex::win::pixelOf(BackColor()));
        m_dc.attach(&m_image);
        m_dc.takePaintedBounds();
        m_content = {};
        m_changed = m_image.rect();
    }
    void setWidth(int width) { setOuterSize(width, m_outerHeight); }
    void setHeight(int height) { setOuterSize(m_outerWidth, height); }

    void Cls()
    {
        // Only what was drawn since the last clear differs from the
        // background: a turning solid covers a part of the picture, and the
        // redraw wipes just that.
        collectPainted();
        m_image.fill(ruvex::win::pixelOf(BackColor()), m_content);
        m_changed = m_changed.united(m_content);
        m_content = {};
    }
    ruvex::win::HDC hDC() { return &m_dc; }
    // The device context's pen.
    void setForeColor(ruvex::win::ColorRef color) { m_dc.setPenColor(color); }
    void setDrawWidth(int width) { m_dc.setPenWidth(width); }

    // Outer size, border included, in pixels.
    int Width() const { return m_outerWidth; }
    int Height() const { return m_outerHeight; }
    // Drawable interior, in pixels: also the units of pointer positions.
    int ScaleWidth() const { return m_image.width(); }
    int ScaleHeight() const { return m_image.height(); }

    ruvex::win::ColorRef ForeColor() const { return m_dc.penColor(); }
    int DrawWidth() const { return m_dc.penWidth(); }
    ruvex::win::ColorRef BackColor() const { return ruvex::win::kWhite; }
    int borderWidth() const { return m_border; }

    const PixelBuffer& Image() const { return m_image; }

    // The part of the picture that changed since the last call: what was
    // drawn and what a clear wiped out. A viewer repaints just that.
    PixelRect takeChangedRect()
    {
        collectPainted();
        return std::exchange(m_changed, PixelRect{});
    }

private:
    void collectPainted()
    {
        const PixelRect painted = m_dc.takePaintedBounds();
        m_content = m_content.united(painted);
        m_changed = m_changed.united(painted);
    }

    int m_border;
    int m_outerWidth = 0;
    int m_outerHeight = 0;
    PixelBuffer m_image;
    ruvex::win::ImageDeviceContext m_dc;
    PixelRect m_content; // bounds of everything drawn since the last clear
    PixelRect m_changed;
};
