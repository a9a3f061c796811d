#pragma once
// The base of the windows the main window keeps modeless
// (modelesswindows.h): the information windows and "Petunjuk Penggunaan".

#include <QDialog>

#include <string_view>

class QCloseEvent;
class QKeyEvent;

// A window the main window keeps modeless: Esc without a modifier does what
// the window says (escape()), and a close the window accepts, by its OK or
// its close box, is reported by unloaded(). Each has a fixed size, a close
// box and nothing else on its border, and the program's dialog font.
class ModelessDialog : public QDialog {
    Q_OBJECT
public:
    ModelessDialog(QWidget* parent, std::string_view name, std::string_view caption);

signals:
    void unloaded();

protected:
    virtual void escape() = 0;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
