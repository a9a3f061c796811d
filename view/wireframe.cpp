#include "view/wireframe.h"

#include "view/projection.h"

#include <array>
#include <vector>

namespace {

// The integer pixels of every screen point, converted once per run: each
// point is used by a row, a column and perhaps the highlight, and the
// conversion gives the same pixel every time.
class PixelGrid {
public:
    explicit PixelGrid(const PointGrid& grid, int cols, int rows)
        : m_cols(cols)
    {
        const std::size_t count = static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows);
        if (count > m_fixed.size()) {
            m_overflow.resize(count);
            m_points = m_overflow.data();
        }
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= cols; ++j)
                at(j, i) = {toPixel(grid.ScreenX(j, i)), toPixel(grid.ScreenY(j, i))};
    }

    const POINTAPI& operator()(int j, int i) const { return m_points[index(j, i)]; }

private:
    POINTAPI& at(int j, int i) { return m_points[index(j, i)]; }
    std::size_t index(int j, int i) const
    {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(m_cols) + static_cast<std::size_t>(j - 1);
    }

    int m_cols;
    // The program's grid fits the fixed block; a redraw allocates nothing.
    std::array<POINTAPI, 25 * 25> m_fixed;
    std::vector<POINTAPI> m_overflow;
    POINTAPI* m_points = m_fixed.data();
};

void drawRow(HDC dc, const PixelGrid& pixels, int i, int cols, POINTAPI& last)
{
    MoveToEx(dc, pixels(1, i).x, pixels(1, i).y, &last);
    for (int j = 2; j <= cols; ++j)
        LineTo(dc, pixels(j, i).x, pixels(j, i).y);
}

void drawColumn(HDC dc, const PixelGrid& pixels, int j, int rows, POINTAPI& last)
{
    MoveToEx(dc, pixels(j, 1).x, pixels(j, 1).y, &last);
    for (int i = 2; i <= rows; ++i)
        LineTo(dc, pixels(j, i).x, pixels(j, i).y);
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
    const PixelGrid pixels(grid, cols, rows);
    for (int i = 1; i <= rows; ++i)
        drawRow(dc, pixels, i, cols, state.LastPoint);
    for (int j = 1; j <= cols; ++j)
        drawColumn(dc, pixels, j, rows, state.LastPoint);

    surface.setForeColor(kBlue);
    surface.setDrawWidth(2);
    if (kHighlightRow <= rows)
        drawRow(dc, pixels, kHighlightRow, cols, state.LastPoint);
}
