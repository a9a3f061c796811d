#pragma once
// The main window on the window's session (window/windowsession.h): every
// event of the window and of the windows it opens becomes one intent, handed
// to the session by apply(); what the session then shows is set on the
// controls in one place (show), and what it asks for is done with the
// toolkit in another (carryOut). It decides nothing: the rules are the
// session's. Form1Controls builds the controls from the stored layout.
//
// The road of a pointer move: the toolkit's event reaches eventFilter, which
// makes it an intent; apply() hands it to the session, which redraws the
// drawing area's picture (and its scaled views); then the drawing area and
// "Layar Penuh" are asked to show what changed. Timer ticks, keys, menu items
// and controls take the same road from apply() on.

#include "ui/form1controls.h"
#include "ui/savecommand.h"
#include "window/windowsession.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <utility>
#include <vector>

class HelpWindow;
class ModelessWindows;
class PresentationWindow;
class SectionWindow;
class SizeWindow;
class PictureWidget;

class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // What a user did: the session's answer (windowsession.h's bits), shown
    // and carried out.
    unsigned apply(const Intent& intent);
    // Opens on a view given on the command line.
    void openView(const PictureSettings& settings) { apply(OpenViewIntent{settings}); }

    const WindowSession& session() const { return m_session; }
    WindowSession& session() { return m_session; }
    const ViewState& viewState() const { return m_session.model().viewState(); }
    const PointGrid& pointGrid() const { return m_session.model().pointGrid(); }
    HelpWindow* helpWindow() const;
    // The last saved picture's path; empty before the first save and after
    // a save that wrote nothing.
    const QString& PicturePath() const { return m_picture.path; }
    // The last exported picture's path, empty as PicturePath is.
    const QString& exportPath() const { return m_export.path; }
    // The dialogs and message boxes of "Save Gambar" and "Ekspor Gambar…";
    // the Qt ones until a test hands in its own.
    void setSaveDialogs(SaveDialogs dialogs) { m_saveDialogs = std::move(dialogs); }

    using QMainWindow::show;

protected:
    void closeEvent(QCloseEvent* event) override;
    // The keys of every window of the program, and the pointer over the
    // drawing area and "Layar Penuh", as intents.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void connectMenus();
    bool applyKey(QWidget* receiver, QEvent* event);
    bool applyPointer(QObject* watched, QEvent* event);
    bool isOurs(const QWidget* widget) const;
    KeyTarget keyTarget(const QWidget* receiver) const;

    // Every control, caption, tick, timer and window as the snapshot has it.
    void show(const WindowSnapshot& shown);
    void showPicture(const RedrawnParts& redrawn);
    void tellPictureWords();
    void carryOut(const Request& request);
    void exportPicture();
    void save(PictureFileKind kind, PictureFileMemory& memory);
    void openFullScreen();
    void fullScreenClosed();
    template <typename Window> void showBesideWindow(Window*& window, WindowName name);
    void endProgram();

    PictureFileMemory m_picture;
    PictureFileMemory m_export; // the export dialog's last name and type
    SaveDialogs m_saveDialogs = qtSaveDialogs();

    Form1Controls m_controls;
    // The drawing area, where every redraw ends.
    PictureWidget* const m_picDisplay;
    WindowSession m_session;
    // The information windows and the help window.
    ModelessWindows* const m_windows;
    // "Layar Penuh" and "Irisan Bidang", made on first use.
    PresentationWindow* m_presentation = nullptr;
    // Where the keys went before "Layar Penuh" took them; they go back there.
    QPointer<QWidget> m_focusBeforeFullScreen;
    SectionWindow* m_sectionWindow = nullptr;
    SizeWindow* m_sizeWindow = nullptr;
    // The rest after which the picture's words are told (kPictureWordsDue).
    QTimer m_wordsRest;
    bool m_unloaded = false;
};
