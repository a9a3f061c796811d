#pragma once
// The drawing area's picture as a Windows bitmap file, the one encoder of
// every .bmp the program writes ("Save Gambar", the export, the command
// line), so that the same view gives the same bytes whichever way it is
// written.
//
// The file: a 14-byte file header and a 40-byte information header, then the
// pixels at 24 bits, no compression and no palette, colours in blue-green-red
// order, rows bottom-up, each padded with zeros to a multiple of four bytes.
// The resolution is always 96 dots per inch (3 780 pixels per metre), the
// drawing area's pixels on a screen, whatever display there is or is not.
//
// It encodes in memory only; writing the file is the caller's. Plain C++ for
// every target the core builds for.

#include "platform/pixelbuffer.h"

#include <cstdint>
#include <vector>

// 96 dots per inch, in the unit bitmap headers use.
inline constexpr std::int32_t kBitmapPixelsPerMetre = 3780;

// The whole file for `picture`; an empty picture gives a file of headers
// alone, 0 x 0 pixels.
std::vector<std::uint8_t> bitmapFileBytes(const PixelBuffer& picture);
