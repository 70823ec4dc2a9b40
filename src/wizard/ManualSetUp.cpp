#include "wizard/ManualSetUp.h"

#include <algorithm>
#include <cstring>

#include "base/Text.h"
#include "wizard/WizardState.h"

namespace wizard {

kernel::BssEntry ManualSetUpNetwork(const std::vector<kernel::BssEntry>& scanList) {
    kernel::BssEntry network{};
    const std::u16string name = SelectedSsid();
    base::CopyToField(network.ssid, name);
    std::copy(std::begin(WizardProfile.block.BSSID), std::end(WizardProfile.block.BSSID), network.bssid);
    network.channel = WizardProfile.block.adHocChannel;
    network.networkType = WizardProfile.block.NetworkConnectType;
    for (const kernel::BssEntry& entry : scanList) {
        if (std::memcmp(entry.bssid, network.bssid, sizeof network.bssid) == 0 &&
            base::FieldText(entry.ssid) == name) {
            network.security = entry.security;
            network.networkType = entry.networkType;
            network.radioModes = entry.radioModes;
            network.capabilities = entry.capabilities;
            break;
        }
    }
    return network;
}

} // namespace wizard
