#include "ui/besidewindow.h"

#include "ui/qtext.h"
#include "window/form1layout.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

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

void BesideWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

ControlUsed BesideWindow::reporter()
{
    return [this](const std::string& handler, int value) { emit controlUsed(handler, value); };
}
