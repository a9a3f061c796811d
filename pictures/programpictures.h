#pragma once
// Where the program's pictures are found in its resources, and the program
// icon made from them. The pictures are drawn at build time by
// pictures/generator; this file only names them.

#include <QIcon>
#include <QString>

#include <string_view>

namespace ProgramPictures {

// 234 × 396 at 4 bits per pixel, behind both about windows.
inline constexpr char kAboutBackground[] = ":/pictures/aboutback.bmp";
// 450 × 367 at 1 bit per pixel, behind the contact window.
inline constexpr char kContactBackground[] = ":/pictures/contactback.bmp";
// 48, 32 and 16 pixels, each at 8 and 32 bits per pixel.
inline constexpr char kIconFile[] = ":/pictures/ruvex3d.ico";

// A picture by its name, as the layout tables give it ("aboutback.bmp").
QString picturePath(std::string_view name);

// Menu bitmap 1..8 (24 bits per pixel) and its monochrome mask. Bitmap 2 has
// no mask: white is its transparent colour.
QString menuBitmap(int number);
QString menuMask(int number);

// The icon of the main window and of every window it opens.
QIcon programIcon();

} // namespace ProgramPictures
