#include <gtest/gtest.h>

#include <algorithm>

#include "WizardListTemplates.h"
#include "kernel/ConnectionBlock.h"
#include "wizard/CConnectWizardSiteSurveyEx.h"

namespace {

using wizardlisttest::Network;
using Page = CConnectWizardSiteSurveyEx;

constexpr uint32_t kWpaPsk = kernel::kBssWpaPsk;
constexpr uint32_t kWpa2Psk = kernel::kBssWpa2Psk;

class SiteSurveyEx : public wizardlisttest::ListGroupTest {
protected:
    fakes::FakeControl& List() { return host().control(IDC_WIZARD_LIST_NETWORKS); }
    std::vector<std::u16string> Names() {
        std::vector<std::u16string> names;
        for (const auto& row : List().rows) {
            names.push_back(row[0]);
        }
        return names;
    }
    void ClickColumn(int column) {
        ui::Notify click;
        click.id = IDC_WIZARD_LIST_NETWORKS;
        click.code = ui::kColumnClick;
        click.subItem = column;
        host().Notify(click);
    }
    // Chooses a row with Next and lets the page's short pause end.
    void ChooseRow(int row) {
        host().SelectRow(IDC_WIZARD_LIST_NETWORKS, row);
        host().Click(IDC_WIZARD_NEXT);
        EXPECT_FALSE(host().ended()) << "the page closes only after its pause";
        host().FireTimer(Page::kTimerClose);
    }
    bool ReceiverAdded(Page& page) {
        return std::find(kernel.receivers.begin(), kernel.receivers.end(), &page) != kernel.receivers.end();
    }
};

TEST_F(SiteSurveyEx, OpensCentredWithItsTextsColumnsAndWatchdog) {
    Page& page = Open<Page>();
    EXPECT_EQ(host().Caption(), u"Orvelin Wireless Adapter");
    EXPECT_EQ(host().GetText(IDC_WIZARD_LIST_REFRESH), u"Refresh network list");
    EXPECT_EQ(host().GetText(IDC_WIZARD_BACK), u"< &Back");
    EXPECT_EQ(host().GetText(IDC_WIZARD_TITLE), u"Connecting to your wireless network");
    EXPECT_TRUE(host().control(IDC_WIZARD_TITLE).font.bold);
    ASSERT_EQ(List().columns.size(), 5u);
    EXPECT_EQ(List().columns[0].caption, u"Network Name (SSID)");
    EXPECT_EQ(List().columns[0].width, 210);
    EXPECT_EQ(List().columns[4].caption, u"Signal");
    EXPECT_EQ(List().columns[4].width, 55);
    EXPECT_TRUE(List().fullRowSelect);
    EXPECT_EQ(host().TimerInterval(Page::kTimerWatchdog), 1000u);
    ui::Rect window = host().window();
    EXPECT_EQ(window.left, (1280 - window.Width()) / 2);
    EXPECT_EQ(window.top, (1024 - window.Height()) / 2);
    EXPECT_TRUE(ReceiverAdded(page));
    host().Destroy();
    EXPECT_FALSE(ReceiverAdded(page)) << "the page is gone but the library may still call it";
}

TEST_F(SiteSurveyEx, ColumnsTakeTheLanguageFileAndKeepTheDefaultWidthForABrokenOne) {
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_SITESURVEY_EX]\r\n"
                    "ListCtrl_Field01=Name,abc\r\n"
                    "ListCtrl_Field02=11n\r\n"
                    "ListCtrl_Field04=Protection,-5\r\n"
                    "ListCtrl_Field05=Strength,70\r\n");
    Open<Page>();
    ASSERT_EQ(List().columns.size(), 5u);
    EXPECT_EQ(List().columns[0].caption, u"Name");
    EXPECT_EQ(List().columns[0].width, 210);
    EXPECT_EQ(List().columns[1].caption, u"11n");
    EXPECT_EQ(List().columns[1].width, 25);
    EXPECT_EQ(List().columns[3].width, 125);
    EXPECT_EQ(List().columns[4].caption, u"Strength");
    EXPECT_EQ(List().columns[4].width, 70);
}

// The list offers the access points the wizard can join; hidden ones set the marks of their security.
TEST_F(SiteSurveyEx, FillLeavesOutAdHocAnd8021XAndMarksHiddenNetworks) {
    g_bHtAllowed24G = true;
    networks::ReplaceNetworkList({
        Network(u"Cafe", kernel::kBssOpen, 80),
        Network(u"Corp", kernel::kBssWpa2Radius | kWpa2Psk, 90),
        Network(u"Home", kernel::kBssWep, 7, kernel::kCap80211n | kernel::kCapWps),
        Network(u"Party", kernel::kBssOpen, 60, 0, kernel::kNetworkAdHoc),
        Network(u"", kernel::kBssWep, 50),
        Network(u"", kWpa2Psk, 40),
        Network(u"Both", kWpaPsk | kWpa2Psk, 100),
    });
    WizardState.hiddenMarks.open = true; // from an earlier fill
    Open<Page>();
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Cafe", u"Home", u"", u"", u"Both"}));
    EXPECT_EQ(WizardRowMap, (std::vector<int32_t>{0, 2, 4, 5, 6}));
    EXPECT_EQ(List().rows[0], (std::vector<std::u16string>{u"Cafe", u"", u"", u"None", u" 80%"}));
    EXPECT_EQ(List().rows[1], (std::vector<std::u16string>{u"Home", u"N", u"WPS", u"WEP", u"  7%"}));
    EXPECT_EQ(List().rows[3][3], u"WPA2-PSK");
    EXPECT_EQ(List().rows[4], (std::vector<std::u16string>{u"Both", u"", u"", u"WPA-PSK/WPA2-PSK", u"100%"}));
    EXPECT_FALSE(WizardState.hiddenMarks.open);
    EXPECT_TRUE(WizardState.hiddenMarks.wep);
    EXPECT_FALSE(WizardState.hiddenMarks.wpaPsk);
    EXPECT_TRUE(WizardState.hiddenMarks.wpa2Psk);
    EXPECT_FALSE(host().IsEnabled(IDC_WIZARD_NEXT));
}

TEST_F(SiteSurveyEx, SecurityNamesAndTheNMarkFollowTheLanguageFileAndTheProfile) {
    g_bHtAllowed24G = false;
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_SITESURVEY_EX]\r\n"
                    "WPS=Push\r\n"
                    "Security_WPA-PSK=WPA Personal\r\n");
    networks::ReplaceNetworkList({Network(u"Shop", kWpaPsk, 30, kernel::kCap80211n | kernel::kCapWps)});
    Open<Page>();
    EXPECT_EQ(List().rows[0], (std::vector<std::u16string>{u"Shop", u"", u"Push", u"WPA Personal", u" 30%"}));
}

TEST_F(SiteSurveyEx, AnEmptySurveyLeavesOnlyBackRefreshAndCancel) {
    Page& page = Open<Page>();
    EXPECT_EQ(List().rows.size(), 0u);
    EXPECT_FALSE(host().IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_TRUE(host().IsEnabled(IDC_WIZARD_BACK));
    host().Click(IDC_WIZARD_LIST_REFRESH);
    ApplySurvey({});
    page.OnWKSiteSurveyed();
    host().PumpPosted();
    EXPECT_FALSE(page.Busy());
    EXPECT_EQ(List().rows.size(), 0u);
    EXPECT_FALSE(host().IsEnabled(IDC_WIZARD_NEXT));
    for (ui::ControlId id : {IDC_WIZARD_BACK, IDC_WIZARD_LIST_REFRESH, ui::kIdCancel}) {
        EXPECT_TRUE(host().IsEnabled(id)) << id;
    }
}

TEST_F(SiteSurveyEx, ASelectedRowEnablesNextAsTheDefaultButton) {
    networks::ReplaceNetworkList({Network(u"Cafe", kernel::kBssOpen, 80)});
    Open<Page>();
    host().SetDefaultButton(IDC_WIZARD_BACK);
    host().SelectRow(IDC_WIZARD_LIST_NETWORKS, 0);
    EXPECT_TRUE(host().IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_EQ(host().defaultButton(), IDC_WIZARD_NEXT);
}

// Each column sorts by its own key; every click turns the order round and the header's arrow shows it.
TEST_F(SiteSurveyEx, AColumnClickSortsByItsKeyTheOtherWayRound) {
    networks::ReplaceNetworkList({
        Network(u"Bravo", kWpa2Psk, 20),
        Network(u"Alpha", kernel::kBssOpen, 90),
        Network(u"Charlie", kernel::kBssWep, 50),
    });
    Open<Page>();
    ASSERT_EQ(WizardState.sort.order, 1);
    ClickColumn(4);
    EXPECT_EQ(WizardState.sort.key, 5);
    EXPECT_EQ(WizardState.sort.order, 0);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Bravo", u"Charlie", u"Alpha"}));
    EXPECT_EQ(List().SortArrowOf(4), ui::SortArrow::Up);

    ClickColumn(0);
    EXPECT_EQ(WizardState.sort.key, 0);
    EXPECT_EQ(WizardState.sort.order, 1);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Charlie", u"Bravo", u"Alpha"}));
    EXPECT_EQ(List().SortArrowOf(0), ui::SortArrow::Down);
    EXPECT_EQ(List().SortArrowOf(4), ui::SortArrow::None);
    EXPECT_EQ(WizardRowMap, (std::vector<int32_t>{0, 1, 2})) << "the rows map the list as it is now sorted";
    EXPECT_EQ(base::FieldText(networks::CopyNetworkList()[0].ssid), u"Charlie");

    for (auto [column, key] : {std::pair{1, 7}, std::pair{2, 3}, std::pair{3, 2}}) {
        ClickColumn(column);
        EXPECT_EQ(WizardState.sort.key, key) << "column " << column;
    }
}

// Refresh shows one placeholder row and waits, without a usable button, until the Networks tab has
// made the survey's list; the library's call only posts.
TEST_F(SiteSurveyEx, RefreshWaitsForTheNetworksTabsNewList) {
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_SITESURVEY_EX]\r\n14010=Searching...\r\n");
    networks::ReplaceNetworkList({Network(u"Old", kernel::kBssOpen, 80)});
    Page& page = Open<Page>();
    kernel.ClearCalls();
    host().Click(IDC_WIZARD_LIST_REFRESH);
    EXPECT_TRUE(page.Busy());
    EXPECT_EQ(host().cursor, ui::Cursor::Wait);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Searching..."}));
    for (ui::ControlId id : {IDC_WIZARD_BACK, IDC_WIZARD_NEXT, IDC_WIZARD_LIST_REFRESH, ui::kIdCancel}) {
        EXPECT_FALSE(host().IsEnabled(id)) << id;
    }
    EXPECT_EQ(kernel.Calls(), (std::vector<std::u16string>{u"StartSiteSurvey 0"}));

    page.OnWKSiteSurveyed();
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Searching..."}))
        << "the library's thread touched the list";
    host().PumpPosted();
    EXPECT_TRUE(page.Busy()) << "filled from the old list";
    EXPECT_TRUE(host().TimerRunning(Page::kTimerListWait));
    host().FireTimer(Page::kTimerListWait);
    EXPECT_TRUE(page.Busy());

    ApplySurvey({Network(u"New", kWpa2Psk, 60), Network(u"Newer", kernel::kBssWep, 70)});
    host().FireTimer(Page::kTimerListWait);
    EXPECT_FALSE(page.Busy());
    EXPECT_FALSE(host().TimerRunning(Page::kTimerListWait));
    EXPECT_EQ(host().cursor, ui::Cursor::Arrow);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Newer", u"New"})) << "sorted by signal, descending";
    for (ui::ControlId id : {IDC_WIZARD_BACK, IDC_WIZARD_LIST_REFRESH, ui::kIdCancel}) {
        EXPECT_TRUE(host().IsEnabled(id)) << id;
    }
    EXPECT_FALSE(host().IsEnabled(IDC_WIZARD_NEXT));

    // A list that is already in place when the event is handled is shown at once.
    host().Click(IDC_WIZARD_LIST_REFRESH);
    ApplySurvey({Network(u"Third", kernel::kBssOpen, 10)});
    page.OnWKSiteSurveyed();
    host().PumpPosted();
    EXPECT_FALSE(page.Busy());
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Third"}));
}

TEST_F(SiteSurveyEx, RefreshGivesUpWaitingAndShowsWhatTheListHolds) {
    networks::ReplaceNetworkList({Network(u"Old", kernel::kBssOpen, 80)});
    Page& page = Open<Page>();
    host().Click(IDC_WIZARD_LIST_REFRESH);
    page.OnWKSiteSurveyed();
    host().PumpPosted();
    int looks = 0;
    while (host().TimerRunning(Page::kTimerListWait) && looks < 1000) {
        host().FireTimer(Page::kTimerListWait);
        ++looks;
    }
    EXPECT_EQ(looks, Page::kMaxListWaits);
    EXPECT_FALSE(page.Busy());
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Old"}));
}

// Next takes the chosen entry into the connection block; an open network goes on to the save page.
TEST_F(SiteSurveyEx, NextWithAnOpenNetworkFillsTheBlockAndGoesToTheSavePage) {
    kernel::BssEntry cafe = Network(u"Cafe", kernel::kBssOpen, 80);
    cafe.bssid[0] = 0x00;
    cafe.bssid[5] = 0x42;
    cafe.channel = 11;
    cafe.radioModes = kernel::kRadio80211b | kernel::kRadio80211g;
    networks::ReplaceNetworkList({Network(u"Home", kernel::kBssWep, 90), cafe});
    WpsMode = true;
    Open<Page>();
    ChooseRow(1);
    EXPECT_EQ(host().result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
    EXPECT_EQ(WizardOrigin, wizard::kOriginList);
    EXPECT_EQ(WizardState.selectedNetwork, 1);
    EXPECT_EQ(wizard::SelectedSsid(), u"Cafe");
    const kernel::ConnectionBlock& block = WizardProfile.block;
    EXPECT_EQ(block.BSSID[5], 0x42);
    EXPECT_EQ(block.adHocChannel, 11);
    EXPECT_EQ(block.NetworkConnectType, 0u);
    EXPECT_EQ(block.adHocMode, 0x3);
    EXPECT_EQ(block.securityFlags, kernel::kBssOpen);
    EXPECT_FALSE(WpsMode);
    EXPECT_EQ(Stored(u"SetupStatus"), u"255");
    EXPECT_TRUE(host().modalTemplates.empty());
}

TEST_F(SiteSurveyEx, AnOpenNetworkOnASilentFirstRunSkipsTheSavePage) {
    WizardState.firstRun = true;
    Store(u"InstallType", u"0");
    networks::ReplaceNetworkList({Network(u"Cafe", kernel::kBssOpen, 80)});
    Open<Page>();
    ChooseRow(0);
    EXPECT_EQ(WizardPage, wizard::kPageSilentSave);
}

TEST_F(SiteSurveyEx, An80211nNetworkPassesAutomaticWith80211nAsItsMode) {
    kernel::BssEntry fast = Network(u"Fast", kernel::kBssOpen, 80, kernel::kCap80211n);
    fast.radioModes = kernel::kRadio80211a;
    networks::ReplaceNetworkList({fast});
    Open<Page>();
    ChooseRow(0);
    EXPECT_EQ(WizardProfile.block.adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N);
}

// The scan reports WPA-PSK and WPA2-PSK by their authentication bit alone; the block carries the
// cipher as a stored profile needs it.
TEST_F(SiteSurveyEx, ProtectedNetworksOpenTheirMessageWithTheCipherInTheBlock) {
    struct Case {
        uint32_t scan;
        uint32_t block;
        int messageTemplate;
    };
    for (const Case& c : {Case{kWpaPsk, 0x100004, IDD_DLG_CONNECTWIZARD_MESSAGE_PSK},
                          Case{kWpa2Psk, 0x200008, IDD_DLG_CONNECTWIZARD_MESSAGE_PSK},
                          Case{kWpaPsk | kWpa2Psk, 0x200008, IDD_DLG_CONNECTWIZARD_MESSAGE_PSK},
                          Case{kernel::kBssWep, kernel::kBssWep, IDD_DLG_CONNECTWIZARD_MESSAGE_WEB}}) {
        SCOPED_TRACE(c.scan);
        networks::ReplaceNetworkList({Network(u"Home", c.scan, 80)});
        Open<Page>();
        host().modalHandler = [](ui::Dialog&) {
            WizardPage = 99; // what the message window's OK would have stored
            return ui::kIdOk;
        };
        ChooseRow(0);
        EXPECT_EQ(WizardProfile.block.securityFlags, c.block);
        EXPECT_EQ(host().modalTemplates, (std::vector<int>{c.messageTemplate}));
        EXPECT_EQ(WizardPage, 99) << "the message window decides the next page";
        EXPECT_EQ(host().result(), ui::kIdOk);
    }
}

TEST_F(SiteSurveyEx, AHiddenNetworkGoesToTheHiddenPageWithAnEmptyName) {
    networks::ReplaceNetworkList({Network(u"", kWpa2Psk, 80)});
    WizardState.hiddenName = u"Typed before";
    Open<Page>();
    ChooseRow(0);
    EXPECT_EQ(WizardPage, wizard::kPageHidden);
    EXPECT_EQ(WizardState.hiddenName, u"");
    EXPECT_EQ(wizard::SelectedSsid(), u"");
    EXPECT_TRUE(host().modalTemplates.empty());
}

TEST_F(SiteSurveyEx, NextReadsTheEntryTheRowShowedAfterTheSharedListChanged) {
    networks::ReplaceNetworkList({Network(u"Shown", kernel::kBssOpen, 80)});
    Open<Page>();
    networks::ReplaceNetworkList({Network(u"Other", kWpa2Psk, 80)});
    ChooseRow(0);
    EXPECT_EQ(wizard::SelectedSsid(), u"Shown");
    EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
}

TEST_F(SiteSurveyEx, ADoubleClickActsAsNext) {
    networks::ReplaceNetworkList({Network(u"Cafe", kernel::kBssOpen, 80)});
    Open<Page>();
    host().SelectRow(IDC_WIZARD_LIST_NETWORKS, 0);
    ui::Notify click;
    click.id = IDC_WIZARD_LIST_NETWORKS;
    click.code = ui::kDoubleClick;
    click.item = 0;
    host().Notify(click);
    host().FireTimer(Page::kTimerClose);
    EXPECT_EQ(host().result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
}

TEST_F(SiteSurveyEx, BackAndCancelBothCancelButOnlyCancelSaysSo) {
    Page& back = Open<Page>();
    host().Click(IDC_WIZARD_BACK);
    EXPECT_EQ(host().result(), ui::kIdCancel);
    EXPECT_FALSE(back.CancelUsed());

    Page& cancel = Open<Page>();
    host().Click(ui::kIdCancel);
    EXPECT_EQ(host().result(), ui::kIdCancel);
    EXPECT_TRUE(cancel.CancelUsed());
}

TEST_F(SiteSurveyEx, TheWatchdogClosesWithoutAdapterUnderZeroConfigurationOrOnTheButton) {
    Open<Page>();
    host().FireTimer(Page::kTimerWatchdog);
    EXPECT_FALSE(host().ended());
    for (int cause = 0; cause < 3; ++cause) {
        SCOPED_TRACE(cause);
        DevicePresent = cause != 0;
        g_bZeroConfig = cause == 1;
        HwButtonPressed = cause == 2;
        Page& page = Open<Page>();
        host().FireTimer(Page::kTimerWatchdog);
        EXPECT_EQ(host().result(), ui::kIdCancel);
        EXPECT_TRUE(page.CancelUsed()) << "the run ends rather than going on to the WPS page";
    }
}

TEST_F(SiteSurveyEx, APreselectedNetworkIsSelectedAndTheListFocusedOnce) {
    networks::ReplaceNetworkList({
        Network(u"Alpha", kernel::kBssOpen, 90),
        Network(u"Corp", kernel::kBssWpaRadius, 85),
        Network(u"Bravo", kWpa2Psk, 80),
    });
    WizardState.preselectRequested = true;
    WizardState.selectedNetwork = 2;
    Open<Page>();
    EXPECT_EQ(List().selection, 1);
    EXPECT_TRUE(host().IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_FALSE(WizardState.preselectRequested);
    EXPECT_EQ(host().TimerInterval(Page::kTimerFocusList), 10u);
    host().FireTimer(Page::kTimerFocusList);
    EXPECT_EQ(host().FocusedControl(), IDC_WIZARD_LIST_NETWORKS);
    EXPECT_FALSE(host().TimerRunning(Page::kTimerFocusList));
}

} // namespace
