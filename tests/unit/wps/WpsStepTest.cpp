// The WPS part of the wizard's loop: the page graph's rows (general and direct runs, the check page's
// cancel mark), the flags around the process pages, step 108's profile name, Retry, and the hand-over
// of a direct run to the Settings tab. The pages are stand-ins that store a next page and close.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "app/AppGlobals.h"
#include "base/Text.h"
#include "fakes/FakeAnsiCodePage.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeRandomSource.h"
#include "res/WpsIds.h"
#include "ui/Types.h"
#include "unit/app/AppTestSupport.h"
#include "wizard/WizardState.h"
#include "wps/WpsPageGraph.h"
#include "wps/WpsState.h"
#include "wps/WpsStep.h"

namespace {

using wps::GoesOn;
using wps::GraphContext;

constexpr int kOk = ui::kIdOk;
constexpr int kCancel = ui::kIdCancel;

TEST(WpsPageGraph, OkGoesOnOnlyToThePagesEachRowNames) {
    const GraphContext general;
    struct Row {
        int page;
        std::vector<int> goesOn;
    };
    const Row rows[] = {
        {100, {4, 101, 102}},        {101, {4, 100, 103}},
        {102, {100, 103, 104}},      {103, {20, 107, 108, 109, 111}},
        {104, {102, 105, 106}},      {105, {107, 108, 109, 110}},
        {106, {107, 108, 109, 110}},
    };
    for (const Row& row : rows) {
        for (int next : {0, 3, 4, 14, 15, 20, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111}) {
            const bool expected = std::find(row.goesOn.begin(), row.goesOn.end(), next) != row.goesOn.end();
            EXPECT_EQ(GoesOn(row.page, kOk, next, general), expected) << row.page << " -> " << next;
        }
    }
}

TEST(WpsPageGraph, CancelEndsTheRunExceptWhereARowSaysOtherwise) {
    const GraphContext general;
    GraphContext direct;
    direct.directRun = true;
    GraphContext cancelledBefore;
    cancelledBefore.checkCancelled = true;
    GraphContext noAdapter;
    noAdapter.adapterPresent = false;

    // Page 100's Back: the list of a general run, unless the page was cancelled once in the process.
    EXPECT_TRUE(GoesOn(100, kCancel, 4, general));
    EXPECT_FALSE(GoesOn(100, kCancel, 4, direct));
    EXPECT_FALSE(GoesOn(100, kCancel, 4, cancelledBefore));
    // Page 103: back to the express page only in a general run; its cancel towards 102 always ends.
    EXPECT_TRUE(GoesOn(103, kCancel, 101, general));
    EXPECT_FALSE(GoesOn(103, kCancel, 101, direct));
    EXPECT_FALSE(GoesOn(103, kCancel, 102, general));
    EXPECT_FALSE(GoesOn(103, kCancel, 103, general));
    EXPECT_TRUE(GoesOn(103, kCancel, 107, general));
    EXPECT_FALSE(GoesOn(103, kCancel, 107, noAdapter));
    // Page 105 cancelled on its own number ends; with a result page it goes on while the adapter is there.
    EXPECT_FALSE(GoesOn(105, kCancel, 105, general));
    EXPECT_TRUE(GoesOn(105, kCancel, 107, general));
    EXPECT_FALSE(GoesOn(105, kCancel, 107, noAdapter));
    EXPECT_TRUE(GoesOn(106, kCancel, 106, general));
    EXPECT_FALSE(GoesOn(106, kCancel, 110, noAdapter));
    for (int page : {101, 102, 104, 107, 109, 110, 111}) {
        EXPECT_FALSE(GoesOn(page, kCancel, 4, general)) << page;
    }
}

TEST(WpsPageGraph, DirectRunsHandTheirNetworkOverAtTwoExits) {
    GraphContext direct;
    direct.directRun = true;
    EXPECT_TRUE(wps::HandsOverForManualSetUp(100, kOk, 4, direct));
    EXPECT_FALSE(GoesOn(100, kOk, 4, direct));
    EXPECT_TRUE(wps::HandsOverForManualSetUp(103, kCancel, 102, direct));
    EXPECT_FALSE(wps::HandsOverForManualSetUp(100, kOk, 102, direct));
    EXPECT_FALSE(wps::HandsOverForManualSetUp(100, kCancel, 4, direct));
    EXPECT_FALSE(wps::HandsOverForManualSetUp(103, kCancel, 101, direct));
    EXPECT_FALSE(wps::HandsOverForManualSetUp(100, kOk, 4, GraphContext{}));
    EXPECT_FALSE(wps::HandsOverForManualSetUp(103, kCancel, 102, GraphContext{}));
}

// A page that, when shown, stores its next page and closes with its result.
class ScriptedPage final : public ui::Dialog {
public:
    ScriptedPage() : ui::Dialog(0) {}
};

struct Script {
    int next = 0;
    int result = kOk;
    std::function<void()> whileOpen;
};

class WpsStepTest : public apptest::AppTest {
protected:
    WpsStepTest() {
        wizard::ResetWizardState();
        wps::ResetWpsState();
        DevicePresent = true;
    }
    ~WpsStepTest() override {
        wizard::ResetWizardState();
        wps::ResetWpsState();
    }

    wps::WpsStep MakeStep() {
        return wps::WpsStep(
            [this](ui::Dialog&) {
                shown.push_back(WizardPage);
                Script script = scripts[WizardPage];
                if (script.whileOpen) {
                    script.whileOpen();
                }
                WizardPage = script.next;
                return script.result;
            },
            [this](int page, const wps::PageContext& context) -> std::unique_ptr<ui::Dialog> {
                contexts[page] = context;
                if (missing.count(page) != 0) {
                    return nullptr;
                }
                return std::make_unique<ScriptedPage>();
            });
    }

    bool Step(wps::WpsStep& step, int page) {
        WizardPage = page;
        return step(page, outcome);
    }

    std::map<int, Script> scripts;
    std::map<int, wps::PageContext> contexts;
    std::set<int> missing;
    std::vector<int> shown;
    wizard::RunOutcome outcome;
};

TEST_F(WpsStepTest, TheSuccessStepNamesTheProfileAfterTheNetworkWithoutBackslashes) {
    wps::WpsStep step = MakeStep();
    struct Case {
        std::u16string ssid;
        std::u16string profile;
    };
    for (const Case& c :
         {Case{u"Office", u"Office-WPS"}, Case{u"Lab\\2\\East", u"Lab2East-WPS"}, Case{u"\\", u"-WPS"}}) {
        SaveAtEnd = false;
        wizard::SetSelectedSsid(c.ssid);
        EXPECT_TRUE(Step(step, wps::kPageSuccess));
        EXPECT_EQ(base::FieldText(WizardProfile.ConfigurationName), c.profile);
        EXPECT_TRUE(SaveAtEnd);
        EXPECT_EQ(WizardPage, wizard::kPageSummary);
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(WpsStepTest, ThePushButtonPageLeavesNoRunningExchangeAndGivesTheAdapterBackToZeroConfiguration) {
    wps::WpsStep step = MakeStep();
    for (uint32_t zeroConfig : {0u, 1u}) {
        kernel.ClearCalls();
        kernel.zeroConfigState = zeroConfig;
        scripts[103] = {107, kCancel, [] { WpsRunning = true; }};
        EXPECT_TRUE(Step(step, 103));
        EXPECT_FALSE(WpsRunning);
        EXPECT_EQ(kernel.CountCalls(u"ZeroConfigControl 0"), zeroConfig == 1 ? 1u : 0u);
    }
}

TEST_F(WpsStepTest, APinProcessPageRunsWithTheRunningFlagSet) {
    wps::WpsStep step = MakeStep();
    for (int page : {105, 106}) {
        bool runningWhileOpen = false;
        scripts[page] = {110, kOk, [&] { runningWhileOpen = WpsRunning; }};
        EXPECT_TRUE(Step(step, page));
        EXPECT_TRUE(runningWhileOpen) << page;
        EXPECT_FALSE(WpsRunning) << page;
    }
}

TEST_F(WpsStepTest, RetryStartsTheNextPushButtonPageAtOnceAndOnlyThatOne) {
    wps::WpsStep step = MakeStep();
    bool retrySeen = true;
    scripts[103] = {111, kOk, [&] { retrySeen = WpsRetryRequested; }};
    Step(step, 103);
    EXPECT_FALSE(retrySeen);
    scripts[111] = {111, kOk, {}};
    EXPECT_TRUE(Step(step, 111));
    EXPECT_EQ(WizardPage, wps::kPagePushButton);
    Step(step, 103);
    EXPECT_TRUE(retrySeen);
    Step(step, 103);
    EXPECT_FALSE(retrySeen);

    scripts[111] = {111, kCancel, {}};
    EXPECT_FALSE(Step(step, 111));
}

TEST_F(WpsStepTest, DirectRunsEndWithTheirNetworkForTheSettingsTab) {
    WizardState.directRun = true;
    wps::WpsStep step = MakeStep();
    scripts[100] = {4, kOk, {}};
    EXPECT_FALSE(Step(step, 100));
    EXPECT_TRUE(WizardState.manualSetupRequested);

    WizardState.manualSetupRequested = false;
    scripts[103] = {102, kCancel, {}};
    EXPECT_FALSE(Step(step, 103));
    EXPECT_TRUE(WizardState.manualSetupRequested);

    WizardState.manualSetupRequested = false;
    WizardState.directRun = false;
    EXPECT_FALSE(Step(step, 103));
    EXPECT_FALSE(WizardState.manualSetupRequested);
    scripts[100] = {4, kOk, {}};
    EXPECT_TRUE(Step(step, 100));
    EXPECT_FALSE(WizardState.manualSetupRequested);
}

TEST_F(WpsStepTest, ACancelledCheckPageMakesALaterBackEndTheRun) {
    wps::WpsStep step = MakeStep();
    scripts[100] = {4, kCancel, {}}; // Back
    EXPECT_TRUE(Step(step, 100));
    scripts[100] = {4, kCancel, [] { WpsCheckCancelled = true; }}; // Cancel
    EXPECT_FALSE(Step(step, 100));
    scripts[100] = {4, kCancel, {}}; // a later Back
    EXPECT_FALSE(Step(step, 100));
}

TEST_F(WpsStepTest, TheTimeoutPageKnowsWhetherThePinChoiceWasShownInThisRun) {
    wps::WpsStep step = MakeStep();
    const wps::WpsStep fresh = step; // what the wizard copies for the next run
    scripts[110] = {4, kCancel, {}};
    Step(step, 110);
    EXPECT_TRUE(contexts[110].beforePinChoice);
    scripts[104] = {105, kOk, {}};
    Step(step, 104);
    Step(step, 110);
    EXPECT_FALSE(contexts[110].beforePinChoice);

    wps::WpsStep nextRun = fresh;
    WizardPage = 110;
    nextRun(110, outcome);
    EXPECT_TRUE(contexts[110].beforePinChoice);
}

TEST_F(WpsStepTest, ANumberWithoutAPageEndsTheRun) {
    wps::WpsStep step = MakeStep();
    missing.insert(104);
    EXPECT_FALSE(Step(step, 104));
    EXPECT_TRUE(shown.empty());
}

TEST(WpsPages, EachNumberMakesItsPageAndTheSuccessStepNone) {
    fakes::FakeClock clock;
    const fakes::FakeAnsiCodePage codePage = fakes::FakeAnsiCodePage::Windows1252();
    fakes::FakeRandomSource random;
    const wps::PagePlatform platform{clock, codePage, random};
    const std::map<int, int> templates = {
        {100, IDD_DLG_CONNECTWIZARD_WPS_CHECK},         {101, IDD_DLG_CONNECTWIZARD_WPS_EXPRESS_CHECK},
        {102, IDD_DLG_CONNECTWIZARD_WPS_SELPUSHBUTTON}, {103, IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS},
        {104, IDD_DLG_CONNECTWINZARD_WPS_SELPINSETUP},  {105, IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS},
        {106, IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS}, {107, IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE},
        {109, IDD_DLG_CONNECTWIZARD_WPS_ERROR_FAIL},    {110, IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT},
        {111, IDD_DLG_CONNECTWIZARD_WPS_RETRY_MESSAGE},
    };
    for (int page = 99; page <= 112; ++page) {
        std::unique_ptr<ui::Dialog> dialog = wps::MakeWpsPage(page, {}, platform);
        const auto expected = templates.find(page);
        if (expected == templates.end()) {
            EXPECT_EQ(dialog, nullptr) << page;
        } else {
            ASSERT_NE(dialog, nullptr) << page;
            EXPECT_EQ(dialog->TemplateId(), expected->second) << page;
        }
    }
}

} // namespace
