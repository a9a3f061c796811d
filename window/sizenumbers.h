#pragma once
// "Ukuran Bangun": the worked numbers of a school solid, as a kelas IX
// worksheet writes them, one line per quantity: "Nama = rumus = substitusi =
// hasil satuan", the result with two decimals and a decimal comma, π taken
// as the student chose it. Every front end and the command line show these
// same lines; the sentences shown instead of them are here too.

#include "surface/schoolsolid.h"

#include <string>
#include <string_view>
#include <vector>

// The value of π a worksheet works with.
enum class SchoolPi { TwentyTwoSevenths, ThreePointFourteen };

// "22/7" or "3,14", as the substitutions and the choice write it.
std::string_view schoolPiText(SchoolPi pi);
double schoolPiValue(SchoolPi pi);

namespace SizeTexts {

// For a shape that is none of the four.
inline constexpr std::string_view kOtherShape
    = "Ukuran hanya dapat diatur untuk Bola, Setengah Bola, Kerucut dan Tabung.";
inline constexpr std::string_view kBolaHasNoNet = "Bola tidak mempunyai jaring-jaring";
inline constexpr std::string_view kSetengahBolaHasNoNet = "Setengah bola tidak mempunyai jaring-jaring";

} // namespace SizeTexts

// The solid's worked lines, in the order a worksheet asks for them: for the
// tabung Luas alas, Keliling alas, Luas selimut, Luas permukaan, Volume and
// the net's Panjang selimut; for the kerucut Garis pelukis, Luas alas, Luas
// selimut, Luas permukaan, Volume and the net's Sudut juring; for the bola
// Luas permukaan and Volume; for the setengah bola Luas lengkung, Luas
// permukaan and Volume. Empty for any other shape.
std::vector<std::string> workedLines(const SchoolSolid& solid, SchoolPi pi);

// The sentence shown where the net's bar is disabled (the bola and the
// setengah bola); empty for a solid with a net.
std::string_view noNetSentence(int shapeIndex);

// The volume and surface area alone: "Volume = 1540,00 cm³, Luas permukaan =
// 748,00 cm²". Empty for any other shape.
std::string sizeResults(const SchoolSolid& solid, SchoolPi pi);

// The numbers a projector's caption shows: "Tabung: Volume = 1540,00 cm³,
// Luas permukaan = 748,00 cm²". Empty for any other shape.
std::string sizeCaption(const SchoolSolid& solid, SchoolPi pi);
