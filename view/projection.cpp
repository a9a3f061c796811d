#include "view/projection.h"

#include "platform/picturebox.h"

#include <cmath>

ProjectionSettings projectionSettings(const PictureBox& area, const ViewState& state)
{
    return {area.ScaleWidth(), area.ScaleHeight(),    area.Width(),
            area.Height(),     state.PerspectiveFlag, state.PerspectiveDistance};
}

ViewProjection::Rotation ViewProjection::rotationFor(float position, float half)
{
    const auto angle = static_cast<float>(((position - half) / half) * kAngleFactor);
    return {std::cos(static_cast<double>(angle)), std::sin(static_cast<double>(angle))};
}

ViewProjection::ViewProjection(const ProjectionSettings& settings, float x, float y)
    : m_settings(settings)
{
    if (settings.scaleWidth == 0 || settings.scaleHeight == 0)
        return;
    m_usable = true;
    const auto halfWidth = static_cast<float>(settings.scaleWidth) / 2.0f;
    const auto halfHeight = static_cast<float>(settings.scaleHeight) / 2.0f;
    m_horizontal = rotationFor(x, halfWidth);
    m_vertical = rotationFor(y, halfHeight);
    m_centreX = static_cast<float>(settings.outerWidth) / 2.0f;
    m_centreY = static_cast<float>(settings.outerHeight) / 2.0f;
    m_perspective = settings.perspectiveFlag == 1;
    m_distance = settings.perspectiveDistance;
}

void projectGridPoints(PointGrid& grid, const ProjectionSettings& settings, float x, float y)
{
    projectGridPoints(grid, ViewProjection(settings, x, y));
}

void projectGridPoints(PointGrid& grid, const ViewProjection& projection)
{
    if (!projection.usable())
        return;
    const int rows = grid.WorldX.rows();
    const int cols = grid.WorldX.cols();
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            const ProjectedPoint point
                = projection.project(grid.WorldX(j, i), grid.WorldY(j, i), grid.WorldZ(j, i));
            grid.ScreenX(j, i) = point.x;
            grid.ScreenY(j, i) = point.y;
        }
    }
}
