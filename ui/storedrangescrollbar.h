#pragma once
// A vertical scroll bar that keeps a stored Min and Max in either order, as
// the window layouts give them. With Min above Max (Min 350, Max 100) the top
// of the bar is Min: the upper arrow and a click in the track above the thumb
// raise the value towards Min, the lower ones lower it towards Max.
//
// Qt's scroll bar always has its minimum at the top, so a reversed range is
// held negated inside it; storedValue() is always the stored-range value
// (the inherited value() is the inner one), and a screen reader is told it
// too, with the main window's words for it (accessibletexts.h).

#include <QScrollBar>

#include <algorithm>

class StoredRangeScrollBar final : public QScrollBar {
    Q_OBJECT
public:
    StoredRangeScrollBar(int min, int max, int smallChange, int largeChange, int value,
                         QWidget* parent = nullptr);

    int storedValue() const;
    // The stored range's ends, lower first whichever is Min.
    int storedLow() const { return std::min(m_min, m_max); }
    int storedHigh() const { return std::max(m_min, m_max); }
    // Clamped into the stored range; raises storedValueChanged when the value moves.
    void setStoredValue(int value);

signals:
    // The value changed, by the user or by code.
    void storedValueChanged();

private:
    int toInner(int value) const { return m_reversed ? -value : value; }

    int m_min;
    int m_max;
    bool m_reversed;
};
