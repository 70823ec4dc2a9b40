// How long LoadProfileTable takes for a store of 100 profiles (the most the store accepts). Natively
// the registry is the in-memory fake; the Windows build uses the real registry and also times a raw
// pass over the same keys (RawRegistryPass.h: one open per key, one RegEnumValueW per value), the
// floor a load can come near, and prints how many times that the load takes. It fills the store, times
// loads and raw passes in turn, prints the medians and removes the store again. Asserts no time.
// Run on demand under Wine:
//
//   cmake --preset win64 -B build/<dir>
//   cmake --build build/<dir> -j1 --target bench_profile_load_win
//   tests/wine/wine-session start /tmp/<session>
//   tests/wine/wine-session run /tmp/<session> build/<dir>/tests/bench/profiles/bench_profile_load_win.exe
//   tests/wine/wine-session stop /tmp/<session>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "RegistryKernel.h"
#include "base/Text.h"
#include "profiles/ProfileStore.h"

#ifdef KT_REAL_REGISTRY
#include "RawRegistryPass.h"
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
constexpr int kRounds = 15;

using Ms = std::chrono::duration<double, std::milli>;

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

template <typename Work> double TimeMs(Work&& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return Ms(std::chrono::steady_clock::now() - start).count();
}

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

    // Loads and raw passes take turns, so that both see the same state of the machine.
    int count = 0;
    std::vector<double> loads;
    std::vector<double> rawPasses;
#ifdef KT_REAL_REGISTRY
    std::wstring listKey(profiles::kProfileListKey.begin(), profiles::kProfileListKey.end());
    bench::RawPassResult raw;
#endif
    for (int round = 0; round < kRounds; ++round) {
        loads.push_back(TimeMs([&] { count = profiles::LoadProfileTable(0); }));
#ifdef KT_REAL_REGISTRY
        rawPasses.push_back(TimeMs([&] { raw = bench::RawRegistryPass(listKey.c_str()); }));
#endif
    }
    registry.DeleteKeyTree(platform::kHkeyLocalMachine, profiles::kProfileListKey);

    std::printf("registry: %s\n", kRegistryKind);
    std::printf("profiles stored: %d (loaded %d)\n", kProfiles, count);
    std::printf("store 100 profiles: %.1f ms\n", Ms(fillEnd - fillStart).count());
    double load = Median(loads);
    std::printf("LoadProfileTable of 100 profiles: %.2f ms (median of %d; fastest %.2f, slowest %.2f)\n",
                load, kRounds, *std::min_element(loads.begin(), loads.end()),
                *std::max_element(loads.begin(), loads.end()));
#ifdef KT_REAL_REGISTRY
    double rawPass = Median(rawPasses);
    std::printf("raw pass over the same keys (%ld profile keys, %ld values): %.2f ms (median of %d; fastest "
                "%.2f, slowest %.2f)\n",
                raw.profileKeys, raw.values, rawPass, kRounds,
                *std::min_element(rawPasses.begin(), rawPasses.end()),
                *std::max_element(rawPasses.begin(), rawPasses.end()));
    std::printf("load / raw pass: %.2f\n", rawPass > 0 ? load / rawPass : 0.0);
#endif
    return count == kProfiles ? 0 : 1;
}
