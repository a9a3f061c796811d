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
#include "ui/animationtimer.h"
#include "ui/picturewidget.h"
#include "ui/storedrangescrollbar.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace {

unsigned long settingOr(const char* name, unsigned long fallback)
{
    const char* value = std::getenv(name);
    return value ? std::strtoul(value, nullptr, 10) : fallback;
}

// The controls the fuzzer drives and checks, looked up once.
struct Controls {
    explicit Controls(const Form1& form)
        : picDisplay(control<PictureWidget>(form, "picDisplay"))
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

// One random event and its description; `rebuilt` says whether it rebuilt
// the grid.
struct Event {
    std::string what;
    bool rebuilt = false;
};

class Fuzzer {
public:
    Fuzzer(Form1& form, const Controls& controls, unsigned long seed)
        : m_form(form)
        , m_controls(controls)
        , m_random(static_cast<std::mt19937::result_type>(seed))
    {
    }

    Event step()
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
            m_form.Timer1_Timer();
            return {"tick 1"};
        case 6:
            m_form.Timer2_Timer();
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
    Event handlerMove()
    {
        const float x = position();
        const float y = position();
        m_form.picDisplay_MouseMove(static_cast<short>(pick(0, 7)), static_cast<short>(pick(0, 7)), x, y);
        return {"move " + std::to_string(x) + "," + std::to_string(y)};
    }

    Event pointerMove()
    {
        const QPoint at(pick(-50, 450), pick(-50, 450));
        QTest::mouseMove(m_controls.picDisplay, at);
        return {"real move"};
    }

    Event shape()
    {
        const int index = pick(-20, 40);
        m_form.Option1_Click(static_cast<short>(index));
        return {"shape " + std::to_string(index), true};
    }

    Event animation()
    {
        const int index = pick(0, 3);
        if (index < 3 && pick(0, 1))
            QTest::mouseClick(m_controls.optAnim[static_cast<std::size_t>(index)], Qt::LeftButton);
        else
            m_form.optAnim_Click(static_cast<short>(index));
        return {"anim " + std::to_string(index)};
    }

    Event perspectiveBox()
    {
        const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        m_controls.chkPerspective->setCheckState(states[pick(0, 2)]);
        return {"perspective box"};
    }

    Event distance()
    {
        const int value = pick(-50, 400);
        m_controls.VScroll2->setStoredValue(value);
        m_form.VScroll2_Change();
        return {"distance " + std::to_string(value), true};
    }

    Event aspect()
    {
        const int value = pick(-10, 30);
        m_controls.VScroll1->setStoredValue(value);
        m_form.VScroll1_Change();
        return {"aspect " + std::to_string(value), true};
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    float position()
    {
        switch (pick(0, 3)) {
        case 0:
            return static_cast<float>(pick(0, 395));
        case 1:
            return static_cast<float>(pick(-7000, 7000));
        case 2:
            return std::uniform_real_distribution<float>(-1e7f, 1e7f)(m_random);
        default:
            return static_cast<float>(pick(-1, 1)) * 1e7f;
        }
    }

    Form1& m_form;
    const Controls& m_controls;
    std::mt19937 m_random;
};

void expectInvariants(const Form1& form, const Controls& controls, bool rebuilt)
{
    const PointGrid& grid = form.pointGrid();
    for (const SingleGrid* screen : {&grid.ScreenX, &grid.ScreenY}) {
        for (std::size_t n = 0; n < screen->size(); ++n) {
            const float v = screen->data()[n];
            ASSERT_TRUE(std::isfinite(v) && v >= -1000.0f && v <= 1000.0f) << "screen value " << v;
        }
    }
    ASSERT_FALSE(controls.Timer1->isEnabled() && controls.Timer2->isEnabled()) << "two timers running";
    ASSERT_EQ(controls.VScroll2->isEnabled(), controls.chkPerspective->checkState() != Qt::Unchecked);
    if (rebuilt) {
        // A rebuild starts the view again from the pointer position (0, 0).
        ASSERT_EQ(form.viewState().MouseX, 0.0f);
        ASSERT_EQ(form.viewState().MouseY, 0.0f);
    }
}

TEST(Form1Fuzz, InvariantsHoldAfterEveryRandomEvent)
{
    const unsigned long seed = settingOr("RUVEX_FUZZ_SEED", 20261207);
    const unsigned long events = settingOr("RUVEX_FUZZ_EVENTS", 3000);
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set RUVEX_FUZZ_SEED to replay)");

    Form1 form;
    form.show();
    const Controls controls(form);
    controls.chkPerspective->setTristate(true);
    Fuzzer fuzzer(form, controls, seed);
    for (unsigned long n = 0; n < events; ++n) {
        const Event event = fuzzer.step();
        expectInvariants(form, controls, event.rebuilt);
        if (::testing::Test::HasFatalFailure()) {
            ADD_FAILURE() << "after event " << n << ": " << event.what;
            return;
        }
        // Let queued events (and real timer ticks) through now and then.
        if (n % 64 == 0)
            QCoreApplication::processEvents();
    }
}

} // namespace
