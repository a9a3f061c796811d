#pragma once
// The texts of "Save Gambar" and "Ekspor Gambar…" that both front ends show:
// the dialogs' titles, the message box's title, the messages of a refused
// name and of a file that could not be written (templates with %1 for the
// name and %2 for the reason, and the functions that fill them in with the
// name's controls escaped), the question before a file is replaced, the
// failed encoding, and the captions of the page's own name dialog. UTF-8,
// Indonesian as every text the user meets. Only texts: which name is
// refused, and why, is decided in export/picturename.h and
// export/savetarget.h.

#include "export/picturetypes.h"

#include <string>
#include <string_view>

namespace SaveTexts {

inline constexpr std::string_view kSaveDialogTitle = "Save Gambar Bangun Ruang *.bmp";
// The save dialog's filter, as OSDialog takes it.
inline constexpr std::string_view kSaveDialogFilter = "Save Gambar Bangun Ruang|*.bmp";
inline constexpr std::string_view kExportDialogTitle = "Ekspor Gambar Bangun Ruang";
// The title of every message about saving or exporting.
inline constexpr std::string_view kMessageTitle = "Save Gambar";
inline constexpr std::string_view kRefusedName = "Gambar tidak disimpan dengan nama\n%1\n\n%2";
inline constexpr std::string_view kNotWritten = "Gambar tidak dapat disimpan ke file\n%1\n\n%2";
// The question before a file is replaced, and its answers.
inline constexpr std::string_view kReplaceQuestion = "File %1 sudah ada.\nApakah file itu akan diganti?";
inline constexpr std::string_view kReplaceThroughLinkQuestion
    = "%1 adalah tautan ke file %2, yang sudah ada.\nApakah file %2 akan diganti?";
inline constexpr std::string_view kYesButton = "Ya";
inline constexpr std::string_view kNoButton = "Tidak";
inline constexpr std::string_view kOkButton = "OK";
// A picture that could not be encoded; %1 is the kind of file.
inline constexpr std::string_view kNotEncoded = "Gambar tidak dapat diubah menjadi file %1.";
// The command line's one line for a file it could not write: %1 the file,
// %2 the reason.
inline constexpr std::string_view kFileNotWrittenLine = "gambar tidak dapat ditulis ke file %1. %2";
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

// The messages as shown: `name` is the user's and is shown escaped
// (export/escapedtext.h), so that no control in it changes how the message
// reads; `reason` is the program's own sentence and is shown as it is.
std::string refusedNameMessage(std::string_view name, std::string_view reason);
std::string notWrittenMessage(std::string_view name, std::string_view reason);

// The question before the regular file `real` is replaced; `chosen` is the
// name the user gave, a link to `real` when the two differ.
std::string replaceQuestion(std::string_view chosen, std::string_view real);

// Why a picture could not be encoded as `format`.
std::string encodingFailure(PictureFormat format);

} // namespace SaveTexts
