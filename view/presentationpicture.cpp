#include "view/presentationpicture.h"

#include <algorithm>
#include <cmath>

ScreenPictureSize screenPictureSize(double width, double height, double deviceRatio)
{
    const double longSide = std::max(width, height);
    const double shortSide = std::min(width, height);
    double ratio = deviceRatio;
    if (longSide > 0.0 && shortSide > 0.0)
        ratio = std::min({ratio, kLargestScreenLongSide / longSide, kLargestScreenShortSide / shortSide});
    const auto pixels = [ratio](double side, int largest) {
        return std::clamp(static_cast<int>(std::lround(side * ratio)), 1, largest);
    };
    const bool wide = width >= height;
    return {pixels(width, wide ? kLargestScreenLongSide : kLargestScreenShortSide),
            pixels(height, wide ? kLargestScreenShortSide : kLargestScreenLongSide), ratio};
}

CaptionBand captionBand(int screenHeight)
{
    const int text = std::max(1, static_cast<int>(std::lround(screenHeight * 0.04)));
    const int band = static_cast<int>(std::lround(text * 2.5));
    return {std::min(band, screenHeight / 2), text};
}

void PresentationPicture::resize(int width, int height, int sourceWidth, int sourceHeight)
{
    // A new screen is white and wholly changed, even at the size it had.
    m_screen.setOuterSize(0, 0);
    m_screen.setOuterSize(width, height);
    const double scale = sourceWidth > 0 && sourceHeight > 0
        ? std::min(static_cast<double>(width) / sourceWidth, static_cast<double>(height) / sourceHeight)
        : 1.0;
    m_mapping = PixelMapping::centred(scale, sourceWidth, sourceHeight, width, height);
}

void PresentationPicture::redraw(const std::vector<WireframePolyline>& lines)
{
    m_screen.Cls();
    drawMappedLines(lines, m_mapping, *m_screen.hDC());
}

SourcePoint PresentationPicture::sourcePosition(double x, double y) const
{
    return {(x - m_mapping.originX) / m_mapping.scale, (y - m_mapping.originY) / m_mapping.scale};
}

void PresentationPicture::release()
{
    m_screen.setOuterSize(0, 0);
}
