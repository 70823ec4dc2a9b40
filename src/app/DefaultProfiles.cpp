#include "app/DefaultProfiles.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/AppTexts.h"
#include "profiles/ProfileStore.h"

void OpenProfileStore() {
    profiles::ProfileStoreConfig config;
    config.kernel = g_pnKernel;
    config.registry = AppRegistry();
    config.appKey = AppKey;
    config.defaultName = DefaultProfileNameText();
    config.anyNetworkName = AnyNetworkText();
    profiles::ConfigureProfileStore(config);
}

int RemoveDefaultProfiles(const std::vector<std::u16string>& names) {
    // Languages without a file give an empty name, and several languages share one; each stored
    // profile is asked for once.
    std::vector<std::u16string> distinct;
    for (const auto& name : names) {
        if (!name.empty() && std::find(distinct.begin(), distinct.end(), name) == distinct.end()) {
            distinct.push_back(name);
        }
    }
    int removed = 0;
    for (const auto& name : distinct) {
        if (profiles::DeleteProfile(name)) {
            ++removed;
        }
    }
    return removed;
}
