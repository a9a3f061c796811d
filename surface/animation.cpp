#include "surface/animation.h"

void stepSweep(float& position, float& step)
{
    position += step;
    if (position > kSweepBound || position < -kSweepBound)
        step = -step;
}
