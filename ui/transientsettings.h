#pragma once
// The program keeps nothing between runs. The toolkit's file dialog stores
// its recent folders and its last view in the user's settings when it closes;
// while an object of this class lives, the user-scope settings go to a
// temporary folder of its own instead, which it removes at the end.
//
// The folder goes however the program ends: at the object's end, at exit()
// (the toolkit's way out when the X connection is lost), and on SIGTERM,
// SIGINT or SIGHUP, after which the program still ends by that signal. A
// signal ignored from the start (`nohup`) stays ignored. Only SIGKILL, which
// nothing can catch, leaves the folder behind.
//
// Create it after the application object, before the first dialog, and keep
// it until the last one is gone; at most one may live at a time. It does not
// stop anything else from writing settings: the program writes none of its
// own.

#include <QTemporaryDir>

#include <memory>

class QSocketNotifier;

class TransientSettings {
public:
    TransientSettings();
    ~TransientSettings();
    TransientSettings(const TransientSettings&) = delete;
    TransientSettings& operator=(const TransientSettings&) = delete;

private:
    QTemporaryDir m_folder;
    // Tells the event loop that a terminating signal came (Unix only).
    std::unique_ptr<QSocketNotifier> m_signalNotifier;
};
