#pragma once
// The texts only the page shows, where the desktop has the system's own: the
// drawing area's name for screen readers, and the line shown when "Tutup
// Program" has ended the program but the browser keeps the tab open (a
// browser may refuse to close a page the user opened). UTF-8, Indonesian.
// The sentence for a browser without WebAssembly is in the page's markup, as
// nothing of the core can be read without it.

#include <string_view>

namespace PageTexts {

inline constexpr std::string_view kPictureName = "Gambar bangun ruang";
inline constexpr std::string_view kProgramEnded
    = "Program RUVEX Display 3D sudah ditutup. Tab ini boleh ditutup sekarang.";

} // namespace PageTexts
