#include "surface/shapecatalogue.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<std::string_view, 7> kDescriptions = {
    "Sebuah Bola yang titik pusatnya di P(a,b,c) dan Jari-jarinya r. Adalah Tempat Kedudukan "
    "Titik-Titik yang Berjarak r dari P",
    "Ellipsoida Adalah Luasan yang Terjadi Oleh Suatu Ellips yang Letak dan Besarnya Berubah "
    "Menurut Suatu Aturan Tertentu",
    "Hyperboloida Adalah Luasan yang Terjadi Oleh Suatu Hyperbola yang Letak dan Besarnya "
    "Berubah Menurut Suatu Aturan Tertentu",
    "Suatu Kerucut Terjadi, Jika Suatu Garis Lurus yang Melalui Suatu Titik Tetap, Bergerak "
    "Sedemikian, Hingga Selalu Memotong Suatu Garis. Garis Ini Disebut Garis Arah, Sedangkan "
    "Garis yang Bergerak disebut Garis Pelukis Kerucut",
    "Paraboloida Adalah Luasan yang Terjadi Oleh Suatu Parabola yang Letak dan Besarnya Berubah "
    "Menurut Suatu Aturan Tertentu",
    "----------------",
    "(Bidang) Tabung adalah Suatu Luasan yang Terjadi oleh Suatu Garis Lurus yang Bergerak "
    "Sedemikian, Hingga Arahnya Tetap",
};

constexpr int kSteps = kGridSize; // 0, 15, ..., 360 degrees
constexpr float kStepDegrees = 15.0f;

// Sines and cosines of one parameter angle, taken of the angle rounded to a
// single as the formulas use it.
struct Angle {
    double sin = 0.0;
    double cos = 0.0;
};

Angle angleOf(float degrees)
{
    const auto radians = static_cast<float>(degrees * kDegreesToRadians);
    return {std::sin(static_cast<double>(radians)), std::cos(static_cast<double>(radians))};
}

// Cup, stem and foot: a cup growing with sqrt(h) above the middle, a thin
// stem below it and a wide foot in the two lowest rows.
double cupAndStemRadius(double h, double r)
{
    if (h >= 0.0)
        return std::sqrt(h) * r / 15.0;
    if (h > -80.0)
        return 2.0;
    return r / 2.0;
}

// A flat rim in the middle row, rows near it pulled onto the axis, two bells
// at the ends.
double rimAndAxisRadius(double h, double r)
{
    const double t = std::sqrt(std::fabs(h)) * r / 20.0;
    if (t == 0.0)
        return r;
    if (t >= 30.0)
        return t;
    return 0.0;
}

// Revolves a radius about z, stretching y by k.
WorldPoint revolve(double rho, const Angle& v, double k, double h)
{
    return {rho * v.cos, k * rho * v.sin, h};
}

std::optional<WorldPoint> shapePoint(int index, const Angle& u, const Angle& v, double h, double r, double k)
{
    switch (index) {
    case 0:
        return WorldPoint{r * u.sin * v.cos, r * u.sin * v.sin, k * r * u.cos};
    case 1:
        return WorldPoint{k * r * u.sin * v.cos, r * u.sin * v.sin, h};
    case 2:
        return revolve(h * r * h / 10000.0 + 25.0, v, k, h);
    case 3:
        return revolve(h * r / 100.0, v, k, h);
    case 4:
        return WorldPoint{r * u.sin * v.cos, r * u.sin * v.sin, k * r * u.cos * u.cos};
    case 5:
        return WorldPoint{r * u.sin * v.cos, r * u.sin * v.sin, k * r * std::fabs(u.cos)};
    case 6:
        return WorldPoint{r * v.cos, k * r * v.sin, h};
    case 7:
        return revolve(cupAndStemRadius(h, r), v, k, h);
    case 9:
        return WorldPoint{r * u.sin, k * r * u.sin, h};
    case 10:
        return WorldPoint{r * u.sin * v.cos / 2.0, r * u.sin, k * r * u.cos * u.cos};
    case 11:
        return revolve(r * u.cos, v, k, h);
    case 12:
        return revolve(rimAndAxisRadius(h, r), v, k, h);
    case 13: {
        const double tube = 1.0 + v.cos / 2.0;
        return WorldPoint{r * u.cos * tube, r * u.sin * tube, k * r * v.sin / 2.0};
    }
    case 14:
        return WorldPoint{r * u.sin * v.cos, r * u.sin * v.sin, u.sin * u.sin * u.sin * k * r * u.cos};
    default:
        return std::nullopt;
    }
}

// The inclined plane z = x + y, laid out by its own loops over the grid's
// extents; neither size nor stretch enters it.
void fillFlatSurface(PointGrid& grid, const ViewState& state)
{
    for (int i = 1; i <= state.GridRows; ++i) {
        for (int j = 1; j <= state.GridCols; ++j) {
            grid.WorldX(j, i) = static_cast<float>(8 * j - 80);
            grid.WorldY(j, i) = static_cast<float>(8 * i - 80);
            grid.WorldZ(j, i) = static_cast<float>(8 * (i + j) - 160);
        }
    }
}

constexpr int kFlatSurface = 8;

} // namespace

std::string_view shapeCaption(int index)
{
    if (index < 0 || index >= kShapeCount)
        return {};
    return kShapeCaptions[static_cast<std::size_t>(index)];
}

std::optional<std::string_view> shapeDescription(int index)
{
    if (index < 0 || index >= static_cast<int>(kDescriptions.size()))
        return std::nullopt;
    return kDescriptions[static_cast<std::size_t>(index)];
}

std::optional<std::string_view> fillShapePoints(PointGrid& grid, const ViewState& state)
{
    const int index = state.ShapeIndex;
    if (index == kFlatSurface) {
        fillFlatSurface(grid, state);
        return std::nullopt;
    }

    std::array<Angle, kSteps> angles;
    for (int step = 0; step < kSteps; ++step)
        angles[static_cast<std::size_t>(step)] = angleOf(kStepDegrees * static_cast<float>(step));

    const double r = state.ShapeSize;
    const double k = state.AspectFactor;
    for (int i = 1; i <= kSteps; ++i) {
        const float outerDegrees = kStepDegrees * static_cast<float>(i - 1);
        const auto h = static_cast<float>((static_cast<double>(outerDegrees) - 180.0) / 2.0);
        const Angle& u = angles[static_cast<std::size_t>(i - 1)];
        for (int j = 1; j <= kSteps; ++j) {
            const Angle& v = angles[static_cast<std::size_t>(j - 1)];
            // An index without a formula leaves the working values at zero.
            const WorldPoint p = shapePoint(index, u, v, h, r, k).value_or(WorldPoint{});
            grid.WorldX(j, i) = static_cast<float>(p.x);
            grid.WorldY(j, i) = static_cast<float>(p.y);
            grid.WorldZ(j, i) = static_cast<float>(p.z);
        }
    }
    return shapeDescription(index);
}
