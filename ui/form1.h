#pragma once
// The main window's behaviour: the handlers, their wiring to the controls and
// the last saved picture's path. It builds no control and sets no caption,
// colour or place; Form1Controls does that, from the stored layout.
//
// The one road to a picture. Three kinds of event lead to the single redraw
// entry picDisplay_MouseMove:
// - a pointer move over the drawing area (with or without buttons held);
// - a timer tick (Timer1_Timer, Timer2_Timer) that steps the stored position;
// - a change of geometry (Option1_Click, VScroll1_Change, VScroll2_Change)
//   through BuildShapePoints, which rebuilds the grid and resets the position
//   to (0, 0).
// Keys are a fourth road to the same entry: the arrow keys over the drawing
// area (picDisplay_KeyDown) move the stored position as a pointer move would,
// and "Tampilan Awal" (mnuHome_Click) puts it back to (0, 0).
// The entry stores the position, runs CalculateScreenPoints and draws the
// wireframe into the drawing area's persistent image. Nothing else draws; the
// perspective check box only sets a flag that the next redraw reads. While
// "Layar Penuh" is open, the entry also redraws it, and its pointer moves and
// keys come back into the entry as drawing-area positions.
//
// The handlers translate events into calls on Form1Model, which holds the
// view, the grid and the rules (the browser page drives the same class), and
// show what it reads back on the controls.

#include "ui/form1controls.h"
#include "ui/savecommand.h"
#include "window/form1model.h"

#include <QMainWindow>
#include <QString>

#include <cstddef>
#include <utility>

class HelpWindow;
class ModelessWindows;
class PresentationWindow;
class SectionWindow;
class PictureWidget;

class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Handlers, named after the control and event that run them.
    void Form_Load();
    void Form_Unload(int& cancel);
    void Option1_Click(short index);
    void optAnim_Click(short index);
    void chkPerspective_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    void picDisplay_MouseMove(short button, short shift, float x, float y);
    void picDisplay_MouseDown(short button, short shift, float x, float y);
    void picDisplay_MouseUp(short button, short shift, float x, float y);
    void picDisplay_KeyDown(short keyCode, short shift);
    void mnuSave_Click();
    void mnuExport_Click();
    void mnuFullScreen_Click();
    void mnuHome_Click();
    void mnuSpeed_Click(short index);
    void mnuExit_Click();
    // "Salin Gambar": the drawing area's picture, aids and all, on the
    // clipboard as an image; "Salin Kode Tampilan": the command line that
    // opens the current view, as text. A clipboard that refuses is told.
    void mnuCopyPicture_Click();
    void mnuCopyViewCode_Click();
    // The switches "Garis Belakang Putus-putus", "Sumbu Koordinat" and
    // "Putar dengan Menyeret", read from their menu items.
    void mnuBackLines_Click();
    void mnuAxes_Click();
    void mnuDragToTurn_Click();
    // "Irisan Bidang…": the section window, made on first use and shown
    // again if open; the section is drawn while it is open.
    void mnuIrisan_Click();
    // Opens on a view given on the command line: the model's view, and the
    // controls and menu items that show it.
    void openView(const PictureSettings& settings);
    // F10: opens the first menu, as on the platform the program was made for.
    void openMenuBar();
    // The information windows, shown without a modal loop. Their menu items
    // are connected from the windows' layout table; these run the same.
    void MnuFungsi_Click();
    void MnuSasaran_Click();
    void MnuTerimakasih_Click();
    void Mnu_Click();
    void MnuInfodancredit_Click();
    // "Petunjuk Penggunaan": one window at a time, shown again if open.
    void MnuPetunjuk_Click();
    HelpWindow* helpWindow() const;

    const ViewState& viewState() const { return m_model.viewState(); }
    const PointGrid& pointGrid() const { return m_model.pointGrid(); }
    // The last saved picture's path; empty before the first save and after
    // a save that wrote nothing.
    const QString& PicturePath() const { return m_picture.path; }
    // The last exported picture's path, empty as PicturePath is.
    const QString& exportPath() const { return m_export.path; }
    // The dialogs and message boxes of "Save Gambar" and "Ekspor Gambar…";
    // the Qt ones until a test hands in its own.
    void setSaveDialogs(SaveDialogs dialogs) { m_saveDialogs = std::move(dialogs); }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Ctrl+C in the definition box copies its selected text, not the picture.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void connectMenus();
    void stopAnimation();
    void showPicture();
    void showTimers();
    void showDescriptionAndCaptions();
    void connectAidMenus();
    void showViewControls();
    void showSectionWindow();

    PictureFileMemory m_picture;
    // A save or export command is running: its dialog or a message is open.
    bool m_saving = false;
    PictureFileMemory m_export; // the export dialog's last name and type
    SaveDialogs m_saveDialogs = qtSaveDialogs();

    const Form1Controls m_controls;
    // The drawing area, where every redraw ends.
    PictureWidget* const m_picDisplay;
    Form1Model m_model;
    // The information windows and the help window.
    ModelessWindows* const m_windows;
    // "Layar Penuh", made on first use; every redraw shows there too.
    PresentationWindow* m_presentation = nullptr;
    // "Irisan Bidang", made on first use.
    SectionWindow* m_sectionWindow = nullptr;
    bool m_unloaded = false;
};
