#pragma once
// The rules for the names of saved pictures: the folder a path lies in, and
// the forced extension. Paths are UTF-8.
//
// Pure text work: nothing here looks at the disk. The folder separator is the
// platform's: "/" here, and on Windows both "\" and "/". Separators and dots
// are single bytes that no other character's UTF-8 form contains, so working
// on bytes finds exactly the characters meant.

#include <cstddef>
#include <string>

bool isFolderSeparator(char c);

// Where the file name in `path` starts: after the last separator, or after a
// Windows drive prefix ("C:") when there is no separator.
std::size_t fileNameStart(const std::string& path);

// Lower-cases the ASCII letters of `text` in place; other bytes stay.
void lowerAsciiLetters(std::string& text);

// The leading part of `path` up to and including its last separator; empty
// when it holds none.
std::string folderOf(const std::string& path);

// Gives `path` the extension `extension` (its ASCII letters lower-cased in
// place first): the file name is cut at its first "." and the extension
// appended. Only the file-name part is searched for the dot, so the file stays
// in the folder the path names. An empty path is left alone, and so is the
// extension.
void ForceExtension(std::string& path, std::string& extension);
