#include "ui/besidewindow.h"
#include "ui/qtext.h"
#include "window/form1layout.h"
#include "window/sectionwindowlayout.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
{
    setObjectName(toQString(kName));
    setWindowTitle(toQString(kCaption));
    auto* outline = new QCheckBox(toQString(kOutlineCaption), this);
    outline->setObjectName(toQString(kOutlineName));
    auto* close = new QPushButton(toQString(kCloseCaption), this);
    auto* form = new QFormLayout;
    form->addRow(new QLabel(toQString(kPlaneEquation), this));
    form->addRow(toQString(kTilt.caption), new SteppedBar(kTilt, this, reporter()));
    form->addRow(toQString(kDistance.caption), new SteppedBar(kDistance, this, reporter()));
    form->addRow(outline);
    form->addRow(toQString(kSolidCaption), makeText(kSolidName, this));
    form->addRow(toQString(kSectionCaption), makeText(kSectionName, this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(outline, &QCheckBox::toggled, this,
            [this](bool shown) { emit controlUsed(handlerName(kOutlineName, "Click"), shown ? 1 : 0); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}
