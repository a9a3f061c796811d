#include "window/sizewindowlayout.h"

namespace SizeWindowLayout {

std::string radiusText(int radius)
{
    return "r = " + std::to_string(radius) + " cm";
}

std::string heightText(int height)
{
    return "t = " + std::to_string(height) + " cm";
}

std::string netText(int percent)
{
    return std::to_string(percent) + " %";
}

} // namespace SizeWindowLayout
