// The teaching aids in the main window: the switches in "Spasiologi" draw
// what the command line draws, a real mouse drag over the drawing area turns
// the solid by the hover rule while hover and leaving change nothing, the
// copies reach the clipboard, a window opened from the command line shows
// the view it was given, and "Irisan Bidang" and "Ukuran Bangun" show what the
// command line prints.

#include "surface/animation.h"
#include "tests/form1controls.h"
#include "tests/windowsessionfixture.h"
#include "ui/besidewindow.h"
#include "ui/commandline.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "ui/storedrangescrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

const PixelBuffer& shown(const Form1& form)
{
    return picDisplay(form)->box().Image();
}

void trigger(const Form1& form, const char* item)
{
    control<QAction>(form, item)->trigger();
}

} // namespace

TEST(TeachingAids, SwitchesStartOffAndDrawWhatTheCommandLineDraws)
{
    Form1 form;
    for (const char* item : {"mnuBackLines", "mnuAxes", "mnuDragToTurn"}) {
        EXPECT_TRUE(control<QAction>(form, item)->isCheckable()) << item;
        EXPECT_FALSE(control<QAction>(form, item)->isChecked()) << item;
    }
    moveOver(form, 0, 120.0f, 60.0f);
    const PixelBuffer plain = shown(form);

    trigger(form, "mnuBackLines");
    EXPECT_EQ(shown(form), Session({0, 120.0f, 60.0f, false, 150, 10, {true, false}}).model().area().Image());
    trigger(form, "mnuAxes");
    EXPECT_EQ(shown(form), Session({0, 120.0f, 60.0f, false, 150, 10, {true, true}}).model().area().Image());
    // Each switch alone; the speeds keep their own group.
    trigger(form, "mnuBackLines");
    EXPECT_TRUE(control<QAction>(form, "mnuAxes")->isChecked());
    EXPECT_TRUE(control<QAction>(form, "mnuSpeed(2)")->isChecked());
    trigger(form, "mnuAxes");
    EXPECT_EQ(shown(form), plain);
}

TEST(TeachingAids, DragTurnsByTheHoverRuleAndNothingElseMovesTheView)
{
    Form1 form;
    PictureWidget* area = picDisplay(form);
    // Hover as the drawing area reports it (a move without a button).
    moveOver(form, 0, 100.0f, 120.0f);
    const float startX = form.viewState().MouseX;
    const float startY = form.viewState().MouseY;
    trigger(form, "mnuDragToTurn");

    moveOver(form, 0, 30.0f, 40.0f);
    EXPECT_EQ(form.viewState().MouseX, startX) << "hover turns nothing";
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(area, QPoint(70, 60));
    QTest::mouseMove(area, QPoint(90, 75));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(90, 75));
    EXPECT_EQ(form.viewState().MouseX, movedWithinSweep(startX, 40.0f));
    EXPECT_EQ(form.viewState().MouseY, movedWithinSweep(startY, 25.0f));
    const PixelBuffer dragged = shown(form);
    EXPECT_EQ(dragged,
              Session({0, startX + 40.0f, startY + 25.0f, false, 150, 10, {}}).model().area().Image());

    // Out of the drawing area to a menu and back: the view stays.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(area, &leave);
    moveOver(form, 0, 300.0f, 10.0f);
    EXPECT_EQ(shown(form), dragged);
    trigger(form, "mnuDragToTurn");
    moveOver(form, 0, 30.0f, 40.0f);
    EXPECT_NE(shown(form), dragged) << "hover turns again once the switch is off";
}

TEST(TeachingAids, WindowOpenedFromTheCommandLineShowsTheViewAndCopiesIt)
{
    std::vector<std::string> words{"ruvex3d", "-platform",     "offscreen", "--shape",  "3",   "--view",
                                   "120,60",  "--perspective", "200",       "--aspect", "1,2", "--axes"};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    const auto view = readCommandLine(static_cast<int>(argv.size()), argv.data()).view;
    ASSERT_TRUE(view);
    for (const QStringList& wrong : {QStringList{"--view", "396,0"}, QStringList{"--export", "x.png"}}) {
        QStringList arguments{QStringLiteral("ruvex3d"), QStringLiteral("--shape"), QStringLiteral("3")};
        arguments += wrong;
        const CommandLineResult result = runCommandLine(arguments);
        EXPECT_FALSE(result.windowView) << wrong.join(u' ').toStdString();
    }

    Form1 form;
    form.openView(*view);
    EXPECT_EQ(shown(form), Session(*view).model().area().Image());
    EXPECT_TRUE(control<QRadioButton>(form, "Option1", 3)->isChecked());
    EXPECT_TRUE(control<QCheckBox>(form, "chkPerspective")->isChecked());
    EXPECT_EQ(control<StoredRangeScrollBar>(form, "VScroll2")->storedValue(), 200);
    EXPECT_EQ(control<StoredRangeScrollBar>(form, "VScroll1")->storedValue(), 12);
    EXPECT_TRUE(control<QAction>(form, "mnuAxes")->isChecked());
    EXPECT_FALSE(control<QAction>(form, "mnuBackLines")->isChecked());

    trigger(form, "mnuCopyViewCode");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("ruvex3d --shape 3 --view 120,60 --perspective 200 --aspect 1,2 --axes"));
    trigger(form, "mnuCopyPicture");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              imageOf(shown(form)));
}

// "Irisan Bidang…": the window's bars draw what the command line's --section
// draws, its texts are the section's, the view's command names the section
// while the window is open, and closing it takes the section away.
TEST(TeachingAids, SectionWindowDrawsWhatTheCommandLineDrawsWhileOpen)
{
    Form1 form;
    moveOver(form, 0, 120.0f, 60.0f);
    const PixelBuffer plain = shown(form);
    control<QRadioButton>(form, "Option1", 3)->click();
    moveOver(form, 0, 120.0f, 60.0f);
    trigger(form, "mnuIrisan");
    auto* window = form.findChild<SectionWindow*>();
    ASSERT_TRUE(window && window->isVisible());
    window->findChild<QScrollBar*>("hsbKemiringan")->setValue(45);
    window->findChild<QScrollBar*>("hsbJarak")->setValue(30);

    const CommandLineResult info = runCommandLine(
        {"ruvex3d", "--shape", "3", "--view", "120,60", "--section", "45,30", "--section-info"});
    EXPECT_EQ(info.status, kExitWritten);
    EXPECT_EQ(window->findChild<QLineEdit*>("txtIrisan")->text() + u'\n', toQString(info.output));
    PictureSettings cut{3, 120.0f, 60.0f, false, 150, 10, {}};
    cut.options.section = SectionView{{45, 30}, true};
    EXPECT_EQ(shown(form), Session(cut).model().area().Image());
    trigger(form, "mnuCopyViewCode");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("ruvex3d --shape 3 --view 120,60 --section 45,30"));

    window->close();
    control<QRadioButton>(form, "Option1", 0)->click();
    moveOver(form, 0, 120.0f, 60.0f);
    EXPECT_EQ(shown(form), plain) << "no section once the window is closed";
    EXPECT_EQ(runCommandLine({"ruvex3d", "--section-info"}).status, kExitBadArguments);
}

// Opened on a shape just chosen, the window turns it to the worksheets'
// oblique view; its "−" and "+" step the bars; the plane left out is part of
// the view's command, which the command line takes back.
TEST(TeachingAids, SectionWindowOpensObliqueStepsByButtonsAndCarriesThePlane)
{
    Form1 form;
    control<QRadioButton>(form, "Option1", 3)->click();
    trigger(form, "mnuIrisan");
    auto* window = form.findChild<SectionWindow*>();
    ASSERT_TRUE(window);
    const auto button = [window](const char* name) {
        for (auto* found : window->findChildren<QToolButton*>()) {
            if (found->accessibleName() == QLatin1String(name))
                return found;
        }
        return static_cast<QToolButton*>(nullptr);
    };
    for (const char* name :
         {"Tambah Kemiringan", "Tambah Kemiringan", "Kurangi Kemiringan", "Kurangi Jarak"}) {
        ASSERT_TRUE(button(name)) << name;
        button(name)->click();
    }
    EXPECT_EQ(window->findChild<QScrollBar*>("hsbKemiringan")->value(), 1);
    window->findChild<QCheckBox*>("chkBidang")->click();
    trigger(form, "mnuCopyViewCode");
    const QString command
        = QStringLiteral("ruvex3d --shape 3 --view 170,160 --section 1,49 --section-plane hidden");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), command);

    const CommandLineResult reopened = runCommandLine(command.split(u' '));
    ASSERT_TRUE(reopened.windowView);
    EXPECT_EQ(shown(form), Session(*reopened.windowView).model().area().Image());
    EXPECT_FALSE(reopened.windowView->options.section->outline);
    EXPECT_EQ(runCommandLine({"ruvex3d", "--shape", "3", "--section-plane", "hidden"}).error,
              "ruvex3d: pilihan --section-plane hanya berlaku bersama --section SUDUT,JARAK.\n");
}

// "Ukuran Bangun" shows the worked numbers the command line prints for the
// same sizes, holds the aspect bar while open, and gives way to "Irisan
// Bidang".
TEST(TeachingAids, SizeWindowShowsTheCommandLinesNumbersAndGivesWayToTheSection)
{
    Form1 form;
    control<QRadioButton>(form, "Option1", 6)->click();
    trigger(form, "mnuUkuran");
    auto* window = form.findChild<SizeWindow*>();
    ASSERT_TRUE(window && window->isVisible());
    window->findChild<QScrollBar*>("hsbJariJari")->setValue(3);
    window->findChild<QRadioButton*>("optPi(1)")->click();

    const CommandLineResult info
        = runCommandLine({"ruvex3d", "--shape", "6", "--size", "3,10", "--pi", "3,14", "--size-info"});
    EXPECT_EQ(info.status, kExitWritten);
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("txtHitungan")->toPlainText() + u'\n',
              toQString(info.output));
    // A screen reader names the numbers in Indonesian, not by the box's name.
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("txtHitungan")->accessibleName(), u"Hitungan");
    EXPECT_FALSE(control<StoredRangeScrollBar>(form, "VScroll1")->isEnabled());

    trigger(form, "mnuIrisan");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(form.findChild<SectionWindow*>()->isVisible());
    EXPECT_TRUE(control<StoredRangeScrollBar>(form, "VScroll1")->isEnabled());

    // Esc closes the window from its text as from its bars, as on the page.
    auto* line = form.findChild<SectionWindow*>()->findChild<QLineEdit*>("txtIrisan");
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Escape);
    EXPECT_FALSE(form.findChild<SectionWindow*>()->isVisible());
}
