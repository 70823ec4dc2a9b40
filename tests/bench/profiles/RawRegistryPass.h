// The least a load of the store can ask of the registry: one pass over the list key and every profile
// key, each opened once, its values enumerated with their data in one RegEnumValueW call per value. The
// store's load is measured against this floor.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct RawPassResult {
    long profileKeys = 0;
    long values = 0; // of all keys, the list key's order values included
};

namespace detail {

// Every value of an open key, with its data. The buffers are sized once from RegQueryInfoKeyW, as
// any reader that wants all values of a key would.
inline long EnumerateValues(HKEY key) {
    DWORD valueCount = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount, &longestName,
                         &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        return 0;
    }
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(longestData + 2);
    long read = 0;
    for (DWORD index = 0;; ++index) {
        DWORD nameUnits = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueW(key, index, name.data(), &nameUnits, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS) {
            break;
        }
        ++read;
    }
    return read;
}

} // namespace detail

// Reads the list key below HKEY_LOCAL_MACHINE (32-bit view): its subkey names, its values, and every
// subkey's values.
inline RawPassResult RawRegistryPass(const wchar_t* listKey) {
    RawPassResult result;
    HKEY list = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, listKey, 0, KEY_READ | KEY_WOW64_32KEY, &list) != ERROR_SUCCESS) {
        return result;
    }
    std::vector<std::wstring> names;
    wchar_t buffer[256];
    for (DWORD index = 0;; ++index) {
        DWORD units = 256;
        if (RegEnumKeyExW(list, index, buffer, &units, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(buffer, units);
    }
    result.values += detail::EnumerateValues(list);
    for (const std::wstring& name : names) {
        HKEY profile = nullptr;
        if (RegOpenKeyExW(list, name.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &profile) != ERROR_SUCCESS) {
            continue;
        }
        ++result.profileKeys;
        result.values += detail::EnumerateValues(profile);
        RegCloseKey(profile);
    }
    RegCloseKey(list);
    return result;
}

} // namespace bench
