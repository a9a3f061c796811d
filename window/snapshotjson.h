#pragma once
// The window session's snapshot and requests (windowsession.h) as JSON, each
// member under its field's name: what a front end that is not C++ reads (the
// page), written once here, so every reader sees the same names.

#include "window/windowsession.h"

#include <string>
#include <string_view>
#include <vector>

std::string snapshotJson(const WindowSnapshot& snapshot);
// [{"kind":"saveDialog","text":""},...], oldest first.
std::string requestsJson(const std::vector<Request>& requests);
// A request's kind as requestsJson names it: "saveDialog", "copyText"...
std::string_view requestKindName(RequestKind kind);
