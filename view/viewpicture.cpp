#include "view/viewpicture.h"

#include "view/picturelines.h"
#include "view/projection.h"

#include <algorithm>
#include <array>
#include <cstring>

std::vector<WireframePolyline> viewPolylines(const PointGrid& grid, const ViewState& state,
                                             const PictureBox& area, const PictureOptions& options)
{
    if (options == PictureOptions{})
        return wireframePolylines(grid, state.GridCols, state.GridRows);
    return picturePolylines(grid, state, projectionSettings(area, state), options);
}

ViewPolylinesMemo::Inputs ViewPolylinesMemo::inputsOf(const PointGrid& grid, const ViewState& state,
                                                      const PictureBox& area, const PictureOptions& options)
{
    Inputs inputs{{}, state.GridCols, state.GridRows, projectionSettings(area, state), options};
    const std::array<const SingleGrid*, 5> arrays{&grid.WorldX, &grid.WorldY, &grid.WorldZ, &grid.ScreenX,
                                                  &grid.ScreenY};
    inputs.bits.reserve(3 + arrays.size() * (1 + grid.WorldX.size()));
    const auto append = [&inputs](float value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        inputs.bits.push_back(bits);
    };
    for (const float value : {state.MouseX, state.MouseY, state.ShapeSize})
        append(value);
    for (const SingleGrid* values : arrays) {
        inputs.bits.push_back(static_cast<std::uint32_t>(values->cols()));
        std::for_each(values->data(), values->data() + values->size(), append);
    }
    return inputs;
}

const std::vector<WireframePolyline>& ViewPolylinesMemo::lines(const PointGrid& grid, const ViewState& state,
                                                               const PictureBox& area,
                                                               const PictureOptions& options)
{
    Inputs inputs = inputsOf(grid, state, area, options);
    if (m_inputs != inputs) {
        m_lines = viewPolylines(grid, state, area, options);
        m_inputs = std::move(inputs);
    }
    return m_lines;
}
