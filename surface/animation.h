#pragma once
// The timer-driven sweep of the stored pointer position: each tick adds the
// step, and a position that has gone beyond +-6000 turns the step round, so
// the sweep runs to just past one bound, is drawn there, and comes back.
//
// It only moves numbers; the caller redraws.

#include "surface/viewstate.h"

inline constexpr float kSweepBound = 6000.0f;

// Adds step to position; reverses step when the new position lies strictly
// beyond the bound (exactly +-6000 does not reverse).
void stepSweep(float& position, float& step);

inline void stepHorizontalSweep(ViewState& state)
{
    stepSweep(state.MouseX, state.AnimStepX);
}

inline void stepVerticalSweep(ViewState& state)
{
    stepSweep(state.MouseY, state.AnimStepY);
}
