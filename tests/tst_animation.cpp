// The sweep of the stored pointer position that the animation timers drive.

#include "surface/animation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(Sweep, ReversesOnlyAfterGoingBeyondTheBound)
{
    struct Case {
        const char* what;
        float position, step;
        float positionAfter, stepAfter;
    };
    const Case cases[] = {
        {"inside: just moves", 0, 15, 15, 15},
        {"landing exactly on the bound keeps going", 5985, 15, 6000, 15},
        {"past the bound reverses", 5990, 15, 6005, -15},
        {"past the lower bound reverses", -5990, -15, -6005, 15},
        {"landing exactly on the lower bound keeps going", -5985, -15, -6000, -15},
        {"a reversed step beyond the bound still reverses each tick", 6010, -15, 5995, -15},
    };
    for (const Case& c : cases) {
        float position = c.position;
        float step = c.step;
        stepSweep(position, step);
        EXPECT_EQ(position, c.positionAfter) << c.what;
        EXPECT_EQ(step, c.stepAfter) << c.what;
    }
}

TEST(Sweep, RunsToJustPastEachBoundAndBack)
{
    ViewState state;
    state.AnimStepX = 15.0f;
    std::vector<float> turningPoints;
    float previousStep = state.AnimStepX;
    for (int tick = 0; tick < 2000; ++tick) {
        stepHorizontalSweep(state);
        if (state.AnimStepX != previousStep) {
            turningPoints.push_back(state.MouseX);
            previousStep = state.AnimStepX;
        }
        ASSERT_LE(state.MouseX, 6015.0f);
        ASSERT_GE(state.MouseX, -6015.0f);
    }
    ASSERT_GE(turningPoints.size(), 2u);
    EXPECT_EQ(turningPoints[0], 6015.0f);
    EXPECT_EQ(turningPoints[1], -6015.0f);
    EXPECT_EQ(state.MouseY, 0.0f) << "the horizontal sweep leaves the other axis alone";
}

// Slowing down on the very tick that went past the bound, or keys that push
// the position far past it, must still give a sweep that comes back.
TEST(SweepSpeed, ASweepFromAnyChangedPositionComesBack)
{
    struct Case {
        const char* what;
        float position, step, speed, keys;
    };
    const Case cases[] = {
        {"slowed at the turning point", 6015, -15, 5, 0},
        {"slowed at the lower turning point", -6014, 15, 5, 0},
        {"keys far past the bound", 5990, 15, 15, 3000},
        {"keys far below the bound", -5990, -15, 10, -3000},
    };
    for (const Case& c : cases) {
        ViewState state;
        state.MouseX = c.position;
        state.AnimStepX = c.step;
        setSweepSpeed(state, c.speed);
        state.MouseX = movedWithinSweep(state.MouseX, c.keys);
        for (int tick = 0; tick < 4; ++tick)
            stepHorizontalSweep(state);
        EXPECT_LT(std::abs(state.MouseX), kSweepBound) << c.what;
        EXPECT_EQ(std::abs(state.AnimStepX), c.speed) << c.what;
    }
}

} // namespace
