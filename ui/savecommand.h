#pragma once
// The save command's work once the animation has stopped: ask for a path in
// the save-file dialog (starting in the folder of the last saved picture),
// force the ".bmp" extension, confirm replacing a file the dialog did not ask
// about (a "no" brings the dialog back), and write the picture as a Windows
// bitmap. A failed write is shown to the user and leaves the stored path
// empty, as after a cancel: nothing claims a picture that was not saved.
//
// It does not stop the animation (the main window owns the timers) and knows
// nothing of the drawing: it is handed the picture and the window's stored
// path. Its two messages to the user go through SavePrompts, which tests
// replace so that no message box ever waits for a click.

#include "platform/pixelbuffer.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

struct SavePrompts {
    // A file named `path` exists and the dialog did not ask about that name;
    // true replaces it.
    std::function<bool(QWidget* owner, const QString& path)> confirmReplace;
    // Writing `path` failed; `reason` is ready to show.
    std::function<void(QWidget* owner, const QString& path, const QString& reason)> reportFailure;
};

// The one replacement point of the prompts: installs `prompts` and returns
// the previous ones. The program starts with Indonesian message boxes. It is
// process-wide because the command is made afresh by the menu and the pointer
// handlers of the main window, which have nothing to pass them through.
SavePrompts setSavePrompts(SavePrompts prompts);
// The prompts in place, for the other commands that write pictures.
const SavePrompts& savePrompts();

// Why writing `path` failed, in the user's words, followed by the system's
// `systemReason`.
QString writeFailureReason(const QString& path, const QString& systemReason);

// Writes `image` to `path` as a Windows bitmap: 24 bits a pixel, no
// compression, rows bottom-up and padded to four bytes, colours in
// blue-green-red order. A file of that name is either replaced whole or left
// untouched, never half-written. Returns nothing on success, otherwise the
// system's reason for the failure.
std::optional<QString> writeBitmapFile(const QString& path, const QImage& image);

class SaveCommand {
public:
    enum class Outcome { Saved, Cancelled, Failed };

    // `picturePath` is the window's stored path: the dialog's initial name on
    // the way in; afterwards the saved picture's path, or empty when nothing
    // was saved.
    SaveCommand(QWidget* owner, QString& picturePath);

    Outcome run(const PixelBuffer& picture);

private:
    bool chooseFile();
    bool mayWrite(const QString& chosen) const;

    QWidget* m_owner;
    QString& m_path;
};
