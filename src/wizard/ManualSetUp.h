// The network a WPS run hands to the Settings tab for a set-up by hand: the one the run was about
// (its name, BSSID and the value after it in the working profile), with the security the last survey
// saw for it.
#pragma once

#include <vector>

#include "kernel/BssEntry.h"

namespace wizard {

// `scanList`: the survey's entries. The list may have been sorted again since the run chose its
// network, so the entry is found by BSSID and name, not by position; without one the security stays 0.
kernel::BssEntry ManualSetUpNetwork(const std::vector<kernel::BssEntry>& scanList);

} // namespace wizard
