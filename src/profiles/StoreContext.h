// What the store was configured with, shared by the files of the store. Callers hold
// ProfileStoreMutex().
#pragma once

#include <optional>
#include <string>

#include "kernel/IWirelessKernel.h"
#include "platform/Registry.h"

namespace profiles::detail {

struct StoreContext {
    kernel::IWirelessKernel* kernel = nullptr;
    platform::Registry* registry = nullptr;
    std::u16string appKey;
    std::u16string defaultName = u"Default";
    std::u16string anyNetworkName = u"Any (First available network)";
    std::u16string alternateDefaultName;
    std::optional<bool> fivePowerLevels; // read once per session, see FivePowerLevels()
};

StoreContext& Context();

// Full path of a subkey of the profile list key.
std::u16string ProfileKeyPath(std::u16string_view name);

} // namespace profiles::detail
