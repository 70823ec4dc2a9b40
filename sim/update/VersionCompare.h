// Version numbers as the feed and setup.ini write them: parts separated by dots, compared as numbers
// part by part, so that 1.2.10 is newer than 1.2.9. A missing part counts as 0 (1.2 equals 1.2.0).
#pragma once

#include <string_view>

namespace orvl_update {

// Negative when a is older than b, 0 when equal, positive when newer. Each part's leading digits are
// its number (any length, no overflow); a part without digits counts as 0.
int CompareVersions(std::u16string_view a, std::u16string_view b);

// Whether the text holds at least one digit: a feed or setup.ini without one carries no version.
bool HasVersionNumber(std::u16string_view text);

} // namespace orvl_update
