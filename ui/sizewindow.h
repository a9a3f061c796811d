#pragma once
// "Ukuran Bangun" beside the main window: the bars "Jari-jari", "Tinggi" and
// "Buka Jaring-jaring" between their "−" and "+" buttons and with their
// values, the choice of π, a notice where a bar is of no use, the worked
// numbers as text that can be selected and copied, and "Tutup". Every
// control is reached with Tab. Like every BesideWindow it keeps no value.

#include "ui/besidewindow.h"
#include "window/windowsession.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QRadioButton;

class SizeWindow final : public BesideWindow {
    Q_OBJECT
public:
    explicit SizeWindow(QWidget* owner);

    // Without reporting it back.
    void showSnapshot(const SizeSnapshot& sizes);

private:
    QWidget* piChoice();

    SteppedBar* m_radius;
    SteppedBar* m_height;
    SteppedBar* m_net;
    std::array<QRadioButton*, 2> m_pi{};
    QLabel* m_notice;
    QPlainTextEdit* m_numbers;
};
