#pragma once
// OSDialog puts the open-file and save-file dialogs behind two calls with
// plain arguments. Each call fills a fresh dialog record, turns the caller's
// filter ("description|pattern|...", a ":" works like a "|") into the
// NUL-separated form, hands the dialog buffers of 2048 bytes and passes back
// the chosen path: in the file-name argument and as the result, empty after a
// cancel or a failure. Every text is UTF-8, both ways, and the buffers count
// its bytes, as the file system does.
//
// The dialogs themselves are handed to the object when it is made (the
// window's Qt dialogs, ui/qtfiledialog.h, bound to their owner window; a fake
// in tests). Without them both calls fail, so no code path can block on a
// dialog nobody asked for.
//
// It shows no message and raises nothing for a cancelled or failed dialog. It
// does refuse, with FileNameTooLong and before any dialog appears, an initial
// file name or file title that would not fit its buffer. Nothing survives a
// call; an object may be used for one dialog and dropped.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

enum class FileDialogKind { Open, Save };

// What a dialog is shown and what it writes its answer into. The file and
// file-title buffers are NUL-padded to their size, which is their capacity;
// the dialog writes the chosen path (or a folder NUL name NUL ... NUL NUL for
// several files) and the 1-based filter index back.
struct FileDialogRecord {
    // Flag bits, with the values callers pass in ShowSave's `extraFlags`.
    static constexpr std::uint32_t ReadOnly = 0x1;
    static constexpr std::uint32_t OverwritePrompt = 0x2;
    static constexpr std::uint32_t HideReadOnly = 0x4;
    static constexpr std::uint32_t EnableHook = 0x20;
    static constexpr std::uint32_t EnableTemplate = 0x40;
    static constexpr std::uint32_t AllowMultiSelect = 0x200;
    static constexpr std::uint32_t FileMustExist = 0x1000;
    static constexpr std::uint32_t Explorer = 0x80000;

    std::string filter;            // description NUL pattern NUL ... NUL NUL
    std::uint32_t filterIndex = 0; // 1-based; 0 selects the first filter
    std::string file;
    std::string fileTitle;
    std::string initialDir;
    std::string title;
    std::string defaultExt;
    std::uint32_t flags = 0;
};

// Shows the dialog of `kind` for `record` and writes the answer into it:
// true for a chosen file, false for a cancel or a failure.
using FileDialogFunction = std::function<bool(FileDialogKind kind, FileDialogRecord& record)>;

// An initial file name or file title longer than the dialog's buffer.
class FileNameTooLong : public std::length_error {
public:
    FileNameTooLong(const char* argument, std::size_t bytes);
};

class OSDialog {
public:
    // Bytes in each of the file-name and file-title buffers, UTF-8.
    static constexpr std::size_t kBufferLength = 2048;

    explicit OSDialog(FileDialogFunction dialogs = {});

    // Arguments 9 and 14 are accepted and not read, and so is `owner`: they
    // keep the call the shape its callers know, and the owner window comes
    // with the dialogs handed to the constructor. The read-only box is ticked
    // at start with `readOnly` and hidden with `hideReadOnly`. With several
    // files chosen the path passed back is their folder.
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
    bool show(FileDialogKind kind, FileDialogRecord& record) const;

    FileDialogFunction m_dialogs;
};
