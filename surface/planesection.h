#pragma once
// Plane sections of the seven solids of "BANGUN RUANG": where the plane
// x·sin θ + z·cos θ = d meets the surface as the catalogue draws it (its
// formulas over their own parameter ranges, R = 100, aspect factor k), the
// curve's name and its equation in the plane's coordinates, and the solid's
// own equation.
//
// In the plane, s runs along (cos θ, 0, −sin θ) and t along (0, 1, 0), from
// the foot point d·(sin θ, 0, cos θ). The curve is computed from the
// formulas, not from the 25 × 25 grid: its vertices lie on the surface and
// its chords within 0.1 world units of the true curve (half a pixel of the
// print picture, 4 pixels a unit). Five solids are quadrics, so their
// sections are conics, named by their mathematics; "Ellipsoida (2 buah)" and
// "Hyperboloida" are not, and only their horizontal sections are conics (an
// ellipse, a circle or a point), every other one is a "kurva". A plane that
// meets the finite solid only in isolated points (touching it, or meeting
// it only where its rim ends a curve) gives a "titik", whatever curve the
// points lie on.
//
// Nothing here draws or knows a front end; texts are in
// surface/sectiontexts.h and surface/sectionequations.h.

#include "surface/pointgrid.h"

#include <array>
#include <string>
#include <vector>

// Whole degrees and whole world units; values beyond the ranges are taken
// at the nearest end.
struct SectionPlane {
    int tiltDegrees = 0; // θ, the tilt from horizontal: 0 is the plane z = d, 90 the plane x = d
    int distance = 0;    // d, from the origin
    friend bool operator==(const SectionPlane&, const SectionPlane&) = default;
};
inline constexpr int kMinSectionTilt = 0;
inline constexpr int kMaxSectionTilt = 90;
inline constexpr int kMinSectionDistance = -150;
inline constexpr int kMaxSectionDistance = 150;
// The side of the square that outlines the plane.
inline constexpr double kSectionPlaneSide = 300.0;

struct PlaneSection {
    bool available = true; // false for shapes 7–14 and numbers outside the catalogue
    bool flat = false;     // aspect factor 0: the solid is flat and nothing is drawn
    std::string name;      // SectionTexts::kCircle, …; empty when !available or flat
    // The canonical form in (s, t); for a "kurva" the solid's equation with
    // x, y and z written in s and t; empty for "tidak memotong".
    std::string equation;
    std::string solidEquation; // with R and k as numbers; empty when !available or flat
    // The curve as polylines in world coordinates. A closed piece repeats its
    // first point at the end; a piece of one point is where the plane only
    // touches the surface.
    std::vector<std::vector<WorldPoint>> pieces;

    // "<nama>: <persamaan>", the name alone for "tidak memotong", or the
    // sentence for a flat solid or a figure without sections.
    std::string line() const;
};

// aspectFactor is k as the program holds it, in float tenths 0..1.6.
PlaneSection planeSection(int shapeIndex, float aspectFactor, SectionPlane plane);

// The corners of the 300 × 300 square centred on the foot point, sides along
// s and t, in order around it.
std::array<WorldPoint, 4> sectionPlaneOutline(SectionPlane plane);
