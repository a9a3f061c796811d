#pragma once
// The seven classical solids' formulas, written here again rather than taken
// from the program, so that the plane-section tests find their curves
// independently (checked against the program's grid in tst_planesection).

#include <cmath>
#include <numbers>

struct Point3 {
    double x, y, z;
};

// The solid's point at the outer angle a and inner angle b, in degrees, with
// size 100 and stretch factor k (shapes 0..6).
inline Point3 cataloguePoint(int shape, double k, double a, double b)
{
    constexpr double kSize = 100.0;
    const double u = a * std::numbers::pi / 180.0;
    const double v = b * std::numbers::pi / 180.0;
    const double h = (a - 180.0) / 2.0;
    const double su = std::sin(u);
    const double cu = std::cos(u);
    switch (shape) {
    case 0:
        return {kSize * su * std::cos(v), kSize * su * std::sin(v), k * kSize * cu};
    case 1:
        return {k * kSize * su * std::cos(v), kSize * su * std::sin(v), h};
    case 2:
    case 3: {
        const double rho = shape == 2 ? h * kSize * h / 10000.0 + 25.0 : h * kSize / 100.0;
        return {rho * std::cos(v), k * rho * std::sin(v), h};
    }
    case 4:
        return {kSize * su * std::cos(v), kSize * su * std::sin(v), k * kSize * cu * cu};
    case 5:
        return {kSize * su * std::cos(v), kSize * su * std::sin(v), k * kSize * std::fabs(cu)};
    default:
        return {kSize * std::cos(v), k * kSize * std::sin(v), h};
    }
}
