#pragma once
// The teaching aids a picture can be drawn with, all off unless asked for:
// the grid lines the surface hides drawn dashed ("Garis Belakang
// Putus-putus"), the x, y and z axes through the origin ("Sumbu
// Koordinat"), a plane section ("Irisan Bidang") and a school solid with
// its sizes ("Ukuran Bangun"). With all off every picture is the plain
// wireframe.
//
// Only the switches and the sizes they draw with; picturelines.h makes the
// lines.

#include "surface/planesection.h"
#include "surface/schoolsolid.h"

#include <optional>

// A plane section shown with the picture ("Irisan Bidang"): the plane, and
// whether its outline is drawn ("Tampilkan Bidang").
struct SectionView {
    SectionPlane plane;
    bool outline = true;
    friend bool operator==(const SectionView&, const SectionView&) = default;
};

struct PictureOptions {
    bool dashedBackLines = false;
    bool axes = false;
    std::optional<SectionView> section = std::nullopt;
    // "Ukuran Bangun": the school solid drawn instead of the catalogue's
    // grid, with its marked parts and its net (schoolsolidpicture.h); a
    // section is not drawn with it.
    std::optional<SchoolSolid> schoolSolid = std::nullopt;
    friend bool operator==(const PictureOptions&, const PictureOptions&) = default;
};

// Dash and gap of a hidden line, in drawing-area pixels: a picture drawn
// larger scales them with its pens, so it keeps the same look. Equal, so a
// dashed line keeps half its length.
inline constexpr float kDashLength = 4.0f;
inline constexpr float kDashGap = 4.0f;

// The axes reach this many times the shape's size from the origin each way.
inline constexpr float kAxisReach = 1.3f;
