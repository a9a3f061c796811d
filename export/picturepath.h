#pragma once
// The rules for the names of saved pictures: the folder a path lies in, and
// the forced extension.
//
// Pure text work: nothing here looks at the disk. The folder separator is the
// platform's: "/" here, and on Windows both "\" and "/".

#include <QString>

bool isFolderSeparator(QChar c);

// The leading part of `path` up to and including its last separator; empty
// when it holds none.
QString folderOf(const QString& path);

// Gives `path` the extension `extension` (lower-cased in place first): the
// file name is cut at its first "." and the extension appended. Only the
// file-name part is searched for the dot, so the file stays in the folder
// the path names. An empty path is left alone, and so is the extension.
void ForceExtension(QString& path, QString& extension);
