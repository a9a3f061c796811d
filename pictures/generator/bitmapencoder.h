#pragma once
// Encoders for uncompressed Windows bitmaps (.bmp at 1, 4, 8 and 24 bits per
// pixel) and icons (.ico with 8- and 32-bit images), written by hand because
// the toolkit has no writer for 1- and 4-bit bitmaps or for icons.
//
// They only encode: what the pictures show is drawn on a Canvas elsewhere,
// and palette images are made from a canvas by nearest colour.

#include "canvas.h"

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct PaletteImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices; // row by row from the top
    std::vector<Rgba> palette;
};

// Black and white (index 0 black, 1 white).
std::vector<Rgba> monochromePalette();
// The sixteen standard VGA colours in their usual order.
std::vector<Rgba> vgaPalette();
// A 6 × 6 × 6 colour cube followed by 40 greys.
std::vector<Rgba> iconPalette();

// Each pixel becomes the palette entry nearest in RGB (the first on a tie).
// Alpha is ignored.
PaletteImage quantised(const Canvas& canvas, const std::vector<Rgba>& palette);

// bitsPerPixel is 1, 4 or 8 and the palette must fit it.
Bytes encodeBmp(const PaletteImage& image, int bitsPerPixel);
// 24 bits per pixel; alpha is ignored.
Bytes encodeBmp24(const Canvas& canvas);
// A monochrome mask of the canvas: white where it is transparent (alpha below
// one half), black where it is opaque.
Bytes encodeMaskBmp(const Canvas& canvas);

struct IconImage {
    Canvas image;
    int bitsPerPixel = 32; // 8 (palette of iconPalette()) or 32 (with alpha)
};

// One .ico file holding the images in the given order. Every image also gets
// the 1-bit AND mask from its alpha, so readers that ignore alpha still cut
// out the same shape.
Bytes encodeIco(const std::vector<IconImage>& images);
