// Random events against the main window, from a fixed seed: pointer moves far
// outside the drawing area, shape indexes outside the catalogue, animation
// clicks, timer ticks, check-box toggles and scroll values beyond their
// ranges. After every event the window's invariants must hold. The rules
// behind the controls get many more such events without a window
// (tst_fuzz_form1model); here a few thousand go through the real widgets.
//
// RUVEX_FUZZ_SEED and RUVEX_FUZZ_EVENTS override the seed and the count.

#include "surface/shapecatalogue.h"
#include "tests/form1controls.h"
#include "tests/fuzzing.h"
#include "ui/animationtimer.h"
#include "ui/picturewidget.h"
#include "ui/storedrangescrollbar.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// The controls the fuzzer drives and checks, looked up once.
struct Controls {
    explicit Controls(const Form1& form)
        : picDisplay(::picDisplay(form))
        , optAnim{control<QRadioButton>(form, "optAnim", 0), control<QRadioButton>(form, "optAnim", 1),
                  control<QRadioButton>(form, "optAnim", 2)}
        , chkPerspective(control<QCheckBox>(form, "chkPerspective"))
        , VScroll1(control<StoredRangeScrollBar>(form, "VScroll1"))
        , VScroll2(control<StoredRangeScrollBar>(form, "VScroll2"))
        , Timer1(control<AnimationTimer>(form, "Timer1"))
        , Timer2(control<AnimationTimer>(form, "Timer2"))
    {
    }

    PictureWidget* picDisplay;
    std::array<QRadioButton*, 3> optAnim;
    QCheckBox* chkPerspective;
    StoredRangeScrollBar* VScroll1;
    StoredRangeScrollBar* VScroll2;
    AnimationTimer* Timer1;
    AnimationTimer* Timer2;
};

class Fuzzer : FuzzRandom {
public:
    Fuzzer(Form1& form, const Controls& controls, unsigned long seed)
        : FuzzRandom(seed)
        , m_form(form)
        , m_controls(controls)
    {
    }

    FuzzEvent step()
    {
        switch (pick(0, 9)) {
        case 0:
        case 1:
            return handlerMove();
        case 2:
            return pointerMove();
        case 3:
            return shape();
        case 4:
            return animation();
        case 5:
            m_form.session().model().Timer1_Timer();
            return {"tick 1"};
        case 6:
            m_form.session().model().Timer2_Timer();
            return {"tick 2"};
        case 7:
            return perspectiveBox();
        case 8:
            return distance();
        default:
            return aspect();
        }
    }

private:
    FuzzEvent handlerMove()
    {
        const float x = position();
        const float y = position();
        moveOver(m_form, pick(0, 7), x, y);
        return {"move " + std::to_string(x) + "," + std::to_string(y)};
    }

    FuzzEvent pointerMove()
    {
        const QPoint at(pick(-50, 450), pick(-50, 450));
        QTest::mouseMove(m_controls.picDisplay, at);
        return {"real move"};
    }

    FuzzEvent shape()
    {
        const int index = pick(-20, 40);
        m_form.apply(ControlIntent{"Option1_Click", index});
        return {"shape " + std::to_string(index), true};
    }

    FuzzEvent animation()
    {
        const int index = pick(0, 3);
        if (index < 3 && pick(0, 1))
            QTest::mouseClick(m_controls.optAnim[static_cast<std::size_t>(index)], Qt::LeftButton);
        else
            m_form.apply(ControlIntent{"optAnim_Click", index});
        return {"anim " + std::to_string(index)};
    }

    FuzzEvent perspectiveBox()
    {
        const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        m_controls.chkPerspective->setCheckState(states[pick(0, 2)]);
        return {"perspective box"};
    }

    FuzzEvent distance()
    {
        const int value = pick(-50, 400);
        m_controls.VScroll2->setStoredValue(value);
        m_form.apply(ControlIntent{"VScroll2_Change", m_controls.VScroll2->storedValue()});
        return {"distance " + std::to_string(value), true};
    }

    FuzzEvent aspect()
    {
        const int value = pick(-10, 30);
        m_controls.VScroll1->setStoredValue(value);
        m_form.apply(ControlIntent{"VScroll1_Change", m_controls.VScroll1->storedValue()});
        return {"aspect " + std::to_string(value), true};
    }

    Form1& m_form;
    const Controls& m_controls;
};

void expectInvariants(const Form1& form, const Controls& controls, bool rebuilt)
{
    expectViewInvariants(form.pointGrid(), form.viewState(), rebuilt);
    if (::testing::Test::HasFatalFailure())
        return; // the first broken invariant is the one to report
    ASSERT_FALSE(controls.Timer1->isEnabled() && controls.Timer2->isEnabled()) << "two timers running";
    ASSERT_EQ(controls.VScroll2->isEnabled(), controls.chkPerspective->checkState() != Qt::Unchecked);
}

TEST(Form1Fuzz, InvariantsHoldAfterEveryRandomEvent)
{
    const unsigned long seed = fuzzSetting("RUVEX_FUZZ_SEED", 20261207);
    const unsigned long events = fuzzSetting("RUVEX_FUZZ_EVENTS", 3000);
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set RUVEX_FUZZ_SEED to replay)");

    Form1 form;
    form.show();
    const Controls controls(form);
    controls.chkPerspective->setTristate(true);
    Fuzzer fuzzer(form, controls, seed);
    const auto step = [&](unsigned long n) {
        // Let queued events (and real timer ticks) through now and then.
        if (n % 64 == 1)
            QCoreApplication::processEvents();
        return fuzzer.step();
    };
    runFuzz(events, step, [&](const FuzzEvent& event) { expectInvariants(form, controls, event.rebuilt); });
}

} // namespace
