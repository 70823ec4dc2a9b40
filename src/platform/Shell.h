// Opening a document or address with the program the user chose for it.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecute with the verb, shown normally; `parameters` is the command line a program target is
    // started with (empty: none). Returns the platform's result: above 32 is success.
    virtual intptr_t Open(std::u16string_view verb, std::u16string_view target,
                          std::u16string_view parameters = {}) = 0;
    // Runs a command line as the old WinExec does; same result rule.
    virtual intptr_t Run(std::u16string_view commandLine) = 0;
};

} // namespace platform
