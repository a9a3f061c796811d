#include "ui/elementview.h"

#include "ui/besidewindow.h"
#include "ui/qtext.h"
#include "ui/storedrangescrollbar.h"
#include "window/elementstates.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

Qt::CheckState checkStateOf(const ElementState& state)
{
    if (state.indeterminate.value_or(false))
        return Qt::PartiallyChecked;
    return state.checked.value_or(false) ? Qt::Checked : Qt::Unchecked;
}

void showText(QObject& element, const QString& text)
{
    // A box of several lines keeps its scroll position when the text stays.
    if (auto* box = qobject_cast<QPlainTextEdit*>(&element); box && box->toPlainText() != text)
        box->setPlainText(text);
    // A line shows its start, where the equation begins.
    if (auto* line = qobject_cast<QLineEdit*>(&element)) {
        line->setText(text);
        line->setCursorPosition(0);
    }
    if (auto* label = qobject_cast<QLabel*>(&element))
        label->setText(text);
}

// The main window's bar with its value in words as its description, which
// the toolkit's screen-reader bridge on Linux reads and announces when it
// changes; set only when it changed, so nothing is announced twice.
void showBar(StoredRangeScrollBar& bar, const ElementState& state)
{
    bar.setStoredValue(state.value.value_or(bar.storedValue()));
    bar.setEnabled(state.enabled.value_or(true));
    const QString words = toQString(state.valueText.value_or(std::string()));
    if (bar.accessibleDescription() != words)
        bar.setAccessibleDescription(words);
}

void showButton(QObject& element, const ElementState& state)
{
    if (auto* box = qobject_cast<QCheckBox*>(&element))
        box->setCheckState(checkStateOf(state));
    else if (auto* button = qobject_cast<QAbstractButton*>(&element); button && state.checked)
        button->setChecked(*state.checked);
}

} // namespace

void showElementState(QObject& element, const ElementState& state)
{
    if (auto* item = qobject_cast<QAction*>(&element)) {
        if (state.checked)
            item->setChecked(*state.checked);
        return;
    }
    const bool reportsUse
        = qobject_cast<QAbstractButton*>(&element) || qobject_cast<QAbstractSlider*>(&element);
    const QSignalBlocker blocker(reportsUse ? &element : nullptr);
    if (state.textValue)
        showText(element, toQString(*state.textValue));
    else if (state.text && qobject_cast<QLabel*>(&element))
        showText(element, toQString(*state.text));
    showButton(element, state);
    if (auto* widget = qobject_cast<QWidget*>(&element); widget && state.hidden)
        widget->setHidden(*state.hidden);
    if (auto* bar = qobject_cast<StoredRangeScrollBar*>(&element))
        showBar(*bar, state);
    else if (auto* stepped = dynamic_cast<SteppedBar*>(element.parent()); stepped && state.value)
        stepped->showValue(*state.value, state.text.value_or(std::string()), state.enabled);
}
