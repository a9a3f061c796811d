// Random events against the main window's rules, without a window, from a
// fixed seed: pointer moves far outside the drawing area, shape indexes outside
// the catalogue, animation clicks, timer ticks, the perspective box's three
// states and scroll values beyond their ranges. After every event the model's
// invariants must hold. tst_fuzz_form1 sends a few thousand of the same events
// through the real window's controls.
//
// RUVEX_FUZZ_SEED and RUVEX_FUZZ_MODEL_EVENTS override the seed and the count.

#include "tests/fuzzing.h"
#include "window/arealoadwindow.h"
#include "window/form1model.h"

#include <gtest/gtest.h>

#include <string>

// A build for an emulator sends fewer (tests/CMakeLists.txt).
#ifndef RUVEX_FUZZ_MODEL_EVENTS_DEFAULT
#define RUVEX_FUZZ_MODEL_EVENTS_DEFAULT 20000
#endif

namespace {

class ModelFuzzer : FuzzRandom {
public:
    ModelFuzzer(Form1Model& model, unsigned long seed)
        : FuzzRandom(seed)
        , m_model(model)
    {
    }

    FuzzEvent step()
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
    FuzzEvent pointerMove()
    {
        const float x = position();
        const float y = position();
        m_model.pointerMoved(pick(0, 7), x, y);
        return {"move " + std::to_string(x) + "," + std::to_string(y)};
    }

    Form1Model& m_model;
};

void expectInvariants(const Form1Model& model, bool rebuilt)
{
    expectViewInvariants(model.pointGrid(), model.viewState(), rebuilt);
    if (::testing::Test::HasFatalFailure())
        return; // the first broken invariant is the one to report
    ASSERT_FALSE(model.timer1Enabled() && model.timer2Enabled()) << "two timers running";
    ASSERT_EQ(model.distanceBarEnabled(), model.perspectiveBox() != 0);
}

TEST(Form1ModelFuzz, InvariantsHoldAfterEveryRandomEvent)
{
    const unsigned long seed = fuzzSetting("RUVEX_FUZZ_SEED", 20261207);
    const unsigned long events = fuzzSetting("RUVEX_FUZZ_MODEL_EVENTS", RUVEX_FUZZ_MODEL_EVENTS_DEFAULT);
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set RUVEX_FUZZ_SEED to replay)");

    PictureBox area;
    Form1Model model(area);
    AreaLoadWindow window(area);
    model.Form_Load(window);
    ModelFuzzer fuzzer(model, seed);
    runFuzz(
        events, [&](unsigned long) { return fuzzer.step(); },
        [&](const FuzzEvent& event) { expectInvariants(model, event.rebuilt); });
}

} // namespace
