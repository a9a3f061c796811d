// The main window without a mouse: arrow keys and Home over the drawing area,
// its focus frame, Tab through the controls and the yellow ring around the
// focused one, the menus' keys and shortcuts, the rotation speed and the help
// window.

#include "tests/fakeprompts.h"
#include "tests/form1controls.h"
#include "ui/helpwindow.h"
#include "ui/infowindow.h"
#include "ui/picturewidget.h"
#include "ui/storedrangescrollbar.h"
#include "window/helptext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// The main window shown and active, the keyboard focus on `focus`.
void showWithFocus(Form1& form, QWidget* focus)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());
}

bool focusFrameShown(const Form1& form)
{
    // Drawn over the border; the picture inside stays as it is.
    const QImage shown = picDisplay(form)->grab().toImage();
    EXPECT_EQ(shown.copy(2, 2, 396, 396).convertToFormat(QImage::Format_RGB32), picture(form));
    return shown.pixelColor(0, 200) == QColor(Qt::yellow) && shown.pixelColor(398, 1) == QColor(Qt::yellow);
}

TEST(Keys, ArrowsAndHomeOverTheFocusedDrawingAreaActAsThePointer)
{
    Form1 form;
    auto* text1 = control<QPlainTextEdit>(form, "Text1");
    showWithFocus(form, text1);
    QTest::keyClick(text1, Qt::Key_Right);
    EXPECT_EQ(form.viewState().MouseX, 0.0f) << "the text box keeps its keys";
    EXPECT_FALSE(focusFrameShown(form));
    showWithFocus(form, picDisplay(form));
    EXPECT_TRUE(focusFrameShown(form));

    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint position; // where the pointer gives the same view
    };
    const Step steps[] = {
        {Qt::Key_Right, {}, {15, 0}}, {Qt::Key_Down, Qt::ShiftModifier, {15, 150}},
        {Qt::Key_Left, {}, {0, 150}}, {Qt::Key_Up, {}, {0, 135}},
        {Qt::Key_Home, {}, {0, 0}},
    };
    for (const Step& step : steps) {
        QTest::keyClick(picDisplay(form), step.key, step.modifiers);
        const QImage byKeys = picture(form);
        QTest::mouseMove(picDisplay(form), {300, 300});
        QTest::mouseMove(picDisplay(form), step.position + QPoint(2, 2)); // past the border
        EXPECT_EQ(picture(form), byKeys) << step.position.x() << "," << step.position.y();
    }
}

// The widgets Tab visits from the drawing area until it comes back to it.
std::vector<QWidget*> tabCycle(Form1& form)
{
    std::vector<QWidget*> visited;
    for (int press = 0; press < 40; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == picDisplay(form))
            break;
        visited.push_back(QApplication::focusWidget());
    }
    return visited;
}

bool yellowAt(const QImage& window, QWidget* control, QPoint offset)
{
    const QPoint at = control->mapTo(control->window(), offset);
    return window.pixelColor(at) == QColor(Qt::yellow);
}

// The ring lies on the edge of the focused control, and nowhere else.
void expectRingAroundFocusOnly(Form1& form, QWidget* focused, const std::vector<QWidget*>& controls)
{
    const QImage shown = form.grab().toImage();
    for (QWidget* control : controls) {
        const QPoint corner(control->width() - 1, control->height() - 1);
        const bool ring = yellowAt(shown, control, {0, 0}) && yellowAt(shown, control, corner);
        EXPECT_EQ(ring, control == focused) << control->objectName().toStdString() << " with the focus on "
                                            << focused->objectName().toStdString();
    }
}

TEST(Keys, TabReachesEveryEnabledControlAndAYellowRingShowsWhichHasTheKeys)
{
    Form1 form;
    auto* chkPerspective = control<QCheckBox>(form, "chkPerspective");
    auto* vscroll2 = control<StoredRangeScrollBar>(form, "VScroll2");
    showWithFocus(form, picDisplay(form));
    std::vector<QWidget*> unticked = tabCycle(form);
    EXPECT_EQ(std::count(unticked.begin(), unticked.end(), vscroll2), 0) << "disabled, so skipped";

    QTest::keyClick(chkPerspective, Qt::Key_Space);
    ASSERT_TRUE(vscroll2->isEnabled());
    const std::vector<QWidget*> expected
        = {chkPerspective, control<QRadioButton>(form, "Option1(0)"), vscroll2,
           control<QRadioButton>(form, "optAnim(2)"), control<QPlainTextEdit>(form, "Text1")};
    const std::vector<QWidget*> ticked = tabCycle(form);
    EXPECT_EQ(ticked, expected) << "the layout's tab positions, the distance bar among them";
    for (QWidget* focused : ticked) {
        focused->setFocus(Qt::TabFocusReason);
        expectRingAroundFocusOnly(form, focused, ticked);
    }
    vscroll2->setFocus(Qt::TabFocusReason);
    const int before = vscroll2->storedValue();
    QTest::keyClick(vscroll2, Qt::Key_Down);
    EXPECT_EQ(vscroll2->storedValue(), before - 10) << "down towards 100, by the small change";
}

TEST(Help, TellsOnlyWhatTheWindowShowsOfTheDistance)
{
    // The distance caption lies under the distance bar, as the layout has it:
    // what little of it shows is background, so the help may not point the
    // reader to a number beside the bar.
    Form1 form;
    form.show();
    auto* caption = control<QLabel>(form, "LabPerspec");
    const QRegion uncovered
        = QRegion(caption->geometry()) - control<StoredRangeScrollBar>(form, "VScroll2")->geometry();
    const QImage shown = form.grab().toImage();
    for (const QRect& part : uncovered) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            for (int x = part.left(); x <= part.right(); ++x) {
                const QPoint at = caption->parentWidget()->mapTo(&form, QPoint(x, y));
                ASSERT_EQ(shown.pixelColor(at), QColor(Qt::black)) << x << "," << y;
            }
        }
    }
    const QString help = QString::fromUtf8(kHelpText.data(), qsizetype(kHelpText.size()));
    EXPECT_FALSE(help.contains(QStringLiteral("angka di samping")));
}

TEST(Keys, MenuKeysAndShortcutsReachTheirCommands)
{
    struct Case {
        QKeyCombination key;
        const char* menu;        // the menu it opens, or nullptr
        const char* dialogTitle; // the file dialog it opens, or nullptr
    };
    const Case cases[] = {
        {Qt::ALT | Qt::Key_S, "mF", nullptr},
        {Qt::ALT | Qt::Key_I, "MnunInformasi", nullptr},
        {Qt::ALT | Qt::Key_H, "MnuHelputama", nullptr},
        {QKeyCombination(Qt::Key_F10), "mF", nullptr},
        {Qt::CTRL | Qt::Key_S, nullptr, "Save Gambar Bangun Ruang *.bmp"},
        {Qt::CTRL | Qt::Key_E, nullptr, "Ekspor Gambar Bangun Ruang"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
        Form1 form;
        FakeFileDialog dialog;
        FakePrompts prompts;
        form.setSaveDialogs(prompts.saveDialogs(dialog));
        showWithFocus(form, picDisplay(form));
        QTest::keyClick(&form, c.key.key(), c.key.keyboardModifiers());
        if (c.menu) {
            auto* menu = form.menuBar()->findChild<QMenu*>(QLatin1String(c.menu));
            QTRY_VERIFY(menu->isVisible());
            menu->hide();
        }
        if (c.dialogTitle) {
            ASSERT_EQ(dialog.calls().size(), 1u);
            EXPECT_EQ(dialog.last().title, c.dialogTitle);
        }
    }
    Form1 form;
    showWithFocus(form, picDisplay(form));
    QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form.isVisible()) << "Ctrl+Q is Tutup Program";
}

TEST(Speed, EachItemSetsTheStepSizeAndKeepsTheDirection)
{
    Form1 form;
    EXPECT_TRUE(control<QAction>(form, "mnuSpeed(2)")->isChecked()) << "Cepat at start";
    // Just past the bound: the sweep turns back, and must keep going back.
    moveOver(form, 0, 5999, 0);
    form.session().model().Timer1_Timer();
    const float steps[] = {5, 10, 15};
    for (int index = 0; index < 3; ++index) {
        control<QAction>(form, "mnuSpeed", index)->trigger();
        EXPECT_TRUE(control<QAction>(form, "mnuSpeed", index)->isChecked());
        EXPECT_EQ(control<QAction>(form, "mnuSpeed(2)")->isChecked(), index == 2) << "only one checked";
        const float before = form.viewState().MouseX;
        form.session().model().Timer1_Timer();
        EXPECT_EQ(form.viewState().MouseX, before - steps[index]) << index;
    }
}

TEST(Help, F1OpensOneWindowThatListsEveryShortcutAndClosesWithEscEnterOrOk)
{
    Form1 form;
    showWithFocus(form, picDisplay(form));
    QTest::keyClick(&form, Qt::Key_F1);
    QPointer<HelpWindow> help = form.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(form.menuBar()->findChild<QMenu*>(QStringLiteral("MnuHelputama"))->actions().constFirst(),
              control<QAction>(form, "MnuPetunjuk"));
    const QString text = help->text()->toPlainText();
    for (const QAction* action : form.menuBar()->findChildren<QAction*>()) {
        const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
        EXPECT_TRUE(text.contains(shortcut)) << action->objectName().toStdString();
    }

    form.apply(MenuIntent{"MnuPetunjuk"});
    EXPECT_EQ(form.helpWindow(), help.data()) << "shown again, not copied";
    using Closer = void (*)(HelpWindow*);
    const Closer closers[] = {
        [](HelpWindow* window) { QTest::keyClick(window->text(), Qt::Key_Escape); },
        [](HelpWindow* window) { QTest::keyClick(window->text(), Qt::Key_Return); },
        [](HelpWindow* window) { QTest::mouseClick(window->okButton(), Qt::LeftButton); },
    };
    for (const Closer close : closers) {
        form.apply(MenuIntent{"MnuPetunjuk"});
        help = form.helpWindow();
        close(help);
        EXPECT_EQ(form.helpWindow(), nullptr) << "forgotten at once";
        QTRY_VERIFY(!help);
    }

    form.apply(MenuIntent{"MnuPetunjuk"});
    help = form.helpWindow();
    form.close();
    EXPECT_FALSE(help && help->isVisible()) << "it ends with the main window";
}

} // namespace

namespace {

struct SelectableText {
    QWidget* widget;
    std::function<QString()> select; // selects some of it, and says what
};

// Ctrl+C in the text, in its own window made active, puts what is selected
// on the clipboard, and no picture.
void expectCtrlCCopiesTheSelection(const SelectableText& text)
{
    SCOPED_TRACE(text.widget->objectName().toStdString());
    text.widget->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(text.widget->window()));
    text.widget->setFocus();
    const QString selected = text.select();
    ASSERT_FALSE(selected.isEmpty());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(text.widget, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), selected);
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
}

// Ctrl+C in the help's text, an information window's label and the
// section's line: each copies its selected text, though the main window's
// "Salin Gambar" has the same shortcut.
TEST(Copy, CtrlCInAWindowsTextCopiesItsSelectedTextNotThePicture)
{
    Form1 form;
    showWithFocus(form, picDisplay(form));
    QTest::keyClick(&form, Qt::Key_F1);
    QTextEdit* help = form.helpWindow()->text();
    control<QAction>(form, "MnuSasaran")->trigger();
    auto* info = form.findChild<InfoWindow*>();
    auto* label = info ? info->findChild<QLabel*>(QStringLiteral("lblTitle")) : nullptr;
    control<QAction>(form, "mnuIrisan")->trigger();
    auto* line = form.findChild<QLineEdit*>(QStringLiteral("txtIrisan"));
    ASSERT_TRUE(label && line);
    const SelectableText texts[] = {
        {help,
         [help] {
             help->selectAll();
             return help->textCursor().selection().toPlainText();
         }},
        {label,
         [label] {
             label->setSelection(0, 20);
             return label->selectedText();
         }},
        {line,
         [line] {
             line->selectAll();
             return line->selectedText();
         }},
    };
    for (const SelectableText& text : texts)
        ASSERT_NO_FATAL_FAILURE(expectCtrlCCopiesTheSelection(text));
}

} // namespace
