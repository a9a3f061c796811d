#pragma once
// The kinds of picture file the program writes and the rules that tie them to
// file names: the ".bmp" of the save command, and the three types the export
// offers in its dialog (the picture as shown, the same for print at four
// times the size, and the vector picture). Pure text work on UTF-8 paths.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class PictureFormat { Bitmap, Png, Svg };

struct ExportType {
    PictureFormat format;
    int scale;                    // pixels of the file per pixel of the drawing area
    std::string_view description; // as the dialog lists it, before the pattern
    std::string_view extension;   // lower case, with its dot
};

// In the dialog's order; the first is the one a dialog starts with. Texts are
// UTF-8 (the sign "×" written as its bytes, whatever the compiler's charset).
inline constexpr std::array<ExportType, 3> kExportTypes{{
    {PictureFormat::Png, 1, "PNG", ".png"},
    {PictureFormat::Png, 4, "PNG untuk dicetak, 4\xc3\x97", ".png"},
    {PictureFormat::Svg, 1, "SVG, gambar vektor", ".svg"},
}};

// The media type a browser hands the file on as: "image/bmp", "image/png",
// "image/svg+xml".
std::string_view mediaType(PictureFormat format);

// "description|*.ext|..." for every export type, as the dialog layer takes it.
std::string exportDialogFilter();

// The extension of the file name in `path`, from its last "." and with ASCII
// letters lower-cased ("Kerucut.PNG" gives ".png"); empty when the name has
// no dot. The folder part is not looked at.
std::string fileExtension(const std::string& path);

// .bmp, .png or .svg, whatever the letter case; nothing for anything else.
std::optional<PictureFormat> formatOfPath(const std::string& path);

struct ExportTarget {
    std::string path;
    std::size_t type = 0; // index into kExportTypes
};

// What an export writes after the dialog answered `path` with the filter
// `filterIndex` (1-based as the dialog reports it; anything else counts as
// the first). A name that already ends in the extension of an offered type
// keeps it and gets that type ("kerucut.svg" is a vector picture, whatever
// filter was chosen; ".png" keeps a chosen PNG type and otherwise means the
// first). Any other name gets the chosen type's extension appended, so
// nothing the user typed is cut off.
ExportTarget exportTarget(const std::string& path, std::int32_t filterIndex);

// The name a picture of the shape with caption `caption` is handed on under
// (shared from the page): the caption's letters and digits in lower case,
// words joined by "-", and ".png": "Kerucut" gives "kerucut.png",
// "Ellipsoida (2 buah)" "ellipsoida-2-buah.png".
std::string sharedPictureName(std::string_view caption);
