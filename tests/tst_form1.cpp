// The main window on the offscreen platform: its state after start-up, its
// stored layout, and the road from pointer and shape buttons to a picture.

#include "ui/animationtimer.h"
#include "ui/form1.h"
#include "ui/picturewidget.h"
#include "ui/storedrangescrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kSphereText = QStringLiteral(
    "Sebuah Bola yang titik pusatnya di P(a,b,c) dan Jari-jarinya r. Adalah Tempat Kedudukan "
    "Titik-Titik yang Berjarak r dari P");

QImage picture(const Form1& form)
{
    return imageOf(form.picDisplay()->box().Image()).copy();
}

TEST(Form1Startup, StateAfterLoad)
{
    Form1 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("RUVEX Display 3D"));
    EXPECT_TRUE(form.Option1(0)->isChecked());
    EXPECT_EQ(form.Text1()->toPlainText(), kSphereText);
    EXPECT_EQ(form.LabAspect()->text(), QStringLiteral("1"));
    EXPECT_EQ(form.LabPerspec()->text(), QStringLiteral("150"));
    EXPECT_FALSE(form.Timer1()->isEnabled());
    EXPECT_FALSE(form.Timer2()->isEnabled());
    EXPECT_EQ(form.Timer1()->interval(), 1);
    EXPECT_FALSE(form.VScroll2()->isEnabled());
    EXPECT_FALSE(form.chkPerspective()->isChecked());

    const ViewState& view = form.viewState();
    EXPECT_EQ(view.MouseX, 0.0f);
    EXPECT_EQ(view.MouseY, 0.0f);
    EXPECT_EQ(view.ShapeIndex, 0);
    EXPECT_EQ(view.AspectFactor, 1.0f);
    EXPECT_EQ(view.PerspectiveDistance, 150.0f);
    EXPECT_NE(view.DisplayDC, nullptr);
}

TEST(Form1Startup, DrawingAreaIs400SquareWithA396Interior)
{
    Form1 form;
    EXPECT_EQ(form.picDisplay()->geometry(), QRect(152, 104, 400, 400));
    EXPECT_EQ(form.picDisplay()->box().ScaleWidth(), 396);
    EXPECT_EQ(form.picDisplay()->box().ScaleHeight(), 396);
    EXPECT_EQ(form.centralWidget()->size(), QSize(559, 511));
    // The sphere is already drawn: the pole at the top is black.
    EXPECT_EQ(picture(form).pixel(200, 100) & 0xFFFFFF, 0u);
}

TEST(Form1Layout, ShapeButtonsStandInIndexOrderAndOnlySevenFitTheFrame)
{
    Form1 form;
    const QRect frame = form.Frame1()->rect();
    for (int n = 0; n < 15; ++n) {
        const QRect button = form.Option1(n)->geometry();
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
    const QRect aspectFrame = form.frmAspect()->rect();
    EXPECT_EQ(aspectFrame.size(), QSize(6, 16));
    EXPECT_FALSE(aspectFrame.intersects(form.VScroll1()->geometry()));
    EXPECT_FALSE(aspectFrame.intersects(form.LabAspect()->geometry()));
    EXPECT_EQ(form.VScroll1()->Value(), 10);
    EXPECT_EQ(form.VScroll2()->Value(), 150);

    // Label3 lies under the drawing area.
    auto* label3 = form.centralWidget()->findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(label3, nullptr);
    EXPECT_TRUE(form.picDisplay()->geometry().contains(label3->geometry()));
    const auto children = form.centralWidget()->children();
    EXPECT_LT(children.indexOf(label3), children.indexOf(form.picDisplay())) << "stacked below";
}

TEST(Form1Layout, MenuTreeWithItsCaptions)
{
    Form1 form;
    QStringList seen;
    for (QAction* top : form.menuBar()->actions()) {
        seen << top->text();
        for (QAction* item : top->menu()->actions())
            seen << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    const QStringList expected = {"Spasiologi",  "Save Gambar", "-",       "Tutup Program",
                                  "Informasi Display RUVEX", "Fungsi", "Sasaran ", "-",
                                  "Ucapan Terimakasih", "Help", "Contact", "-",
                                  "Info"};
    EXPECT_EQ(seen, expected);
    EXPECT_NE(form.menuAction(QStringLiteral("MnuInfodancredit")), nullptr);
}

TEST(Form1Layout, TabOrderStartsAtTheDrawingArea)
{
    Form1 form;
    EXPECT_EQ(form.picDisplay()->nextInFocusChain(), form.chkPerspective());
    EXPECT_EQ(form.chkPerspective()->nextInFocusChain(), form.Option1(0));
    EXPECT_EQ(form.Option1(0)->nextInFocusChain(), form.Option1(8));
}

TEST(Form1Redraw, PointerMovesTurnTheSolidWithOrWithoutButtons)
{
    Form1 form;
    form.show();
    const QImage atStart = picture(form);
    QTest::mouseMove(form.picDisplay(), QPoint(60, 250));
    EXPECT_NE(picture(form), atStart);
    EXPECT_EQ(form.viewState().MouseX, 58.0f) << "interior pixels, border excluded";
    EXPECT_EQ(form.viewState().MouseY, 248.0f);

    // The same position gives the same picture, whatever buttons are held.
    const QImage turned = picture(form);
    form.picDisplay_MouseMove(2, 3, 100, 100);
    form.picDisplay_MouseMove(0, 0, 58, 248);
    EXPECT_EQ(picture(form), turned);
}

TEST(Form1Redraw, ShapeButtonsRebuildFromPositionZero)
{
    Form1 form;
    form.show();
    form.picDisplay_MouseMove(0, 0, 120, 80);
    QTest::mouseClick(form.Option1(3), Qt::LeftButton);
    EXPECT_EQ(form.viewState().ShapeIndex, 3);
    EXPECT_EQ(form.viewState().MouseX, 0.0f);
    EXPECT_EQ(form.viewState().MouseY, 0.0f);
    EXPECT_TRUE(form.Text1()->toPlainText().startsWith(QStringLiteral("Suatu Kerucut")));

    // The extra figures keep the last definition shown.
    form.Option1_Click(0);
    form.Option1_Click(13);
    EXPECT_EQ(form.Text1()->toPlainText(), kSphereText);
}

TEST(Form1Redraw, IndexOutsideTheCatalogueDrawsTheCollapsedGrid)
{
    Form1 form;
    form.Option1_Click(2);
    const QString text = form.Text1()->toPlainText();
    form.Option1_Click(-5);
    form.Option1_Click(99);
    EXPECT_EQ(form.Text1()->toPlainText(), text);
    EXPECT_EQ(form.pointGrid().WorldX(25, 25), 0.0f);
    // Every point at the centre: only a blue dot where all lines collapse.
    EXPECT_EQ(form.pointGrid().ScreenX(1, 1), 200.0f);
}

TEST(Form1Text, DefinitionIsReadOnlyButSelectable)
{
    Form1 form;
    EXPECT_TRUE(form.Text1()->isReadOnly());
    EXPECT_TRUE(form.Text1()->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(form.Text1()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    form.Text1()->selectAll();
    EXPECT_EQ(form.Text1()->textCursor().selectedText(), kSphereText);
}

TEST(Form1Close, TutupProgramClosesTheWindow)
{
    Form1 form;
    form.show();
    form.menuAction(QStringLiteral("mnuExit"))->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Timer1()->isEnabled());
}

} // namespace
