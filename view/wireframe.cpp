#include "view/wireframe.h"

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

void setPen(PictureBox& surface, WireframePen pen)
{
    const WireframePenStyle style = penStyle(pen);
    surface.setDrawWidth(style.width);
    surface.setForeColor(style.color);
}

} // namespace

void drawWireframe(const PointGrid& grid, PictureBox& surface, const ViewState& state)
{
    surface.Cls();
    const HDC dc = surface.hDC();
    const PixelGrid pixels(grid, state.GridCols, state.GridRows);
    WireframePen pen = WireframePen::Grid;
    setPen(surface, pen);
    forEachWireframeLine(pixels.cols(), pixels.rows(), [&](const WireframeLine& line) {
        if (line.pen != pen)
            setPen(surface, pen = line.pen);
        MoveToEx(dc, pixels(line.col(1), line.row(1)).x, pixels(line.col(1), line.row(1)).y, nullptr);
        for (int n = 2; n <= line.length; ++n)
            LineTo(dc, pixels(line.col(n), line.row(n)).x, pixels(line.col(n), line.row(n)).y);
    });
    if (pen != WireframePen::Highlight)
        setPen(surface, WireframePen::Highlight);
}

void drawWireframe(const PointGrid& grid, PictureBox& surface, const ViewState& state,
                   const PictureOptions& options)
{
    if (options == PictureOptions{}) {
        drawWireframe(grid, surface, state);
        return;
    }
    drawPictureLines(picturePolylines(grid, state, projectionSettings(surface, state), options), surface);
}

void drawPictureLines(const std::vector<WireframePolyline>& lines, PictureBox& surface)
{
    surface.Cls();
    const HDC dc = surface.hDC();
    if (!dc)
        return;
    drawWireframeMapped(lines, PixelMapping{}, *dc);
    // The pen the plain run leaves set.
    setPen(surface, WireframePen::Highlight);
}
