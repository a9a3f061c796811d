#pragma once
// The window session's snapshot and requests (windowsession.h) as JSON, each
// member under its field's name: what a front end that is not C++ reads (the
// page), written once here, so every reader sees the same names.

#include "window/windowsession.h"

#include <string>
#include <string_view>
#include <vector>

std::string snapshotJson(const WindowSnapshot& snapshot);
// The same snapshot as what each element of the window shows
// (elementstates.h), by the element's name in the window's description: {"Text1":{"value":"..."},
// "Option1(3)":{"checked":true},"VScroll2":{"value":250,"thumb":0.4,"enabled":false},
// "mnuAxes":{"checked":true},"hsbJarak":{"value":30},"lblCatatan":{"text":"","hidden":true},...}. A front end
// that builds its elements from that description shows them all with one loop; the section window's elements
// are there only while it is open.
std::string elementStatesJson(const WindowSnapshot& snapshot);
// What a front end shows after a change of the controls, in one text: the
// elements' states as above and the timer to run,
// {"timerRunning":true,"tickInterval":55,"states":{...}}.
std::string shownJson(const WindowSnapshot& snapshot);
// [{"kind":"saveDialog","text":""},...], oldest first.
std::string requestsJson(const std::vector<Request>& requests);
// A request's kind as requestsJson names it: "saveDialog", "copyText"...
std::string_view requestKindName(RequestKind kind);
