#include "platform/picturebox.h"

#include <algorithm>
#include <utility>

using ruvex::win::pixelOf;

PictureBox::PictureBox(int borderWidth)
    : m_border(borderWidth)
{
    m_dc.attach(&m_image);
}

void PictureBox::setOuterSize(int width, int height)
{
    m_outerWidth = width;
    m_outerHeight = height;
    const int interiorWidth = std::max(0, width - 2 * m_border);
    const int interiorHeight = std::max(0, height - 2 * m_border);
    if (interiorWidth == m_image.width() && interiorHeight == m_image.height())
        return;
    m_image.reset(interiorWidth, interiorHeight, pixelOf(BackColor()));
    m_dc.attach(&m_image);
    m_dc.takePaintedBounds();
    m_content = {};
    m_changed = m_image.rect();
}

void PictureBox::Cls()
{
    // Only what was drawn since the last clear differs from the background:
    // a turning solid covers a part of the picture, and the redraw wipes
    // just that.
    collectPainted();
    m_image.fill(pixelOf(BackColor()), m_content);
    m_changed = m_changed.united(m_content);
    m_content = {};
}

void PictureBox::collectPainted()
{
    const PixelRect painted = m_dc.takePaintedBounds();
    m_content = m_content.united(painted);
    m_changed = m_changed.united(painted);
}

PixelRect PictureBox::takeChangedRect()
{
    collectPainted();
    return std::exchange(m_changed, PixelRect{});
}
