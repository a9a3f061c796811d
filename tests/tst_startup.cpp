// The start-up sequence against a fake window: order of the window
// operations, and the state it leaves.

#include "surface/startup.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class FakeWindow final : public StartupWindow {
public:
    std::vector<std::string> log;
    std::array<int, kShapeButtonCount> left{};
    std::array<int, kShapeButtonCount> top{};
    std::function<void()> onSwitchOn;
    std::function<void()> onBuild;

    FakeWindow()
    {
        // Stored positions that the sequence must override.
        for (int n = 0; n < kShapeButtonCount; ++n) {
            left[static_cast<std::size_t>(n)] = 165 + n;
            top[static_cast<std::size_t>(n)] = n == 0 ? 300 : 311 * n;
        }
    }

    void setTimerInterval(TimerId t, int ms) override
    {
        log.push_back(name(t) + ".Interval=" + std::to_string(ms));
    }
    void setTimerEnabled(TimerId t, bool on) override
    {
        log.push_back(name(t) + ".Enabled=" + (on ? "1" : "0"));
    }
    void setLabelCaption(LabelId l, std::string_view caption) override
    {
        log.push_back(std::string(l == LabelId::LabAspect ? "LabAspect" : "LabPerspec") + "="
                      + std::string(caption));
    }
    void setPictureHeight(int px) override { log.push_back("picDisplay.Height=" + std::to_string(px)); }
    void setPictureWidth(int px) override { log.push_back("picDisplay.Width=" + std::to_string(px)); }
    int optionTop(int index) const override { return top[static_cast<std::size_t>(index)]; }
    void setOptionLeft(int index, int twips) override { left[static_cast<std::size_t>(index)] = twips; }
    void setOptionTop(int index, int twips) override { top[static_cast<std::size_t>(index)] = twips; }
    void switchOptionOn(int index) override
    {
        log.push_back("Option1(" + std::to_string(index) + ").Value=1");
        if (onSwitchOn)
            onSwitchOn();
    }
    void buildShapePoints() override
    {
        log.push_back("BuildShapePoints");
        if (onBuild)
            onBuild();
    }

private:
    static std::string name(TimerId t) { return t == TimerId::Timer1 ? "Timer1" : "Timer2"; }
};

TEST(StartupSequence, RunsTheWindowOperationsInOrder)
{
    ViewState state;
    PointGrid grid;
    FakeWindow window;
    runStartupSequence(state, grid, window);
    const std::vector<std::string> expected = {
        "Timer1.Interval=1",     "Timer1.Enabled=0",    "Timer2.Interval=1", "Timer2.Enabled=0",
        "LabAspect=1",           "LabPerspec=150",      "picDisplay.Height=400", "picDisplay.Width=400",
        "Option1(0).Value=1",    "BuildShapePoints",
    };
    EXPECT_EQ(window.log, expected);
}

TEST(StartupSequence, LeavesTheViewAtItsDefaults)
{
    ViewState state;
    state.MouseX = 77; // whatever the window held before
    PointGrid grid;
    FakeWindow window;
    ViewState seenByBuild;
    window.onBuild = [&] { seenByBuild = state; };
    runStartupSequence(state, grid, window);

    EXPECT_EQ(seenByBuild.GridRows, 25);
    EXPECT_EQ(seenByBuild.GridCols, 25);
    EXPECT_EQ(seenByBuild.AnimStepX, 15.0f);
    EXPECT_EQ(seenByBuild.AnimStepY, 15.0f);
    EXPECT_EQ(seenByBuild.ShapeSize, 100.0f);
    EXPECT_EQ(seenByBuild.AspectFactor, 1.0f);
    EXPECT_EQ(seenByBuild.PerspectiveDistance, 150.0f);
    EXPECT_EQ(seenByBuild.ShapeIndex, 0);
    EXPECT_EQ(seenByBuild.PerspectiveFlag, 0);
    for (const SingleGrid* g : {&grid.WorldX, &grid.WorldY, &grid.WorldZ, &grid.ScreenX, &grid.ScreenY}) {
        EXPECT_EQ(g->cols(), 25);
        EXPECT_EQ(g->rows(), 25);
    }
}

TEST(StartupSequence, LaysOutTheShapeButtonsFromButtonZero)
{
    ViewState state;
    PointGrid grid;
    FakeWindow window;
    runStartupSequence(state, grid, window);
    for (int n = 0; n < kShapeButtonCount; ++n) {
        EXPECT_EQ(window.left[static_cast<std::size_t>(n)], 150) << n;
        EXPECT_EQ(window.top[static_cast<std::size_t>(n)], 300 + 300 * n) << n;
    }
}

TEST(StartupSequence, AClickRaisedBySwitchingTheButtonOnDoesNotChangeTheOutcome)
{
    ViewState state;
    PointGrid grid;
    FakeWindow window;
    int builds = 0;
    ViewState atEarlyBuild;
    window.onSwitchOn = [&] { window.buildShapePoints(); };
    window.onBuild = [&] {
        if (++builds == 1)
            atEarlyBuild = state;
    };
    runStartupSequence(state, grid, window);
    EXPECT_EQ(builds, 2);
    // The early build sees the values of that moment; the last one the defaults.
    EXPECT_EQ(atEarlyBuild.AspectFactor, 0.0f);
    EXPECT_EQ(state.AspectFactor, 1.0f);
    EXPECT_EQ(state.PerspectiveDistance, 150.0f);
}

} // namespace
