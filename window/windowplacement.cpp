#include "window/windowplacement.h"

#include <algorithm>

namespace {

// The gap between the windows and to the screen's edge.
constexpr double kGap = 8;

} // namespace

WindowPlacement placeBeside(const PlacementRect& main, const PlacementRect& keepInView,
                            const PlacementRect& size, const PlacementRect& screen, double narrowest)
{
    const double roomRight = screen.right() - main.right();
    const double roomBelow = screen.bottom() - main.bottom();
    if (roomRight >= size.width + 2 * kGap)
        return {main.right() + kGap, std::max(main.y, screen.y + kGap), false, size.width};
    if (roomBelow >= size.height + 2 * kGap && screen.width >= size.width + 2 * kGap)
        return {std::max(main.x, screen.x + kGap), main.bottom() + kGap, false, size.width};
    const double left = std::max(main.right(), keepInView.right()) + kGap;
    const double strip = std::max(screen.right() - left - kGap, 0.0);
    if (strip >= narrowest)
        return {left, screen.y + kGap, true, strip};
    if (main.x - screen.x >= size.width + 2 * kGap)
        return {main.x - kGap - size.width, std::max(main.y, screen.y + kGap), false, size.width};
    return {main.x, main.y, false, size.width, false};
}
