#pragma once
// The fifteen parametric shapes and the definitions of the seven classical
// solids.
//
// fillShapePoints evaluates one shape over the 25 x 25 parameter grid and
// writes every world point; it neither touches the screen arrays nor draws.
// Geometry is evaluated in double precision and stored as single.

#include "surface/pointgrid.h"
#include "surface/viewstate.h"

#include <array>
#include <optional>
#include <string_view>

inline constexpr int kShapeCount = 15;

// Degrees to radians with the program's own constant (3.1415927 / 180), not
// a full-precision value of pi.
inline constexpr double kDegreesToRadians = 0.01745329277777778;

// Button captions of Option1(0..14), also read by the main window's layout
// table (window/form1layout.h).
inline constexpr std::array<std::string_view, kShapeCount> kShapeCaptions = {
    "Bola",         "Ellipsoida (2 buah)",
    "Hyperboloida", "Kerucut",
    "Paraboloida",  "Setengah Bola",
    "Tabung",       "Hyperboloid",
    "Flat surface", "Sine wave",
    "Bendy blades", "Parabloid",
    "Semi-sphere",  "Torus",
    "Wheel",
};

std::string_view shapeCaption(int index);

// The definition shown for shapes 0..6; none for the others.
std::optional<std::string_view> shapeDescription(int index);

// Fills WorldX/Y/Z of grid for state.ShapeIndex with size state.ShapeSize and
// stretch state.AspectFactor. An index outside 0..14 gives the all-zero grid.
// Returns the description text to show, if the shape has one. The grid must be
// allocated with at least kGridSize columns and rows.
std::optional<std::string_view> fillShapePoints(PointGrid& grid, const ViewState& state);
