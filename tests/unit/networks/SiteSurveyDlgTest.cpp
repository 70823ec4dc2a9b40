// The Networks page inside the main window on the fake host: surveys from Scan to the filled list, the
// service's own surveys, the radio, refused starts, column clicks, Connect on a row, and the page's
// receiver, which only posts and is gone with the page.
#include <thread>

#include "MainWindowFixture.h"
#include "SurveyKernel.h"
#include "app/AppMessages.h"
#include "base/Trace.h"
#include "mainwnd/MainWndMessages.h"
#include "networks/CSiteSurveyDlg.h"
#include "res/NetworksIds.h"

using namespace mainwndtest;

namespace {

kernel::BssEntry Net(std::u16string_view ssid, uint8_t id, uint16_t signal,
                     uint32_t security = kernel::kBssOpen, uint32_t type = 0, uint32_t caps = 0) {
    kernel::BssEntry e{};
    base::CopyToField(e.ssid, ssid);
    e.bssid[5] = id;
    e.channel = 6;
    e.radioModes = kernel::kRadio80211g;
    e.security = security;
    e.signal = signal;
    e.networkType = type;
    e.capabilities = caps;
    return e;
}

class SettingsRecorder final : public CSettingsPage {
public:
    SettingsRecorder()
        : CSettingsPage(IDD_DIALOG_PROFILE_SETTING, mainwnd::kMsgSettingsPageKey, u"settings.rtf",
                        IDC_RICHEDIT_PAGE_HELP) {}
    void RefillNetworkNames() override { calls.push_back("refill"); }
    void ResetEditedProfile() override { calls.push_back("reset"); }
    void ChooseAdHocNetwork(int row) override { calls.push_back("adhoc " + std::to_string(row)); }
    std::vector<std::string> calls;
};

class SurveyPage : public MainWindowTest {
protected:
    SurveyPage() {
        g_pnKernel = &survey;
        using ui::ControlKind;
        fakes::RegisterTemplate(
            IDD_DIALOG_SITESURVEY,
            {{IDC_STATIC_SITESURVEY_BANNER, ControlKind::Static, {6, 3, 594, 36}, false},
             {IDC_STATIC_SITESURVEY_ADAPTER, ControlKind::Static, {6, 39, 102, 55}, false},
             {IDC_EDIT_SITESURVEY_ADAPTER, ControlKind::Edit, {105, 37, 405, 57}, false},
             {IDC_LIST_SITESURVEY, ControlKind::Report, {6, 39, 594, 169}, true},
             {IDC_STATIC_SITESURVEY_GROUP_SCAN, ControlKind::Button, {6, 172, 594, 231}, false},
             {IDC_STATIC_SITESURVEY_STATUS, ControlKind::Static, {18, 195, 312, 211}, false},
             {IDC_PROGRESS_SITESURVEY, ControlKind::Progress, {321, 192, 582, 211}, false},
             {IDC_STATIC_SITESURVEY_GROUP_HELP, ControlKind::Button, {6, 234, 594, 364}, false},
             {IDC_RICHEDIT_PAGE_HELP, ControlKind::RichText, {15, 250, 585, 357}, false}});
        base::SetTraceSink([this](std::u16string_view line) { traces.emplace_back(line); });
    }
    ~SurveyPage() override {
        base::SetTraceSink(nullptr);
        if (host && !host->destroyed()) {
            host->Destroy(); // while the pages of this fixture still exist
        }
        host.reset();
        window.reset();
    }
    void OpenPage() {
        MainWindowHooks hooks;
        hooks.startWizardForNetwork = [this](const kernel::BssEntry& e, bool wps, int listIndex) {
            wizards.push_back(base::Utf16ToUtf8(base::FieldText(e.ssid)) + (wps ? " wps" : "") + " #" +
                              std::to_string(listIndex));
        };
        window = std::make_unique<CNetUIDlg>(nullptr, MainPages{recorder, page, statistics, about},
                                             MainWindowPlatform{clock, system, sound}, hooks);
        window->SetStartWorkerThreads(false);
        host = std::make_unique<fakes::FakeHost>(*window, ui::Rect{300, 200, 816, 620});
        host->Strict();
        DevicePresent = true;
        host->Open();
        window->OnWKDeviceLoaded();
        Settle();
        host->SelectTab(IDC_TAB_MAIN, 1);
        recorder.calls.clear();
    }
    // The page posts to the main window while its own messages are delivered: pump until both are quiet.
    void Settle() {
        while (host->PumpPosted() > 0) {
        }
    }
    fakes::FakeHost& Page() { return *host->Page(page); }
    ui::ReportControl& List() { return Page().Report(IDC_LIST_SITESURVEY); }
    std::u16string Status() { return Page().GetText(IDC_STATIC_SITESURVEY_STATUS); }
    bool ScanEnabled() { return host->IsEnabled(IDC_BUTTON_SECOND_ACTION); }
    void Surveyed(std::vector<kernel::BssEntry> found) {
        kernel.networks = std::move(found);
        page.OnWKSiteSurveyed();
        Settle();
    }
    void ListNotify(int code, int item, int column = -1) {
        ui::Notify notify;
        notify.id = IDC_LIST_SITESURVEY;
        notify.code = code;
        notify.item = item;
        notify.subItem = column;
        Page().Notify(notify);
    }
    void ClickColumn(int column) {
        ListNotify(ui::kColumnClick, -1, column);
        Settle();
    }
    std::vector<std::u16string> Column(int column) {
        std::vector<std::u16string> cells;
        for (int row = 0; row < List().RowCount(); ++row) {
            cells.push_back(List().Cell(row, column));
        }
        return cells;
    }

    SurveyKernel survey{kernel};
    SettingsRecorder recorder;
    CSiteSurveyDlg page;
    std::vector<std::string> wizards;
    std::vector<std::u16string> traces;
};

TEST_F(SurveyPage, ScanRunsUntilTheSurveyEndsWhileASecondScanIsIgnored) {
    OpenPage();
    host->Click(IDC_BUTTON_SECOND_ACTION);
    EXPECT_FALSE(g_bScanDone) << "cleared by the Scan itself";
    EXPECT_EQ(Status(), u"<<Scanning>>");
    EXPECT_FALSE(ScanEnabled());
    EXPECT_EQ(Page().TimerInterval(CSiteSurveyDlg::kTimerProgress), 10u);
    page.Rescan();
    EXPECT_EQ(kernel.CountCalls(u"StartSiteSurvey 0"), 1u);
    for (int tick = 0; tick < 3; ++tick) {
        Page().FireTimer(CSiteSurveyDlg::kTimerProgress);
    }
    EXPECT_EQ(Page().Progress(IDC_PROGRESS_SITESURVEY).Pos(), 2);

    g_bBandMode = 2;
    Surveyed({Net(u"Cafe", 1, 40), Net(u"Lab", 2, 90, kernel::kBssWpa2Psk)});
    EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"Cafe", u"Lab"}));
    EXPECT_EQ(Column(4), (std::vector<std::u16string>{u"None", u"WPA2-PSK"}));
    EXPECT_EQ(Status(), u"Scan Completed");
    EXPECT_EQ(Page().Progress(IDC_PROGRESS_SITESURVEY).Pos(), 1200);
    EXPECT_FALSE(Page().TimerRunning(CSiteSurveyDlg::kTimerProgress));
    EXPECT_TRUE(ScanEnabled());
    EXPECT_TRUE(g_bScanDone);
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"refill"}) << "0x8065 reached the main window";
    EXPECT_EQ(traces.back(), u"\nCSiteSurveyDlg::OnWKSiteSurveyed(): GetNetWorkList g_dwNetworks item = 2, "
                             u"g_bBandMode = 2 (0=Auto, 1=5G, 2=2.4G)");
    fakes::FakeControl& drawn = Page().control(IDC_LIST_SITESURVEY);
    EXPECT_EQ(drawn.rowsInsertedWhileDrawn, 0) << "rows appeared one by one while the list was drawn";
    EXPECT_FALSE(drawn.redrawHeld);
    EXPECT_TRUE(drawn.doubleBuffered);
    EXPECT_NE(drawn.headerBack, ui::kDefaultColor) << "the program draws its own header";
}

TEST_F(SurveyPage, SurveysTheServiceBeginsRadioOffAndRefusedStartsAllEndCleanly) {
    OpenPage();
    Surveyed({Net(u"Old", 1, 40)});
    page.OnWKSiteSurveyBegun(); // the service's own survey, counter at 0
    Settle();
    EXPECT_EQ(List().RowCount(), 0);
    EXPECT_EQ(Status(), u"<<Scanning>>");
    EXPECT_TRUE(Page().TimerRunning(CSiteSurveyDlg::kTimerProgress));
    EXPECT_FALSE(ScanEnabled());
    Page().FireTimer(CSiteSurveyDlg::kTimerProgress);
    Page().FireTimer(CSiteSurveyDlg::kTimerProgress);
    page.OnWKSiteSurveyBegun(); // reported again while the bar runs: the bar keeps its place
    Settle();
    EXPECT_EQ(page.ProgressCounter(), 2);

    page.OnWKRadioChanged(0); // radio off
    Settle();
    EXPECT_EQ(Status(), u"Scan Completed");
    EXPECT_TRUE(ScanEnabled());
    EXPECT_TRUE(g_bScanDone);

    Surveyed({});
    EXPECT_EQ(List().RowCount(), 0);
    EXPECT_EQ(Page().Progress(IDC_PROGRESS_SITESURVEY).Pos(), 1200);

    survey.startAnswer = 0;
    page.StartScan();
    EXPECT_TRUE(g_bScanDone) << "a refused start must not leave the page scanning for good";
    EXPECT_TRUE(ScanEnabled());
    EXPECT_EQ(Status(), u"Scan Completed");
}

TEST_F(SurveyPage, ColumnClicksSortDescendingFirstAndWaitForTheSurvey) {
    OpenPage();
    Surveyed({Net(u"b", 1, 40), Net(u"c", 2, 90), Net(u"a", 3, 7)});
    ClickColumn(5);
    EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"c", u"b", u"a"})) << "strongest first";
    ClickColumn(5);
    EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"a", u"b", u"c"}));
    EXPECT_EQ(recorder.calls.size(), 3u) << "each sort refills the Settings page's names";
    page.StartScan();
    ClickColumn(0);
    EXPECT_EQ(page.SortKey(), 5) << "ignored while the survey runs";
    Surveyed({Net(u"y", 2, 60), Net(u"x", 1, 10)});
    EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"x", u"y"}))
        << "key and order kept for the next survey";
}

TEST_F(SurveyPage, ConnectRefusesRadiusStartsTheWizardOrChoosesTheAdHocNetwork) {
    OpenPage();
    Surveyed({Net(u"Corp", 1, 90, kernel::kBssWpa2Radius), Net(u"Home", 2, 80, kernel::kBssWpa2Psk),
              Net(u"Push", 3, 70, kernel::kBssWpa2Psk, 0, kernel::kCapWps), Net(u"Den", 4, 60, 1, 1),
              Net(u"Den2", 5, 50, 1, 1)});
    recorder.calls.clear();
    Page().SelectRow(IDC_LIST_SITESURVEY, 0);
    host->Click(IDC_BUTTON_FIRST_ACTION);
    ASSERT_EQ(Page().messageBoxes.size(), 1u);
    EXPECT_EQ(Page().messageBoxes[0].text, u"Sorry! We don't support WPA/WPA2 RADIUS Security(802.1x).");
    EXPECT_TRUE(recorder.calls.empty());

    // Rows in name order: Corp, Den, Den2, Home, Push.
    Page().SelectRow(IDC_LIST_SITESURVEY, 3);
    ListNotify(ui::kDoubleClick, 3);
    Page().SelectRow(IDC_LIST_SITESURVEY, 4);
    Page().PressMenuKey(u'N'); // Co&nnect through the main window
    Settle();
    EXPECT_EQ(wizards, (std::vector<std::string>{"Home #3", "Push wps #4"}));

    Page().SelectRow(IDC_LIST_SITESURVEY, 2);
    host->Click(IDC_BUTTON_FIRST_ACTION);
    EXPECT_EQ(window->CurrentPage(), CQueryTabCtrl::kSettings);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"reset", "reset", "reset", "adhoc 1"}));
    EXPECT_EQ(wizards.size(), 2u);

    Store(u"Language", u"1");
    SelectLanguage();
    Page().SelectRow(IDC_LIST_SITESURVEY, 0);
    page.ConnectSelected();
    EXPECT_EQ(Page().modalTemplates, std::vector<int>{IDD_DIALOG_SYSMESSAGE_YES});
}

TEST_F(SurveyPage, AnOverlongCountAndUnknownTypesNeverShiftRowsAgainstEntries) {
    OpenPage();
    std::vector<kernel::BssEntry> many{Net(u"Odd", 200, 99, 1, 2)};
    for (uint8_t i = 0; i < 70; ++i) {
        many.push_back(Net(u"n", i, i));
    }
    survey.reportedCount = 100;
    Surveyed(many);
    EXPECT_EQ(survey.slotsOffered, 64u);
    EXPECT_EQ(List().RowCount(), 63) << "64 read, the unknown type dropped";

    survey.reportedCount = 0;
    Surveyed({Net(u"Odd", 9, 99, 1, 7), Net(u"First", 1, 50), Net(u"Second", 2, 40)});
    Page().SelectRow(IDC_LIST_SITESURVEY, 1);
    page.ConnectSelected();
    EXPECT_EQ(wizards, std::vector<std::string>{"Second #1"});
}

TEST_F(SurveyPage, EventsOnTheLibrarysThreadOnlyPostAndTheReceiverGoesWithThePage) {
    kernel.adapterState.present = 1;
    base::CopyToField(kernel.adapterState.adapterName, u"KTVA7700v2 USB");
    OpenPage();
    EXPECT_EQ(Page().GetText(IDC_EDIT_SITESURVEY_ADAPTER), u"KTVA7700v2 USB");
    page.StartScan();
    kernel.networks = {Net(u"Cafe", 1, 40)};
    std::thread library([this] { page.OnWKSiteSurveyed(); });
    library.join();
    EXPECT_EQ(kernel.CountCalls(u"GetNetWorkList"), 0u) << "nothing ran on the library's thread";
    Settle();
    EXPECT_EQ(List().RowCount(), 1);

    page.StartScan();
    host->Deliver(kMsgExitProgram);
    EXPECT_EQ(host->result(), 0);
    EXPECT_TRUE(host->destroyed());
    EXPECT_EQ(kernel.CountCalls(u"AddReceiver"), kernel.CountCalls(u"RemoveReceiver"));
    page.OnWKSiteSurveyed(); // a late event reaches nothing
    EXPECT_EQ(kernel.CountCalls(u"GetNetWorkList"), 1u);
}

} // namespace
