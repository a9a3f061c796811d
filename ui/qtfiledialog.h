#pragma once
// The program's file dialogs: Qt's own widget dialog, never the desktop's
// native one, so that it looks and behaves the same on every desktop and can
// be driven in tests. It is built from the dialog record:
// - title, initial folder, and the initial name (the file buffer up to its
//   first NUL; a name with a folder opens that folder);
// - the filter pairs as name filters, nFilterIndex preselected (1-based, 0 or
//   out of range picks the first) and the chosen one reported back;
// - the default extension as the suffix added to a typed name without one;
// - overwrite confirmation exactly when OFN_OVERWRITEPROMPT is set, existing
//   files only with OFN_FILEMUSTEXIST, several files with OFN_ALLOWMULTISELECT
//   (these must exist, Qt offers no other multiple choice);
// - the owner window as parent, modal to it.
// Qt's dialog has no read-only box: OFN_READONLY and OFN_HIDEREADONLY change
// nothing. An answer longer than the record's buffer fails, as a dialog of
// the system does, rather than being cut short.

#include "platform/commondialog.h"

#include <QStringList>

#include <string>

// Makes the Qt dialogs the ones GetOpenFileNameA / GetSaveFileNameA show.
void installQtFileDialogs();

int showQtFileDialog(ruvex::win::FileDialogKind kind, ruvex::win::OPENFILENAME& record);

// The record's "desc NUL pattern NUL ... NUL NUL" as Qt name filters
// ("desc (pattern pattern)"); a description without a pattern is dropped.
QStringList qtNameFilters(const std::string& filter);

// What goes into the file buffer for the chosen files, before its closing
// NULs: the path of a single file, or the folder followed by each name, all
// separated by NULs.
std::string selectionText(const QStringList& files);
