#include "ui/form1controls.h"

#include "pictures/programpictures.h"
#include "surface/startup.h"
#include "ui/animationtimer.h"
#include "ui/focusoutline.h"
#include "ui/fonts.h"
#include "ui/form1menubitmaps.h"
#include "ui/menubitmapcontrol.h"
#include "ui/picturewidget.h"
#include "ui/qtcolours.h"
#include "ui/qtext.h"
#include "ui/qtrects.h"
#include "ui/storedrangescrollbar.h"
#include "window/accessibletexts.h"
#include "window/form1layout.h"
#include "window/form1menus.h"

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
#include <map>
#include <string>
#include <vector>

namespace {

// The controls made so far, by their names in the layout table.
using ControlMap = std::map<std::string_view, QWidget*>;
// Each control array's button group, by the array's name.
using ButtonGroups = std::map<std::string_view, QButtonGroup*>;

// A layout colour as this toolkit shows it: the system colours are the
// application's default palette.
QColor qColourOf(const ControlColour& colour)
{
    const QPalette defaults = QApplication::palette();
    switch (colour.source) {
    case ColourSource::ButtonFace:
        return defaults.color(QPalette::Window);
    case ColourSource::ButtonText:
        return defaults.color(QPalette::WindowText);
    case ColourSource::WindowBackground:
        return defaults.color(QPalette::Base);
    case ColourSource::WindowText:
        return defaults.color(QPalette::Text);
    case ColourSource::Rgb:
    case ColourSource::Unset:
        break;
    }
    return ::qColourOf(colour.rgb);
}

void setUpWindow(QMainWindow& window)
{
    window.setObjectName(toQString(Form1Layout::kName));
    window.setWindowTitle(toQString(Form1Layout::kCaption));
    window.setWindowIcon(ProgramPictures::programIcon());
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFont(fontOf(Form1Layout::kFont));
}

QWidget* createClientArea(QMainWindow& window)
{
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(Form1Layout::kClientWidth), twipsToPixels(Form1Layout::kClientHeight));
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, qColourOf(Form1Layout::kBackColour));
    client->setPalette(clientPalette);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);
    return client;
}

// The white rules above and below the animation buttons, under every control.
void createRules(QWidget* client)
{
    const QColor colour = qColourOf(Form1Layout::kLineColour);
    for (const LinePlacement& line : Form1Layout::kLines) {
        auto* rule = new QWidget(client);
        rule->setObjectName(toQString(line.name));
        setColours(rule, colour, colour);
        rule->setGeometry(qRectOf(horizontalLineRect(line.x1, line.y, line.x2, line.widthPixels)));
    }
}

QPlainTextEdit* createTextBox(const ControlDescription& control, QWidget* container)
{
    auto* box = new QPlainTextEdit(toQString(control.caption), container);
    box->setVerticalScrollBarPolicy(control.scrollBars == ScrollBars::Vertical ? Qt::ScrollBarAlwaysOn
                                                                               : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (control.locked) {
        // Nothing reads the box back; students may select and copy a definition.
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    return box;
}

// The toolkit's automatic grouping would take every radio button below the
// window, shape buttons and animation buttons alike, as one group; each
// control array is its own group.
QRadioButton* createOptionButton(const ControlDescription& control, QWidget* container, ButtonGroups& groups)
{
    auto* button = new QRadioButton(toQString(control.caption), container);
    QButtonGroup*& group = groups[controlArrayName(control.name)];
    if (!group)
        group = new QButtonGroup(container);
    group->addButton(button, controlArrayIndex(control.name));
    return button;
}

QWidget* createScrollBar(const ControlDescription& control, QWidget* container)
{
    const ScrollRange& range = control.range;
    auto* bar = new StoredRangeScrollBar(range.min, range.max, range.smallChange, range.largeChange,
                                         range.value, container);
    // The toolkit's scroll bars take no focus of their own.
    if (control.scrollBarTabStop)
        bar->setFocusPolicy(Qt::TabFocus);
    return bar;
}

QWidget* createWidget(const ControlDescription& control, QWidget* container, ButtonGroups& groups)
{
    switch (control.kind) {
    case ControlKind::Label:
        return new QLabel(toQString(control.caption), container);
    case ControlKind::TextBox:
        return createTextBox(control, container);
    case ControlKind::CheckBox:
        return new QCheckBox(toQString(control.caption), container);
    case ControlKind::Frame:
        return new QGroupBox(toQString(control.caption), container);
    case ControlKind::OptionButton:
        return createOptionButton(control, container, groups);
    case ControlKind::ScrollBar:
        return createScrollBar(control, container);
    case ControlKind::PictureBox:
        return new PictureWidget(container);
    }
    return nullptr;
}

// In TextAlignment's order: left, right, centre.
constexpr std::array<Qt::Alignment, 3> kAlignments = {
    Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignVCenter};

// What every control takes from its row besides what its kind needs. Only
// what differs from the window's is set, so the rest follows the window.
void applyDescription(QWidget* widget, const ControlDescription& control)
{
    widget->setObjectName(toQString(control.name));
    // Elsewhere the toolkit reads the caption as shown, a label's as it changes.
    if (const std::string_view name = accessibleName(control.name); !name.empty())
        widget->setAccessibleName(toQString(name));
    // The toolkit has no group without a box: the members say the label's name.
    if (const ControlDescription* label = Form1Layout::findControl(groupLabel(control.name)))
        widget->setAccessibleDescription(toQString(label->caption));
    widget->setGeometry(twipsRect(control.place));
    if (control.font != Form1Layout::kFont)
        widget->setFont(fontOf(control.font));
    if (control.foreColour.source != ColourSource::Unset
        || control.backColour.source != ColourSource::Unset) {
        setColours(widget, qColourOf(control.foreColour), qColourOf(control.backColour),
                   control.kind == ControlKind::TextBox);
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && control.alignment != TextAlignment::Left)
        label->setAlignment(kAlignments.at(static_cast<std::size_t>(control.alignment)));
    if (!control.enabled)
        widget->setEnabled(false);
    if (!control.visible)
        widget->setVisible(false);
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

// Made in the table's order, bottom first, so each control lies over those
// before it; a frame is made before the controls inside it.
ControlMap createControls(QWidget* client)
{
    ControlMap controls;
    ButtonGroups groups;
    std::vector<TabStop> tabStops;
    for (const ControlDescription& control : Form1Layout::kControls) {
        QWidget* container = control.container.empty() ? client : controls.at(control.container);
        QWidget* widget = createWidget(control, container, groups);
        applyDescription(widget, control);
        controls[control.name] = widget;
        if (control.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabStops.push_back({control.tabIndex, widget});
    }
    setTabOrder(std::move(tabStops));
    return controls;
}

template <class Control> Control* find(const ControlMap& controls, std::string_view name)
{
    auto* control = qobject_cast<Control*>(controls.at(name));
    Q_ASSERT(control);
    return control;
}

void keepControlHandles(Form1Controls& ui, const ControlMap& controls)
{
    ui.chkPerspective = find<QCheckBox>(controls, "chkPerspective");
    ui.VScroll2 = find<StoredRangeScrollBar>(controls, "VScroll2");
    for (int index = 0; index < kShapeButtonCount; ++index)
        ui.Option1[static_cast<std::size_t>(index)]
            = find<QRadioButton>(controls, arrayMemberName("Option1", index));
    for (int index = 0; index < kAnimButtonCount; ++index)
        ui.optAnim[static_cast<std::size_t>(index)]
            = find<QRadioButton>(controls, arrayMemberName("optAnim", index));
    ui.picDisplay = find<PictureWidget>(controls, "picDisplay");
    ui.VScroll1 = find<StoredRangeScrollBar>(controls, "VScroll1");
}

// A new timer holds interval 0 and is enabled, as the layout stores them: no
// tick until the load step sets the interval.
void createTimers(Form1Controls& ui, QMainWindow& window)
{
    for (std::size_t n = 0; n < ui.timers.size(); ++n) {
        ui.timers[n] = new AnimationTimer(&window);
        ui.timers[n]->setObjectName(QStringLiteral("Timer%1").arg(n + 1));
    }
}

QMenu* addMenu(QMainWindow& window, QMenu* parent, const MenuEntry& entry)
{
    const QString caption = toQString(entry.caption);
    QMenu* menu = parent ? parent->addMenu(caption) : window.menuBar()->addMenu(caption);
    menu->setObjectName(toQString(entry.name));
    menu->menuAction()->setObjectName(toQString(entry.name));
    return menu;
}

// The exclusive checkable items of one menu are one group, as the speeds are;
// a switch stands alone.
QAction* addItem(QMenu* menu, const MenuEntry& entry)
{
    QAction* item = menu->addAction(toQString(entry.caption));
    item->setObjectName(toQString(entry.name));
    if (!entry.shortcut.empty())
        item->setShortcut(QKeySequence(toQString(entry.shortcut), QKeySequence::PortableText));
    if (entry.checkable && !entry.exclusive)
        item->setCheckable(true);
    if (entry.checkable && entry.exclusive) {
        auto* group = menu->findChild<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly);
        if (!group)
            group = new QActionGroup(menu);
        item->setCheckable(true);
        group->addAction(item);
        if (entry.checked)
            item->setChecked(true);
    }
    return item;
}

void createMenus(QMainWindow& window)
{
    std::array<QMenu*, Form1Menus::kMaxLevel + 1> openMenus{};
    for (const MenuEntry& entry : Form1Menus::kEntries) {
        QMenu* parent = entry.level > 0 ? openMenus[static_cast<std::size_t>(entry.level - 1)] : nullptr;
        if (entry.pageOnly)
            continue;
        if (entry.kind == MenuEntryKind::Menu)
            openMenus[static_cast<std::size_t>(entry.level)] = addMenu(window, parent, entry);
        else if (entry.kind == MenuEntryKind::Separator)
            parent->addSeparator()->setObjectName(toQString(entry.name));
        else
            addItem(parent, entry);
    }
}

void createMenuBitmaps(QMainWindow& window)
{
    auto* ctxHookMenu1 = new MenuBitmapControl(&window);
    ctxHookMenu1->setObjectName(QStringLiteral("ctxHookMenu1"));
    ctxHookMenu1->ReadProperties(ctxHookMenu1Settings());
}

} // namespace

Form1Controls::Form1Controls(QMainWindow& window)
{
    setUpWindow(window);
    QWidget* client = createClientArea(window);
    createRules(client);
    keepControlHandles(*this, createControls(client));
    createTimers(*this, window);
    createMenus(window);
    createMenuBitmaps(window);
    new FocusOutline(client, picDisplay); // the drawing area draws its own frame

    // Fixed size: the client area plus whatever the menu bar needs.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    picDisplay->setFocus();
}

void Form1Controls::setPictureHeight(int pixels)
{
    picDisplay->setOuterSize(picDisplay->box().Width(), pixels);
}

void Form1Controls::setPictureWidth(int pixels)
{
    picDisplay->setOuterSize(pixels, picDisplay->box().Height());
}

int Form1Controls::firstOptionTop() const
{
    return pixelsToTwips(Option1.front()->y());
}

void Form1Controls::placeOptions(const OptionColumn& column)
{
    for (std::size_t n = 0; n < column.size(); ++n)
        Option1.at(n)->move(twipsToPixels(column[n].left), twipsToPixels(column[n].top));
}
