// "Layar Penuh" on the offscreen platform, with an 800 x 600 screen
// (offscreen-800x600.json): the view at the screen's scale, the pointer and
// keys over it turning the solid as over the drawing area, the animation
// going on, and the way back to the window.

#include "platform/colours.h"
#include "surface/schoolsolid.h"
#include "tests/fakeprompts.h"
#include "tests/form1controls.h"
#include "ui/animationtimer.h"
#include "ui/picturewidget.h"
#include "ui/presentationwindow.h"
#include "view/picturelines.h"
#include "view/scaledwireframe.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The picture square: 600 high, centred on the 800-wide screen.
constexpr double kScale = 600.0 / 396.0;
const QPoint kSquareCorner(100, 0);

// What the screen should show for the form's current view.
QImage expectedScreen(const Form1& form)
{
    PixelBuffer expected;
    expected.reset(800, 600, ruvex::win::pixelOf(ruvex::win::kWhite));
    const PictureBox& area = picDisplay(form)->box();
    drawMappedLines(makePictureLines(form.pointGrid(), form.viewState(), area, {}),
                    PixelMapping::centred(kScale, 396, 396, 800, 600), expected);
    return imageOf(expected).copy();
}

QImage shown(PresentationWindow* window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

PresentationWindow* openWithF11(Form1& form)
{
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F11);
    auto* window = form.findChild<PresentationWindow*>();
    EXPECT_NE(window, nullptr);
    if (window) {
        EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    }
    return window;
}

TEST(Presentation, F11ShowsTheViewScaledToTheScreenAndPointerMovesTurnItAsOverTheDrawingArea)
{
    // The pointer at p over the drawing area of another window.
    const QPoint p(66, 264);
    Form1 reference;
    reference.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reference));
    QTest::mouseMove(control<PictureWidget>(reference, "picDisplay"), p + QPoint(2, 2)); // past the border
    ASSERT_EQ(reference.viewState().MouseX, 66.0f);

    Form1 form;
    moveOver(form, 1, 120, 60);
    PresentationWindow* window = openWithF11(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_DOUBLE_EQ(window->picture().mapping().scale, kScale);
    EXPECT_EQ(shown(window), expectedScreen(form)) << "the view it was opened on";

    // p over the drawing area is p * s + the square's corner on the screen.
    // Sent to its own window: the offscreen platform would give a pointer at
    // that spot of the screen to the first window there, the main window.
    QTest::mouseMove(window->windowHandle(), kSquareCorner + p * kScale);
    EXPECT_FLOAT_EQ(form.viewState().MouseX, reference.viewState().MouseX);
    EXPECT_FLOAT_EQ(form.viewState().MouseY, reference.viewState().MouseY);
    EXPECT_EQ(picture(form), picture(reference));
    EXPECT_EQ(shown(window), expectedScreen(form)) << "the old lines are gone";
}

TEST(Presentation, KeysTurnTheViewAndEscOrF11GoBackToTheWindow)
{
    Form1 form;
    moveOver(form, 1, 100, 100);
    PresentationWindow* window = openWithF11(form);
    ASSERT_NE(window, nullptr);
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        QPointF after;
    };
    const Case cases[] = {
        {Qt::Key_Right, Qt::NoModifier, {115, 100}},     {Qt::Key_Up, Qt::NoModifier, {115, 85}},
        {Qt::Key_Left, Qt::ShiftModifier, {-35, 85}},    {Qt::Key_Down, Qt::ShiftModifier, {-35, 235}},
        {Qt::Key_Left, Qt::ControlModifier, {-35, 235}}, // a command's key, not the view's
        {Qt::Key_Home, Qt::NoModifier, {0, 0}},          {Qt::Key_Down, Qt::NoModifier, {0, 15}},
    };
    for (const Case& c : cases) {
        QTest::keyClick(window, static_cast<Qt::Key>(c.key), c.modifiers);
        EXPECT_EQ(QPointF(form.viewState().MouseX, form.viewState().MouseY), c.after) << c.key;
    }
    EXPECT_EQ(shown(window), expectedScreen(form));

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    Form1 reference;
    moveOver(reference, 1, 0, 15);
    EXPECT_EQ(picture(form), picture(reference)) << "the window shows the view turned full screen";

    // Opened again, it shows the view as it is now; F11 closes it as Esc does.
    moveOver(form, 1, 300, 40);
    window = openWithF11(form);
    EXPECT_EQ(shown(window), expectedScreen(form));
    QTest::keyClick(window, Qt::Key_F11);
    EXPECT_FALSE(window->isVisible());
}

TEST(Presentation, AnimationKeepsTurningTheSolidFullScreen)
{
    Form1 form;
    PresentationWindow* window = openWithF11(form);
    ASSERT_NE(window, nullptr);
    const QImage atStart = shown(window);
    control<QRadioButton>(form, "optAnim", 0)->click();
    QTRY_VERIFY_WITH_TIMEOUT(form.viewState().MouseX >= 30.0f, 5000);
    control<QRadioButton>(form, "optAnim", 2)->click();
    EXPECT_NE(shown(window), atStart);
    EXPECT_EQ(shown(window), expectedScreen(form));
}

TEST(Presentation, SpasiologiMenuOpensItFullScreen)
{
    Form1 form;
    form.show();
    QAction* item = nullptr;
    for (QAction* action : control<QMenu>(form, "mF")->actions())
        if (action->text() == QStringLiteral("Layar Penuh"))
            item = action;
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F11));
    item->trigger();
    auto* window = form.findChild<PresentationWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible() && window->isFullScreen());
}

// With "Ukuran Bangun" open the band under the picture names the solid's
// volume and surface area, large enough for a projector; closed, the screen
// is the plain view again.
TEST(Presentation, TheSizeWindowsCaptionStandsInABandUnderThePicture)
{
    Form1 form;
    form.show();
    control<QRadioButton>(form, "Option1", kSchoolTabung)->click();
    control<QAction>(form, "mnuUkuran")->trigger();
    PresentationWindow* window = openWithF11(form);
    ASSERT_NE(window, nullptr);
    auto* band = window->findChild<QLabel*>(QStringLiteral("lblCaption"));
    ASSERT_NE(band, nullptr);
    EXPECT_TRUE(band->isVisible());
    EXPECT_EQ(band->text(),
              QStringLiteral("Tabung: Volume = 1540,00 cm\u00b3, Luas permukaan = 748,00 cm\u00b2"));
    EXPECT_GE(band->font().pixelSize(), 0.03 * 600);
    EXPECT_EQ(band->geometry(), QRect(0, window->picture().image().height(), 800, band->height()));
    EXPECT_EQ(band->geometry().bottom(), 599);
    EXPECT_GE(band->height(), 2 * band->font().pixelSize());
    const QImage screen = shown(window);
    const QRect square(QPoint(0, 0), QSize(800, window->picture().image().height()));
    EXPECT_EQ(screen.copy(square), imageOf(window->picture().image()).convertToFormat(QImage::Format_RGB32));

    form.findChild<QWidget*>(QStringLiteral("frmUkuran"))->close();
    EXPECT_FALSE(band->isVisible());
    EXPECT_EQ(shown(window), expectedScreen(form));
}

// The session's own drag and save sequence (tst_windowsession.cpp) as real
// mouse events over each surface, with the same outcomes: with "Putar dengan
// Menyeret" a hover leaves the view, a left drag turns it by its travel, and
// only the drawing area's right-button release saves, the animation stopped.
TEST(SameEvents, DragRuleAndRightReleaseSaveAsTheSessionHasThem)
{
    for (const bool fullScreen : {false, true}) {
        SCOPED_TRACE(fullScreen ? "Layar Penuh" : "drawing area");
        Form1 form;
        FakeFileDialog dialog;
        FakePrompts prompts;
        dialog.cancel();
        form.setSaveDialogs(prompts.saveDialogs(dialog));
        control<QAction>(form, "mnuDragToTurn")->trigger();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        PresentationWindow* window = fullScreen ? openWithF11(form) : nullptr;
        ASSERT_EQ(window != nullptr, fullScreen);
        // Positions over the drawing area; 66 of its pixels are 100 on the screen.
        QWidget* surface = fullScreen ? static_cast<QWidget*>(window) : picDisplay(form);
        const auto at = [&](int x, int y) {
            return fullScreen ? kSquareCorner + QPoint(x, y) * kScale : QPoint(x, y) + QPoint(2, 2);
        };
        const float startX = form.viewState().MouseX;
        QTest::mouseMove(surface, at(132, 66));
        EXPECT_EQ(form.viewState().MouseX, startX);
        QTest::mousePress(surface, Qt::LeftButton, {}, at(66, 66));
        QTest::mouseMove(surface, at(132, 66));
        EXPECT_FLOAT_EQ(form.viewState().MouseX, startX + 66);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, at(132, 66));
        control<QRadioButton>(form, "optAnim", kAnimVertical)->click(); // no tick turns it before
        QTest::mouseClick(surface, Qt::RightButton, {}, at(132, 66));
        EXPECT_EQ(dialog.calls().size(), fullScreen ? 0u : 1u);
        EXPECT_EQ(control<AnimationTimer>(form, "Timer1")->isEnabled(), fullScreen);
    }
}

} // namespace
