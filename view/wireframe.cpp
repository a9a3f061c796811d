#include "view/wireframe.h"

#include "platform/colours.h"
#include "platform/gdi.h"
#include "view/picturelines.h"
#include "view/projection.h"
#include "view/scaledwireframe.h"

#include <algorithm>
#include <array>

namespace {

using ruvex::win::HDC;
using ruvex::win::LineTo;
using ruvex::win::MoveToEx;
using ruvex::win::POINTAPI;

// The integer pixels of every screen point, converted once per run: each
// point is used by a row, a column and perhaps the highlight, and the
// conversion gives the same pixel every time. The program's grid fits the
// fixed block, so a redraw allocates nothing; a larger grid is drawn in its
// first kGridSize columns and rows.
class PixelGrid {
public:
    PixelGrid(const PointGrid& grid, int cols, int rows)
        : m_cols(std::clamp(cols, 0, kGridSize))
        , m_rows(std::clamp(rows, 0, kGridSize))
    {
        for (int i = 1; i <= m_rows; ++i)
            for (int j = 1; j <= m_cols; ++j)
                m_points[index(j, i)] = {toPixel(grid.ScreenX(j, i)), toPixel(grid.ScreenY(j, i))};
    }

    int cols() const { return m_cols; }
    int rows() const { return m_rows; }
    const POINTAPI& operator()(int j, int i) const { return m_points[index(j, i)]; }

private:
    static std::size_t index(int j, int i)
    {
        return static_cast<std::size_t>(i - 1) * kGridSize + static_cast<std::size_t>(j - 1);
    }

    int m_cols;
    int m_rows;
    std::array<POINTAPI, kGridSize * kGridSize> m_points;
};

void drawRow(HDC dc, const PixelGrid& pixels, int i, POINTAPI& last)
{
    MoveToEx(dc, pixels(1, i).x, pixels(1, i).y, &last);
    for (int j = 2; j <= pixels.cols(); ++j)
        LineTo(dc, pixels(j, i).x, pixels(j, i).y);
}

void drawColumn(HDC dc, const PixelGrid& pixels, int j, POINTAPI& last)
{
    MoveToEx(dc, pixels(j, 1).x, pixels(j, 1).y, &last);
    for (int i = 2; i <= pixels.rows(); ++i)
        LineTo(dc, pixels(j, i).x, pixels(j, i).y);
}

} // namespace

void drawWireframe(const PointGrid& grid, DrawingSurface& surface, ViewState& state)
{
    surface.Cls();
    state.DisplayDC = surface.hDC();
    surface.setDrawWidth(1);
    surface.setForeColor(ruvex::win::kBlack);

    const HDC dc = state.DisplayDC;
    const PixelGrid pixels(grid, state.GridCols, state.GridRows);
    for (int i = 1; i <= pixels.rows(); ++i)
        drawRow(dc, pixels, i, state.LastPoint);
    for (int j = 1; j <= pixels.cols(); ++j)
        drawColumn(dc, pixels, j, state.LastPoint);

    surface.setForeColor(ruvex::win::kBlue);
    surface.setDrawWidth(2);
    if (kHighlightRow <= pixels.rows())
        drawRow(dc, pixels, kHighlightRow, state.LastPoint);
}

void drawWireframe(const PointGrid& grid, DrawingSurface& surface, ViewState& state,
                   const PictureOptions& options)
{
    if (options == PictureOptions{}) {
        drawWireframe(grid, surface, state);
        return;
    }
    surface.Cls();
    state.DisplayDC = surface.hDC();
    if (!state.DisplayDC)
        return;
    const std::vector<WireframePolyline> lines
        = picturePolylines(grid, state, projectionSettings(surface, state), options);
    state.LastPoint = drawWireframeMapped(lines, PixelMapping{}, *state.DisplayDC);
    // The pen the plain run leaves set.
    surface.setForeColor(ruvex::win::kBlue);
    surface.setDrawWidth(2);
}
