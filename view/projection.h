#pragma once
// Turns the world points of the grid into drawing-area pixels for one pointer
// position: two rotations whose angles come from the pointer's offset from
// the interior centre, an optional perspective division, centring on the
// outer centre and a clamp to -1000..1000.
//
// Pure arithmetic on the grid: it neither draws nor stores the position.

#include "surface/pointgrid.h"
#include "surface/viewstate.h"

#include <cmath>
#include <cstdint>

class PictureBox;

// The factor that turns a pointer offset (as a fraction of the half size)
// into an angle; a seven-decimal constant, not full-precision pi.
inline constexpr double kAngleFactor = -3.1415927;
inline constexpr float kScreenLimit = 1000.0f;

struct ProjectionSettings {
    // Drawing-area interior, whose centre is the rotation centre.
    int scaleWidth = 0;
    int scaleHeight = 0;
    // Drawing-area outer size, whose centre is the drawing centre.
    int outerWidth = 0;
    int outerHeight = 0;
    // Perspective applies only when the flag equals 1.
    std::int32_t perspectiveFlag = 0;
    float perspectiveDistance = 0.0f;
    friend bool operator==(const ProjectionSettings&, const ProjectionSettings&) = default;
};

// The settings of a drawing area and the view's perspective, as every redraw
// projects with them.
ProjectionSettings projectionSettings(const PictureBox& area, const ViewState& state);

// One view's rotation, perspective and centring, applied to single world
// points: the projection of the grid and of anything drawn with it (the
// coordinate axes) and the depth toward the eye that decides what the surface
// hides all come from here, so they cannot disagree.
struct ProjectedPoint {
    float x = 0.0f; // screen, clamped
    float y = 0.0f;
    float depth = 0.0f; // after rotation; larger is nearer the eye
};

class ViewProjection {
public:
    ViewProjection(const ProjectionSettings& settings, float x, float y);

    // False for a zero-sized interior, which projects nothing.
    bool usable() const { return m_usable; }
    // What it was made from, so a memory of lines can tell one view from another.
    const ProjectionSettings& settings() const { return m_settings; }
    bool perspective() const { return m_perspective; }
    double distance() const { return m_distance; }

    ProjectedPoint project(double wx, double wy, double wz) const
    {
        double h = m_horizontal.cosine * wx + m_horizontal.sine * wy;
        const double q = m_horizontal.cosine * wy - m_horizontal.sine * wx;
        const auto depth = static_cast<float>(m_vertical.cosine * q - m_vertical.sine * wz);
        double v = static_cast<float>(m_vertical.sine * q + m_vertical.cosine * wz);
        if (m_perspective) {
            const double divisor = m_distance - depth;
            // A point exactly at the eye keeps its flat position.
            if (divisor != 0.0) {
                h = m_distance * h / divisor;
                v = m_distance * v / divisor;
            }
        }
        return {toScreen(h, m_centreX), toScreen(v, m_centreY), depth};
    }

private:
    // A turn about one axis, by the pointer's offset along it.
    struct Rotation {
        double cosine = 1.0;
        double sine = 0.0;
    };
    static Rotation rotationFor(float position, float half);
    static float toScreen(double offset, float centre);

    ProjectionSettings m_settings;
    bool m_usable = false;
    bool m_perspective = false;
    double m_distance = 0.0;
    Rotation m_horizontal;
    Rotation m_vertical;
    float m_centreX = 0.0f;
    float m_centreY = 0.0f;
};

// Rewrites every ScreenX/ScreenY of grid. A zero-sized interior leaves them
// as they were. A coordinate that comes out as NaN (only possible for a
// non-finite position) is put at the drawing centre, so every stored
// coordinate is finite and within the limits.
void projectGridPoints(PointGrid& grid, const ProjectionSettings& settings, float x, float y);
// The same with the projection made already, which the view's lines then reuse.
void projectGridPoints(PointGrid& grid, const ViewProjection& projection);

// The clamp step: limits to -1000..1000, infinities by their sign.
inline float clampScreenCoordinate(float value)
{
    if (value > kScreenLimit)
        return kScreenLimit;
    if (value < -kScreenLimit)
        return -kScreenLimit;
    return value;
}

inline float ViewProjection::toScreen(double offset, float centre)
{
    const auto value = static_cast<float>(offset + centre);
    return std::isnan(value) ? centre : clampScreenCoordinate(value);
}

// Single to integer pixel: nearest, halves to even (200.5 -> 200, 201.5 -> 202).
// Runs for every point of every line, so it avoids a library call: adding
// 1.5 * 2^23 pushes the fraction out of a single, and the addition itself
// rounds halves to even. Exact for every clamped coordinate.
inline int toPixel(float value)
{
    constexpr float kRoundingBias = 12582912.0f;
    constexpr float kExactBelow = 4194304.0f; // 2^22
    if (value > -kExactBelow && value < kExactBelow) {
        const float shifted = value + kRoundingBias;
        return static_cast<int>(shifted - kRoundingBias);
    }
    return static_cast<int>(std::lrint(value));
}
