// The live update's services where the update library cannot exist (the native build): nothing loads,
// so the dialog only says the library is missing. Windows builds use win32/ProgramLiveUpdateServices.cpp.
#include "about/LiveUpdateServices.h"
#include "about/LoadedUpdateLibrary.h"

namespace about {

namespace {

class NoLibraries final : public platform::DynamicLibraries {
public:
    platform::LibraryHandle Load(std::u16string_view) override { return 0; }
    void* FindExport(platform::LibraryHandle, const char*) override { return nullptr; }
    void Unload(platform::LibraryHandle) override {}
};

class NoShell final : public platform::Shell {
public:
    intptr_t Open(std::u16string_view, std::u16string_view, std::u16string_view = {}) override { return 0; }
    intptr_t Run(std::u16string_view) override { return 0; }
};

class NoFiles final : public platform::FileSystem {
public:
    bool DeleteFolderTree(std::u16string_view) override { return false; }
    std::optional<std::vector<uint8_t>> ReadFile(std::u16string_view) override { return std::nullopt; }
    std::optional<platform::LocalDate> LastWriteDate(std::u16string_view) override { return std::nullopt; }
    bool WriteFile(std::u16string_view, const std::vector<uint8_t>&) override { return false; }
};

} // namespace

LiveUpdateServices& ProgramLiveUpdateServices() {
    static NoLibraries libraries;
    static NoShell shell;
    static platform::SystemWallClock calendar;
    static NoFiles files;
    static LiveUpdateServices services{
        [] { return LoadUpdateLibrary(libraries); },
        &shell,
        &calendar,
        RunDetachedWorker,
        [] { return false; },
        false, // no library to ask
        &files,
    };
    return services;
}

} // namespace about
