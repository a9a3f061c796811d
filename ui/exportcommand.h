#pragma once
// "Ekspor Gambar…": the kind of file it writes through the save command
// (savecommand.h), its bytes the core's file of the view
// (export/picturefile.h), so the window, the command line and the page write
// the same file for the same view.

#include "export/picturefile.h"
#include "ui/savecommand.h"

// The type from the chosen filter or the typed extension
// (exportedPictureName), the file of `view`, which must outlive the kind.
PictureFileKind pictureExport(const PictureFileView& view);
