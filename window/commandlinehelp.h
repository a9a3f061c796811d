#pragma once
// "ruvex3d --help": the program's use, every option of the command line's
// table (commandlineoptions.h) with its description, the shapes, examples
// and the exit statuses.

#include <string>
#include <string_view>

// The whole help, `program` being the name the program was started as.
std::string commandLineHelp(std::string_view program);
