// Windows implementations of the platform interfaces that start-up, the insert-adapter dialog and the
// mark-up links use.
#pragma once

#include "platform/DynamicLibrary.h"
#include "platform/FileSystem.h"
#include "platform/ServiceManager.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "platform/UsbDevices.h"
#include "platform/WindowManager.h"

namespace platform::win32 {

class WinServiceManager final : public ServiceManager {
public:
    std::unique_ptr<Service> Open(std::u16string_view name, bool manage) override;
};

class WinSystemInfo final : public SystemInfo {
public:
    OsVersion Version() override;
    bool IsWow64() override;
    bool IsAdministrator() override;
    std::u16string ModulePath() override;
    std::u16string CommandLine() override;
    void SetThreadLocale(uint32_t localeId) override;
    bool SetThreadUiLanguage(uint32_t languageId) override;
    void LowerCurrentThreadPriority() override;
    uint32_t ActiveConsoleSession() override;
};

class WinFileSystem final : public FileSystem {
public:
    bool DeleteFolderTree(std::u16string_view folder) override;
    std::optional<std::vector<uint8_t>> ReadFile(std::u16string_view path) override;
    std::optional<LocalDate> LastWriteDate(std::u16string_view path) override;
    bool WriteFile(std::u16string_view path, const std::vector<uint8_t>& bytes) override;
};

class WinUsbDevices final : public UsbDevices {
public:
    std::vector<UsbDevice> Present() override;
};

class WinWindowManager final : public WindowManager {
public:
    WindowHandle FindTopWindow(std::u16string_view caption) override;
    bool Exists(WindowHandle window) override;
    bool Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    intptr_t Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void ShowNormal(WindowHandle window) override;
    void ShowTopMost(WindowHandle window) override;
    void CentreAndBringToFront(WindowHandle window) override;
    void UseWhiteBackground(WindowHandle window) override;
    WindowHandle LastActivePopup(WindowHandle window) override;
};

class WinDynamicLibraries final : public DynamicLibraries {
public:
    LibraryHandle Load(std::u16string_view name) override;
    void* FindExport(LibraryHandle library, const char* exportName) override;
    void Unload(LibraryHandle library) override;
};

class WinShell final : public Shell {
public:
    intptr_t Open(std::u16string_view verb, std::u16string_view target,
                  std::u16string_view parameters = {}) override;
    intptr_t Run(std::u16string_view commandLine) override;
};

} // namespace platform::win32
