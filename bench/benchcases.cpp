#include "benchcases.h"

#include "surface/shapecatalogue.h"
#include "view/scaledwireframe.h"

#include <cstring>

BenchScene::BenchScene()
{
    grid.allocate(kGridSize, kGridSize);
    fillShapePoints(grid, state);
    box.setOuterSize(400, 400);
}

void BenchScene::redraw(const PictureOptions& options)
{
    projectGridPoints(grid, kBenchArea, kBenchViewX, kBenchViewY);
    redrawArea(grid, state, box, options);
}

void BenchScene::lookAtView()
{
    state.MouseX = kBenchViewX;
    state.MouseY = kBenchViewY;
}

void BenchScene::turnToNextView()
{
    state.MouseX = state.MouseX == kBenchViewX ? kBenchViewX + 15.0f : kBenchViewX;
    state.MouseY = kBenchViewY;
    projectGridPoints(grid, kBenchArea, state.MouseX, kBenchViewY);
}

ReferenceFrame::ReferenceFrame(BenchScene& scene)
    : m_pixels(396 * 396)
{
    projectGridPoints(scene.grid, kBenchArea, kBenchViewX, kBenchViewY);
    m_segments = reference::segmentsOf(scene.grid);
}

void ReferenceFrame::draw()
{
    std::memset(m_pixels.data(), 0xFF, m_pixels.size() * sizeof(std::uint32_t));
    for (const reference::Segment& s : m_segments)
        reference::plainLine(m_pixels.data(), 396, 396, s);
}
