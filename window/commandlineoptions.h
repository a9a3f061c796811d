#pragma once
// The command line's options, listed once: each option's name, the name of
// its value, what the value must be and its lines in the help. The parser
// (commandlineparser.h) takes its options from this table, "--help" lists
// them from it (commandlinehelp.h), and the manual page's test holds the page
// against that list. A new option is one row here: the parser reads it in
// every form, and the request (commandline.cpp) reads a view setting's
// value through viewsettings.h; anything else it does is commandline.cpp's.
// The view's settings among them (viewsettings.h) are the page's address's
// settings too.

#include <string>
#include <string_view>
#include <vector>

struct CommandLineOption {
    std::string_view name;      // as typed after "--": "shape"
    std::string_view shortName; // as typed after "-": "h"; empty for the others
    std::string_view valueName; // the help's name for the value: "N", "X,Y"; empty for a switch
    // A setting of the view, which the window opens on and the address gives.
    bool viewSetting = false;
    // Prints and ends (help, version): asking for it twice changes nothing.
    bool printsOnly = false;
    std::string range; // what the value must be, as the messages say; empty for a switch
    std::string help;  // the help's description, its lines joined by '\n'
};

// In the order the help lists them; the view's settings in the order they
// are read.
const std::vector<CommandLineOption>& commandLineOptions();

// The option of that name (without dashes), or none.
const CommandLineOption* commandLineOption(std::string_view name);
