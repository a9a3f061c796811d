// The main window on the offscreen platform: the first picture, the stored
// layout as the user sees it, and the road from pointer and shape buttons to a
// picture.

#include "tests/form1controls.h"
#include "ui/picturewidget.h"
#include "ui/storedrangescrollbar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kSphereText = QStringLiteral(
    "Sebuah Bola yang titik pusatnya di P(a,b,c) dan Jari-jarinya r. Adalah Tempat Kedudukan "
    "Titik-Titik yang Berjarak r dari P");

QPlainTextEdit* text1(const Form1& form)
{
    return control<QPlainTextEdit>(form, "Text1");
}

QRadioButton* option1(const Form1& form, int index)
{
    return control<QRadioButton>(form, "Option1", index);
}

TEST(Form1Startup, DrawingAreaIs400SquareWithA396Interior)
{
    Form1 form;
    EXPECT_EQ(picDisplay(form)->geometry(), QRect(152, 104, 400, 400));
    EXPECT_EQ(picDisplay(form)->box().ScaleWidth(), 396);
    EXPECT_EQ(picDisplay(form)->box().ScaleHeight(), 396);
    EXPECT_EQ(form.centralWidget()->size(), QSize(559, 511));
    // The sphere is already drawn: the pole at the top is black.
    EXPECT_EQ(picture(form).pixel(200, 100) & 0xFFFFFF, 0u);
}

TEST(Form1Layout, ShapeButtonsStandInIndexOrderAndOnlySevenFitTheFrame)
{
    Form1 form;
    const QRect frame = control<QGroupBox>(form, "Frame1")->rect();
    for (int n = 0; n < 15; ++n) {
        const QRect button = option1(form, n)->geometry();
        EXPECT_EQ(button.topLeft(), QPoint(10, 20 + 20 * n)) << n;
        if (n <= 6)
            EXPECT_TRUE(frame.contains(button)) << n;
        else if (n == 7)
            EXPECT_TRUE(frame.intersects(button) && !frame.contains(button));
        else
            EXPECT_FALSE(frame.intersects(button)) << n;
    }
}

TEST(Form1Layout, ClippedAndCoveredControlsStayAsLaidOut)
{
    Form1 form;
    // The aspect frame is too small to show its scroll bar and caption.
    const QRect aspectFrame = control<QGroupBox>(form, "frmAspect")->rect();
    EXPECT_EQ(aspectFrame.size(), QSize(6, 16));
    EXPECT_FALSE(aspectFrame.intersects(control<StoredRangeScrollBar>(form, "VScroll1")->geometry()));
    EXPECT_FALSE(aspectFrame.intersects(control<QLabel>(form, "LabAspect")->geometry()));

    // Label3 lies under the drawing area.
    auto* label3 = form.centralWidget()->findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(label3, nullptr);
    EXPECT_TRUE(picDisplay(form)->geometry().contains(label3->geometry()));
    const auto children = form.centralWidget()->children();
    EXPECT_LT(children.indexOf(label3), children.indexOf(picDisplay(form))) << "stacked below";
}

TEST(Form1Layout, TabOrderStartsAtTheDrawingArea)
{
    Form1 form;
    auto* chkPerspective = control<QCheckBox>(form, "chkPerspective");
    EXPECT_EQ(picDisplay(form)->nextInFocusChain(), chkPerspective);
    EXPECT_EQ(chkPerspective->nextInFocusChain(), option1(form, 0));
    EXPECT_EQ(option1(form, 0)->nextInFocusChain(), option1(form, 8));
}

TEST(Form1Redraw, PointerMovesTurnTheSolidWithOrWithoutButtons)
{
    Form1 form;
    form.show();
    const QImage atStart = picture(form);
    QTest::mouseMove(picDisplay(form), QPoint(60, 250));
    EXPECT_NE(picture(form), atStart);
    EXPECT_EQ(form.viewState().MouseX, 58.0f) << "interior pixels, border excluded";
    EXPECT_EQ(form.viewState().MouseY, 248.0f);

    // The same position gives the same picture, whatever buttons are held.
    const QImage turned = picture(form);
    moveOver(form, 2, 100, 100);
    moveOver(form, 0, 58, 248);
    EXPECT_EQ(picture(form), turned);
}

// Collects the parts of a widget that the toolkit asks it to repaint.
class PaintedRegion : public QObject {
public:
    explicit PaintedRegion(QWidget* widget) { widget->installEventFilter(this); }
    QRegion region;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// Only the changed part of the picture is repainted, and all of it is: every
// pixel that differs between two pictures lies in the repainted region.
TEST(Form1Redraw, RepaintCoversExactlyWhatChanged)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    PictureWidget* area = picDisplay(form);
    for (const QPoint to : {QPoint(210, 190), QPoint(20, 380), QPoint(395, 0)}) {
        QCoreApplication::processEvents();
        const QImage before = picture(form);
        PaintedRegion painted(area);
        QTest::mouseMove(area, to);
        QCoreApplication::processEvents();
        const QImage after = picture(form);
        QRect changed;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y))
                    changed |= QRect(x + 2, y + 2, 1, 1); // widget pixels, past the border
        ASSERT_FALSE(changed.isEmpty());
        EXPECT_TRUE(painted.region.contains(changed)) << "moving to " << to.x() << "," << to.y();
        EXPECT_LT(painted.region.boundingRect().width() * painted.region.boundingRect().height(), 400 * 400)
            << "the whole area was repainted";
    }
}

TEST(Form1Redraw, ShapeButtonsRebuildFromPositionZero)
{
    Form1 form;
    form.show();
    moveOver(form, 0, 120, 80);
    QTest::mouseClick(option1(form, 3), Qt::LeftButton);
    EXPECT_EQ(form.viewState().ShapeIndex, 3);
    EXPECT_EQ(form.viewState().MouseX, 0.0f);
    EXPECT_EQ(form.viewState().MouseY, 0.0f);
    EXPECT_TRUE(text1(form)->toPlainText().startsWith(QStringLiteral("Suatu Kerucut")));

    // The extra figures keep the last definition shown.
    form.apply(ControlIntent{"Option1_Click", 0});
    form.apply(ControlIntent{"Option1_Click", 13});
    EXPECT_EQ(text1(form)->toPlainText(), kSphereText);
}

TEST(Form1Redraw, IndexOutsideTheCatalogueDrawsTheCollapsedGrid)
{
    Form1 form;
    form.apply(ControlIntent{"Option1_Click", 2});
    const QString text = text1(form)->toPlainText();
    form.apply(ControlIntent{"Option1_Click", -5});
    form.apply(ControlIntent{"Option1_Click", 99});
    EXPECT_EQ(text1(form)->toPlainText(), text);
    EXPECT_EQ(form.pointGrid().WorldX(25, 25), 0.0f);
    // Every point at the centre: only a blue dot where all lines collapse.
    EXPECT_EQ(form.pointGrid().ScreenX(1, 1), 200.0f);
}

TEST(Form1Text, DefinitionIsReadOnlyButSelectable)
{
    Form1 form;
    EXPECT_TRUE(text1(form)->isReadOnly());
    EXPECT_TRUE(text1(form)->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(text1(form)->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    text1(form)->selectAll();
    EXPECT_EQ(text1(form)->textCursor().selectedText(), kSphereText);
}

} // namespace
