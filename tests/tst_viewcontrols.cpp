// The view controls of the main window: animation buttons and timers, the
// perspective check box, both scroll bars, and closing.

#include "tests/fakeprompts.h"
#include "tests/form1controls.h"
#include "ui/animationtimer.h"
#include "ui/picturewidget.h"
#include "ui/storedrangescrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

bool timerEnabled(const Form1& form, const char* name)
{
    return control<AnimationTimer>(form, name)->isEnabled();
}

enum class Running { None, Timer1, Timer2 };

Running running(const Form1& form)
{
    const bool timer1 = timerEnabled(form, "Timer1");
    const bool timer2 = timerEnabled(form, "Timer2");
    EXPECT_FALSE(timer1 && timer2) << "at most one timer";
    if (timer1)
        return Running::Timer1;
    return timer2 ? Running::Timer2 : Running::None;
}

QRadioButton* optAnim(const Form1& form, int index)
{
    return control<QRadioButton>(form, "optAnim", index);
}

QRadioButton* option1(const Form1& form, int index)
{
    return control<QRadioButton>(form, "Option1", index);
}

void clickAnim(Form1& form, int index)
{
    QTest::mouseClick(optAnim(form, index), Qt::LeftButton);
}

TEST(Animation, ButtonsFollowTheToggleTable)
{
    Form1 form;
    form.show();
    struct Step {
        int button;
        Running after;
    };
    const Step steps[] = {
        {0, Running::Timer1},                       // Vertikal starts the MouseX sweep
        {0, Running::None},                         // ... and a second click stops it
        {0, Running::Timer1}, {1, Running::Timer2}, // Horizontal takes over
        {1, Running::None},   {1, Running::Timer2}, {0, Running::Timer1}, {2, Running::None}, // Stop Rotasi
        {2, Running::None},   {1, Running::Timer2}, {2, Running::None},
    };
    int n = 0;
    for (const Step& step : steps) {
        clickAnim(form, step.button);
        EXPECT_EQ(running(form), step.after) << "step " << n++;
    }
}

// What the user sees: which of the 18 radio buttons are shown selected.
// "S" marks the selected shape, digits the selected animation button.
std::string shownSelection(const Form1& form)
{
    std::string shown;
    for (int index = 0; index < 15; ++index)
        if (option1(form, index)->isChecked())
            shown += "S" + std::to_string(index) + " ";
    for (int index = 0; index < 3; ++index)
        if (optAnim(form, index)->isChecked())
            shown += std::to_string(index) + " ";
    return shown;
}

TEST(Animation, AnimationButtonsAndShapeButtonsAreSeparateGroups)
{
    FakeFileDialog dialog; // cancels the save below
    FakePrompts prompts;
    Form1 form;
    form.setSaveDialogs(prompts.saveDialogs(dialog));
    form.show();
    QTest::mouseClick(option1(form, 3), Qt::LeftButton);
    struct Step {
        int button; // -1: the save command
        const char* shown;
    };
    const Step steps[] = {
        {0, "S3 0 "},  {1, "S3 1 "}, {2, "S3 2 "},
        {1, "S3 1 "},  {1, "S3 1 "}, // a selected button stays selected; its timer toggles off
        {-1, "S3 2 "}, {0, "S3 0 "}, {-1, "S3 2 "},
    };
    int n = 0;
    for (const Step& step : steps) {
        if (step.button < 0)
            form.apply(MenuIntent{"mnuSave"});
        else
            clickAnim(form, step.button);
        EXPECT_EQ(shownSelection(form), step.shown) << "step " << n++;
    }
    QTest::mouseClick(option1(form, 5), Qt::LeftButton);
    EXPECT_EQ(shownSelection(form), "S5 2 ");
}

TEST(Animation, TicksSweepOneAxisAndRedraw)
{
    Form1 form;
    const QImage before = picture(form);
    form.session().model().Timer1_Timer();
    EXPECT_EQ(form.viewState().MouseX, 15.0f);
    EXPECT_EQ(form.viewState().MouseY, 0.0f);
    EXPECT_NE(picture(form), before);

    form.session().model().Timer2_Timer();
    form.session().model().Timer2_Timer();
    EXPECT_EQ(form.viewState().MouseY, 30.0f);
    EXPECT_EQ(form.viewState().MouseX, 15.0f);
}

TEST(Animation, RunningTimerReallyTicks)
{
    Form1 form;
    form.show();
    clickAnim(form, 0);
    QTRY_VERIFY_WITH_TIMEOUT(form.viewState().MouseX >= 30.0f, 5000);
    clickAnim(form, 2);
    const float stoppedAt = form.viewState().MouseX;
    // Several tick periods pass without a tick.
    QSignalSpy ticks(control<AnimationTimer>(form, "Timer1"), &AnimationTimer::tick);
    EXPECT_FALSE(ticks.wait(60));
    EXPECT_EQ(form.viewState().MouseX, stoppedAt);
}

TEST(AnimationTimer, AsksForOneMillisecondButTicksAtTheDesignedPace)
{
    AnimationTimer timer;
    timer.setInterval(1);
    EXPECT_EQ(timer.interval(), 1);
    EXPECT_GE(timer.effectiveInterval(), 10);
    EXPECT_LE(timer.effectiveInterval(), 16);
    timer.setInterval(100);
    EXPECT_EQ(timer.effectiveInterval(), 100);

    QSignalSpy ticks(&timer, &AnimationTimer::tick);
    timer.setInterval(0);
    timer.setEnabled(true);
    EXPECT_FALSE(ticks.wait(60)) << "interval 0 never ticks";
}

TEST(Perspective, TickingTheBoxWaitsForTheNextRedraw)
{
    Form1 form;
    form.show();
    moveOver(form, 0, 150, 120);
    const QImage flat = picture(form);
    auto* chkPerspective = control<QCheckBox>(form, "chkPerspective");
    auto* vscroll2 = control<StoredRangeScrollBar>(form, "VScroll2");

    QTest::mouseClick(chkPerspective, Qt::LeftButton);
    EXPECT_EQ(form.viewState().PerspectiveFlag, 1);
    EXPECT_TRUE(vscroll2->isEnabled());
    EXPECT_EQ(picture(form), flat) << "the box itself does not redraw";

    moveOver(form, 0, 150, 120);
    EXPECT_NE(picture(form), flat);

    QTest::mouseClick(chkPerspective, Qt::LeftButton);
    EXPECT_EQ(form.viewState().PerspectiveFlag, 0);
    EXPECT_FALSE(vscroll2->isEnabled());
    EXPECT_EQ(form.viewState().PerspectiveDistance, 150.0f) << "unticking keeps the distance";

    chkPerspective->setTristate(true);
    chkPerspective->setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(form.viewState().PerspectiveFlag, 2);
    EXPECT_TRUE(vscroll2->isEnabled());
}

TEST(ScrollBars, AspectChangesRebuildWithTheirCaption)
{
    Form1 form;
    auto* vscroll1 = control<StoredRangeScrollBar>(form, "VScroll1");
    const std::pair<int, const char*> cases[] = {{0, " 0"}, {5, "0.5"}, {10, " 1"}, {16, " 1.6"}};
    for (auto [value, caption] : cases) {
        moveOver(form, 0, 33, 44);
        vscroll1->setStoredValue(value);
        EXPECT_EQ(control<QLabel>(form, "LabAspect")->text().toStdString(), caption);
        EXPECT_FLOAT_EQ(form.viewState().AspectFactor, value / 10.0f);
        EXPECT_EQ(form.viewState().MouseX, 0.0f) << "a rebuild resets the position";
    }
    // Aspect 0 flattens the sphere onto the plane z = 0.
    vscroll1->setStoredValue(0);
    EXPECT_EQ(form.pointGrid().WorldZ(1, 1), 0.0f);
}

TEST(ScrollBars, DistanceChangesRebuildWithTheirCaption)
{
    Form1 form;
    auto* vscroll2 = control<StoredRangeScrollBar>(form, "VScroll2");
    control<QCheckBox>(form, "chkPerspective")->setChecked(true);
    vscroll2->setStoredValue(160);
    EXPECT_EQ(form.viewState().PerspectiveDistance, 160.0f);
    EXPECT_EQ(control<QLabel>(form, "LabPerspec")->text(), QStringLiteral(" 160"));
    vscroll2->setStoredValue(1000);
    EXPECT_EQ(vscroll2->storedValue(), 350) << "clamped to the stored range";
    vscroll2->setStoredValue(-5);
    EXPECT_EQ(form.viewState().PerspectiveDistance, 100.0f);
}

// A click on one part of a scroll bar: its arrows or its track.
void clickPart(StoredRangeScrollBar& bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    const QRect rect = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
    ASSERT_TRUE(rect.isValid()) << part;
    QTest::mouseClick(&bar, Qt::LeftButton, {}, rect.center());
}

TEST(ScrollBars, MinAboveMaxPutsMinAtTheTop)
{
    struct Case {
        int min, max, step, start;
    };
    for (const Case& c : {Case{350, 100, 10, 150}, Case{16, 0, 1, 10}}) {
        StoredRangeScrollBar bar(c.min, c.max, c.step, c.step, c.start);
        bar.resize(17, 200);
        bar.show();
        clickPart(bar, QStyle::SC_ScrollBarSubLine); // the upper arrow
        EXPECT_EQ(bar.storedValue(), c.start + c.step);
        clickPart(bar, QStyle::SC_ScrollBarAddLine); // the lower arrow
        clickPart(bar, QStyle::SC_ScrollBarAddLine);
        EXPECT_EQ(bar.storedValue(), c.start - c.step);
        clickPart(bar, QStyle::SC_ScrollBarSubPage); // the track above the thumb
        EXPECT_EQ(bar.storedValue(), c.start);
        clickPart(bar, QStyle::SC_ScrollBarAddPage); // the track below the thumb
        EXPECT_EQ(bar.storedValue(), c.start - c.step);

        bar.setStoredValue(c.min);
        clickPart(bar, QStyle::SC_ScrollBarSubLine);
        EXPECT_EQ(bar.storedValue(), c.min) << "the top end is Min";
        bar.setStoredValue(c.max);
        clickPart(bar, QStyle::SC_ScrollBarAddLine);
        EXPECT_EQ(bar.storedValue(), c.max) << "the bottom end is Max";
    }
}

TEST(Closing, StopsBothTimersAndHandlesNoFurtherTick)
{
    Form1 form;
    form.show();
    QTest::mouseClick(optAnim(form, 1), Qt::LeftButton);
    ASSERT_EQ(running(form), Running::Timer2);
    form.close();
    EXPECT_EQ(running(form), Running::None);
    const float y = form.viewState().MouseY;
    QSignalSpy ticks(control<AnimationTimer>(form, "Timer2"), &AnimationTimer::tick);
    EXPECT_FALSE(ticks.wait(60));
    EXPECT_EQ(form.viewState().MouseY, y);
}

TEST(Closing, WithoutARunningLoopLeavesLaterEventLoopsWorking)
{
    {
        Form1 form;
        form.show();
        form.close();
    }
    QTimer timer;
    timer.setSingleShot(true);
    QSignalSpy fired(&timer, &QTimer::timeout);
    timer.start(1);
    EXPECT_TRUE(fired.wait(5000)) << "an event loop after the close must still run";
}

} // namespace
