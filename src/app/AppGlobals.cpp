#include "app/AppGlobals.h"

#include "app/AppTexts.h"

kernel::IWirelessKernel* g_pnKernel = nullptr;

std::u16string ProgramFolder;
std::u16string ProgramFileName;
std::u16string ProductName = u"KTA7700";
std::u16string MakerName = u"Orvelin";
std::u16string AppKey = u"Software\\Orvelin\\KTA7700";

int OsClass = kOsXp;
bool g_bWindows7 = false;
std::atomic<bool> DevicePresent{false};
std::atomic<bool> g_bZeroConfig{false};

std::vector<std::u16string> DefaultProfileNames;

namespace {
platform::Registry* s_registry = nullptr;
platform::SystemInfo* s_system = nullptr;
platform::FileSystem* s_files = nullptr;
} // namespace

platform::SystemInfo* AppSystem() {
    return s_system;
}

void SetAppSystem(platform::SystemInfo* system) {
    s_system = system;
}

platform::FileSystem* AppFiles() {
    return s_files;
}

void SetAppFiles(platform::FileSystem* files) {
    s_files = files;
}

platform::Registry* AppRegistry() {
    return s_registry;
}

void SetAppRegistry(platform::Registry* registry) {
    s_registry = registry;
}

void ResetAppGlobals() {
    g_pnKernel = nullptr;
    ProgramFolder.clear();
    ProgramFileName.clear();
    ProductName = u"KTA7700";
    MakerName = u"Orvelin";
    AppKey = u"Software\\Orvelin\\KTA7700";
    OsClass = kOsXp;
    g_bWindows7 = false;
    DevicePresent = false;
    g_bZeroConfig = false;
    DefaultProfileNames.clear();
    ResetLanguageTexts();
    s_registry = nullptr;
    s_system = nullptr;
    s_files = nullptr;
}
