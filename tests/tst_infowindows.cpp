// The five information windows as the user meets them through the main
// window's menu: what each shows, how OK, Enter, Esc and the close box end or
// hide it, where it reappears, and that the main window goes on meanwhile.

#include "tests/form1controls.h"
#include "ui/animationtimer.h"
#include "ui/centring.h"
#include "ui/infowindow.h"
#include "ui/modelesswindows.h"
#include "ui/qtext.h"
#include "ui/qtrects.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kTextA = QStringLiteral(
    "RUVEX Display 3D Berfungsi Untuk Mengenalkan Bangun-Bangun Ruang 3 Dimensi. Selain Itu Juga Diharapkan "
    "Dapat Menggantikan Model Bangun Ruang Konvensional. Karena Dalam Bentuk Digital Model-Model Tersebut "
    "Akan "
    "Lebih Fleksibel dan Portabel");
const QString kTextB
    = QStringLiteral("Secara Khusus Sasaran Dari RUVEX Display 3D Ini Adalah SMA Kelas X Semester 2.");

void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class InfoWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { m_form = std::make_unique<Form1>(); }
    void TearDown() override
    {
        m_form.reset();
        destroyClosedWindows();
    }

    Form1& form() { return *m_form; }
    InfoWindow* loaded(InfoWindowId id) { return m_form->findChild<ModelessWindows*>()->window(id); }

    InfoWindow* open(InfoWindowId id)
    {
        const std::string_view item = InfoWindowLayouts::layoutOf(id).menuItem;
        QAction* action = control<QAction>(*m_form, toQString(item));
        if (action)
            action->trigger();
        return loaded(id);
    }

    QPoint screenCentre() const { return QGuiApplication::primaryScreen()->availableGeometry().center(); }

private:
    std::unique_ptr<Form1> m_form;
};

constexpr std::array kAll = {InfoWindowId::frmAbout, InfoWindowId::frmAbout1, InfoWindowId::Dialog,
                             InfoWindowId::Dialog1, InfoWindowId::Dialog2};
constexpr std::array kAboutWindows = {InfoWindowId::frmAbout, InfoWindowId::frmAbout1};
constexpr std::array kDialogs = {InfoWindowId::Dialog, InfoWindowId::Dialog1, InfoWindowId::Dialog2};

} // namespace

TEST_F(InfoWindowsTest, EachCommandOpensItsWindowModelessCentredWithTheProgramIcon)
{
    const std::array<std::pair<const char*, const char*>, 5> expected = {{
        {"frmAbout", "Fungsi RUVEX Display 3D"},
        {"frmAbout1", "Sasaran RUVEX Display 3D"},
        {"Dialog", "Contact Me"},
        {"Dialog1", "Info"},
        {"Dialog2", "Ucapan Terimakasih"},
    }};
    for (const InfoWindowId id : kAll) {
        const auto& [name, caption] = expected[static_cast<std::size_t>(id)];
        SCOPED_TRACE(name);
        EXPECT_EQ(loaded(id), nullptr) << "not loaded before its command";
        InfoWindow* window = open(id);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        EXPECT_EQ(window->objectName(), QLatin1String(name));
        EXPECT_EQ(window->windowTitle(), QLatin1String(caption));
        EXPECT_EQ(window->parentWidget(), &form()) << "no task-bar button of its own";
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_LE((window->frameGeometry().center() - screenCentre()).manhattanLength(), 2);
        EXPECT_EQ(window->focusWidget(), window->okButton());
        EXPECT_FALSE(window->windowIcon().isNull());
        EXPECT_EQ(window->windowIcon().cacheKey(), form().windowIcon().cacheKey());
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(InfoWindowsTest, TextsAreExactAndFitTheirLabels)
{
    EXPECT_EQ(open(InfoWindowId::frmAbout)->textLabel()->text(), kTextA);
    EXPECT_EQ(open(InfoWindowId::frmAbout1)->textLabel()->text(), kTextB);
    EXPECT_TRUE(open(InfoWindowId::Dialog)->textLabel()->text().contains(QLatin1String("@example.com")));
    EXPECT_TRUE(loaded(InfoWindowId::Dialog)->textLabel()->text().endsWith(QLatin1String("Terimakasih.")));
    EXPECT_TRUE(open(InfoWindowId::Dialog2)->textLabel()->text().endsWith(QLatin1String("Amin.")));

    for (const InfoWindowId id : kAll) {
        InfoWindow* window = open(id);
        SCOPED_TRACE(window->objectName().toStdString());
        const QLabel* label = window->textLabel();
        int room = label->height();
        // The contact window's OK button covers the foot of its label.
        if (window->okButton()->geometry().intersects(label->geometry()))
            room = window->okButton()->y() - label->y();
        EXPECT_LE(label->heightForWidth(label->width()), room);
    }
}

TEST_F(InfoWindowsTest, ASecondCommandShowsTheSameWindow)
{
    InfoWindow* first = open(InfoWindowId::Dialog);
    InfoWindow* second = open(InfoWindowId::Dialog);
    EXPECT_EQ(first, second);
    EXPECT_EQ(form().findChildren<InfoWindow*>(QStringLiteral("Dialog")).size(), 1);
}

TEST_F(InfoWindowsTest, DialogHiddenByOkReappearsWhereTheUserLeftIt)
{
    for (const InfoWindowId id : kDialogs) {
        QPointer<InfoWindow> window = open(id);
        SCOPED_TRACE(window->objectName().toStdString());
        const QPoint moved = window->pos() + QPoint(37, -23);
        window->move(moved);
        QTest::mouseClick(window->okButton(), Qt::LeftButton);
        destroyClosedWindows();
        ASSERT_TRUE(window);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(loaded(id), window.data()) << "hidden, still loaded";

        EXPECT_EQ(open(id), window.data());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->pos(), moved);
    }
}

TEST_F(InfoWindowsTest, AboutWindowClosedByOkComesBackNewAndCentred)
{
    for (const InfoWindowId id : kAboutWindows) {
        QPointer<InfoWindow> window = open(id);
        SCOPED_TRACE(window->objectName().toStdString());
        const QPoint centred = window->pos();
        window->move(centred + QPoint(50, 40));
        QTest::mouseClick(window->okButton(), Qt::LeftButton);
        EXPECT_EQ(loaded(id), nullptr) << "unloaded at once";
        destroyClosedWindows();
        EXPECT_FALSE(window) << "destroyed";

        InfoWindow* again = open(id);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->pos(), centred);
    }
}

TEST_F(InfoWindowsTest, EscAndEnterCloseAboutWindowsButEscLeavesDialogs)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        for (const InfoWindowId id : kAboutWindows) {
            InfoWindow* window = open(id);
            SCOPED_TRACE(window->objectName().toStdString());
            QTest::keyClick(window->okButton(), key);
            EXPECT_EQ(loaded(id), nullptr);
            destroyClosedWindows();
        }
    }
    for (const InfoWindowId id : kDialogs) {
        InfoWindow* window = open(id);
        SCOPED_TRACE(window->objectName().toStdString());
        QTest::keyClick(window->okButton(), Qt::Key_Escape);
        QTest::keyClick(window, Qt::Key_Escape);
        destroyClosedWindows();
        EXPECT_EQ(loaded(id), window);
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(InfoWindowsTest, CloseBoxUnloadsEveryWindow)
{
    for (const InfoWindowId id : kAll) {
        QPointer<InfoWindow> window = open(id);
        SCOPED_TRACE(window->objectName().toStdString());
        window->close();
        EXPECT_EQ(loaded(id), nullptr);
        // A command that comes before the old window is gone gets a new one.
        InfoWindow* again = open(id);
        EXPECT_NE(again, window.data());
        destroyClosedWindows();
        EXPECT_FALSE(window);
        EXPECT_TRUE(again->isVisible());
    }
}

TEST_F(InfoWindowsTest, MainWindowAndAnimationGoOnWhileWindowsAreOpen)
{
    for (const InfoWindowId id : kAll)
        open(id);
    for (const InfoWindowId id : kAll)
        EXPECT_TRUE(loaded(id)->isVisible()) << "all five open at once";

    auto* timer = control<AnimationTimer>(form(), "Timer1");
    QSignalSpy ticks(timer, &AnimationTimer::tick);
    timer->setEnabled(true);
    EXPECT_TRUE(ticks.wait(5000));
    EXPECT_TRUE(timer->isEnabled());

    auto* text1 = control<QPlainTextEdit>(form(), "Text1");
    auto* option3 = control<QRadioButton>(form(), "Option1", 3);
    const QString before = text1->toPlainText();
    QTest::mouseClick(option3, Qt::LeftButton, {}, QPoint(8, option3->height() / 2));
    EXPECT_EQ(form().viewState().ShapeIndex, 3);
    EXPECT_NE(text1->toPlainText(), before);
    timer->setEnabled(false);
}

TEST_F(InfoWindowsTest, EndOfTheMainWindowEndsThemAll)
{
    std::vector<QPointer<InfoWindow>> windows;
    for (const InfoWindowId id : kAll)
        windows.emplace_back(open(id));
    // One of them hidden: loaded but not shown.
    QTest::mouseClick(loaded(InfoWindowId::Dialog1)->okButton(), Qt::LeftButton);

    form().close();
    for (const auto& window : windows)
        EXPECT_TRUE(!window || !window->isVisible());
    TearDown();
    for (const auto& window : windows)
        EXPECT_FALSE(window);
}

TEST(Centring, CentresButKeepsTheTopLeftCornerOnTheScreen)
{
    struct Case {
        const char* what;
        QRect frame;
        QRect available;
        QPoint topLeft;
    };
    const Case cases[] = {
        {"fits", {0, 0, 200, 100}, {0, 0, 1000, 800}, {400, 350}},
        {"fits beside a side panel", {0, 0, 200, 100}, {100, 0, 900, 800}, {450, 350}},
        {"taller than the screen", {0, 0, 561, 536}, {0, 0, 640, 480}, {39, 0}},
        {"larger both ways, below a top panel", {0, 0, 700, 600}, {0, 30, 640, 450}, {0, 30}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(centredTopLeft(c.frame, c.available), c.topLeft) << c.what;
}
