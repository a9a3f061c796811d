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

// The lines counted at an average letter 0.6 of the text's height wide (a
// sans-serif font's digits and capitals are wider than its small letters)
// across nine tenths of the width; the band is a line and a half of room
// with 1.2 lines for each line of text, at most half the screen.
CaptionBand captionBand(int screenWidth, int screenHeight, std::string_view caption)
{
    const auto letters
        = std::count_if(caption.begin(), caption.end(), [](char byte) { return (byte & 0xC0) != 0x80; });
    const int text = std::max(1, static_cast<int>(std::lround(screenHeight * 0.04)));
    const double needed = static_cast<double>(letters) * 0.6 * text / std::max(1.0, 0.9 * screenWidth);
    const int lines = std::clamp(static_cast<int>(std::ceil(needed)), 1, 4);
    const int band = static_cast<int>(std::lround(text * (1.3 + 1.2 * lines)));
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

void PresentationPicture::release()
{
    m_screen.setOuterSize(0, 0);
}
