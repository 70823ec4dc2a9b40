#include "platform/win32/WinAppPlatform.h"
#include "platform/win32/WinText.h"

namespace platform::win32 {

LibraryHandle WinDynamicLibraries::Load(std::u16string_view name) {
    std::u16string text(name);
    return reinterpret_cast<LibraryHandle>(LoadLibraryW(W(text)));
}

void* WinDynamicLibraries::FindExport(LibraryHandle library, const char* exportName) {
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(library), exportName));
}

void WinDynamicLibraries::Unload(LibraryHandle library) {
    FreeLibrary(reinterpret_cast<HMODULE>(library));
}

} // namespace platform::win32
