#include "mainwnd/AnyNetworkChoice.h"

#include <utility>

#include "kernel/ConnectionBlock.h"

namespace mainwnd {

std::vector<kernel::BssEntry> OpenNetworksBySignal(const std::vector<kernel::BssEntry>& networks) {
    std::vector<kernel::BssEntry> open;
    for (const kernel::BssEntry& entry : networks) {
        if (entry.networkType == kernel::kNetworkInfrastructure && (entry.security & kernel::kBssOpen) != 0) {
            open.push_back(entry);
        }
    }
    for (size_t i = 0; i < open.size(); ++i) {
        for (size_t j = i + 1; j < open.size(); ++j) {
            if (open[j].signal > open[i].signal) {
                std::swap(open[i], open[j]);
            }
        }
    }
    return open;
}

std::optional<kernel::BssEntry> ChooseAnyNetwork(const std::vector<kernel::BssEntry>& networks) {
    std::vector<kernel::BssEntry> open = OpenNetworksBySignal(networks);
    if (open.empty()) {
        return std::nullopt;
    }
    return open.front();
}

} // namespace mainwnd
