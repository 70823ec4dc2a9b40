// The connect wizard under Wine started from the Networks page's Connect (a WEP network opens its input
// option page, the hidden network its naming page, whose Back shows the list), and the adapter pulled out
// while the list, the passphrase page and the save page are open: the page closes by itself, nothing is
// stored or handed to the service, the main window stays hidden, and once the adapter is back "Find a
// Network" works again.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "res/NetworksIds.h"
#include "wine/wizard_e2e/WizardUnderWine.h"

using namespace wizard_e2e;

namespace {

class WizardStarts : public WizardUnderWine {
protected:
    // The Networks page's Connect on the row of this network (empty: the hidden one); returns the
    // wizard's window holding `marker`.
    HWND ConnectFromNetworksPage(const std::wstring& name, int marker) {
        HWND list = Control(IDC_LIST_SITESURVEY);
        int row = FindListRow(list, 0, name);
        EXPECT_GE(row, 0) << "no row \"" << Narrow(name) << "\" on the Networks page";
        std::optional<RECT> place = VisibleRowRect(list, row);
        EXPECT_TRUE(place);
        if (row < 0 || !place) {
            return nullptr;
        }
        EXPECT_TRUE(ClickUntil(
            *place,
            [&] {
                return SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == row;
            },
            1, 0.3))
            << "row " << row << " of " << ListRowCount(list) << " not selected";
        HWND page = nullptr;
        EXPECT_TRUE(PressButton(GetDlgItem(m_main, IDC_BUTTON_FIRST_ACTION),
                                [&] { return (page = WindowWith(marker)) != nullptr; }))
            << "Connect opened no page " << marker << "; showing:" << DescribeWindows();
        return page;
    }

    // The adapter pulled out while `page` is open: the page closes by itself within two seconds (its
    // watchdog looks every second), the run ends without a profile or a connection, the main window
    // stays hidden; then the adapter goes back in.
    void UnplugWhileOpen(HWND page, const char* what) {
        std::vector<std::wstring> storedBefore = StoredProfileNames();
        size_t mark = Log().size();
        ASSERT_EQ(Skyctl(L"unplug"), 0);
        auto unplugged = std::chrono::steady_clock::now();
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(page); }, 10000))
            << what << " stays open without the adapter";
        auto closed = std::chrono::steady_clock::now();
        EXPECT_LE(std::chrono::duration_cast<std::chrono::milliseconds>(closed - unplugged).count(), 2000)
            << what << " closed late";
        EXPECT_TRUE(WaitFor([&] { return AnyWizardWindow() == nullptr; }, 5000))
            << "another wizard window came; showing:" << DescribeWindows();
        EXPECT_FALSE(IsWindowVisible(m_main)) << "the main window came up without the adapter";
        ASSERT_EQ(Skyctl(L"plug"), 0);
        ASSERT_TRUE(LogHas("event OnWKDeviceLoaded", 10000, mark)) << Log().substr(mark);
        // The run ended before the adapter came back; what the program does with the adapter back is not
        // the run's.
        std::string log = Log();
        std::string run = log.substr(mark, log.find("control plug", mark) - mark);
        EXPECT_FALSE(Has(run, "ConnectWithBlock")) << run;
        EXPECT_FALSE(IsWindowVisible(m_main)) << "the adapter's return showed the main window";
        EXPECT_EQ(StoredProfileNames(), storedBefore) << "a profile was stored";
        EXPECT_EQ(AnyWizardWindow(), nullptr) << "a wizard window came back";
    }
};

TEST_F(WizardStarts, NetworksPageConnectAndAnAdapterPulledOutWhilePagesAreOpen) {
    ASSERT_NO_FATAL_FAILURE(StartInWizardWorld("1A2B3C4D5E"));
    ASSERT_TRUE(ShowPage(networks_e2e::kNetworksTab, IDC_LIST_SITESURVEY));
    ASSERT_TRUE(TextBecomes(IDC_STATIC_SITESURVEY_STATUS, L"Scan Completed", 20000));
    size_t mark = Log().size();

    // A WEP network: straight to the input option page, which has no way back to a list never shown.
    HWND option = ConnectFromNetworksPage(L"PhraseRouter", kWepOptionPage);
    ASSERT_NE(option, nullptr);
    EXPECT_FALSE(ShownIn(option, IDC_WIZARD_BACK));
    EXPECT_TRUE(ShownIn(option, IDC_WIZARD_NEXT));
    EXPECT_EQ(ExistingWindowWith(kPleaseWait), nullptr);
    EXPECT_FALSE(IsWindowVisible(m_main)) << "the main window stays up during the run";
    ASSERT_TRUE(Press(option, IDCANCEL));
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(m_main) != FALSE; }, 5000))
        << "the main window is not back";

    // The hidden network: its naming page, whose Back goes to the list.
    HWND hidden = ConnectFromNetworksPage(L"", kHiddenPage);
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(ShownIn(hidden, IDC_RADIO_HIDDEN_WPA2PSK));
    EXPECT_FALSE(ShownIn(hidden, IDC_RADIO_HIDDEN_WEP));
    EXPECT_TRUE(ShownIn(hidden, IDC_WIZARD_BACK));
    HWND list = PressTo(hidden, IDC_WIZARD_BACK, kListPage);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ExistingWindowWith(kPleaseWait), nullptr) << "Back started a survey";
    HWND rows = GetDlgItem(list, kListPage);
    EXPECT_GT(ListRowCount(rows), 0);
    EXPECT_FALSE(Has(Log().substr(mark), "ConnectWithBlock")) << Log().substr(mark);

    // Refresh: one placeholder row while the survey runs, then the rows of the Networks page's new list.
    size_t refreshed = Log().size();
    ASSERT_TRUE(PressButton(GetDlgItem(list, IDC_WIZARD_LIST_REFRESH),
                            [&] { return !EnabledIn(list, IDC_WIZARD_LIST_REFRESH); }));
    EXPECT_EQ(ListColumn(rows, 0), std::vector<std::wstring>{L"Searching for wireless networks..."});
    EXPECT_FALSE(EnabledIn(list, IDC_WIZARD_BACK));
    EXPECT_FALSE(EnabledIn(list, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return EnabledIn(list, IDC_WIZARD_LIST_REFRESH); }, 15000))
        << "the survey never ended";
    EXPECT_TRUE(Has(Log().substr(refreshed), "StartSiteSurvey 0")) << Log().substr(refreshed);
    EXPECT_EQ(ListColumn(rows, 0),
              (std::vector<std::wstring>{L"HomeNet", L"OpenCafe", L"PhraseRouter", L"HexRouter", L"LabWpa",
                                         L"AtticWpa2", L"", L"Backyard"}));
    EXPECT_TRUE(EnabledIn(list, IDC_WIZARD_BACK));

    // The adapter pulled out on the list, the passphrase page and the save page.
    ASSERT_NO_FATAL_FAILURE(UnplugWhileOpen(list, "the list"));
    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L"LabWpa"));
    HWND message = PressTo(list, IDC_WIZARD_NEXT, kPskMessage);
    ASSERT_NE(message, nullptr);
    HWND psk = PressTo(message, IDOK, kPskPage);
    ASSERT_NE(psk, nullptr);
    TypeInto(psk, kPskPage, L"labpass123");
    ASSERT_NO_FATAL_FAILURE(UnplugWhileOpen(psk, "the passphrase page"));

    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L"OpenCafe"));
    HWND save = PressTo(list, IDC_WIZARD_NEXT, kSavePage);
    ASSERT_NE(save, nullptr);
    ASSERT_NO_FATAL_FAILURE(UnplugWhileOpen(save, "the save page"));

    // Back in: Find a Network starts a run again.
    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(Press(list, IDCANCEL));
    EXPECT_TRUE(WaitFor([&] { return AnyWizardWindow() == nullptr; }, 5000));
}

} // namespace
