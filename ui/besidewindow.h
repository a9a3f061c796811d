#pragma once
// The windows beside the main one ("Irisan Bidang", "Ukuran Bangun"). They
// keep no value of their own: each reports its controls by the handlers'
// names the session knows, and its closing, to its owner, and shows the
// session's snapshot of it.
//
// Their bars are SteppedBars: the bar between its "−" and "+" buttons (held
// down, they go on stepping, as the bar's arrows do), with its value beside
// it, reported as "<bar>_Change" with the new value and "<bar>_Step" with -1
// or 1.

#include "window/sectionwindowlayout.h"

#include <functional>
#include <string>

#include <QWidget>

class QLabel;
class QScrollBar;

using ControlUsed = std::function<void(const std::string& handler, int value)>;

class BesideWindow : public QWidget {
    Q_OBJECT
public:
    explicit BesideWindow(QWidget* owner)
        : QWidget(owner, Qt::Window)
    {
    }

signals:
    void controlUsed(const std::string& handler, int value);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // What the window's controls report through.
    ControlUsed reporter();
};

class SteppedBar final : public QWidget {
public:
    SteppedBar(const SectionWindowLayout::BarDescription& bar, QWidget* parent, const ControlUsed& used);

    // Without reporting it back.
    void showValue(int value, const std::string& valueText, bool enabled = true);

private:
    QScrollBar* m_bar;
    QLabel* m_value;
};
