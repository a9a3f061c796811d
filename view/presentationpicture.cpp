#include "view/presentationpicture.h"

#include "platform/colours.h"

#include <algorithm>

namespace {

const std::uint32_t kBackground = ruvex::win::pixelOf(ruvex::win::kWhite);

} // namespace

void PresentationPicture::resize(int width, int height, int sourceWidth, int sourceHeight)
{
    m_image.reset(width, height, kBackground);
    m_dc.attach(&m_image);
    m_dc.takePaintedBounds();
    const double scale = sourceWidth > 0 && sourceHeight > 0
        ? std::min(static_cast<double>(width) / sourceWidth, static_cast<double>(height) / sourceHeight)
        : 1.0;
    m_mapping = PixelMapping::centred(scale, sourceWidth, sourceHeight, width, height);
    m_drawn = {};
    m_changed = m_image.rect();
}

void PresentationPicture::redraw(const std::vector<WireframePolyline>& lines)
{
    if (m_image.isEmpty())
        return;
    // A turning solid covers a part of the screen: clearing only that keeps
    // a redraw cheap on a large screen.
    m_image.fill(kBackground, m_drawn);
    drawWireframeMapped(lines, m_mapping, m_dc);
    const PixelRect painted = m_dc.takePaintedBounds();
    m_changed = m_changed.united(m_drawn).united(painted);
    m_drawn = painted;
}

SourcePoint PresentationPicture::sourcePosition(double x, double y) const
{
    return {(x - m_mapping.originX) / m_mapping.scale, (y - m_mapping.originY) / m_mapping.scale};
}

PixelRect PresentationPicture::takeChangedRect()
{
    const PixelRect changed = m_changed;
    m_changed = {};
    return changed;
}
