#include "ui/storedrangescrollbar.h"

#include "ui/qtext.h"
#include "window/accessibletexts.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace {

// What a screen reader is told of the bar: the stored value, not the negated
// one inside, and as its value's text the words "Aspek 1,0" where the main
// window has them (Windows reads that text; Linux reads the description the
// window sets).
class StoredRangeAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit StoredRangeAccessible(StoredRangeScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Value)
            return QAccessibleWidget::text(kind);
        const std::string words = barValueText(bar()->objectName().toStdString(), bar()->storedValue());
        return words.empty() ? QString::number(bar()->storedValue()) : toQString(words);
    }

    QVariant currentValue() const override { return bar()->storedValue(); }
    void setCurrentValue(const QVariant& value) override { bar()->setStoredValue(value.toInt()); }
    QVariant maximumValue() const override { return bar()->storedHigh(); }
    QVariant minimumValue() const override { return bar()->storedLow(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    StoredRangeScrollBar* bar() const { return static_cast<StoredRangeScrollBar*>(widget()); }
};

QAccessibleInterface* storedRangeAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("StoredRangeScrollBar"))
        return new StoredRangeAccessible(static_cast<StoredRangeScrollBar*>(object));
    return nullptr;
}

} // namespace

StoredRangeScrollBar::StoredRangeScrollBar(int min, int max, int smallChange, int largeChange, int value,
                                           QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
    , m_min(min)
    , m_max(max)
    , m_reversed(min > max)
{
    // Before the first value change, which may ask for the bar's interface.
    static const bool installed = (QAccessible::installFactory(storedRangeAccessible), true);
    Q_UNUSED(installed);
    // Inside, the minimum is at the top: the stored Min, negated if it is the
    // larger end.
    setRange(toInner(m_min), toInner(m_max));
    setSingleStep(smallChange);
    setPageStep(largeChange);
    QScrollBar::setValue(toInner(value));
    connect(this, &QScrollBar::valueChanged, this, &StoredRangeScrollBar::storedValueChanged);
}

int StoredRangeScrollBar::storedValue() const
{
    return toInner(value());
}

void StoredRangeScrollBar::setStoredValue(int value)
{
    QScrollBar::setValue(toInner(std::clamp(value, storedLow(), storedHigh())));
}
