// The two command-line switches: "-setProfile <name>" hands a profile to the running copy, "-C" closes it.
#pragma once

#include <string>
#include <string_view>

struct CommandLineRequest {
    std::u16string arguments; // the text after the program name, trimmed
    std::u16string firstWord;
    std::u16string rest;     // everything after the first blank, trimmed
    bool setProfile = false; // first word is "-setProfile", in any case
    bool close = false;      // "-C" anywhere in the arguments, in any case, outside a profile name
};

// `arguments` is the text after the program name.
CommandLineRequest ParseCommandLine(std::u16string_view arguments);

// The text after the program name of a full command line, as the framework hands it over: a quoted
// program name ends at its closing quote, an unquoted one at the first blank.
std::u16string ArgumentsOf(std::u16string_view fullCommandLine);
