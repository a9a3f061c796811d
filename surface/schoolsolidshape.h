#pragma once
// The school solid's faces and marked parts as points in centimetres, with
// the real pi: the closed solid standing on the plane z = 0 with z up (as the
// catalogue's solids stand), the centre of its alas at the origin, and its net
// unfolding by SchoolSolid::netPercent until it lies flat in z = 0.
//
// The tabung and the kerucut first tip over an edge point of their alas
// until they lie on one side line (the first third of the way); then the
// selimut unrolls on the floor about that line, keeping every length on it,
// while the alas (and the tutup) turn down about the point where they touch
// it. The bola and setengah bola have no net.
//
// Only geometry: the picture fits, projects and draws it (view/).

#include "surface/planesection.h"
#include "surface/schoolsolid.h"

#include <string_view>
#include <vector>

enum class SolidFace { Selimut, Alas, Tutup, Bola };

// A face as a grid of points, row by row: its rows and columns are the lines
// drawn, two triangles per cell its surface. A disc is the grid of its
// centre (row 0) and its rim (row 1) over the side's angles, so it shows as
// a circle with its radii.
struct SolidPatch {
    SolidFace face = SolidFace::Selimut;
    int cols = 0;
    int rows = 0;
    std::vector<WorldPoint> points;
    const WorldPoint& at(int col, int row) const
    {
        return points[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols)
                      + static_cast<std::size_t>(col)];
    }
};

// A marked part: the polyline in red and its label ("r", "t", "s", "2πr"),
// placed beside the point that share of the way along it.
struct SolidMark {
    std::vector<WorldPoint> points;
    std::string_view label;
    float labelAt = 0.5f;
};

struct SchoolSolidShape {
    std::vector<SolidPatch> patches;
    std::vector<SolidMark> marks;
};

// The solid of `solid` as it stands at its netPercent; an index without a
// school solid gives no patches.
SchoolSolidShape schoolSolidShape(const SchoolSolid& solid);
