#pragma once
// The windows beside the main one: "Irisan Bidang" (the plane's equation,
// the bars "Kemiringan" θ and "Jarak" d, the box "Tampilkan Bidang", the
// solid's equation and the section's line as text to select and copy) and
// "Ukuran Bangun" (the bars "Jari-jari", "Tinggi" and "Buka Jaring-jaring",
// the choice of π, a notice where a bar is of no use, the worked numbers).
// Each has "Tutup", and every control is reached with Tab. They keep no
// value of their own: each reports its controls by the handlers' names the
// session knows, and its closing, to its owner; the owner shows the
// session's snapshot on their elements by name (ui/elementview.h).
//
// Their bars are SteppedBars: the bar between its "−" and "+" buttons (held
// down, they go on stepping, as the bar's arrows do), with its value beside
// it, reported as "<bar>_Change" with the new value and "<bar>_Step" with -1
// or 1.

#include "window/sectionwindowlayout.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <QWidget>

class QFormLayout;
class QLabel;
class QPushButton;
class QScrollBar;

using ControlUsed = std::function<void(const std::string& handler, int value)>;

class BesideWindow : public QWidget {
    Q_OBJECT
public:
    BesideWindow(QWidget* owner, std::string_view name, std::string_view caption);

signals:
    void controlUsed(const std::string& handler, int value);
    void closed();

protected:
    QPushButton* closeButton();
    void layOut(QFormLayout* form, QWidget* below, QPushButton* close);
    void closeEvent(QCloseEvent* event) override;
    // What the window's controls report through.
    ControlUsed reporter();
};

class SectionWindow final : public BesideWindow {
    Q_OBJECT
public:
    explicit SectionWindow(QWidget* owner);
};

class SizeWindow final : public BesideWindow {
    Q_OBJECT
public:
    explicit SizeWindow(QWidget* owner);

private:
    QWidget* piChoice();
};

class SteppedBar final : public QWidget {
public:
    SteppedBar(const SectionWindowLayout::BarDescription& bar, QWidget* parent, const ControlUsed& used);

    // Without reporting it back; greyed or not only when told.
    void showValue(int value, const std::string& valueText, std::optional<bool> enabled);

private:
    QScrollBar* m_bar;
    QLabel* m_value;
};
