#pragma once
// Two teaching aids a picture can be drawn with, both off unless asked for:
// the grid lines the surface hides drawn dashed ("Garis Belakang
// Putus-putus"), and the x, y and z axes through the origin ("Sumbu
// Koordinat"). With both off every picture is the plain wireframe.
//
// Only the switches and the sizes they draw with; picturelines.h makes the
// lines.

struct PictureOptions {
    bool dashedBackLines = false;
    bool axes = false;
    friend bool operator==(const PictureOptions&, const PictureOptions&) = default;
};

// Dash and gap of a hidden line, in drawing-area pixels: a picture drawn
// larger scales them with its pens, so it keeps the same look. Equal, so a
// dashed line keeps half its length.
inline constexpr float kDashLength = 4.0f;
inline constexpr float kDashGap = 4.0f;

// The axes reach this many times the shape's size from the origin each way.
inline constexpr float kAxisReach = 1.3f;
