#pragma once
// A stand-in for the save command's message boxes (ui/savecommand.h),
// installed for the lifetime of the object: it records every question,
// failure and refusal, answers "replace?" with `replace`, and never waits for
// a click. `whileAsking` runs while the "replace?" question would be open,
// for tests that change the disk behind the user's back.

#include "ui/savecommand.h"

#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class FakePrompts {
public:
    FakePrompts()
        : m_previous(setSavePrompts({[this](QWidget*, const QString&, const QString& real) {
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
                                     }}))
    {
    }
    ~FakePrompts() { setSavePrompts(std::move(m_previous)); }
    FakePrompts(const FakePrompts&) = delete;
    FakePrompts& operator=(const FakePrompts&) = delete;

    bool replace = false;
    std::function<void()> whileAsking;
    QStringList asked;
    std::vector<std::pair<QString, QString>> failures;
    std::vector<std::pair<QString, QString>> refusals;

private:
    SavePrompts m_previous;
};
