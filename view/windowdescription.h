#pragma once
// The whole main window described for the page, as JSON text, from the same
// tables the desktop window is built from: the client size, every control
// (kind, container, place in pixels within its container, caption, colours as
// "#rrggbb", font, tab index, state, scroll range), the rules, the menu bar
// as a tree, the five information windows and the help window with its text.
// Places are the tables' twips over 15, as the desktop lays them out.
//
// It describes; it does not know what any control does when used.

#include <string>

std::string windowDescriptionJson();
