#include "ui/sectionwindow.h"

#include "ui/qtext.h"
#include "window/sectionwindowlayout.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

using namespace SectionWindowLayout;

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

SectionWindow::SectionWindow(QWidget* owner)
    : BesideWindow(owner)
    , m_tilt(new SteppedBar(kTilt, this, reporter()))
    , m_distance(new SteppedBar(kDistance, this, reporter()))
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
    form->addRow(toQString(kTilt.caption), m_tilt);
    form->addRow(toQString(kDistance.caption), m_distance);
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
    const QSignalBlocker outline(m_outline);
    m_tilt->showValue(section.tilt, section.tiltText);
    m_distance->showValue(section.distance, section.distanceText);
    m_outline->setChecked(section.outline);
    m_solid->setText(toQString(section.solid));
    m_solid->setCursorPosition(0);
    m_section->setText(toQString(section.line));
    m_section->setCursorPosition(0);
}
