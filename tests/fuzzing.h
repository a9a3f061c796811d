#pragma once
// What the main window's two fuzzers share: their settings, their random
// numbers, the invariants of the view and the run that stops at the first
// broken one, naming the event that broke it.

#include "surface/pointgrid.h"
#include "surface/viewstate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

// RUVEX_FUZZ_SEED and the count variables override the defaults.
inline unsigned long fuzzSetting(const char* name, unsigned long fallback)
{
    const char* value = std::getenv(name);
    return value ? std::strtoul(value, nullptr, 10) : fallback;
}

// One random event; `rebuilt` says whether it rebuilt the grid.
struct FuzzEvent {
    std::string what;
    bool rebuilt = false;
};

class FuzzRandom {
public:
    explicit FuzzRandom(unsigned long seed)
        : m_random(static_cast<std::mt19937::result_type>(seed))
    {
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // A pointer coordinate: in the drawing area, around it, far outside, or
    // beyond anything a screen gives.
    float position()
    {
        switch (pick(0, 4)) {
        case 0:
            return static_cast<float>(pick(0, 395));
        case 1:
            return static_cast<float>(pick(-50, 450));
        case 2:
            return static_cast<float>(pick(-7000, 7000));
        case 3:
            return std::uniform_real_distribution<float>(-1e7f, 1e7f)(m_random);
        default:
            return static_cast<float>(pick(-1, 1)) * 1e7f;
        }
    }

private:
    std::mt19937 m_random;
};

// Screen points stay finite and near the drawing area whatever came in; a
// rebuild starts the view again from the pointer position (0, 0).
inline void expectViewInvariants(const PointGrid& grid, const ViewState& view, bool rebuilt)
{
    for (const SingleGrid* screen : {&grid.ScreenX, &grid.ScreenY}) {
        for (std::size_t n = 0; n < screen->size(); ++n) {
            const float v = screen->data()[n];
            ASSERT_TRUE(std::isfinite(v) && v >= -1000.0f && v <= 1000.0f) << "screen value " << v;
        }
    }
    if (rebuilt) {
        ASSERT_EQ(view.MouseX, 0.0f);
        ASSERT_EQ(view.MouseY, 0.0f);
    }
}

// `events` times: step(n) makes an event, check(event) asserts; the first
// fatal failure ends the run with the event's number and description.
template <class Step, class Check> void runFuzz(unsigned long events, Step step, Check check)
{
    for (unsigned long n = 0; n < events; ++n) {
        const FuzzEvent event = step(n);
        check(event);
        if (::testing::Test::HasFatalFailure()) {
            ADD_FAILURE() << "after event " << n << ": " << event.what;
            return;
        }
    }
}
