#pragma once
// The program's colours, defined once. Code sets them as 0x00BBGGRR; the
// pictures hold them as opaque 32-bit pixels 0xFFRRGGBB, and the window side
// makes its toolkit colours from those pixels.

#include "platform/handles.h"

#include <cstdint>

namespace ruvex::win {

inline constexpr ColorRef kBlack = 0x000000;
inline constexpr ColorRef kWhite = 0xFFFFFF;
inline constexpr ColorRef kBlue = 0xFF0000;         // blue in the top byte
inline constexpr ColorRef kYellow = 0x00FFFF;       // red and green
inline constexpr ColorRef kAxisRed = 0x0000D2;      // the coordinate axes
inline constexpr ColorRef kSectionGreen = 0x008000; // a plane section's curve
inline constexpr ColorRef kSectionGrey = 0x808080;  // its plane's outline
inline constexpr ColorRef kMarkRed = 0x0000FF;      // a school solid's marked parts

// 0x00BBGGRR to the opaque pixel 0xFFRRGGBB.
constexpr std::uint32_t pixelOf(ColorRef color)
{
    return 0xFF000000u | (color & 0xFFu) << 16 | (color & 0xFF00u) | (color >> 16 & 0xFFu);
}

} // namespace ruvex::win
