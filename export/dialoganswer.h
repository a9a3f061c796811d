#pragma once
// The answer a file dialog writes back into its record (osdialog.h), and
// whether it may: the rules every dialog front end follows, whatever its
// toolkit. An answer that does not fit the record's buffer is refused, and
// in a save dialog so is a name savetarget.h refuses, so that a confirmed
// name never ends in a silent failure.

#include "export/osdialog.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct DialogAnswer {
    // What the record's file buffer takes before its closing NULs: the path
    // of a single file, or the folder followed by each name, all separated
    // by NULs.
    std::string selection;
    std::size_t fileCount = 1;
    std::string fileName; // the single file's name, for the file-title buffer
};

// Why `answer` may not go into a file buffer of `capacity` bytes, in
// Indonesian; empty when it may.
std::string dialogAnswerRefusal(FileDialogKind kind, const DialogAnswer& answer, std::size_t capacity);

// Writes `answer` and `filterIndex` (1-based; 0 leaves the record's) into
// `record`; false when the answer does not fit its buffer.
bool writeDialogAnswer(FileDialogRecord& record, const DialogAnswer& answer, std::uint32_t filterIndex);
