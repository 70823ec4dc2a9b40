// The profile store: the in-memory ProfileTable and CurrentProfile and their registry home under
// HKEY_LOCAL_MACHINE. Reads go straight to the registry (32-bit view); every write and delete goes
// through the wireless service library, which owns the protected keys.
//
// Threads: the user-interface thread and the main window's connection worker both use the table and
// the current profile. Every operation below takes ProfileStoreMutex() itself; code that reads or
// writes ProfileTable / CurrentProfile directly, or needs several operations to see one consistent
// store (load, then copy a slot), holds the same lock around them. The mutex is recursive so that such
// a caller can still call the operations while holding it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "kernel/IWirelessKernel.h"
#include "kernel/WirelessProfile.h"
#include "platform/Registry.h"

namespace profiles {

constexpr size_t kProfileSlots = 128;
constexpr int kMaxStoredProfiles = 100; // order values "00" to "99"

// Where the profiles live, below HKEY_LOCAL_MACHINE.
constexpr std::u16string_view kProfileListKey = u"SOFTWARE\\Orvelin\\CustomParams\\Profiles";
constexpr std::u16string_view kCurrentProfileSubKey = u"ProfileData";

// AddProfile results.
constexpr int kAddAdded = 0;
constexpr int kAddExists = 1;
constexpr int kAddWriteFailed = 3;
constexpr int kAddStoreFull = 4;

// UpdateProfile results. A caller that asked to overwrite must learn that nothing was written, and
// tell the user so as it does for a failed add, rather than take a refused write for "not found".
constexpr int kUpdateNotFound = 0;
constexpr int kUpdateWritten = 1;
constexpr int kUpdateWriteFailed = kAddWriteFailed;

// What the store needs from the rest of the program, handed over at start-up (after the language texts
// are read) so that this library does not reach into the application core.
struct ProfileStoreConfig {
    kernel::IWirelessKernel* kernel = nullptr; // g_pnKernel; null when the library could not be loaded
    platform::Registry* registry = nullptr;    // for reads
    std::u16string appKey;                     // AppKey, below HKEY_LOCAL_MACHINE
    std::u16string defaultName = u"Default";   // MAIN/Def_Profile_Name
    std::u16string anyNetworkName = u"Any (First available network)"; // MAIN/Def_Profile_Any
    std::u16string alternateDefaultName; // the previous language's default name, for useAlternateDefault
};

void ConfigureProfileStore(const ProfileStoreConfig& config);
// After a language change: the new language's names, with the previous default name as the alternate
// (then RenameDefaultProfile stores the old default profile again under the new name).
void SetDefaultProfileNames(std::u16string defaultName, std::u16string anyNetworkName,
                            std::u16string alternateDefaultName);
std::u16string DefaultProfileName();
std::u16string AnyNetworkName();

// The adapter's transmit-power scale: true for five levels, false for four. The adapter configuration's
// first member says so, but the same member also tells whether the adapter is associated, so it is read
// once per session (the first time it is asked after the store is configured): every profile read and
// written in the session, and the advanced dialog, then use one scale.
bool FivePowerLevels();

// Drops the configuration and clears the table and the current profile (tests).
void ResetProfileStore();

std::recursive_mutex& ProfileStoreMutex();

// Slot 0: the default profile (all zero when none is stored); slots 1..: the others by priority.
extern kernel::WirelessProfile ProfileTable[kProfileSlots];
// The profile last applied to the adapter; survives restarts under AppKey\ProfileData.
extern kernel::WirelessProfile CurrentProfile;

// Record <-> one registry key (full path below HKEY_LOCAL_MACHINE).
int ReadProfile(std::u16string_view keyPath, kernel::WirelessProfile& record);        // always 1
int WriteProfile(std::u16string_view keyPath, const kernel::WirelessProfile& record); // 1 written, 0 failed

// Returns the number of stored profiles (at most kProfileSlots).
int LoadProfileTable(int useAlternateDefault);
int AddProfile(kernel::WirelessProfile& record);          // kAdd*; sets the record's priority
int UpdateProfile(const kernel::WirelessProfile& record); // kUpdate*
bool DeleteProfile(std::u16string_view name);
int CountProfiles();
uint32_t NextProfileNumber();
void RewriteProfileOrder(int count);
void PromoteProfile(std::u16string_view name, int count);
int FindProfile(int count, std::u16string_view name);
void MarkActiveProfile(int count, std::u16string_view name);
int FindActiveProfile(int count);
void LoadCurrentProfile();
void SaveCurrentProfile();
int EnsureDefaultProfile();

// The language change: the default profile stored under the previous language's name (the configured
// alternate name) is stored again under the current default name. Returns the new count.
int RenameDefaultProfile();

// The name remembered by the last LoadCurrentProfile / SaveCurrentProfile.
std::u16string CurrentProfileName();

// Copies under the lock, for the connection worker.
kernel::WirelessProfile CopyCurrentProfile();
void SetCurrentProfile(const kernel::WirelessProfile& record);

} // namespace profiles
