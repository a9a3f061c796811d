#pragma once
// The texts of a plane section that every front end shows: the names of the
// curves, and the sentences shown instead of a section. UTF-8, Indonesian.
// The equations themselves are written by surface/sectionequations.h, with
// the formula signs below, which "Ukuran Bangun"'s worked numbers share.

#include <string_view>

namespace SectionTexts {

inline constexpr std::string_view kCircle = "lingkaran";
inline constexpr std::string_view kEllipse = "elips";
inline constexpr std::string_view kParabola = "parabola";
inline constexpr std::string_view kHyperbola = "hiperbola";
inline constexpr std::string_view kPoint = "titik";
inline constexpr std::string_view kLine = "garis";
inline constexpr std::string_view kParallelLines = "dua garis sejajar";
inline constexpr std::string_view kCrossingLines = "dua garis berpotongan";
// A section that is not a conic: the two solids that are not quadrics, cut
// by any plane but a horizontal one.
inline constexpr std::string_view kCurve = "kurva";
inline constexpr std::string_view kNoSection = "tidak memotong";

// With the aspect factor at 0 every solid lies flat in a plane.
inline constexpr std::string_view kFlatSolid = "Bangun pipih: tidak ada irisan";
// For the further figures, which have no sections.
inline constexpr std::string_view kUnavailable
    = "Irisan bidang hanya tersedia untuk tujuh bangun ruang pada bingkai BANGUN RUANG.";

} // namespace SectionTexts

// The signs of powers and angles, in the equations and the worked numbers alike.
namespace MathSigns {

inline constexpr std::string_view kSquared = "\u00b2";
inline constexpr std::string_view kCubed = "\u00b3";
inline constexpr std::string_view kDegree = "\u00b0";

} // namespace MathSigns
