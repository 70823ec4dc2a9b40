// What the four security pages share, each on the fake host: the watchdog that closes a page with
// Cancel leaving the page's own number, and the shipped English texts filling every text of the frame
// and the page.
#include <gtest/gtest.h>

#include <functional>

#include "WizardSecurityTemplates.h"
#include "fakes/FakeAnsiCodePage.h"
#include "wizard/CConnectWizardInputHex.h"
#include "wizard/CConnectWizardInputPhrase.h"
#include "wizard/CConnectWizardSecurityPSK.h"
#include "wizard/CConnectWizardSecurityWeb.h"
#include "wizard/SecurityPageParts.h"

namespace {

using wizardsecuritytest::SecurityPageTest;

struct PageCase {
    const char* name;
    int page;
    int watchdog;
    std::vector<ui::ControlId> texts; // the page's own texts the language file gives
};

const PageCase kPages[] = {
    {"option",
     wizard::kPageWepOption,
     wizard::kTimerOptionPageWatchdog,
     {IDC_STATIC_WEB_INSTRUCTION, IDC_STATIC_WEB_CHOOSE, IDC_RADIO_WEB_PASSPHRASE, IDC_RADIO_WEB_HEX,
      IDC_STATIC_WEB_NOTE}},
    {"passphrase",
     wizard::kPageWepPhrase,
     wizard::kTimerKeyPageWatchdog,
     {IDC_STATIC_PHRASE_INSTRUCTION, IDC_STATIC_PHRASE_NOTE, IDC_CHECK_PHRASE_HIDE}},
    {"hex",
     wizard::kPageWepHex,
     wizard::kTimerKeyPageWatchdog,
     {IDC_STATIC_HEX_INSTRUCTION, IDC_STATIC_HEX_NOTE, IDC_CHECK_HEX_HIDE}},
    {"psk",
     wizard::kPagePsk,
     wizard::kTimerKeyPageWatchdog,
     {IDC_STATIC_PSK_INSTRUCTION, IDC_STATIC_PSK_NOTE, IDC_CHECK_PSK_HIDE}},
};

class SecurityPages : public SecurityPageTest {
protected:
    fakes::FakeHost& OpenPage(int page) {
        switch (page) {
        case wizard::kPageWepOption:
            return Open<CConnectWizardSecurityWeb>();
        case wizard::kPageWepPhrase:
            return Open<CConnectWizardInputPhrase>(codePage);
        case wizard::kPageWepHex:
            return Open<CConnectWizardInputHex>();
        default:
            return Open<CConnectWizardSecurityPSK>();
        }
    }
    fakes::FakeAnsiCodePage codePage = fakes::FakeAnsiCodePage::Windows1252();
};

TEST_F(SecurityPages, TheWatchdogClosesWithCancelWhenTheAdapterGoesOrTheButtonIsPressed) {
    const std::pair<const char*, std::function<void()>> reasons[] = {
        {"adapter gone", [] { DevicePresent = false; }},
        {"button pressed", [] { HwButtonPressed = true; }},
    };
    for (const PageCase& page : kPages) {
        for (const auto& [why, happen] : reasons) {
            SCOPED_TRACE(std::string(page.name) + ", " + why);
            DevicePresent = true;
            HwButtonPressed = false;
            fakes::FakeHost& host = OpenPage(page.page);
            EXPECT_EQ(host.TimerInterval(page.watchdog), wizard::kWatchdogMilliseconds);
            host.FireTimer(page.watchdog);
            EXPECT_FALSE(host.ended());
            happen();
            host.FireTimer(page.watchdog);
            EXPECT_EQ(host.result(), ui::kIdCancel);
            EXPECT_EQ(WizardPage, page.page);
        }
    }
}

TEST_F(SecurityPages, TheShippedEnglishFileGivesEveryTextWithTheSecurityStepCurrent) {
    UseShippedEnglish();
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        fakes::FakeHost& host = OpenPage(page.page);
        EXPECT_FALSE(host.Caption().empty());
        EXPECT_EQ(host.GetText(IDC_WIZARD_TITLE), u"Connecting to your wireless network");
        EXPECT_EQ(host.GetText(IDC_WIZARD_STEP1), u"Choose Network");
        EXPECT_EQ(host.GetText(IDC_WIZARD_STEP2), u"Applying Security");
        EXPECT_EQ(host.GetText(IDC_WIZARD_STEP3), u"Saving Profile");
        EXPECT_EQ(host.GetText(IDC_WIZARD_STEP4), u"Connecting");
        EXPECT_EQ(host.control(IDC_WIZARD_STEP2).textColor, ui::kDefaultColor);
        EXPECT_EQ(host.control(IDC_WIZARD_STEP3).textColor, wizard::kStepInactiveColor);
        EXPECT_EQ(host.GetText(IDC_WIZARD_BACK), u"< &Back");
        EXPECT_EQ(host.GetText(IDC_WIZARD_NEXT), u"&Next >");
        EXPECT_EQ(host.GetText(ui::kIdCancel), u"Cancel");
        for (ui::ControlId id : page.texts) {
            EXPECT_FALSE(host.GetText(id).empty()) << id;
        }
    }
}

} // namespace
