#pragma once
// Start-up without a reachable display: instead of the toolkit's abort trace,
// one sentence that says what is missing and how to run under a virtual
// display.

// Call before the application object is made. Returns false (after printing
// the sentence) when no display is configured at all. Otherwise it watches
// the toolkit's start-up until displayReached() and turns a failure to open
// the display into the same sentence and exit status 1.
bool ensureDisplayReachable();
void displayReached();

// The sentence printed.
const char* noDisplayMessage();
