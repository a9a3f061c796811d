// The menu-bitmap control: which items get a bitmap, how masks and the
// transparent colour become transparency, the menus' font and icon size, and
// the main window's own settings on its real menus.

#include "tests/form1controls.h"
#include "ui/menubitmapcontrol.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

QImage filled(int side, QColor left, QColor right)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixelColor(x, y, x < side / 2 ? left : right);
    return image;
}

QImage iconImage(const QAction* action, int side)
{
    return action->icon().pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
}

// A window with two menus like the main window's: items named as menu
// controls are, and a menu-bar entry with a name of its own.
struct TestWindow {
    QMainWindow window;
    QMenu* file = nullptr;
    QMenu* help = nullptr;

    TestWindow()
    {
        file = window.menuBar()->addMenu(QStringLiteral("File"));
        file->addAction(QStringLiteral("Save"))->setObjectName(QStringLiteral("save"));
        file->addAction(QStringLiteral("Exit"))->setObjectName(QStringLiteral("exit"));
        help = window.menuBar()->addMenu(QStringLiteral("Help"));
        help->menuAction()->setObjectName(QStringLiteral("helpMain"));
        help->addAction(QStringLiteral("About"))->setObjectName(QStringLiteral("about"));
    }

    QAction* item(const char* name) const
    {
        return window.menuBar()->findChild<QAction*>(QLatin1String(name));
    }
};

} // namespace

TEST(MenuBitmapControl, MaskAndTransparentColourBecomeTransparency)
{
    TestWindow test;
    MenuBitmapControl hook(&test.window);
    // Mask white on the left half; transparent colour pure red, 0x00BBGGRR.
    const QImage mask = filled(32, Qt::white, Qt::black);
    hook.ReadProperties({
        {QStringLiteral("bmpcount"), 5},
        {QStringLiteral("bmp:1"), filled(32, Qt::blue, Qt::blue)},
        {QStringLiteral("key:1"), QStringLiteral("#save")},
        {QStringLiteral("mask:1"), mask},
        {QStringLiteral("bmp:2"), filled(16, QColor(255, 0, 0), QColor(0, 0, 255))},
        {QStringLiteral("key:2"), QStringLiteral("#exit")},
        {QStringLiteral("mask:2"), 0x0000FF},
        // Ignored: a key naming nothing, a key without "#", a missing bitmap.
        {QStringLiteral("bmp:3"), filled(16, Qt::green, Qt::green)},
        {QStringLiteral("key:3"), QStringLiteral("#nothing")},
        {QStringLiteral("bmp:4"), filled(16, Qt::green, Qt::green)},
        {QStringLiteral("key:4"), QStringLiteral("about")},
        {QStringLiteral("key:5"), QStringLiteral("#about")},
        {QStringLiteral("font"), QFont(QStringLiteral("Serif"), 11, QFont::Bold)},
    });

    const QImage save = iconImage(test.item("save"), 32);
    ASSERT_EQ(save.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(save.pixel(4, 10)), 0);
    EXPECT_EQ(save.pixel(28, 10), qRgba(0, 0, 255, 255));

    const QImage exit = iconImage(test.item("exit"), 16);
    EXPECT_EQ(qAlpha(exit.pixel(2, 8)), 0) << "red is the transparent colour";
    EXPECT_EQ(exit.pixel(13, 8), qRgba(0, 0, 255, 255)) << "blue stays";

    EXPECT_TRUE(test.item("about")->icon().isNull());
    EXPECT_TRUE(test.item("helpMain")->icon().isNull());
    EXPECT_TRUE(test.file->font().bold());
    EXPECT_EQ(test.help->font().pointSize(), 11);
}

TEST(MenuBitmapControl, MenuWithALargeBitmapShowsItAtItsOwnSize)
{
    TestWindow test;
    const int usual = test.file->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, test.file);
    MenuBitmapControl hook(&test.window);
    hook.ReadProperties({
        {QStringLiteral("bmpcount"), 2},
        {QStringLiteral("bmp:1"), filled(32, Qt::blue, Qt::blue)},
        {QStringLiteral("key:1"), QStringLiteral("#save")},
        {QStringLiteral("bmp:2"), filled(16, Qt::blue, Qt::blue)},
        {QStringLiteral("key:2"), QStringLiteral("#about")},
    });
    EXPECT_EQ(test.file->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, test.file), 32);
    EXPECT_EQ(test.help->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, test.help), usual);
}

TEST(MenuBitmapControl, MainWindowItemsGetTheirSevenBitmapsAndHelpNone)
{
    Form1 form;
    const QStringList withBitmap
        = {"mnuSave", "mnuExit", "MnuFungsi", "MnuSasaran", "MnuTerimakasih", "Mnu", "MnuInfodancredit"};
    int icons = 0;
    for (const QAction* action : form.menuBar()->findChildren<QAction*>()) {
        SCOPED_TRACE(action->objectName().toStdString());
        const bool expected = withBitmap.contains(action->objectName());
        EXPECT_EQ(!action->icon().isNull(), expected);
        icons += action->icon().isNull() ? 0 : 1;
    }
    EXPECT_EQ(icons, 7);
    EXPECT_TRUE(control<QAction>(form, "MnuHelputama")->icon().isNull());

    EXPECT_EQ(control<QAction>(form, "mnuSave")->icon().availableSizes(), QList<QSize>{QSize(32, 32)});
    EXPECT_EQ(control<QAction>(form, "Mnu")->icon().availableSizes(), QList<QSize>{QSize(16, 16)});
    // Bitmap 2's white corner is transparent; the door in its middle is not.
    const QImage exit = iconImage(control<QAction>(form, "mnuExit"), 16);
    EXPECT_EQ(qAlpha(exit.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(exit.pixel(4, 8)), 255);

    const QMenu* help = form.menuBar()->findChild<QMenu*>(QStringLiteral("MnuHelputama"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->font().bold());
}
