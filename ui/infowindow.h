#pragma once
// One information window, built from its row in InfoWindowLayouts: a fixed
// size window with a close box only, its background colour and picture, a
// word-wrapped text and an OK button.
//
// How OK and Esc behave depends on the kind of window. An about window's
// cmdOK (also Enter and Esc) closes it; a dialog's OKButton only hides it and
// Esc does nothing. Closing, by OK or by the close box, is reported by
// unloaded(); who keeps the windows decides what that means (ModelessWindows
// destroys them). The window knows nothing of menus or of the main window.

#include "ui/modelessdialog.h"
#include "window/infowindowlayout.h"

#include <QPixmap>

class QLabel;
class QPushButton;

class InfoWindow final : public ModelessDialog {
    Q_OBJECT
public:
    InfoWindow(const InfoWindowLayout& layout, QWidget* parent);

    const InfoWindowLayout& layout() const { return m_layout; }
    QPushButton* okButton() const { return m_ok; }
    QLabel* textLabel() const { return m_label; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void escape() override;

private:
    void createOkButton();
    void createLabel();

    const InfoWindowLayout& m_layout;
    QPixmap m_picture;
    QPushButton* m_ok = nullptr;
    QLabel* m_label = nullptr;
};
