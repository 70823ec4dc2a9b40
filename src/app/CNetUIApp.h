// The application object: everything between process start and the main window, the two watcher
// threads that let other processes close the program or bring its window up, and the orderly end.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "app/CommandLine.h"
#include "app/RequestWatchers.h"
#include "kernel/INotificationReceiver.h"
#include "kernel/IWirelessKernel.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/NamedObjects.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/ServiceManager.h"
#include "platform/SystemInfo.h"
#include "platform/UsbDevices.h"
#include "platform/WindowManager.h"
#include "ui/Dialog.h"
#include "ui/Poster.h"

constexpr std::u16string_view kSingleInstanceMutexName = u"KTVA7700V2_MUTEX";

// What the application object asks of the platform.
struct AppPlatform {
    platform::Registry& registry;
    platform::SystemInfo& system;
    platform::FileSystem& files;
    platform::NamedObjects& namedObjects;
    platform::ServiceManager& services;
    platform::Clock& clock;
    platform::Processes& processes;
    platform::WindowManager& windows;
    platform::UsbDevices& devices;
};

class CNetUIApp;

// The windows start-up shows. Each runs to its end before the call returns.
struct AppUi {
    std::function<int(std::u16string_view text, std::u16string_view caption, uint32_t style)> showMessage;
    std::function<int(ui::Dialog& dialog)> runModal;  // a top-level modal dialog
    std::function<int(CNetUIApp& app)> runMainWindow; // the main window, modally
};

// How start-up ended (tests and diagnostics).
enum class AppEnd {
    None,
    LibraryMissing,       // the service library could not be bound
    ProgramPathTooLong,   // the program's path does not fit MAX_PATH, so its folder is unknown
    AnotherCopyRunning,   // ended at once
    ProfileWindowMissing, // hand-over asked for, but the running window was not found
    CloseRequested,       // "-C"
    ServiceFailed,
    AdapterNotConfirmed, // insert-adapter dialog cancelled
    SecondCopy,          // went through start-up, opens no window
    MainWindowClosed,
};

class CNetUIApp final : public kernel::NotificationReceiverBase {
public:
    CNetUIApp(AppPlatform platform, AppUi ui, kernel::IWirelessKernel* boundKernel,
              std::u16string bindingFailure = {});
    ~CNetUIApp();
    CNetUIApp(const CNetUIApp&) = delete;
    CNetUIApp& operator=(const CNetUIApp&) = delete;

    // The whole start-up, the main window and the clean-up. `arguments` is the command line after the
    // program name. Returns the process exit code.
    int Run(std::u16string_view arguments);
    AppEnd ended() const { return m_end; }
    bool secondCopy() const { return m_secondCopy; }
    const CommandLineRequest& request() const { return m_request; }

    // The main window registers its Poster while it exists (an empty Poster when it goes); the watcher
    // threads post to it. Called on the user-interface thread, read by the watchers.
    void SetMainWindow(ui::Poster window);
    ui::Poster MainWindow() const;
    // Set while the main window runs a modal wizard or question: a show request then leaves it alone.
    void SetMainWindowBusy(bool busy) { m_mainWindowBusy = busy; }
    bool MainWindowBusy() const { return m_mainWindowBusy; }

    // The names the named objects get for this product.
    static std::u16string CloseRequestEventName(std::u16string_view productName);
    static std::u16string ShowRequestEventName(std::u16string_view productName);

    // kernel::INotificationReceiver
    void OnWKDeviceLoaded() override;

    // Stops and joins the watcher threads (also done by the clean-up and the destructor). User-interface
    // thread only, like the start.
    void StopWatchers();

private:
    int StartUp();
    bool ReadProgramIdentity(); // false: the program's path is too long to work with
    bool HandOverProfile();
    void RemoveForeignDriverFolder();
    bool FirstRun();
    void ShowUpgradeNotice();
    void StartWatchers();
    void CleanUp();

    AppPlatform m_platform;
    AppUi m_ui;
    kernel::IWirelessKernel* m_boundKernel;
    std::u16string m_bindingFailure;
    CommandLineRequest m_request;
    AppEnd m_end = AppEnd::None;
    bool m_secondCopy = false;
    bool m_receiverAdded = false;

    std::unique_ptr<platform::SyncObject> m_instanceMutex;
    std::unique_ptr<platform::SyncObject> m_programMutex;
    std::unique_ptr<platform::SyncObject> m_closeEvent;
    std::unique_ptr<platform::SyncObject> m_showEvent;

    mutable std::mutex m_mainWindowMutex;
    ui::Poster m_mainWindow;
    std::atomic<bool> m_mainWindowBusy{false};

    // Created, started and stopped on the user-interface thread only; declared after what they use.
    std::unique_ptr<CloseWatcher> m_closeWatcher;
    std::unique_ptr<ShowWatcher> m_showWatcher;
};
