#include "profiles/ProfileStore.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "base/CaseFold.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "profiles/ProfileCodec.h"
#include "profiles/ProfileKeyRead.h"
#include "profiles/StoreContext.h"

namespace profiles {

kernel::WirelessProfile ProfileTable[kProfileSlots];
kernel::WirelessProfile CurrentProfile;

namespace detail {

StoreContext& Context() {
    static StoreContext context;
    return context;
}

std::u16string ProfileKeyPath(std::u16string_view name) {
    std::u16string path(kProfileListKey);
    path += u'\\';
    path += name;
    return path;
}

} // namespace detail

namespace {

using detail::Context;
using detail::ProfileKeyPath;

std::u16string g_currentName;

std::u16string_view NameOf(const kernel::WirelessProfile& record) {
    return base::FieldText(record.ConfigurationName);
}

platform::Registry* Reads() {
    return Context().registry;
}

kernel::IWirelessKernel* Service() {
    return Context().kernel;
}

std::u16string CurrentProfileKey() {
    return Context().appKey + u"\\" + std::u16string(kCurrentProfileSubKey);
}

// Subkey names of the list key in enumeration order. The list key and its values are each read whole
// with one open of the key: every open is a trip to the registry's server.
std::vector<std::u16string> ProfileSubKeys() {
    std::vector<std::u16string> names;
    if (platform::Registry* registry = Reads()) {
        registry->EnumSubKeys(platform::kHkeyLocalMachine, kProfileListKey, names);
    }
    return names;
}

struct OrderValue {
    std::u16string name;
    std::optional<std::u16string> profile; // absent when the value is not a string
};

// The values of the list key in enumeration order.
std::vector<OrderValue> ReadOrderValues() {
    std::vector<OrderValue> entries;
    platform::Registry* registry = Reads();
    if (registry == nullptr) {
        return entries;
    }
    platform::RegValues values;
    registry->ReadValues(platform::kHkeyLocalMachine, kProfileListKey, values);
    for (auto& [name, data] : values) {
        OrderValue entry;
        entry.name = std::move(name);
        // Registry string reads take at most 255 characters; a longer name is no profile name of this
        // store.
        std::u16string text;
        if (platform::DecodeStringValue(data, text, 255) == platform::kErrorSuccess) {
            entry.profile = std::move(text);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool DeleteOrderValue(std::u16string_view valueName) {
    kernel::IWirelessKernel* service = Service();
    if (service == nullptr) {
        return false;
    }
    std::u16string listKey(kProfileListKey);
    std::u16string name(valueName);
    return service->RegDeleteNamedValue(listKey.c_str(), name.c_str(), kernel::kHiveLocalMachine, 0) == 0;
}

bool WriteOrderValue(uint32_t number, std::u16string_view profileName) {
    kernel::IWirelessKernel* service = Service();
    if (service == nullptr) {
        return false;
    }
    std::u16string listKey(kProfileListKey);
    std::u16string valueName = base::Format(u"%02d", {number});
    std::u16string data(profileName);
    return service->RegSetString(listKey.c_str(), valueName.c_str(), data.c_str(), kernel::kHiveLocalMachine,
                                 0) != 0;
}

bool DeleteProfileKey(std::u16string_view name) {
    kernel::IWirelessKernel* service = Service();
    if (service == nullptr) {
        return false;
    }
    std::u16string path = ProfileKeyPath(name);
    return service->RegDeleteKeyTree(path.c_str(), kernel::kHiveLocalMachine, 0) == 0;
}

// The exchange sort of the store: ties keep their order only as far as this sort keeps them, which is
// what the priority rules were written against.
void SortByPriority(kernel::WirelessProfile* slots, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        for (size_t j = i + 1; j < count; ++j) {
            if (slots[i].priority > slots[j].priority) {
                std::swap(slots[i], slots[j]);
            }
        }
    }
}

bool IsStorableProfileName(std::u16string_view name) {
    return !name.empty() && name.find(u'\\') == std::u16string_view::npos;
}

size_t ClampCount(int count) {
    if (count <= 0) {
        return 0;
    }
    return std::min(static_cast<size_t>(count), kProfileSlots);
}

} // namespace

std::recursive_mutex& ProfileStoreMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

void ConfigureProfileStore(const ProfileStoreConfig& config) {
    std::lock_guard lock(ProfileStoreMutex());
    detail::StoreContext& context = Context();
    context.kernel = config.kernel;
    context.registry = config.registry;
    context.appKey = config.appKey;
    context.defaultName = config.defaultName;
    context.anyNetworkName = config.anyNetworkName;
    context.alternateDefaultName = config.alternateDefaultName;
    context.fivePowerLevels.reset();
}

void SetDefaultProfileNames(std::u16string defaultName, std::u16string anyNetworkName,
                            std::u16string alternateDefaultName) {
    std::lock_guard lock(ProfileStoreMutex());
    detail::StoreContext& context = Context();
    context.defaultName = std::move(defaultName);
    context.anyNetworkName = std::move(anyNetworkName);
    context.alternateDefaultName = std::move(alternateDefaultName);
}

std::u16string DefaultProfileName() {
    std::lock_guard lock(ProfileStoreMutex());
    return Context().defaultName;
}

std::u16string AnyNetworkName() {
    std::lock_guard lock(ProfileStoreMutex());
    return Context().anyNetworkName;
}

void ResetProfileStore() {
    std::lock_guard lock(ProfileStoreMutex());
    Context() = detail::StoreContext{};
    std::fill(std::begin(ProfileTable), std::end(ProfileTable), kernel::WirelessProfile{});
    CurrentProfile = kernel::WirelessProfile{};
    g_currentName.clear();
}

int LoadProfileTable(int useAlternateDefault) {
    std::lock_guard lock(ProfileStoreMutex());
    std::fill(std::begin(ProfileTable), std::end(ProfileTable), kernel::WirelessProfile{});

    // A store changed outside the program may hold more subkeys than the table has slots; the first
    // 128 in enumeration order are the ones shown.
    std::vector<std::u16string> keys = ProfileSubKeys();
    std::vector<kernel::WirelessProfile> loaded(std::min(keys.size(), kProfileSlots));
    if (!loaded.empty()) {
        // Every profile starts from the same defaults, asked of the service once for the whole load.
        const kernel::WirelessProfile unread = detail::UnreadProfile();
        for (size_t i = 0; i < loaded.size(); ++i) {
            loaded[i] = unread;
            detail::ReadProfileValues(ProfileKeyPath(keys[i]), loaded[i]);
        }
    }

    // Order values give the priorities; one whose profile is gone is stale and removed. A profile the
    // table had no room for is not gone: its value stays. A value the service refuses to delete stays
    // too, and the load goes on with the next.
    for (const OrderValue& entry : ReadOrderValues()) {
        auto owner = std::find_if(loaded.begin(), loaded.end(), [&](const kernel::WirelessProfile& p) {
            return entry.profile && NameOf(p) == *entry.profile;
        });
        if (owner != loaded.end()) {
            owner->priority = static_cast<uint32_t>(base::ParseInt(entry.name));
            continue;
        }
        bool unread = entry.profile && std::find(keys.begin() + static_cast<std::ptrdiff_t>(loaded.size()),
                                                 keys.end(), *entry.profile) != keys.end();
        if (!unread && !DeleteOrderValue(entry.name)) {
            base::Trace(u"Profiles: the stale order value " + entry.name + u" could not be deleted");
        }
    }

    SortByPriority(loaded.data(), loaded.size());

    const detail::StoreContext& context = Context();
    std::u16string_view slotZeroName =
        useAlternateDefault ? context.alternateDefaultName : context.defaultName;
    auto defaultProfile = std::find_if(loaded.begin(), loaded.end(), [&](const kernel::WirelessProfile& p) {
        return NameOf(p) == slotZeroName;
    });
    if (defaultProfile != loaded.end()) {
        ProfileTable[0] = *defaultProfile;
    }
    // Without a stored default profile slot 0 stays empty and a full store would need one slot more
    // than the table has; the last profile is then left out of the table rather than written past it.
    size_t slot = 1;
    for (const kernel::WirelessProfile& p : loaded) {
        if (NameOf(p) == context.defaultName) {
            continue;
        }
        if (slot >= kProfileSlots) {
            break;
        }
        ProfileTable[slot++] = p;
    }
    return static_cast<int>(loaded.size());
}

int CountProfiles() {
    std::lock_guard lock(ProfileStoreMutex());
    platform::Registry* registry = Reads();
    if (registry == nullptr) {
        return 0;
    }
    platform::RegValues values;
    registry->ReadValues(platform::kHkeyLocalMachine, kProfileListKey, values);
    return static_cast<int>(values.size());
}

uint32_t NextProfileNumber() {
    std::lock_guard lock(ProfileStoreMutex());
    platform::Registry* registry = Reads();
    if (registry == nullptr) {
        return 0;
    }
    // One more than the highest number in use. Values are normally enumerated in creation order, so
    // this is one more than the last value's number; taking the highest also keeps a store whose values
    // come back in another order from handing out a number that is taken, which would overwrite another
    // profile's order value.
    std::optional<uint32_t> highest;
    platform::RegValues values;
    registry->ReadValues(platform::kHkeyLocalMachine, kProfileListKey, values);
    for (const auto& value : values) {
        uint32_t number = static_cast<uint32_t>(base::ParseInt(value.first));
        highest = highest ? std::max(*highest, number) : number;
    }
    return highest ? *highest + 1 : 0;
}

int AddProfile(kernel::WirelessProfile& record) {
    std::lock_guard lock(ProfileStoreMutex());
    if (CountProfiles() > kMaxStoredProfiles - 1) {
        return kAddStoreFull;
    }
    std::u16string_view name = NameOf(record);
    // A name the registry cannot hold as one subkey would write into the list key itself (empty) or
    // into a key below another profile (a backslash): the profile would be lost and the order values
    // damaged.
    if (!IsStorableProfileName(name)) {
        return kAddWriteFailed;
    }
    // The existence test is exact; a key that differs only in letter case is the same registry key, so
    // the write below replaces its values (the caller asked for a profile of this spelling). Letter
    // case here is the registry's, every letter's: a failed write must never clean up "Äpfel" because
    // "äpfel" was being added.
    bool sameKeyExists = false;
    for (const std::u16string& key : ProfileSubKeys()) {
        if (key == name) {
            return kAddExists;
        }
        sameKeyExists = sameKeyExists || base::EqualsNoCase(key, name);
    }
    record.priority = NextProfileNumber();
    if (WriteProfile(ProfileKeyPath(name), record) != 1 || !WriteOrderValue(record.priority, name)) {
        // Leave no half-written profile behind (it would load first, without an order value); a
        // profile that shares the key keeps what it had.
        if (!sameKeyExists) {
            DeleteProfileKey(name);
        }
        base::Trace(u"Profiles: writing the profile \"" + std::u16string(name) + u"\" failed");
        return kAddWriteFailed;
    }
    return kAddAdded;
}

int UpdateProfile(const kernel::WirelessProfile& record) {
    std::lock_guard lock(ProfileStoreMutex());
    std::u16string_view name = NameOf(record);
    for (const std::u16string& key : ProfileSubKeys()) {
        if (key == name) {
            return WriteProfile(ProfileKeyPath(key), record) == 1 ? kUpdateWritten : kUpdateWriteFailed;
        }
    }
    return kUpdateNotFound;
}

bool DeleteProfile(std::u16string_view name) {
    std::lock_guard lock(ProfileStoreMutex());
    std::optional<std::u16string> match;
    for (const std::u16string& key : ProfileSubKeys()) {
        if (base::EqualsAsciiNoCase(key, name)) {
            match = key;
            break;
        }
    }
    if (!match) {
        return false;
    }
    if (!DeleteProfileKey(name)) {
        // The profile is still there; its order value stays with it so it keeps its place.
        return false;
    }
    for (const OrderValue& entry : ReadOrderValues()) {
        if (entry.profile && base::EqualsAsciiNoCase(*entry.profile, name)) {
            DeleteOrderValue(entry.name);
            break;
        }
    }
    return true;
}

void RewriteProfileOrder(int count) {
    std::lock_guard lock(ProfileStoreMutex());
    // Remove every value of the list key, as read once: a service that refuses a delete or leaves the
    // value in place cannot keep this asking forever. After a refusal the rest is not asked for either.
    for (const OrderValue& entry : ReadOrderValues()) {
        if (!DeleteOrderValue(entry.name)) {
            break;
        }
    }
    size_t slots = ClampCount(count);
    for (size_t i = 0; i < slots; ++i) {
        WriteOrderValue(static_cast<uint32_t>(i), NameOf(ProfileTable[i]));
        ProfileTable[i].priority = static_cast<uint32_t>(i);
        UpdateProfile(ProfileTable[i]);
    }
}

void PromoteProfile(std::u16string_view name, int count) {
    std::lock_guard lock(ProfileStoreMutex());
    int found = FindProfile(count, name);
    if (found < 0) {
        return;
    }
    size_t slots = ClampCount(count);
    size_t d = static_cast<size_t>(found);
    uint32_t secondPlace = ProfileTable[1].priority;
    for (size_t i = 0; i < slots; ++i) {
        if (i != d) {
            ProfileTable[i].priority += 1;
        }
    }
    ProfileTable[d].priority = secondPlace;
    SortByPriority(ProfileTable, slots);
    RewriteProfileOrder(count);
}

int FindProfile(int count, std::u16string_view name) {
    std::lock_guard lock(ProfileStoreMutex());
    int found = -1;
    size_t slots = ClampCount(count);
    for (size_t i = 0; i < slots; ++i) {
        if (NameOf(ProfileTable[i]) == name) {
            found = static_cast<int>(i);
        }
    }
    return found;
}

void MarkActiveProfile(int count, std::u16string_view name) {
    std::lock_guard lock(ProfileStoreMutex());
    // Only one profile is applied at a time. Clearing just the flag seen before the match would leave
    // a later-marked slot set when an earlier slot becomes the active one.
    int found = FindProfile(count, name);
    if (found < 0) {
        return;
    }
    size_t slots = ClampCount(count);
    for (size_t i = 0; i < slots; ++i) {
        ProfileTable[i].inUse = 0;
    }
    ProfileTable[found].inUse = 1;
}

int FindActiveProfile(int count) {
    std::lock_guard lock(ProfileStoreMutex());
    size_t slots = ClampCount(count);
    for (size_t i = 0; i < slots; ++i) {
        if (ProfileTable[i].inUse) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void SaveCurrentProfile() {
    std::lock_guard lock(ProfileStoreMutex());
    if (NameOf(CurrentProfile) == Context().defaultName) {
        base::CopyToField(CurrentProfile.NetworkName, Context().anyNetworkName);
    }
    WriteProfile(CurrentProfileKey(), CurrentProfile);
    g_currentName = std::u16string(NameOf(CurrentProfile));
}

void LoadCurrentProfile() {
    std::lock_guard lock(ProfileStoreMutex());
    std::u16string key = CurrentProfileKey();
    std::u16string name;
    platform::Registry* registry = Reads();
    if (registry != nullptr &&
        registry->ReadString(platform::kHkeyLocalMachine, key, value::kConfigurationName, name) ==
            platform::kErrorSuccess) {
        ReadProfile(key, CurrentProfile);
    } else {
        int count = LoadProfileTable(0);
        if (count == 0) {
            // Nothing is stored yet: an empty record saved here would come back as a nameless current
            // profile on every later start.
            CurrentProfile = kernel::WirelessProfile{};
        } else {
            // With a single stored profile that is not the default one, slot 0 is empty and the
            // profile sits in slot 1.
            bool onlyDefault = count == 1 && !NameOf(ProfileTable[0]).empty();
            CurrentProfile = ProfileTable[onlyDefault ? 0 : 1];
            if (!onlyDefault) {
                SaveCurrentProfile();
            }
        }
    }
    g_currentName = std::u16string(NameOf(CurrentProfile));
}

int EnsureDefaultProfile() {
    std::lock_guard lock(ProfileStoreMutex());
    const detail::StoreContext& context = Context();
    int count = LoadProfileTable(0);
    if (FindProfile(count, context.defaultName) >= 0) {
        return count;
    }
    kernel::WirelessProfile record{};
    kernel::AdapterConfig config{};
    if (kernel::IWirelessKernel* service = Service()) {
        service->GetAdapterConfig(&config);
        service->InitConnectionBlock(&record.block);
    }
    record.block.FragThreshold = config.fragThresholdMax;
    record.block.RTSThreshold = config.rtsThresholdMax;
    record.inUse = 0;
    base::CopyToField(record.ConfigurationName, context.defaultName);
    base::CopyToField(record.NetworkName, context.anyNetworkName);
    record.block.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N;
    record.block.band = kernel::KWL_FLAG_BAND_AUTO;
    record.block.securityFlags = kernel::kSecurityNone;
    record.wirelessModes = kernel::kModeAll;
    record.block.transmitPower = kernel::kTransmitPowerFull;
    AddProfile(record);
    return LoadProfileTable(0);
}

int RenameDefaultProfile() {
    std::lock_guard lock(ProfileStoreMutex());
    const detail::StoreContext& context = Context();
    int count = LoadProfileTable(1);
    if (context.alternateDefaultName.empty() || context.alternateDefaultName == context.defaultName ||
        NameOf(ProfileTable[0]).empty()) {
        return count;
    }
    kernel::WirelessProfile record = ProfileTable[0];
    if (!DeleteProfile(context.alternateDefaultName)) {
        return count;
    }
    base::CopyToField(record.ConfigurationName, context.defaultName);
    base::CopyToField(record.NetworkName, context.anyNetworkName);
    record.inUse = 0;
    AddProfile(record);
    return LoadProfileTable(0);
}

std::u16string CurrentProfileName() {
    std::lock_guard lock(ProfileStoreMutex());
    return g_currentName;
}

kernel::WirelessProfile CopyCurrentProfile() {
    std::lock_guard lock(ProfileStoreMutex());
    return CurrentProfile;
}

void SetCurrentProfile(const kernel::WirelessProfile& record) {
    std::lock_guard lock(ProfileStoreMutex());
    CurrentProfile = record;
}

} // namespace profiles
