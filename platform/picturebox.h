#pragma once
// The drawing area's model: its outer size, its border, the persistent image
// of its interior, the pen and the device context that draws into the image.
//
// It is not a widget: the picture widget in ui/ shows image() and forwards
// pointer events, nothing more. Everything drawn lands in image(), which
// survives being covered and is what a saved picture contains.

#include "platform/drawingsurface.h"
#include "platform/imagedevicecontext.h"

#include <QImage>

class PictureBox final : public DrawingSurface {
public:
    explicit PictureBox(int borderWidth = 2);

    // Resizing reallocates the interior image, cleared to the background.
    void setOuterSize(int width, int height);
    void setWidth(int width) { setOuterSize(width, m_outerHeight); }
    void setHeight(int height) { setOuterSize(m_outerWidth, height); }

    void Cls() override;
    // Fetch it afresh for each drawing run: it holds the image's pixels as
    // they were when fetched.
    HDC hDC() override;
    void setForeColor(ColorRef color) override;
    void setDrawWidth(int width) override;

    int Width() const override { return m_outerWidth; }
    int Height() const override { return m_outerHeight; }
    int ScaleWidth() const override { return m_image.width(); }
    int ScaleHeight() const override { return m_image.height(); }

    ColorRef ForeColor() const { return m_dc.penColor(); }
    int DrawWidth() const { return m_dc.penWidth(); }
    ColorRef BackColor() const { return kWhite; }
    int borderWidth() const { return m_border; }

    const QImage& Image() const { return m_image; }

    // The part of the image that changed since the last call: what was drawn
    // and what a clear wiped out. A viewer repaints just that.
    QRect takeChangedRect();

private:
    void collectPainted();

    int m_border;
    int m_outerWidth = 0;
    int m_outerHeight = 0;
    QImage m_image;
    ImageDeviceContext m_dc;
    QRect m_content; // bounds of everything drawn since the last clear
    QRect m_changed;
};

// 0x00BBGGRR to an opaque QRgb.
QRgb toQRgb(ColorRef color);
