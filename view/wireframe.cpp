#include "view/wireframe.h"

#include "view/picturelines.h"
#include "view/projection.h"
#include "view/scaledwireframe.h"

void drawPictureLines(const std::vector<WireframePolyline>& lines, PictureBox& area)
{
    area.Cls();
    drawWireframeMapped(lines, PixelMapping{}, *area.hDC());
    // The pen the run has always left set, whatever the lines' last.
    const WireframePenStyle highlight = penStyle(WireframePen::Highlight);
    area.setForeColor(highlight.color);
    area.setDrawWidth(highlight.width);
}

void drawWireframe(const PointGrid& grid, PictureBox& area, const ViewState& state,
                   const PictureOptions& options)
{
    drawPictureLines(picturePolylines(grid, state, projectionSettings(area, state), options), area);
}
