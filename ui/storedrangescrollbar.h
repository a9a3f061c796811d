#pragma once
// A vertical scroll bar that keeps a stored Min and Max in either order, as
// the window layouts give them. With Min above Max (Min 350, Max 100) the top
// of the bar is Min: the upper arrow and a click in the track above the thumb
// raise the value towards Min, the lower ones lower it towards Max.
//
// Qt's scroll bar always has its minimum at the top, so a reversed range is
// held negated inside it; storedValue() is always the stored-range value
// (the inherited value() is the inner one).

#include <QScrollBar>

class StoredRangeScrollBar final : public QScrollBar {
    Q_OBJECT
public:
    StoredRangeScrollBar(int min, int max, int smallChange, int largeChange, int value,
                         QWidget* parent = nullptr);

    int storedValue() const;
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
