#pragma once
// "Irisan Bidang" beside the main window: the plane's equation, the bars
// "Kemiringan" (θ) and "Jarak" (d) between their "−" and "+" buttons and
// with their values, the box "Tampilkan Bidang", the solid's equation and the
// section's line as text that can be selected and copied, and "Tutup". Every
// control is reached with Tab. Like every BesideWindow it keeps no value.

#include "ui/besidewindow.h"
#include "window/windowsession.h"

class QCheckBox;
class QLineEdit;

class SectionWindow final : public BesideWindow {
    Q_OBJECT
public:
    explicit SectionWindow(QWidget* owner);

    // The bars, the box and the texts as the snapshot has them, without
    // reporting them back.
    void showSnapshot(const SectionSnapshot& section);

private:
    SteppedBar* m_tilt;
    SteppedBar* m_distance;
    QCheckBox* m_outline;
    QLineEdit* m_solid;
    QLineEdit* m_section;
};
