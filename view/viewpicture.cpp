#include "view/viewpicture.h"

#include <array>
#include <cstring>
#include <iterator>
#include <utility>

void PictureLinesMemo::noteInputs(const PointGrid& grid, const ViewState& state, const PictureBox& area,
                                  const PictureOptions& options, Inputs& inputs)
{
    inputs.cols = state.GridCols;
    inputs.rows = state.GridRows;
    inputs.settings = projectionSettings(area, state);
    inputs.options = options;
    // The shape and aspect choose a section's curve.
    const float view[] = {state.MouseX, state.MouseY, state.ShapeSize, static_cast<float>(state.ShapeIndex),
                          state.AspectFactor};
    const std::array<const SingleGrid*, 5> arrays{&grid.WorldX, &grid.WorldY, &grid.WorldZ, &grid.ScreenX,
                                                  &grid.ScreenY};
    std::size_t size = std::size(view);
    for (const SingleGrid* values : arrays)
        size += 1 + values->size();
    inputs.bits.resize(size);
    std::uint32_t* at = inputs.bits.data();
    const auto copy = [&at](const float* values, std::size_t count) {
        if (count > 0)
            std::memcpy(at, values, count * sizeof(float));
        at += count;
    };
    copy(view, std::size(view));
    for (const SingleGrid* values : arrays) {
        *at++ = static_cast<std::uint32_t>(values->cols());
        copy(values->data(), values->size());
    }
}

const std::vector<WireframePolyline>& PictureLinesMemo::lines(const PointGrid& grid, const ViewState& state,
                                                              const PictureBox& area,
                                                              const PictureOptions& options)
{
    noteInputs(grid, state, area, options, m_asked);
    if (m_asked != m_inputs) {
        const PlaneSection* cut = options.section ? &section(state, options.section->plane) : nullptr;
        m_lines = makePictureLines(grid, state, m_asked.settings, options, std::move(m_lines), cut);
        std::swap(m_inputs, m_asked);
    }
    return m_lines;
}
