#pragma once
// Writing a whole file under the name the user chose, and telling why it
// failed. The new contents go to a temporary file in the same folder, reach
// the disk, and only then take the name's place, so a file of that name is
// either replaced whole or left untouched, never half-written; a stop signal
// during the write removes the temporary file (ui/stopsignals.h).
//
// The name is taken as it was checked (export/savetarget.h), never through a
// symbolic link that appears there afterwards: a link, or anything but a
// regular file, found at the name while writing is a refusal, and the final
// rename replaces the name itself, never the file a link leads to. A link
// the user accepted was resolved before the write, so the path given here is
// the regular file it leads to. (On systems without POSIX calls the
// toolkit's own whole-file writer is used, which resolves links itself.)

#include <QByteArray>
#include <QString>

#include <optional>

// Writes `bytes` to `path`. Nothing on success, otherwise the reason in
// Indonesian: the cause the system gave at the call that failed (its error
// number), or, where the toolkit's writer is used, the system's own text
// after an Indonesian sentence.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);
