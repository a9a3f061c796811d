#pragma once
// The main window: the description box, the perspective and shape controls,
// the animation buttons, the drawing area, two timers and the menu bar.
//
// The one road to a picture. Three kinds of event lead to the single redraw
// entry picDisplay_MouseMove:
// - a pointer move over the drawing area (with or without buttons held);
// - a timer tick (Timer1_Timer, Timer2_Timer) that steps the stored position;
// - a change of geometry (Option1_Click, VScroll1_Change, VScroll2_Change)
//   through BuildShapePoints, which rebuilds the grid and resets the position
//   to (0, 0).
// The entry stores the position, runs CalculateScreenPoints and draws the
// wireframe into the drawing area's persistent image. Nothing else draws; the
// perspective check box only sets a flag that the next redraw reads.
//
// The handlers translate events into calls on the model in surface/ and
// view/; the geometry itself lives there.

#include "surface/pointgrid.h"
#include "surface/startup.h"
#include "surface/viewstate.h"

#include <QMainWindow>
#include <QString>

#include <array>

class AnimationTimer;
class MenuBitmapControl;
class InfoWindows;
class PictureWidget;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class StoredRangeScrollBar;

class Form1 final : public QMainWindow, private StartupWindow {
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
    void picDisplay_MouseUp(short button, short shift, float x, float y);
    void mnuSave_Click();
    void mnuExit_Click();
    // The information windows, shown without a modal loop.
    void MnuFungsi_Click();
    void MnuSasaran_Click();
    void MnuTerimakasih_Click();
    void Mnu_Click();
    void MnuInfodancredit_Click();

    void BuildShapePoints();
    void CalculateScreenPoints(float x, float y);

    const ViewState& viewState() const { return m_view; }
    const PointGrid& pointGrid() const { return m_grid; }
    // The last saved picture's path; empty before the first save and after
    // a save that wrote nothing.
    const QString& PicturePath() const { return m_picturePath; }

    // Controls, for the handlers of other windows and for tests.
    QPlainTextEdit* Text1() const { return m_text1; }
    QCheckBox* chkPerspective() const { return m_chkPerspective; }
    QGroupBox* Frame1() const { return m_frame1; }
    QGroupBox* frmPerspec() const { return m_frmPerspec; }
    QGroupBox* frmAspect() const { return m_frmAspect; }
    QRadioButton* Option1(int index) const;
    QRadioButton* optAnim(int index) const;
    StoredRangeScrollBar* VScroll1() const { return m_vscroll1; }
    StoredRangeScrollBar* VScroll2() const { return m_vscroll2; }
    QLabel* LabAspect() const { return m_labAspect; }
    QLabel* LabPerspec() const { return m_labPerspec; }
    PictureWidget* picDisplay() const { return m_picDisplay; }
    AnimationTimer* Timer1() const { return m_timer1; }
    AnimationTimer* Timer2() const { return m_timer2; }
    QAction* menuAction(const QString& name) const;
    InfoWindows* infoWindows() const { return m_infoWindows; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // StartupWindow: the operations the start-up sequence uses.
    void setTimerInterval(TimerId timer, int milliseconds) override;
    void setTimerEnabled(TimerId timer, bool enabled) override;
    void setLabelCaption(LabelId label, std::string_view caption) override;
    void setPictureHeight(int pixels) override;
    void setPictureWidth(int pixels) override;
    int optionTop(int index) const override;
    void setOptionLeft(int index, int twips) override;
    void setOptionTop(int index, int twips) override;
    void switchOptionOn(int index) override;
    void buildShapePoints() override { BuildShapePoints(); }

    void createDescriptionBox();
    void createPerspectiveControls();
    void createShapeFrame();
    void createAnimationControls();
    void createDrawingArea();
    void createAspectControls();
    void createTimers();
    void createMenus();
    void createInformationWindows();
    void applyStoredLayout();
    void connectHandlers();

    AnimationTimer* timer(TimerId id) const;
    QWidget* control(std::string_view name) const;

    ViewState m_view;
    PointGrid m_grid;
    QString m_picturePath;

    QWidget* m_client = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QCheckBox* m_chkPerspective = nullptr;
    QGroupBox* m_frmPerspec = nullptr;
    StoredRangeScrollBar* m_vscroll2 = nullptr;
    QLabel* m_labPerspec = nullptr;
    QGroupBox* m_frame1 = nullptr;
    std::array<QRadioButton*, kShapeButtonCount> m_option1{};
    QLabel* m_label1 = nullptr;
    std::array<QRadioButton*, 3> m_optAnim{};
    PictureWidget* m_picDisplay = nullptr;
    QGroupBox* m_frmAspect = nullptr;
    StoredRangeScrollBar* m_vscroll1 = nullptr;
    QLabel* m_labAspect = nullptr;
    QLabel* m_label3 = nullptr;
    AnimationTimer* m_timer1 = nullptr;
    AnimationTimer* m_timer2 = nullptr;
    bool m_unloaded = false;
    MenuBitmapControl* m_ctxHookMenu1 = nullptr;
    InfoWindows* m_infoWindows = nullptr;
};
