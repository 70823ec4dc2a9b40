// Every dialog and page of the program in each of the 24 languages: the real dialog classes create
// their windows from the program's templates and set their texts from the source tree's language
// files, as they do for a user; then every static text, button, check box, radio button and group
// box is measured with its own font against its control. A text that does not fit fails with the
// language, the dialog, the control and both sizes.
//
// The main window is created once and switched from language to language the way the About page
// does it, so the language change itself is covered. With KT_DOC_SCREENSHOTS_DIR set, the Networks tab
// and the connect wizard's network list are saved as PNG for the languages of the documentation.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TextFit.h"
#include "about/AboutRules.h"
#include "about/CAboutExDlg.h"
#include "about/CAboutExLiveUpdateDlg.h"
#include "about/CAboutExSysinfoListDlg.h"
#include "about/CAutoUpdateMsgDlg.h"
#include "app/AppGlobals.h"
#include "app/AppTexts.h"
#include "app/CDetectDlg.h"
#include "app/CInsterAdapterDlg.h"
#include "app/CSysMessageYesDlg.h"
#include "app/Language.h"
#include "base/Text.h"
#include "controls/win32/CMarkupStatic.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeRegistry.h"
#include "mainwnd/CConnectInternetMsgDlg.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/CQueryTabCtrl.h"
#include "mainwnd/CSelectWizardMsgDlg.h"
#include "networks/CSiteSurveyDlg.h"
#include "networks/CStatisticsDlg.h"
#include "platform/win32/WinAnsiCodePage.h"
#include "platform/win32/WinAppPlatform.h"
#include "platform/win32/WinClock.h"
#include "platform/win32/WinRandomSource.h"
#include "platform/win32/WinSound.h"
#include "profiles/CProFileSettingDlg.h"
#include "profiles/ProfileStore.h"
#include "profiles/settings/CModifyProfileDlg.h"
#include "profiles/settings/CProFileSettingProrityDlg.h"
#include "profiles/settings/CProfileAdHocSettingDlg.h"
#include "profiles/settings/CProfileAdvanSettingDlg.h"
#include "profiles/settings/CTkipImportamt.h"
#include "profiles/settings/CValidateSettingDlg.h"
#include "res/AboutIds.h"
#include "res/AboutReportIds.h"
#include "res/AdvancedSettingsIds.h"
#include "res/AppIds.h"
#include "res/LiveUpdateIds.h"
#include "res/MainWndIds.h"
#include "res/ProfileDialogsIds.h"
#include "res/WizardFrameIds.h"
#include "res/WpsIds.h"
#include "res/WpsPinIds.h"
#include "res/WpsPushButtonIds.h"
#include "ui/win32/DialogWindow.h"
#include "wine/ProgramUnderTest.h"
#include "wine/networks_e2e/PngCapture.h"
#include "wizard/CConnectWizardFileError.h"
#include "wizard/CConnectWizardHidden.h"
#include "wizard/CConnectWizardInputHex.h"
#include "wizard/CConnectWizardInputPhrase.h"
#include "wizard/CConnectWizardMessagePSK.h"
#include "wizard/CConnectWizardMessageWeb.h"
#include "wizard/CConnectWizardPleaseWait.h"
#include "wizard/CConnectWizardSaveProfile.h"
#include "wizard/CConnectWizardSecurityPSK.h"
#include "wizard/CConnectWizardSecurityWeb.h"
#include "wizard/CConnectWizardSiteSurveyEx.h"
#include "wizard/CConnectWizardWPSView.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"
#include "wps/CConnectWizardMessageExpressWPS.h"
#include "wps/CConnectWizardMessageWPS.h"
#include "wps/CConnectWizardWPSCheck.h"
#include "wps/CConnectWizardWPSErrorFail.h"
#include "wps/CConnectWizardWPSErrorMessage.h"
#include "wps/CConnectWizardWPSErrorTimeout.h"
#include "wps/CConnectWizardWPSExpressCheck.h"
#include "wps/CConnectWizardWPSHelpforAP.h"
#include "wps/CConnectWizardWPSPINProcess.h"
#include "wps/CConnectWizardWPSPushButtonProcess.h"
#include "wps/CConnectWizardWPSRetry.h"
#include "wps/CConnectWizardWPSSelPIN.h"
#include "wps/CConnectWizardWPSSelectPsuhButton.h"
#include "wps/CHWPBCCancelDlg.h"
#include "wps/CHWPBCDetect.h"
#include "wps/WpsErrorRules.h"
#include "wps/WpsState.h"

namespace {

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::string Utf8(std::u16string_view text) {
    return Utf8(std::wstring(text.begin(), text.end()));
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::string FolderOf(int index) {
    return Utf8(LanguageRowAt(index)->folder);
}

// The services a dialog reaches while it opens: an adapter that is there with a few networks, the
// registry in memory, the update library missing.
class NoUpdateLibrary final : public about::UpdateLibrary {
public:
    bool Loaded() const override { return false; }
    int IsNewUpdateAvailable(const about::UpdateRequest&, std::u16string&) override { return 0; }
    int GetUpdateFromServer(const about::UpdateRequest&, std::u16string&, std::u16string&) override {
        return 0;
    }
    int GetDownloadFileInfo(std::u16string&, std::u16string&, uint32_t&) override { return 0; }
    int GetDownloadProgressInfo(about::UpdateProgress&) override { return 0; }
};

class FixedCalendar final : public platform::WallClock {
public:
    int64_t SecondsSince1970() override { return 1'700'000'000; }
};

kernel::BssEntry Network(const char16_t* ssid, uint8_t id, uint32_t security, uint32_t capabilities,
                         uint16_t signal) {
    kernel::BssEntry entry{};
    for (size_t i = 0; ssid[i] != 0 && i < 32; ++i) {
        entry.ssid[i] = ssid[i];
    }
    entry.bssid[0] = 0x00;
    entry.bssid[1] = 0x1A;
    entry.bssid[5] = id;
    entry.channel = static_cast<uint16_t>(1 + id % 11);
    entry.radioModes = kernel::kRadio80211b | kernel::kRadio80211g;
    entry.security = security;
    entry.capabilities = capabilities;
    entry.signal = signal;
    return entry;
}

struct World {
    fakes::FakeRegistry registry;
    fakes::FakeKernel kernel{registry};
    platform::win32::WinClock clock;
    platform::win32::WinRandomSource random;
    platform::win32::WinSystemInfo system;
    platform::win32::WinSound sound;
    platform::win32::WinAnsiCodePage codePage;
    platform::win32::WinUsbDevices devices;
    platform::win32::WinWindowManager windows;
    FixedCalendar calendar;
    about::LiveUpdateServices updates;
    kernel::WirelessProfile record{};

    World() {
        kernel.networks = {
            Network(u"HomeNetwork", 1, kernel::kBssWpa2Psk, kernel::kCap80211n | kernel::kCapWps, 92),
            Network(u"Office-5G", 2, kernel::kBssWpaPsk | kernel::kBssWpa2Psk, kernel::kCap80211n, 74),
            Network(u"Cafe Guest", 3, kernel::kBssOpen, 0, 58),
            Network(u"Library", 4, kernel::kBssWep, 0, 41)};
        // Connected to the first of them, so the status area shows every line.
        kernel::ConnectionStatus& link = kernel.connection;
        std::copy(kernel.networks[0].ssid, kernel.networks[0].ssid + 34, link.ssid);
        std::copy(kernel.networks[0].bssid, kernel.networks[0].bssid + 6, link.bssid);
        link.signalQuality = 92;
        link.flags = kernel::kConnectionAssociated;
        link.txRate = 1300;
        link.rxRate = 1300;
        link.channel = kernel.networks[0].channel;
        kernel.ipInfo = {{192, 168, 1, 20}, {255, 255, 255, 0}, {192, 168, 1, 1}};
        updates.openLibrary = [] { return std::make_shared<NoUpdateLibrary>(); };
        updates.calendar = &calendar;
        updates.runWorker = [](std::function<void()>) {};
        updates.internetReachableNow = [] { return false; };
        updates.backgroundThread = false;
    }
};

World& TheWorld() {
    static World* world = new World; // outlives every window, which may still call it while closing
    return *world;
}

void SelectLanguageIndex(int index) {
    World& world = TheWorld();
    world.registry.WriteString(platform::kHkeyLocalMachine, AppKey, u"Language",
                               base::Widen(std::to_string(index)));
    SelectLanguage();
    LoadLanguageTexts();
}

template <typename T, typename... Args> std::function<std::unique_ptr<ui::Dialog>()> Make(Args&&... args) {
    return [=] { return std::unique_ptr<ui::Dialog>(new T(args...)); };
}

// A text a control shows only in a later state (a status line), measured against that control.
struct LaterText {
    int id;
    std::wstring text;
};

// One dialog of the program: its template and how the program makes its class. A page with several
// states can be brought to one of them once open (a choice clicked as the user clicks it), have the
// texts of its later states measured too, and put back the globals its state needed.
struct DialogCase {
    const char* name;
    int templateId;
    std::function<std::unique_ptr<ui::Dialog>()> make;
    std::function<void(HWND)> state = {};
    std::function<std::vector<LaterText>()> laterTexts = {};
    std::function<void()> after = {};
};

void Click(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring PageTextW(std::u16string_view section, std::u16string_view key, std::u16string_view fallback) {
    return ToWide(wizard::PageText(section, key, fallback));
}

// The status lines of a WPS exchange after its first one (which the page shows at once): the
// exchange of settings and the connection to the AP by name.
std::vector<LaterText> ExchangeStatusLines(int control, std::u16string_view section,
                                           std::u16string_view exchangingKey,
                                           std::u16string_view connectKey) {
    return {{control, PageTextW(section, exchangingKey, u"Exchange Security Setting")},
            {control, PageTextW(section, connectKey, u"Try to connect to") + L" HomeNetwork"}};
}

// The APs a failed exchange names, as the service lists them.
void NameFailedAps() {
    const World& w = TheWorld();
    WpsApList = {};
    for (size_t i = 0; i < w.kernel.networks.size() && i < wps::kShownApLimit; ++i) {
        WpsApList[i] = w.kernel.networks[i];
    }
    WpsApCount = wps::kShownApLimit;
}

void SetPin(std::u16string_view pin) {
    WpsPin = {};
    std::copy(pin.begin(), pin.end(), WpsPin.begin());
}

DialogCase WpsErrorKindCase(const char* name, int kind) {
    return {name, IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE, [kind] {
                WpsErrorKind = kind;
                return std::make_unique<CConnectWizardWPSErrorMessage>();
            }};
}

// The WPS pages and notices, in each state that shows other texts.
std::vector<DialogCase> WpsDialogs() {
    World& w = TheWorld();
    constexpr std::u16string_view kPushButton = u"IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS";
    constexpr std::u16string_view kAdapterPin = u"IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS";
    constexpr std::u16string_view kApPin = u"IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS";
    auto endExchange = [] {
        WpsRunning = false;
        WpsMode = false;
        HwButtonPressed = false;
    };
    return {
        {"IDD_DLG_CONNECTWIZARD_WPS_CHECK", IDD_DLG_CONNECTWIZARD_WPS_CHECK, Make<CConnectWizardWPSCheck>()},
        {"IDD_DLG_CONNECTWIZARD_WPS_EXPRESS_CHECK", IDD_DLG_CONNECTWIZARD_WPS_EXPRESS_CHECK,
         Make<CConnectWizardWPSExpressCheck>()},
        {"IDD_DLG_CONNECTWIZARD_WPS_SELPUSHBUTTON", IDD_DLG_CONNECTWIZARD_WPS_SELPUSHBUTTON,
         Make<CConnectWizardWPSSelectPsuhButton>()},
        {"IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS (step 1)",
         IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS,
         [&w] { return std::make_unique<CConnectWizardWPSPushButtonProcess>(w.clock); },
         {},
         {},
         endExchange},
        {"IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS (step 2)",
         IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS,
         [&w] { return std::make_unique<CConnectWizardWPSPushButtonProcess>(w.clock); },
         [](HWND page) { Click(page, IDC_WPSPB_BUTTON); },
         [=] {
             std::vector<LaterText> texts =
                 ExchangeStatusLines(IDC_WPSPB_STATUS, kPushButton, u"240A0", u"240B0");
             // The step line of an exchange the adapter's button or a retry started.
             std::wstring single = PageTextW(kPushButton, u"24012", u"");
             if (single.rfind(L"\n", 0) != 0 && single.rfind(L"\r\n", 0) != 0) {
                 single = L"\r\n" + single;
             }
             texts.push_back({IDC_WPSPB_STEP, single});
             return texts;
         },
         endExchange},
        {"IDD_DLG_CONNECTWINZARD_WPS_SELPINSETUP (AP PIN)", IDD_DLG_CONNECTWINZARD_WPS_SELPINSETUP,
         Make<CConnectWizardWPSSelPIN>()},
        {"IDD_DLG_CONNECTWINZARD_WPS_SELPINSETUP (adapter PIN)", IDD_DLG_CONNECTWINZARD_WPS_SELPINSETUP,
         Make<CConnectWizardWPSSelPIN>(), [](HWND page) { Click(page, IDC_WPSPIN_ADAPTERPIN); }},
        {"IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS",
         IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS,
         [&w] {
             SetPin(u"12345670");
             return std::make_unique<CConnectWizardWPSPINProcess>(
                 CConnectWizardWPSPINProcess::kModeAdapterPin, w.random);
         },
         {},
         [=] { return ExchangeStatusLines(IDC_WPSPINPROC_STATUS, kAdapterPin, u"25070", u"25080"); },
         endExchange},
        {"IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS",
         IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS,
         [&w] {
             SetPin(u"12345670");
             return std::make_unique<CConnectWizardWPSPINProcess>(CConnectWizardWPSPINProcess::kModeApPin,
                                                                  w.random);
         },
         {},
         [=] { return ExchangeStatusLines(IDC_WPSPINPROC_STATUS, kApPin, u"26070", u"26080"); },
         endExchange},
        WpsErrorKindCase("IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE (push-button timeout)",
                         wps::kErrorPushButtonTimeout),
        WpsErrorKindCase("IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE (PIN timeout)", wps::kErrorPinTimeout),
        WpsErrorKindCase("IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE (cancelled)", wps::kErrorCancelled),
        WpsErrorKindCase("IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE (wrong AP PIN)", wps::kErrorWrongApPin),
        WpsErrorKindCase("IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE (overlap)", wps::kErrorOverlap),
        {"IDD_DLG_CONNECTWIZARD_WPS_ERROR_FAIL", IDD_DLG_CONNECTWIZARD_WPS_ERROR_FAIL,
         [] {
             NameFailedAps();
             return std::make_unique<CConnectWizardWPSErrorFail>();
         }},
        {"IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT (before the PIN choice)",
         IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT,
         [] {
             NameFailedAps();
             return std::make_unique<CConnectWizardWPSErrorTimeout>(true);
         }},
        {"IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT (after the PIN choice)",
         IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT,
         [] {
             NameFailedAps();
             return std::make_unique<CConnectWizardWPSErrorTimeout>(false);
         }},
        {"IDD_DLG_CONNECTWIZARD_WPS_RETRY_MESSAGE", IDD_DLG_CONNECTWIZARD_WPS_RETRY_MESSAGE,
         Make<CConnectWizardWPSRetry>()},
        {"IDD_DLG_CONNECTWIZARD_MESSAGE_WPS", IDD_DLG_CONNECTWIZARD_MESSAGE_WPS,
         Make<CConnectWizardMessageWPS>()},
        {"IDD_DLG_CONNECTWIZARD_MESSAGE_EXPRESS_WPS", IDD_DLG_CONNECTWIZARD_MESSAGE_EXPRESS_WPS,
         Make<CConnectWizardMessageExpressWPS>(false)},
        {"IDD_DLG_CONNECTWIZARD_MESSAGE_WPSHELP_FOR_AP", IDD_DLG_CONNECTWIZARD_MESSAGE_WPSHELP_FOR_AP,
         Make<CConnectWizardWPSHelpforAP>()},
        {"IDD_DIALOG_MESSAGE_DETECT_HWPBC", IDD_DIALOG_MESSAGE_DETECT_HWPBC, Make<CHWPBCDetect>()},
        {"IDD_DIALOG_MESSAGE_HWPBC_CANCEL", IDD_DIALOG_MESSAGE_HWPBC_CANCEL, Make<CHWPBCCancelDlg>()},
    };
}

// The program's own message dialog with a message as a page of the Settings or Networks tab shows it
// (with German only); null for the other languages, whose messages go to system message boxes.
std::unique_ptr<ui::Dialog> GermanMessage(const char16_t* key, int layoutVariant) {
    if (LanguageIndex() != 1) {
        return nullptr;
    }
    auto dialog = std::make_unique<CSysMessageYesDlg>();
    dialog->m_message = LangString(u"MAIN", key, u"", 2048);
    dialog->m_layoutFlag = 1;
    dialog->m_layoutVariant = layoutVariant;
    return dialog;
}

std::vector<DialogCase> Dialogs() {
    World& w = TheWorld();
    std::vector<DialogCase> dialogs = {
        // German only: the messages the Settings and Networks pages show in the program's own dialog.
        {"IDD_DIALOG_SYSMESSAGE_YES (Msg_0201)", IDD_DIALOG_SYSMESSAGE_YES,
         [] { return GermanMessage(u"Msg_0201", 0); }},
        {"IDD_DIALOG_SYSMESSAGE_YES (Msg_0203)", IDD_DIALOG_SYSMESSAGE_YES,
         [] { return GermanMessage(u"Msg_0203", 1); }},
        {"IDD_DIALOG_SYSMESSAGE_YES (Msg_0205)", IDD_DIALOG_SYSMESSAGE_YES,
         [] { return GermanMessage(u"Msg_0205", 0); }},
        {"IDD_DIALOG_SYSMESSAGE_YES (Msg_0301)", IDD_DIALOG_SYSMESSAGE_YES,
         [] { return GermanMessage(u"Msg_0301", 0); }},
        {"IDD_DIALOG_INSTER_ADAPTER", IDD_DIALOG_INSTER_ADAPTER,
         [&w] { return std::make_unique<CInsterAdapterDlg>(w.devices, w.windows, w.clock); }},
        {"IDD_DIALOG_MESSAGE_DETECT", IDD_DIALOG_MESSAGE_DETECT, Make<CDetectDlg>()},
        {"IDD_DIALOG_MESSAGE_SELECT_WIZARD", IDD_DIALOG_MESSAGE_SELECT_WIZARD, Make<CSelectWizardMsgDlg>()},
        {"IDD_DIALOG_MESSAGE_CONNECT_INTERNET", IDD_DIALOG_MESSAGE_CONNECT_INTERNET,
         Make<CConnectInternetMsgDlg>()},
        {"IDD_DIALOG_PROFILE_SETTING_PRIORITY", IDD_DIALOG_PROFILE_SETTING_PRIORITY,
         Make<CProFileSettingProrityDlg>()},
        {"IDD_DIALOG_MODIFY_PROFILE", IDD_DIALOG_MODIFY_PROFILE, Make<CModifyProfileDlg>()},
        {"IDD_DIALOG_MESSAGE_TKIP_IMPORTAMT", IDD_DIALOG_MESSAGE_TKIP_IMPORTAMT, Make<CTkipImportamt>()},
        {"IDD_DLG_VALIDATE_SETTING", IDD_DLG_VALIDATE_SETTING, Make<CValidateSettingDlg>()},
        {"IDD_DIALOG_PROFILE_ADVANCED_SETTING", IDD_DIALOG_PROFILE_ADVANCED_SETTING,
         [&w] { return std::make_unique<CProfileAdvanSettingDlg>(w.record, false, &w.kernel); }},
        {"IDD_DIALOG_PROFILE_ADHOC_SETTING", IDD_DIALOG_PROFILE_ADHOC_SETTING,
         [&w] { return std::make_unique<CProfileAdHocSettingDlg>(w.record, &w.kernel); }},
        {"IDD_DIALOG_ABOUT_LIVE_UPDATE", IDD_DIALOG_ABOUT_LIVE_UPDATE,
         [&w] { return std::make_unique<CAboutExLiveUpdateDlg>(w.updates); }},
        {"IDD_DIALOG_MESSAGE_AUTOUPDATE", IDD_DIALOG_MESSAGE_AUTOUPDATE, Make<CAutoUpdateMsgDlg>()},
        {"IDD_DIALOG_ABOUT_SYSINFO_LIST", IDD_DIALOG_ABOUT_SYSINFO_LIST,
         [] {
             return std::make_unique<CAboutExSysinfoListDlg>(about::ReportPlatform{}, u"KTVA7700v2 1.0.0.1");
         }},
        {"IDD_DLG_CONNECTWIZARD_PLEASEWAIT", IDD_DLG_CONNECTWIZARD_PLEASEWAIT,
         Make<CConnectWizardPleaseWait>()},
        {"IDD_DLG_CONNECTWIZARD_SITESURVEY_EX", IDD_DLG_CONNECTWIZARD_SITESURVEY_EX,
         Make<CConnectWizardSiteSurveyEx>()},
        {"IDD_DLG_CONNECTWIZARD_MESSAGE_WEB", IDD_DLG_CONNECTWIZARD_MESSAGE_WEB,
         Make<CConnectWizardMessageWeb>()},
        {"IDD_DLG_CONNECTWIZARD_MESSAGE_PSK (WPA-PSK)", IDD_DLG_CONNECTWIZARD_MESSAGE_PSK,
         [] {
             WizardProfile.block.securityFlags = kernel::kBssWpaPsk;
             return std::make_unique<CConnectWizardMessagePSK>();
         }},
        {"IDD_DLG_CONNECTWIZARD_MESSAGE_PSK (WPA2-PSK)", IDD_DLG_CONNECTWIZARD_MESSAGE_PSK,
         [] {
             WizardProfile.block.securityFlags = kernel::kBssWpa2Psk;
             return std::make_unique<CConnectWizardMessagePSK>();
         }},
        {"IDD_DLG_CONNECTWIZARD_SECURITY_WEB", IDD_DLG_CONNECTWIZARD_SECURITY_WEB,
         Make<CConnectWizardSecurityWeb>()},
        {"IDD_DLG_CONNECTWIZARD_INPUTPHRASE", IDD_DLG_CONNECTWIZARD_INPUTPHRASE,
         [&w] { return std::make_unique<CConnectWizardInputPhrase>(w.codePage); }},
        {"IDD_DLG_CONNECTWIZARD_INPUTHEX", IDD_DLG_CONNECTWIZARD_INPUTHEX, Make<CConnectWizardInputHex>()},
        {"IDD_DLG_CONNECTWIZARD_SECURITY_PSK", IDD_DLG_CONNECTWIZARD_SECURITY_PSK,
         Make<CConnectWizardSecurityPSK>()},
        {"IDD_DLG_CONNECTWIZARD_HIDDEN", IDD_DLG_CONNECTWIZARD_HIDDEN, Make<CConnectWizardHidden>()},
        {"IDD_DLG_CONNECTWIZARD_SAVEPROFILE", IDD_DLG_CONNECTWIZARD_SAVEPROFILE,
         Make<CConnectWizardSaveProfile>()},
        {"IDD_DLG_CONNECTWIZARD_FILE_ERROR", IDD_DLG_CONNECTWIZARD_FILE_ERROR,
         [] { return std::make_unique<CConnectWizardFileError>(u"Default"); }},
        {"IDD_DLG_CONNECTWIZARD_WPSVIEW", IDD_DLG_CONNECTWIZARD_WPSVIEW, Make<CConnectWizardWPSView>()},
    };
    for (DialogCase& c : WpsDialogs()) {
        dialogs.push_back(std::move(c));
    }
    return dialogs;
}

// The main window and its four pages, as the program builds them.
struct MainWindow {
    CProFileSettingDlg settings{TheWorld().codePage};
    CSiteSurveyDlg networks;
    CStatisticsDlg statistics;
    CAboutExDlg about{TheWorld().calendar, TheWorld().updates};
    CNetUIDlg window{nullptr,
                     {settings, networks, statistics, about},
                     {TheWorld().clock, TheWorld().system, TheWorld().sound}};
    HWND hwnd = nullptr;
};

void Pump(int milliseconds) {
    wineprogram::PumpUntil([] { return false; }, milliseconds);
}

std::wstring ScreenshotFolder() {
    std::wstring folder = wineprogram::Env(L"KT_DOC_SCREENSHOTS_DIR");
    return folder.empty() ? folder : wineprogram::WindowsPath(folder);
}

bool Documented(int index) {
    // German, Greek, Russian, Simplified Chinese, Japanese.
    return index == 1 || index == 10 || index == 12 || index == 21 || index == 23;
}

void Shoot(HWND window, int index, const wchar_t* what) {
    std::wstring folder = ScreenshotFolder();
    if (folder.empty() || !Documented(index)) {
        return;
    }
    std::u16string language(LanguageRowAt(index)->folder);
    std::wstring path = folder + std::wstring(language.begin(), language.end()) + L"-" + what + L".png";
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(300); // every control paints before the picture is taken
    EXPECT_TRUE(networks_e2e::CaptureWindowAsPng(window, path)) << Utf8(path);
}

HWND WindowOf(ui::Dialog& dialog) {
    return static_cast<ui::win32::DialogWindow&>(dialog.host()).hwnd();
}

class LanguageFit : public testing::TestWithParam<int> {
protected:
    static MainWindow* s_main;

    static void SetUpTestSuite() {
        ui::win32::InitControls();
        CMarkupStatic::Register(GetModuleHandleW(nullptr));
        World& world = TheWorld();
        ResetAppGlobals();
        std::wstring folder = wineprogram::WindowsPath(wineprogram::Env(L"KT_SOURCE_DIR") + L"/lang");
        ProgramFolder.assign(folder.begin(), folder.end());
        SetAppRegistry(&world.registry);
        SetAppSystem(&world.system);
        g_pnKernel = &world.kernel;
        DevicePresent = true;
        OsClass = kOsVista64;
        profiles::ProfileStoreConfig config;
        config.kernel = &world.kernel;
        config.registry = &world.registry;
        config.appKey = AppKey;
        profiles::ConfigureProfileStore(config);
        SelectLanguageIndex(0);
        s_main = new MainWindow; // kept to the end of the process, as the program keeps its window
        s_main->window.SetStartWorkerThreads(false);
        s_main->hwnd =
            ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), nullptr, s_main->window);
        Pump(100);
    }

    // The main window's own buttons (not the pages' controls), with the texts they show now.
    void MeasureMainButtons(const std::string& state) {
        for (HWND child = GetWindow(s_main->hwnd, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t text[256] = {};
            GetWindowTextW(child, text, 256);
            ReportMisfits("IDD_NETUI_DIALOG (" + state + ")", languagefit::MeasureText(child, text));
        }
    }

    // The language picked as a user picks it: in the About page's list for the languages it offers,
    // else stored and applied the way the page applies a choice.
    static void SwitchLanguage(int index) {
        if (index < about::kOfferedLanguageCount) {
            HWND page = WindowOf(s_main->about);
            HWND combo = GetDlgItem(page, IDC_COMBO_ABOUT_LANGUAGE);
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_COMBO_ABOUT_LANGUAGE, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo));
        } else {
            SelectLanguageIndex(index);
            s_main->window.ApplyLanguage();
        }
    }

    // What the real window shows after the change: its caption, tab captions and buttons in the language.
    void ExpectMainWindowTexts(int index) {
        const std::string language = FolderOf(index);
        EXPECT_EQ(Utf8(WindowText(s_main->hwnd)), Utf8(MainWindowTitle()))
            << language << ": main window caption";
        HWND tab = GetDlgItem(s_main->hwnd, IDC_TAB_MAIN);
        const char16_t* tabKeys[] = {u"Tab_Profile", u"Tab_SiteSurvey", u"Tab_Statistics", u"Tab_About"};
        ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 4) << language;
        for (int i = 0; i < 4; ++i) {
            wchar_t text[128] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = 128;
            SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            std::wstring caption(text);
            caption.erase(0, caption.find_first_not_of(L' '));
            caption.erase(caption.find_last_not_of(L' ') + 1);
            EXPECT_EQ(Utf8(caption), Utf8(LangString(u"MAIN", tabKeys[i], u""))) << language << ": tab " << i;
        }
        const std::pair<int, const char16_t*> buttons[] = {{IDC_BUTTON_HELP, u"Btn_Help"},
                                                           {IDC_BUTTON_FIND_NETWORK, u"Btn_FindNetWork"},
                                                           {IDC_BUTTON_CLOSE, u"Btn_Close"},
                                                           {IDC_BUTTON_FIRST_ACTION, u"Btn_Apply"},
                                                           {IDC_BUTTON_SECOND_ACTION, u"Btn_Cancel"}};
        for (const auto& [id, key] : buttons) {
            EXPECT_EQ(Utf8(WindowText(GetDlgItem(s_main->hwnd, id))), Utf8(LangString(u"MAIN", key, u"")))
                << language << ": button " << id;
        }
    }

    void CheckMainWindow(int index) {
        ASSERT_NE(s_main->hwnd, nullptr) << "the main window was not created";
        s_main->window.ShowPage(CQueryTabCtrl::kSettings);
        SwitchLanguage(index);
        ASSERT_EQ(LanguageIndex(), index) << "the language was not switched";
        ExpectMainWindowTexts(index);
        const struct {
            const char* name;
            ui::Dialog* page;
        } pages[] = {{"IDD_DIALOG_PROFILE_SETTING", &s_main->settings},
                     {"IDD_DIALOG_SITESURVEY", &s_main->networks},
                     {"IDD_DIALOG_STATISTICS", &s_main->statistics},
                     {"IDD_DIALOG_ABOUTEX", &s_main->about}};
        for (const auto& page : pages) {
            ASSERT_TRUE(page.page->IsOpen()) << page.name << " was not created by the main window";
            HWND hwnd = WindowOf(*page.page);
            EXPECT_GT(languagefit::MeasuredCount(hwnd), 0) << page.name << ": no text control was found";
            ReportMisfits(page.name, languagefit::MeasureControls(hwnd));
        }
        s_main->window.ShowPage(CQueryTabCtrl::kSettings);
        MeasureMainButtons("Settings tab");
        ReportMisfits(
            "IDD_NETUI_DIALOG (help shown)",
            languagefit::MeasureText(GetDlgItem(s_main->hwnd, IDC_BUTTON_HELP),
                                     ToWide(LangString(u"MAIN", u"Btn_CloseHelp", u"Close &Help"))));
        s_main->window.ShowPage(CQueryTabCtrl::kNetworks);
        MeasureMainButtons("Networks tab");

        // The four tabs side by side within the tab control, none scrolled out of sight.
        HWND tab = GetDlgItem(s_main->hwnd, IDC_TAB_MAIN);
        int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
        RECT last{};
        RECT client{};
        GetClientRect(tab, &client);
        if (count > 0 && SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(count - 1),
                                      reinterpret_cast<LPARAM>(&last))) {
            EXPECT_LE(last.right, client.right)
                << FolderOf(index) << " IDD_NETUI_DIALOG tab control " << IDC_TAB_MAIN << ": the tabs need "
                << last.right << " px, have " << client.right;
        }

        // A survey that found the world's networks, for the picture of the tab.
        s_main->networks.OnWKSiteSurveyed();
        Pump(50);
        if (!ScreenshotFolder().empty() && Documented(index)) {
            s_main->window.RefreshDisplay(); // the status area in the new language
            ShowWindow(s_main->hwnd, SW_SHOWNORMAL);
            SetWindowPos(s_main->hwnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            Shoot(s_main->hwnd, index, L"networks-tab");
            ShowWindow(s_main->hwnd, SW_HIDE);
        }
    }

    void ReportMisfits(const std::string& dialog, const std::vector<languagefit::Misfit>& misfits) {
        for (const auto& m : misfits) {
            std::string size =
                m.needHeight > 0
                    ? " (wrapped: " + std::to_string(m.needWidth) + " x " + std::to_string(m.needHeight) +
                          " px in " + std::to_string(m.haveWidth) + " x " + std::to_string(m.haveHeight) + ")"
                    : "";
            ADD_FAILURE() << FolderOf(GetParam()) << " " << dialog << " control " << m.id << " ("
                          << Utf8(m.className) << ") \"" << Utf8(m.text) << "\" needs " << m.needWidth
                          << " px, has " << m.haveWidth << size;
        }
    }
};

MainWindow* LanguageFit::s_main = nullptr;

std::string ParamName(const testing::TestParamInfo<int>& info) {
    return FolderOf(info.param);
}

} // namespace

TEST_P(LanguageFit, EveryDialogAndPage) {
    const int index = GetParam();
    CheckMainWindow(index);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // The top-level dialogs have no owner here: only their own windows are measured.
    for (const DialogCase& c : Dialogs()) {
        std::unique_ptr<ui::Dialog> dialog = c.make();
        if (dialog == nullptr) {
            continue; // not shown in this language
        }
        HWND hwnd = ui::win32::DialogWindow::CreateModeless(instance, nullptr, *dialog);
        if (hwnd == nullptr) {
            ADD_FAILURE() << FolderOf(index) << " " << c.name << " was not created, error " << GetLastError();
            continue;
        }
        if (c.state) {
            c.state(hwnd);
        }
        EXPECT_GT(languagefit::MeasuredCount(hwnd), 0) << c.name << ": no text control was found";
        ReportMisfits(c.name, languagefit::MeasureControls(hwnd));
        if (c.laterTexts) {
            for (const LaterText& later : c.laterTexts()) {
                ReportMisfits(c.name, languagefit::MeasureText(GetDlgItem(hwnd, later.id), later.text));
            }
        }
        if (c.templateId == IDD_DLG_CONNECTWIZARD_SITESURVEY_EX) {
            ShowWindow(hwnd, SW_SHOW);
            Shoot(hwnd, index, L"wizard-network-list");
        }
        DestroyWindow(hwnd);
        if (c.after) {
            c.after();
        }
    }
    Pump(10);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFit, testing::Range(0, kLanguageCount), ParamName);

// A template added to the program is measured too: every dialog resource of the program is in the list.
TEST(LanguageFitCoverage, EveryDialogTemplateOfTheProgramIsMeasured) {
    std::set<int> measured = {IDD_NETUI_DIALOG, IDD_DIALOG_PROFILE_SETTING, IDD_DIALOG_SITESURVEY,
                              IDD_DIALOG_STATISTICS, IDD_DIALOG_ABOUTEX};
    for (const DialogCase& c : Dialogs()) {
        measured.insert(c.templateId);
    }
    std::set<int> templates;
    EnumResourceNamesW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(5) /* RT_DIALOG */,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
            if (IS_INTRESOURCE(name)) {
                reinterpret_cast<std::set<int>*>(found)->insert(
                    static_cast<int>(reinterpret_cast<uintptr_t>(name)));
            }
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&templates));
    EXPECT_FALSE(templates.empty());
    for (int id : templates) {
        EXPECT_TRUE(measured.count(id) == 1)
            << "dialog template " << id << " is not measured by the fit check: add its class to Dialogs()";
    }
}
