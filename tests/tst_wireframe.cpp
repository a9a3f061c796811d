// The drawing run: the picture it leaves and the pen it leaves set. That it
// draws the same segments as the lists of polylines is tst_scaledwireframe's.

#include "platform/picturebox.h"
#include "surface/shapecatalogue.h"
#include "surface/startup.h"
#include "view/projection.h"
#include "view/scaledwireframe.h"

#include <gtest/gtest.h>

using ruvex::win::kBlue;

namespace {

struct Scene {
    PointGrid grid;
    ViewState state;

    explicit Scene(int shape)
        : state(startupViewState())
    {
        state.ShapeIndex = shape;
        grid.allocate(25, 25);
        fillShapePoints(grid, state);
        projectGridPoints(grid, {396, 396, 400, 400, 0, 150.0f}, 0.0f, 0.0f);
    }
};

TEST(DrawingRun, TheEquatorIsBlueOnTopOfTheBlackColumns)
{
    Scene scene(0);
    PictureBox box(2);
    box.setOuterSize(400, 400);
    redrawArea(scene.grid, scene.state, box);

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
    redrawArea(scene.grid, scene.state, box);
    const PixelBuffer sphere = box.Image();

    projectGridPoints(scene.grid, {396, 396, 400, 400, 0, 150.0f}, 1000.0f, 1000.0f);
    redrawArea(scene.grid, scene.state, box);
    projectGridPoints(scene.grid, {396, 396, 400, 400, 0, 150.0f}, 0.0f, 0.0f);
    redrawArea(scene.grid, scene.state, box);
    EXPECT_EQ(box.Image(), sphere);
}

} // namespace
