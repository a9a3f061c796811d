#pragma once
// A stand-in for the save command's message boxes (ui/savecommand.h): it
// records every question, failure and refusal, answers "replace?" with
// `replace`, and never waits for a click. `whileAsking` runs while the
// "replace?" question would be open, for tests that change the disk behind
// the user's back. saveDialogs() joins it with a fake dialog, and records the owner
// window each dialog was shown over.

#include "tests/fakefiledialog.h"
#include "ui/savecommand.h"

#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class FakePrompts {
public:
    FakePrompts() = default;
    FakePrompts(const FakePrompts&) = delete;
    FakePrompts& operator=(const FakePrompts&) = delete;

    SavePrompts prompts()
    {
        return {[this](QWidget*, const QString&, const QString& real) {
                    asked << real;
                    if (whileAsking)
                        whileAsking();
                    return replace;
                },
                [this](QWidget*, const QString& path, const QString& reason) {
                    failures.push_back({path, reason});
                },
                [this](QWidget*, const QString& path, const QString& reason) {
                    refusals.push_back({path, reason});
                }};
    }

    SaveDialogs saveDialogs(FakeFileDialog& dialog)
    {
        return {[this, &dialog](QWidget* owner, FileDialogKind kind, FileDialogRecord& record) {
                    owners.push_back(owner);
                    return dialog.answer(kind, record);
                },
                prompts()};
    }

    bool replace = false;
    std::function<void()> whileAsking;
    QStringList asked;
    std::vector<std::pair<QString, QString>> failures;
    std::vector<std::pair<QString, QString>> refusals;
    std::vector<QWidget*> owners;
};
