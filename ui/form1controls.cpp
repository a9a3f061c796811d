#include "ui/form1controls.h"

#include "pictures/programpictures.h"
#include "surface/shapecatalogue.h"
#include "surface/startup.h"
#include "ui/animationtimer.h"
#include "ui/focusoutline.h"
#include "ui/fonts.h"
#include "ui/form1layout.h"
#include "ui/form1menubitmaps.h"
#include "ui/menubitmapcontrol.h"
#include "ui/picturewidget.h"
#include "ui/qtcolours.h"
#include "ui/qtext.h"
#include "ui/storedrangescrollbar.h"
#include "ui/twips.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace {

const QColor kYellow = qColorOf(ruvex::win::kYellow);
const QColor kBlackColor = qColorOf(ruvex::win::kBlack);
const QColor kWhiteColor = qColorOf(ruvex::win::kWhite);
const QColor kBlueColor = qColorOf(ruvex::win::kBlue);

constexpr int kFirstStandardShape = 7; // buttons from here on are the extra figures

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

void setUpWindow(QMainWindow& window)
{
    window.setObjectName(QStringLiteral("Form1"));
    window.setWindowTitle(QStringLiteral("RUVEX Display 3D"));
    window.setWindowIcon(ProgramPictures::programIcon());
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFont(msSansSerifFont());
}

QWidget* createClientArea(QMainWindow& window)
{
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(Form1Layout::kClientWidth), twipsToPixels(Form1Layout::kClientHeight));
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, kBlackColor);
    client->setPalette(clientPalette);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);
    return client;
}

void createDescriptionBox(Form1Controls& ui, QWidget* client)
{
    ui.Text1 = new QPlainTextEdit(QStringLiteral("Text1"), client);
    ui.Text1->setObjectName(QStringLiteral("Text1"));
    ui.Text1->setFont(timesNewRomanFont(12));
    setTextBoxColours(ui.Text1, kYellow, kBlackColor);
    ui.Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui.Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Nothing reads the box back; students may select and copy a definition.
    ui.Text1->setReadOnly(true);
    ui.Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void createPerspectiveControls(Form1Controls& ui, QWidget* client)
{
    ui.chkPerspective = new QCheckBox(QStringLiteral("Perbesar/Perkecil"), client);
    ui.chkPerspective->setObjectName(QStringLiteral("chkPerspective"));
    setYellowOnBlack(ui.chkPerspective);

    ui.frmPerspec = new QGroupBox(client);
    ui.frmPerspec->setObjectName(QStringLiteral("frmPerspec"));
    setYellowOnBlack(ui.frmPerspec);

    ui.VScroll2
        = new StoredRangeScrollBar(350, 100, 10, 10, StartupDefaults::kPerspectiveScrollValue, ui.frmPerspec);
    ui.VScroll2->setObjectName(QStringLiteral("VScroll2"));
    // Reached by Tab like the other controls (only while enabled); the toolkit's
    // scroll bars take no focus of their own.
    ui.VScroll2->setFocusPolicy(Qt::TabFocus);
    ui.VScroll2->setEnabled(false);

    ui.LabPerspec = new QLabel(QStringLiteral("LabPerspec"), ui.frmPerspec);
    ui.LabPerspec->setObjectName(QStringLiteral("LabPerspec"));
    ui.LabPerspec->setFont(timesNewRomanFont(14.25));
    setYellowOnBlack(ui.LabPerspec);
}

void createShapeFrame(Form1Controls& ui, QWidget* client)
{
    ui.Frame1 = new QGroupBox(QStringLiteral("BANGUN RUANG"), client);
    ui.Frame1->setObjectName(QStringLiteral("Frame1"));
    setYellowOnBlack(ui.Frame1);

    // The toolkit's automatic grouping would take every radio button below the
    // window, shape buttons and animation buttons alike, as one group; each
    // control array is its own group.
    auto* group = new QButtonGroup(ui.Frame1);
    for (int index = 0; index < kShapeButtonCount; ++index) {
        auto* button = new QRadioButton(toQString(shapeCaption(index)), ui.Frame1);
        group->addButton(button, index);
        button->setObjectName(controlArrayName("Option1", index));
        if (index < kFirstStandardShape)
            setYellowOnBlack(button);
        else
            setColours(button, kBlueColor, button->palette().color(QPalette::Button));
        ui.Option1[static_cast<std::size_t>(index)] = button;
    }
}

void createAnimationButtons(Form1Controls& ui, QWidget* client)
{
    auto* label1 = new QLabel(QStringLiteral("Rotasi Bangun"), client);
    label1->setObjectName(QStringLiteral("Label1"));
    setYellowOnBlack(label1);

    const std::array<const char*, kAnimButtonCount> captions = {"Vertikal", "Horizontal", "Stop Rotasi"};
    auto* group = new QButtonGroup(client);
    for (int index = 0; index < kAnimButtonCount; ++index) {
        auto* button = new QRadioButton(toQString(captions[static_cast<std::size_t>(index)]), client);
        group->addButton(button, index);
        button->setObjectName(controlArrayName("optAnim", index));
        setYellowOnBlack(button);
        ui.optAnim[static_cast<std::size_t>(index)] = button;
    }
}

// The white rules above and below the animation buttons.
void createRules(QWidget* client)
{
    for (const LinePlacement& line : Form1Layout::kLines) {
        auto* rule = new QWidget(client);
        rule->setObjectName(toQString(line.name));
        setColours(rule, kWhiteColor, kWhiteColor);
        // A line of width w is laid around its centre line.
        const int x = twipsToPixels(line.x1);
        const int y = twipsToPixels(line.y) - line.widthPixels / 2;
        rule->setGeometry(x, y, twipsToPixels(line.x2) - x, line.widthPixels);
    }
}

void createDrawingArea(Form1Controls& ui, QWidget* client)
{
    ui.picDisplay = new PictureWidget(client);
    ui.picDisplay->setObjectName(QStringLiteral("picDisplay"));

    // Covered by the drawing area; kept because the stored layout has it.
    auto* label3 = new QLabel(client);
    label3->setObjectName(QStringLiteral("Label3"));
    setColours(label3, kBlackColor, kBlueColor);
}

void createAspectControls(Form1Controls& ui, QWidget* client)
{
    ui.frmAspect = new QGroupBox(QStringLiteral("Aspect"), client);
    ui.frmAspect->setObjectName(QStringLiteral("frmAspect"));
    // Default colours, not the window's yellow on black.
    const QPalette defaults = QApplication::palette();
    setColours(ui.frmAspect, defaults.color(QPalette::WindowText), defaults.color(QPalette::Window));

    ui.VScroll1 = new StoredRangeScrollBar(16, 0, 1, 1, StartupDefaults::kAspectTenths, ui.frmAspect);
    ui.VScroll1->setObjectName(QStringLiteral("VScroll1"));

    ui.LabAspect = new QLabel(QStringLiteral("LabAspect"), ui.frmAspect);
    ui.LabAspect->setObjectName(QStringLiteral("LabAspect"));
    setColours(ui.LabAspect, defaults.color(QPalette::Text), defaults.color(QPalette::Base));
}

AnimationTimer* createTimer(QMainWindow& window, const char* name)
{
    auto* timer = new AnimationTimer(&window);
    timer->setObjectName(QLatin1String(name));
    return timer;
}

void createTimers(Form1Controls& ui, QMainWindow& window)
{
    ui.Timer1 = createTimer(window, "Timer1");
    ui.Timer2 = createTimer(window, "Timer2");
    // Stored as interval 0 and enabled: no tick until the load step sets them.
    ui.Timer1->setInterval(0);
    ui.Timer2->setInterval(0);
}

QMenu* addMenu(QMainWindow& window, const char* name, const char* caption)
{
    QMenu* menu = window.menuBar()->addMenu(toQString(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* item = menu->addAction(toQString(caption));
    item->setObjectName(QLatin1String(name));
    return item;
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

// "Kecepatan Rotasi": three exclusive items, "Cepat" checked as the sweep
// starts at that speed.
void addSpeedMenu(Form1Controls& ui, QMenu* file)
{
    QMenu* speed = file->addMenu(QStringLiteral("&Kecepatan Rotasi"));
    speed->setObjectName(QStringLiteral("mnuKecepatan"));
    speed->menuAction()->setObjectName(QStringLiteral("mnuKecepatan"));
    auto* group = new QActionGroup(speed);
    const std::array<const char*, kSpeedItemCount> captions = {"&Lambat", "&Sedang", "&Cepat"};
    for (int index = 0; index < kSpeedItemCount; ++index) {
        QAction* item = speed->addAction(toQString(captions[static_cast<std::size_t>(index)]));
        item->setObjectName(controlArrayName("mnuSpeed", index));
        item->setCheckable(true);
        group->addAction(item);
        ui.mnuSpeed[static_cast<std::size_t>(index)] = item;
    }
    ui.mnuSpeed.back()->setChecked(true);
}

void createMenus(Form1Controls& ui, QMainWindow& window)
{
    QMenu* file = addMenu(window, "mF", "&Spasiologi");
    ui.mnuSave = addItem(file, "mnuSave", "Save Gambar");
    ui.mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // Ends in an ellipsis, "…", given as its UTF-8 bytes: the command asks first.
    ui.mnuExport = addItem(file, "mnuExport", "Ekspor Gambar\xe2\x80\xa6");
    ui.mnuExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    addSeparator(file, "mnuSepView");
    ui.mnuHome = addItem(file, "mnuHome", "&Tampilan Awal");
    ui.mnuHome->setShortcut(QKeySequence(Qt::Key_Home));
    addSpeedMenu(ui, file);
    ui.mnuFullScreen = addItem(file, "mnuFullScreen", "Layar Penuh");
    ui.mnuFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    addSeparator(file, "zbrk");
    ui.mnuExit = addItem(file, "mnuExit", "Tutup Program");
    ui.mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* information = addMenu(window, "MnunInformasi", "&Informasi Display RUVEX");
    ui.MnuFungsi = addItem(information, "MnuFungsi", "Fungsi");
    ui.MnuSasaran = addItem(information, "MnuSasaran", "Sasaran ");
    addSeparator(information, "Mnuchar");
    ui.MnuTerimakasih = addItem(information, "MnuTerimakasih", "Ucapan Terimakasih");

    QMenu* help = addMenu(window, "MnuHelputama", "&Help");
    ui.MnuPetunjuk = addItem(help, "MnuPetunjuk", "&Petunjuk Penggunaan");
    ui.MnuPetunjuk->setShortcut(QKeySequence(Qt::Key_F1));
    addSeparator(help, "Mnuchar1");
    ui.Mnu = addItem(help, "Mnu", "Contact");
    addSeparator(help, "Mnuchar2");
    ui.MnuInfodancredit = addItem(help, "MnuInfodancredit", "Info");
}

void createMenuBitmaps(QMainWindow& window)
{
    auto* ctxHookMenu1 = new MenuBitmapControl(&window);
    ctxHookMenu1->setObjectName(QStringLiteral("ctxHookMenu1"));
    ctxHookMenu1->ReadProperties(ctxHookMenu1Settings());
}

struct TabStop {
    int index;
    QWidget* widget;
};

void setTabOrder(std::vector<TabStop> tabStops)
{
    std::sort(tabStops.begin(), tabStops.end(),
              [](const TabStop& a, const TabStop& b) { return a.index < b.index; });
    for (std::size_t n = 1; n < tabStops.size(); ++n)
        QWidget::setTabOrder(tabStops[n - 1].widget, tabStops[n].widget);
}

void applyStoredLayout(QWidget* client)
{
    std::vector<TabStop> tabStops;
    for (const ControlPlacement& placement : Form1Layout::kControls) {
        auto* widget = client->findChild<QWidget*>(toQString(placement.name));
        Q_ASSERT(widget);
        widget->setGeometry(twipsRect(placement.left, placement.top, placement.width, placement.height));
        // The table lists controls bottom first.
        widget->raise();
        if (placement.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabStops.push_back({placement.tabIndex, widget});
    }
    setTabOrder(std::move(tabStops));
}

} // namespace

Form1Controls::Form1Controls(QMainWindow& window)
{
    setUpWindow(window);
    QWidget* client = createClientArea(window);
    createDescriptionBox(*this, client);
    createPerspectiveControls(*this, client);
    createShapeFrame(*this, client);
    createAnimationButtons(*this, client);
    createRules(client);
    createDrawingArea(*this, client);
    createAspectControls(*this, client);
    createTimers(*this, window);
    createMenus(*this, window);
    createMenuBitmaps(window);
    applyStoredLayout(client);
    new FocusOutline(client, picDisplay); // the drawing area draws its own frame

    // Fixed size: the client area plus whatever the menu bar needs.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    picDisplay->setFocus();
}
