#include "ui/form1.h"

#include "pictures/programpictures.h"
#include "surface/animation.h"
#include "surface/shapecatalogue.h"
#include "ui/animationtimer.h"
#include "ui/fonts.h"
#include "ui/form1layout.h"
#include "ui/form1menubitmaps.h"
#include "ui/menubitmapcontrol.h"
#include "ui/infowindows.h"
#include "ui/numbertext.h"
#include "ui/picturewidget.h"
#include "ui/qtcolours.h"
#include "ui/savecommand.h"
#include "ui/storedrangescrollbar.h"
#include "ui/twips.h"
#include "view/projection.h"
#include "view/wireframe.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QThread>

#include <algorithm>
#include <vector>

namespace {

const QColor kYellow = qColorOf(ruvex::win::kYellow);
const QColor kBlackColor = qColorOf(ruvex::win::kBlack);
const QColor kWhiteColor = qColorOf(ruvex::win::kWhite);
const QColor kBlueColor = qColorOf(ruvex::win::kBlue);

// Text in `text` on a `background`, for labels, frames and buttons. Check
// boxes and option buttons keep their white indicators with a black mark.
void setColours(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Window, background);
    // Buttons fill their background with the button role.
    palette.setColor(QPalette::Button, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The text box draws its text on the base role.
void setTextBoxColours(QWidget* widget, const QColor& text, const QColor& background)
{
    setColours(widget, text, background);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
}

void setYellowOnBlack(QWidget* widget)
{
    setColours(widget, kYellow, kBlackColor);
}

QString controlArrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

constexpr int kFirstStandardShape = 7; // buttons from here on are the extra figures
constexpr short kAnimVertical = 0;
constexpr short kAnimHorizontal = 1;
constexpr short kAnimStop = 2;

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
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("RUVEX Display 3D"));
    setWindowIcon(ProgramPictures::programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(msSansSerifFont());

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(twipsToPixels(Form1Layout::kClientWidth),
                           twipsToPixels(Form1Layout::kClientHeight));
    QPalette clientPalette = m_client->palette();
    clientPalette.setColor(QPalette::Window, kBlackColor);
    m_client->setPalette(clientPalette);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    createDescriptionBox();
    createPerspectiveControls();
    createShapeFrame();
    createAnimationControls();
    createDrawingArea();
    createAspectControls();
    createTimers();
    createMenus();
    createInformationWindows();
    applyStoredLayout();
    connectHandlers();

    // Fixed size: the client area plus whatever the menu bar needs.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_picDisplay->setFocus();

    Form_Load();
}

Form1::~Form1() = default;

// --- building the window -------------------------------------------------

void Form1::createDescriptionBox()
{
    m_text1 = new QPlainTextEdit(QStringLiteral("Text1"), m_client);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(timesNewRomanFont(12));
    setTextBoxColours(m_text1, kYellow, kBlackColor);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Nothing reads the box back; students may select and copy a definition.
    m_text1->setReadOnly(true);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void Form1::createPerspectiveControls()
{
    m_chkPerspective = new QCheckBox(QStringLiteral("Perbesar/Perkecil"), m_client);
    m_chkPerspective->setObjectName(QStringLiteral("chkPerspective"));
    setYellowOnBlack(m_chkPerspective);

    m_frmPerspec = new QGroupBox(m_client);
    m_frmPerspec->setObjectName(QStringLiteral("frmPerspec"));
    setYellowOnBlack(m_frmPerspec);

    m_vscroll2
        = new StoredRangeScrollBar(350, 100, 10, 10, StartupDefaults::kPerspectiveScrollValue, m_frmPerspec);
    m_vscroll2->setObjectName(QStringLiteral("VScroll2"));
    m_vscroll2->setEnabled(false);

    m_labPerspec = new QLabel(QStringLiteral("LabPerspec"), m_frmPerspec);
    m_labPerspec->setObjectName(QStringLiteral("LabPerspec"));
    m_labPerspec->setFont(timesNewRomanFont(14.25));
    setYellowOnBlack(m_labPerspec);
}

void Form1::createShapeFrame()
{
    m_frame1 = new QGroupBox(QStringLiteral("BANGUN RUANG"), m_client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    setYellowOnBlack(m_frame1);

    // The toolkit's automatic grouping would take every radio button below the
    // window, shape buttons and animation buttons alike, as one group; each
    // control array is its own group.
    auto* group = new QButtonGroup(m_frame1);
    for (int index = 0; index < kShapeButtonCount; ++index) {
        auto* button = new QRadioButton(QString::fromUtf8(shapeCaption(index)), m_frame1);
        group->addButton(button, index);
        button->setObjectName(controlArrayName("Option1", index));
        if (index < kFirstStandardShape)
            setYellowOnBlack(button);
        else
            setColours(button, kBlueColor, button->palette().color(QPalette::Button));
        m_option1[static_cast<std::size_t>(index)] = button;
    }
}

void Form1::createAnimationControls()
{
    m_label1 = new QLabel(QStringLiteral("Rotasi Bangun"), m_client);
    m_label1->setObjectName(QStringLiteral("Label1"));
    setYellowOnBlack(m_label1);

    const std::array<const char*, 3> captions = {"Vertikal", "Horizontal", "Stop Rotasi"};
    auto* group = new QButtonGroup(m_client);
    for (int index = 0; index < 3; ++index) {
        auto* button = new QRadioButton(QString::fromLatin1(captions[static_cast<std::size_t>(index)]),
                                        m_client);
        group->addButton(button, index);
        button->setObjectName(controlArrayName("optAnim", index));
        setYellowOnBlack(button);
        m_optAnim[static_cast<std::size_t>(index)] = button;
    }

    for (const LinePlacement& line : Form1Layout::kLines) {
        auto* rule = new QWidget(m_client);
        rule->setObjectName(QString::fromUtf8(line.name.data(), static_cast<int>(line.name.size())));
        setColours(rule, kWhiteColor, kWhiteColor);
        // A line of width w is laid around its centre line.
        const int x = twipsToPixels(line.x1);
        const int y = twipsToPixels(line.y1) - line.widthPixels / 2;
        rule->setGeometry(x, y, twipsToPixels(line.x2) - x, line.widthPixels);
    }
}

void Form1::createDrawingArea()
{
    m_picDisplay = new PictureWidget(m_client);
    m_picDisplay->setObjectName(QStringLiteral("picDisplay"));

    // Covered by the drawing area; kept because the stored layout has it.
    m_label3 = new QLabel(m_client);
    m_label3->setObjectName(QStringLiteral("Label3"));
    setColours(m_label3, kBlackColor, kBlueColor);
}

void Form1::createAspectControls()
{
    m_frmAspect = new QGroupBox(QStringLiteral("Aspect"), m_client);
    m_frmAspect->setObjectName(QStringLiteral("frmAspect"));
    // Default colours, not the window's yellow on black.
    const QPalette defaults = QApplication::palette();
    setColours(m_frmAspect, defaults.color(QPalette::WindowText), defaults.color(QPalette::Window));

    m_vscroll1 = new StoredRangeScrollBar(16, 0, 1, 1, StartupDefaults::kAspectTenths, m_frmAspect);
    m_vscroll1->setObjectName(QStringLiteral("VScroll1"));

    m_labAspect = new QLabel(QStringLiteral("LabAspect"), m_frmAspect);
    m_labAspect->setObjectName(QStringLiteral("LabAspect"));
    setColours(m_labAspect, defaults.color(QPalette::Text), defaults.color(QPalette::Base));
}

void Form1::createTimers()
{
    m_timer1 = new AnimationTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer2 = new AnimationTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    // Stored as interval 0 and enabled: no tick until the load step sets them.
    m_timer1->setInterval(0);
    m_timer2->setInterval(0);
}

void Form1::createMenus()
{
    struct Item {
        const char* name;
        const char* caption; // "-" is a separator
    };
    struct Menu {
        const char* name;
        const char* caption;
        std::vector<Item> items;
    };
    const std::array<Menu, 3> menus = {{
        {"mF", "Spasiologi", {{"mnuSave", "Save Gambar"}, {"zbrk", "-"}, {"mnuExit", "Tutup Program"}}},
        {"MnunInformasi",
         "Informasi Display RUVEX",
         {{"MnuFungsi", "Fungsi"},
          {"MnuSasaran", "Sasaran "},
          {"Mnuchar", "-"},
          {"MnuTerimakasih", "Ucapan Terimakasih"}}},
        {"MnuHelputama", "Help", {{"Mnu", "Contact"}, {"Mnuchar2", "-"}, {"MnuInfodancredit", "Info"}}},
    }};

    for (const Menu& menu : menus) {
        QMenu* submenu = menuBar()->addMenu(QString::fromLatin1(menu.caption));
        submenu->setObjectName(QString::fromLatin1(menu.name));
        submenu->menuAction()->setObjectName(QString::fromLatin1(menu.name));
        for (const Item& item : menu.items) {
            const QString caption = QString::fromLatin1(item.caption);
            QAction* action = caption == QLatin1String("-") ? submenu->addSeparator()
                                                             : submenu->addAction(caption);
            action->setObjectName(QString::fromLatin1(item.name));
        }
    }
}

QWidget* Form1::control(std::string_view name) const
{
    const QString key = QString::fromUtf8(name.data(), static_cast<int>(name.size()));
    return m_client->findChild<QWidget*>(key);
}

void Form1::applyStoredLayout()
{
    struct TabStop {
        int index;
        QWidget* widget;
    };
    std::vector<TabStop> tabStops;

    for (const ControlPlacement& placement : Form1Layout::kControls) {
        QWidget* widget = control(placement.name);
        Q_ASSERT(widget);
        widget->setGeometry(twipsRect(placement.left, placement.top, placement.width, placement.height));
        // The table lists controls bottom first.
        widget->raise();
        if (placement.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabStops.push_back({placement.tabIndex, widget});
    }

    std::sort(tabStops.begin(), tabStops.end(),
              [](const TabStop& a, const TabStop& b) { return a.index < b.index; });
    for (std::size_t n = 1; n < tabStops.size(); ++n)
        QWidget::setTabOrder(tabStops[n - 1].widget, tabStops[n].widget);
}

void Form1::connectHandlers()
{
    for (int index = 0; index < kShapeButtonCount; ++index) {
        connect(Option1(index), &QRadioButton::clicked, this,
                [this, index] { Option1_Click(static_cast<short>(index)); });
    }
    for (int index = 0; index < 3; ++index) {
        connect(optAnim(index), &QRadioButton::clicked, this,
                [this, index] { optAnim_Click(static_cast<short>(index)); });
    }
    // Any change of the box's value, by the user or by code, runs the handler.
    connect(m_chkPerspective, &QCheckBox::stateChanged, this, &Form1::chkPerspective_Click);
    connect(m_vscroll1, &StoredRangeScrollBar::Change, this, &Form1::VScroll1_Change);
    connect(m_vscroll2, &StoredRangeScrollBar::Change, this, &Form1::VScroll2_Change);
    connect(m_timer1, &AnimationTimer::tick, this, &Form1::Timer1_Timer);
    connect(m_timer2, &AnimationTimer::tick, this, &Form1::Timer2_Timer);
    connect(m_picDisplay, &PictureWidget::mouseMoved, this, &Form1::picDisplay_MouseMove);
    connect(m_picDisplay, &PictureWidget::mouseReleased, this, &Form1::picDisplay_MouseUp);
    connect(menuAction(QStringLiteral("mnuExit")), &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(menuAction(QStringLiteral("mnuSave")), &QAction::triggered, this, &Form1::mnuSave_Click);
}

QRadioButton* Form1::Option1(int index) const
{
    return m_option1.at(static_cast<std::size_t>(index));
}

QRadioButton* Form1::optAnim(int index) const
{
    return m_optAnim.at(static_cast<std::size_t>(index));
}

QAction* Form1::menuAction(const QString& name) const
{
    return menuBar()->findChild<QAction*>(name);
}

// --- information windows and menu bitmaps --------------------------------

void Form1::createInformationWindows()
{
    m_ctxHookMenu1 = new MenuBitmapControl(this);
    m_ctxHookMenu1->setObjectName(QStringLiteral("ctxHookMenu1"));
    m_ctxHookMenu1->ReadProperties(ctxHookMenu1Settings());

    m_infoWindows = new InfoWindows(this);
    connect(menuAction(QStringLiteral("MnuFungsi")), &QAction::triggered, this, &Form1::MnuFungsi_Click);
    connect(menuAction(QStringLiteral("MnuSasaran")), &QAction::triggered, this, &Form1::MnuSasaran_Click);
    connect(menuAction(QStringLiteral("MnuTerimakasih")), &QAction::triggered, this,
            &Form1::MnuTerimakasih_Click);
    connect(menuAction(QStringLiteral("Mnu")), &QAction::triggered, this, &Form1::Mnu_Click);
    connect(menuAction(QStringLiteral("MnuInfodancredit")), &QAction::triggered, this,
            &Form1::MnuInfodancredit_Click);
}

void Form1::MnuFungsi_Click()
{
    m_infoWindows->show(InfoWindowId::frmAbout);
}

void Form1::MnuSasaran_Click()
{
    m_infoWindows->show(InfoWindowId::frmAbout1);
}

void Form1::MnuTerimakasih_Click()
{
    m_infoWindows->show(InfoWindowId::Dialog2);
}

void Form1::Mnu_Click()
{
    m_infoWindows->show(InfoWindowId::Dialog);
}

void Form1::MnuInfodancredit_Click()
{
    m_infoWindows->show(InfoWindowId::Dialog1);
}

// --- the start-up sequence's window operations ---------------------------

AnimationTimer* Form1::timer(TimerId id) const
{
    return id == TimerId::Timer1 ? m_timer1 : m_timer2;
}

void Form1::setTimerInterval(TimerId id, int milliseconds)
{
    timer(id)->setInterval(milliseconds);
}

void Form1::setTimerEnabled(TimerId id, bool enabled)
{
    timer(id)->setEnabled(enabled);
}

void Form1::setLabelCaption(LabelId label, std::string_view caption)
{
    QLabel* target = label == LabelId::LabAspect ? m_labAspect : m_labPerspec;
    target->setText(QString::fromUtf8(caption.data(), static_cast<int>(caption.size())));
}

void Form1::setPictureHeight(int pixels)
{
    m_picDisplay->setOuterHeight(pixels);
}

void Form1::setPictureWidth(int pixels)
{
    m_picDisplay->setOuterWidth(pixels);
}

int Form1::optionTop(int index) const
{
    return pixelsToTwips(Option1(index)->y());
}

void Form1::setOptionLeft(int index, int twips)
{
    Option1(index)->move(twipsToPixels(twips), Option1(index)->y());
}

void Form1::setOptionTop(int index, int twips)
{
    Option1(index)->move(Option1(index)->x(), twipsToPixels(twips));
}

void Form1::switchOptionOn(int index)
{
    Option1(index)->setChecked(true);
}

// --- handlers -------------------------------------------------------------

void Form1::Form_Load()
{
    runStartupSequence(m_view, m_grid, *this);
}

void Form1::Option1_Click(short index)
{
    m_view.ShapeIndex = index;
    BuildShapePoints();
}

void Form1::BuildShapePoints()
{
    if (const auto description = fillShapePoints(m_grid, m_view))
        m_text1->setPlainText(QString::fromUtf8(description->data(), static_cast<int>(description->size())));
    m_view.MouseX = 0.0f;
    m_view.MouseY = 0.0f;
    picDisplay_MouseMove(1, 0, m_view.MouseX, m_view.MouseY);
}

void Form1::picDisplay_MouseMove(short, short, float x, float y)
{
    m_view.MouseX = x;
    m_view.MouseY = y;
    CalculateScreenPoints(x, y);
    drawWireframe(m_grid, m_picDisplay->box(), m_view);
    m_picDisplay->showChanges();
}

void Form1::CalculateScreenPoints(float x, float y)
{
    const PictureBox& box = m_picDisplay->box();
    const ProjectionSettings settings{box.ScaleWidth(),      box.ScaleHeight(), box.Width(),
                                      box.Height(),          m_view.PerspectiveFlag,
                                      m_view.PerspectiveDistance};
    calculateScreenPoints(m_grid, settings, x, y);
}

void Form1::picDisplay_MouseUp(short button, short, float, float)
{
    if (button == 2)
        mnuSave_Click();
}

void Form1::mnuSave_Click()
{
    // Stopped before the dialog opens and left stopped: no tick may redraw the
    // picture while the dialog is up or while the file is written.
    m_timer1->setEnabled(false);
    m_timer2->setEnabled(false);
    optAnim(kAnimStop)->setChecked(true);
    optAnim_Click(kAnimStop);
    SaveCommand(this, m_picturePath).run(m_picDisplay->box().Image());
}

void Form1::optAnim_Click(short index)
{
    // The chosen direction toggles, so a second click on a running direction
    // stops it; the other direction always stops. At most one timer runs.
    switch (index) {
    case kAnimVertical:
        m_timer1->setEnabled(!m_timer1->isEnabled());
        m_timer2->setEnabled(false);
        break;
    case kAnimHorizontal:
        m_timer2->setEnabled(!m_timer2->isEnabled());
        m_timer1->setEnabled(false);
        break;
    default:
        m_timer1->setEnabled(false);
        m_timer2->setEnabled(false);
        break;
    }
}

void Form1::chkPerspective_Click()
{
    m_view.PerspectiveFlag = checkBoxValue(m_chkPerspective);
    m_vscroll2->setEnabled(true);
    if (m_view.PerspectiveFlag == 0)
        m_vscroll2->setEnabled(false);
    // No redraw: the next pointer move or tick shows the new projection.
}

void Form1::VScroll1_Change()
{
    m_view.AspectFactor = static_cast<float>(m_vscroll1->Value() / 10.0);
    m_labAspect->setText(aspectCaption(m_view.AspectFactor));
    BuildShapePoints();
}

void Form1::VScroll2_Change()
{
    m_view.PerspectiveDistance = static_cast<float>(m_vscroll2->Value());
    m_labPerspec->setText(distanceCaption(m_view.PerspectiveDistance));
    BuildShapePoints();
}

void Form1::Timer1_Timer()
{
    stepHorizontalSweep(m_view);
    picDisplay_MouseMove(1, 0, m_view.MouseX, m_view.MouseY);
}

void Form1::Timer2_Timer()
{
    stepVerticalSweep(m_view);
    picDisplay_MouseMove(1, 0, m_view.MouseX, m_view.MouseY);
}

void Form1::mnuExit_Click()
{
    close();
}

void Form1::Form_Unload(int&)
{
    m_timer1->setEnabled(false);
    m_timer2->setEnabled(false);
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
