// The network a profile named "any network" joins: the strongest open access point of the last survey.
#pragma once

#include <optional>
#include <vector>

#include "kernel/BssEntry.h"

namespace mainwnd {

// The open infrastructure networks, strongest first. Among equally strong ones the exchange sort leaves
// the first in survey order in front.
std::vector<kernel::BssEntry> OpenNetworksBySignal(const std::vector<kernel::BssEntry>& networks);

// The first of those; none when no open access point is in range.
std::optional<kernel::BssEntry> ChooseAnyNetwork(const std::vector<kernel::BssEntry>& networks);

} // namespace mainwnd
