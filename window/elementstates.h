#pragma once
// The window session's snapshot (windowsession.h) as what each element of
// the windows shows, by the element's name in the window's description: the
// definition box its text, a label its caption, a check box ticked or
// greyed, the chosen member of each button array and the ticked speed, a
// bar its value (with where its thumb stands and its value in words), the
// section window's and the sizes window's elements while they are open
// (the sizes window's notice hidden while it has nothing to say).
// Both front ends show their elements with one loop over this list, so
// which element shows which part of the snapshot is decided here once.

#include "window/windowsession.h"

#include <optional>
#include <string>
#include <vector>

struct ElementState {
    std::string name;
    std::optional<int> value;             // a bar's position
    std::optional<std::string> textValue; // a text box's text
    std::optional<double> thumb;          // where a bar's thumb stands: 0 top, 1 bottom
    std::optional<std::string> valueText; // a bar's value in words, for a screen reader
    std::optional<std::string> text;      // a label's caption, the value beside a bar
    std::optional<bool> checked;
    std::optional<bool> indeterminate; // a check box greyed
    std::optional<bool> enabled;
    std::optional<bool> hidden; // a label with nothing to say
};

std::vector<ElementState> elementStates(const WindowSnapshot& snapshot);
