// The profile store with the real service library and the real registry: profiles are written through
// Skyvane.dll (loaded from the install tree as the program loads it), read back raw with the Win32 API
// in the 32-bit view, and loaded again into the table.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "base/Text.h"
#include "kernel/IWirelessKernel.h"
#include "platform/win32/WinAnsiCodePage.h"
#include "platform/win32/WinRegistry.h"
#include "profiles/KeyMaterial.h"
#include "profiles/KeyRules.h"
#include "profiles/ProfileStore.h"

namespace {

using namespace kernel;

const wchar_t kListKey[] = L"SOFTWARE\\Orvelin\\CustomParams\\Profiles";

std::wstring DistDir() {
    wchar_t buffer[MAX_PATH];
    DWORD n = GetEnvironmentVariableW(L"KT_DIST_DIR", buffer, MAX_PATH);
    std::wstring dir = n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
    for (wchar_t& c : dir) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    // CTest hands over the Linux path; Wine shows the Linux root as drive Z:.
    if (!dir.empty() && dir[0] == L'\\') {
        dir = L"Z:" + dir;
    }
    return dir;
}

IWirelessKernel* Service() {
    static IWirelessKernel* service = []() -> IWirelessKernel* {
        HMODULE library = LoadLibraryW((DistDir() + L"\\Skyvane.dll").c_str());
        if (library == nullptr) {
            return nullptr;
        }
        auto get = reinterpret_cast<GetSkyvaneInstanceFn>(
            reinterpret_cast<void*>(GetProcAddress(library, "GetSkyvaneInstance")));
        return get ? get() : nullptr;
    }();
    return service;
}

// A raw registry value as Windows returns it.
struct Raw {
    DWORD type = REG_NONE;
    std::wstring text;
    DWORD number = 0;
};

std::map<std::wstring, Raw> RawValues(const std::wstring& keyPath) {
    std::map<std::wstring, Raw> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS) {
        return values;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        BYTE data[2048];
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) {
            break;
        }
        Raw raw;
        raw.type = type;
        if (type == REG_SZ) {
            raw.text.assign(reinterpret_cast<const wchar_t*>(data), dataSize / sizeof(wchar_t));
            while (!raw.text.empty() && raw.text.back() == L'\0') {
                raw.text.pop_back();
            }
        } else if (type == REG_DWORD && dataSize == 4) {
            std::memcpy(&raw.number, data, 4);
        }
        values[std::wstring(name, nameLength)] = raw;
    }
    RegCloseKey(key);
    return values;
}

class ProfileStoreWine : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Service(), nullptr) << "Skyvane.dll or its export GetSkyvaneInstance not found in "
                                      << std::string(DistDir().begin(), DistDir().end());
        m_registry.DeleteKeyTree(platform::kHkeyLocalMachine, profiles::kProfileListKey);
        profiles::ProfileStoreConfig config;
        config.kernel = Service();
        config.registry = &m_registry;
        config.appKey = u"Software\\Orvelin\\KTVA7700v2 Profile Test";
        profiles::ConfigureProfileStore(config);
    }
    void TearDown() override {
        m_registry.DeleteKeyTree(platform::kHkeyLocalMachine, profiles::kProfileListKey);
        m_registry.DeleteKeyTree(platform::kHkeyLocalMachine, u"Software\\Orvelin\\KTVA7700v2 Profile Test");
        profiles::ResetProfileStore();
    }

    // A record as the Settings tab builds it: the service's defaults, then the user's choices. The
    // fields the store never keeps are set the way reading gives them back.
    static WirelessProfile Base(std::u16string_view name, std::u16string_view network) {
        WirelessProfile p{};
        Service()->InitConnectionBlock(&p.block);
        base::CopyToField(p.ConfigurationName, name);
        base::CopyToField(p.NetworkName, network);
        p.block.band = KWL_FLAG_BAND_2_4G;
        p.block.adHocMode = 0;
        p.block.adHocChannel = 0;
        p.block.NetworkConnectType = kNetworkInfrastructure;
        std::memset(p.block.BSSID, 0, sizeof p.block.BSSID);
        p.block.transmitPower = kTransmitPowerFull;
        p.block.preamble = kPreambleAuto;
        p.block.FragThreshold = 1500;
        p.block.RTSThreshold = 2000;
        p.block.defaultKey = 0;
        std::memset(p.block.psk, 0, sizeof p.block.psk);
        std::memset(p.block.wepKeys, 0, sizeof p.block.wepKeys);
        return p;
    }

    static void ExpectSz(const std::map<std::wstring, Raw>& values, const wchar_t* name,
                         const std::wstring& text) {
        auto it = values.find(name);
        ASSERT_NE(it, values.end()) << "missing value " << std::string(name, name + wcslen(name));
        EXPECT_EQ(it->second.type, static_cast<DWORD>(REG_SZ)) << std::string(name, name + wcslen(name));
        EXPECT_EQ(it->second.text, text) << std::string(name, name + wcslen(name));
    }
    static void ExpectDword(const std::map<std::wstring, Raw>& values, const wchar_t* name, DWORD number) {
        auto it = values.find(name);
        ASSERT_NE(it, values.end()) << "missing value " << std::string(name, name + wcslen(name));
        EXPECT_EQ(it->second.type, static_cast<DWORD>(REG_DWORD)) << std::string(name, name + wcslen(name));
        EXPECT_EQ(it->second.number, number) << std::string(name, name + wcslen(name));
    }

    platform::win32::WinRegistry m_registry;
};

TEST_F(ProfileStoreWine, ThreeProfilesStoredThroughTheServiceAndLoadedBack) {
    // WPA2-PSK with an ASCII passphrase.
    WirelessProfile wpa = Base(u"Wine WPA2", u"CorpNet");
    const uint8_t bssid[6] = {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC};
    std::memcpy(wpa.block.BSSID, bssid, 6);
    wpa.block.securityFlags = kSecurityWpa2PskAes;
    profiles::PskCheck psk = profiles::CheckPskKey(u"wine-psk-2024");
    ASSERT_EQ(psk.result, profiles::kKeyAccepted);
    wpa.block.keyFormat = psk.keyFormat;
    base::CopyToField(wpa.block.psk, u"wine-psk-2024");
    wpa.wirelessModes = 0x0A;

    // WEP, keys by hand (one hexadecimal, one ASCII), ad hoc.
    WirelessProfile wepKeys = Base(u"Wine WEP keys", u"Peer");
    wepKeys.block.NetworkConnectType = kNetworkAdHoc;
    wepKeys.block.adHocMode = KWL_FLAG_WIRELESS_MODE_802_11G;
    wepKeys.block.adHocChannel = 6;
    wepKeys.block.securityFlags = kSecurityWep;
    wepKeys.noPassphrase = 1;
    profiles::WepKeyCheck hexKey = profiles::CheckWepKey(u"F00DCAFE42", false);
    profiles::WepKeyCheck asciiKey = profiles::CheckWepKey(u"abcde", false);
    ASSERT_EQ(hexKey.result, profiles::kKeyAccepted);
    ASSERT_EQ(asciiKey.result, profiles::kKeyAccepted);
    base::CopyToField(wepKeys.block.wepKeys[0], hexKey.keyText);
    base::CopyToField(wepKeys.block.wepKeys[1], asciiKey.keyText);
    wepKeys.block.keyFormat = hexKey.keyFormat;
    wepKeys.block.defaultKey = 1;
    wepKeys.block.preamble = kPreambleLong;
    wepKeys.wirelessModes = 0x08;

    // WEP, keys from a passphrase.
    WirelessProfile wepPhrase = Base(u"Wine WEP phrase", u"Lobby");
    wepPhrase.block.securityFlags = kSecurityWep;
    wepPhrase.noPassphrase = 0;
    base::CopyToField(wepPhrase.wepPassphrase, u"wine phrase");
    auto generated = profiles::GenerateWepKeyTexts(platform::win32::WinAnsiCodePage(), u"wine phrase", false);
    ASSERT_TRUE(generated.has_value());
    for (size_t k = 0; k < 4; ++k) {
        base::CopyToField(wepPhrase.block.wepKeys[k], (*generated)[k]);
    }
    wepPhrase.block.keyFormat = kKeyWep64;
    wepPhrase.block.preamble = kPreambleShort;
    wepPhrase.wirelessModes = 0x01;

    ASSERT_EQ(profiles::AddProfile(wpa), profiles::kAddAdded);
    ASSERT_EQ(profiles::AddProfile(wepKeys), profiles::kAddAdded);
    ASSERT_EQ(profiles::AddProfile(wepPhrase), profiles::kAddAdded);

    // The stored forms, exactly: names and types of every value, and their data.
    const std::wstring list = kListKey;
    auto order = RawValues(list);
    EXPECT_EQ(order.size(), 3u);
    ExpectSz(order, L"00", L"Wine WPA2");
    ExpectSz(order, L"01", L"Wine WEP keys");
    ExpectSz(order, L"02", L"Wine WEP phrase");

    auto a = RawValues(list + L"\\Wine WPA2");
    EXPECT_EQ(a.size(), 21u);
    ExpectSz(a, L"ConfigurationName", L"Wine WPA2");
    ExpectSz(a, L"NetworkName", L"CorpNet");
    ExpectSz(a, L"BSSID", L"00:11:22:AA:BB:CC");
    ExpectDword(a, L"NetworkConnectionType", 1);
    ExpectDword(a, L"WirelessMode", 0xA00C);
    ExpectDword(a, L"AdHocBand", 255);
    ExpectDword(a, L"AdHocChannel", 0);
    ExpectDword(a, L"AdvancedAuthenticationType", 7);
    ExpectDword(a, L"EncryptionAlg", 6);
    ExpectDword(a, L"HexEntryPp", 0);
    ExpectDword(a, L"WEPKeybit", 255);
    ExpectSz(a, L"Passphrase", L"4o5u5x5q1y4n4k5s1y0l0n0l0r");
    ExpectDword(a, L"defaultKey", 0);
    ExpectSz(a, L"SharedKey1", L"");
    ExpectSz(a, L"SharedKey2", L"");
    ExpectSz(a, L"SharedKey3", L"");
    ExpectSz(a, L"SharedKey4", L"");
    ExpectDword(a, L"tpc", 0);
    ExpectDword(a, L"shortPreamble", 1);
    ExpectDword(a, L"FragThreshold", 1500);
    ExpectDword(a, L"RTSThreshold", 2000);

    auto k = RawValues(list + L"\\Wine WEP keys");
    EXPECT_EQ(k.size(), 20u);
    EXPECT_EQ(k.count(L"HexEntryPp"), 0u);
    ExpectDword(k, L"NetworkConnectionType", 2);
    ExpectDword(k, L"WirelessMode", 0x000C);
    ExpectDword(k, L"AdHocBand", 3);
    ExpectDword(k, L"AdHocChannel", 2437);
    ExpectDword(k, L"AdvancedAuthenticationType", 3);
    ExpectDword(k, L"EncryptionAlg", 1);
    ExpectDword(k, L"WEPKeybit", 0);
    ExpectSz(k, L"Passphrase", L"");
    ExpectDword(k, L"defaultKey", 1);
    ExpectSz(k, L"SharedKey1", L"7p0n0n7r7k7m7p7q0r0l");
    ExpectSz(k, L"SharedKey2", L"0p0m0p0l0p0k0p0r0p0q");
    ExpectSz(k, L"SharedKey3", L"");
    ExpectDword(k, L"shortPreamble", 0);

    auto p = RawValues(list + L"\\Wine WEP phrase");
    EXPECT_EQ(p.size(), 20u);
    ExpectDword(p, L"WirelessMode", 0xF00D);
    ExpectSz(p, L"Passphrase", L"wine phrase");
    ExpectSz(p, L"SharedKey1", L"7r0r7p0r7q7l7p0r0k7k"); // D4F4EBF43C
    ExpectSz(p, L"SharedKey4", L"0k0p7l0v0k0l0p7q7l0m"); // 36B8326EB1
    ExpectDword(p, L"shortPreamble", 2);

    // Nothing went to the 64-bit view.
    HKEY key64 = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kListKey, 0, KEY_READ | KEY_WOW64_64KEY, &key64),
              ERROR_SUCCESS);
    if (key64 != nullptr) {
        RegCloseKey(key64);
    }

    // Loaded again, the table holds the same records, byte for byte.
    int count = profiles::LoadProfileTable(0);
    ASSERT_EQ(count, 3);
    const WirelessProfile* expected[] = {&wpa, &wepKeys, &wepPhrase};
    for (size_t i = 0; i < 3; ++i) {
        const WirelessProfile& got = profiles::ProfileTable[i + 1];
        const auto* g = reinterpret_cast<const uint8_t*>(&got);
        const auto* e = reinterpret_cast<const uint8_t*>(expected[i]);
        for (size_t offset = 0; offset < sizeof(WirelessProfile); ++offset) {
            if (g[offset] != e[offset]) {
                ADD_FAILURE() << "slot " << i + 1 << " differs at byte " << offset << ": " << int{g[offset]}
                              << " instead of " << int{e[offset]};
                break;
            }
        }
    }
    EXPECT_EQ(base::FieldText(profiles::ProfileTable[0].ConfigurationName), u"")
        << "no default profile stored";
}

TEST_F(ProfileStoreWine, DeleteAndDefaultProfileThroughTheService) {
    WirelessProfile p = Base(u"Temporary", u"Somewhere");
    p.block.securityFlags = kSecurityNone;
    ASSERT_EQ(profiles::AddProfile(p), profiles::kAddAdded);
    int count = profiles::EnsureDefaultProfile();
    EXPECT_EQ(count, 2);
    EXPECT_EQ(base::FieldText(profiles::ProfileTable[0].ConfigurationName), u"Default");
    EXPECT_EQ(base::FieldText(profiles::ProfileTable[0].NetworkName), u"Any (First available network)");

    EXPECT_TRUE(profiles::DeleteProfile(u"TEMPORARY"));
    auto order = RawValues(kListKey);
    EXPECT_EQ(order.size(), 1u);
    ExpectSz(order, L"01", L"Default");
    EXPECT_TRUE(RawValues(std::wstring(kListKey) + L"\\Temporary").empty());
    EXPECT_FALSE(profiles::DeleteProfile(u"Temporary"));
}

TEST_F(ProfileStoreWine, CurrentProfileSurvivesARestart) {
    WirelessProfile p = Base(u"Default", u"Whatever");
    p.block.securityFlags = kSecurityWpaPskTkip;
    p.block.keyFormat = kKeyPskHex;
    base::CopyToField(p.block.psk, std::u16string(64, u'e'));
    profiles::SetCurrentProfile(p);
    profiles::SaveCurrentProfile();
    auto raw = RawValues(L"Software\\Orvelin\\KTVA7700v2 Profile Test\\ProfileData");
    ExpectSz(raw, L"NetworkName", L"Any (First available network)");
    ExpectDword(raw, L"HexEntryPp", 1);
    ExpectDword(raw, L"AdvancedAuthenticationType", 5);

    profiles::SetCurrentProfile(WirelessProfile{});
    profiles::LoadCurrentProfile();
    WirelessProfile back = profiles::CopyCurrentProfile();
    EXPECT_EQ(base::FieldText(back.ConfigurationName), u"Default");
    EXPECT_EQ(base::FieldText(back.block.psk), std::u16string(64, u'e'));
    EXPECT_EQ(back.block.keyFormat, kKeyPskHex);
    EXPECT_EQ(profiles::CurrentProfileName(), u"Default");
}

} // namespace
