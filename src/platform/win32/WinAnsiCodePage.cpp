#include "platform/win32/WinAnsiCodePage.h"

#include <windows.h>

namespace platform::win32 {
namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

std::vector<uint8_t> WinAnsiCodePage::ToAnsi(std::u16string_view text, size_t maxBytes) const {
    // One character at a time, so that the cut at maxBytes falls between characters whatever the code
    // page (single-byte, double-byte or UTF-8). No ANSI code page keeps a shift state, so converting
    // the pieces gives the bytes of converting the whole.
    std::vector<uint8_t> bytes;
    char piece[8];
    for (size_t i = 0; i < text.size();) {
        size_t units = IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
        int n = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(text.data() + i),
                                    static_cast<int>(units), piece, sizeof piece, nullptr, nullptr);
        if (n <= 0 || bytes.size() + static_cast<size_t>(n) > maxBytes) {
            break;
        }
        bytes.insert(bytes.end(), piece, piece + n);
        i += units;
    }
    return bytes;
}

} // namespace platform::win32
