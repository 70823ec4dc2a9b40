// Profiles written into the registry as the profile store writes them, for the Windows-side tests that
// start the real program with a profile already stored (the codes come from the store's own codec).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "kernel/ConnectionBlock.h"
#include "kernel/WirelessProfile.h"
#include "profiles/KeyScramble.h"
#include "profiles/ProfileCodec.h"

namespace wineprogram {

inline void WriteValue(HKEY key, const wchar_t* name, const std::wstring& text) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

inline void WriteValue(HKEY key, const wchar_t* name, DWORD number) {
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
}

// Removes a key below HKEY_LOCAL_MACHINE (32-bit view) with everything under it.
inline void DeleteKeyTree(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &key) ==
        ERROR_SUCCESS) {
        RegDeleteTreeW(key, nullptr);
        RegCloseKey(key);
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_32KEY, 0);
    }
}

// A WPA2 profile below HKEY_LOCAL_MACHINE at `keyPath`, allowed the radio modes in `modeBits`
// (kernel::kMode* bits).
inline void WriteWpa2Profile(const std::wstring& keyPath, const std::wstring& name,
                             const std::wstring& network, const std::u16string& passphrase,
                             uint32_t modeBits = kernel::kModeAll) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    uint32_t authentication = profiles::EncodeAuthentication(kernel::kSecurityWpa2PskAes);
    std::u16string scrambled = profiles::ScrambleKeyText(passphrase);
    WriteValue(key, L"ConfigurationName", name);
    WriteValue(key, L"NetworkName", network);
    WriteValue(key, L"NetworkConnectionType", *profiles::EncodeNetworkType(kernel::kNetworkInfrastructure));
    WriteValue(key, L"WirelessMode", profiles::EncodeWirelessMode(modeBits));
    WriteValue(key, L"AdvancedAuthenticationType", authentication);
    WriteValue(key, L"EncryptionAlg", profiles::EncodeCipher(kernel::kSecurityWpa2PskAes));
    WriteValue(key, L"HexEntryPp", profiles::EncodeHexEntry(authentication, kernel::kKeyPskAscii));
    WriteValue(key, L"Passphrase", std::wstring(scrambled.begin(), scrambled.end()));
    RegCloseKey(key);
}

} // namespace wineprogram
