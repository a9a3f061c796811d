#include "ui/besidewindow.h"
#include "ui/qtext.h"
#include "window/form1layout.h"
#include "window/sizewindowlayout.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace SizeWindowLayout;

SizeWindow::SizeWindow(QWidget* owner)
    : BesideWindow(owner)
    , m_notice(new QLabel(this))
{
    setObjectName(toQString(kName));
    setWindowTitle(toQString(kCaption));
    m_notice->setWordWrap(true);
    auto* numbers = new QPlainTextEdit(this);
    numbers->setObjectName(toQString(kNumbersName));
    numbers->setAccessibleName(toQString(kNumbersCaption));
    numbers->setReadOnly(true);
    numbers->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    numbers->setMinimumSize(460, 150);
    auto* close = new QPushButton(toQString(kCloseCaption), this);
    auto* form = new QFormLayout;
    form->addRow(toQString(kRadius.caption), new SteppedBar(kRadius, this, reporter()));
    form->addRow(toQString(kHeight.caption), new SteppedBar(kHeight, this, reporter()));
    form->addRow(piChoice());
    form->addRow(toQString(kNet.caption), new SteppedBar(kNet, this, reporter()));
    form->addRow(m_notice);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(numbers, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

// "π = 22/7" and "π = 3,14" as one group, the members of the array optPi,
// reported with the button's index.
QWidget* SizeWindow::piChoice()
{
    auto* row = new QWidget(this);
    row->setAccessibleName(toQString(kPiCaption));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    for (int index = 0; index < static_cast<int>(kPiCaptions.size()); ++index) {
        auto* button = new QRadioButton(toQString(kPiCaptions[static_cast<std::size_t>(index)]), row);
        button->setObjectName(toQString(arrayMemberName(kPiName, index)));
        group->addButton(button, index);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this,
            [this](int index) { emit controlUsed(handlerName(kPiName, "Click"), index); });
    return row;
}

void SizeWindow::showNotice(const std::string& notice)
{
    m_notice->setText(toQString(notice));
    m_notice->setVisible(!notice.empty());
}
