#include "ui/sizewindow.h"

#include "ui/qtext.h"
#include "window/sizewindowlayout.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace SizeWindowLayout;

SizeWindow::SizeWindow(QWidget* owner)
    : BesideWindow(owner)
    , m_radius(new SteppedBar(kRadius, this, reporter()))
    , m_height(new SteppedBar(kHeight, this, reporter()))
    , m_net(new SteppedBar(kNet, this, reporter()))
    , m_notice(new QLabel(this))
    , m_numbers(new QPlainTextEdit(this))
{
    setObjectName(toQString(kName));
    setWindowTitle(toQString(kCaption));
    m_notice->setWordWrap(true);
    m_numbers->setObjectName(toQString(kNumbersName));
    m_numbers->setAccessibleName(toQString(kNumbersCaption));
    m_numbers->setReadOnly(true);
    m_numbers->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_numbers->setMinimumSize(460, 150);
    auto* close = new QPushButton(toQString(kCloseCaption), this);
    auto* form = new QFormLayout;
    form->addRow(toQString(kRadius.caption), m_radius);
    form->addRow(toQString(kHeight.caption), m_height);
    form->addRow(piChoice());
    form->addRow(toQString(kNet.caption), m_net);
    form->addRow(m_notice);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_numbers, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

// "π = 22/7" and "π = 3,14" as one group, reported as optPi_Click with the
// button's index.
QWidget* SizeWindow::piChoice()
{
    auto* row = new QWidget(this);
    row->setAccessibleName(toQString(kPiCaption));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    for (int index = 0; index < static_cast<int>(m_pi.size()); ++index) {
        auto* button = new QRadioButton(toQString(kPiCaptions[static_cast<std::size_t>(index)]), row);
        button->setObjectName(toQString(kPiName) + QString::number(index));
        group->addButton(button, index);
        layout->addWidget(button);
        m_pi[static_cast<std::size_t>(index)] = button;
    }
    layout->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this,
            [this](int index) { emit controlUsed(std::string(kPiName) + "_Click", index); });
    return row;
}

void SizeWindow::showSnapshot(const SizeSnapshot& sizes)
{
    m_radius->showValue(sizes.radius, sizes.radiusText);
    m_height->showValue(sizes.height, sizes.heightText, sizes.heightEnabled);
    m_net->showValue(sizes.net, sizes.netText, sizes.netEnabled);
    for (std::size_t index = 0; index < m_pi.size(); ++index) {
        const QSignalBlocker blocker(m_pi[index]);
        m_pi[index]->setChecked(static_cast<int>(index) == sizes.pi);
    }
    m_notice->setText(toQString(sizes.notice));
    m_notice->setVisible(!sizes.notice.empty());
    if (m_numbers->toPlainText() != toQString(sizes.numbers))
        m_numbers->setPlainText(toQString(sizes.numbers));
}
