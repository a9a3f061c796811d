#pragma once
// The open-file and save-file dialogs as the program calls them: one record,
// the flags it uses, and two calls that return 1 for a chosen file and 0 for a
// cancel or a failure.
//
// Texts in the record are byte strings in the program's dialog code page,
// UTF-8, so that every name a folder can hold survives the round trip. The
// filter is description NUL pattern NUL ... NUL NUL; the file buffers are
// nMaxFile / nMaxFileTitle bytes, NUL-padded, and the answer is written back
// into them.
//
// This header knows no window toolkit. The calls go through one replaceable
// entry point: the program installs the Qt dialogs (qtfiledialog.h), tests
// install a fake that inspects the record and answers. With nothing
// installed both calls fail, so no code path can block on a dialog nobody
// asked for.

#include "platform/windowhandle.h"

#include <cstdint>
#include <functional>
#include <string>

inline constexpr std::uint32_t OFN_READONLY = 0x1;
inline constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x2;
inline constexpr std::uint32_t OFN_HIDEREADONLY = 0x4;
inline constexpr std::uint32_t OFN_ENABLEHOOK = 0x20;
inline constexpr std::uint32_t OFN_ENABLETEMPLATE = 0x40;
inline constexpr std::uint32_t OFN_ALLOWMULTISELECT = 0x200;
inline constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x1000;
inline constexpr std::uint32_t OFN_EXPLORER = 0x80000;

// The record size of the classic layout, without the members later systems
// appended; kept because callers set and check it.
inline constexpr std::uint32_t kOpenFileNameSize = 76;

// No hook, dialog template or custom filter exists in this program, so the
// record has no members for them.
struct OPENFILENAME {
    std::uint32_t lStructSize = 0;
    HWND hwndOwner = 0;
    std::string lpstrFilter;
    std::uint32_t nFilterIndex = 0; // 1-based; 0 selects the first filter
    std::string lpstrFile;
    std::uint32_t nMaxFile = 0;
    std::string lpstrFileTitle;
    std::uint32_t nMaxFileTitle = 0;
    std::string lpstrInitialDir;
    std::string lpstrTitle;
    std::string lpstrDefExt;
    std::uint32_t Flags = 0;
};

enum class FileDialogKind { Open, Save };

// Shows the dialog of `kind` for `record`, writes the answer into it and
// returns 1, or returns 0 for a cancel or a failure.
using FileDialogFunction = std::function<int(FileDialogKind kind, OPENFILENAME& record)>;

// Puts `function` in place of the current dialogs and returns the previous
// ones, so a caller can restore them. An empty function means no dialogs.
FileDialogFunction setFileDialogFunction(FileDialogFunction function);

int GetOpenFileNameA(OPENFILENAME* record);
int GetSaveFileNameA(OPENFILENAME* record);
