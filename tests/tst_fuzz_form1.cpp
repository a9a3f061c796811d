// Random events against the main window, from a fixed seed: pointer moves far
// outside the drawing area, shape indexes outside the catalogue, animation
// clicks, timer ticks, check-box toggles and scroll values beyond their
// ranges. After every event the window's invariants must hold.
//
// RUVEX_FUZZ_SEED and RUVEX_FUZZ_EVENTS override the seed and the count.

#include "surface/shapecatalogue.h"
#include "ui/animationtimer.h"
#include "ui/form1.h"
#include "ui/picturewidget.h"
#include "ui/storedrangescrollbar.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

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

class Fuzzer {
public:
    Fuzzer(Form1& form, unsigned long seed)
        : m_form(form)
        , m_random(static_cast<std::mt19937::result_type>(seed))
    {
    }

    // Runs one random event; returns its description and whether it rebuilt
    // the grid.
    std::pair<std::string, bool> step()
    {
        switch (pick(0, 9)) {
        case 0:
        case 1: {
            const float x = position();
            const float y = position();
            m_form.picDisplay_MouseMove(static_cast<short>(pick(0, 7)), static_cast<short>(pick(0, 7)), x, y);
            return {"move " + std::to_string(x) + "," + std::to_string(y), false};
        }
        case 2: {
            const QPoint at(pick(-50, 450), pick(-50, 450));
            QTest::mouseMove(m_form.picDisplay(), at);
            return {"real move", false};
        }
        case 3: {
            const int index = pick(-20, 40);
            m_form.Option1_Click(static_cast<short>(index));
            return {"shape " + std::to_string(index), true};
        }
        case 4: {
            const int index = pick(0, 3);
            if (index < 3 && pick(0, 1))
                QTest::mouseClick(m_form.optAnim(index), Qt::LeftButton);
            else
                m_form.optAnim_Click(static_cast<short>(index));
            return {"anim " + std::to_string(index), false};
        }
        case 5:
            m_form.Timer1_Timer();
            return {"tick 1", false};
        case 6:
            m_form.Timer2_Timer();
            return {"tick 2", false};
        case 7: {
            const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
            m_form.chkPerspective()->setCheckState(states[pick(0, 2)]);
            return {"perspective box", false};
        }
        case 8: {
            const int value = pick(-50, 400);
            m_form.VScroll2()->setStoredValue(value);
            m_form.VScroll2_Change();
            return {"distance " + std::to_string(value), true};
        }
        default: {
            const int value = pick(-10, 30);
            m_form.VScroll1()->setStoredValue(value);
            m_form.VScroll1_Change();
            return {"aspect " + std::to_string(value), true};
        }
        }
    }

private:
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
    std::mt19937 m_random;
};

void expectInvariants(const Form1& form, bool rebuilt)
{
    const PointGrid& grid = form.pointGrid();
    for (const SingleGrid* screen : {&grid.ScreenX, &grid.ScreenY}) {
        for (std::size_t n = 0; n < screen->size(); ++n) {
            const float v = screen->data()[n];
            ASSERT_TRUE(std::isfinite(v) && v >= -1000.0f && v <= 1000.0f) << "screen value " << v;
        }
    }
    ASSERT_FALSE(form.Timer1()->isEnabled() && form.Timer2()->isEnabled()) << "two timers running";
    ASSERT_EQ(form.VScroll2()->isEnabled(), form.chkPerspective()->checkState() != Qt::Unchecked);
    if (rebuilt) {
        // A build rewrites every world point: the grid equals a fresh build.
        PointGrid fresh;
        fresh.allocate(25, 25);
        fillShapePoints(fresh, form.viewState());
        for (std::size_t n = 0; n < fresh.WorldX.size(); ++n) {
            ASSERT_EQ(grid.WorldX.data()[n], fresh.WorldX.data()[n]);
            ASSERT_EQ(grid.WorldY.data()[n], fresh.WorldY.data()[n]);
            ASSERT_EQ(grid.WorldZ.data()[n], fresh.WorldZ.data()[n]);
        }
        ASSERT_EQ(form.viewState().MouseX, 0.0f);
        ASSERT_EQ(form.viewState().MouseY, 0.0f);
    }
}

TEST(Form1Fuzz, InvariantsHoldAfterEveryRandomEvent)
{
    const unsigned long seed = settingOr("RUVEX_FUZZ_SEED", 20261207);
    const unsigned long events = settingOr("RUVEX_FUZZ_EVENTS", 100000);
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set RUVEX_FUZZ_SEED to replay)");

    Form1 form;
    form.show();
    form.chkPerspective()->setTristate(true);
    Fuzzer fuzzer(form, seed);
    for (unsigned long n = 0; n < events; ++n) {
        const auto [event, rebuilt] = fuzzer.step();
        expectInvariants(form, rebuilt);
        if (::testing::Test::HasFatalFailure()) {
            ADD_FAILURE() << "after event " << n << ": " << event;
            return;
        }
        // Let queued events (and real timer ticks) through now and then.
        if (n % 512 == 0)
            QCoreApplication::processEvents();
    }
}

} // namespace
