// The silent save step of a WPS run names the profile after the network with "-WPS", without the
// backslashes a profile's registry key name cannot hold.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "base/Text.h"
#include "wizard/WizardDriver.h"
#include "wizard/WizardState.h"

namespace {

class SilentSaveWpsName : public mainwndtest::MainWindowTest {
protected:
    SilentSaveWpsName() { wizard::ResetWizardState(); }
    ~SilentSaveWpsName() override { wizard::ResetWizardState(); }
};

TEST_F(SilentSaveWpsName, BackslashesOfTheNetworkNameDoNotReachTheProfileName) {
    for (const auto& [ssid, profile] :
         {std::pair<std::u16string, std::u16string>{u"Lab\\East", u"LabEast-WPS"}, {u"Home", u"Home-WPS"}}) {
        wizard::ResetWizardState();
        WpsMode = true;
        wizard::DriverLinks links;
        links.showPage = [](int, bool&) { return static_cast<int>(ui::kIdCancel); };
        links.callWindow = [](wizard::WindowCall) {};
        links.clock = &clock;
        links.wpsStep = [ssid = ssid](int, wizard::RunOutcome&) {
            base::CopyToField(WizardProfile.block.ssid, ssid); // what the push-button page's result holds
            WizardPage = wizard::kPageSilentSave;
            return true;
        };
        EXPECT_TRUE(wizard::WizardDriver(std::move(links)).Run().storeAtEnd);
        EXPECT_EQ(base::FieldText(WizardProfile.ConfigurationName), profile);
    }
}

} // namespace
