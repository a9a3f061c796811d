#pragma once
// The base of the windows the main window keeps modeless
// (modelesswindows.h): the information windows and "Petunjuk Penggunaan".

#include <QDialog>

class QCloseEvent;
class QKeyEvent;

// A window the main window keeps modeless: Esc without a modifier does what
// the window says (escape()), and a close the window accepts, by its OK or
// its close box, is reported by unloaded().
class ModelessDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

signals:
    void unloaded();

protected:
    virtual void escape() = 0;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
