#include "view/projection.h"

#include <cmath>

namespace {

struct Rotation {
    double cosine = 1.0;
    double sine = 0.0;
};

Rotation rotationFor(float position, float half)
{
    const auto angle = static_cast<float>(((position - half) / half) * kAngleFactor);
    return {std::cos(static_cast<double>(angle)), std::sin(static_cast<double>(angle))};
}

float toScreen(double offset, float centre)
{
    const auto value = static_cast<float>(offset + centre);
    return std::isnan(value) ? centre : clampScreenCoordinate(value);
}

} // namespace

ProjectionSettings projectionSettings(const DrawingSurface& area, const ViewState& state)
{
    return {area.ScaleWidth(), area.ScaleHeight(),    area.Width(),
            area.Height(),     state.PerspectiveFlag, state.PerspectiveDistance};
}

float clampScreenCoordinate(float value)
{
    if (value > kScreenLimit)
        return kScreenLimit;
    if (value < -kScreenLimit)
        return -kScreenLimit;
    return value;
}

void calculateScreenPoints(PointGrid& grid, const ProjectionSettings& settings, float x, float y)
{
    if (settings.scaleWidth == 0 || settings.scaleHeight == 0)
        return;

    const auto halfWidth = static_cast<float>(settings.scaleWidth) / 2.0f;
    const auto halfHeight = static_cast<float>(settings.scaleHeight) / 2.0f;
    const Rotation horizontal = rotationFor(x, halfWidth);
    const Rotation vertical = rotationFor(y, halfHeight);
    const auto centreX = static_cast<float>(settings.outerWidth) / 2.0f;
    const auto centreY = static_cast<float>(settings.outerHeight) / 2.0f;
    const bool perspective = settings.perspectiveFlag == 1;
    const double distance = settings.perspectiveDistance;

    const int rows = grid.WorldX.rows();
    const int cols = grid.WorldX.cols();
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            const double wx = grid.WorldX(j, i);
            const double wy = grid.WorldY(j, i);
            const double wz = grid.WorldZ(j, i);

            double h = horizontal.cosine * wx + horizontal.sine * wy;
            const double q = horizontal.cosine * wy - horizontal.sine * wx;
            const auto depth = static_cast<float>(vertical.cosine * q - vertical.sine * wz);
            double v = static_cast<float>(vertical.sine * q + vertical.cosine * wz);

            if (perspective) {
                const double divisor = distance - depth;
                // A point exactly at the eye keeps its flat position.
                if (divisor != 0.0) {
                    h = distance * h / divisor;
                    v = distance * v / divisor;
                }
            }
            grid.ScreenX(j, i) = toScreen(h, centreX);
            grid.ScreenY(j, i) = toScreen(v, centreY);
        }
    }
}
