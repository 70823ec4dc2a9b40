#include "app/CNetUIApp.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/AppMessages.h"
#include "app/AppSettings.h"
#include "app/CInsterAdapterDlg.h"
#include "app/DefaultProfiles.h"
#include "app/Language.h"
#include "app/OsClass.h"
#include "app/ServiceStarter.h"
#include "base/Format.h"
#include "base/IniFile.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "kernel/StatusRecords.h"

namespace {

constexpr uint32_t kModulePathUnits = 260;
constexpr uint32_t kIdentityUnits = 256;
constexpr uint32_t kLibraryStartMs = 100; // the library's thread needs this before it takes receivers
constexpr uint32_t kAfterFirstRunMs = 1000;
constexpr uint32_t kWatchSliceMs = 250; // how quickly the watchers notice that they are stopped
constexpr uint32_t kShowSettleMs = 1000;
constexpr uint32_t kUpgradeNoticeUnits = 512;

bool FirstRunDutiesApply(int osClass) {
    return osClass == kOs2000 || osClass == kOsXp || osClass == kOs2003Wow64 || osClass == kOsVista ||
           osClass == kOsVista64;
}

} // namespace

CNetUIApp::CNetUIApp(AppPlatform platform, AppUi ui, kernel::IWirelessKernel* boundKernel,
                     std::u16string bindingFailure)
    : m_platform(platform), m_ui(std::move(ui)), m_boundKernel(boundKernel),
      m_bindingFailure(std::move(bindingFailure)) {}

CNetUIApp::~CNetUIApp() {
    StopWatchers();
}

std::u16string CNetUIApp::CloseRequestEventName(std::u16string_view productName) {
    return u"Global\\" + std::u16string(productName);
}

std::u16string CNetUIApp::ShowRequestEventName(std::u16string_view productName) {
    // The whole product name: an event named after its first letter only would be shared by every
    // product of the maker whose name starts alike.
    return u"Global\\KTA7X00_WaitToShow_" + std::u16string(productName);
}

int CNetUIApp::Run(std::u16string_view arguments) {
    m_request = ParseCommandLine(arguments);
    int exitCode = StartUp();
    CleanUp();
    return exitCode;
}

void CNetUIApp::ReadProgramIdentity() {
    std::u16string path = m_platform.system.ModulePath();
    if (path.size() >= kModulePathUnits) {
        path.resize(kModulePathUnits - 1);
    }
    size_t split = path.find_last_of(u"\\/");
    ProgramFolder = split == std::u16string::npos ? std::u16string() : path.substr(0, split + 1);
    ProgramFileName = base::AsciiLower(split == std::u16string::npos ? path : path.substr(split + 1));

    std::u16string productIni = ProgramFolder + u"Product.ini";
    ProductName = base::IniFile::GetString(productIni, u"Information", u"Name", u"KTA7700", kIdentityUnits);
    MakerName = base::IniFile::GetString(productIni, u"Information", u"Corp", u"Orvelin", kIdentityUnits);
    AppKey = u"Software\\" + MakerName + u"\\" + ProductName;
}

int CNetUIApp::StartUp() {
    SetAppRegistry(&m_platform.registry);
    SetAppSystem(&m_platform.system);
    SetAppFiles(&m_platform.files);

    // Nothing may call into an interface that is not there; stop before the first call, and say why.
    g_pnKernel = m_boundKernel;
    if (g_pnKernel == nullptr) {
        m_end = AppEnd::LibraryMissing;
        std::u16string text = m_bindingFailure.empty() ? u"The wireless service library could not be loaded."
                                                       : m_bindingFailure;
        m_ui.showMessage(text, MessageBoxCaption, ui::kBoxOk | ui::kBoxIconStop);
        return 1;
    }

    ReadProgramIdentity();

    m_showEvent =
        m_platform.namedObjects.CreateNamedEvent(ShowRequestEventName(ProductName), true, false).object;
    platform::NamedObject instance = m_platform.namedObjects.CreateNamedMutex(kSingleInstanceMutexName, true);
    m_instanceMutex = std::move(instance.object);

    if (instance.alreadyExisted) {
        if (!m_request.setProfile) {
            if (m_request.close) {
                // "-C" is meant for the copy that runs; it must reach it before this copy leaves.
                platform::NamedObject close =
                    m_platform.namedObjects.CreateNamedEvent(CloseRequestEventName(ProductName), true, false);
                if (close.object) {
                    close.object->Set();
                }
                m_end = AppEnd::CloseRequested;
                return 0;
            }
            m_end = AppEnd::AnotherCopyRunning;
            return 0;
        }
        if (!m_request.rest.empty() && !HandOverProfile()) {
            m_end = AppEnd::ProfileWindowMissing;
            return 0;
        }
    }

    OsClass = ClassifyOs(m_platform.system.Version(), m_platform.system.IsWow64());
    g_bWindows7 = IsWindows7(m_platform.system.Version());
    m_closeEvent =
        m_platform.namedObjects.CreateNamedEvent(CloseRequestEventName(ProductName), true, false).object;

    if (m_request.close) {
        if (m_closeEvent) {
            m_closeEvent->Set();
        }
        m_end = AppEnd::CloseRequested;
        return 0;
    }

    StartWatchers();
    RemoveForeignDriverFolder();

    bool manage = ServiceManageMode(OsClass, m_platform.system.IsAdministrator());
    if (!StartWirelessService(m_platform.services, m_platform.clock, manage)) {
        m_ui.showMessage(u"Failed to run Service", u"Message", ui::kBoxOk);
        m_end = AppEnd::ServiceFailed;
        return 0;
    }

    SelectLanguage();
    MessageBoxCaption = LangString(u"MAIN", u"MessageBoxTitle", u"Orvelin Wireless Adapter");
    AnyNetworkText = LangString(u"MAIN", u"Def_Profile_Any", u"Any (First available network)");
    NewProfileText = LangString(u"MAIN", u"Def_NewProfile", u"New profile");
    EnterProfileNameText =
        LangString(u"MAIN", u"Def_ConnectWizardNewProfile", u"<Enter a Profile name here>");

    platform::NamedObject program = m_platform.namedObjects.CreateNamedMutex(ProgramFileName, false);
    m_programMutex = std::move(program.object);
    m_secondCopy = program.alreadyExisted;

    g_pnKernel->Start();
    m_platform.clock.Sleep(kLibraryStartMs);
    g_pnKernel->AddReceiver(this);
    m_receiverAdded = true;

    DefaultProfileNames = CollectDefaultProfileNames();
    OpenProfileStore();
    if (!m_secondCopy) {
        RemoveDefaultProfiles(DefaultProfileNames);
    }

    if (!FirstRun()) {
        m_end = AppEnd::AdapterNotConfirmed;
        return 0;
    }
    m_platform.clock.Sleep(kAfterFirstRunMs);
    ShowUpgradeNotice();

    if (m_secondCopy) {
        m_end = AppEnd::SecondCopy;
        return 0;
    }
    if (m_ui.runMainWindow) {
        m_ui.runMainWindow(*this);
    }
    m_end = AppEnd::MainWindowClosed;
    return 0;
}

bool CNetUIApp::HandOverProfile() {
    SelectLanguage();
    std::u16string title = LangString(u"MAIN", u"MainTitle", u"Orvelin KTVA7700v2 Link Warden");
    platform::WindowHandle running = m_platform.windows.FindTopWindow(title);
    if (running == 0) {
        return false;
    }
    SetAppValue(appvalue::kChangeProfile, m_request.rest);
    m_platform.windows.Post(running, kMsgChangeProfile, 0, 0);
    return true;
}

void CNetUIApp::RemoveForeignDriverFolder() {
    if (OsClass != kOsVista && OsClass != kOsVista64) {
        return;
    }
    bool wide = OsClass == kOsVista64;
    std::u16string folder = ProgramFolder;
    if (g_bWindows7) {
        folder += wide ? u"Driver\\Vista64" : u"Driver\\Vista";
    } else {
        folder += wide ? u"Driver\\WIN764" : u"Driver\\WIN7";
    }
    m_platform.files.DeleteFolderTree(folder);
}

bool CNetUIApp::FirstRun() {
    if (AppValue(appvalue::kFirstRun) == u"255") {
        return true;
    }
    if (FirstRunDutiesApply(OsClass)) {
        if (!DevicePresent && !m_secondCopy) {
            CInsterAdapterDlg dialog(m_platform.devices, m_platform.windows, m_platform.clock);
            if (m_ui.runModal(dialog) != ui::kIdOk) {
                // "FirstRun" stays unwritten, so the dialog comes again at the next start.
                return false;
            }
        }
        base::Trace(u"Trigger DrvSeed");
        std::u16string tool = m_platform.system.IsWow64() ? base::Format(u"%sDrvSeed64.exe", {ProgramFolder})
                                                          : base::Format(u"%sDrvSeed.exe", {ProgramFolder});
        m_platform.processes.StartHidden(u"open", tool, u"EU -0", u"");
    }
    SetAppValue(appvalue::kFirstRun, u"255");
    return true;
}

void CNetUIApp::ShowUpgradeNotice() {
    if (AppValue(appvalue::kUpgrade) != u"1") {
        return;
    }
    SetAppValue(appvalue::kUpgrade, u"0");
    std::u16string text =
        LangString(u"MAIN", u"Msg_0206", u"Reinstall/Upgrade complete.", kUpgradeNoticeUnits);
    m_ui.showMessage(text, MessageBoxCaption, ui::kBoxOk);
}

void CNetUIApp::OnWKDeviceLoaded() {
    if (g_pnKernel != nullptr) {
        kernel::AdapterState state{};
        g_pnKernel->ReadAdapterState(&state);
    }
    DevicePresent = true;
}

void CNetUIApp::StartWatchers() {
    {
        std::lock_guard lock(m_stopMutex);
        m_stopWatchers = false;
    }
    if (m_closeEvent && !m_closeWatcher.joinable()) {
        m_closeWatcher = std::thread([this] { CloseWatcher(); });
    }
    if (m_showEvent && !m_showWatcher.joinable()) {
        m_showWatcher = std::thread([this] { ShowWatcher(); });
    }
}

bool CNetUIApp::PauseWatcher(uint32_t milliseconds) {
    std::unique_lock lock(m_stopMutex);
    return !m_stopChanged.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                   [this] { return m_stopWatchers; });
}

void CNetUIApp::CloseWatcher() {
    for (;;) {
        {
            std::lock_guard lock(m_stopMutex);
            if (m_stopWatchers) {
                return;
            }
        }
        platform::WaitResult result = m_closeEvent->Wait(kWatchSliceMs);
        if (result == platform::WaitResult::Failed) {
            return;
        }
        if (result == platform::WaitResult::TimedOut) {
            continue;
        }
        platform::WindowHandle window = m_mainWindow;
        if (window != 0) {
            // The event stays set (the exit sequence ends the process); one request is enough.
            m_platform.windows.Post(window, kMsgExitProgram, 0, 0);
            return;
        }
        // Set before the main window exists: keep the request until there is a window to close.
        if (!PauseWatcher(kWatchSliceMs)) {
            return;
        }
    }
}

void CNetUIApp::ShowWatcher() {
    for (;;) {
        {
            std::lock_guard lock(m_stopMutex);
            if (m_stopWatchers) {
                return;
            }
        }
        platform::WaitResult result = m_showEvent->Wait(kWatchSliceMs);
        if (result == platform::WaitResult::Failed) {
            return;
        }
        if (result == platform::WaitResult::TimedOut) {
            continue;
        }
        platform::WindowHandle window = m_mainWindow;
        if (window == 0) {
            if (!PauseWatcher(kWatchSliceMs)) {
                return;
            }
            continue;
        }
        base::Trace(u"ShowWindow - 1");
        if (!m_mainWindowBusy) {
            m_platform.windows.ShowNormal(window);
        }
        if (!PauseWatcher(kShowSettleMs)) {
            return;
        }
        m_showEvent->Reset();
    }
}

void CNetUIApp::StopWatchers() {
    {
        std::lock_guard lock(m_stopMutex);
        m_stopWatchers = true;
    }
    m_stopChanged.notify_all();
    if (m_closeWatcher.joinable()) {
        m_closeWatcher.join();
    }
    if (m_showWatcher.joinable()) {
        m_showWatcher.join();
    }
}

void CNetUIApp::CleanUp() {
    StopWatchers();
    // The library lives on until the binding is released; no event may reach this object after it.
    if (m_receiverAdded && m_boundKernel != nullptr) {
        m_boundKernel->RemoveReceiver(this);
        m_receiverAdded = false;
    }
    // The binding unloads the library when the process ends; nothing may reach it through here after.
    g_pnKernel = nullptr;
    m_programMutex.reset();
    m_instanceMutex.reset();
    m_closeEvent.reset();
    m_showEvent.reset();
}
