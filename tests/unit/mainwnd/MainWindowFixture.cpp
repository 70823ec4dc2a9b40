#include "MainWindowFixture.h"

#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "mainwnd/MainWndMessages.h"

namespace mainwndtest {

SettingsPageDouble::SettingsPageDouble()
    : CSettingsPage(IDD_DIALOG_PROFILE_SETTING, mainwnd::kMsgSettingsPageKey, u"settings.rtf",
                    IDC_RICHEDIT_PAGE_HELP) {}
NetworksPageDouble::NetworksPageDouble()
    : CNetworksPage(IDD_DIALOG_SITESURVEY, mainwnd::kMsgNetworksPageKey, u"networks.rtf",
                    IDC_RICHEDIT_PAGE_HELP) {}
StatisticsPageDouble::StatisticsPageDouble()
    : CStatisticsPage(IDD_DIALOG_STATISTICS, mainwnd::kMsgStatisticsPageKey, u"statistics.rtf",
                      IDC_RICHEDIT_PAGE_HELP) {}
AboutPageDouble::AboutPageDouble()
    : CAboutPage(IDD_DIALOG_ABOUTEX, mainwnd::kMsgAboutPageKey, u"About.rtf", IDC_RICHEDIT_PAGE_HELP) {}

void RegisterMainWindowTemplates() {
    using ui::ControlKind;
    fakes::RegisterTemplate(IDD_NETUI_DIALOG,
                            {
                                {IDC_TAB_MAIN, ControlKind::Tab, {9, 10, 501, 296}, true},
                                {IDC_BUTTON_HELP, ControlKind::Button, {9, 305, 126, 330}, true},
                                {IDC_BUTTON_FIND_NETWORK, ControlKind::Button, {132, 305, 252, 330}, true},
                                {IDC_BUTTON_FIRST_ACTION, ControlKind::Button, {249, 305, 330, 330}, true},
                                {IDC_BUTTON_SECOND_ACTION, ControlKind::Button, {334, 305, 415, 330}, true},
                                {IDC_BUTTON_CLOSE, ControlKind::Button, {420, 305, 501, 330}, true},
                                {IDC_STATIC_STATUS_AREA, ControlKind::Canvas, {9, 341, 501, 406}, false},
                            });
    for (int page :
         {IDD_DIALOG_PROFILE_SETTING, IDD_DIALOG_SITESURVEY, IDD_DIALOG_STATISTICS, IDD_DIALOG_ABOUTEX}) {
        fakes::RegisterTemplate(
            page, {
                      {IDC_STATIC_PAGE_FRAME, ControlKind::Button, {6, 3, 474, 247}, false},
                      {IDC_RICHEDIT_PAGE_HELP, ControlKind::RichText, {6, 254, 474, 368}, false},
                  });
    }
}

MainWindowTest::MainWindowTest() {
    ResetAppGlobals();
    ResetLanguage();
    base::IniFile::ClearCache();
    mainwnd::ResetLinkStatus();
    networks::ResetNetworkList();
    SetAppRegistry(&registry);
    SetAppSystem(&system);
    SetAppFiles(&files);
    AppKey = std::u16string(kAppKey);
    ProgramFolder = u"C:\\Program Files\\KTVA7700v2\\";
    OsClass = kOsXp;
    g_pnKernel = &kernel;
    profiles::ProfileStoreConfig config;
    config.kernel = &kernel;
    config.registry = &registry;
    config.appKey = std::u16string(kAppKey);
    profiles::ConfigureProfileStore(config);
    Store(u"SetupStatus", u"255");
    Store(u"AutoConfiguration", u"4");
    Store(u"ShowInternet", u"1");
    Store(u"ShowInternetMsgBox", u"1");
    Store(u"DisplaySelectUtility", u"1");
    Store(u"VIDPID", u"VID_1234&PID_9999");
    kernel.adapterState.present = 1;
    RegisterMainWindowTemplates();
}

MainWindowTest::~MainWindowTest() {
    if (host && !host->destroyed()) {
        host->Destroy();
    }
    host.reset();
    window.reset();
    fakes::ForgetTemplates();
    profiles::ResetProfileStore();
    mainwnd::ResetLinkStatus();
    networks::ResetNetworkList();
    ResetAppGlobals();
    ResetLanguage();
}

void MainWindowTest::Open(bool adapter) {
    MainWindowHooks hooks;
    hooks.startConnectWizard = [this] { ++wizardsStarted; };
    hooks.startHardwareButtonRun = [this] { ++hardwareRuns; };
    hooks.showHardwareCancel = [this] { ++hardwareCancels; };
    window = std::make_unique<CNetUIDlg>(nullptr, MainPages{settings, networks, statistics, about},
                                         MainWindowPlatform{clock, system, sound}, hooks);
    window->SetStartWorkerThreads(false);
    host = std::make_unique<fakes::FakeHost>(*window, ui::Rect{300, 200, 816, 620});
    host->notificationAreaFactory = [this] {
        auto area = std::make_unique<fakes::FakeNotificationArea>();
        tray = area.get();
        return area;
    };
    host->popupMenuFactory = [this] { return std::make_unique<ScriptedMenu>(menu); };
    host->Strict();
    if (adapter) {
        DevicePresent = true;
    }
    host->Open();
    if (adapter) {
        window->OnWKDeviceLoaded(); // what the library sends a receiver added while the adapter is there
    }
    Pump();
}

void MainWindowTest::PutProfile(std::u16string_view name, std::u16string_view network, int order) {
    std::u16string key = std::u16string(profiles::kProfileListKey) + u"\\" + std::u16string(name);
    registry.WriteString(platform::kHkeyLocalMachine, key, u"ConfigurationName", name);
    registry.WriteString(platform::kHkeyLocalMachine, key, u"NetworkName", network);
    std::u16string valueName = order < 10 ? u"0" : u"";
    valueName += base::Widen(std::to_string(order));
    registry.WriteString(platform::kHkeyLocalMachine, profiles::kProfileListKey, valueName, name);
}

void MainWindowTest::Connected(std::u16string_view ssid, uint32_t signal) {
    kernel.connection = {};
    base::CopyToField(kernel.connection.ssid, ssid);
    kernel.connection.bssid[0] = 0x00;
    kernel.connection.bssid[5] = 0x42;
    kernel.connection.signalQuality = signal;
    kernel.connection.flags = kernel::kConnectionAssociated;
    kernel.connection.txRate = 540;
    kernel.connection.channel = 6;
    kernel.ipInfo = {{192, 168, 1, 20}, {255, 255, 255, 0}, {192, 168, 1, 1}};
}

std::vector<std::u16string> MainWindowTest::KernelCalls(std::u16string_view prefix) {
    std::vector<std::u16string> found;
    for (const std::u16string& call : kernel.Calls()) {
        if (call.rfind(prefix, 0) == 0) {
            found.push_back(call);
        }
    }
    return found;
}

const platform::TrayIcon* MainWindowTest::TrayShown() const {
    if (tray == nullptr) {
        return nullptr;
    }
    auto found = tray->shown.begin();
    return found == tray->shown.end() ? nullptr : &found->second;
}

} // namespace mainwndtest
