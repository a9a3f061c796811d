// RUVEX Display 3D: turns the classical solids of analytic geometry as
// wireframes, with their definitions in Indonesian.

#include "platform/qtfiledialog.h"
#include "ui/displaycheck.h"
#include "ui/fonts.h"
#include "ui/form1.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

namespace {

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace

int main(int argc, char* argv[])
{
    if (!ensureDisplayReachable())
        return 1;
    QApplication app(argc, argv);
    displayReached();
    installQtFileDialogs();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(msSansSerifFont());
    QApplication::setApplicationName(QStringLiteral("RUVEX Display 3D"));

    Form1 window;
    window.adjustSize();
    centreOnScreen(window);
    window.show();
    return QApplication::exec();
}
