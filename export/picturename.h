#pragma once
// The name a picture is written under, from the name the user gave, for both
// front ends: the kind's rule applied ("Save Gambar" forces ".bmp" as
// ForceExtension does, "Ekspor Gambar…" takes the type from the chosen filter
// or the typed extension as exportTarget does; the command line writes the
// name as given), and the names refused that would leave no visible name: an
// empty one, one of dots only, one that starts with a dot (a hidden file, or
// for the bitmap nothing but ".bmp"), one with nothing visible before its
// extension (only spaces and characters that leave no mark, such as U+200B,
// U+00A0, U+3000, U+2800 or U+FEFF: export/escapedtext.h's showsNothing).
// Every front end (the window's dialogs, the page's name boxes, the command
// line) names its files here, so one rule holds on all of them.
//
// The window's dialog answers a path, whose file-name part the rule looks
// at. The page's name box takes a bare file name, as the browser's downloads
// have no folder to choose: there a folder separator ("/" or "\") is refused
// too, instead of the page quietly dropping what stands before it.
//
// Text only, on UTF-8: whether the name's characters and length are allowed
// and what it is on disk is export/savetarget.h's (refuseName,
// vetSaveTarget), which both front ends ask next.

#include "export/picturetypes.h"

#include <cstddef>
#include <cstdint>
#include <string>

enum class NameForm {
    Path,     // the window's dialog: a folder, then the file's name
    BareName, // the page's name box: the file's name alone
};

struct PictureName {
    std::string path;     // the name to write; the name as given when it is refused
    std::size_t type = 0; // index into kExportTypes; 0 for the bitmap
    PictureFormat format = PictureFormat::Bitmap;
    std::string refusal; // empty when the name is taken; otherwise why not, in Indonesian

    bool refused() const { return !refusal.empty(); }
};

// "Save Gambar": `chosen` with ".bmp" forced.
PictureName savedPictureName(const std::string& chosen, NameForm form);

// "Ekspor Gambar…": `chosen` with the type of `filterIndex` (1-based, as the
// dialog reports it) or of its own extension.
PictureName exportedPictureName(const std::string& chosen, std::int32_t filterIndex, NameForm form);

// The command line's --export: `given`, which ends in the extension of a
// picture type (formatOfPath), is written as it is, never changed; the type
// is the extension's (the bitmap's index is 0).
PictureName givenPictureName(const std::string& given);
