// What the session asks the main window to do with the toolkit: the save and
// export dialogs, the clipboard, "Layar Penuh", "Irisan Bidang", the
// information windows and the help, the menu bar, and the program's end.

#include "ui/besidewindow.h"
#include "ui/clipboardcopy.h"
#include "ui/form1.h"
#include "ui/modelesswindows.h"
#include "ui/picturewidget.h"
#include "ui/presentationwindow.h"
#include "ui/qtext.h"
#include "window/lessoncaption.h"
#include "window/windowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

void closeIfMade(QWidget* window)
{
    if (window)
        window->close();
}

PlacementRect placementRectOf(const QRect& rect)
{
    return {static_cast<double>(rect.x()), static_cast<double>(rect.y()), static_cast<double>(rect.width()),
            static_cast<double>(rect.height())};
}

// Beside the main window by the rule every front end shares, the picture
// kept in view; on no screen, where the system puts it.
void placeBesideMain(QWidget& window, const QWidget& main, const QWidget& picture)
{
    window.adjustSize();
    if (!main.screen())
        return;
    const int frameWidth = window.frameGeometry().width() - window.width();
    const QRect pictureOnScreen(picture.mapToGlobal(QPoint(0, 0)), picture.size());
    const QRect ownSize(QPoint(), window.frameGeometry().size());
    const WindowPlacement place = placeBeside(
        placementRectOf(main.frameGeometry()), placementRectOf(pictureOnScreen), placementRectOf(ownSize),
        placementRectOf(main.screen()->availableGeometry()), window.minimumSizeHint().width() + frameWidth);
    if (!place.placed)
        return;
    if (place.narrowed)
        window.resize(std::max(window.minimumWidth(), qRound(place.width) - frameWidth), window.height());
    window.move(qRound(place.x), qRound(place.y));
}

} // namespace

// A window beside the main one, made on first use: its controls and its
// closing go to the session as intents. Shown, it shows the snapshot.
template <typename Window> void Form1::showBesideWindow(Window*& window, WindowName name)
{
    if (!window) {
        window = new Window(this);
        connect(window, &Window::controlUsed, this, [this](const std::string& handler, int value) {
            apply(ControlIntent{handler, value});
        });
        connect(window, &Window::closed, this, [this, name] { apply(WindowClosedIntent{name}); });
        // A view opened with a section shows it before this window has its
        // place on the screen: placed once this one is shown.
        if (isVisible())
            placeBesideMain(*window, *this, *m_picDisplay);
        else
            QTimer::singleShot(0, window, [this, window] { placeBesideMain(*window, *this, *m_picDisplay); });
    }
    window->show();
    window->raise();
    window->activateWindow();
    show(m_session.snapshot());
}

// What each of the session's requests is with the toolkit, given its text.
void Form1::carryOut(const Request& request)
{
    using Step = void (*)(Form1&, const std::string&);
    // In RequestKind's order.
    static constexpr std::array<Step, 15> kSteps = {
        [](Form1& w, const std::string&) {
            w.save(bitmapSave(w.m_session.model().area().Image()), w.m_picture);
        },
        [](Form1& w, const std::string&) { w.exportPicture(); },
        // The picture as shown: the drawing area's, which is drawn with the aids.
        [](Form1& w, const std::string&) {
            copyToClipboard(&w, imageOf(w.m_session.model().area().Image()));
        },
        [](Form1& w, const std::string& text) { copyToClipboard(&w, toQString(text)); },
        [](Form1&, const std::string&) {}, // the page's sharing: the desktop has no such item
        [](Form1& w, const std::string&) { w.openFullScreen(); },
        [](Form1& w, const std::string&) { closeIfMade(w.m_presentation); },
        [](Form1& w, const std::string&) {
            w.showBesideWindow(w.m_sectionWindow, WindowName::SectionWindow);
        },
        [](Form1& w, const std::string&) { closeIfMade(w.m_sectionWindow); },
        [](Form1& w, const std::string&) { w.showBesideWindow(w.m_sizeWindow, WindowName::SizeWindow); },
        [](Form1& w, const std::string&) { closeIfMade(w.m_sizeWindow); },
        [](Form1& w, const std::string& name) { w.m_windows->show(name); },
        [](Form1& w, const std::string&) { w.m_windows->showHelp(); },
        [](Form1& w, const std::string&) {
            w.menuBar()->setActiveAction(w.menuBar()->actions().constFirst());
        },
        [](Form1& w, const std::string&) { w.close(); },
    };
    static_assert(static_cast<std::size_t>(RequestKind::CloseProgram) + 1 == kSteps.size());
    kSteps.at(static_cast<std::size_t>(request.kind))(*this, request.text);
}

// The picture with its lines for a vector picture and the caption "Layar
// Penuh" would show.
void Form1::exportPicture()
{
    const PictureFileView view = exportedView(m_session.model());
    save(pictureExport(view), m_export);
}

// The session takes no command while the dialog and its messages are open;
// every control shows it as it stands (the animation stopped) meanwhile.
void Form1::save(PictureFileKind kind, PictureFileMemory& memory)
{
    show(m_session.snapshot());
    SaveCommand(this, m_saveDialogs, std::move(kind), memory).run();
    apply(WindowClosedIntent{WindowName::Dialog});
}

void Form1::openFullScreen()
{
    if (!m_presentation) {
        m_presentation = new PresentationWindow(m_session, this);
        connect(m_presentation, &PresentationWindow::closed, this, &Form1::fullScreenClosed);
        m_presentation->setAccessibleDescription(toQString(m_session.pictureWords()));
    }
    m_focusBeforeFullScreen = focusWidget();
    m_presentation->open();
}

// Its picture's memory given back; back in the window, where the drawing
// area shows the view as it now stands and the keys go where they went
// before, as after any other menu command.
void Form1::fullScreenClosed()
{
    m_session.closeScaledView(ScaledView::FullScreen);
    apply(WindowClosedIntent{WindowName::FullScreen});
    if (m_unloaded)
        return;
    m_picDisplay->showWhole();
    activateWindow();
    QWidget* focus = m_focusBeforeFullScreen ? m_focusBeforeFullScreen.data() : m_picDisplay;
    if (!focus->isEnabled() || !focus->isVisible())
        focus = m_picDisplay; // the distance bar, say, disabled full screen
    focus->setFocus();
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    apply(MenuIntent{"mnuExit"}); // the session ends, its timers stopped
    endProgram();
}

// Every other window of the program goes with the main window, and the
// program ends at once. Only a running event loop can be left: when the
// window lives without one (under test), exiting would instead make the next
// event loop return before it starts.
void Form1::endProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
