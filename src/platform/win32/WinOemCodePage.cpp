#include "platform/win32/WinOemCodePage.h"

#include <windows.h>

namespace platform::win32 {

bool WinOemCodePage::IsLeadByte(uint8_t byte) const {
    return IsDBCSLeadByteEx(CP_OEMCP, byte) != FALSE;
}

std::u16string WinOemCodePage::ToUnicode(const uint8_t* bytes, size_t count) const {
    if (count == 0) {
        return {};
    }
    const char* source = reinterpret_cast<const char*>(bytes);
    int n = MultiByteToWideChar(CP_OEMCP, 0, source, static_cast<int>(count), nullptr, 0);
    if (n <= 0) {
        return {};
    }
    std::u16string text(static_cast<size_t>(n), u'\0');
    MultiByteToWideChar(CP_OEMCP, 0, source, static_cast<int>(count), reinterpret_cast<wchar_t*>(text.data()),
                        n);
    return text;
}

} // namespace platform::win32
