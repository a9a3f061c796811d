// RUVEX Display 3D: turns the classical solids of analytic geometry as
// wireframes, with their definitions in Indonesian.

#include "ui/centring.h"
#include "ui/commandline.h"
#include "ui/displaycheck.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/qtext.h"
#include "ui/transientsettings.h"
#include "ui/translations.h"
#include "window/form1layout.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    // The arguments are read once, before the display is looked for:
    // pictures from the command line need none, and a lesson's view that
    // opens the window has its settings checked first.
    const CommandLineRequest request = readCommandLine(argc, argv);
    if (request.task != CommandLineRequest::Task::Window)
        return runCommandLine(request, argc, argv);

    // A platform or display named with the toolkit's options is the
    // toolkit's to reach; only without one is the environment checked.
    DisplayCheck displayCheck(argc > 0 ? argv[0] : "ruvex3d",
                              toolkitOptionsNameDisplay(ArgumentList(argv, argv + argc)));
    if (!displayCheck.displayConfigured())
        return 1;
    QApplication app(argc, argv);
    displayCheck.reached();
    const TransientSettings noSettingsKept;
    installIndonesianTexts();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(msSansSerifFont());
    QApplication::setApplicationName(toQString(Form1Layout::kCaption));

    Form1 window;
    if (request.view)
        window.openView(*request.view);
    window.adjustSize();
    centreOnScreen(window);
    window.show();
    return QApplication::exec();
}
