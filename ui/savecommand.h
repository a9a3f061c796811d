#pragma once
// The one command behind "Save Gambar" and "Ekspor Gambar…": ask for a path
// in the save-file dialog (starting from the last file's name and folder),
// apply the kind's rule to the name (force ".bmp", or take the type from the
// filter or the typed extension), vet the name that will really be written
// (export/savetarget.h), confirm replacing an existing file, write the file
// whole (ui/wholefile.h) and report a failure. A refused name or a "no"
// brings the dialog back; a failed write is explained and leaves the stored
// path empty, as after a cancel: nothing claims a picture that was not saved.
//
// It does not stop the animation (the main window owns the timers) and knows
// nothing of the drawing: a kind (export/picturefilekind.h) gives it the
// dialog's texts, the naming rule and the file's bytes. The dialogs and the
// message boxes come with the SaveDialogs it is handed: the window's own
// (qtSaveDialogs), or a test's fakes, so that nothing ever waits for a
// click. Every message box shows the paths in it literally, never as rich
// text, and with their controls escaped.

#include "export/osdialog.h"
#include "export/picturefilekind.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

class QWidget;

// Shows the dialog of `kind` over `owner` (see FileDialogFunction).
using FileDialogs = std::function<bool(QWidget* owner, FileDialogKind kind, FileDialogRecord& record)>;

struct SavePrompts {
    using Notice = std::function<void(QWidget* owner, const QString& path, const QString& reason)>;
    // The regular file `real` exists and would be replaced; `chosen` is the
    // name the user gave, a link to it when the two differ. True replaces it.
    std::function<bool(QWidget* owner, const QString& chosen, const QString& real)> confirmReplace;
    // Writing `path` failed; `reason` is ready to show.
    Notice reportFailure;
    // `path` may not be written; `reason` is ready to show. The dialog comes
    // back afterwards.
    Notice refuseName;
};

// The file dialogs and the message boxes that the commands writing a file the
// user names talk to the user with.
struct SaveDialogs {
    FileDialogs fileDialogs;
    SavePrompts prompts;
};

// The Qt file dialogs and Indonesian message boxes.
SaveDialogs qtSaveDialogs();

// The file to write for the name `chosen`: vets it, shows the refusal or asks
// before replacing an existing file (naming the file that will really be
// replaced). Nothing when the user is to choose again.
std::optional<QString> chooseTarget(QWidget* owner, const SavePrompts& prompts, const QString& chosen);

// The window's memory of a command's last file: the dialog starts from it,
// and it is updated after every answer; a failed write empties the path.
struct PictureFileMemory {
    QString path;
    std::size_t type = 0; // the dialog's filter is type + 1
};

class SaveCommand {
public:
    enum class Outcome { Saved, Cancelled, Failed };

    SaveCommand(QWidget* owner, const SaveDialogs& dialogs, PictureFileKind kind, PictureFileMemory& memory);

    Outcome run();

private:
    std::optional<PictureName> choose();
    std::optional<QString> confirmedPath(const PictureName& target);
    Outcome write(const PictureName& target, const QString& path);

    QWidget* m_owner;
    const SaveDialogs& m_dialogs;
    PictureFileKind m_kind;
    PictureFileMemory& m_memory;
};
