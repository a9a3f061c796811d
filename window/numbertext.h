#pragma once
// Number captions as the toolkit's general number text writes a single: up to
// seven significant digits, "." as decimal separator, no trailing zeros, no
// zero before the point below 1, exponent form beyond that precision, and a
// leading space in place of the sign for values that are not negative.

#include <string>

std::string generalNumberText(float value);

// The aspect label: general text, except that a value strictly between 0 and
// 1 reads "0" and its digits without the leading space (0.5 -> "0.5").
std::string aspectCaption(float aspect);

// The distance label: the general text (160 -> " 160").
std::string distanceCaption(float distance);
