#pragma once
// The program keeps nothing between runs. The toolkit's file dialog stores
// its recent folders and its last view in the user's settings when it closes;
// while an object of this class lives, the user-scope settings go to a
// temporary folder of its own instead, which it removes at the end.
//
// Create it before the first dialog and keep it until the last one is gone.
// It does not stop anything else from writing settings: the program writes
// none of its own.

#include <QTemporaryDir>

class TransientSettings {
public:
    TransientSettings();

private:
    QTemporaryDir m_folder;
};
