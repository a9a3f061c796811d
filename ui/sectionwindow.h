#pragma once
// "Irisan Bidang" beside the main window: the plane's equation, the bars
// "Kemiringan" (θ) and "Jarak" (d) between their "−" and "+" buttons and
// with their values, the box "Tampilkan
// Bidang", the solid's equation and the section's line as text that can be
// selected and copied, and "Tutup". Every control is reached with Tab; Esc
// closes it as "Tutup" does.
//
// It keeps no value of its own: it reports the bars, the box and its closing
// to its owner, and shows the values and texts it is given (Form1Model's).

#include "surface/planesection.h"
#include "view/pictureoptions.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

class SectionWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SectionWindow(QWidget* owner);

    // The bars and the box at `view`, without reporting them back.
    void showValues(const SectionView& view);
    // The section's texts.
    void showSection(const PlaneSection& section);

signals:
    void tiltChanged(int degrees);
    void distanceChanged(int distance);
    // "−" (-1) or "+" (1) beside a bar.
    void tiltStepped(int steps);
    void distanceStepped(int steps);
    void outlineToggled(bool shown);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QScrollBar* m_tilt;
    QLabel* m_tiltValue;
    QScrollBar* m_distance;
    QLabel* m_distanceValue;
    QCheckBox* m_outline;
    QLineEdit* m_solid;
    QLineEdit* m_section;
};
