#include "ui/besidewindow.h"

#include "ui/qtext.h"
#include "window/form1layout.h"
#include "window/sizewindowlayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using SectionWindowLayout::BarDescription;

QScrollBar* makeBar(const BarDescription& bar, QWidget* parent)
{
    auto* made = new QScrollBar(Qt::Horizontal, parent);
    made->setObjectName(toQString(bar.name));
    made->setRange(bar.min, bar.max);
    made->setSingleStep(bar.smallChange);
    made->setPageStep(bar.largeChange);
    made->setValue(bar.start);
    made->setFocusPolicy(Qt::StrongFocus);
    made->setMinimumWidth(240);
    made->setAccessibleName(toQString(bar.caption));
    return made;
}

QToolButton* makeStepButton(std::string_view caption, const std::string& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(toQString(caption));
    button->setAccessibleName(toQString(name));
    button->setToolTip(toQString(name));
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// A line of text to read, select and copy, not to edit.
QLineEdit* makeText(std::string_view name, QWidget* parent)
{
    auto* text = new QLineEdit(parent);
    text->setObjectName(toQString(name));
    text->setReadOnly(true);
    text->setMinimumWidth(360);
    return text;
}

} // namespace

SteppedBar::SteppedBar(const BarDescription& bar, QWidget* parent, const ControlUsed& used)
    : QWidget(parent)
    , m_bar(makeBar(bar, this))
    , m_value(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* decrease = makeStepButton(SectionWindowLayout::kDecreaseCaption, decreaseName(bar), this);
    auto* increase = makeStepButton(SectionWindowLayout::kIncreaseCaption, increaseName(bar), this);
    const std::string stepped = handlerName(bar.name, "Step");
    connect(decrease, &QToolButton::clicked, this, [used, stepped] { used(stepped, -1); });
    connect(increase, &QToolButton::clicked, this, [used, stepped] { used(stepped, 1); });
    connect(m_bar, &QScrollBar::valueChanged, this,
            [used, changed = handlerName(bar.name, "Change")](int value) { used(changed, value); });
    layout->addWidget(decrease);
    layout->addWidget(m_bar, 1);
    layout->addWidget(increase);
    m_value->setMinimumWidth(72);
    layout->addWidget(m_value);
}

void SteppedBar::showValue(int value, const std::string& valueText, std::optional<bool> enabled)
{
    const QSignalBlocker blocker(m_bar);
    m_bar->setValue(value);
    m_value->setText(toQString(valueText));
    if (enabled)
        setEnabled(*enabled);
}

BesideWindow::BesideWindow(QWidget* owner, std::string_view name, std::string_view caption)
    : QWidget(owner, Qt::Window)
{
    setObjectName(toQString(name));
    setWindowTitle(toQString(caption));
}

// "Tutup", made where it is to stand in the order Tab goes.
QPushButton* BesideWindow::closeButton()
{
    auto* close = new QPushButton(toQString(SectionWindowLayout::kCloseCaption), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return close;
}

// The rows of `form`, then `below` (if any), taller as the window grows, and
// `close` at the bottom right.
void BesideWindow::layOut(QFormLayout* form, QWidget* below, QPushButton* close)
{
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    if (below)
        layout->addWidget(below, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void BesideWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

ControlUsed BesideWindow::reporter()
{
    return [this](const std::string& handler, int value) { emit controlUsed(handler, value); };
}

SectionWindow::SectionWindow(QWidget* owner)
    : BesideWindow(owner, SectionWindowLayout::kName, SectionWindowLayout::kCaption)
{
    using namespace SectionWindowLayout;
    auto* form = new QFormLayout;
    form->addRow(new QLabel(toQString(kPlaneEquation), this));
    form->addRow(toQString(kTilt.caption), new SteppedBar(kTilt, this, reporter()));
    form->addRow(toQString(kDistance.caption), new SteppedBar(kDistance, this, reporter()));
    auto* outline = new QCheckBox(toQString(kOutlineCaption), this);
    outline->setObjectName(toQString(kOutlineName));
    form->addRow(outline);
    form->addRow(toQString(kSolidCaption), makeText(kSolidName, this));
    form->addRow(toQString(kSectionCaption), makeText(kSectionName, this));
    layOut(form, nullptr, closeButton());
    connect(outline, &QCheckBox::toggled, this,
            [this](bool shown) { emit controlUsed(handlerName(kOutlineName, "Click"), shown ? 1 : 0); });
}

// Tab goes through the bars, the worked numbers and "Tutup", then the
// choice of π.
SizeWindow::SizeWindow(QWidget* owner)
    : BesideWindow(owner, SizeWindowLayout::kName, SizeWindowLayout::kCaption)
{
    using namespace SizeWindowLayout;
    auto* radius = new SteppedBar(kRadius, this, reporter());
    auto* height = new SteppedBar(kHeight, this, reporter());
    auto* net = new SteppedBar(kNet, this, reporter());
    auto* notice = new QLabel(this);
    notice->setObjectName(toQString(kNoticeName));
    notice->setWordWrap(true);
    notice->hide();
    auto* numbers = new QPlainTextEdit(this);
    numbers->setObjectName(toQString(kNumbersName));
    numbers->setAccessibleName(toQString(kNumbersCaption));
    numbers->setReadOnly(true);
    numbers->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    numbers->setMinimumSize(460, 150);
    QPushButton* close = closeButton();
    auto* form = new QFormLayout;
    form->addRow(toQString(kRadius.caption), radius);
    form->addRow(toQString(kHeight.caption), height);
    form->addRow(piChoice());
    form->addRow(toQString(kNet.caption), net);
    form->addRow(notice);
    layOut(form, numbers, close);
}

// "π = 22/7" and "π = 3,14" as one group, the members of the array optPi,
// reported with the button's index.
QWidget* SizeWindow::piChoice()
{
    auto* row = new QWidget(this);
    row->setAccessibleName(toQString(SizeWindowLayout::kPiCaption));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    for (int index = 0; index < static_cast<int>(SizeWindowLayout::kPiCaptions.size()); ++index) {
        auto* button = new QRadioButton(
            toQString(SizeWindowLayout::kPiCaptions[static_cast<std::size_t>(index)]), row);
        button->setObjectName(toQString(arrayMemberName(SizeWindowLayout::kPiName, index)));
        group->addButton(button, index);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this,
            [this](int index) { emit controlUsed(handlerName(SizeWindowLayout::kPiName, "Click"), index); });
    return row;
}
