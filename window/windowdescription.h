#pragma once
// The whole main window described for the page, as JSON text, from the same
// tables the desktop window is built from: the client size, every control
// (kind, container, place in pixels within its container, caption, colours as
// "#rrggbb", font, tab index, state, scroll range), the rules, the menu bar
// as a tree, the five information windows, the section window and the help
// window with its text. Places are the tables' twips over 15, as the desktop
// lays them out.
//
// For a control whose use runs a handler it gives the handler's name, made
// as every handler's is from the control and the event (Option1_Click,
// VScroll2_Change), and for a member of a control array the array and the
// index the handler is given; the page calls the handler by that name. What
// a handler does is not here.

#include <string>

std::string windowDescriptionJson();
