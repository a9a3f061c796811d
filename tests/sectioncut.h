#pragma once
// A plane section case of the section tests: a solid with its stretch
// factor, cut by the plane at a tilt and a distance.

#include "surface/planesection.h"

#include <string>

struct Cut {
    int shape;
    float k;
    int tilt;
    int distance;
};

inline std::string describe(const Cut& c)
{
    return "shape " + std::to_string(c.shape) + ", k " + std::to_string(c.k) + ", " + std::to_string(c.tilt)
        + "°, d " + std::to_string(c.distance);
}

inline PlaneSection sectionOf(const Cut& c)
{
    return planeSection(c.shape, c.k, {c.tilt, c.distance});
}
