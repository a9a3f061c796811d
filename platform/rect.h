#pragma once
// A rectangle by its top-left corner, its width and its height, and the one
// form of it every part of the program uses, whatever it is counted in: the
// picture's pixels (PixelRect, platform/pixelbuffer.h), the stored layouts'
// twips (TwipsBox, window/twips.h) or the screen's units, which a browser
// measures with fractions (PlacementRect, window/windowplacement.h).
//
// Counted in whole pixels it covers x .. x + width - 1 by y .. y + height - 1.

#include <algorithm>

template <typename Number> struct Rect {
    Number x = 0;
    Number y = 0;
    Number width = 0;
    Number height = 0;

    // Empty when either size is not positive.
    constexpr bool isEmpty() const { return width <= 0 || height <= 0; }
    constexpr Number right() const { return x + width; }   // one past the last column
    constexpr Number bottom() const { return y + height; } // one past the last row

    // The smallest rectangle holding both; an empty one adds nothing.
    constexpr Rect united(const Rect& other) const
    {
        if (other.isEmpty())
            return *this;
        if (isEmpty())
            return other;
        const Number left = std::min(x, other.x);
        const Number top = std::min(y, other.y);
        return {left, top, std::max(right(), other.right()) - left, std::max(bottom(), other.bottom()) - top};
    }

    // The common part, or an empty rectangle.
    constexpr Rect intersected(const Rect& other) const
    {
        const Number left = std::max(x, other.x);
        const Number top = std::max(y, other.y);
        const Rect both{left, top, std::min(right(), other.right()) - left,
                        std::min(bottom(), other.bottom()) - top};
        return both.isEmpty() ? Rect{} : both;
    }

    constexpr bool contains(const Rect& other) const { return other.isEmpty() || united(other) == *this; }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};
