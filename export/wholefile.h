#pragma once
// Writing a whole file under the name the user chose, and telling why it
// failed. The new contents go to a temporary file in the same folder, reach
// the disk, and only then take the name's place, so a file of that name is
// either replaced whole or left untouched, never half-written; a stop signal
// during the write removes the temporary file (stopsignals.h).
//
// The name is taken as it was checked (savetarget.h), never through a
// symbolic link that appears there afterwards: a link, or anything but a
// regular file, found at the name while writing is a refusal, and the final
// rename replaces the name itself, never the file a link leads to. A link
// the user accepted was resolved before the write, so the path given here is
// the regular file it leads to. Where there are no POSIX calls the front end
// writes with its toolkit, and tells failures with the texts below.

#include "export/stopsignals.h"

#include <optional>
#include <string>
#include <string_view>

// The reasons a write fails that no system error number names: a file
// protected from writing, and a failure the system only describes in its
// own words.
std::string readOnlyReason(const std::string& path);
std::string unknownWriteFailure(const std::string& systemText);

#if RUVEX_STOP_SIGNALS
// Writes `bytes` to `path` (in the system's encoding). Nothing on success,
// otherwise the reason in Indonesian: the cause the system gave at the call
// that failed (its error number).
std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes);
#endif
