#pragma once
// Stored layouts measure in twips; the screen at 96 dots per inch has 15
// twips to a pixel. Both front ends turn the layout tables into pixels with
// these few rules, so a control lands on the same pixel in each.

#include "platform/pixelbuffer.h" // PixelRect
#include "platform/rect.h"

inline constexpr int kTwipsPerPixel = 15;

// A control's box within its container, in twips.
using TwipsBox = Rect<int>;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

constexpr PixelRect twipsToPixelRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr PixelRect twipsToPixelRect(const TwipsBox& box)
{
    return twipsToPixelRect(box.x, box.y, box.width, box.height);
}

// A horizontal line of `widthPixels` from (x1, y) to (x2, y), in twips, is
// laid around its centre line.
constexpr PixelRect horizontalLineRect(int x1, int y, int x2, int widthPixels)
{
    const int left = twipsToPixels(x1);
    return {left, twipsToPixels(y) - widthPixels / 2, twipsToPixels(x2) - left, widthPixels};
}
