// The main window's rules without a window, as the browser page drives them:
// a view opened from its settings must be the very picture its controls give,
// and its control states must follow the toggle rules.

#include "tests/windowsessionfixture.h"
#include "view/picturelines.h"
#include "window/form1model.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct LoadedModel {
    PictureBox area;
    Form1Model model{area};
    int redraws = 0;

    LoadedModel()
    {
        model.setRedrawListener([this] { ++redraws; });
        AreaLoadWindow window(area);
        model.Form_Load(window);
    }
};

// Opened from settings (the command line, the page's address), the shape,
// the perspective box and the two bars are set in an order of their own: the
// picture is still the one the controls give.
TEST(Form1Model, AnOpenedViewIsThePictureItsControlsGive)
{
    LoadedModel loaded;
    Form1Model& model = loaded.model;
    EXPECT_EQ(loaded.redraws, 1);
    EXPECT_EQ(model.area().Image(), Session(PictureSettings{}).model().area().Image());

    model.Option1_Click(3);
    model.chkPerspective_Click(1);
    model.VScroll2_Change(200);
    model.VScroll1_Change(5);
    model.picDisplay_MouseMove(120.0f, 60.0f);
    const Session opened({3, 120.0f, 60.0f, true, 200, 5, {}});
    EXPECT_EQ(model.area().Image(), opened.model().area().Image());
    EXPECT_EQ(model.aspectCaption(), "0.5");
    EXPECT_EQ(model.distanceCaption(), " 200");
}

// The lines are made once per view and shared; a change that does not
// redraw must still give the lines of the view as it now stands.
TEST(Form1Model, PictureLinesFollowEveryChangeOfView)
{
    LoadedModel loaded;
    Form1Model& model = loaded.model;
    const auto linesMadeDirectly = [&model] {
        return makePictureLines(model.pointGrid(), model.viewState(), model.area(), model.pictureOptions());
    };
    model.setPictureOptions({true, true});
    model.picDisplay_MouseMove(120.0f, 60.0f);
    EXPECT_EQ(model.pictureLines(), linesMadeDirectly());
    const PictureOptions dashedOnly{true, false};
    const std::vector<std::function<void()>> changes{
        [&] { model.CalculateScreenPoints(30.0f, 200.0f); },
        [&] { model.VScroll1_Change(6); },
        [&] { model.chkPerspective_Click(1); },
        [&] { model.setPictureOptions(dashedOnly); },
        [&] { model.Option1_Click(5); },
    };
    for (const auto& change : changes) {
        const std::vector<WireframePolyline> before = model.pictureLines();
        change();
        EXPECT_NE(model.pictureLines(), before);
        EXPECT_EQ(model.pictureLines(), linesMadeDirectly());
    }
}

TEST(Form1Model, KeysTimersAndHomeMoveTheStoredPosition)
{
    LoadedModel loaded;
    Form1Model& model = loaded.model;
    EXPECT_TRUE(model.picDisplay_KeyDown(kKeyRight, kShiftMask));
    EXPECT_TRUE(model.picDisplay_KeyDown(kKeyDown, 0));
    EXPECT_FALSE(model.picDisplay_KeyDown(0x41, 0));
    EXPECT_EQ(model.viewState().MouseX, 150.0f);
    EXPECT_EQ(model.viewState().MouseY, 15.0f);

    model.optAnim_Click(kAnimVertical);
    model.Timer1_Timer();
    EXPECT_EQ(model.viewState().MouseX, 165.0f);
    EXPECT_TRUE(model.picDisplay_KeyDown(kKeyHome, 0));
    EXPECT_EQ(model.viewState().MouseX, 0.0f);
    EXPECT_EQ(model.viewState().MouseY, 0.0f);
    EXPECT_EQ(loaded.redraws, 5);
}

TEST(Form1Model, AnimationButtonsToggleOneTimerAtATime)
{
    LoadedModel loaded;
    Form1Model& model = loaded.model;
    EXPECT_FALSE(model.timer1Enabled() || model.timer2Enabled());
    model.optAnim_Click(kAnimVertical);
    EXPECT_TRUE(model.timer1Enabled());
    model.optAnim_Click(kAnimHorizontal);
    EXPECT_TRUE(model.timer2Enabled() && !model.timer1Enabled());
    model.optAnim_Click(kAnimHorizontal);
    EXPECT_FALSE(model.timer2Enabled());
    model.optAnim_Click(kAnimVertical);
    model.optAnim_Click(kAnimStop);
    EXPECT_FALSE(model.timer1Enabled() || model.timer2Enabled());
    EXPECT_EQ(model.animButton(), kAnimStop);

    EXPECT_FALSE(model.distanceBarEnabled());
    model.chkPerspective_Click(2);
    EXPECT_TRUE(model.distanceBarEnabled());
    EXPECT_EQ(model.viewState().PerspectiveFlag, 2);
}

// "Putar dengan Menyeret": the travel of a left-button drag moves the view as
// far as a hover move of the same travel would, from wherever it was.
TEST(Form1Model, DragTurnsByItsTravelAndHoverChangesNothing)
{
    LoadedModel loaded;
    Form1Model& model = loaded.model;
    model.picDisplay_MouseMove(100.0f, 40.0f);
    model.setDragToTurn(true);
    const PixelBuffer before = model.area().Image();
    model.pointerMoved(0, 300.0f, 300.0f); // hover, and a re-entry elsewhere
    model.pointerMoved(1, 310.0f, 310.0f); // a button held without a press here
    EXPECT_EQ(model.area().Image(), before);

    model.picDisplay_MouseDown(1, 250.0f, 250.0f);
    model.pointerMoved(1, 270.0f, 215.0f);
    EXPECT_EQ(model.viewState().MouseX, 120.0f);
    EXPECT_EQ(model.viewState().MouseY, 5.0f);
    EXPECT_EQ(model.area().Image(), Session({0, 120.0f, 5.0f, false, 150, 10, {}}).model().area().Image());
    model.picDisplay_MouseUp(1, 270.0f, 215.0f);
    model.pointerMoved(0, 10.0f, 10.0f);
    EXPECT_EQ(model.viewState().MouseX, 120.0f);

    model.setDragToTurn(false);
    model.pointerMoved(0, 10.0f, 20.0f);
    EXPECT_EQ(model.viewState().MouseY, 20.0f);
}

} // namespace

// "Irisan Bidang": the window's bars and box keep their values while it is
// closed, and the section follows the shape.
TEST(Form1Model, SectionShowsWhileItsWindowIsOpenAndKeepsItsValues)
{
    LoadedModel loaded;
    Form1Model& model = loaded.model;
    model.hsbKemiringan_Change(30);
    EXPECT_FALSE(model.sectionShown()) << "a bar alone opens nothing";
    const int redraws = loaded.redraws;
    model.mnuIrisan_Click();
    EXPECT_EQ(loaded.redraws, redraws + 1);
    ASSERT_TRUE(model.pictureOptions().section);
    EXPECT_EQ(model.pictureOptions().section->plane, (SectionPlane{30, 50}));

    model.hsbJarak_Change(-20);
    model.chkBidang_Click(false);
    EXPECT_EQ(*model.pictureOptions().section, (SectionView{{30, -20}, false}));
    EXPECT_EQ(model.planeSection().name, "lingkaran") << "a sphere cut anywhere";
    model.Option1_Click(3);
    EXPECT_EQ(model.planeSection().name, "elips");

    model.frmIrisan_Unload();
    EXPECT_FALSE(model.pictureOptions().section);
    EXPECT_EQ(model.sectionView(), (SectionView{{30, -20}, false})) << "the bars as they were";
    EXPECT_EQ(model.viewCommand().find("section"), std::string::npos);
}

// Opened on a solid still at its first position, where a plane of θ = 0 is
// seen edge-on, the window turns it to the worksheets' oblique view; a view
// turned to is kept. The bars' buttons step by one within the bars' ranges.
TEST(Form1Model, SectionOpensObliqueAndItsButtonsStepWithinTheBars)
{
    LoadedModel loaded;
    Form1Model& model = loaded.model;
    model.Option1_Click(3);
    model.mnuIrisan_Click();
    EXPECT_EQ(model.viewSettings().pointerX, 170.0f);
    EXPECT_EQ(model.viewSettings().pointerY, 160.0f);
    model.mnuHome_Click();
    model.hsbKemiringan_Step(1);
    EXPECT_EQ(model.viewState().MouseX, 0.0f) << "a bar moved keeps the view";
    model.frmIrisan_Unload();
    model.picDisplay_MouseMove(120.0f, 60.0f);
    model.mnuIrisan_Click();
    EXPECT_EQ(model.viewState().MouseX, 120.0f);

    model.hsbKemiringan_Step(-1);
    model.hsbKemiringan_Step(-1);
    model.hsbJarak_Step(1);
    EXPECT_EQ(model.pictureOptions().section->plane, (SectionPlane{0, 51}));
    model.hsbKemiringan_Change(90);
    model.hsbKemiringan_Step(1);
    model.hsbJarak_Change(-150);
    model.hsbJarak_Step(-1);
    EXPECT_EQ(model.pictureOptions().section->plane, (SectionPlane{90, -150}));
}
