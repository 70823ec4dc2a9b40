// The About page on the fake host with the template as src/res/About.rc declares it: alone, and inside
// the main window for the language change, the help pane and the Alt+letters.
#include "MainWindowFixture.h"
#include "ProgramFolderOnDisk.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "about/AboutRules.h"
#include "about/CAboutExDlg.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "mainwnd/MainWndMessages.h"
#include "res/AboutIds.h"
#include "res/AboutReportIds.h"

using namespace mainwndtest;

namespace {

using ui::ControlKind;

// Pixels of a 96-dpi screen for the template's dialog units.
fakes::ControlDecl Dlu(ui::ControlId id, ControlKind kind, int x, int y, int w, int h, bool tabStop = false) {
    return {id, kind, {x * 3 / 2, y * 13 / 8, (x + w) * 3 / 2, (y + h) * 13 / 8}, tabStop};
}

void RegisterAboutTemplate() {
    fakes::RegisterTemplate(
        IDD_DIALOG_ABOUTEX,
        {
            Dlu(IDC_STATIC_ABOUT_GROUP_DEVICE, ControlKind::Button, 4, 2, 194, 76),
            Dlu(IDC_STATIC_ABOUT_REGIONAL_DOMAIN, ControlKind::Static, 10, 14, 84, 8),
            Dlu(IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE, ControlKind::Static, 96, 14, 96, 8),
            Dlu(IDC_STATIC_ABOUT_DRIVER_VERSION, ControlKind::Static, 10, 26, 84, 8),
            Dlu(IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE, ControlKind::Static, 96, 26, 96, 8),
            Dlu(IDC_STATIC_ABOUT_DRIVER_DATE, ControlKind::Static, 10, 38, 84, 8),
            Dlu(IDC_STATIC_ABOUT_DRIVER_DATE_VALUE, ControlKind::Static, 96, 38, 96, 8),
            Dlu(IDC_STATIC_ABOUT_MAC_ADDRESS, ControlKind::Static, 10, 50, 84, 8),
            Dlu(IDC_STATIC_ABOUT_MAC_ADDRESS_VALUE, ControlKind::Static, 96, 50, 96, 8),
            Dlu(IDC_STATIC_ABOUT_IP_ADDRESS, ControlKind::Static, 10, 62, 84, 8),
            Dlu(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE, ControlKind::Static, 96, 62, 96, 8),
            Dlu(IDC_STATIC_ABOUT_GROUP_UTILITY, ControlKind::Button, 202, 2, 194, 76),
            Dlu(IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION, ControlKind::Static, 208, 14, 52, 8),
            Dlu(IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION_VALUE, ControlKind::Static, 262, 14, 128, 8),
            Dlu(IDC_STATIC_ABOUT_CLEAR_WAVE_DATE, ControlKind::Static, 208, 26, 52, 8),
            Dlu(IDC_STATIC_ABOUT_CLEAR_WAVE_DATE_VALUE, ControlKind::Static, 262, 26, 128, 8),
            Dlu(IDC_STATIC_ABOUT_LANGUAGE, ControlKind::Static, 208, 44, 52, 8),
            Dlu(IDC_COMBO_ABOUT_LANGUAGE, ControlKind::Combo, 262, 42, 128, 120, true),
            Dlu(IDC_STATIC_ABOUT_GROUP_SUPPORT, ControlKind::Button, 4, 80, 392, 62),
            Dlu(IDC_STATIC_ABOUT_SUPPORT_TROUBLESHOOTING, ControlKind::Static, 10, 93, 262, 8),
            Dlu(IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING, ControlKind::Button, 276, 90, 112, 14, true),
            Dlu(IDC_STATIC_ABOUT_SUPPORT_UPGRADE, ControlKind::Static, 10, 110, 262, 8),
            Dlu(IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE, ControlKind::Button, 276, 107, 112, 14, true),
            Dlu(IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE, ControlKind::Button, 10, 126, 178, 10, true),
            Dlu(IDC_STATIC_ABOUT_DAYS_LEFT, ControlKind::Static, 192, 127, 196, 8),
            Dlu(IDC_STATIC_ABOUT_GROUP_HELP, ControlKind::Button, 4, 144, 392, 80),
            Dlu(IDC_RICHEDIT_PAGE_HELP, ControlKind::RichText, 10, 154, 380, 66),
        });
}

class FakeWallClock final : public platform::WallClock {
public:
    int64_t SecondsSince1970() override { return now; }
    int64_t now = 1'700'000'000;
};

constexpr int64_t kDay = 86400;

using abouttest::ProgramFolderOnDisk;

// The English texts the tab uses that have no built-in default.
constexpr char kEnglish[] = "[IDD_DIALOG_ABOUT]\r\n"
                            "IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE=Update\r\n"
                            "IDC_STATIC_ABOUT_SUPPORT_UPGRADE30=Next automatic check in %d days\r\n";

class AboutPage : public MainWindowTest {
protected:
    AboutPage() {
        ProgramFolder = disk.Folder();
        ProgramFileName = u"ktva7700v2.exe";
        disk.WriteLanguage("English", kEnglish);
        RegisterAboutTemplate();
        SelectLanguage();
        LoadLanguageTexts();
    }
    ~AboutPage() override {
        if (pageHost && !pageHost->destroyed()) {
            pageHost->Destroy();
        }
        // The window holds this fixture's page: it goes before the page does.
        if (host && !host->destroyed()) {
            host->Destroy();
        }
        host.reset();
        window.reset();
        ResetLanguageTexts();
    }
    // The page on its own, as a page of a window that is not there.
    void OpenAlone() {
        pageHost = std::make_unique<fakes::FakeHost>(page, ui::Rect{0, 0, 600, 254});
        pageHost->Strict();
        pageHost->Open();
    }
    std::u16string Text(ui::ControlId id) { return pageHost->control(id).text; }
    bool Visible(ui::ControlId id) { return pageHost->control(id).visible; }
    // A click on an automatic check box: the box changes, then the page hears the click.
    void Toggle(ui::ControlId id) {
        pageHost->control(id).checked = !pageHost->control(id).checked;
        pageHost->Click(id);
    }
    std::u16string Now() { return base::Widen(std::to_string(calendar.now)); }

    ProgramFolderOnDisk disk;
    FakeWallClock calendar;
    CAboutExDlg page{calendar};
    std::unique_ptr<fakes::FakeHost> pageHost;
};

TEST_F(AboutPage, ShowsTheDomainTheLanguagesAndTheUtilitysVersionAndDate) {
    Store(u"CountryDomain", u"13");
    Store(u"Language", u"2");
    SelectLanguage();
    disk.Write("setup.ini", "[MenuItem]\r\nversion=2.1.0.7\r\n");
    files.writeDates[ProgramFolder + u"ktva7700v2.exe"] = {2009, 3, 5};
    OpenAlone();
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE), u"Europa") << "domain 13 is not in the table";
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_REGIONAL_DOMAIN), u"Regional Domain:");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_GROUP_UTILITY), u"Clear Wave Utility");
    EXPECT_EQ(Text(IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING), u"") << "only the language file names it";
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION_VALUE), u"2.1.0.7");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_CLEAR_WAVE_DATE_VALUE), u"Mar. 5, 2009");
    EXPECT_FALSE(Visible(IDC_STATIC_ABOUT_GROUP_HELP));

    ui::ComboControl& languages = pageHost->Combo(IDC_COMBO_ABOUT_LANGUAGE);
    ASSERT_EQ(languages.Count(), 24);
    EXPECT_EQ(languages.ItemText(0), u"English");
    EXPECT_EQ(languages.ItemText(18), u"Romanian");
    EXPECT_EQ(languages.ItemText(23), u"Japanese");
    EXPECT_EQ(languages.Selection(), 2);
}

TEST_F(AboutPage, WithoutSetupIniOrProgramFileTheDefaultsShow) {
    Store(u"CountryDomain", u"9");
    Store(u"Language", u"24"); // a language the list does not offer
    SelectLanguage();
    OpenAlone();
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE), u"United States");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION_VALUE), u"1.0.0.0");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_CLEAR_WAVE_DATE_VALUE), u"");
    EXPECT_EQ(pageHost->Combo(IDC_COMBO_ABOUT_LANGUAGE).Selection(), -1);
}

TEST_F(AboutPage, AFreshInstallationWritesTheTimeFirstAndUpdatesOffOnlyInDomainFour) {
    struct Case {
        const char16_t* domain;
        const char16_t* autoUpdate;
    };
    for (Case c : {Case{u"4", u"0"}, Case{u"9", u"1"}, Case{u"", u"1"}}) {
        registry.DeleteValue(platform::kHkeyLocalMachine, kAppKey, u"AutoUpdate");
        Store(u"CountryDomain", c.domain);
        kernel.ClearCalls();
        CAboutExDlg fresh{calendar};
        fakes::FakeHost freshHost(fresh, {0, 0, 600, 254});
        freshHost.Open();
        std::vector<std::u16string> writes = KernelCalls(u"RegSetString");
        ASSERT_GE(writes.size(), 2u);
        EXPECT_NE(writes[0].find(u"|AutoUpdateTime|" + Now()), std::u16string::npos) << base::Utf16ToUtf8(writes[0]);
        EXPECT_NE(writes[1].find(std::u16string(u"|AutoUpdate|") + c.autoUpdate), std::u16string::npos);
        EXPECT_EQ(Stored(u"AutoUpdate"), c.autoUpdate);
        bool on = c.autoUpdate[0] == u'1';
        EXPECT_EQ(freshHost.control(IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE).checked, on);
        EXPECT_EQ(freshHost.control(IDC_STATIC_ABOUT_DAYS_LEFT).visible, on);
        EXPECT_EQ(freshHost.control(IDC_STATIC_ABOUT_DAYS_LEFT).text, u"Next automatic check in 30 days");
        freshHost.Destroy();
    }
}

TEST_F(AboutPage, AnOverdueCheckShowsNegativeDaysAndAStoredChoiceIsKept) {
    Store(u"AutoUpdate", u"1");
    std::u16string last = base::Widen(std::to_string(calendar.now - 31 * kDay));
    Store(u"AutoUpdateTime", last);
    OpenAlone();
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DAYS_LEFT), u"Next automatic check in -1 days");
    EXPECT_EQ(page.DaysLeft(), -1);
    EXPECT_EQ(Stored(u"AutoUpdateTime"), last) << "only a fresh installation writes the time";
    EXPECT_TRUE(page.AutoUpdateOn());
}

TEST_F(AboutPage, TheCheckBoxSwitchesUpdatesAndTheDaysLeft) {
    Store(u"AutoUpdate", u"0");
    Store(u"AutoUpdateTime", base::Widen(std::to_string(calendar.now - 10 * kDay)));
    OpenAlone();
    EXPECT_FALSE(pageHost->control(IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE).checked);
    EXPECT_FALSE(Visible(IDC_STATIC_ABOUT_DAYS_LEFT));
    Toggle(IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE);
    EXPECT_EQ(Stored(u"AutoUpdate"), u"1");
    EXPECT_TRUE(page.AutoUpdateOn());
    EXPECT_TRUE(Visible(IDC_STATIC_ABOUT_DAYS_LEFT));
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DAYS_LEFT), u"Next automatic check in 20 days");
    Toggle(IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE);
    EXPECT_EQ(Stored(u"AutoUpdate"), u"0");
    EXPECT_FALSE(page.AutoUpdateOn());
    EXPECT_FALSE(Visible(IDC_STATIC_ABOUT_DAYS_LEFT));
}

TEST_F(AboutPage, AdapterFieldsFollowTheLibrarysRecords) {
    kernel.adapterState.present = 1;
    base::CopyToField(kernel.adapterState.driverVersion, u"1.0.2.7");
    kernel.adapterState.driverYear = 2009;
    kernel.adapterState.driverMonth = 11;
    kernel.adapterState.driverDay = 24;
    const uint8_t mac[6] = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    std::copy(std::begin(mac), std::end(mac), kernel.adapterState.mac);
    kernel.ipInfo = {{169, 254, 3, 4}, {255, 255, 0, 0}, {0, 0, 0, 0}};
    mainwnd::RefreshLinkRecords(kernel);
    OpenAlone();
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE), u"1.0.2.7");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DRIVER_DATE_VALUE), u"Nov. 24, 2009");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_MAC_ADDRESS_VALUE), u"00:1A:2B:3C:4D:5E");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE), u"0.0.0.0") << "link-local";

    kernel.ipInfo = {{10, 0, 0, 9}, {255, 0, 0, 0}, {10, 0, 0, 1}};
    kernel.adapterState.driverMonth = 13;
    mainwnd::RefreshLinkRecords(kernel);
    page.RefreshAdapterInfo();
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE), u"10.0.0.9");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DRIVER_DATE_VALUE), u"") << "no month 13";

    kernel.ipInfo = {};
    mainwnd::RefreshLinkRecords(kernel);
    page.RefreshAdapterInfo();
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE), u"0.0.0.0") << "no address";
}

TEST_F(AboutPage, ChoosingTheLanguageInForceDoesNothing) {
    Store(u"Language", u"0");
    SelectLanguage();
    OpenAlone();
    kernel.ClearCalls();
    pageHost->SelectItem(IDC_COMBO_ABOUT_LANGUAGE, 0);
    EXPECT_TRUE(KernelCalls(u"RegSetString").empty());
    EXPECT_EQ(LanguageIndex(), 0);
}

TEST_F(AboutPage, ALanguageThatCannotBeStoredLeavesTheListOnTheLanguageInForce) {
    disk.WriteLanguage("Germany", "[IDD_DIALOG_ABOUT]\r\nIDC_STATIC_ABOUT_GROUP_DEVICE=Geraet\r\n");
    OpenAlone();
    kernel.regSetStringResult = 0;
    pageHost->SelectItem(IDC_COMBO_ABOUT_LANGUAGE, 1);
    EXPECT_EQ(pageHost->Combo(IDC_COMBO_ABOUT_LANGUAGE).Selection(), 0);
    EXPECT_EQ(LanguageIndex(), 0);
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_GROUP_DEVICE), u"Device");
}

// The English language file as the product ships it, beside the tests in the source tree.
std::string ShippedEnglishFile() {
    std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
    std::ifstream in(root / "lang" / "Language" / "English" / "English.lng", std::ios::binary);
    EXPECT_TRUE(in.good()) << "no English.lng under " << root;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(AboutPage, TheShippedEnglishFileNamesEveryTextAsTheBuiltInDefaults) {
    disk.WriteLanguage("English", ShippedEnglishFile());
    Store(u"CountryDomain", u"11");
    Store(u"AutoUpdate", u"1");
    Store(u"AutoUpdateTime", base::Widen(std::to_string(calendar.now - 3 * kDay)));
    OpenAlone();
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE), u"Central America");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_GROUP_DEVICE), u"Device");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION), u"Version:");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_GROUP_SUPPORT), u"Support");
    EXPECT_EQ(Text(IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING), u"Troubleshooting");
    EXPECT_EQ(Text(IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE), u"Update");
    EXPECT_EQ(Text(IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE), u"Check for updates automatically");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DAYS_LEFT), u"Next automatic check in 27 days");
    // The file and the built-in texts agree, so a missing file changes nothing in English.
    ui::ComboControl& languages = pageHost->Combo(IDC_COMBO_ABOUT_LANGUAGE);
    ASSERT_EQ(languages.Count(), about::kOfferedLanguageCount);
    for (int position = 0; position < about::kOfferedLanguageCount; ++position) {
        EXPECT_EQ(languages.ItemText(position), about::LanguageEntry(position).defaultText) << position;
    }
    for (int domain = 0; domain < 13; ++domain) {
        about::LangKey entry = about::DomainText(domain);
        EXPECT_EQ(LangString(u"IDD_DIALOG_ABOUT", entry.key, u"?"), entry.defaultText) << domain;
    }
}

// The page in the main window, as the program holds it.
class AboutInMainWindow : public AboutPage {
protected:
    void OpenWindow() {
        window = std::make_unique<CNetUIDlg>(nullptr, MainPages{settings, networks, statistics, page},
                                             MainWindowPlatform{clock, system, sound});
        window->SetStartWorkerThreads(false);
        host = std::make_unique<fakes::FakeHost>(*window, ui::Rect{300, 200, 816, 620});
        host->notificationAreaFactory = [] { return std::make_unique<fakes::FakeNotificationArea>(); };
        host->popupMenuFactory = [this] { return std::make_unique<ScriptedMenu>(menu); };
        DevicePresent = true;
        host->Open();
        window->OnWKDeviceLoaded();
        Pump();
        host->Deliver(kMsgShowMainWindow);
        host->SetActive(true);
        host->Deliver(mainwnd::kMsgActivation, 1);
        host->SelectTab(IDC_TAB_MAIN, 3);
    }
    std::u16string TabCaption(int index) {
        std::u16string text = host->Tab(IDC_TAB_MAIN).ItemText(index);
        size_t first = text.find_first_not_of(u' ');
        size_t last = text.find_last_not_of(u' ');
        return first == std::u16string::npos ? std::u16string() : text.substr(first, last - first + 1);
    }
    fakes::FakeHost& Page() { return *host->Page(page); }
};

TEST_F(AboutInMainWindow, ALanguageChangeStoresItAndEveryTextFollows) {
    disk.WriteLanguage("Germany", "[MAIN]\r\nTab_About=Info\r\nTab_Profile=Einstellungen\r\n"
                                  "Def_Profile_Name=Standard\r\n"
                                  "[IDD_DIALOG_ABOUT]\r\nIDC_STATIC_ABOUT_GROUP_DEVICE=Geraet\r\n"
                                  "languageGE=Deutsch\r\nDomainUnitedStates=Vereinigte Staaten\r\n"
                                  "IDC_STATIC_ABOUT_SUPPORT_UPGRADE30=Noch %d Tage\r\n");
    Store(u"CountryDomain", u"9");
    Store(u"AutoUpdate", u"1");
    Store(u"AutoUpdateTime", base::Widen(std::to_string(calendar.now - 2 * kDay)));
    PutProfile(u"Default", u"Any (First available network)", 0);
    base::CopyToField(kernel.adapterState.driverVersion, u"3.3.0.1");
    OpenWindow();
    ASSERT_EQ(TabCaption(3), u"About");

    Page().SelectItem(IDC_COMBO_ABOUT_LANGUAGE, 1);

    EXPECT_EQ(Stored(u"Language"), u"1");
    EXPECT_EQ(LanguageIndex(), 1);
    EXPECT_EQ(TabCaption(0), u"Einstellungen");
    EXPECT_EQ(TabCaption(3), u"Info");
    EXPECT_TRUE(host->PageVisible(page)) << "the user stays on the About page";
    EXPECT_EQ(Page().GetText(IDC_STATIC_ABOUT_GROUP_DEVICE), u"Geraet");
    EXPECT_EQ(Page().GetText(IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE), u"Vereinigte Staaten");
    EXPECT_EQ(Page().GetText(IDC_STATIC_ABOUT_DAYS_LEFT), u"Noch 28 Tage");
    EXPECT_EQ(Page().GetText(IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE), u"3.3.0.1");
    ui::ComboControl& languages = Page().Combo(IDC_COMBO_ABOUT_LANGUAGE);
    EXPECT_EQ(languages.ItemText(1), u"Deutsch");
    EXPECT_EQ(languages.Selection(), 1);
    EXPECT_EQ(settings.textsApplied, 1);
    EXPECT_EQ(networks.textsApplied, 1);
    EXPECT_EQ(statistics.textsApplied, 1);
    // The stored default profile takes the new language's name.
    EXPECT_EQ(profiles::DefaultProfileName(), u"Standard");
    std::u16string renamed;
    EXPECT_EQ(registry.ReadString(platform::kHkeyLocalMachine,
                                  std::u16string(profiles::kProfileListKey) + u"\\Standard", u"ConfigurationName",
                                  renamed),
              platform::kErrorSuccess);
}

TEST_F(AboutInMainWindow, TheHelpPaneOpensInsideItsGroupAndAltLettersReachTheButtons) {
    files.files[LanguageFolder() + u"About.rtf"] = {'{', '\\', 'r', 't', 'f', '1', '}'};
    OpenWindow();
    Page().PressMenuKey(u'h');
    Pump();
    EXPECT_EQ(host->GetText(IDC_BUTTON_HELP), u"Close &Help");
    EXPECT_TRUE(host->messageBoxes.empty()) << "the help file was found";
    EXPECT_TRUE(Page().IsVisible(IDC_RICHEDIT_PAGE_HELP));
    EXPECT_TRUE(Page().IsVisible(IDC_STATIC_ABOUT_GROUP_HELP));
    EXPECT_TRUE(Page().control(IDC_STATIC_ABOUT_GROUP_HELP).GetRect().Contains(
        Page().control(IDC_RICHEDIT_PAGE_HELP).GetRect()));
    Page().PressMenuKey(u'H');
    Pump();
    EXPECT_FALSE(Page().IsVisible(IDC_STATIC_ABOUT_GROUP_HELP));
    Page().PressMenuKey(u'c');
    Pump();
    EXPECT_FALSE(host->IsWindowVisible()) << "Close answers on the About page";
}

TEST_F(AboutInMainWindow, TroubleshootingOpensTheReportNamingTheUtilityAndDriverAsThePageShowsThem) {
    base::CopyToField(kernel.adapterState.driverVersion, u"3.3.0.1");
    OpenWindow();
    std::u16string report;
    Page().modalHandler = [&](ui::Dialog& child) {
        fakes::FakeHost reportHost(child);
        reportHost.Open();
        // The builder runs on its own thread; the report is complete when Exit comes on.
        for (int round = 0; round < 10000 && !reportHost.IsEnabled(ui::kIdCancel); ++round) {
            reportHost.PumpPosted();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        report = reportHost.GetText(IDC_EDIT_ABOUT_SYSINFO_LIST);
        reportHost.Click(ui::kIdCancel);
        return reportHost.result();
    };
    Page().Click(IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING);
    EXPECT_EQ(Page().modalTemplates, std::vector<int>{IDD_DIALOG_ABOUT_SYSINFO_LIST});
    EXPECT_NE(report.find(u"---Software Information---\r\nVersion:1.0.0.0/Driver Version:3.3.0.1\r\n"),
              std::u16string::npos)
        << base::NarrowForLog(report);
}

} // namespace
