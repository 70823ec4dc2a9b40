#include "app/CNetUIApp.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/AppMessages.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
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
#include "profiles/ProfileStore.h"

namespace {

constexpr uint32_t kModulePathUnits = 260;
// Shown before the language is known: the language files are found through the program's folder.
constexpr std::u16string_view kProgramPathTooLongText =
    u"The program cannot run from this folder because its path is too long.\n"
    u"Install it in a folder with a shorter path.";
constexpr uint32_t kIdentityUnits = 256;
constexpr uint32_t kLibraryStartMs = 100; // the library's thread needs this before it takes receivers
constexpr uint32_t kAfterFirstRunMs = 1000;
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

bool CNetUIApp::ReadProgramIdentity() {
    std::u16string path = m_platform.system.ModulePath();
    // A path cut to fit would name a folder above the program's own, and the driver-folder clean-up
    // would then delete in that folder.
    if (path.size() >= kModulePathUnits) {
        return false;
    }
    size_t split = path.find_last_of(u"\\/");
    ProgramFolder = split == std::u16string::npos ? std::u16string() : path.substr(0, split + 1);
    ProgramFileName = base::AsciiLower(split == std::u16string::npos ? path : path.substr(split + 1));

    std::u16string productIni = ProgramFolder + u"Product.ini";
    ProductName = base::IniFile::GetString(productIni, u"Information", u"Name", u"KTA7700", kIdentityUnits);
    MakerName = base::IniFile::GetString(productIni, u"Information", u"Corp", u"Orvelin", kIdentityUnits);
    AppKey = u"Software\\" + MakerName + u"\\" + ProductName;
    return true;
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
        m_ui.showMessage(text, MessageBoxCaption(), ui::kBoxOk | ui::kBoxIconStop);
        return 1;
    }

    if (!ReadProgramIdentity()) {
        m_end = AppEnd::ProgramPathTooLong;
        m_ui.showMessage(kProgramPathTooLongText, MessageBoxCaption(), ui::kBoxOk | ui::kBoxIconStop);
        return 1;
    }

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
    LoadLanguageTexts();

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
        // After the removal, so that a removed default profile is not what the main window applies.
        // A second copy opens no window and must not write the current profile of the running one.
        profiles::LoadCurrentProfile();
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
    platform::WindowHandle running = m_platform.windows.FindTopWindow(MainWindowTitle());
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
    m_ui.showMessage(text, MessageBoxCaption(), ui::kBoxOk);
}

void CNetUIApp::OnWKDeviceLoaded() {
    if (g_pnKernel != nullptr) {
        kernel::AdapterState state{};
        g_pnKernel->ReadAdapterState(&state);
    }
    DevicePresent = true;
}

void CNetUIApp::SetMainWindow(ui::Poster window) {
    {
        std::lock_guard lock(m_mainWindowMutex);
        m_mainWindow = std::move(window);
    }
    // A request that came before the window (or while it was gone) waits for exactly this.
    if (m_closeWatcher) {
        m_closeWatcher->Wake();
    }
    if (m_showWatcher) {
        m_showWatcher->Wake();
    }
}

ui::Poster CNetUIApp::MainWindow() const {
    std::lock_guard lock(m_mainWindowMutex);
    return m_mainWindow;
}

void CNetUIApp::StartWatchers() {
    auto mainWindow = [this] { return MainWindow(); };
    if (m_closeEvent && !m_closeWatcher) {
        m_closeWatcher = std::make_unique<CloseWatcher>(m_platform.namedObjects, *m_closeEvent, mainWindow);
        m_closeWatcher->Start();
    }
    if (m_showEvent && !m_showWatcher) {
        m_showWatcher = std::make_unique<ShowWatcher>(m_platform.namedObjects, *m_showEvent, mainWindow,
                                                      m_platform.clock);
        m_showWatcher->Start();
    }
}

void CNetUIApp::StopWatchers() {
    // Each stop wakes its watcher's wait at once; neither watcher waits for this thread, so the joins
    // cannot dead-lock even though this thread pumps no messages here.
    if (m_closeWatcher) {
        m_closeWatcher->Stop();
    }
    if (m_showWatcher) {
        m_showWatcher->Stop();
    }
}

void CNetUIApp::CleanUp() {
    StopWatchers();
    // They hold the events closed below.
    m_closeWatcher.reset();
    m_showWatcher.reset();
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
