#include "platform/commondialog.h"

#include <utility>

namespace ruvex::win {

namespace {

// The dialogs setFileDialogFunction installed; see there why this is global.
FileDialogFunction& installedDialogs()
{
    static FileDialogFunction function;
    return function;
}

int runDialog(FileDialogKind kind, OPENFILENAME* record)
{
    // A copy, so that a dialog which installs other dialogs cannot pull the
    // running one from under itself.
    const FileDialogFunction function = installedDialogs();
    if (!record || !function)
        return 0;
    return function(kind, *record) == 1 ? 1 : 0;
}

} // namespace

FileDialogFunction setFileDialogFunction(FileDialogFunction function)
{
    return std::exchange(installedDialogs(), std::move(function));
}

int GetOpenFileNameA(OPENFILENAME* record)
{
    return runDialog(FileDialogKind::Open, record);
}

int GetSaveFileNameA(OPENFILENAME* record)
{
    return runDialog(FileDialogKind::Save, record);
}

} // namespace ruvex::win
