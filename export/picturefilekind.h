#pragma once
// The two commands that write the picture to a file the user names, "Save
// Gambar" and "Ekspor Gambar…", as a front end's save command takes them:
// the dialog's title and filter, the rule that turns the dialog's answer
// into the name and type to write (picturename.h), and the file's bytes
// (picturefile.h), so the window, the command line and the page write the
// same file for the same view.

#include "export/picturefile.h"
#include "export/picturename.h"
#include "platform/pixelbuffer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct PictureFileKind {
    std::string dialogTitle;
    std::string filter; // as OSDialog takes it
    // The dialog's answer with the rule of the kind applied: the name to
    // write and the type of file, or why the name cannot be used.
    std::function<PictureName(const std::string& chosen, std::int32_t filterIndex)> target;
    // The file's contents; empty when the picture cannot be encoded.
    std::function<std::vector<std::uint8_t>(const PictureName& target)> bytes;
};

// "Save Gambar": `picture` as a Windows bitmap, ".bmp" forced on the name.
PictureFileKind bitmapSave(const PixelBuffer& picture);

// "Ekspor Gambar…": the type from the chosen filter or the typed extension
// (exportedPictureName), the file of `view`, which must outlive the kind.
PictureFileKind pictureExport(const PictureFileView& view);
