// The driver's start and loop with scripted pages: each page the driver shows stores the next page and
// answers as the test says, so the page graph and the set-up branches are checked without windows.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "base/Text.h"
#include "networks/NetworkList.h"
#include "ui/Types.h"
#include "wizard/WizardDriver.h"
#include "wizard/WizardState.h"

namespace {

using wizard::WindowCall;

kernel::BssEntry Network(std::u16string_view ssid, uint8_t id, uint32_t security, uint32_t capabilities = 0,
                         uint32_t type = kernel::kNetworkInfrastructure) {
    kernel::BssEntry entry{};
    base::CopyToField(entry.ssid, ssid);
    entry.bssid[0] = 0x00;
    entry.bssid[5] = id;
    entry.channel = static_cast<uint16_t>(id);
    entry.networkType = type;
    entry.security = security;
    entry.capabilities = capabilities;
    entry.signal = 50;
    return entry;
}

// What a scripted page does: the page it stores and its modal result.
struct PageAnswer {
    PageAnswer(int shownPage, int nextPage, int modalResult = ui::kIdOk, bool cancelButton = false,
               std::function<void()> alsoDo = {})
        : page(shownPage), next(nextPage), result(modalResult), listCancel(cancelButton),
          also(std::move(alsoDo)) {}
    int page;                   // the page shown
    int next;                   // stored in WizardPage before closing (-1: leaves it)
    int result;                 // its modal result
    bool listCancel;            // the list was left with its own Cancel button
    std::function<void()> also; // anything else the page does
};

class WizardDriverTest : public mainwndtest::MainWindowTest {
protected:
    WizardDriverTest() {
        wizard::ResetWizardState();
        kernel.defaults.FragThreshold = 1;
        kernel.defaults.RTSThreshold = 1;
    }

    wizard::DriverLinks Links() {
        wizard::DriverLinks links;
        links.showPage = [this](int page, bool& listCancelUsed) {
            shown.push_back(page);
            if (answers.empty() || answers.front().page != page) {
                ADD_FAILURE() << "page " << page << " was not expected";
                return static_cast<int>(ui::kIdCancel);
            }
            PageAnswer answer = answers.front();
            answers.pop_front();
            if (answer.next >= 0) {
                WizardPage = answer.next;
            }
            if (answer.also) {
                answer.also();
            }
            listCancelUsed = answer.listCancel;
            return answer.result;
        };
        links.callWindow = [this](WindowCall call) { calls.push_back(call); };
        links.clock = &clock;
        return links;
    }

    wizard::RunOutcome Run() {
        wizard::WizardDriver driver(Links());
        wizard::RunOutcome outcome = driver.Run();
        EXPECT_TRUE(answers.empty()) << answers.size() << " scripted pages were not shown";
        return outcome;
    }

    std::deque<PageAnswer> answers;
    std::vector<int> shown;
    std::vector<WindowCall> calls;
};

TEST_F(WizardDriverTest, AFindNetworkRunWalksFromTheScanToTheSummaryAndAsksForTheProfileToBeStored) {
    networks::ReplaceNetworkList({Network(u"Home", 1, kernel::kBssWep)});
    answers = {{3, -1},
               {4, wizard::kPageWepOption},
               {6, wizard::kPageWepPhrase},
               {7, wizard::kPageSaveProfile},
               {14, wizard::kPageSummary},
               {15, -1}};
    wizard::RunOutcome outcome = Run();
    EXPECT_EQ(shown, (std::vector<int>{3, 4, 6, 7, 14, 15}));
    EXPECT_TRUE(outcome.storeAtEnd);
    EXPECT_FALSE(outcome.replaced);
    EXPECT_EQ(calls, (std::vector<WindowCall>{WindowCall::HideMainWindow, WindowCall::StartScan}));

    // The working profile starts from the adapter's defaults with the wizard's own settings.
    EXPECT_EQ(KernelCalls(u"InitConnectionBlock").size(), 1u);
    EXPECT_EQ(WizardProfile.block.FragThreshold, 2346);
    EXPECT_EQ(WizardProfile.block.RTSThreshold, 2347);
    EXPECT_EQ(WizardProfile.wirelessModes, 31u);
    EXPECT_EQ(WizardProfile.block.transmitPower, 0x800);
    EXPECT_EQ(WizardProfile.block.band, 0x80);
    EXPECT_EQ(WizardState.sort.key, 5);
    EXPECT_EQ(WizardState.sort.order, 1);
}

TEST_F(WizardDriverTest, AHiddenNetworksSecurityChoiceDoesNotOutliveItsRun) {
    WizardState.hiddenChoice = wizard::kHiddenChoiceWpa2Psk; // chosen on page 12 in an earlier run
    answers = {{3, -1}, {4, -1, ui::kIdCancel, true}};
    Run();
    EXPECT_EQ(WizardState.hiddenChoice, wizard::kHiddenChoiceWep);
}

// The Networks page starts a survey only while the flag says that none runs: a flag cleared before the
// window takes the call would leave the "Please Wait" window waiting for a survey nobody started.
TEST_F(WizardDriverTest, TheScanStepLeavesTheSurveyFlagToTheNetworksPage) {
    networks::ReplaceNetworkList({Network(u"Home", 1, kernel::kBssOpen)});
    for (bool surveyRunning : {false, true}) {
        g_bScanDone = !surveyRunning;
        std::vector<bool> flagWhenAsked;
        answers = {{3, -1, ui::kIdOk, false, [&] { flagWhenAsked.push_back(g_bScanDone); }},
                   {4, -1, ui::kIdCancel, true}};
        wizard::WizardDriver driver(Links());
        driver.Run();
        EXPECT_EQ(flagWhenAsked, std::vector<bool>{!surveyRunning}) << "survey running " << surveyRunning;
    }
    g_bScanDone = true;
}

TEST_F(WizardDriverTest, TheSummaryStoresOnlyWhenFinishedFromAPageOtherThanTheSaveStep) {
    answers = {{3, -1}, {4, wizard::kPageSaveProfile}, {14, wizard::kPageSummary}, {15, -1, ui::kIdCancel}};
    EXPECT_FALSE(Run().storeAtEnd);

    wizard::ResetWizardState();
    answers = {
        {3, -1}, {4, wizard::kPageSaveProfile}, {14, wizard::kPageSummary}, {15, wizard::kPageSaveProfile}};
    EXPECT_FALSE(Run().storeAtEnd);
}

TEST_F(WizardDriverTest, BackFromTheListEndsTheRunUnlessTheScanSawAWpsNetwork) {
    networks::ReplaceNetworkList({Network(u"Home", 1, kernel::kBssWpa2Psk)});
    answers = {{3, -1}, {4, -1, ui::kIdCancel}};
    Run();
    EXPECT_EQ(shown, (std::vector<int>{3, 4}));

    // With a WPS network the scan goes to the express WPS page first; until WPS is there that page
    // ends the run.
    networks::ReplaceNetworkList({Network(u"Push", 2, kernel::kBssWpa2Psk, kernel::kCapWps)});
    shown.clear();
    answers = {{3, -1}};
    Run();
    EXPECT_EQ(shown, std::vector<int>{3});
    EXPECT_EQ(WizardPage, wizard::kPageWpsExpress);

    // Back from the list after such a scan goes to that page again; its own Cancel ends the run.
    for (bool cancelButton : {false, true}) {
        SCOPED_TRACE(cancelButton ? "Cancel" : "Back");
        shown.clear();
        int expressPages = 0;
        answers = {{3, wizard::kPageList}, {4, -1, ui::kIdCancel, cancelButton}};
        wizard::DriverLinks links = Links();
        links.wpsStep = [&](int page, wizard::RunOutcome&) {
            EXPECT_EQ(page, wizard::kPageWpsExpress);
            ++expressPages;
            return false;
        };
        wizard::WizardDriver(std::move(links)).Run();
        EXPECT_EQ(expressPages, cancelButton ? 0 : 1);
    }
}

TEST_F(WizardDriverTest, APageLeftByAWatchdogWithoutARowEndsTheRun) {
    for (int marker : {wizard::kPageWepMessage, wizard::kPagePskMessage, 42}) {
        SCOPED_TRACE(marker);
        shown.clear();
        answers = {{3, -1}, {4, marker}};
        Run();
        EXPECT_EQ(shown, (std::vector<int>{3, 4}));
    }
}

TEST_F(WizardDriverTest, TheNetworksTabStartsAtThePageOfTheNetworksSecurity) {
    struct Case {
        const char* name;
        kernel::BssEntry network;
        int firstPage;
        uint32_t profileSecurity;
    };
    const Case cases[] = {
        {"open", Network(u"Cafe", 1, kernel::kBssOpen), wizard::kPageSaveProfile, kernel::kBssOpen},
        {"WEP", Network(u"Old", 2, kernel::kBssWep), wizard::kPageWepOption, kernel::kBssWep},
        // A survey's bare WPA bits become a profile's security with its cipher.
        {"WPA-PSK", Network(u"Wpa", 3, kernel::kBssWpaPsk), wizard::kPagePsk, kernel::kSecurityWpaPskTkip},
        {"WPA2-PSK", Network(u"Wpa2", 4, kernel::kBssWpa2Psk), wizard::kPagePsk, kernel::kSecurityWpa2PskAes},
        {"mixed", Network(u"Both", 5, kernel::kBssWpaPsk | kernel::kBssWpa2Psk), wizard::kPagePsk,
         kernel::kSecurityWpa2PskAes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wizard::ResetWizardState();
        wizard::SetSelectedSsid(base::FieldText(c.network.ssid));
        std::copy(std::begin(c.network.bssid), std::end(c.network.bssid), WizardProfile.block.BSSID);
        WizardProfile.block.adHocChannel = c.network.channel;
        WizardProfile.block.securityFlags = c.network.security;
        WizardState.fromList = true;
        shown.clear();
        answers = {{c.firstPage, -1, ui::kIdCancel}};
        Run();
        EXPECT_EQ(shown, std::vector<int>{c.firstPage});
        EXPECT_EQ(WizardProfile.block.securityFlags, c.profileSecurity);
        EXPECT_EQ(wizard::SelectedSsid(), base::FieldText(c.network.ssid));
        EXPECT_EQ(std::u16string(base::FieldText(WizardProfile.block.ssid)), base::FieldText(c.network.ssid));
        EXPECT_EQ(WizardProfile.block.BSSID[5], c.network.bssid[5]) << "kept across the adapter's defaults";
        EXPECT_EQ(WizardProfile.block.adHocChannel, c.network.channel);
        if (c.firstPage == wizard::kPageSaveProfile) {
            EXPECT_EQ(WizardOrigin, wizard::kOriginList);
        }
    }
}

TEST_F(WizardDriverTest, AHiddenNetworkFromTheNetworksTabOpensTheHiddenPageWithTheMarksOfTheScan) {
    networks::ReplaceNetworkList({Network(u"", 1, kernel::kBssWep), Network(u"", 2, kernel::kBssOpen),
                                  Network(u"", 3, kernel::kBssWpa2Radius),
                                  Network(u"", 4, kernel::kBssWpa2Psk, 0, kernel::kNetworkAdHoc),
                                  Network(u"Named", 5, kernel::kBssWpaPsk)});
    WizardState.fromList = true;
    WizardProfile.block.securityFlags = kernel::kBssWep;
    answers = {{12, wizard::kPageList}, {4, -1, ui::kIdCancel, true}};
    Run();
    EXPECT_EQ(shown, (std::vector<int>{12, 4})) << "Back from the hidden page shows the list";
    EXPECT_EQ(WizardOrigin, wizard::kOriginHidden);
    EXPECT_TRUE(WizardState.hiddenMarks.wep);
    EXPECT_TRUE(WizardState.hiddenMarks.open);
    EXPECT_FALSE(WizardState.hiddenMarks.wpaPsk);
    EXPECT_FALSE(WizardState.hiddenMarks.wpa2Psk) << "802.1X and ad-hoc entries do not count";
}

TEST_F(WizardDriverTest, TheSilentSaveStepNamesTheProfileAndEndsTheRun) {
    answers = {{3, -1}, {4, wizard::kPageSilentSave}};
    SaveAtEnd = false;
    wizard::RunOutcome outcome = Run();
    EXPECT_TRUE(outcome.storeAtEnd);
    EXPECT_TRUE(SaveAtEnd);
    EXPECT_EQ(base::FieldText(WizardProfile.ConfigurationName), u"Profile");

    wizard::ResetWizardState();
    shown.clear();
    WpsMode = true;
    wizard::SetSelectedSsid(u"PressMe");
    WizardPage = 0;
    kernel.defaults = {};
    answers = {};
    wizard::DriverLinks links = Links();
    links.wpsStep = [](int page, wizard::RunOutcome&) {
        EXPECT_EQ(page, wizard::kPageWpsPushButton);
        base::CopyToField(WizardProfile.block.ssid, u"PressMe");
        WizardPage = wizard::kPageSilentSave;
        return true;
    };
    EXPECT_TRUE(wizard::WizardDriver(std::move(links)).Run().storeAtEnd);
    EXPECT_EQ(WizardOrigin, wizard::kOriginPushButton);
    EXPECT_EQ(base::FieldText(WizardProfile.ConfigurationName), u"PressMe-WPS");
}

TEST_F(WizardDriverTest, TheHardwareButtonEndsTheLoopAfterThePageThatWasOpen) {
    answers = {{3, -1}, {4, wizard::kPageWepOption, ui::kIdCancel, false, [] { HwButtonPressed = true; }}};
    wizard::RunOutcome outcome = Run();
    EXPECT_TRUE(outcome.replaced);
    EXPECT_FALSE(outcome.storeAtEnd);
}

TEST_F(WizardDriverTest, TheFirstStartAfterInstallationFollowsTheSetUpProgramsChoices) {
    Store(u"CountryDomain", u"1");
    struct Case {
        const char* name;
        int osClass;
        const char16_t* useUtility;
        const char16_t* configureManually;
        bool pagesShown;
        const char16_t* autoConfiguration; // written, or null
        bool zeroConfigHandedBack;
    };
    const Case cases[] = {
        {"Vista, system manages", kOsVista, u"1", u"0", false, u"2", false},
        {"XP, system manages", kOsXp, u"1", u"0", false, nullptr, true},
        {"Vista, utility, manual", kOsVista64, u"0", u"1", false, u"4", false},
        {"XP, utility, wizard", kOsXp, u"0", u"0", true, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wizard::ResetWizardState();
        kernel.ClearCalls();
        calls.clear();
        shown.clear();
        OsClass = c.osClass;
        Store(u"SetupStatus", u"0");
        Store(u"AutoConfiguration", u"0");
        Store(u"UseUtility", c.useUtility);
        Store(u"ConfigureManually", c.configureManually);
        answers.clear();
        if (c.pagesShown) {
            answers = {{3, -1}, {4, -1, ui::kIdCancel, true}};
        }
        Run();
        EXPECT_EQ(Stored(u"SetupStatus"), u"255");
        EXPECT_EQ(WizardState.firstRun, true);
        EXPECT_EQ(!shown.empty(), c.pagesShown);
        EXPECT_EQ(Stored(u"AutoConfiguration"), c.autoConfiguration ? c.autoConfiguration : u"0");
        EXPECT_EQ(KernelCalls(u"ZeroConfigControl"), c.zeroConfigHandedBack
                                                         ? std::vector<std::u16string>{u"ZeroConfigControl 1"}
                                                         : std::vector<std::u16string>{});
        EXPECT_FALSE(KernelCalls(u"SetRegionCode").empty()) << "the region is applied on the first start";
        const bool vista = c.osClass == kOsVista || c.osClass == kOsVista64;
        EXPECT_EQ(std::count(calls.begin(), calls.end(), WindowCall::ReevaluateZeroConfig), vista ? 1 : 0);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), WindowCall::ShowSoon), c.pagesShown ? 0 : 1);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), WindowCall::RestartFallback),
                  std::u16string(c.configureManually) == u"1" && std::u16string(c.useUtility) == u"0" ? 1
                                                                                                      : 0);
    }
}

TEST_F(WizardDriverTest, SetUpStatus254AppliesTheRegionAndRunsAsUsual) {
    Store(u"CountryDomain", u"1");
    Store(u"SetupStatus", u"254");
    answers = {{3, -1}, {4, -1, ui::kIdCancel, true}};
    Run();
    EXPECT_EQ(Stored(u"SetupStatus"), u"255");
    EXPECT_FALSE(WizardState.firstRun);
    EXPECT_EQ(KernelCalls(u"SetRegionCode").size(), 1u);
}

TEST_F(WizardDriverTest, ARunWithoutPagesFinishesTheRegionSetUpWhenAskedTo) {
    Store(u"CountryDomain", u"1");
    Store(u"UseUtility", u"1");
    Store(u"cmdRegion", u"0");
    for (int osClass : {kOs98, kOsXp}) {
        SCOPED_TRACE(osClass);
        OsClass = osClass;
        Store(u"SetupStatus", u"0");
        Run();
        EXPECT_EQ(Stored(u"SetupStatus"), osClass == kOs98 ? u"255" : u"1");
        EXPECT_EQ(WizardPage, 0);
    }
}

} // namespace
