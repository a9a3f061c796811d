#include "ui/form1.h"

#include "surface/animation.h"
#include "ui/animationtimer.h"
#include "ui/exportcommand.h"
#include "ui/form1startup.h"
#include "ui/helpwindow.h"
#include "ui/modelesswindows.h"
#include "ui/picturewidget.h"
#include "ui/presentationwindow.h"
#include "ui/qtext.h"
#include "ui/savecommand.h"
#include "ui/storedrangescrollbar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QThread>

namespace {

static_assert(kSweepSpeeds.size() == kSpeedItemCount);

// 0 unticked, 1 ticked, 2 greyed, as the check box's value reads.
std::int32_t checkBoxValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent)
    , m_controls(*this)
    , m_picDisplay(m_controls.picDisplay)
    , m_model(m_picDisplay->box())
    , m_windows(new ModelessWindows(this))
{
    m_model.setRedrawListener([this] { showPicture(); });
    m_picDisplay->setLinesSource(
        [this]() -> const std::vector<WireframePolyline>& { return m_model.pictureLines(); });
    connectControls();
    connectMenus();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::connectControls()
{
    for (int index = 0; index < kShapeButtonCount; ++index) {
        connect(m_controls.Option1[static_cast<std::size_t>(index)], &QRadioButton::clicked, this,
                [this, index] { Option1_Click(static_cast<short>(index)); });
    }
    for (int index = 0; index < kAnimButtonCount; ++index) {
        connect(m_controls.optAnim[static_cast<std::size_t>(index)], &QRadioButton::clicked, this,
                [this, index] { optAnim_Click(static_cast<short>(index)); });
    }
    // Any change of the box's value, by the user or by code, runs the handler.
    connect(m_controls.chkPerspective, &QCheckBox::stateChanged, this, &Form1::chkPerspective_Click);
    connect(m_controls.VScroll1, &StoredRangeScrollBar::storedValueChanged, this, &Form1::VScroll1_Change);
    connect(m_controls.VScroll2, &StoredRangeScrollBar::storedValueChanged, this, &Form1::VScroll2_Change);
    connect(m_controls.Timer1, &AnimationTimer::tick, this, &Form1::Timer1_Timer);
    connect(m_controls.Timer2, &AnimationTimer::tick, this, &Form1::Timer2_Timer);
    connect(m_picDisplay, &PictureWidget::mouseMoved, this, &Form1::picDisplay_MouseMove);
    connect(m_picDisplay, &PictureWidget::mousePressed, this, &Form1::picDisplay_MouseDown);
    connect(m_picDisplay, &PictureWidget::mouseReleased, this, &Form1::picDisplay_MouseUp);
    connect(m_picDisplay, &PictureWidget::keyDown, this, &Form1::picDisplay_KeyDown);
}

void Form1::connectMenus()
{
    connect(m_controls.mnuSave, &QAction::triggered, this, &Form1::mnuSave_Click);
    connect(m_controls.mnuExport, &QAction::triggered, this, &Form1::mnuExport_Click);
    connect(m_controls.mnuFullScreen, &QAction::triggered, this, &Form1::mnuFullScreen_Click);
    connect(m_controls.mnuHome, &QAction::triggered, this, &Form1::mnuHome_Click);
    for (int index = 0; index < kSpeedItemCount; ++index) {
        connect(m_controls.mnuSpeed[static_cast<std::size_t>(index)], &QAction::triggered, this,
                [this, index] { mnuSpeed_Click(static_cast<short>(index)); });
    }
    connect(m_controls.mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connectAidMenus();
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, &Form1::openMenuBar);
    m_windows->connectMenuItems();
    connect(m_controls.MnuPetunjuk, &QAction::triggered, this, &Form1::MnuPetunjuk_Click);
}

void Form1::openMenuBar()
{
    menuBar()->setActiveAction(menuBar()->actions().constFirst());
}

// --- information windows ------------------------------------------------

void Form1::MnuFungsi_Click()
{
    m_windows->show(InfoWindowId::frmAbout);
}

void Form1::MnuSasaran_Click()
{
    m_windows->show(InfoWindowId::frmAbout1);
}

void Form1::MnuTerimakasih_Click()
{
    m_windows->show(InfoWindowId::Dialog2);
}

void Form1::Mnu_Click()
{
    m_windows->show(InfoWindowId::Dialog);
}

void Form1::MnuInfodancredit_Click()
{
    m_windows->show(InfoWindowId::Dialog1);
}

void Form1::MnuPetunjuk_Click()
{
    m_windows->showHelp();
}

HelpWindow* Form1::helpWindow() const
{
    return m_windows->helpWindow();
}

// --- handlers -------------------------------------------------------------

void Form1::Form_Load()
{
    Form1StartupWindow window(m_controls);
    m_model.Form_Load(window);
    m_controls.Timer1->setInterval(m_model.timerInterval());
    m_controls.Timer2->setInterval(m_model.timerInterval());
    showTimers();
    m_controls.Option1.at(static_cast<std::size_t>(m_model.shapeIndex()))->setChecked(true);
    showDescriptionAndCaptions();
}

void Form1::Option1_Click(short index)
{
    m_model.Option1_Click(index);
    showDescriptionAndCaptions();
}

// The toolkit reports every pointer move here, whatever buttons are held; the
// model decides, by "Putar dengan Menyeret", what the move does to the view.
void Form1::picDisplay_MouseMove(short button, short, float x, float y)
{
    m_model.pointerMoved(button, x, y);
}

void Form1::picDisplay_MouseDown(short button, short, float x, float y)
{
    m_model.picDisplay_MouseDown(button, x, y);
}

// Every redraw of the model ends here: the drawing area shows what changed,
// and "Layar Penuh", while open, the whole view.
void Form1::showPicture()
{
    m_picDisplay->showChanges();
    if (m_presentation)
        m_presentation->showView();
    showSectionWindow();
}

void Form1::picDisplay_KeyDown(short keyCode, short shift)
{
    m_model.picDisplay_KeyDown(keyCode, shift);
}

void Form1::mnuHome_Click()
{
    m_model.mnuHome_Click();
}

void Form1::mnuSpeed_Click(short index)
{
    m_model.mnuSpeed_Click(index);
}

void Form1::picDisplay_MouseUp(short button, short, float x, float y)
{
    m_model.picDisplay_MouseUp(button, x, y);
    if (button == 2)
        mnuSave_Click();
}

void Form1::mnuSave_Click()
{
    // A click that arrives while a save is in progress (queued behind the
    // one that opened the dialog, or delivered by its message boxes) starts
    // no second one.
    if (m_saving)
        return;
    const QScopedValueRollback saving(m_saving, true);
    stopAnimation();
    SaveCommand(this, m_saveDialogs, bitmapSave(m_model.area().Image()), m_picture).run();
}

void Form1::mnuExport_Click()
{
    if (m_saving)
        return;
    const QScopedValueRollback saving(m_saving, true);
    stopAnimation();
    const std::vector<WireframePolyline> lines = m_model.pictureLines();
    const PictureFileView view{m_model.area().Image(), lines, m_model.shapeIndex()};
    SaveCommand(this, m_saveDialogs, pictureExport(view), m_export).run();
}

void Form1::mnuFullScreen_Click()
{
    if (!m_presentation) {
        m_presentation = new PresentationWindow(m_model, this);
        connect(m_presentation, &PresentationWindow::mouseMoved, this, &Form1::picDisplay_MouseMove);
        connect(m_presentation, &PresentationWindow::keyDown, this, &Form1::picDisplay_KeyDown);
        connect(m_presentation, &PresentationWindow::mousePressed, this, &Form1::picDisplay_MouseDown);
        // A release there ends a drag; it saves nothing, as a right-click on
        // the full screen never did.
        connect(m_presentation, &PresentationWindow::mouseReleased, this,
                [this](short button, short, float x, float y) { m_model.picDisplay_MouseUp(button, x, y); });
        // Back in the window, where the drawing area already shows the view.
        connect(m_presentation, &PresentationWindow::closed, this, [this] {
            if (m_unloaded)
                return;
            activateWindow();
            m_picDisplay->setFocus();
        });
    }
    m_presentation->open();
}

// Before a picture is written: stopped before the dialog opens and left
// stopped, so no tick redraws the picture while the dialog is up or while the
// file is written.
void Form1::stopAnimation()
{
    optAnim_Click(kAnimStop);
    m_controls.optAnim[kAnimStop]->setChecked(true);
}

void Form1::optAnim_Click(short index)
{
    m_model.optAnim_Click(index);
    showTimers();
}

void Form1::showTimers()
{
    m_controls.Timer1->setEnabled(m_model.timer1Enabled());
    m_controls.Timer2->setEnabled(m_model.timer2Enabled());
}

// The description box keeps its text (and its scroll position) when a shape
// without a definition is chosen.
void Form1::showDescriptionAndCaptions()
{
    const QString description = toQString(m_model.description());
    if (m_controls.Text1->toPlainText() != description)
        m_controls.Text1->setPlainText(description);
    m_controls.LabAspect->setText(toQString(m_model.aspectCaption()));
    m_controls.LabPerspec->setText(toQString(m_model.distanceCaption()));
}

void Form1::chkPerspective_Click()
{
    m_model.chkPerspective_Click(checkBoxValue(m_controls.chkPerspective));
    m_controls.VScroll2->setEnabled(m_model.distanceBarEnabled());
}

void Form1::VScroll1_Change()
{
    m_model.VScroll1_Change(m_controls.VScroll1->storedValue());
    showDescriptionAndCaptions();
}

void Form1::VScroll2_Change()
{
    m_model.VScroll2_Change(m_controls.VScroll2->storedValue());
    showDescriptionAndCaptions();
}

void Form1::Timer1_Timer()
{
    m_model.Timer1_Timer();
}

void Form1::Timer2_Timer()
{
    m_model.Timer2_Timer();
}

void Form1::mnuExit_Click()
{
    close();
}

void Form1::Form_Unload(int&)
{
    optAnim_Click(kAnimStop);
    m_unloaded = true;
    // Every other window of the program goes with the main window.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    // The program ends at once. Only a running event loop can be left: when
    // the window lives without one (under test), exiting would instead make
    // the next event loop return before it starts.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    int cancel = 0;
    Form_Unload(cancel);
    event->accept();
}
