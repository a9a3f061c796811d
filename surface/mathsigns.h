#pragma once
// The signs the program's formulas are written with, in UTF-8: the section's
// equations and the sizes' worked numbers use the same ones.

#include <string_view>

namespace MathSigns {

inline constexpr std::string_view kMinus = "\u2212";
inline constexpr std::string_view kPlusMinus = "\u00b1";
inline constexpr std::string_view kMiddleDot = "\u00b7";
inline constexpr std::string_view kSquared = "\u00b2";
inline constexpr std::string_view kCubed = "\u00b3";
inline constexpr std::string_view kDegree = "\u00b0";

} // namespace MathSigns
