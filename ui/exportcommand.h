#pragma once
// Pictures of the current view for other programs: the drawing area's picture
// as PNG, the same enlarged for print, and the wireframe as SVG; and the
// kind of file "Ekspor Gambar…" writes one of them as, through the save
// command (savecommand.h).
//
// The bytes of a picture file depend on the view alone, so the window's
// command and the program's command line (commandline.h) write the same file
// for the same view. Files are written whole or not at all.

#include "export/picturetypes.h"
#include "platform/pixelbuffer.h"
#include "surface/pointgrid.h"
#include "surface/viewstate.h"
#include "ui/savecommand.h"
#include "view/wireframelines.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

// One view: the grid as last projected, the drawing area's picture of it, and
// the lines of that picture (view/viewpicture.h, with the teaching aids in
// force) for the pictures drawn at another size or as vectors.
struct ExportView {
    const PointGrid& grid;
    const ViewState& state;
    const PixelBuffer& picture;
    const std::vector<WireframePolyline>& lines;
};

// The file's contents. Bitmap: the picture as the save command writes it;
// PNG at scale 1: the picture's pixels; PNG at scale k: the wireframe drawn k
// times as large with k times wider pens, its resolution k times 96 dots per
// inch so that it prints at the size of the scale-1 picture; SVG: the
// picture's lines (scale must be 1 for the bitmap and the SVG). The PNG is
// the core's (export/pngfile.h), the page's download of the same view.
QByteArray pictureFile(const ExportView& view, PictureFormat format, int scale);

// Writes pictureFile(view, format, scale) whole to `path`. Nothing when it
// is written, otherwise why not, in Indonesian; a picture that cannot be
// encoded is such a failure, and nothing is written.
std::optional<QString> writePictureFile(const QString& path, const ExportView& view, PictureFormat format,
                                        int scale);

// "Ekspor Gambar…": the type from the chosen filter or the typed extension
// (exportedPictureName), the file pictureFile of `view`, which must outlive
// it.
PictureFileKind pictureExport(const ExportView& view);
