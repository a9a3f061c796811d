#include "ui/storedrangescrollbar.h"

#include <algorithm>

StoredRangeScrollBar::StoredRangeScrollBar(int min, int max, int smallChange, int largeChange, int value,
                                           QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
    , m_min(min)
    , m_max(max)
    , m_reversed(min > max)
{
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
    const int low = std::min(m_min, m_max);
    const int high = std::max(m_min, m_max);
    QScrollBar::setValue(toInner(std::clamp(value, low, high)));
}
