#include "view/viewpicture.h"

#include "view/picturelines.h"
#include "view/projection.h"

std::vector<WireframePolyline> viewPolylines(const PointGrid& grid, const ViewState& state,
                                             const DrawingSurface& area, const PictureOptions& options)
{
    if (options == PictureOptions{})
        return wireframePolylines(grid, state.GridCols, state.GridRows);
    return picturePolylines(grid, state, projectionSettings(area, state), options);
}
