// How long LoadProfileTable takes for a store of 100 profiles (the most the store accepts). Natively
// the registry is the in-memory fake; the Windows build uses the real registry (run it under Wine).
// It fills the store, times a number of loads, prints the figures and removes the store again.
#include <chrono>
#include <cstdio>
#include <string>

#include "RegistryKernel.h"
#include "base/Text.h"
#include "profiles/ProfileStore.h"

#ifdef KT_REAL_REGISTRY
#include "platform/win32/WinRegistry.h"
using BenchRegistry = platform::win32::WinRegistry;
constexpr const char* kRegistryKind = "real registry (Win32, 32-bit view)";
#else
#include "fakes/FakeRegistry.h"
using BenchRegistry = fakes::FakeRegistry;
constexpr const char* kRegistryKind = "in-memory fake registry";
#endif

namespace {

constexpr int kProfiles = 100;
constexpr int kLoads = 20;

kernel::WirelessProfile BenchProfile(int i) {
    kernel::WirelessProfile p{};
    std::u16string name = i == 0 ? u"Default" : u"Profile " + base::Widen(std::to_string(i));
    base::CopyToField(p.ConfigurationName, name);
    base::CopyToField(p.NetworkName, u"Network " + base::Widen(std::to_string(i)));
    p.wirelessModes = kernel::kModeAll;
    p.block.transmitPower = kernel::kTransmitPowerFull;
    p.block.preamble = kernel::kPreambleAuto;
    if (i % 3 == 0) {
        p.block.securityFlags = kernel::kSecurityWpa2PskAes;
        p.block.keyFormat = kernel::kKeyPskAscii;
        base::CopyToField(p.block.psk, u"a passphrase of some length");
    } else if (i % 3 == 1) {
        p.block.securityFlags = kernel::kSecurityWep;
        p.block.keyFormat = kernel::kKeyWep128;
        p.noPassphrase = 1;
        base::CopyToField(p.block.wepKeys[0], u"0123456789ABCDEF0123456789");
    } else {
        p.block.securityFlags = kernel::kSecurityNone;
    }
    return p;
}

} // namespace

int main() {
    BenchRegistry registry;
    bench::RegistryKernel service(registry);
    profiles::ProfileStoreConfig config;
    config.kernel = &service;
    config.registry = &registry;
    config.appKey = u"Software\\Orvelin\\KTVA7700v2 Bench";
    profiles::ConfigureProfileStore(config);

    // A clean store: the bench owns the list key for its run.
    registry.DeleteKeyTree(platform::kHkeyLocalMachine, profiles::kProfileListKey);
    auto fillStart = std::chrono::steady_clock::now();
    for (int i = 0; i < kProfiles; ++i) {
        kernel::WirelessProfile p = BenchProfile(i);
        if (profiles::AddProfile(p) != profiles::kAddAdded) {
            std::printf("adding profile %d failed\n", i);
            return 1;
        }
    }
    auto fillEnd = std::chrono::steady_clock::now();

    int count = 0;
    auto loadStart = std::chrono::steady_clock::now();
    for (int n = 0; n < kLoads; ++n) {
        count = profiles::LoadProfileTable(0);
    }
    auto loadEnd = std::chrono::steady_clock::now();
    registry.DeleteKeyTree(platform::kHkeyLocalMachine, profiles::kProfileListKey);

    using Ms = std::chrono::duration<double, std::milli>;
    std::printf("registry: %s\n", kRegistryKind);
    std::printf("profiles stored: %d (loaded %d)\n", kProfiles, count);
    std::printf("store 100 profiles: %.1f ms\n", Ms(fillEnd - fillStart).count());
    std::printf("LoadProfileTable of 100 profiles: %.2f ms per load (mean of %d)\n",
                Ms(loadEnd - loadStart).count() / kLoads, kLoads);
    return count == kProfiles ? 0 : 1;
}
