// The Win32 boundary: UTF-16 text passed to and from the wide API.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace platform::win32 {

inline const wchar_t* W(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string U(const wchar_t* text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}

inline std::u16string U(const wchar_t* text, size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline HKEY RootKey(uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

// The folder of the running program, with its trailing backslash.
std::u16string ModuleFolder(HMODULE module = nullptr);

} // namespace platform::win32
