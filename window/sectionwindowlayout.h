#pragma once
// The window "Irisan Bidang" that both front ends show beside the main
// window while a plane section is drawn: its names, captions, the ranges and
// start values of its two scroll bars ("Kemiringan" θ, "Jarak" d), the
// check box "Tampilkan Bidang", and how their values are written. The
// desktop lays it out with the toolkit, the page as a dialog; what each
// control does is Form1Model's.

#include "surface/planesection.h"

#include <string>
#include <string_view>

namespace SectionWindowLayout {

inline constexpr std::string_view kName = "frmIrisan";
inline constexpr std::string_view kCaption = "Irisan Bidang";
// The main window's menu item that opens it.
inline constexpr std::string_view kMenuItem = "mnuIrisan";

struct BarDescription {
    std::string_view name;
    std::string_view caption;
    int min;
    int max;
    int smallChange;
    int largeChange;
    int start;
};
inline constexpr BarDescription kTilt{
    "hsbKemiringan", "Kemiringan", kMinSectionTilt, kMaxSectionTilt, 1, 15, 0};
// A horizontal plane halfway up: every solid is cut in a circle at first.
inline constexpr BarDescription kDistance{"hsbJarak", "Jarak", kMinSectionDistance, kMaxSectionDistance, 1,
                                          10,         50};

// The buttons beside each bar that move it by one small change, for a finger
// or a pointer that cannot hit a single degree on the bar: their captions,
// and their accessible names ("Kurangi Kemiringan", "Tambah Jarak").
inline constexpr std::string_view kDecreaseCaption = "\xe2\x88\x92";
inline constexpr std::string_view kIncreaseCaption = "+";
std::string decreaseName(const BarDescription& bar);
std::string increaseName(const BarDescription& bar);
// `value` moved by `steps` small changes, kept within the bar's range.
int steppedValue(const BarDescription& bar, int value, int steps);

// The view the window turns a solid to when it opens on a shape still seen
// from its first position (0, 0), where every plane of θ = 0 is seen edge-on
// and every section looks like a straight line: the oblique view the
// worksheets use.
inline constexpr float kOpeningViewX = 170.0f;
inline constexpr float kOpeningViewY = 160.0f;

inline constexpr std::string_view kOutlineName = "chkBidang";
inline constexpr std::string_view kOutlineCaption = "Tampilkan Bidang";
inline constexpr std::string_view kSolidName = "txtBangun";
inline constexpr std::string_view kSolidCaption = "Persamaan bangun:";
inline constexpr std::string_view kSectionName = "txtIrisan";
inline constexpr std::string_view kSectionCaption = "Irisan:";
inline constexpr std::string_view kCloseCaption = "Tutup";
// The plane's equation, above the bars.
inline constexpr std::string_view kPlaneEquation = "Bidang: x\xc2\xb7"
                                                   "sin \xce\xb8 + z\xc2\xb7"
                                                   "cos \xce\xb8 = d";

// "θ = 30°" and "d = −40", as the values are shown beside their bars.
std::string tiltText(int degrees);
std::string distanceText(int distance);

} // namespace SectionWindowLayout
