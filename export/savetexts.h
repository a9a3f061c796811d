#pragma once
// The texts of "Save Gambar" and "Ekspor Gambar…" that both front ends show:
// the dialogs' titles, the message box's title, the messages of a refused
// name and of a file that could not be written (templates with %1 for the
// name and %2 for the reason), and the captions of the page's own name
// dialog. UTF-8, Indonesian as every text the user meets. Only texts: which
// name is refused, and why, is decided in export/savetarget.h.

#include <string>
#include <string_view>

namespace SaveTexts {

inline constexpr std::string_view kSaveDialogTitle = "Save Gambar Bangun Ruang *.bmp";
inline constexpr std::string_view kExportDialogTitle = "Ekspor Gambar Bangun Ruang";
// The title of every message about saving or exporting.
inline constexpr std::string_view kMessageTitle = "Save Gambar";
inline constexpr std::string_view kRefusedName = "Gambar tidak disimpan dengan nama\n%1\n\n%2";
inline constexpr std::string_view kNotWritten = "Gambar tidak dapat disimpan ke file\n%1\n\n%2";
// Why the page could not hand a file to the browser's downloads.
inline constexpr std::string_view kBrowserRefused = "Peramban tidak dapat membuat file unduhan.";

// The page's name dialog, where the desktop has the system's file dialog.
inline constexpr std::string_view kNameCaption = "Nama file:";
inline constexpr std::string_view kTypeCaption = "Jenis file:";
inline constexpr std::string_view kSaveButton = "Simpan";
inline constexpr std::string_view kExportButton = "Ekspor";
inline constexpr std::string_view kCancelButton = "Batal";

// `pattern` with every %1 replaced by `first` and every %2 by `second`, in
// one pass, so a name holding "%2" stays as typed.
inline std::string fillIn(std::string_view pattern, std::string_view first, std::string_view second)
{
    std::string text;
    for (std::size_t n = 0; n < pattern.size(); ++n) {
        const bool marker = pattern[n] == '%' && n + 1 < pattern.size();
        if (marker && pattern[n + 1] == '1') {
            text += first;
            ++n;
        } else if (marker && pattern[n + 1] == '2') {
            text += second;
            ++n;
        } else {
            text += pattern[n];
        }
    }
    return text;
}

} // namespace SaveTexts
