// Random events against the main window's rules, without a window, from a
// fixed seed: pointer moves far outside the drawing area, shape indexes outside
// the catalogue, animation clicks, timer ticks, the perspective box's three
// states and scroll values beyond their ranges. After every event the model's
// invariants must hold. tst_fuzz_form1 sends a few thousand of the same events
// through the real window's controls.
//
// RUVEX_FUZZ_SEED and RUVEX_FUZZ_MODEL_EVENTS override the seed and the count.

#include "tests/plainwindow.h"
#include "window/form1model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

// A build for an emulator sends fewer (tests/CMakeLists.txt).
#ifndef RUVEX_FUZZ_MODEL_EVENTS_DEFAULT
#define RUVEX_FUZZ_MODEL_EVENTS_DEFAULT 100000
#endif

namespace {

unsigned long settingOr(const char* name, unsigned long fallback)
{
    const char* value = std::getenv(name);
    return value ? std::strtoul(value, nullptr, 10) : fallback;
}

// One random event; `rebuilt` says whether it rebuilt the grid.
struct Event {
    std::string what;
    bool rebuilt = false;
};

class ModelFuzzer {
public:
    ModelFuzzer(Form1Model& model, unsigned long seed)
        : m_model(model)
        , m_random(static_cast<std::mt19937::result_type>(seed))
    {
    }

    Event step()
    {
        switch (pick(0, 9)) {
        case 0:
        case 1:
        case 2:
            return pointerMove();
        case 3: {
            const int index = pick(-20, 40);
            m_model.Option1_Click(index);
            return {"shape " + std::to_string(index), true};
        }
        case 4: {
            const int index = pick(0, 3);
            m_model.optAnim_Click(index);
            return {"anim " + std::to_string(index)};
        }
        case 5:
            m_model.Timer1_Timer();
            return {"tick 1"};
        case 6:
            m_model.Timer2_Timer();
            return {"tick 2"};
        case 7:
            m_model.chkPerspective_Click(pick(0, 2));
            return {"perspective box"};
        case 8: {
            const int value = pick(-50, 400);
            m_model.VScroll2_Change(value);
            return {"distance " + std::to_string(value), true};
        }
        default: {
            const int value = pick(-10, 30);
            m_model.VScroll1_Change(value);
            return {"aspect " + std::to_string(value), true};
        }
        }
    }

private:
    Event pointerMove()
    {
        const float x = position();
        const float y = position();
        m_model.pointerMoved(pick(0, 7), x, y);
        return {"move " + std::to_string(x) + "," + std::to_string(y)};
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

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

    Form1Model& m_model;
    std::mt19937 m_random;
};

void expectInvariants(const Form1Model& model, bool rebuilt)
{
    const PointGrid& grid = model.pointGrid();
    for (const SingleGrid* screen : {&grid.ScreenX, &grid.ScreenY}) {
        for (std::size_t n = 0; n < screen->size(); ++n) {
            const float v = screen->data()[n];
            ASSERT_TRUE(std::isfinite(v) && v >= -1000.0f && v <= 1000.0f) << "screen value " << v;
        }
    }
    ASSERT_FALSE(model.timer1Enabled() && model.timer2Enabled()) << "two timers running";
    ASSERT_EQ(model.distanceBarEnabled(), model.perspectiveBox() != 0);
    if (rebuilt) {
        // A rebuild starts the view again from the pointer position (0, 0).
        ASSERT_EQ(model.viewState().MouseX, 0.0f);
        ASSERT_EQ(model.viewState().MouseY, 0.0f);
    }
}

TEST(Form1ModelFuzz, InvariantsHoldAfterEveryRandomEvent)
{
    const unsigned long seed = settingOr("RUVEX_FUZZ_SEED", 20261207);
    const unsigned long events = settingOr("RUVEX_FUZZ_MODEL_EVENTS", RUVEX_FUZZ_MODEL_EVENTS_DEFAULT);
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set RUVEX_FUZZ_SEED to replay)");

    PictureBox area;
    Form1Model model(area);
    PlainWindow window(area);
    model.Form_Load(window);
    ModelFuzzer fuzzer(model, seed);
    for (unsigned long n = 0; n < events; ++n) {
        const Event event = fuzzer.step();
        expectInvariants(model, event.rebuilt);
        if (::testing::Test::HasFatalFailure()) {
            ADD_FAILURE() << "after event " << n << ": " << event.what;
            return;
        }
    }
}

} // namespace
