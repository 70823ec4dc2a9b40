// Loading a library by name and finding an export in it.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

using LibraryHandle = uintptr_t;

class DynamicLibraries {
public:
    virtual ~DynamicLibraries() = default;
    virtual LibraryHandle Load(std::u16string_view name) = 0;                    // 0 on failure
    virtual void* FindExport(LibraryHandle library, const char* exportName) = 0; // null when absent
    virtual void Unload(LibraryHandle library) = 0;
};

} // namespace platform
