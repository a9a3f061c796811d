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
// entry point (setFileDialogFunction): the program installs the toolkit's
// dialogs (ui/qtfiledialog.h), tests install a fake that inspects the record
// and answers. With nothing installed both calls fail, so no code path can
// block on a dialog nobody asked for.
//
// Names and the system headers: everything here lives in ruvex::win, apart
// from the system's own declarations of the same names. The system's dialog
// header also makes OPENFILENAME and the OFN_ flags macros, which no namespace
// stops, so they are saved, undefined for our declarations and restored at
// the end. We restore rather than refuse (#error) when <windows.h> came first:
// a Windows build may well need the system's declarations and ours in one
// translation unit, and it must keep the system's meaning of those macros.
// Code that uses our flags after including the system header must name them
// through ruvex::win in a file that does not see the macros.

#include "platform/handles.h"

#include <cstdint>
#include <functional>
#include <string>

#pragma push_macro("OPENFILENAME")
#pragma push_macro("OFN_READONLY")
#pragma push_macro("OFN_OVERWRITEPROMPT")
#pragma push_macro("OFN_HIDEREADONLY")
#pragma push_macro("OFN_ENABLEHOOK")
#pragma push_macro("OFN_ENABLETEMPLATE")
#pragma push_macro("OFN_ALLOWMULTISELECT")
#pragma push_macro("OFN_FILEMUSTEXIST")
#pragma push_macro("OFN_EXPLORER")
#undef OPENFILENAME
#undef OFN_READONLY
#undef OFN_OVERWRITEPROMPT
#undef OFN_HIDEREADONLY
#undef OFN_ENABLEHOOK
#undef OFN_ENABLETEMPLATE
#undef OFN_ALLOWMULTISELECT
#undef OFN_FILEMUSTEXIST
#undef OFN_EXPLORER

namespace ruvex::win {

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

// The one replacement point of the dialogs: puts `function` in place of the
// current dialogs and returns the previous ones, so a caller can restore them.
// An empty function means no dialogs. It is process-wide because the two
// calls below keep the shape of the system's calls, which take the record
// alone: there is no argument to pass the dialogs in.
FileDialogFunction setFileDialogFunction(FileDialogFunction function);

int GetOpenFileNameA(OPENFILENAME* record);
int GetSaveFileNameA(OPENFILENAME* record);

} // namespace ruvex::win

#pragma pop_macro("OFN_EXPLORER")
#pragma pop_macro("OFN_FILEMUSTEXIST")
#pragma pop_macro("OFN_ALLOWMULTISELECT")
#pragma pop_macro("OFN_ENABLETEMPLATE")
#pragma pop_macro("OFN_ENABLEHOOK")
#pragma pop_macro("OFN_HIDEREADONLY")
#pragma pop_macro("OFN_OVERWRITEPROMPT")
#pragma pop_macro("OFN_READONLY")
#pragma pop_macro("OPENFILENAME")
