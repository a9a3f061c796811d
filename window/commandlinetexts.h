#pragma once
// The command line's own sentences: the refusals of arguments that are
// wrong as a whole (an unknown option, a value missing or given to a
// switch, an option that does nothing alone), the version line and the
// notice that standard output took nothing. A refused value is told by
// viewsettings.h's sentences, a file that could not be written by
// export/savetexts.h's. UTF-8, Indonesian; "%1" and "%2" are filled in by
// SaveTexts::fillIn, in one pass.

#include <string_view>

namespace CommandLineTexts {

// %1 the option as typed, %2 the program's name.
inline constexpr std::string_view kUnknownOption
    = "pilihan %1 tidak dikenal; pilihan yang ada tercantum di \"%2 --help\".";
// %1 the option, %2 what its value must be.
inline constexpr std::string_view kMissingValue = "pilihan %1 memerlukan nilai: %2.";
inline constexpr std::string_view kSwitchGivenValue = "pilihan %1 tidak menerima nilai.";
// Anything else the parser cannot read; %1 the program's name.
inline constexpr std::string_view kUnreadable
    = "argumen tidak dapat dibaca; pilihan yang ada tercantum di \"%1 --help\".";
// %1 the argument, each stray byte shown as \xNN.
inline constexpr std::string_view kNotUtf8 = "argumen \"%1\" bukan teks UTF-8 yang sah; nama file dan nilai "
                                             "pilihan harus ditulis dalam UTF-8.";
// %1 the first argument that is no option.
inline constexpr std::string_view kOpensNoFile
    = "program ini tidak membuka file (\"%1\"); gambar ditulis dengan --export FILE.";
inline constexpr std::string_view kNothingToDo = "tidak ada yang dikerjakan; gambar ditulis dengan --export "
                                                 "FILE, dan tanpa argumen jendela program dibuka.";
inline constexpr std::string_view kScaleWithoutExport
    = "pilihan --scale hanya berlaku bersama --export FILE.";
inline constexpr std::string_view kScaleOnlyForPng
    = "--scale di atas 1 hanya untuk file .png; gambar .bmp dan .svg selalu seukuran bidang gambar.";
inline constexpr std::string_view kSectionInfoWithoutSection
    = "pilihan --section-info hanya berlaku bersama --section SUDUT,JARAK.";
// What --export's value must be.
inline constexpr std::string_view kExportRange = "nama file yang berakhiran .bmp, .png atau .svg";
// %1 the program's name, %2 its version.
inline constexpr std::string_view kVersion = "%1 (RUVEX Display 3D) %2\n";
// %1 the program's name.
inline constexpr std::string_view kOutputNotWritten = "%1: teks tidak dapat ditulis ke keluaran standar.\n";

} // namespace CommandLineTexts
