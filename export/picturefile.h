#pragma once
// The file of a view in each format the program writes, made in one place
// for the window's export, the command line and the page's downloads, so
// that the same view gives the same bytes wherever it is written, the SVG's
// title included.
//
// It encodes in memory only; writing the file is the caller's. Plain C++ for
// every target the core builds for.

#include "export/picturetypes.h"
#include "platform/pixelbuffer.h"
#include "view/wireframelines.h"

#include <cstdint>
#include <string_view>
#include <vector>

// One view as its files are made from it: the drawing area's picture, the
// lines it is drawn from (view/picturelines.h, with the teaching aids in
// force) for the pictures drawn at another size or as vectors, and the shape
// shown, which names the vector picture.
struct PictureFileView {
    const PixelBuffer& picture;
    const std::vector<WireframePolyline>& lines;
    int shapeIndex = 0;
    // The lesson's caption while "Irisan Bidang" or "Ukuran Bangun" is open
    // (window/lessoncaption.h): the SVG carries it under the picture; the
    // bitmap and the PNG stay the picture alone.
    std::string caption = {};
};

// The file's contents. Bitmap: the picture as "Save Gambar" writes it
// (bitmapfile.h); PNG at scale 1: the picture's pixels; PNG at scale k: the
// wireframe drawn k times as large with k times wider pens, its resolution k
// times 96 dots per inch so that it prints at the size of the scale-1
// picture (pngfile.h); SVG: the picture's lines, titled
// "RUVEX Display 3D: <shape>", with the caption under it (svgpicture.h). The scale must be 1 for the
// bitmap and the SVG. Empty when the picture cannot be encoded.
std::vector<std::uint8_t> pictureFileBytes(const PictureFileView& view, PictureFormat format, int scale);
