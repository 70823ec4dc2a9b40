// What the system-information report asks of parts of the program that do not offer it yet. Each
// query is named for what it answers, so its callers stay as they are when the real answer arrives.
#pragma once

#include <array>
#include <string>

#include "networks/NetworkRules.h"

namespace about {

// Whether the adapter's hardware push button was pressed (the wizard's mark of it).
bool HardwarePushButtonPressed();

// The Networks tab's column titles and row texts in the current language. The tab reads the same keys
// for its own list; both should read them from one place of the networks part once it offers one.
struct NetworksTabTexts {
    std::array<std::u16string, networks::kColumnCount> titles;
    networks::RowTexts rows;
};
NetworksTabTexts ReadNetworksTabTexts();

} // namespace about
