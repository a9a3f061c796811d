#pragma once
// A bar of "Irisan Bidang" or "Ukuran Bangun" as one row: the bar between
// its "−" and "+" buttons (held down, they go on stepping, as the bar's
// arrows do), with its value beside it. Its use is reported by the handlers'
// names the session knows: "<bar>_Change" with the new value, "<bar>_Step"
// with -1 or 1.

#include "window/sectionwindowlayout.h"

#include <functional>
#include <string>

#include <QWidget>

class QLabel;
class QScrollBar;

using ControlUsed = std::function<void(const std::string& handler, int value)>;

class SteppedBar final : public QWidget {
public:
    SteppedBar(const SectionWindowLayout::BarDescription& bar, QWidget* parent, const ControlUsed& used);

    // Without reporting it back.
    void showValue(int value, const std::string& valueText, bool enabled = true);

private:
    QScrollBar* m_bar;
    QLabel* m_value;
};
