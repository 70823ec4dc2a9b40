// The Networks tab's list as lines of the system-information report: every column padded with blanks
// to a fixed width so the columns line up in a plain text file.
#pragma once

#include <array>
#include <string>

#include "networks/NetworkRules.h"

namespace about {

inline constexpr std::array<size_t, networks::kColumnCount> kSurveyColumnWidths = {32, 5,  5,  5,
                                                                                   25, 10, 30, 40};

// One line, ended by "\r\n". A text longer than its column is kept whole and pushes the rest along.
std::u16string SurveyLine(const std::array<std::u16string, networks::kColumnCount>& cells);

} // namespace about
