// Page 104 on the fake host: the two PIN choices, what the PIN edit lets through, the check digit that
// keeps a mistyped AP PIN from the service, and where each button leads.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "unit/wps/WpsProcessTemplates.h"
#include "wps/CConnectWizardWPSSelPIN.h"
#include "wps/PageWatchdog.h"
#include "wps/WpsPageGraph.h"

namespace {

using Page = CConnectWizardWPSSelPIN;

class SelPin : public wpstest::WpsProcessTest {
protected:
    std::u16string Pin() const { return std::u16string(base::FieldText(WpsPin.data(), WpsPin.size())); }
};

TEST_F(SelPin, OpensOnTheApPinWithNextDisabledAndTheAdapterPartHidden) {
    fakes::FakeHost& host = Open<Page>();
    EXPECT_EQ(WizardPage, wps::kPagePinChoice);
    EXPECT_EQ(kernel.CountCalls(u"GetAdapterConfig"), 1u);
    EXPECT_EQ(host.TimerInterval(wps::PageWatchdog::kTimerId), 1000u);
    EXPECT_TRUE(host.control(IDC_WPSPIN_APPIN).checked);
    EXPECT_FALSE(host.control(IDC_WPSPIN_ADAPTERPIN).checked);
    EXPECT_TRUE(host.IsVisible(IDC_WPSPIN_EDIT));
    for (ui::ControlId id :
         {IDC_WPSPIN_ADAPTER_PIN, IDC_WPSPIN_ADAPTER_LABEL, IDC_WPSPIN_HELP, IDC_WPSPIN_NOTE}) {
        EXPECT_FALSE(host.IsVisible(id)) << id;
    }
    EXPECT_FALSE(host.IsEnabled(IDC_WPSPIN_NEXT));
    EXPECT_EQ(host.control(IDC_WPSPIN_EDIT).textLimit, 8);
    EXPECT_EQ(host.FocusedControl(), IDC_WPSPIN_EDIT);
    EXPECT_EQ(host.control(IDC_WPSPIN_ADAPTERPIN).rect.top, Page::kAdapterRadioLowY);
    EXPECT_EQ(host.GetText(IDC_WPSPIN_HEADING), u"Connect by either:");
    EXPECT_EQ(host.GetText(IDC_WPSPIN_HELP), u"Leam More");
    EXPECT_EQ(host.GetText(IDC_WPSPIN_ADAPTER_LABEL), u"The PIN is");
}

// Next needs eight digits; a pasted text with anything else leaves it off. WpsPin follows the edit.
TEST_F(SelPin, NextFollowsEightDigitsOnly) {
    fakes::FakeHost& host = Open<Page>();
    host.Type(IDC_WPSPIN_EDIT, u"0123456");
    EXPECT_FALSE(host.IsEnabled(IDC_WPSPIN_NEXT));
    host.Type(IDC_WPSPIN_EDIT, u"01234565");
    EXPECT_TRUE(host.IsEnabled(IDC_WPSPIN_NEXT));
    EXPECT_EQ(Pin(), u"01234565");
    host.Type(IDC_WPSPIN_EDIT, u"0123 565");
    EXPECT_FALSE(host.IsEnabled(IDC_WPSPIN_NEXT));
    host.Type(IDC_WPSPIN_EDIT, u"1234567x");
    EXPECT_FALSE(host.IsEnabled(IDC_WPSPIN_NEXT));
}

TEST_F(SelPin, AValidApPinGoesToPage106) {
    fakes::FakeHost& host = Open<Page>();
    host.Type(IDC_WPSPIN_EDIT, u"01234565");
    host.Click(IDC_WPSPIN_NEXT);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPageApPin);
    EXPECT_EQ(Pin(), u"01234565");
}

// A wrong check digit shows page 107 with kind 3 over the page, keeps the text selected and sends
// nothing to the service.
TEST_F(SelPin, AWrongCheckDigitShowsTheErrorAndStays) {
    fakes::FakeHost& host = Open<Page>();
    host.Type(IDC_WPSPIN_EDIT, u"01234566");
    host.Click(IDC_WPSPIN_NEXT);
    EXPECT_FALSE(host.ended());
    EXPECT_EQ(host.modalTemplates, std::vector<int>{IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE});
    EXPECT_EQ(WpsErrorKind, 3);
    EXPECT_EQ(WizardPage, wps::kPagePinChoice);
    EXPECT_EQ(host.control(IDC_WPSPIN_EDIT).selStart, 0);
    EXPECT_EQ(host.control(IDC_WPSPIN_EDIT).selEnd, 8);
    EXPECT_EQ(host.FocusedControl(), IDC_WPSPIN_EDIT);
    EXPECT_EQ(kernel.CountCalls(u"WpsStart"), 0u);
    EXPECT_EQ(kernel.CountCalls(u"WpsPrepare"), 0u);
}

TEST_F(SelPin, TheAdapterPinIsShownAndSwitchingBackForgetsIt) {
    kernel.adapterPin = u"12345670";
    fakes::FakeHost& host = Open<Page>();
    host.Click(IDC_WPSPIN_ADAPTERPIN);
    EXPECT_FALSE(host.control(IDC_WPSPIN_APPIN).checked);
    EXPECT_EQ(host.GetText(IDC_WPSPIN_ADAPTER_PIN), u"12345670");
    EXPECT_EQ(Pin(), u"12345670");
    EXPECT_TRUE(host.IsEnabled(IDC_WPSPIN_NEXT));
    EXPECT_TRUE(host.IsVisible(IDC_WPSPIN_NOTE));
    EXPECT_FALSE(host.IsVisible(IDC_WPSPIN_EDIT));
    EXPECT_EQ(host.control(IDC_WPSPIN_ADAPTERPIN).rect.top, Page::kAdapterRadioHighY);

    host.Click(IDC_WPSPIN_APPIN);
    EXPECT_EQ(Pin(), u"");
    EXPECT_EQ(host.GetText(IDC_WPSPIN_EDIT), u"");
    EXPECT_FALSE(host.IsEnabled(IDC_WPSPIN_NEXT));
    EXPECT_EQ(host.control(IDC_WPSPIN_ADAPTERPIN).rect.top, Page::kAdapterRadioLowY);

    host.Click(IDC_WPSPIN_ADAPTERPIN);
    host.Click(IDC_WPSPIN_NEXT);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPageAdapterPin);
}

TEST_F(SelPin, AnOverlongAdapterPinIsCutAtItsBuffer) {
    kernel.adapterPin = u"123456789012345";
    fakes::FakeHost& host = Open<Page>();
    host.Click(IDC_WPSPIN_ADAPTERPIN);
    EXPECT_EQ(Pin(), u"12345678901");
    EXPECT_EQ(host.GetText(IDC_WPSPIN_ADAPTER_PIN), u"12345678901");
}

TEST_F(SelPin, BackCancelAndTheWatchdogSetTheirPages) {
    fakes::FakeHost& back = Open<Page>();
    back.Click(IDC_WPSPIN_BACK);
    EXPECT_EQ(back.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPageSelectMethod);

    fakes::FakeHost& cancel = Open<Page>();
    cancel.Click(IDC_WPSPIN_CANCEL);
    EXPECT_EQ(cancel.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageList);

    fakes::FakeHost& watched = Open<Page>();
    watched.Click(IDC_WPSPIN_ADAPTERPIN);
    watched.FireTimer(wps::PageWatchdog::kTimerId);
    EXPECT_FALSE(watched.ended());
    DevicePresent = false;
    watched.FireTimer(wps::PageWatchdog::kTimerId);
    EXPECT_EQ(watched.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageList);
}

} // namespace
