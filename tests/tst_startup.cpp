// The start-up sequence against a fake window: the shape buttons' layout,
// and a build raised early by switching the first button on.

#include "surface/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

// Records only what the tests below look at: the shape buttons' positions
// and the two moments that can raise a build.
class FakeWindow final : public StartupWindow {
public:
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

    void setTimerInterval(TimerId, int) override { }
    void setTimerEnabled(TimerId, bool) override { }
    void setLabelCaption(LabelId, std::string_view) override { }
    void setPictureHeight(int) override { }
    void setPictureWidth(int) override { }
    int firstOptionTop() const override { return top[0]; }
    void placeOptions(const OptionColumn& column) override
    {
        for (std::size_t n = 0; n < column.size(); ++n) {
            left[n] = column[n].left;
            top[n] = column[n].top;
        }
    }
    void switchOptionOn(int) override
    {
        if (onSwitchOn)
            onSwitchOn();
    }
    void buildShapePoints() override
    {
        if (onBuild)
            onBuild();
    }
};

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
