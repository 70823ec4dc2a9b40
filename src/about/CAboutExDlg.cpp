#include "about/CAboutExDlg.h"

#include "about/AboutRules.h"
#include "about/CAboutExLiveUpdateDlg.h"
#include "about/CAboutExSysinfoListDlg.h"
#include "about/CAutoUpdateMsgDlg.h"
#include "about/LiveUpdateRules.h"
#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "app/Language.h"
#include "base/Format.h"
#include "base/IniFile.h"
#include "base/Text.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWndMessages.h"
#include "profiles/ProfileStore.h"
#include "res/AboutIds.h"
#include "res/MainWndIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_ABOUT";
constexpr std::u16string_view kAutoUpdate = u"AutoUpdate";
constexpr std::u16string_view kAutoUpdateTime = u"AutoUpdateTime";

// From the background check to the page: the days left to show (wParam), and news to offer.
constexpr uint32_t kMsgUpdateDaysLeft = ui::kFirstPrivateMessage + 0x710;
constexpr uint32_t kMsgOfferUpdate = ui::kFirstPrivateMessage + 0x711;

struct TextItem {
    ui::ControlId id;
    std::u16string_view key;
    std::u16string_view defaultText;
};

// The page's texts. The support group, its two lines and its buttons have no English text of their
// own: they come from the language file alone.
constexpr TextItem kTexts[] = {
    {IDC_STATIC_ABOUT_LANGUAGE, u"IDC_STATIC_SELECT_ADAPTER", u"Language"},
    {IDC_STATIC_ABOUT_GROUP_DEVICE, u"IDC_STATIC_ABOUT_GROUP_DEVICE", u"Device"},
    {IDC_STATIC_ABOUT_GROUP_UTILITY, u"IDC_STATIC_ABOUT_GROUP_UTILITY", u"Clear Wave Utility"},
    {IDC_STATIC_ABOUT_GROUP_HELP, u"IDC_STATIC_ABOUT_GROUP_HELP", u"Help"},
    {IDC_STATIC_ABOUT_GROUP_SUPPORT, u"IDC_STATIC_ABOUT_GROUP_SUPPORT", u""},
    {IDC_STATIC_ABOUT_REGIONAL_DOMAIN, u"IDC_STATIC_ABOUT_REGIONAL_DOMAIN", u"Regional Domain:"},
    {IDC_STATIC_ABOUT_DRIVER_VERSION, u"IDC_STATIC_ABOUT_DRIVER_VERSION", u"Driver Version:"},
    {IDC_STATIC_ABOUT_DRIVER_DATE, u"IDC_STATIC_ABOUT_DRIVER_DATE", u"Driver Date:"},
    {IDC_STATIC_ABOUT_MAC_ADDRESS, u"IDC_STATIC_ABOUT_MAC_ADDRESS", u"MAC Address:"},
    {IDC_STATIC_ABOUT_IP_ADDRESS, u"IDC_STATIC_ABOUT_IP_ADDRESS", u"IP Address:"},
    {IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION, u"IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION", u"Version:"},
    {IDC_STATIC_ABOUT_CLEAR_WAVE_DATE, u"IDC_STATIC_ABOUT_CLEAR_WAVE_DATE", u"Date:"},
    {IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING, u"IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING", u""},
    {IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE, u"IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE", u""},
    {IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE, u"IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE", u""},
    {IDC_STATIC_ABOUT_SUPPORT_TROUBLESHOOTING, u"IDC_STATIC_ABOUT_SUPPORT_TROUBLESHOOTING", u""},
    {IDC_STATIC_ABOUT_SUPPORT_UPGRADE, u"IDC_STATIC_ABOUT_SUPPORT_UPGRADE", u""},
};

std::u16string PageText(std::u16string_view key, std::u16string_view defaultText) {
    return LangString(kSection, key, defaultText, 256);
}

platform::WallClock& SystemCalendar() {
    static platform::SystemWallClock clock;
    return clock;
}

} // namespace

CAboutExDlg::CAboutExDlg() : CAboutExDlg(SystemCalendar()) {}

CAboutExDlg::CAboutExDlg(platform::WallClock& clock)
    : CAboutExDlg(clock, about::ProgramLiveUpdateServices()) {}

CAboutExDlg::CAboutExDlg(platform::WallClock& clock, about::LiveUpdateServices& liveUpdate)
    : CAboutPage(IDD_DIALOG_ABOUTEX, mainwnd::kMsgAboutPageKey, u"About.rtf", IDC_RICHEDIT_PAGE_HELP),
      m_clock(clock), m_liveUpdate(liveUpdate) {}

bool CAboutExDlg::OnInit() {
    CAboutPage::OnInit();
    host().Show(IDC_STATIC_ABOUT_GROUP_HELP, false);
    // The sockets library (2.2) the Internet test needs is started by the name resolver that runs the
    // test (platform::NameResolver), once for the life of the process.
    ReadAutoUpdate();
    ApplyTexts();
    ShowUtilityVersion();
    ShowUtilityDate();
    RefreshAdapterInfo();
    StartUpdateThread();
    return true;
}

void CAboutExDlg::ApplyTexts() {
    for (const TextItem& item : kTexts) {
        host().SetText(item.id, PageText(item.key, item.defaultText));
    }
    ShowDomain();
    FillLanguages();
    ShowDaysLeft();
    ForgetHelp();
}

void CAboutExDlg::ShowDomain() {
    about::LangKey domain = about::DomainText(base::ParseInt(AppValue(appvalue::kCountryDomain)));
    host().SetText(IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE, PageText(domain.key, domain.defaultText));
}

void CAboutExDlg::FillLanguages() {
    ui::ComboControl& combo = host().Combo(IDC_COMBO_ABOUT_LANGUAGE);
    combo.Reset();
    for (int position = 0; position < about::kOfferedLanguageCount; ++position) {
        about::LangKey entry = about::LanguageEntry(position);
        combo.Add(PageText(entry.key, entry.defaultText));
    }
    int current = LanguageIndex();
    combo.Select(current >= 0 && current < about::kOfferedLanguageCount ? current : -1);
}

void CAboutExDlg::ShowUtilityVersion() {
    host().SetText(
        IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION_VALUE,
        base::IniFile::GetString(ProgramFolder + u"setup.ini", u"MenuItem", u"version", u"1.0.0.0"));
}

void CAboutExDlg::ShowUtilityDate() {
    platform::FileSystem* files = AppFiles();
    if (files == nullptr) {
        return;
    }
    if (std::optional<platform::LocalDate> date = files->LastWriteDate(ProgramFolder + ProgramFileName)) {
        host().SetText(IDC_STATIC_ABOUT_CLEAR_WAVE_DATE_VALUE,
                       about::DateText(date->year, date->month, date->day));
    }
}

void CAboutExDlg::ReadAutoUpdate() {
    std::u16string value = AppValue(kAutoUpdate);
    if (value.empty()) {
        // A fresh installation: the first check is due a whole interval from now.
        SetAppValue(kAutoUpdateTime,
                    base::Format(u"%lld", {static_cast<long long>(m_clock.SecondsSince1970())}));
        value = std::u16string(about::InitialAutoUpdate(base::ParseInt(AppValue(appvalue::kCountryDomain))));
        SetAppValue(kAutoUpdate, value);
    }
    m_daysLeft = about::DaysLeft(m_clock.SecondsSince1970(), about::ParseSeconds(AppValue(kAutoUpdateTime)));
    bool on = base::ParseInt(value) != 0;
    host().Button(IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE).SetCheck(on);
    ApplyAutoUpdate(on);
}

void CAboutExDlg::ApplyAutoUpdate(bool on) {
    m_autoUpdate = on;
    SetAppValue(kAutoUpdate, on ? u"1" : u"0");
    host().Show(IDC_STATIC_ABOUT_DAYS_LEFT, on);
}

void CAboutExDlg::ShowDaysLeft() {
    std::u16string pattern = PageText(u"IDC_STATIC_ABOUT_SUPPORT_UPGRADE30", u"");
    host().SetText(IDC_STATIC_ABOUT_DAYS_LEFT, base::FormatTranslated(pattern, {m_daysLeft}));
}

void CAboutExDlg::RefreshAdapterInfo() {
    mainwnd::LinkRecords records = mainwnd::CopyLinkRecords();
    const kernel::AdapterState& adapter = records.adapter;
    host().SetText(IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE, base::FieldText(adapter.driverVersion));
    host().SetText(IDC_STATIC_ABOUT_DRIVER_DATE_VALUE,
                   about::DateText(adapter.driverYear, adapter.driverMonth, adapter.driverDay));
    host().SetText(IDC_STATIC_ABOUT_MAC_ADDRESS_VALUE, base::FormatMac(adapter.mac));
    host().SetText(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE, about::AddressText(records.address.address));
}

void CAboutExDlg::OnLanguageChosen() {
    int chosen = host().Combo(IDC_COMBO_ABOUT_LANGUAGE).Selection();
    int current = LanguageIndex();
    if (chosen < 0 || chosen == current) {
        return;
    }
    if (SetAppValue(appvalue::kLanguage, base::Format(u"%d", {chosen})) == 0) {
        // Not stored: the language cannot change, so the list goes back to the one in force rather than
        // show a language the texts are not in.
        host()
            .Combo(IDC_COMBO_ABOUT_LANGUAGE)
            .Select(current >= 0 && current < about::kOfferedLanguageCount ? current : -1);
        return;
    }
    SelectLanguage();
    // The profile store learns the new default-profile name, and the stored default profile takes it.
    LoadLanguageTexts();
    profiles::RenameDefaultProfile();
    if (CNetUIDlg* window = MainWindow()) {
        window->ApplyLanguage(); // every page's texts, this one's among them
    } else {
        ApplyTexts();
    }
    RefreshAdapterInfo();
}

void CAboutExDlg::OnHelpShown(bool shown) {
    // The group frames the pane, which the page base has just placed and sized.
    if (shown) {
        ui::Rect pane = host().Item(IDC_RICHEDIT_PAGE_HELP).GetRect();
        ui::Control& group = host().Item(IDC_STATIC_ABOUT_GROUP_HELP);
        ui::Rect frame = group.GetRect();
        frame.bottom = pane.bottom + 4;
        group.Move(frame);
    }
    host().Show(IDC_STATIC_ABOUT_GROUP_HELP, shown);
}

void CAboutExDlg::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_COMBO_ABOUT_LANGUAGE && code == ui::kSelChange) {
        OnLanguageChosen();
        return;
    }
    if (code == ui::kClicked) {
        switch (id) {
        case IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE:
            ApplyAutoUpdate(host().Button(IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE).IsChecked());
            return;
        case IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING:
            OpenSystemReport();
            return;
        case IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE:
            OpenLiveUpdate();
            return;
        default:
            break;
        }
    }
    CAboutPage::OnCommand(id, code);
}

void CAboutExDlg::StartUpdateThread() {
    ui::Poster page = host().MakePoster();
    about::UpdateCheckLinks links;
    links.autoUpdateOn = [this] { return AutoUpdateOn(); };
    links.wizardRunning = about::ConnectWizardRunning;
    links.internetReachable = [this] { return InternetReachableForUpdate(false); };
    links.showDaysLeft = [page](int days) { page.Post(kMsgUpdateDaysLeft, static_cast<uintptr_t>(days), 0); };
    links.offer = [page] { return page.Post(kMsgOfferUpdate, 0, 0); };
    m_updateCheck = std::make_unique<about::UpdateCheck>(m_liveUpdate, m_liveUpdateGate, std::move(links));
    // Only the main window's page checks: the offer needs the window, and a page shown on its own (a
    // test of its layout) must not start asking the network.
    if (m_liveUpdate.backgroundThread && MainWindow() != nullptr) {
        m_updateThread = std::make_unique<mainwnd::WorkerThread>([this] { return m_updateCheck->Step(); });
        m_updateThread->Start();
    }
}

void CAboutExDlg::OpenSystemReport() {
    // The report names the utility and driver as this page shows them, labels included.
    std::u16string softwareLine = host().GetText(IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION) +
                                  host().GetText(IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION_VALUE) + u"/" +
                                  host().GetText(IDC_STATIC_ABOUT_DRIVER_VERSION) +
                                  host().GetText(IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE);
    CAboutExSysinfoListDlg report(about::ProgramReportPlatform(), std::move(softwareLine));
    host().RunModal(report);
}

void CAboutExDlg::OpenLiveUpdate() {
    if (!InternetReachableForUpdate(true)) {
        host().ShowMessageBox(PageText(u"MessageConnectInternet",
                                       u"You are not connected to the Internet for software update. Please "
                                       u"check your Internet connection and try again later."),
                              LangString(u"MESSAGEBOX", u"TITLE", u"Orvelin Link Warden"), ui::kBoxOk);
        return;
    }
    // The background check may be using the library right now; with the Internet there, its own dialog
    // follows in a moment if it finds news.
    if (!m_liveUpdateGate.TryClaim()) {
        return;
    }
    CAboutExLiveUpdateDlg dialog(m_liveUpdate);
    host().RunModal(dialog);
    m_liveUpdateGate.Release();
}

bool CAboutExDlg::InternetReachableForUpdate(bool waitCursor) {
    if (about::LibraryInternetCheckOn(base::ParseInt(AppValue(appvalue::kCountryDomain)),
                                      base::ParseInt(AppValue(appvalue::kShowInternet)) != 0)) {
        return g_bInternetReachable.load();
    }
    // Nobody else tests the Internet: ask now.
    if (waitCursor) {
        host().SetCursor(ui::Cursor::Wait);
    }
    bool reachable = m_liveUpdate.internetReachableNow();
    if (waitCursor) {
        host().SetCursor(ui::Cursor::Arrow);
    }
    return reachable;
}

bool CAboutExDlg::MainWindowShown() {
    CNetUIDlg* window = MainWindow();
    return window != nullptr && window->IsOpen() && window->host().IsWindowVisible();
}

void CAboutExDlg::OfferUpdate() {
    CAboutExLiveUpdateDlg* dialog = m_updateCheck ? m_updateCheck->OfferedDialog() : nullptr;
    if (dialog == nullptr) {
        return;
    }
    std::u16string offer = m_updateCheck->OfferedText();
    if (MainWindowShown()) {
        dialog->SetKnownUpdate(offer, true);
        host().RunModal(*dialog);
        m_updateCheck->Answer(about::OfferAnswer::Shown);
        return;
    }
    CAutoUpdateMsgDlg notice;
    if (host().RunModal(notice) == ui::kIdOk) {
        dialog->SetKnownUpdate(offer, false); // the notice asked already
        host().RunModal(*dialog);
        m_updateCheck->Answer(about::OfferAnswer::Shown);
        return;
    }
    m_updateCheck->Answer(notice.m_dontRemind ? about::OfferAnswer::NotUntilNext
                                              : about::OfferAnswer::NotNow);
}

bool CAboutExDlg::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    switch (message) {
    case kMsgUpdateDaysLeft:
        m_daysLeft = static_cast<int>(wParam);
        ShowDaysLeft();
        break;
    case kMsgOfferUpdate:
        OfferUpdate();
        break;
    default:
        return CAboutPage::OnMessage(message, wParam, lParam, result);
    }
    result = 0;
    return true;
}

void CAboutExDlg::OnDestroy() {
    // The check's thread goes before the page it posts to and the gate it holds.
    if (m_updateThread) {
        m_updateThread->Stop();
        m_updateThread.reset();
    }
    m_updateCheck.reset();
    CAboutPage::OnDestroy();
}
