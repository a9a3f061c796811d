#pragma once
// Where a picture may be written, decided before anything is written. Every
// command that writes a file the user named asks here first:
// - names: no control characters (C0, DEL, C1, the line and paragraph
//   separators and the text-direction controls, which would show the name as
//   another: export/escapedtext.h), no longer than the caller's limit and the
//   file system's (one name and the whole path, counted in UTF-8 bytes);
// - what the name already is on disk: only a regular file may be replaced. A
//   link counts as the file it leads to, so the question before replacing
//   names that file; a link that leads nowhere is refused, since writing
//   through it would create a file somewhere the user never chose, and so is
//   a link that leads back to itself. Folders, FIFOs, sockets and devices are
//   refused, directly or through links.
// Refusals are ready to show, in Indonesian, and so are the causes of a
// failed write (failureCause, obstacleCause); the names in them are escaped.
//
// Plain C++ on std::filesystem; the one system limit asked for (the longest
// name a folder allows) comes from pathconf where there is one.

#include <cstddef>
#include <string>

// The decision about one chosen path.
struct SaveTarget {
    // The regular file that will be written: the chosen path itself, or the
    // file a link at that path leads to.
    std::string path;
    // A regular file exists there and would be replaced.
    bool replaces = false;
    // Empty when the file may be written; otherwise why not, in Indonesian.
    std::string refusal;

    bool refused() const { return !refusal.empty(); }
};

// No limit of the caller's own: only the file system's apply.
inline constexpr std::size_t kNoPathLimit = static_cast<std::size_t>(-1);

// The checks on the text of `path` alone (nothing on disk is looked at but
// the folder's name limit): control characters, the caller's `limit` in
// bytes (the path must fit a buffer of limit + 1 with its NUL), the file
// system's limit for one name and for a whole path. Empty when the name is
// acceptable, otherwise the Indonesian refusal.
std::string refuseName(const std::string& path, std::size_t limit = kNoPathLimit);

// refuseName, then what `path` already is on disk.
SaveTarget vetSaveTarget(const std::string& path, std::size_t limit = kNoPathLimit);

// The longest file name, in bytes, that `folder` accepts (255 where the
// system cannot tell).
std::size_t fileNameLimit(const std::string& folder);

// The cause of a failed write, for the system error number `error`, as an
// Indonesian sentence; `folder` is the folder written to. Empty for a cause
// without a translation.
std::string failureCause(int error, const std::string& folder);

// What the writer finds in its way that no error number tells apart.
enum class WriteObstacle {
    NameBecameLink,       // a symbolic link took the checked name's place
    NameBecameOther,      // something not a regular file took its place
    FolderTakesNoFiles,   // the folder exists, but its file system makes no files (/proc)
    FolderRemoved,        // the folder was deleted
    WorkingFolderRemoved, // the path is relative and the working folder was deleted
};

// The cause for `obstacle` met writing `path` in `folder`, in Indonesian.
std::string obstacleCause(WriteObstacle obstacle, const std::string& path, const std::string& folder);
