#pragma once
// The window "Ukuran Bangun" that both front ends show beside the main
// window (a bottom sheet on a phone) while a school solid is drawn with the
// sizes a student sets: its names and captions, the ranges and start values
// of its bars ("Jari-jari" r, "Tinggi" t, "Buka Jaring-jaring"), the choice
// of π, and how the values are written. The desktop lays it out with the
// toolkit, the page as a dialog; what each control does is Form1Model's.
// "Irisan Bidang" and this window are alternatives: opening one closes the
// other.

#include "window/sectionwindowlayout.h"
#include "window/sizenumbers.h"

#include <array>
#include <string>
#include <string_view>

namespace SizeWindowLayout {

using SectionWindowLayout::BarDescription;

inline constexpr std::string_view kName = "frmUkuran";
inline constexpr std::string_view kCaption = "Ukuran Bangun";
// The main window's menu item that opens it.
inline constexpr std::string_view kMenuItem = "mnuUkuran";

// In whole centimetres; the window opens at r = 7, t = 10, the closed solid.
inline constexpr BarDescription kRadius{"hsbJariJari", "Jari-jari", 1, 50, 1, 5, 7};
inline constexpr BarDescription kHeight{"hsbTinggi", "Tinggi", 1, 100, 1, 10, 10};
inline constexpr BarDescription kNet{"hsbJaring", "Buka Jaring-jaring", 0, 100, 1, 10, 0};

// The choice of π, its buttons optPi(0) and optPi(1) in SchoolPi's order.
inline constexpr std::string_view kPiName = "optPi";
// The two π buttons' group, as a screen reader names it.
inline constexpr std::string_view kPiCaption = "Nilai \u03c0";
inline constexpr std::array<std::string_view, 2> kPiCaptions = {"\u03c0 = 22/7", "\u03c0 = 3,14"};
inline constexpr std::string_view kNumbersName = "txtHitungan";
// The line said instead of what a shape has not (a bola's net, another shape's sizes).
inline constexpr std::string_view kNoticeName = "lblCatatan";
// The worked numbers' box, as a screen reader names it.
inline constexpr std::string_view kNumbersCaption = "Hitungan";
inline constexpr std::string_view kCloseCaption = "Tutup";

// Opened on a solid still at its first position (0, 0), seen exactly from
// the side, the window turns it to the oblique view the worksheets use, as
// "Irisan Bidang" does.
inline constexpr float kOpeningViewX = SectionWindowLayout::kOpeningViewX;
inline constexpr float kOpeningViewY = SectionWindowLayout::kOpeningViewY;

// "r = 7 cm", "t = 10 cm" and "50 %", as the values are shown beside their
// bars.
std::string radiusText(int radius);
std::string heightText(int height);
std::string netText(int percent);

} // namespace SizeWindowLayout
