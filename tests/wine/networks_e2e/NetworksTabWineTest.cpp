// The Networks page of the real program under Wine, against the stand-in service: surveys from Scan and
// from the service, the list's cells, the Signal column's sort, the band filter and hidden-network name
// that a stored profile brings, Connect refused for 802.1X networks and a survey ended by the radio.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wine/networks_e2e/UtilityUnderWine.h"

using namespace networks_e2e;

namespace {

constexpr int kList = 1203;
constexpr int kStatus = 1205;
constexpr int kProgress = 1206;
constexpr int kSignalColumn = 5;
constexpr wchar_t kScanning[] = L"<<Scanning>>";
constexpr wchar_t kCompleted[] = L"Scan Completed";

using Row = std::vector<std::wstring>;

// data/Skyvane.ini as the page shows it: by name, the hidden network's empty name first. Connected with
// a profile that allows every mode, both bands may show the 802.11n mark.
const std::vector<Row> kDefaultWorldRows = {
    {L"", L"   4(B)", L"", L"", L"WPA2-PSK", L"  60%", L"00:24:B2:10:20:09", L"Infrastructure"},
    {L"Cafe_Guest", L"  11(B)", L"", L"", L"None", L"  45%", L"00:24:B2:10:20:03", L"Infrastructure"},
    {L"CorpSecure", L"  44(A)", L"", L"", L"WPA2-Radius", L"  40%", L"00:24:B2:10:20:08", L"Infrastructure"},
    {L"HomeNet", L"   6(B)", L"N", L"WPS", L"WPA2-PSK", L"  88%", L"00:24:B2:10:20:01", L"Infrastructure"},
    {L"MixedMode", L"   9(B)", L"N", L"", L"WPA-PSK/WPA2-PSK", L"  58%", L"00:24:B2:10:20:07",
     L"Infrastructure"},
    {L"Office5G", L"  36(A)", L"N", L"", L"WPA2-PSK", L"  71%", L"00:24:B2:10:20:06", L"Infrastructure"},
    {L"OldRouter", L"   3(B)", L"", L"", L"WEP", L"  52%", L"00:24:B2:10:20:04", L"Infrastructure"},
    {L"Orvelin_Lab", L"   1(B)", L"", L"", L"WPA-PSK", L"  64%", L"00:24:B2:10:20:02", L"Infrastructure"},
    {L"PeerLink", L"  10(B)", L"", L"", L"None", L"  35%", L"02:1C:7E:00:00:0B", L"Ad-Hoc"},
    {L"PressMe", L"   6(B)", L"N", L"WPS", L"WPA2-PSK", L"  80%", L"00:24:B2:10:20:0A", L"Infrastructure"},
    {L"Warehouse", L" 149(A)", L"", L"", L"WEP", L"  38%", L"00:24:B2:10:20:05", L"Infrastructure"},
};

std::string Describe(const std::vector<Row>& rows) {
    std::string text;
    for (const Row& row : rows) {
        text += "\n ";
        for (const std::wstring& cell : row) {
            text += " [" + Narrow(cell) + "]";
        }
    }
    return text.empty() ? std::string("(no rows)") : text;
}

std::vector<std::wstring> Names(const std::vector<Row>& rows) {
    std::vector<std::wstring> names;
    for (const Row& row : rows) {
        names.push_back(row.empty() ? L"?" : row[0]);
    }
    return names;
}

class NetworksTab : public UtilityUnderWine {
protected:
    HWND List() { return Control(kList); }

    // Up with the Networks page shown and the survey that showing it starts finished.
    void StartOnNetworksPage() {
        ASSERT_NE(Start(), nullptr);
        ASSERT_TRUE(ShowPage(kNetworksTab, kList));
        ASSERT_TRUE(TextBecomes(kStatus, kCompleted, 20000))
            << "no survey ended after the page showed; status: " << Narrow(Text(kStatus));
    }

    // What the page shows while a survey runs, all at the same moment.
    bool ShowsScanning() {
        return Text(kStatus) == kScanning && !Enabled(kScanButton) && ListRowCount(List()) == 0;
    }

    // Presses Scan as a user does and follows the survey through its running state to its end.
    void ScanAndWait() {
        HWND scan = GetDlgItem(m_main, kScanButton);
        ASSERT_TRUE(Enabled(kScanButton)) << "Scan is disabled before the scan";
        RECT place{};
        GetWindowRect(scan, &place);
        ASSERT_TRUE(ClickUntil(place, [&] { return ShowsScanning(); }))
            << "not seen scanning: status " << Narrow(Text(kStatus)) << ", Scan enabled "
            << Enabled(kScanButton) << ", rows " << ListRowCount(List());
        ASSERT_TRUE(TextBecomes(kStatus, kCompleted, 20000)) << "status: " << Narrow(Text(kStatus));
        EXPECT_TRUE(WaitFor([&] { return Enabled(kScanButton); }, 5000)) << "Scan stays disabled";
    }

    // True once the rows' order changed, whatever it became. `nearLeft` alternates the point so that two
    // clicks in a row never make a double click.
    bool ClickHeader(int column, bool nearLeft) {
        std::optional<RECT> item = HeaderItemRect(List(), column);
        std::vector<Row> before = ListRows(List());
        return item && ClickUntil(
                           *item, [&] { return ListRows(List()) != before; }, 1, nearLeft ? 0.3 : 0.7);
    }

    // Visible top-level windows of the program other than the main window and the given one.
    std::vector<std::wstring> OtherWindows(HWND except) {
        struct Search {
            DWORD process;
            HWND main;
            HWND except;
            std::vector<std::wstring> captions;
        } search{0, m_main, except, {}};
        GetWindowThreadProcessId(m_main, &search.process);
        EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                if (process == s->process && window != s->main && window != s->except &&
                    IsWindowVisible(window)) {
                    wchar_t caption[256] = {};
                    GetWindowTextW(window, caption, 256);
                    s->captions.push_back(caption);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.captions;
    }

    // A double click on the 802.1X network's row: the refusal in a message box, then no connect attempt
    // and no wizard. The main window's start-up connect must have been made before.
    void ExpectRadiusRowRefused(const std::wstring& name) {
        int row = FindListRow(List(), 0, name);
        ASSERT_GE(row, 0) << Describe(ListRows(List()));
        size_t mark = Log().size();
        std::optional<RECT> place = ListRowRect(List(), row);
        ASSERT_TRUE(place);
        // Any answer ends the clicking: a message box, another window or a connect attempt.
        ClickUntil(
            *place,
            [&] {
                return !OtherWindows(nullptr).empty() ||
                       Log().find("ConnectWithBlock", mark) != std::string::npos;
            },
            2);
        HWND box = FindWindowW(L"#32770", kMessageBoxTitle);
        ASSERT_NE(box, nullptr) << "no message box; selected row "
                                << SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                LVNI_SELECTED)
                                << ", rows:" << Describe(ListRows(List()));
        std::wstring text;
        EnumChildWindows(
            box,
            [](HWND child, LPARAM param) -> BOOL {
                wchar_t className[32] = {};
                wchar_t caption[512] = {};
                GetClassNameW(child, className, 32);
                GetWindowTextW(child, caption, 512);
                if (_wcsicmp(className, L"Static") == 0 && caption[0] != L'\0') {
                    *reinterpret_cast<std::wstring*>(param) = caption;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&text));
        EXPECT_EQ(text, L"Sorry! We don't support WPA/WPA2 RADIUS Security(802.1x).");
        std::vector<std::wstring> others = OtherWindows(box);
        EXPECT_TRUE(others.empty()) << "another window beside the message box: " << Narrow(others.front());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, 10000)) << "the message box stayed";

        // A survey after the refusal: whatever the double click set going has had its turn by its end.
        ASSERT_NO_FATAL_FAILURE(ScanAndWait());
        EXPECT_EQ(Log().find("ConnectWithBlock", mark), std::string::npos) << Log().substr(mark);
        others = OtherWindows(nullptr);
        EXPECT_TRUE(others.empty()) << "a window opened: " << Narrow(others.front());
    }
};

TEST_F(NetworksTab, ScanShowsTheDefaultWorldWhileScanWaitsForTheEnd) {
    ASSERT_NO_FATAL_FAILURE(StartOnNetworksPage());
    ASSERT_NO_FATAL_FAILURE(ScanAndWait());
    std::vector<Row> rows = ListRows(List());
    EXPECT_EQ(rows, kDefaultWorldRows) << Describe(rows);
    EXPECT_EQ(SendMessageW(Control(kProgress), PBM_GETPOS, 0, 0), 1200) << "the bar ends full";
    SavePicture(L"networks-tab");
}

TEST_F(NetworksTab, ASurveyTheServiceStartsEmptiesAndRefillsTheList) {
    ASSERT_NO_FATAL_FAILURE(StartOnNetworksPage());
    ASSERT_EQ(ListRowCount(List()), static_cast<int>(kDefaultWorldRows.size()));
    ASSERT_EQ(Skyctl(L"survey"), 0);
    EXPECT_TRUE(WaitFor([&] { return ShowsScanning(); }, 10000))
        << "not emptied: status " << Narrow(Text(kStatus)) << ", rows " << ListRowCount(List());
    ASSERT_TRUE(TextBecomes(kStatus, kCompleted, 20000)) << "status: " << Narrow(Text(kStatus));
    EXPECT_TRUE(WaitFor([&] { return Enabled(kScanButton); }, 5000));
    std::vector<Row> rows = ListRows(List());
    EXPECT_EQ(rows, kDefaultWorldRows) << Describe(rows);
}

TEST_F(NetworksTab, TheSignalHeaderSortsStrongestFirstThenWeakest) {
    ASSERT_NO_FATAL_FAILURE(StartOnNetworksPage());
    const std::vector<std::wstring> strongestFirst = {
        L"HomeNet",   L"PressMe",    L"Office5G",   L"Orvelin_Lab", L"",        L"MixedMode",
        L"OldRouter", L"Cafe_Guest", L"CorpSecure", L"Warehouse",   L"PeerLink"};
    std::vector<std::wstring> weakestFirst(strongestFirst.rbegin(), strongestFirst.rend());

    ASSERT_TRUE(ClickHeader(kSignalColumn, true)) << "the first click changed nothing";
    EXPECT_EQ(Names(ListRows(List())), strongestFirst) << Describe(ListRows(List()));
    ASSERT_TRUE(ClickHeader(kSignalColumn, false)) << "the second click changed nothing";
    EXPECT_EQ(Names(ListRows(List())), weakestFirst) << Describe(ListRows(List()));
    // Whole rows move, not only the names.
    int row = FindListRow(List(), 0, L"HomeNet");
    ASSERT_GE(row, 0);
    EXPECT_EQ(ListCellText(List(), row, kSignalColumn), L"  88%");
    EXPECT_EQ(ListCellText(List(), row, 6), L"00:24:B2:10:20:01");
}

TEST_F(NetworksTab, AStoredProfileForTheHiddenNetworkConnectsAndNamesItsRow) {
    DeleteKeyTree(std::wstring(kAppKey) + L"\\ProfileData");
    WriteCurrentProfile(L"StealthNet", u"hiddenpass", kernel::kModeAll);
    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(LogHas("ConnectWithBlock ssid=\"StealthNet\"", 15000)) << Log();
    ASSERT_TRUE(LogHas("note associated with \"StealthNet\"", 15000)) << Log();
    ASSERT_TRUE(ShowPage(kNetworksTab, kList));
    ASSERT_TRUE(TextBecomes(kStatus, kCompleted, 20000)) << Narrow(Text(kStatus));
    ASSERT_NO_FATAL_FAILURE(ScanAndWait());
    int row = FindListRow(List(), 6, L"00:24:B2:10:20:09");
    ASSERT_GE(row, 0) << Describe(ListRows(List()));
    EXPECT_EQ(ListCellText(List(), row, 0), L"StealthNet") << Describe(ListRows(List()));
}

TEST_F(NetworksTab, AProfileForTheFiveGigahertzBandOnlyLeavesOnly80211aRows) {
    DeleteKeyTree(std::wstring(kAppKey) + L"\\ProfileData");
    WriteCurrentProfile(L"Office5G", u"fivegigs!", kernel::kMode300A);
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(LogHas("ConnectWithBlock ssid=\"Office5G\"", 15000)) << Log();
    ASSERT_TRUE(ShowPage(kNetworksTab, kList));
    ASSERT_TRUE(TextBecomes(kStatus, kCompleted, 20000)) << Narrow(Text(kStatus));
    ASSERT_NO_FATAL_FAILURE(ScanAndWait());
    std::vector<Row> rows = ListRows(List());
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"CorpSecure", L"Office5G", L"Warehouse"}))
        << Describe(rows);
    for (const Row& row : rows) {
        EXPECT_TRUE(row[1].ends_with(L"(A)")) << Describe(rows);
    }
}

TEST_F(NetworksTab, DoubleClickingTheRadiusNetworkRefusesIt) {
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(LogHas("note associated with \"HomeNet\"", 15000)) << Log();
    ASSERT_TRUE(ShowPage(kNetworksTab, kList));
    ASSERT_TRUE(TextBecomes(kStatus, kCompleted, 20000)) << Narrow(Text(kStatus));
    ASSERT_NO_FATAL_FAILURE(ExpectRadiusRowRefused(L"CorpSecure"));
}

// A network type the page cannot show sorts before the 802.1X network; had its row been skipped without
// its entry, the row shown as that network would act on another one.
TEST_F(NetworksTab, DoubleClickingTheRadiusNetworkRefusesItBehindAnEntryOfAnUnknownType) {
    WriteScenario(L"unknown-type.ini",
                  "[World]\r\nScanDelay=800\r\nAssociateDelay=200\r\nAddressDelay=200\r\nLinkPeriod=0\r\n"
                  "[Adapter]\r\nPresent=1\r\n"
                  "[AAA_Bridge]\r\nType=2\r\nBSSID=00:24:B2:10:30:01\r\nChannel=1\r\nModes=bg\r\n"
                  "Security=None\r\nSignal=90\r\n"
                  "[CorpSecure]\r\nBSSID=00:24:B2:10:30:02\r\nChannel=44\r\nModes=a\r\n"
                  "Security=WPA2-Radius\r\nSignal=40\r\n"
                  "[HomeNet]\r\nBSSID=00:24:B2:10:30:03\r\nChannel=6\r\nModes=bgn\r\nSecurity=WPA2-PSK\r\n"
                  "Passphrase=sunflower42\r\nSignal=88\r\nAddress=192.168.1.20\r\nGateway=192.168.1.1\r\n");
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(LogHas("note associated with \"HomeNet\"", 15000)) << Log();
    ASSERT_TRUE(ShowPage(kNetworksTab, kList));
    ASSERT_TRUE(TextBecomes(kStatus, kCompleted, 20000)) << Narrow(Text(kStatus));
    std::vector<Row> rows = ListRows(List());
    ASSERT_EQ(Names(rows), (std::vector<std::wstring>{L"CorpSecure", L"HomeNet"})) << Describe(rows);
    ASSERT_NO_FATAL_FAILURE(ExpectRadiusRowRefused(L"CorpSecure"));
}

TEST_F(NetworksTab, TheRadioGoingOffEndsARunningScan) {
    // A survey far longer than the test waits for its end, so only the radio can end it in time.
    WriteScenario(L"slow-survey.ini",
                  "[World]\r\nScanDelay=30000\r\nLinkPeriod=0\r\n[Adapter]\r\nPresent=1\r\n");
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(ShowPage(kNetworksTab, kList));
    ASSERT_TRUE(WaitFor([&] { return ShowsScanning(); }, 10000))
        << "the page's survey did not start: " << Narrow(Text(kStatus));
    ASSERT_EQ(Skyctl(L"radio off"), 0);
    EXPECT_TRUE(TextBecomes(kStatus, kCompleted, 5000)) << "status: " << Narrow(Text(kStatus));
    EXPECT_EQ(Log().find("event OnWKSiteSurveyed"), std::string::npos) << "the survey itself ended";
    EXPECT_EQ(SendMessageW(Control(kProgress), PBM_GETPOS, 0, 0), 1200);
    // Scan waits for the radio only, no longer for the survey.
    ASSERT_EQ(Skyctl(L"radio on"), 0);
    EXPECT_TRUE(WaitFor([&] { return Enabled(kScanButton); }, 5000)) << "Scan stays disabled";
}

} // namespace
