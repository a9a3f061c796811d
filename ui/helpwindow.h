#pragma once
// "Petunjuk Penggunaan": the window that explains, in the program's yellow on
// black, what each control does and which keys reach it. Like the information
// windows it has a fixed size and a close box only, runs without a modal loop
// beside the main window, and OK, Enter and Esc close it. Closing is reported
// by unloaded(); ModelessWindows keeps one at a time and destroys it then.

#include "ui/modelessdialog.h"

class QPushButton;
class QTextEdit;

class HelpWindow final : public ModelessDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    QTextEdit* text() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }

protected:
    void escape() override { close(); }

private:
    QTextEdit* m_text = nullptr;
    QPushButton* m_ok = nullptr;
};
