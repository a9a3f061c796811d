#pragma once
// The save command's work once the animation has stopped: ask for a path in
// the save-file dialog (starting in the folder of the last saved picture),
// force the ".bmp" extension (refusing a name it leaves empty), vet the name that will really be written
// (export/savetarget.h), confirm replacing an existing file, and write the
// picture as a Windows bitmap. A refused name or a "no" brings the dialog
// back; a failed write is explained and leaves the stored path empty, as
// after a cancel: nothing claims a picture that was not saved.
//
// It does not stop the animation (the main window owns the timers) and knows
// nothing of the drawing: it is handed the picture and the window's stored
// path. Its messages to the user go through SavePrompts, which tests replace
// so that no message box ever waits for a click.
//
// chooseTarget and writeWholeFile (ui/wholefile.h) are the steps any command
// that writes a file the user named can share. Every message box shows the
// paths in it literally, never as rich text.

#include "platform/pixelbuffer.h"
#include "ui/wholefile.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

struct SavePrompts {
    // The regular file `real` exists and would be replaced; `chosen` is the
    // name the user gave, a link to it when the two differ. True replaces it.
    std::function<bool(QWidget* owner, const QString& chosen, const QString& real)> confirmReplace;
    // Writing `path` failed; `reason` is ready to show.
    std::function<void(QWidget* owner, const QString& path, const QString& reason)> reportFailure;
    // `path` may not be written; `reason` is ready to show. The dialog comes
    // back afterwards.
    std::function<void(QWidget* owner, const QString& path, const QString& reason)> refuseName;
};

// The one replacement point of the prompts: installs `prompts` and returns
// the previous ones. The program starts with Indonesian message boxes. It is
// process-wide because the command is made afresh by the menu and the pointer
// handlers of the main window, which have nothing to pass them through.
SavePrompts setSavePrompts(SavePrompts prompts);
// The prompts in place, for the other commands that write pictures.
const SavePrompts& savePrompts();

// The file to write for the name `chosen`: vets it, shows the refusal or asks
// before replacing an existing file (naming the file that will really be
// replaced). Nothing when the user is to choose again.
std::optional<QString> chooseTarget(QWidget* owner, const QString& chosen);

// Writes `picture` to `path` as a Windows bitmap (export/bitmapfile.h)
// through writeWholeFile.
std::optional<QString> writeBitmapFile(const QString& path, const PixelBuffer& picture);

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
    // The chosen name with ".bmp" forced, vetted and confirmed; nothing when
    // the user is to choose again.
    std::optional<QString> forcedTarget();

    QWidget* m_owner;
    QString& m_path;
};
