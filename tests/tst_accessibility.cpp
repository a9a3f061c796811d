// The main window for a student who cannot see it: what a screen reader is
// told of the controls and the windows, the picture in words once the view
// rests, and where the keyboard focus goes with "Layar Penuh".

#include "tests/form1controls.h"
#include "ui/helpwindow.h"
#include "ui/presentationwindow.h"
#include "ui/storedrangescrollbar.h"
#include "window/commandline.h"
#include "window/infowindowlayout.h"
#include "window/picturewords.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

std::string read(QObject* object, QAccessible::Text kind)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(object);
    return control ? control->text(kind).toStdString() : std::string();
}

std::string description(QObject* object)
{
    return read(object, QAccessible::Description);
}

// Every name and value under a window, as a screen reader walks it.
std::string everythingRead(QAccessibleInterface* node)
{
    std::string told = node->text(QAccessible::Name).toStdString() + "\n"
        + node->text(QAccessible::Value).toStdString() + "\n";
    for (int n = 0; n < node->childCount(); ++n)
        told += everythingRead(node->child(n));
    return told;
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

void showActive(Form1& form)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

} // namespace

TEST(ScreenReader, ControlsAreNamedAndTheBarsTellTheirValueAsItMoves)
{
    Form1 form;
    EXPECT_EQ(read(control<QWidget>(form, "Text1"), QAccessible::Name), "Definisi");
    EXPECT_EQ(read(picDisplay(form), QAccessible::Name), "Gambar bangun ruang");
    const std::pair<const char*, const char*> groups[]
        = {{"frmPerspec", "Perspektif"}, {"frmAspect", "Aspek"}, {"Frame1", "BANGUN RUANG"}};
    for (const auto& [frame, name] : groups) {
        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(control<QWidget>(form, frame));
        EXPECT_EQ(group->role(), QAccessible::Grouping) << frame;
        EXPECT_EQ(group->text(QAccessible::Name).toStdString(), name);
    }
    EXPECT_EQ(description(control<QWidget>(form, "optAnim(2)")), "Rotasi Bangun");

    auto* aspect = control<StoredRangeScrollBar>(form, "VScroll1");
    auto* distance = control<StoredRangeScrollBar>(form, "VScroll2");
    EXPECT_EQ(read(aspect, QAccessible::Name), "Aspek");
    EXPECT_EQ(read(distance, QAccessible::Name), "Jarak Pandang");
    EXPECT_EQ(description(aspect), "Aspek 1,0");
    EXPECT_EQ(description(distance), "Jarak Pandang 150");
    EXPECT_EQ(read(distance, QAccessible::Value), "Jarak Pandang 150");
    QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(distance)->valueInterface();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->currentValue().toInt(), 150) << "the stored value, not the negated one inside";
    EXPECT_EQ(value->maximumValue().toInt(), 350);
    QTest::keyClick(aspect, Qt::Key_Down); // moved by the student
    EXPECT_EQ(description(aspect), "Aspek 0,9");
    PictureSettings opened;
    opened.aspectTenths = 15;
    opened.perspective = true;
    opened.perspectiveDistance = 200;
    form.openView(opened); // set by the window
    EXPECT_EQ(description(aspect), "Aspek 1,5");
    EXPECT_EQ(description(distance), "Jarak Pandang 200");
}

// The desktop reads out the very sentence "ruvex3d … --describe" prints.
TEST(ScreenReader, TheDrawingAreaTellsThePictureAsTheCommandLineDoes)
{
    const std::vector<ArgumentList> views{
        {"--shape", "3", "--view", "33,374", "--perspective", "200"},
        {"--shape", "0", "--view", "300,198", "--aspect", "1.5", "--axes"},
        {"--shape", "3", "--view", "0,0", "--section", "30,40"},
        {"--shape", "6", "--view", "40,90", "--size", "3,4"},
    };
    const auto nothingWritten
        = [](const std::string&, std::string_view) { return std::optional<std::string>(); };
    for (ArgumentList words : views) {
        words.insert(words.begin(), "ruvex3d");
        words.push_back("--describe");
        const CommandLineRequest request = readCommandLine(words);
        ASSERT_TRUE(request.view) << request.refusal;
        const std::string printed = runCommandLine(request, "1.0", nothingWritten).output;
        Form1 form;
        form.openView(*request.view);
        const auto told = [&form] { return description(picDisplay(form)) + '\n'; };
        EXPECT_TRUE(QTest::qWaitFor([&] { return told() == printed; }, 3 * kPictureWordsRestMilliseconds))
            << told() << "\nprinted\n"
            << printed;
    }
}

// A drag changes the view at every step; the sentence is told once the
// pointer has rested, not step by step.
TEST(ScreenReader, ThePictureIsToldAgainOnlyAfterTheViewHasRested)
{
    Form1 form;
    const std::string atStart = description(picDisplay(form));
    EXPECT_EQ(atStart, form.session().pictureWords());
    QElapsedTimer sinceLastMove;
    for (float x : {40.0f, 80.0f, 120.0f, 160.0f}) {
        moveOver(form, 0, x, 100.0f);
        sinceLastMove.start();
        QTest::qWait(kPictureWordsRestMilliseconds * 2 / 3);
        EXPECT_EQ(description(picDisplay(form)), atStart) << "still moving at x " << x;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return description(picDisplay(form)) != atStart; }, 1000));
    // The toolkit's timers may fire up to 5 % early.
    EXPECT_GE(sinceLastMove.elapsed(), kPictureWordsRestMilliseconds * 9 / 10);
    EXPECT_EQ(description(picDisplay(form)), form.session().pictureWords());

    // A drag held still is not told until it lets go.
    const std::string beforeDrag = description(picDisplay(form));
    form.apply(
        PointerEvent{PointerSurface::DrawingArea, PointerAction::Press, kLeftButton, kLeftButton, 160, 100});
    moveOver(form, kLeftButton, 200.0f, 100.0f);
    QTest::qWait(kPictureWordsRestMilliseconds * 3 / 2);
    EXPECT_EQ(description(picDisplay(form)), beforeDrag);
    form.apply(PointerEvent{PointerSurface::DrawingArea, PointerAction::Release, 0, kLeftButton, 200, 100});
    EXPECT_TRUE(QTest::qWaitFor([&] { return description(picDisplay(form)) != beforeDrag; }, 1000));
}

TEST(ScreenReader, InformationWindowsAndTheHelpAreReadWhole)
{
    Form1 form;
    for (const InfoWindowLayout& layout : InfoWindowLayouts::kWindows) {
        form.apply(MenuIntent{std::string(layout.menuItem)});
        QWidget* window
            = form.findChild<QWidget*>(QString::fromUtf8(layout.name.data(), qsizetype(layout.name.size())));
        ASSERT_TRUE(window) << layout.name;
        EXPECT_NE(everythingRead(QAccessible::queryAccessibleInterface(window)).find(layout.text),
                  std::string::npos)
            << layout.name;
    }
    form.apply(MenuIntent{"MnuPetunjuk"});
    QTextEdit* help = form.helpWindow()->text();
    EXPECT_FALSE(read(help, QAccessible::Name).empty()) << "the help's text box has a name";
    EXPECT_EQ(read(help, QAccessible::Value), help->toPlainText().toStdString());
}

// Tab cannot leave "Layar Penuh"; when it closes the keys go back where
// they were before the menu command opened it.
TEST(KeyboardFocus, FullScreenKeepsItUntilItClosesThenGivesItBack)
{
    Form1 form;
    showActive(form);
    auto* cone = control<QRadioButton>(form, "Option1", 3);
    cone->setFocus();
    form.apply(MenuIntent{"mnuFullScreen"});
    auto* fullScreen = form.findChild<PresentationWindow*>();
    ASSERT_TRUE(fullScreen && QTest::qWaitFor([fullScreen] { return focused() == fullScreen; }));
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Tab}) {
        QTest::keyClick(focused(), key);
        EXPECT_EQ(focused(), fullScreen);
    }
    QTest::keyClick(fullScreen, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([cone] { return focused() == cone; })) << "focus on " << focused();
}
