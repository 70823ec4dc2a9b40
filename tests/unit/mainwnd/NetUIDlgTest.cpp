// The main window's behaviour on the fake host: tabs for both owners of the adapter, buttons, help,
// hot keys and Alt+letters, the service events, the set-up check, the profile hand-over, the Internet
// notice, the tray and the exit sequence.
#include "MainWindowFixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "mainwnd/CConnectInternetMsgDlg.h"
#include "mainwnd/MainWndMessages.h"
#include "ui/Messages.h"

using namespace mainwndtest;
using mainwnd::kHotKeyAbout;
using mainwnd::kHotKeyDelete;
using mainwnd::kHotKeyNetworks;
using mainwnd::kHotKeySettings;
using mainwnd::kHotKeyStatistics;

namespace {

std::u16string Trimmed(std::u16string text) {
    size_t first = text.find_first_not_of(u' ');
    size_t last = text.find_last_not_of(u' ');
    return first == std::u16string::npos ? std::u16string() : text.substr(first, last - first + 1);
}

class MainWindow : public MainWindowTest {
protected:
    std::vector<std::u16string> TabCaptions() {
        std::vector<std::u16string> captions;
        ui::TabControl& tab = host->Tab(IDC_TAB_MAIN);
        for (int i = 0; i < tab.Count(); ++i) {
            captions.push_back(Trimmed(tab.ItemText(i)));
        }
        return captions;
    }
    bool PageShown(ui::Dialog& page) { return host->PageVisible(page); }
    void ShowWindowActive() {
        host->Deliver(kMsgShowMainWindow);
        host->SetActive(true);
        host->Deliver(mainwnd::kMsgActivation, 1);
    }
    // What the status area shows, as a screen reader reads it.
    std::u16string StatusText() { return host->GetText(IDC_STATIC_STATUS_AREA); }
};

TEST_F(MainWindow, StartsHiddenOffScreenAndTheFirstTimerCentresItHidden) {
    Open();
    EXPECT_FALSE(host->IsWindowVisible());
    EXPECT_EQ(host->window().left, -1000);
    EXPECT_EQ(host->window().top, -1000);
    host->FireTimer(mainwnd::kTimerFirstLayout);
    EXPECT_FALSE(host->TimerRunning(mainwnd::kTimerFirstLayout)) << "it runs once";
    EXPECT_FALSE(host->IsWindowVisible());
    EXPECT_EQ(host->Caption(), MainWindowTitle());
    ui::Rect placed = host->window();
    EXPECT_EQ(placed.left + placed.Width() / 2, 640);
    EXPECT_EQ(placed.top + placed.Height() / 2, 497);
    EXPECT_TRUE(host->TimerRunning(mainwnd::kTimerAdapterWatch));
    EXPECT_TRUE(host->TimerRunning(mainwnd::kTimerConsoleWatch));
    EXPECT_EQ(host->icon(), IDR_MAINFRAME);
}

// Captions are centred in blanks to one width; the languages whose captions run wide get a narrower
// width so that the four tabs stay within the tab control.
TEST(MainWindowTabs, CaptionsPaddedPerLanguage) {
    for (int language : {0, 1, 2, 4, 7, 8, 9, 13, 14, 15, 16, 17, 18, 21, 22, 23}) {
        EXPECT_EQ(CQueryTabCtrl::PaddedCaption(u"Statistics", language),
                  std::u16string(13, u' ') + u"Statistics" + std::u16string(14, u' '))
            << language;
    }
    for (int language : {3, 5, 6, 10, 11, 12, 19, 20}) {
        EXPECT_EQ(CQueryTabCtrl::PaddedCaption(u"Statistics", language).size(), 34u) << language;
    }
    std::u16string longer(40, u'x');
    EXPECT_EQ(CQueryTabCtrl::PaddedCaption(longer, 0), longer)
        << "a caption wider than the width stays whole";
}

TEST_F(MainWindow, FourPagesWhileTheUtilityManagesTheAdapterWithButtonsPerPage) {
    Open();
    EXPECT_EQ(TabCaptions(),
              (std::vector<std::u16string>{u"Settings", u"Networks", u"Statistics", u"About"}));
    EXPECT_EQ(host->Tab(IDC_TAB_MAIN).ItemText(0).size(), 37u) << "captions are padded to one width";
    EXPECT_TRUE(PageShown(settings));
    EXPECT_EQ(host->GetText(IDC_BUTTON_FIRST_ACTION), u"&Apply");
    EXPECT_EQ(host->GetText(IDC_BUTTON_SECOND_ACTION), u"Cance&l");
    EXPECT_TRUE(host->IsVisible(IDC_BUTTON_FIND_NETWORK));

    host->SelectTab(IDC_TAB_MAIN, 1);
    EXPECT_TRUE(PageShown(networks));
    EXPECT_FALSE(PageShown(settings));
    EXPECT_EQ(host->GetText(IDC_BUTTON_FIRST_ACTION), u"Co&nnect");
    EXPECT_EQ(host->GetText(IDC_BUTTON_SECOND_ACTION), u"&Scan");
    host->Click(IDC_BUTTON_SECOND_ACTION);
    host->Click(IDC_BUTTON_FIRST_ACTION);
    EXPECT_EQ(networks.calls, (std::vector<std::string>{"rescan", "connect"}));

    host->SelectTab(IDC_TAB_MAIN, 2);
    EXPECT_TRUE(PageShown(statistics));
    for (ui::ControlId id : {IDC_BUTTON_FIRST_ACTION, IDC_BUTTON_SECOND_ACTION, IDC_BUTTON_FIND_NETWORK}) {
        EXPECT_FALSE(host->IsVisible(id)) << id;
        EXPECT_FALSE(host->IsEnabled(id)) << id;
    }

    host->SelectTab(IDC_TAB_MAIN, 0);
    settings.calls.clear();
    host->Click(IDC_BUTTON_SECOND_ACTION);
    host->Click(IDC_BUTTON_FIRST_ACTION);
    EXPECT_EQ(settings.calls, (std::vector<std::string>{"reload", "apply"}));
    EXPECT_EQ(kernel.CountCalls(u"Disconnect"), 1u) << "Apply disconnects before the page applies";
}

TEST_F(MainWindow, WindowsTakingTheAdapterLeavesStatisticsAndAboutAndGivingItBackRestoresAllFour) {
    Open();
    kernel.zeroConfigState = 1;
    window->OnWKZeroCfgChanged(1);
    Pump();
    EXPECT_EQ(TabCaptions(), (std::vector<std::u16string>{u"Statistics", u"About"}));
    EXPECT_TRUE(PageShown(statistics)) << "tab 0 shows page 2";
    host->SelectTab(IDC_TAB_MAIN, 1);
    EXPECT_TRUE(PageShown(about));
    EXPECT_FALSE(host->IsVisible(IDC_BUTTON_FIND_NETWORK));
    EXPECT_FALSE(host->IsEnabled(IDC_BUTTON_FIRST_ACTION));

    ShowWindowActive();
    host->PressHotKey(kHotKeySettings);
    EXPECT_TRUE(PageShown(about)) << "Alt+S offers nothing while Windows manages the adapter";
    host->PressHotKey(kHotKeyStatistics);
    EXPECT_EQ(host->Tab(IDC_TAB_MAIN).Selection(), 0);
    EXPECT_TRUE(PageShown(statistics));

    host->Page(about)->PressMenuKey(u'f');
    Pump();
    EXPECT_EQ(wizardsStarted, 0) << "no wizard while Windows manages the adapter";

    kernel.zeroConfigState = 0;
    kernel.ClearCalls();
    window->OnWKZeroCfgChanged(0);
    Pump();
    EXPECT_EQ(TabCaptions().size(), 4u);
    EXPECT_TRUE(window->ConnectRequests().Pending()) << "the utility connects again";
    EXPECT_NE(std::find(settings.calls.begin(), settings.calls.end(), "refill"), settings.calls.end());
}

TEST_F(MainWindow, ReturningToTheConsoleSessionLooksAgainAtWhoManagesTheAdapter) {
    Open();
    system.consoleSession = 2; // another user took the console
    kernel.zeroConfigState = 1;
    g_bZeroConfig = true; // what the library reported meanwhile
    host->FireTimer(mainwnd::kTimerConsoleWatch);
    EXPECT_EQ(TabCaptions().size(), 4u) << "nothing changes while away";
    system.consoleSession = 1;
    host->FireTimer(mainwnd::kTimerConsoleWatch);
    EXPECT_EQ(TabCaptions().size(), 2u);
}

TEST_F(MainWindow, TheRadioSwitchEnablesTheActionButtons) {
    Open();
    window->OnWKRadioChanged(0);
    Pump();
    for (ui::ControlId id : {IDC_BUTTON_FIRST_ACTION, IDC_BUTTON_SECOND_ACTION, IDC_BUTTON_FIND_NETWORK}) {
        EXPECT_FALSE(host->IsEnabled(id)) << id;
        EXPECT_TRUE(host->IsVisible(id)) << id;
    }
    window->OnWKRadioChanged(1);
    Pump();
    EXPECT_TRUE(host->IsEnabled(IDC_BUTTON_FIND_NETWORK));
}

TEST_F(MainWindow, ScanStaysDisabledWhileTheNetworksPageSurveys) {
    Open();
    host->SelectTab(IDC_TAB_MAIN, 1);
    window->EnableScanButton(false);
    EXPECT_FALSE(host->IsEnabled(IDC_BUTTON_SECOND_ACTION));
    EXPECT_TRUE(host->IsEnabled(IDC_BUTTON_FIRST_ACTION));
    host->SelectTab(IDC_TAB_MAIN, 0);
    EXPECT_TRUE(host->IsEnabled(IDC_BUTTON_SECOND_ACTION)) << "Cancel on the Settings page is not Scan";
    host->SelectTab(IDC_TAB_MAIN, 1);
    EXPECT_FALSE(host->IsEnabled(IDC_BUTTON_SECOND_ACTION));
    window->EnableScanButton(true);
    EXPECT_TRUE(host->IsEnabled(IDC_BUTTON_SECOND_ACTION));
}

TEST_F(MainWindow, HotKeysActOnlyWhileTheWindowIsVisibleAndActive) {
    Open();
    host->PressHotKey(kHotKeyNetworks);
    EXPECT_TRUE(PageShown(settings)) << "hidden in the tray: the key belongs to whoever is active";
    ShowWindowActive();
    host->SetActive(false);
    host->PressHotKey(kHotKeyNetworks);
    EXPECT_TRUE(PageShown(settings));
    host->SetActive(true);
    host->PressHotKey(kHotKeyNetworks);
    EXPECT_TRUE(PageShown(networks));
    host->PressHotKey(kHotKeyAbout);
    EXPECT_TRUE(PageShown(about));
    host->PressHotKey(kHotKeyDelete);
    EXPECT_TRUE(settings.calls.empty() || settings.calls.back() != "delete") << "Alt+D only on Settings";
    host->PressHotKey(kHotKeySettings);
    host->PressHotKey(kHotKeyDelete);
    EXPECT_EQ(settings.calls.back(), "delete");
}

TEST_F(MainWindow, HotKeysAreTakenOnlyWhileTheWindowIsActive) {
    Open();
    for (int hotKey = kHotKeySettings; hotKey <= kHotKeyDelete; ++hotKey) {
        EXPECT_FALSE(host->HotKeyRegistered(hotKey))
            << "taken from other programs while in the tray: " << hotKey;
    }
    host->Deliver(mainwnd::kMsgActivation, 2); // activated by a click
    for (int hotKey = kHotKeySettings; hotKey <= kHotKeyDelete; ++hotKey) {
        EXPECT_TRUE(host->HotKeyRegistered(hotKey)) << hotKey;
    }
    host->Deliver(mainwnd::kMsgActivation, 0);
    for (int hotKey = kHotKeySettings; hotKey <= kHotKeyDelete; ++hotKey) {
        EXPECT_FALSE(host->HotKeyRegistered(hotKey)) << hotKey;
    }
}

TEST_F(MainWindow, HelpOpensOneHundredTwentyPixelsAndStaysOpenAcrossTabs) {
    files.files[u"settings.rtf"] = {'{', '\\', 'r', 't', 'f', '1', '}'};
    files.files[u"networks.rtf"] = {'{', '\\', 'r', 't', 'f', '1', '}'};
    files.files[u"statistics.rtf"] = {'{', '\\', 'r', 't', 'f', '1', '}'};
    files.files[u"About.rtf"] = {'{', '\\', 'r', 't', 'f', '1', '}'};
    Open();
    ui::Rect before = host->window();
    ui::Rect statusBefore = host->control(IDC_STATIC_STATUS_AREA).GetRect();
    host->Click(IDC_BUTTON_HELP);
    EXPECT_EQ(host->window().Height(), before.Height() + 120);
    EXPECT_EQ(host->control(IDC_STATIC_STATUS_AREA).GetRect(), statusBefore.Offset(0, 120));
    EXPECT_EQ(host->GetText(IDC_BUTTON_HELP), u"Close &Help");
    EXPECT_TRUE(host->Page(settings)->IsVisible(IDC_RICHEDIT_PAGE_HELP));
    EXPECT_TRUE(host->messageBoxes.empty()) << "every help file was found";

    host->SelectTab(IDC_TAB_MAIN, 1);
    host->SelectTab(IDC_TAB_MAIN, 3);
    EXPECT_EQ(host->window().Height(), before.Height() + 120) << "switching tabs keeps the help open";
    EXPECT_TRUE(host->Page(about)->IsVisible(IDC_RICHEDIT_PAGE_HELP));

    host->Click(IDC_BUTTON_HELP);
    EXPECT_EQ(host->window(), before);
    EXPECT_EQ(host->control(IDC_STATIC_STATUS_AREA).GetRect(), statusBefore);
    EXPECT_EQ(host->GetText(IDC_BUTTON_HELP), u"&Help");
    EXPECT_FALSE(host->Page(about)->IsVisible(IDC_RICHEDIT_PAGE_HELP));
}

TEST_F(MainWindow, PagesHandTheirAltLettersToTheButtonsOfTheirPage) {
    Open();
    ShowWindowActive();
    host->Page(settings)->PressMenuKey(u'F');
    Pump();
    EXPECT_EQ(wizardsStarted, 1);
    host->Page(settings)->PressMenuKey(u'f');
    Pump();
    EXPECT_EQ(wizardsStarted, 1) << "a repeat within a second is the same press";
    clock.Advance(1000);
    host->Page(settings)->PressMenuKey(u'f');
    Pump();
    EXPECT_EQ(wizardsStarted, 2);

    host->Page(settings)->PressMenuKey(u'l');
    Pump();
    EXPECT_EQ(settings.calls.back(), "reload") << "Cance&l on the Settings page";

    host->SelectTab(IDC_TAB_MAIN, 2);
    host->Page(statistics)->PressMenuKey(u'n');
    Pump();
    EXPECT_TRUE(networks.calls.empty()) << "Connect is not on the Statistics page";
    host->Page(statistics)->PressMenuKey(u'c');
    Pump();
    EXPECT_FALSE(host->IsWindowVisible()) << "Close answers on every page";
    EXPECT_EQ(settings.calls.back(), "prompt");
}

TEST_F(MainWindow, TheCloseBoxAndCloseOnlyHideAndEnterAndEscapeDoNothing) {
    Open();
    ShowWindowActive();
    host->SetFocus(IDC_BUTTON_CLOSE);
    host->PressEnter();
    host->PressEscape();
    EXPECT_TRUE(host->IsWindowVisible()) << "Enter pressed the focused Close button";
    EXPECT_FALSE(host->ended());
    intptr_t answer = 0;
    EXPECT_TRUE(host->Deliver(ui::kWmSysCommand, ui::kScClose, 0, answer));
    EXPECT_FALSE(host->IsWindowVisible());
    EXPECT_FALSE(host->ended());
    ShowWindowActive();
    host->Click(IDC_BUTTON_CLOSE);
    EXPECT_FALSE(host->IsWindowVisible());
    EXPECT_FALSE(host->ended());
    EXPECT_TRUE(window->NetworksMarkedForRescan());
    EXPECT_TRUE(TrayShown() != nullptr) << "the tray icon stays";
}

TEST_F(MainWindow, SetUpCheckAppliesTheRegionOnceThenConnects) {
    Store(u"SetupStatus", u"254");
    Store(u"CountryDomain", u"1");
    Open();
    EXPECT_EQ(Stored(u"SetupStatus"), u"255");
    EXPECT_EQ(KernelCalls(u"SetRegionCode").size(), 1u);
    EXPECT_TRUE(window->ConnectRequests().Pending());
    EXPECT_EQ(wizardsStarted, 0);
}

TEST_F(MainWindow, SetUpCheckStartsTheWizardForAFreshInstallation) {
    Store(u"SetupStatus", u"0");
    Open();
    EXPECT_EQ(wizardsStarted, 1);
    EXPECT_FALSE(window->ConnectRequests().Pending());
    EXPECT_EQ(Stored(u"SetupStatus"), u"0");
}

TEST_F(MainWindow, SetUpCheckAsksWhoManagesTheAdapterOnlyWhenAllowed) {
    kernel.zeroConfigState = 1; // Windows manages it (Windows XP reads the library's answer)
    Store(u"DisplaySelectUtility", u"0");
    Open();
    EXPECT_TRUE(host->modalTemplates.empty()) << "\"Don't show\" was chosen before";

    host->Destroy();
    Store(u"DisplaySelectUtility", u"1");
    kernel.wpsQuery = 1;
    Open();
    EXPECT_TRUE(host->modalTemplates.empty()) << "the library's query answered yes";

    host->Destroy();
    kernel.wpsQuery = 0;
    bool busyWhileAsked = false;
    bool hiddenWhileAsked = false;
    host.reset();
    window.reset();
    MainWindowHooks hooks;
    window = std::make_unique<CNetUIDlg>(nullptr, MainPages{settings, networks, statistics, about},
                                         MainWindowPlatform{clock, system, sound}, hooks);
    window->SetStartWorkerThreads(false);
    host = std::make_unique<fakes::FakeHost>(*window);
    host->modalHandler = [&](ui::Dialog&) {
        busyWhileAsked = window->Busy();
        hiddenWhileAsked = !host->IsWindowVisible();
        return ui::kIdCancel;
    };
    DevicePresent = true;
    host->Open();
    window->OnWKDeviceLoaded();
    Pump();
    EXPECT_EQ(host->modalTemplates, std::vector<int>{IDD_DIALOG_MESSAGE_SELECT_WIZARD});
    EXPECT_TRUE(busyWhileAsked);
    EXPECT_TRUE(hiddenWhileAsked);
    EXPECT_FALSE(window->Busy());
}

TEST_F(MainWindow, RemovingTheAdapterClosesTheOpenQuestionAndWritesNothing) {
    kernel.zeroConfigState = 1;
    MainWindowHooks hooks;
    window = std::make_unique<CNetUIDlg>(nullptr, MainPages{settings, networks, statistics, about},
                                         MainWindowPlatform{clock, system, sound}, hooks);
    window->SetStartWorkerThreads(false);
    host = std::make_unique<fakes::FakeHost>(*window);
    bool closed = false;
    host->modalHandler = [&](ui::Dialog& question) {
        fakes::FakeHost questionHost(question);
        questionHost.Open();
        window->OnWKDeviceRemoved(); // on the library's thread, while the question is open
        host->PumpPosted();          // the question's loop runs the window's messages
        closed = questionHost.ended();
        return questionHost.ended() ? questionHost.result() : -1;
    };
    DevicePresent = true;
    host->Open();
    window->OnWKDeviceLoaded();
    Pump();
    EXPECT_TRUE(closed) << "the question was left open";
    EXPECT_FALSE(DevicePresent);
    EXPECT_FALSE(host->IsWindowVisible());
    EXPECT_EQ(Stored(u"DisplaySelectUtility"), u"1");
    EXPECT_EQ(kernel.CountCalls(u"ZeroConfigControl"), 0u);
    EXPECT_FALSE(window->Busy());
}

TEST_F(MainWindow, AdapterGoneHidesTheWindowAndTakesTheTrayIcon) {
    Connected(u"Home", 80);
    Open();
    ShowWindowActive();
    ASSERT_NE(TrayShown(), nullptr);
    window->OnWKDeviceRemoved();
    EXPECT_FALSE(DevicePresent) << "the workers learn it at once";
    Pump();
    EXPECT_EQ(TrayShown(), nullptr);
    EXPECT_FALSE(host->IsWindowVisible());
    EXPECT_EQ(settings.calls.back(), "prompt");

    window->OnWKDeviceLoaded();
    Pump();
    ASSERT_NE(TrayShown(), nullptr) << "the arrival shows the icon again";
    EXPECT_EQ(TrayShown()->iconResource, IDI_TRAY_GOOD);
}

TEST_F(MainWindow, TheTrayFollowsTheLinkAndItsSignalClass) {
    Open();
    ASSERT_NE(TrayShown(), nullptr);
    EXPECT_EQ(TrayShown()->iconResource, IDI_TRAY_SCANNING);
    Connected(u"Home", 51);
    window->OnWKAssociationChanged();
    Pump();
    EXPECT_EQ(TrayShown()->iconResource, IDI_TRAY_GOOD);
    EXPECT_EQ(TrayShown()->tooltip, u"Orvelin KG515v2 is connected to Home");
    kernel.connection.signalQuality = 50;
    window->OnWKLinkNotice(50);
    Pump();
    EXPECT_EQ(TrayShown()->iconResource, IDI_TRAY_WEAK);
    EXPECT_EQ(window->TrayState(), 1);
    EXPECT_NE(StatusText().find(u"Home"), std::u16string::npos) << base::Utf16ToUtf8(StatusText());
    EXPECT_NE(StatusText().find(u"192.168.1.20"), std::u16string::npos) << base::Utf16ToUtf8(StatusText());
}

TEST_F(MainWindow, TheTrayMenuWritesItsSettings) {
    Open();
    menu.choices = {ID_TRAY_INTERNET_NOTICE};
    host->Deliver(mainwnd::kMsgTrayNotify, 0, 0x0205);
    ASSERT_EQ(menu.shownMenus.size(), 1u);
    EXPECT_EQ(menu.shownMenus[0].size(), 2u) << "no manage item before Windows Vista";
    EXPECT_EQ(Stored(u"ShowInternet"), u"0");
    EXPECT_EQ(KernelCalls(u"SetInternetCheck").back(), u"SetInternetCheck 1 0");

    menu.choices = {ID_TRAY_INTERNET_NOTICE};
    host->Deliver(mainwnd::kMsgTrayNotify, 0, 0x0205);
    EXPECT_EQ(Stored(u"ShowInternet"), u"1");
    EXPECT_EQ(KernelCalls(u"SetInternetCheck").back(), u"SetInternetCheck 1 1");

    menu.choices = {ID_TRAY_EXIT};
    host->Deliver(mainwnd::kMsgTrayNotify, 0, 0x0205);
    EXPECT_TRUE(host->ended());
    EXPECT_EQ(host->result(), 0);
}

TEST_F(MainWindow, TheTrayMenuOnWindowsSevenHandsTheAdapterOver) {
    OsClass = kOsVista;
    g_bWindows7 = true;
    Open();
    menu.choices = {ID_TRAY_UTILITY_MANAGES};
    host->Deliver(mainwnd::kMsgTrayNotify, 0, 0x0205);
    ASSERT_EQ(menu.shownMenus.size(), 1u);
    ASSERT_EQ(menu.shownMenus[0].size(), 3u);
    EXPECT_EQ(Stored(u"AutoConfiguration"), u"2");
    EXPECT_EQ(KernelCalls(u"Disconnect").size(), 1u);
    EXPECT_EQ(TabCaptions().size(), 2u);

    menu.choices = {ID_TRAY_UTILITY_MANAGES};
    host->Deliver(mainwnd::kMsgTrayNotify, 0, 0x0205);
    EXPECT_EQ(Stored(u"AutoConfiguration"), u"4");
    EXPECT_EQ(TabCaptions().size(), 4u);
}

TEST_F(MainWindow, ALeftClickOnTheTrayShowsTheWindowUnlessBusy) {
    Open();
    host->FireTimer(mainwnd::kTimerFirstLayout);
    window->SetBusy(true);
    host->Deliver(mainwnd::kMsgTrayNotify, 0, 0x0201);
    EXPECT_FALSE(host->IsWindowVisible());
    window->SetBusy(false);
    host->Deliver(mainwnd::kMsgTrayNotify, 0, 0x0201);
    EXPECT_TRUE(host->IsWindowVisible());
}

TEST_F(MainWindow, ProfileHandOverSelectsTheStoredProfileInAnyCase) {
    PutProfile(u"Home Net", u"HomeNet", 1);
    Open();
    Store(u"ChangeProfile", u"hOME nET");
    settings.calls.clear();
    host->Deliver(kMsgChangeProfile);
    EXPECT_TRUE(host->messageBoxes.empty());
    EXPECT_EQ(settings.calls, (std::vector<std::string>{"select Home Net", "apply"}));
    EXPECT_FALSE(window->Busy());
}

TEST_F(MainWindow, ProfileHandOverOfAnUnknownNameSaysSoAndChangesNothing) {
    PutProfile(u"Home Net", u"HomeNet", 1);
    Open();
    for (std::u16string name : {std::u16string(), std::u16string(200, u'x'), std::u16string(u"Office")}) {
        Store(u"ChangeProfile", name);
        settings.calls.clear();
        host->messageBoxes.clear();
        host->Deliver(kMsgChangeProfile);
        ASSERT_EQ(host->messageBoxes.size(), 1u) << name.size();
        EXPECT_EQ(host->messageBoxes[0].text, u"Wrong Profile Info");
        EXPECT_TRUE(settings.calls.empty());
        EXPECT_FALSE(window->Busy());
    }
}

TEST_F(MainWindow, TheInternetNoticeSoundsOnceWhileTheWindowIsUp) {
    Connected(u"Home", 80);
    Open();
    ShowWindowActive();
    window->OnWKInternetChanged(1);
    Pump();
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], ProgramFolder + u"ConnectToInternet.WAV");
    EXPECT_EQ(host->modelessChildren.size(), 1u) << "the notice is shown";
    EXPECT_TRUE(g_bInternetReachable);

    window->OnWKInternetChanged(1);
    Pump();
    EXPECT_EQ(sound.played.size(), 1u) << "already reachable: no second sound";
    EXPECT_EQ(host->modelessChildren.size(), 1u);

    window->OnWKInternetChanged(0);
    Pump();
    EXPECT_FALSE(g_bInternetReachable);

    ASSERT_NE(host->Modeless(*host->modelessChildren[0]), nullptr);
    window->OnWKDeviceRemoved();
    Pump();
    EXPECT_EQ(host->Modeless(*host->modelessChildren[0]), nullptr) << "the notice outlived the adapter";
    EXPECT_EQ(Stored(u"ShowInternetMsgBox"), u"1") << "closing it is not the user's answer";
}

TEST_F(MainWindow, NoInternetNoticeInCountryDomainFourOrWhileHidden) {
    Store(u"CountryDomain", u"4");
    Connected(u"Home", 80);
    Open();
    EXPECT_EQ(KernelCalls(u"SetInternetCheck").back(), u"SetInternetCheck 1 0");
    ShowWindowActive();
    window->OnWKInternetChanged(1);
    Pump();
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(host->modelessChildren.empty());

    host->Destroy();
    Store(u"CountryDomain", u"1");
    Open(); // hidden in the tray
    window->OnWKInternetChanged(1);
    Pump();
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(g_bInternetReachable);
}

TEST_F(MainWindow, HardwareButtonCodesReachTheirHooks) {
    Store(u"ShowHWPBCCancelMsgBox", u"1");
    Open();
    window->OnWKWPSStatus(5);
    window->OnWKWPSStatus(6);
    window->OnWKWPSStatus(0x8000);
    window->OnWKWPSStatus(12345);
    Pump();
    EXPECT_EQ(hardwareRuns, 1);
    EXPECT_EQ(hardwareCancels, 1);
    Store(u"ShowHWPBCCancelMsgBox", u"0");
    window->OnWKWPSStatus(6);
    Pump();
    EXPECT_EQ(hardwareCancels, 1);
}

TEST_F(MainWindow, TheConnectWatchShowsTheProfileOnceConnected) {
    Open();
    host->Deliver(mainwnd::kMsgConnectStarted);
    ASSERT_TRUE(host->TimerRunning(mainwnd::kTimerConnectWatch));
    EXPECT_EQ(host->TimerInterval(mainwnd::kTimerConnectWatch), 2000u);
    settings.calls.clear();
    host->FireTimer(mainwnd::kTimerConnectWatch);
    EXPECT_TRUE(host->TimerRunning(mainwnd::kTimerConnectWatch));
    Connected(u"Home", 70);
    host->FireTimer(mainwnd::kTimerConnectWatch);
    EXPECT_FALSE(host->TimerRunning(mainwnd::kTimerConnectWatch));
    EXPECT_EQ(settings.calls, std::vector<std::string>{"show"});
}

TEST_F(MainWindow, ExitRunsItsStepsInOrderAndEndsOnlyThisWindow) {
    Connected(u"Home", 70);
    Open();
    kernel.ClearCalls();
    settings.calls.clear();
    host->Deliver(kMsgExitProgram);
    std::vector<std::u16string> calls;
    for (const std::u16string& call : kernel.Calls()) {
        if (call.rfind(u"RegDeleteKeyTree", 0) == 0 || call.rfind(u"RemoveReceiver", 0) == 0 ||
            call.rfind(u"Disconnect", 0) == 0) {
            calls.push_back(call.substr(0, call.find(u' ')));
        }
    }
    EXPECT_EQ(calls, (std::vector<std::u16string>{u"RegDeleteKeyTree", u"RemoveReceiver", u"Disconnect"}));
    EXPECT_NE(KernelCalls(u"RegDeleteKeyTree")[0].find(u"KTVA7700v2\\ProfileData"), std::u16string::npos);
    EXPECT_EQ(settings.calls, std::vector<std::string>{"prompt"});
    EXPECT_EQ(TrayShown(), nullptr);
    EXPECT_FALSE(host->HotKeyRegistered(kHotKeySettings));
    EXPECT_TRUE(host->ended());
    EXPECT_EQ(host->result(), 0);
}

TEST_F(MainWindow, WindowsManagingTheAdapterIsNotDisconnectedAtExit) {
    Open();
    Store(u"AutoConfiguration", u"2");
    kernel.ClearCalls();
    host->Deliver(kMsgExitProgram);
    EXPECT_EQ(kernel.CountCalls(u"Disconnect"), 0u);
}

} // namespace

namespace {

// A program folder on disk holding one language file, named as the program builds the path.
class LanguageFolderOnDisk {
public:
    LanguageFolderOnDisk() {
        m_path = std::filesystem::temp_directory_path() / ("kt_mainwnd_lang_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_path);
    }
    ~LanguageFolderOnDisk() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
        base::IniFile::ClearCache();
    }
    std::u16string Folder() const { return base::Utf8ToUtf16(m_path.string() + "/"); }
    void WriteLanguage(const std::string& folder, const std::string& content) {
        std::ofstream out(m_path / ("Language\\" + folder + "\\" + folder + ".lng"), std::ios::binary);
        out << content;
        out.close();
        base::IniFile::ClearCache();
    }

private:
    std::filesystem::path m_path;
};

} // namespace

TEST_F(MainWindow, ALanguageChangeRecaptionsTheWindowAndEveryPageKeepingThePageShown) {
    LanguageFolderOnDisk disk;
    ProgramFolder = disk.Folder();
    disk.WriteLanguage("Germany", "[MAIN]\r\nTab_Profile=Einstellungen\r\nTab_SiteSurvey=Netzwerke\r\n"
                                  "Tab_Statistics=Statistik\r\nTab_About=Info\r\nBtn_Help=&Hilfe\r\n"
                                  "Btn_Close=&Schliessen\r\n");
    Open();
    ShowWindowActive();
    host->SelectTab(IDC_TAB_MAIN, 3);
    int before[] = {settings.textsApplied, networks.textsApplied, statistics.textsApplied,
                    about.textsApplied};

    Store(u"Language", u"1");
    SelectLanguage();
    window->ApplyLanguage();

    EXPECT_EQ(TabCaptions(),
              (std::vector<std::u16string>{u"Einstellungen", u"Netzwerke", u"Statistik", u"Info"}));
    EXPECT_EQ(host->GetText(IDC_BUTTON_HELP), u"&Hilfe");
    EXPECT_EQ(host->GetText(IDC_BUTTON_CLOSE), u"&Schliessen");
    EXPECT_EQ(host->Tab(IDC_TAB_MAIN).Selection(), 3) << "the tab row is built again on the same page";
    EXPECT_TRUE(PageShown(about));
    EXPECT_FALSE(PageShown(settings));
    EXPECT_EQ(window->CurrentPage(), CQueryTabCtrl::kAbout);
    int after[] = {settings.textsApplied, networks.textsApplied, statistics.textsApplied, about.textsApplied};
    for (int page = 0; page < 4; ++page) {
        EXPECT_EQ(after[page], before[page] + 1) << "page " << page;
    }
    // Alt+letters follow the new captions: H now opens the help, C no longer closes.
    host->Page(about)->PressMenuKey(u'c');
    Pump();
    EXPECT_TRUE(host->IsWindowVisible());
    host->Page(about)->PressMenuKey(u's');
    Pump();
    EXPECT_FALSE(host->IsWindowVisible()) << "&Schliessen closes";
}
