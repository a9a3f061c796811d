#include "ui/sectionwindow.h"

#include "ui/qtext.h"
#include "window/sectionwindowlayout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace SectionWindowLayout;

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

// A line of text to read, select and copy, not to edit.
QLineEdit* makeText(std::string_view name, QWidget* parent)
{
    auto* text = new QLineEdit(parent);
    text->setObjectName(toQString(name));
    text->setReadOnly(true);
    text->setMinimumWidth(360);
    return text;
}

// "−" or "+" beside a bar; held down, it goes on stepping, as the bar's
// arrows do.
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

// The bar between its "−" and "+", with its value beside it, as one row.
QWidget* barRow(const BarDescription& description, QScrollBar* bar, QLabel* value, SectionWindow* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* decrease = makeStepButton(kDecreaseCaption, decreaseName(description), row);
    auto* increase = makeStepButton(kIncreaseCaption, increaseName(description), row);
    const std::string stepped = std::string(description.name) + "_Step";
    QObject::connect(decrease, &QToolButton::clicked, parent,
                     [parent, stepped] { emit parent->controlUsed(stepped, -1); });
    QObject::connect(increase, &QToolButton::clicked, parent,
                     [parent, stepped] { emit parent->controlUsed(stepped, 1); });
    QObject::connect(bar, &QScrollBar::valueChanged, parent,
                     [parent, changed = std::string(description.name) + "_Change"](int value) {
                         emit parent->controlUsed(changed, value);
                     });
    layout->addWidget(decrease);
    layout->addWidget(bar, 1);
    layout->addWidget(increase);
    value->setMinimumWidth(72);
    layout->addWidget(value);
    return row;
}

} // namespace

SectionWindow::SectionWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_tilt(makeBar(kTilt, this))
    , m_tiltValue(new QLabel(this))
    , m_distance(makeBar(kDistance, this))
    , m_distanceValue(new QLabel(this))
    , m_outline(new QCheckBox(toQString(kOutlineCaption), this))
    , m_solid(makeText(kSolidName, this))
    , m_section(makeText(kSectionName, this))
{
    setObjectName(toQString(kName));
    setWindowTitle(toQString(kCaption));
    m_outline->setObjectName(toQString(kOutlineName));
    auto* close = new QPushButton(toQString(kCloseCaption), this);
    auto* form = new QFormLayout;
    form->addRow(new QLabel(toQString(kPlaneEquation), this));
    form->addRow(toQString(kTilt.caption), barRow(kTilt, m_tilt, m_tiltValue, this));
    form->addRow(toQString(kDistance.caption), barRow(kDistance, m_distance, m_distanceValue, this));
    form->addRow(m_outline);
    form->addRow(toQString(kSolidCaption), m_solid);
    form->addRow(toQString(kSectionCaption), m_section);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(m_outline, &QCheckBox::toggled, this,
            [this](bool shown) { emit controlUsed(std::string(kOutlineName) + "_Click", shown ? 1 : 0); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void SectionWindow::showSnapshot(const SectionSnapshot& section)
{
    const QSignalBlocker tilt(m_tilt);
    const QSignalBlocker distance(m_distance);
    const QSignalBlocker outline(m_outline);
    m_tilt->setValue(section.tilt);
    m_distance->setValue(section.distance);
    m_outline->setChecked(section.outline);
    m_tiltValue->setText(toQString(section.tiltText));
    m_distanceValue->setText(toQString(section.distanceText));
    m_solid->setText(toQString(section.solid));
    m_solid->setCursorPosition(0);
    m_section->setText(toQString(section.line));
    m_section->setCursorPosition(0);
}

void SectionWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}
