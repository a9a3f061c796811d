#pragma once
// The timer-driven sweep of the stored pointer position: each tick adds the
// step, and a position that has gone beyond +-6000 turns the step round, so
// the sweep runs to just past one bound, is drawn there, and comes back.
//
// It only moves numbers; the caller redraws.

#include "surface/viewstate.h"

#include <array>

inline constexpr float kSweepBound = 6000.0f;

// The timers tick no faster than this, whatever interval the handlers store.
// They ask for 1 ms, the shortest non-zero interval, and the platform they
// were tuned on delivered window-timer ticks about every 15.6 ms; a true 1 ms
// tick would spin a solid about 37 turns a second. Both front ends read it
// from here (the desktop's timer, ui/animationtimer.h, has its own copy yet).
inline constexpr int kMinimumTickMs = 15;

// The interval a timer really ticks at for a stored interval.
constexpr int tickInterval(int storedMs)
{
    return storedMs > kMinimumTickMs ? storedMs : kMinimumTickMs;
}

// The sizes of the step per tick that the menu "Kecepatan Rotasi" offers:
// "Lambat", "Sedang" and "Cepat". The last is the start value (startup.h).
inline constexpr std::array kSweepSpeeds = {5.0f, 10.0f, 15.0f};

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

// Gives both steps the size `speed`, each keeping its direction. A position
// left beyond the bound by the last tick is brought back to the bound: a
// smaller step would not carry it inside, and it would turn round on every
// tick without ever coming back.
void setSweepSpeed(ViewState& state, float speed);

// The position moved by `delta` (a key press), held within the bounds so that
// a sweep started from it turns at the bound as usual.
float movedWithinSweep(float position, float delta);
