#pragma once
// The picture as a PNG file, the one encoder of every PNG the program hands
// out: the window's export, the command line, and the page's downloads,
// shares and copies, so that the same view gives the same bytes wherever it
// is written.
//
// The file: the picture's colours as an 8-bit palette in the order they
// first appear (a drawing holds only its pens' few colours; with more than a
// palette holds, 8-bit RGB instead), its resolution as a pHYs chunk, and the
// rows unfiltered in one zlib stream (deflate.h) in one IDAT chunk.
//
// It encodes in memory only; writing the file is the caller's. Plain C++ for
// every target the core builds for.

#include "platform/pixelbuffer.h"
#include "view/wireframelines.h"

#include <cstdint>
#include <vector>

// 96 dots per inch times `scale`, in PNG's unit, pixels per metre rounded:
// 3 780 at 1, 15 118 at 4.
std::uint32_t pngPixelsPerMetre(int scale);

// The whole file for `picture` at `pixelsPerMetre` both ways; empty for an
// empty picture, which no PNG holds.
std::vector<std::uint8_t> pngFileBytes(const PixelBuffer& picture, std::uint32_t pixelsPerMetre);

// The view's PNG at `scale`: at 1 the drawing area's `picture`; at k its
// `lines` drawn k times as large with k times wider pens, at k times 96 dots
// per inch so that it prints at the size of the picture, sharper.
std::vector<std::uint8_t> viewPngFile(const PixelBuffer& picture, const std::vector<WireframePolyline>& lines,
                                      int scale);
