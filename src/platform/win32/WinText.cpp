#include "platform/win32/WinText.h"

namespace platform::win32 {

std::u16string ModuleFolder(HMODULE module) {
    wchar_t path[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
    std::u16string text = U(path, n);
    size_t slash = text.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : text.substr(0, slash + 1);
}

} // namespace platform::win32
