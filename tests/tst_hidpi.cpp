// The drawing area and "Layar Penuh" on a screen with more device pixels
// than logical pixels. Each shows the view drawn again at its device pixels,
// never the 396-pixel picture enlarged in blocks, while pointer positions
// stay in the picture's pixels and the picture that is saved stays 396 x 396.
// HighDensity runs with QT_SCALE_FACTOR 2 and 1.5 on the offscreen
// platform's 800 x 600 screen (offscreen-800x600.json), RatioChange on two
// screens (offscreen-two-ratios.json), LargeScreen with QT_SCALE_FACTOR 2 on
// a screen of 7680 x 4320 device pixels (offscreen-7680x4320.json).

#include "platform/colours.h"
#include "tests/form1controls.h"
#include "ui/picturewidget.h"
#include "ui/presentationwindow.h"
#include "view/picturelines.h"
#include "view/scaledwireframe.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

constexpr int kSide = 396; // the picture's side, in its own pixels

QImage devicePixels(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The form's view drawn into a white target of width x height device
// pixels with the mapping.
QImage drawn(const Form1& form, int width, int height, const PixelMapping& mapping)
{
    PixelBuffer picture;
    picture.reset(width, height, ruvex::win::pixelOf(ruvex::win::kWhite));
    const PictureBox& area = picDisplay(form)->box();
    drawMappedLines(makePictureLines(form.pointGrid(), form.viewState(), area, {}), mapping, picture);
    return imageOf(picture).copy();
}

// The drawing area's interior as shown at the widget's ratio.
QImage interiorShown(PictureWidget* area)
{
    const qreal ratio = area->devicePixelRatio();
    const int side = qRound(kSide * ratio);
    return devicePixels(area).copy(qRound(2 * ratio), qRound(2 * ratio), side, side);
}

// "Layar Penuh" opened by its key over the form shown at the view (120, 60);
// null where a window did not come up.
PresentationWindow* openFullScreen(Form1& form)
{
    moveOver(form, 1, 120, 60);
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return nullptr;
    QTest::keyClick(&form, Qt::Key_F11);
    auto* window = form.findChild<PresentationWindow*>();
    return window != nullptr && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

TEST(HighDensity, DrawingAreaShowsTheViewDrawnAtDevicePixels)
{
    const qreal ratio = qApp->devicePixelRatio();
    ASSERT_GT(ratio, 1.0) << "run with QT_SCALE_FACTOR above 1";
    const int side = qRound(kSide * ratio);
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* area = picDisplay(form);

    // A pointer move is still in the picture's pixels, past the border.
    // Sent to the window: the offscreen platform's frame, one device pixel
    // wide, would shift a position given over the screen.
    QTest::mouseMove(form.windowHandle(), area->mapTo(&form, QPoint(2 + 120, 2 + 60)));
    ASSERT_EQ(QPointF(form.viewState().MouseX, form.viewState().MouseY), QPointF(120, 60));

    // At ratio 2 this is the command line's picture at --scale 2.
    EXPECT_EQ(interiorShown(area), drawn(form, side, side, PixelMapping{side / double(kSide), 0.0, 0.0}));
    EXPECT_EQ(area->box().Image().width(), kSide) << "the picture saved and copied keeps its size";
}

TEST(HighDensity, FullScreenDrawsAtTheScreensDevicePixelsAndMapsThePointerBack)
{
    const qreal ratio = qApp->devicePixelRatio();
    Form1 form;
    auto* window = openFullScreen(form);
    ASSERT_NE(window, nullptr);

    // The screen's 800 x 600 device pixels, the picture square 600 high.
    const QImage shown = devicePixels(window);
    ASSERT_EQ(shown.size(), QSize(800, 600));
    const PixelMapping mapping = PixelMapping::centred(600.0 / kSide, kSide, kSide, 800, 600);
    EXPECT_EQ(shown, drawn(form, 800, 600, mapping));

    // A logical position over the window is a device position on the screen,
    // and from there a position over the drawing area.
    const QPoint at(qRound(300 / ratio), qRound(200 / ratio));
    QTest::mouseMove(window->windowHandle(), at);
    EXPECT_FLOAT_EQ(form.viewState().MouseX, float((at.x() * ratio - mapping.originX) / mapping.scale));
    EXPECT_FLOAT_EQ(form.viewState().MouseY, float((at.y() * ratio - mapping.originY) / mapping.scale));
    EXPECT_EQ(devicePixels(window), drawn(form, 800, 600, mapping));
}

// Twice 4K's pixels each way: "Layar Penuh" draws 4K's pixels, at ratio 1
// here, which the window shows enlarged, and its picture's memory is given
// back when it closes.
TEST(LargeScreen, FullScreenDrawsAtMostFourKsPixelsEnlargedAndMapsThePointerBack)
{
    Form1 form;
    auto* window = openFullScreen(form);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->size(), QSize(3840, 2160));

    const QImage picture = imageOf(window->picture().image());
    ASSERT_EQ(picture.size(), QSize(3840, 2160));
    const PixelMapping mapping = PixelMapping::centred(2160.0 / kSide, kSide, kSide, 3840, 2160);
    EXPECT_EQ(picture, drawn(form, 3840, 2160, mapping));
    // The middle of the sphere, each picture pixel on two by two device pixels.
    const QRect middle(1890, 1050, 60, 60);
    const QImage shown = window->grab(middle).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, picture.copy(middle).scaled(120, 120));

    const QPoint at(300, 200);
    QTest::mouseMove(window->windowHandle(), at);
    EXPECT_FLOAT_EQ(form.viewState().MouseX, float((at.x() - mapping.originX) / mapping.scale));
    EXPECT_FLOAT_EQ(form.viewState().MouseY, float((at.y() - mapping.originY) / mapping.scale));

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(window->picture().image().isEmpty());
}

// Two screens side by side, at ratios 1 and 2: a window moved from one to
// the other shows the current view at the ratio of the screen it is on.
TEST(RatioChange, MovingTheWindowToAnotherScreenDrawsTheCurrentViewAtItsRatio)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* area = picDisplay(form);
    const auto moveTo = [&](const QScreen* screen) {
        form.move(screen->geometry().topLeft() + QPoint(10, 10));
        return QTest::qWaitFor([&] { return area->devicePixelRatio() == screen->devicePixelRatio(); });
    };
    // Each step changes the view on one screen and looks on the other.
    const QPointF views[] = {{120, 60}, {300, 40}, {-50, 200}};
    const QScreen* dense = screens[0]->devicePixelRatio() > 1.0 ? screens[0] : screens[1];
    const QScreen* plain = dense == screens[0] ? screens[1] : screens[0];
    for (const QPointF& view : views) {
        SCOPED_TRACE(view.x());
        ASSERT_TRUE(moveTo(plain));
        moveOver(form, 1, float(view.x()), float(view.y()));
        EXPECT_EQ(interiorShown(area), imageOf(area->box().Image()).copy());
        ASSERT_TRUE(moveTo(dense));
        EXPECT_EQ(interiorShown(area), drawn(form, 2 * kSide, 2 * kSide, PixelMapping{2.0, 0.0, 0.0}));
    }
}

} // namespace
