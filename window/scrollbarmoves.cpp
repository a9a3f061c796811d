#include "window/scrollbarmoves.h"

#include <algorithm>
#include <cmath>

namespace {

int clamped(const ScrollRange& range, int value)
{
    return std::clamp(value, std::min(range.min, range.max), std::max(range.min, range.max));
}

} // namespace

std::optional<ScrollMove> scrollMoveOfKey(const KeyIntent& key)
{
    if (key.ctrl || key.altOrMeta())
        return std::nullopt;
    switch (key.key) {
    case KeyName::Left:
    case KeyName::Up:
        return ScrollMove::LineUp;
    case KeyName::Right:
    case KeyName::Down:
        return ScrollMove::LineDown;
    case KeyName::PageUp:
        return ScrollMove::PageUp;
    case KeyName::PageDown:
        return ScrollMove::PageDown;
    case KeyName::Home:
        return ScrollMove::Top;
    case KeyName::End:
        return ScrollMove::Bottom;
    default:
        return std::nullopt;
    }
}

int movedValue(const ScrollRange& range, int value, ScrollMove move)
{
    const int towardsMax = range.max >= range.min ? 1 : -1;
    switch (move) {
    case ScrollMove::LineUp:
        return clamped(range, value - range.smallChange * towardsMax);
    case ScrollMove::LineDown:
        return clamped(range, value + range.smallChange * towardsMax);
    case ScrollMove::PageUp:
        return clamped(range, value - range.largeChange * towardsMax);
    case ScrollMove::PageDown:
        return clamped(range, value + range.largeChange * towardsMax);
    case ScrollMove::Top:
        return range.min;
    case ScrollMove::Bottom:
        return range.max;
    }
    return value;
}

// Rounded half up, as a browser rounds.
int valueAtFraction(const ScrollRange& range, double fraction)
{
    const double value = range.min + std::clamp(fraction, 0.0, 1.0) * (range.max - range.min);
    return clamped(range, static_cast<int>(std::floor(value + 0.5)));
}

double thumbFraction(const ScrollRange& range, int value)
{
    const int span = range.max - range.min;
    return span != 0 ? static_cast<double>(value - range.min) / span : 0.0;
}
