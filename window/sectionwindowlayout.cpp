#include "window/sectionwindowlayout.h"

#include <algorithm>

namespace SectionWindowLayout {

namespace {

// A whole number with the minus sign the equations use (U+2212).
std::string signedText(int value)
{
    return value < 0 ? "\xe2\x88\x92" + std::to_string(-value) : std::to_string(value);
}

} // namespace

std::string tiltText(int degrees)
{
    return "\xce\xb8 = " + signedText(degrees) + "\xc2\xb0";
}

std::string distanceText(int distance)
{
    return "d = " + signedText(distance);
}

std::string decreaseName(const BarDescription& bar)
{
    return "Kurangi " + std::string(bar.caption);
}

std::string increaseName(const BarDescription& bar)
{
    return "Tambah " + std::string(bar.caption);
}

int steppedValue(const BarDescription& bar, int value, int steps)
{
    return std::clamp(value + steps * bar.smallChange, bar.min, bar.max);
}

} // namespace SectionWindowLayout
