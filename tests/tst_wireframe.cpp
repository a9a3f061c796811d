// The drawing run: what it asks of the drawing surface, in which order, and
// the picture it leaves.

#include "platform/picturebox.h"
#include "surface/shapecatalogue.h"
#include "view/projection.h"
#include "view/wireframe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ruvex::win::ColorRef;
using ruvex::win::DeviceContext;
using ruvex::win::HDC;
using ruvex::win::kBlack;
using ruvex::win::kBlue;
using ruvex::win::POINTAPI;

namespace {

// Records every call on the surface and its device context.
class RecordingSurface final : public DrawingSurface, public DeviceContext {
public:
    struct Line {
        int x0, y0, x1, y1;
        ColorRef color;
        int width;
    };
    std::vector<std::string> calls;
    std::vector<Line> lines;
    int moves = 0;

    void Cls() override { calls.push_back("Cls"); }
    HDC hDC() override
    {
        calls.push_back("hDC");
        return this;
    }
    void setForeColor(ColorRef c) override
    {
        calls.push_back("ForeColor=" + std::to_string(c));
        m_color = c;
    }
    void setDrawWidth(int w) override
    {
        calls.push_back("DrawWidth=" + std::to_string(w));
        m_width = w;
    }
    int Width() const override { return 400; }
    int Height() const override { return 400; }
    int ScaleWidth() const override { return 396; }
    int ScaleHeight() const override { return 396; }

    POINTAPI moveTo(int x, int y) override
    {
        ++moves;
        const POINTAPI previous = m_at;
        m_at = {x, y};
        return previous;
    }
    void lineTo(int x, int y) override
    {
        lines.push_back({m_at.x, m_at.y, x, y, m_color, m_width});
        m_at = {x, y};
    }
    void setPenColor(ColorRef) override { }
    void setPenWidth(int) override { }

private:
    POINTAPI m_at;
    ColorRef m_color = 0x123456;
    int m_width = 0;
};

struct Scene {
    PointGrid grid;
    ViewState state;

    explicit Scene(int shape)
    {
        state.GridRows = state.GridCols = 25;
        state.ShapeSize = 100.0f;
        state.AspectFactor = 1.0f;
        state.ShapeIndex = shape;
        grid.allocate(25, 25);
        fillShapePoints(grid, state);
        calculateScreenPoints(grid, {396, 396, 400, 400, 0, 150.0f}, 0.0f, 0.0f);
    }
};

TEST(DrawingRun, ClearsSetsThePensAndDrawsEveryRowAndColumn)
{
    Scene scene(8); // the flat surface: every point distinct
    RecordingSurface surface;
    drawWireframe(scene.grid, surface, scene.state);

    const std::vector<std::string> expected
        = {"Cls", "hDC", "DrawWidth=1", "ForeColor=0", "ForeColor=16711680", "DrawWidth=2"};
    EXPECT_EQ(surface.calls, expected);
    EXPECT_EQ(surface.moves, 51);
    ASSERT_EQ(surface.lines.size(), 1224u);
    EXPECT_EQ(scene.state.DisplayDC, static_cast<HDC>(&surface));

    for (std::size_t n = 0; n < 1200; ++n) {
        ASSERT_EQ(surface.lines[n].color, kBlack) << n;
        ASSERT_EQ(surface.lines[n].width, 1) << n;
    }
    // Row 7 last, blue and two pixels wide, from column 1 to column 25.
    for (std::size_t n = 1200; n < 1224; ++n) {
        ASSERT_EQ(surface.lines[n].color, kBlue) << n;
        ASSERT_EQ(surface.lines[n].width, 2) << n;
    }
    const auto& first = surface.lines[1200];
    EXPECT_EQ(first.x0, toPixel(scene.grid.ScreenX(1, 7)));
    EXPECT_EQ(first.y0, toPixel(scene.grid.ScreenY(1, 7)));
    EXPECT_EQ(surface.lines.back().x1, toPixel(scene.grid.ScreenX(25, 7)));
}

TEST(DrawingRun, RowsComeBeforeColumnsAndPolylinesStayOpen)
{
    Scene scene(8);
    RecordingSurface surface;
    drawWireframe(scene.grid, surface, scene.state);
    // The first 24 lines walk row 1 from column 1 to 25; line 600 starts column 1.
    EXPECT_EQ(surface.lines[0].x0, toPixel(scene.grid.ScreenX(1, 1)));
    EXPECT_EQ(surface.lines[23].x1, toPixel(scene.grid.ScreenX(25, 1)));
    EXPECT_EQ(surface.lines[600].y0, toPixel(scene.grid.ScreenY(1, 1)));
    EXPECT_EQ(surface.lines[600].y1, toPixel(scene.grid.ScreenY(1, 2)));
    for (const auto& line : surface.lines)
        ASSERT_FALSE(line.x1 == toPixel(scene.grid.ScreenX(1, 1))
                     && line.y1 == toPixel(scene.grid.ScreenY(1, 1)))
            << "nothing returns to the first point";
}

TEST(DrawingRun, TheEquatorIsBlueOnTopOfTheBlackColumns)
{
    Scene scene(0);
    PictureBox box(2);
    box.setOuterSize(400, 400);
    drawWireframe(scene.grid, box, scene.state);

    // Pointer at (0, 0): the equator crosses column 1 at world (100, 0, 0),
    // drawn at 200 - 100 = (100, 200).
    const int x = toPixel(scene.grid.ScreenX(1, 7));
    const int y = toPixel(scene.grid.ScreenY(1, 7));
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 200);
    EXPECT_EQ(box.Image().pixel(x, y) & 0xFFFFFF, 0x0000FFu);
    // A pole is black; a corner far from the sphere is white.
    EXPECT_EQ(box.Image().pixel(200, 100) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(box.Image().pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(box.DrawWidth(), 2);
    EXPECT_EQ(box.ForeColor(), kBlue);
}

TEST(DrawingRun, ARedrawReplacesThePreviousPicture)
{
    Scene scene(0);
    PictureBox box(2);
    box.setOuterSize(400, 400);
    drawWireframe(scene.grid, box, scene.state);
    const PixelBuffer sphere = box.Image();

    calculateScreenPoints(scene.grid, {396, 396, 400, 400, 0, 150.0f}, 1000.0f, 1000.0f);
    drawWireframe(scene.grid, box, scene.state);
    calculateScreenPoints(scene.grid, {396, 396, 400, 400, 0, 150.0f}, 0.0f, 0.0f);
    drawWireframe(scene.grid, box, scene.state);
    EXPECT_EQ(box.Image(), sphere);
}

} // namespace
