#pragma once
// The command line's words read against the option table
// (commandlineoptions.h), so that a new row there is all a new option needs:
//
// - "--name value" and "--name=value" for an option that takes a value (the
//   word after it is its value, whatever it looks like), "--name" for a
//   switch; a short name is read after one or two dashes ("-h", "--h");
// - after one dash, a word of letters is that many short options ("-hq" is
//   -h and -q); a short option that takes a value takes the rest of the word
//   ("-sVALUE", "-s=VALUE") or else the next word;
// - "--" ends the options: every word after it is a plain argument, and so
//   is "-" alone.
//
// Words it cannot read are refused in one Indonesian sentence: an unknown
// option first (named as typed), then a value missing at the end, then a
// value given to a switch.

#include "window/commandlineoptions.h"
#include "window/commandlinewords.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ParsedArguments {
    struct Given {
        const CommandLineOption* option;
        std::string value; // empty for a switch
    };
    std::vector<Given> given; // the options, in the order given
    ArgumentList plain;       // the words that are no option
    // Why the words cannot be read; nothing when they can.
    std::optional<std::string> refusal = std::nullopt;

    bool isSet(std::string_view name) const;
    // The value given with the option `name`, the last one when it came
    // more than once.
    std::string value(std::string_view name) const;
};

// `arguments` with the program first; `program` is the name the refusals
// send the user to for "--help".
ParsedArguments parseArguments(const ArgumentList& arguments, std::string_view program);

// The long names, without dashes, of the options that take a value.
std::vector<std::string> valueOptionNames();
