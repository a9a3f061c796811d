// The window session's scaled views: opened, fitted to a size and closed by
// the front ends. Their redraw with every turn is the session's own
// (windowsession.cpp), on the road of every pointer move.

#include "window/windowsession.h"

void WindowSession::openScaledView(ScaledView which, int width, int height)
{
    OpenView& view = scaledView(which);
    const PixelBuffer& image = m_model.area().Image();
    view.picture.resize(width, height, image.width(), image.height());
    view.open = true;
    view.picture.redraw(m_model.pictureLines());
}

void WindowSession::closeScaledView(ScaledView which)
{
    OpenView& view = scaledView(which);
    view.open = false;
    view.picture.release();
    OpenView& area = scaledView(ScaledView::DrawingArea);
    if (which == ScaledView::FullScreen && area.open)
        area.picture.redraw(m_model.pictureLines());
}

bool WindowSession::fitScaledView(ScaledView which, int width, int height)
{
    const PixelBuffer& shown = scaledPicture(which).image();
    if (scaledViewOpen(which) && shown.width() == width && shown.height() == height)
        return false;
    openScaledView(which, width, height);
    scaledPicture(which).takeChangedRect();
    return true;
}
