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

// The list key holds at most 100 order values; deleting them one by one can therefore never need
// more rounds than this unless the service keeps failing, which must not hang the program.
constexpr uint32_t kMaxDeleteRounds = 4096;

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

// Subkey names of the list key in enumeration order, up to `limit`.
std::vector<std::u16string> ProfileSubKeys(size_t limit) {
    std::vector<std::u16string> names;
    platform::Registry* registry = Reads();
    if (registry == nullptr) {
        return names;
    }
    for (uint32_t index = 0; names.size() < limit; ++index) {
        std::u16string name;
        if (registry->EnumSubKey(platform::kHkeyLocalMachine, kProfileListKey, index, name) !=
            platform::kErrorSuccess) {
            break;
        }
        names.push_back(std::move(name));
    }
    return names;
}

struct OrderValue {
    std::u16string name;
    std::optional<std::u16string> profile; // absent when the value is not a string
};

std::optional<OrderValue> EnumOrderValue(uint32_t index) {
    platform::Registry* registry = Reads();
    if (registry == nullptr) {
        return std::nullopt;
    }
    OrderValue entry;
    platform::RegValue data;
    if (registry->EnumValue(platform::kHkeyLocalMachine, kProfileListKey, index, entry.name, &data) !=
        platform::kErrorSuccess) {
        return std::nullopt;
    }
    if (data.type == platform::kRegSz || data.type == platform::kRegExpandSz) {
        std::u16string text = platform::RegDataToString(data.data);
        // Registry reads take at most 255 characters; a longer name is no profile name of this store.
        if (text.size() > 255) {
            text.resize(255);
        }
        entry.profile = std::move(text);
    }
    return entry;
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
    std::vector<std::u16string> keys = ProfileSubKeys(SIZE_MAX);
    std::vector<kernel::WirelessProfile> loaded(std::min(keys.size(), kProfileSlots));
    for (size_t i = 0; i < loaded.size(); ++i) {
        ReadProfile(ProfileKeyPath(keys[i]), loaded[i]);
    }

    // Order values give the priorities; one whose profile is gone is stale and removed. A profile the
    // table had no room for is not gone: its value stays. A value the service refuses to delete is
    // stepped over, so a failing service cannot stall the load.
    uint32_t index = 0;
    for (uint32_t round = 0; round < kMaxDeleteRounds; ++round) {
        std::optional<OrderValue> entry = EnumOrderValue(index);
        if (!entry) {
            break;
        }
        auto owner = std::find_if(loaded.begin(), loaded.end(), [&](const kernel::WirelessProfile& p) {
            return entry->profile && NameOf(p) == *entry->profile;
        });
        if (owner != loaded.end()) {
            owner->priority = static_cast<uint32_t>(base::ParseInt(entry->name));
            ++index;
            continue;
        }
        bool unread = entry->profile && std::find(keys.begin() + static_cast<std::ptrdiff_t>(loaded.size()),
                                                  keys.end(), *entry->profile) != keys.end();
        if (unread) {
            ++index;
            continue;
        }
        if (!DeleteOrderValue(entry->name)) {
            base::Trace(u"Profiles: the stale order value " + entry->name + u" could not be deleted");
            ++index;
            continue;
        }
        std::optional<OrderValue> next = EnumOrderValue(index);
        if (next && base::EqualsAsciiNoCase(next->name, entry->name)) {
            ++index;
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
    int count = 0;
    std::u16string name;
    while (registry->EnumValue(platform::kHkeyLocalMachine, kProfileListKey, static_cast<uint32_t>(count),
                               name, nullptr) == platform::kErrorSuccess) {
        ++count;
    }
    return count;
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
    std::u16string name;
    for (uint32_t index = 0; registry->EnumValue(platform::kHkeyLocalMachine, kProfileListKey, index, name,
                                                 nullptr) == platform::kErrorSuccess;
         ++index) {
        uint32_t number = static_cast<uint32_t>(base::ParseInt(name));
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
    for (const std::u16string& key : ProfileSubKeys(SIZE_MAX)) {
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
    for (const std::u16string& key : ProfileSubKeys(SIZE_MAX)) {
        if (key == name) {
            return WriteProfile(ProfileKeyPath(key), record) == 1 ? kUpdateWritten : kUpdateWriteFailed;
        }
    }
    return kUpdateNotFound;
}

bool DeleteProfile(std::u16string_view name) {
    std::lock_guard lock(ProfileStoreMutex());
    std::optional<std::u16string> match;
    for (const std::u16string& key : ProfileSubKeys(SIZE_MAX)) {
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
    for (uint32_t index = 0;; ++index) {
        std::optional<OrderValue> entry = EnumOrderValue(index);
        if (!entry) {
            break;
        }
        if (entry->profile && base::EqualsAsciiNoCase(*entry->profile, name)) {
            DeleteOrderValue(entry->name);
            break;
        }
    }
    return true;
}

void RewriteProfileOrder(int count) {
    std::lock_guard lock(ProfileStoreMutex());
    // Remove every value of the list key. Stop when the service leaves one in place, rather than
    // asking it forever.
    for (uint32_t round = 0; round < kMaxDeleteRounds; ++round) {
        std::optional<OrderValue> first = EnumOrderValue(0);
        if (!first || !DeleteOrderValue(first->name)) {
            break;
        }
        std::optional<OrderValue> again = EnumOrderValue(0);
        if (again && base::EqualsAsciiNoCase(again->name, first->name)) {
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
