#pragma once
// The command line (window/commandline.h) carried out with the toolkit: its
// pictures are written by the toolkit's whole-file writer (ui/wholefile.h),
// in a process that makes no window and asks for no window system.

#include "window/commandline.h"

#include <QStringList>

// The work itself, given an application object: writes the picture, prints
// nothing.
CommandLineResult runCommandLine(const CommandLineRequest& request);
// readCommandLine(arguments), the program first, carried out.
CommandLineResult runCommandLine(const QStringList& arguments);

// Carries out a request other than the window's: makes the application
// object it needs, prints and returns the exit status.
int runCommandLine(const CommandLineRequest& request, int& argc, char** argv);
