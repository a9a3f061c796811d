#pragma once
// The program's file dialogs. Where the platform has a dialog of its own (on
// Windows, or in a desktop session whose platform theme offers one) that one
// is shown, in the system's language; otherwise Qt's widget dialog, in the
// program's Indonesian (ui/translations.h). It is built from the dialog
// record (export/osdialog.h):
// - title, initial folder, and the initial name (the file buffer up to its
//   first NUL; a name with a folder opens that folder);
// - the filter pairs as name filters, nFilterIndex preselected (1-based, 0 or
//   out of range picks the first) and the chosen one reported back;
// - the default extension as the suffix added to a typed name without one;
// - existing files only with FileMustExist, several files with
//   AllowMultiSelect (these must exist, Qt offers no other multiple choice);
// - the owner window, handed in by the caller, as parent, modal to it.
// The dialog never asks before overwriting, whatever OverwritePrompt says: the caller asks, because only the
// caller knows the name it will really write (the save command forces an extension, and follows links). Qt's
// dialog has no read-only box: ReadOnly and HideReadOnly change nothing.
//
// An answer the record cannot take (longer than its buffer), or in a save
// dialog a name with control characters or too long for the file system, is
// refused with a notice (answerRefusal) and the dialog stays open; a
// refused answer from a platform's own dialog brings that dialog back. So a
// confirmed name never ends in a silent failure.

#include "export/osdialog.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

// Shows `text`, why an answer was refused, over `dialog`. The program shows
// a message box (showRefusalBox); tests pass their own so that nothing waits
// for a click.
using FileDialogNotice = std::function<void(QWidget* dialog, const QString& text)>;
void showRefusalBox(QWidget* dialog, const QString& text);
// A warning with an OK button over `owner`, its text shown literally.
void showPlainWarning(QWidget* owner, const QString& title, const QString& text);

// Why the dialog may not return `files` into a buffer of `capacity` bytes, in
// Indonesian; empty when it may.
QString answerRefusal(FileDialogKind kind, const QStringList& files, std::size_t capacity);

// Shows the dialog for `record` over `owner` (none: a window of its own) and
// writes the answer into it; false for a cancel or an answer the record
// cannot take.
bool showQtFileDialog(QWidget* owner, FileDialogKind kind, FileDialogRecord& record,
                      const FileDialogNotice& notice = showRefusalBox);

// The record's "desc NUL pattern NUL ... NUL NUL" as Qt name filters
// ("desc (pattern pattern)"); a description without a pattern is dropped.
QStringList qtNameFilters(const std::string& filter);

// What goes into the file buffer for the chosen files, before its closing
// NULs: the path of a single file, or the folder followed by each name, all
// separated by NULs.
std::string selectionText(const QStringList& files);
