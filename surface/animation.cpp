#include "surface/animation.h"

#include "surface/startup.h"

#include <algorithm>
#include <cmath>

// "Cepat", checked when the program starts, is the speed the sweep starts with.
static_assert(kSweepSpeeds.back() == StartupDefaults::kAnimStep);

namespace {

float withinBounds(float position)
{
    return std::clamp(position, -kSweepBound, kSweepBound);
}

} // namespace

void stepSweep(float& position, float& step)
{
    position += step;
    if (position > kSweepBound || position < -kSweepBound)
        step = -step;
}

void setSweepSpeed(ViewState& state, float speed)
{
    state.AnimStepX = std::copysign(speed, state.AnimStepX);
    state.AnimStepY = std::copysign(speed, state.AnimStepY);
    state.MouseX = withinBounds(state.MouseX);
    state.MouseY = withinBounds(state.MouseY);
}

float movedWithinSweep(float position, float delta)
{
    return withinBounds(position + delta);
}
