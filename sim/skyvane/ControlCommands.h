// The control language of the pipe: one command line in, one answer out. Commands and answers are
// listed in sim/skyctl/README.md.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skyvane {

class SimKernel;

std::u16string RunControlCommand(SimKernel& kernel, std::u16string_view commandLine);

// Splits a command line into words; "double quotes" group a word with blanks.
std::vector<std::u16string> SplitWords(std::u16string_view line);

} // namespace skyvane
