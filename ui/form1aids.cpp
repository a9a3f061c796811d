// The main window's teaching aids and copies: the switches "Garis Belakang
// Putus-putus", "Sumbu Koordinat" and "Putar dengan Menyeret", the section
// window "Irisan Bidang", the commands "Salin Gambar" and "Salin Kode
// Tampilan", and opening on a view given on the command line. The rules are Form1Model's; here the menu items
// are read and the controls shown.

#include "ui/clipboardcopy.h"
#include "ui/form1.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "ui/sectionwindow.h"
#include "ui/storedrangescrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

void Form1::connectAidMenus()
{
    connect(m_controls.mnuCopyPicture, &QAction::triggered, this, &Form1::mnuCopyPicture_Click);
    connect(m_controls.mnuCopyViewCode, &QAction::triggered, this, &Form1::mnuCopyViewCode_Click);
    connect(m_controls.mnuBackLines, &QAction::triggered, this, &Form1::mnuBackLines_Click);
    connect(m_controls.mnuAxes, &QAction::triggered, this, &Form1::mnuAxes_Click);
    connect(m_controls.mnuDragToTurn, &QAction::triggered, this, &Form1::mnuDragToTurn_Click);
    connect(m_controls.mnuIrisan, &QAction::triggered, this, &Form1::mnuIrisan_Click);
    m_controls.Text1->installEventFilter(this);
}

// The box's own copy key wins over "Salin Gambar"'s shortcut while it has the
// keys, so a selected definition is still copied as text.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_controls.Text1 && textKeepsCopyKey(m_controls.Text1, event)) {
        event->accept();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The picture as shown: the drawing area's, which is drawn with the aids.
void Form1::mnuCopyPicture_Click()
{
    if (!copyImageToClipboard(imageOf(m_model.area().Image())))
        reportClipboardRefused(this, QStringLiteral("gambar"));
}

void Form1::mnuCopyViewCode_Click()
{
    if (!copyTextToClipboard(toQString(m_model.viewCommand())))
        reportClipboardRefused(this, QStringLiteral("kode tampilan"));
}

void Form1::mnuBackLines_Click()
{
    PictureOptions options = m_model.pictureOptions();
    options.dashedBackLines = m_controls.mnuBackLines->isChecked();
    m_model.setPictureOptions(options);
}

void Form1::mnuAxes_Click()
{
    PictureOptions options = m_model.pictureOptions();
    options.axes = m_controls.mnuAxes->isChecked();
    m_model.setPictureOptions(options);
}

void Form1::mnuDragToTurn_Click()
{
    m_model.setDragToTurn(m_controls.mnuDragToTurn->isChecked());
}

void Form1::openView(const PictureSettings& settings)
{
    m_model.openView(settings);
    showViewControls();
    showDescriptionAndCaptions();
    if (m_model.sectionShown())
        mnuIrisan_Click();
}

namespace {

// Beside the main window, right or left, where the screen has room, so the
// picture stays in view; otherwise where the system puts it.
void placeBeside(QWidget& window, const QWidget& owner)
{
    window.adjustSize();
    const QRect frame = owner.frameGeometry();
    const QRect screen = owner.screen() ? owner.screen()->availableGeometry() : QRect();
    const QSize size = window.frameGeometry().size();
    const QRect right(frame.topRight() + QPoint(8, 0), size);
    const QRect left(frame.topLeft() - QPoint(8 + size.width(), 0), size);
    if (screen.contains(right))
        window.move(right.topLeft());
    else if (screen.contains(left))
        window.move(left.topLeft());
}

} // namespace

void Form1::mnuIrisan_Click()
{
    if (!m_sectionWindow) {
        m_sectionWindow = new SectionWindow(this);
        connect(m_sectionWindow, &SectionWindow::tiltChanged, this,
                [this](int degrees) { m_model.hsbKemiringan_Change(degrees); });
        connect(m_sectionWindow, &SectionWindow::distanceChanged, this,
                [this](int distance) { m_model.hsbJarak_Change(distance); });
        connect(m_sectionWindow, &SectionWindow::tiltStepped, this,
                [this](int steps) { m_model.hsbKemiringan_Step(steps); });
        connect(m_sectionWindow, &SectionWindow::distanceStepped, this,
                [this](int steps) { m_model.hsbJarak_Step(steps); });
        connect(m_sectionWindow, &SectionWindow::outlineToggled, this,
                [this](bool shown) { m_model.chkBidang_Click(shown); });
        connect(m_sectionWindow, &SectionWindow::closed, this, [this] { m_model.frmIrisan_Unload(); });
        placeBeside(*m_sectionWindow, *this);
    }
    m_sectionWindow->show();
    m_sectionWindow->raise();
    m_sectionWindow->activateWindow();
    if (!m_model.sectionShown())
        m_model.mnuIrisan_Click();
    showSectionWindow();
}

// The section window, while open, shows the model's values and the texts of
// the section drawn: a new shape or aspect changes those too.
void Form1::showSectionWindow()
{
    if (!m_sectionWindow || !m_sectionWindow->isVisible())
        return;
    m_sectionWindow->showValues(m_model.sectionView());
    m_sectionWindow->showSection(m_model.planeSection());
}

// The controls show the model's view; none of them runs its handler, which
// would build the shape again from its first view.
void Form1::showViewControls()
{
    m_controls.Option1.at(static_cast<std::size_t>(m_model.shapeIndex()))->setChecked(true);
    {
        const QSignalBlocker aspect(m_controls.VScroll1);
        const QSignalBlocker distance(m_controls.VScroll2);
        const QSignalBlocker perspective(m_controls.chkPerspective);
        m_controls.VScroll1->setStoredValue(m_model.aspectTenths());
        m_controls.VScroll2->setStoredValue(m_model.distance());
        m_controls.chkPerspective->setChecked(m_model.perspectiveBox() == 1);
    }
    m_controls.VScroll2->setEnabled(m_model.distanceBarEnabled());
    m_controls.mnuBackLines->setChecked(m_model.pictureOptions().dashedBackLines);
    m_controls.mnuAxes->setChecked(m_model.pictureOptions().axes);
    m_controls.mnuDragToTurn->setChecked(m_model.dragToTurn());
}
