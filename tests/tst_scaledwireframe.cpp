// The wireframe drawn through a pixel mapping: at scale 1 it is the drawing
// area's own picture, and the mapping puts points and pens where it says;
// the session's scaled views follow the view they show.

#include "platform/colours.h"
#include "tests/windowsessionfixture.h"
#include "view/presentationpicture.h"
#include "view/scaledwireframe.h"

#include <gtest/gtest.h>

namespace {

struct ViewCase {
    const char* what;
    PictureSettings settings;
};

TEST(ScaledWireframe, AtScaleOneIsTheDrawingAreasPicture)
{
    const ViewCase cases[] = {
        {"sphere, fresh", {}},
        {"cone, turned", {3, 120.0f, 60.0f, false, 150, 10, {}}},
        {"cylinder in perspective", {6, 300.0f, 250.0f, true, 100, 10, {}}},
        {"torus stretched", {13, 50.0f, 380.0f, false, 150, 16, {}}},
        {"flat surface, points off the picture", {8, 198.0f, 198.0f, true, 350, 0, {}}},
    };
    for (const ViewCase& c : cases) {
        const Session opened(c.settings);
        const Form1Model& view = opened.model();
        const PixelBuffer& expected = view.area().Image();
        PixelBuffer drawn;
        drawn.reset(expected.width(), expected.height(), ruvex::win::pixelOf(ruvex::win::kWhite));
        drawMappedLines(view.pictureLines(), PixelMapping{}, drawn);
        EXPECT_TRUE(drawn == expected) << c.what;
    }
}

TEST(ScaledWireframe, MapsPointsAndPens)
{
    struct Case {
        PixelMapping mapping;
        int x, y; // drawing-area pixel
        int mappedX, mappedY;
        int gridPen, highlightPen;
    };
    const Case cases[] = {
        {{1.0, 0.0, 0.0}, 17, -3, 17, -3, 1, 2},
        {{4.0, 0.0, 0.0}, 17, -3, 68, -12, 4, 8},
        {{8.0, 0.0, 0.0}, 395, 0, 3160, 0, 8, 16},
        // Halves to even, as screen points are rounded; pens to the nearest.
        {{2.5, 10.0, 0.0}, 3, 1, 18, 2, 3, 5},
        {{0.25, 0.0, 100.0}, 10, 6, 2, 102, 1, 1},
        {PixelMapping::centred(2.0, 396, 396, 1000, 800), 198, 198, 500, 400, 2, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.mapping.mapX(c.x), c.mappedX) << c.mapping.scale;
        EXPECT_EQ(c.mapping.mapY(c.y), c.mappedY) << c.mapping.scale;
        EXPECT_EQ(c.mapping.penWidth(1), c.gridPen) << c.mapping.scale;
        EXPECT_EQ(c.mapping.penWidth(2), c.highlightPen) << c.mapping.scale;
    }
}

// Full screen, view after view: each picture is the view alone (the last
// one's lines wiped), and the changed part holds every pixel that differs,
// so a repaint of just that part shows it.
TEST(PresentationPicture, EachRedrawIsTheViewAloneAndReportsWhatChanged)
{
    PresentationPicture picture;
    picture.resize(1024, 600, 396, 396);
    EXPECT_EQ(picture.takeChangedRect(), picture.image().rect());
    const SourcePoint centre = picture.sourcePosition(512, 300);
    EXPECT_DOUBLE_EQ(centre.x, 198.0);
    EXPECT_DOUBLE_EQ(centre.y, 198.0);
    const SourcePoint corner = picture.sourcePosition(212, 0);
    EXPECT_NEAR(corner.x, 0.0, 1e-9);
    EXPECT_NEAR(corner.y, 0.0, 1e-9);

    PixelBuffer before = picture.image();
    for (const PictureSettings& settings : {PictureSettings{3, 120.0f, 60.0f, false, 150, 10, {}},
                                            PictureSettings{13, 300.0f, 250.0f, true, 100, 16, {}},
                                            PictureSettings{2, 198.0f, 198.0f, false, 150, 10, {}}}) {
        const Session opened(settings);
        const Form1Model& view = opened.model();
        picture.redraw(view.pictureLines());
        PixelBuffer expected;
        expected.reset(1024, 600, ruvex::win::pixelOf(ruvex::win::kWhite));
        drawMappedLines(view.pictureLines(), picture.mapping(), expected);
        EXPECT_TRUE(picture.image() == expected) << settings.shapeIndex;
        const PixelRect changed = picture.takeChangedRect();
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 1024; ++x) {
                if (before.pixel(x, y) != expected.pixel(x, y)) {
                    ASSERT_TRUE(changed.contains({x, y, 1, 1}))
                        << settings.shapeIndex << ": " << x << "," << y;
                }
            }
        }
        before = expected;
    }
}

// The drawing area's scaled view waits while "Layar Penuh" is open and shows
// the view as it then stands once that closes; the full screen's follows
// every move.
TEST(WindowSession, ScaledViewsFollowTheViewAndTheAreaWaitsBehindTheFullScreen)
{
    Session s;
    s.session.openScaledView(ScaledView::DrawingArea, 800, 800);
    s.session.openScaledView(ScaledView::FullScreen, 1000, 600);
    const PixelBuffer waiting = s.session.scaledPicture(ScaledView::DrawingArea).image();
    const PixelBuffer fullBefore = s.session.scaledPicture(ScaledView::FullScreen).image();
    s.pointer(PointerSurface::FullScreen, PointerAction::Move, 0, 150, 90);
    EXPECT_EQ(s.session.scaledPicture(ScaledView::DrawingArea).image(), waiting);
    EXPECT_NE(s.session.scaledPicture(ScaledView::FullScreen).image(), fullBefore);

    s.session.closeScaledView(ScaledView::FullScreen);
    EXPECT_TRUE(s.session.scaledPicture(ScaledView::FullScreen).image().isEmpty());
    Session fresh;
    fresh.pointer(PointerSurface::DrawingArea, PointerAction::Move, 0, 150, 90);
    fresh.session.openScaledView(ScaledView::DrawingArea, 800, 800);
    EXPECT_EQ(s.session.scaledPicture(ScaledView::DrawingArea).image(),
              fresh.session.scaledPicture(ScaledView::DrawingArea).image());
}

// Fitted to the size it has, a view is kept as it is; to another, it is
// opened anew with nothing left to report as changed.
TEST(WindowSession, AScaledViewIsOpenedAnewOnlyForAnotherSize)
{
    Session s;
    PresentationPicture& view = s.session.scaledPicture(ScaledView::FullScreen);
    EXPECT_TRUE(s.session.fitScaledView(ScaledView::FullScreen, 800, 600));
    EXPECT_TRUE(view.takeChangedRect().isEmpty());
    const AppliedIntent moved = s.pointer(PointerSurface::FullScreen, PointerAction::Move, 0, 150, 90);
    EXPECT_FALSE(s.session.fitScaledView(ScaledView::FullScreen, 800, 600));
    // The move's change, still to show, as apply() handed it back.
    EXPECT_FALSE(moved.redrawn.beside[static_cast<std::size_t>(ScaledView::FullScreen)].isEmpty());
    EXPECT_TRUE(s.session.fitScaledView(ScaledView::FullScreen, 1000, 600));
    EXPECT_EQ(view.image().width(), 1000);
}

// Whether every pixel that differs between two pictures lies in `changed`.
bool holdsEveryChange(const PixelBuffer& before, const PixelBuffer& after, const PixelRect& changed)
{
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y) && !changed.contains({x, y, 1, 1}))
                return false;
    return true;
}

// A move hands back what it changed in each picture it drew, so a front end
// repaints that without asking the pictures: the drawing area's, and each
// open scaled view's, the drawing area's waiting behind "Layar Penuh".
TEST(WindowSession, AMoveHandsBackWhatItChangedInEachPicture)
{
    Session s;
    s.session.fitScaledView(ScaledView::DrawingArea, 800, 800);
    const auto beside = [](const AppliedIntent& applied, ScaledView view) {
        return applied.redrawn.beside[static_cast<std::size_t>(view)];
    };
    const PixelBuffer area = s.area.Image();
    const PixelBuffer scaled = s.session.scaledPicture(ScaledView::DrawingArea).image();
    const AppliedIntent moved = s.pointer(PointerSurface::DrawingArea, PointerAction::Move, 0, 150, 90);
    EXPECT_FALSE(moved.redrawn.area.isEmpty());
    EXPECT_TRUE(holdsEveryChange(area, s.area.Image(), moved.redrawn.area));
    EXPECT_FALSE(beside(moved, ScaledView::DrawingArea).isEmpty());
    EXPECT_TRUE(holdsEveryChange(scaled, s.session.scaledPicture(ScaledView::DrawingArea).image(),
                                 beside(moved, ScaledView::DrawingArea)));

    s.session.fitScaledView(ScaledView::FullScreen, 1000, 600);
    const PixelBuffer full = s.session.scaledPicture(ScaledView::FullScreen).image();
    const AppliedIntent turned = s.pointer(PointerSurface::FullScreen, PointerAction::Move, 0, 30, 200);
    EXPECT_TRUE(beside(turned, ScaledView::DrawingArea).isEmpty());
    EXPECT_FALSE(beside(turned, ScaledView::FullScreen).isEmpty());
    EXPECT_NE(beside(turned, ScaledView::FullScreen), full.rect()) << "the move's part, not the whole screen";
    EXPECT_TRUE(holdsEveryChange(full, s.session.scaledPicture(ScaledView::FullScreen).image(),
                                 beside(turned, ScaledView::FullScreen)));
}

} // namespace
