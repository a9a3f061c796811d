#pragma once
// OSDialog puts the open-file and save-file dialogs behind two calls with
// plain arguments. Each call builds a fresh record, turns the caller's filter
// ("description|pattern|...", a ":" works like a "|") into the NUL-separated
// form, hands the dialog buffers of 2048 bytes and passes back the chosen
// path: in the file-name argument and as the result, empty after a cancel or
// a failure. Every text is UTF-8, both ways, and the buffers count its bytes,
// as the file system does.
//
// It shows no message and raises nothing for a cancelled or failed dialog. It
// does refuse, with FileNameTooLong and before any dialog appears, an initial
// file name or file title that would not fit its buffer. Nothing survives a
// call; an object may be used for one dialog and dropped.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// An initial file name or file title longer than the dialog's buffer.
class FileNameTooLong : public std::length_error {
public:
    FileNameTooLong(const char* argument, std::size_t bytes);
};

class OSDialog {
public:
    // Bytes in each of the file-name and file-title buffers, UTF-8.
    static constexpr std::size_t kBufferLength = 2048;

    // Arguments 9 and 14 are accepted and not read: they keep the call the
    // shape its callers know. The read-only box is ticked at start with
    // `readOnly` and hidden with `hideReadOnly`. With several files chosen
    // the path passed back is their folder.
    std::string ShowOpen(std::string& fileName, const std::string& dialogTitle, const std::string& filter,
                         const std::string& initialDir, const std::string& defaultExt, std::int32_t owner,
                         std::int32_t& filterIndex, bool allowMultiSelect, std::int32_t unused9,
                         const std::string& fileTitle, bool fileMustExist, bool readOnly, bool hideReadOnly,
                         std::int32_t unused14);

    // `extraFlags` are merged into the dialog's flags, except the hook and
    // template bits, which this program has nothing to give.
    std::string ShowSave(std::string& fileName, const std::string& dialogTitle, const std::string& filter,
                         const std::string& initialDir, const std::string& defaultExt, std::int32_t owner,
                         std::int32_t& filterIndex, const std::string& fileTitle, bool overwritePrompt,
                         std::int32_t extraFlags);

private:
    static std::string CutAtNull(const std::string& text);
};
