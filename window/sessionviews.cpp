// The window session's scaled views: the drawing area at its device pixels
// and "Layar Penuh", opened, fitted to a size and closed by the front ends,
// and the band that "Layar Penuh" leaves under its picture for a lesson's
// caption. While open they are handed to the model, whose every redraw draws
// them beside the drawing area; the band is fitted again after every intent
// but a turn (windowsession.cpp).

#include "window/lessoncaption.h"
#include "window/windowsession.h"

void WindowSession::openScaledView(ScaledView which, int width, int height)
{
    OpenView& view = scaledView(which);
    const PixelBuffer& image = m_model.area().Image();
    view.width = width;
    view.height = height;
    view.band = bandHeight(which, width, height);
    view.picture.resize(width, height - view.band, image.width(), image.height());
    view.open = true;
    view.picture.redraw(m_model.pictureLines());
    handViewsToModel();
}

void WindowSession::closeScaledView(ScaledView which)
{
    OpenView& view = scaledView(which);
    view.open = false;
    view.picture.release();
    OpenView& area = scaledView(ScaledView::DrawingArea);
    if (which == ScaledView::FullScreen && area.open)
        area.picture.redraw(m_model.pictureLines());
    handViewsToModel();
}

// While "Layar Penuh" is open the drawing area's scaled view waits: a move
// full screen costs the same at any ratio.
void WindowSession::handViewsToModel()
{
    const bool fullScreen = scaledView(ScaledView::FullScreen).open;
    ViewsBeside views{};
    for (std::size_t n = 0; n < m_scaled.size(); ++n)
        if (m_scaled[n].open && (n == static_cast<std::size_t>(ScaledView::FullScreen) || !fullScreen))
            views[n] = &m_scaled[n].picture;
    m_model.drawViewsBeside(views);
}

bool WindowSession::fitScaledView(ScaledView which, int width, int height)
{
    const OpenView& view = scaledView(which);
    if (view.open && view.width == width && view.height == height)
        return false;
    openScaledView(which, width, height);
    scaledPicture(which).takeChangedRect();
    return true;
}

bool WindowSession::showDrawingAreaAt(int width, int height)
{
    const PixelBuffer& image = m_model.area().Image();
    if (width != image.width() || height != image.height())
        return fitScaledView(ScaledView::DrawingArea, width, height);
    if (!scaledViewOpen(ScaledView::DrawingArea))
        return false;
    closeScaledView(ScaledView::DrawingArea);
    return true;
}

int WindowSession::bandHeight(ScaledView which, int width, int height) const
{
    return which == ScaledView::FullScreen ? fullScreenBandOn(width, height).height : 0;
}

// The band the caption needs on a full screen of that size; none without one.
CaptionBand WindowSession::fullScreenBandOn(int width, int height) const
{
    const std::string caption = fullScreenCaption(m_model);
    return caption.empty() ? CaptionBand{} : captionBand(width, height, caption);
}

CaptionBand WindowSession::fullScreenBand() const
{
    const OpenView& view = scaledView(ScaledView::FullScreen);
    return view.open && view.band > 0 ? fullScreenBandOn(view.width, view.height) : CaptionBand{};
}
