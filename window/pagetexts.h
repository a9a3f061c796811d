#pragma once
// The texts only the page shows, where the desktop has the system's own: the
// drawing area's name for screen readers, and the line shown when "Tutup
// Program" has ended the program but the browser keeps the tab open (a
// browser may refuse to close a page the user opened), the line shown when
// the browser's clipboard refuses a copy (no clipboard, permission denied, a
// page not served securely), and the one shown when the page's address names
// a view that cannot be opened; the names of the buttons that turn the solid
// on a touch screen. UTF-8, Indonesian.
// The sentence for a browser without WebAssembly is in the page's markup, as
// nothing of the core can be read without it.

#include <string_view>

namespace PageTexts {

inline constexpr std::string_view kPictureName = "Gambar bangun ruang";
// The installed page's name under its icon, where the caption is too long.
inline constexpr std::string_view kShortName = "RUVEX 3D";
inline constexpr std::string_view kProgramEnded
    = "Program RUVEX Display 3D sudah ditutup. Tab ini boleh ditutup sekarang.";

// "%1" is what was to be copied, as the desktop's warning names it.
inline constexpr std::string_view kClipboardRefused
    = "Papan klip peramban tidak dapat menerima %1, jadi %1 tidak tersalin.";
inline constexpr std::string_view kCopiedPicture = "gambar";
inline constexpr std::string_view kCopiedViewCode = "kode tampilan";
// "Bagikan Gambar" when the browser could not hand the picture on (a cancel
// is not told).
inline constexpr std::string_view kShareFailed
    = "Peramban tidak dapat membagikan gambar, jadi gambar tidak terbagikan.";
// Followed by the sentence refusing the address's setting.
inline constexpr std::string_view kAddressRefused
    = "Tampilan dari alamat halaman tidak dapat dibuka; halaman dibuka pada tampilan awal.";
// The same for an address edited while the page is open: the view stays.
inline constexpr std::string_view kEditedAddressRefused
    = "Tampilan dari alamat halaman tidak dapat dibuka; tampilan tidak berubah.";

// The buttons a touch screen turns the solid with, each as its arrow key
// over the picture does; the one back to the front view is named as its
// menu item, "Tampilan Awal".
inline constexpr std::string_view kTurnLeft = "Putar ke kiri";
inline constexpr std::string_view kTurnRight = "Putar ke kanan";
inline constexpr std::string_view kTurnUp = "Putar ke atas";
inline constexpr std::string_view kTurnDown = "Putar ke bawah";

} // namespace PageTexts
