#include "view/wireframe.h"

#include "view/projection.h"

namespace {

void moveToPoint(HDC dc, const PointGrid& grid, int j, int i, POINTAPI& last)
{
    MoveToEx(dc, toPixel(grid.ScreenX(j, i)), toPixel(grid.ScreenY(j, i)), &last);
}

void lineToPoint(HDC dc, const PointGrid& grid, int j, int i)
{
    LineTo(dc, toPixel(grid.ScreenX(j, i)), toPixel(grid.ScreenY(j, i)));
}

void drawRow(HDC dc, const PointGrid& grid, int i, int cols, POINTAPI& last)
{
    moveToPoint(dc, grid, 1, i, last);
    for (int j = 2; j <= cols; ++j)
        lineToPoint(dc, grid, j, i);
}

void drawColumn(HDC dc, const PointGrid& grid, int j, int rows, POINTAPI& last)
{
    moveToPoint(dc, grid, j, 1, last);
    for (int i = 2; i <= rows; ++i)
        lineToPoint(dc, grid, j, i);
}

} // namespace

void drawWireframe(const PointGrid& grid, DrawingSurface& surface, ViewState& state)
{
    surface.Cls();
    state.DisplayDC = surface.hDC();
    surface.setDrawWidth(1);
    surface.setForeColor(kBlack);

    const HDC dc = state.DisplayDC;
    const int rows = state.GridRows;
    const int cols = state.GridCols;
    for (int i = 1; i <= rows; ++i)
        drawRow(dc, grid, i, cols, state.LastPoint);
    for (int j = 1; j <= cols; ++j)
        drawColumn(dc, grid, j, rows, state.LastPoint);

    surface.setForeColor(kBlue);
    surface.setDrawWidth(2);
    if (kHighlightRow <= rows)
        drawRow(dc, grid, kHighlightRow, cols, state.LastPoint);
}
