#include "view/wireframe.h"

#include "view/picturelines.h"
#include "view/projection.h"
#include "view/scaledwireframe.h"

void redrawArea(const std::vector<WireframePolyline>& lines, PictureBox& area)
{
    area.Cls();
    drawMappedLines(lines, PixelMapping{}, *area.hDC());
    // The pen the run has always left set, whatever the lines' last.
    const WireframePenStyle highlight = penStyle(WireframePen::Highlight);
    area.setForeColor(highlight.color);
    area.setDrawWidth(highlight.width);
}

void redrawArea(const PointGrid& grid, const ViewState& state, PictureBox& area,
                const PictureOptions& options)
{
    redrawArea(makePictureLines(grid, state, projectionSettings(area, state), options), area);
}
