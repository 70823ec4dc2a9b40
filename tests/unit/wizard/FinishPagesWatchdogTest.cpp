// The watchdog of the hidden-network, save and reserved-name pages: each closes with Cancel within a
// tick of the adapter going or the hardware button being pressed, and leaves the page number it had.
#include <gtest/gtest.h>

#include <functional>

#include "unit/wizard/WizardFinishTemplates.h"
#include "wizard/CConnectWizardFileError.h"
#include "wizard/CConnectWizardHidden.h"
#include "wizard/CConnectWizardSaveProfile.h"

namespace {

class FinishWatchdog : public wizardfinishtest::FinishPageTest {
protected:
    std::vector<std::pair<const char*, std::function<fakes::FakeHost&()>>> Pages() {
        return {
            {"hidden", [this]() -> fakes::FakeHost& { return OpenPage<CConnectWizardHidden>(); }},
            {"save", [this]() -> fakes::FakeHost& { return OpenPage<CConnectWizardSaveProfile>(); }},
            {"reserved name",
             [this]() -> fakes::FakeHost& { return OpenPage<CConnectWizardFileError>(u"Default"); }},
        };
    }
};

TEST_F(FinishWatchdog, ClosesThePageWhenTheAdapterGoesOrTheButtonIsPressed) {
    for (auto& [name, open] : Pages()) {
        SCOPED_TRACE(name);
        for (int cause = 0; cause < 2; ++cause) {
            wizard::ResetWizardState();
            DevicePresent = true;
            WizardPage = wizard::kPageSaveProfile;
            fakes::FakeHost& host = open();
            const int page = WizardPage;
            ASSERT_EQ(host.TimerInterval(1), 1000u);
            host.FireTimer(1);
            EXPECT_FALSE(host.ended()) << "the adapter is there";
            if (cause == 0) {
                DevicePresent = false;
            } else {
                HwButtonPressed = true;
            }
            host.FireTimer(1);
            EXPECT_TRUE(host.ended());
            EXPECT_EQ(host.result(), ui::kIdCancel);
            EXPECT_EQ(WizardPage, page);
        }
    }
}

} // namespace
