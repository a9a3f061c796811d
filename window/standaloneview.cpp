#include "window/standaloneview.h"

#include "surface/shapecatalogue.h"
#include "view/picturelines.h"
#include "view/projection.h"
#include "view/wireframe.h"

StandaloneView::StandaloneView(const PictureSettings& settings)
    : m_state(startupViewState())
{
    m_grid.allocate(m_state.GridCols, m_state.GridRows);
    m_state.ShapeIndex = settings.shapeIndex;
    m_state.AspectFactor = aspectFactorOfTenths(settings.aspectTenths);
    m_state.PerspectiveDistance = static_cast<float>(settings.perspectiveDistance);
    m_state.PerspectiveFlag = settings.perspective ? 1 : 0;
    m_area.setOuterSize(StartupDefaults::kPictureSize, StartupDefaults::kPictureSize);

    fillShapePoints(m_grid, m_state);
    m_state.MouseX = settings.pointerX;
    m_state.MouseY = settings.pointerY;
    const ProjectionSettings projection = projectionSettings(m_area, m_state);
    projectGridPoints(m_grid, projection, m_state.MouseX, m_state.MouseY);
    m_lines = makePictureLines(m_grid, m_state, projection, settings.options);
    redrawArea(m_lines, m_area);
}
