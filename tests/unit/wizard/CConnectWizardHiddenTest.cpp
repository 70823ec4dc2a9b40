// The hidden-network page on the fake host: the choices it offers for the hidden networks in range and
// where it puts them, when Next is offered, what Next and Back leave for the driver, and the refusal
// of a name no network can carry.
#include <gtest/gtest.h>

#include <array>

#include "kernel/ConnectionBlock.h"
#include "unit/wizard/WizardFinishTemplates.h"
#include "wizard/CConnectWizardHidden.h"

namespace {

using wizardfinishtest::Dlu;

constexpr std::array<ui::ControlId, 4> kChoices = {IDC_RADIO_HIDDEN_WEP, IDC_RADIO_HIDDEN_WPAPSK,
                                                   IDC_RADIO_HIDDEN_WPA2PSK, IDC_RADIO_HIDDEN_NONE};

class HiddenPage : public wizardfinishtest::FinishPageTest {
protected:
    fakes::FakeHost& OpenHidden() { return OpenPage<CConnectWizardHidden>(); }

    std::vector<ui::ControlId> Shown(fakes::FakeHost& host) {
        std::vector<ui::ControlId> shown;
        for (ui::ControlId id : kChoices) {
            if (host.IsVisible(id)) {
                shown.push_back(id);
            }
        }
        return shown;
    }
};

TEST_F(HiddenPage, OpensOnItsOwnNumberWithTheRememberedNameAndNothingChosen) {
    WizardPage = wizard::kPageList;
    WizardState.hiddenName = u"Office";
    fakes::FakeHost& host = OpenHidden();
    EXPECT_EQ(WizardPage, wizard::kPageHidden);
    EXPECT_EQ(host.GetText(IDC_EDIT_HIDDEN_NAME), u"Office");
    EXPECT_EQ(host.control(IDC_EDIT_HIDDEN_NAME).Limit(), 128);
    for (ui::ControlId id : kChoices) {
        EXPECT_FALSE(host.control(id).checked) << id;
    }
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_EQ(host.GetText(IDC_WIZARD_BACK), u"< &Back");
    EXPECT_EQ(host.GetText(IDC_WIZARD_NEXT), u"&Next >");
    EXPECT_EQ(host.GetText(ui::kIdCancel), u"Cancel");
    EXPECT_EQ(host.TimerInterval(1), 1000u);
}

TEST_F(HiddenPage, OffersOnlyTheMarkedSecurityKindsStackedFromTheWepPlace) {
    const ui::Rect wepPlace = Dlu(90, 73, 120, 10);
    struct Case {
        wizard::HiddenMarks marks;
        std::vector<ui::ControlId> shown;
    };
    const Case cases[] = {
        {{.open = true, .wep = true}, {IDC_RADIO_HIDDEN_WEP, IDC_RADIO_HIDDEN_NONE}},
        {{.wpa2Psk = true}, {IDC_RADIO_HIDDEN_WPA2PSK}},
        {{.open = true, .wpaPsk = true, .wpa2Psk = true},
         {IDC_RADIO_HIDDEN_WPAPSK, IDC_RADIO_HIDDEN_WPA2PSK, IDC_RADIO_HIDDEN_NONE}},
    };
    for (const Case& c : cases) {
        WizardState.hiddenMarks = c.marks;
        fakes::FakeHost& host = OpenHidden();
        ASSERT_EQ(Shown(host), c.shown);
        for (size_t i = 0; i < c.shown.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "choice " << c.shown[i]);
            EXPECT_EQ(host.control(c.shown[i]).rect, wepPlace.Offset(0, 18 * static_cast<int>(i)));
        }
    }
}

TEST_F(HiddenPage, WithoutMarksAllFourChoicesStayWhereTheTemplatePutsThem) {
    fakes::FakeHost& host = OpenHidden();
    EXPECT_EQ(Shown(host), std::vector<ui::ControlId>(kChoices.begin(), kChoices.end()));
    EXPECT_EQ(host.control(IDC_RADIO_HIDDEN_WEP).rect, Dlu(90, 73, 120, 10));
    EXPECT_EQ(host.control(IDC_RADIO_HIDDEN_WPAPSK).rect, Dlu(90, 84, 120, 10));
    EXPECT_EQ(host.control(IDC_RADIO_HIDDEN_WPA2PSK).rect, Dlu(90, 95, 120, 10));
    EXPECT_EQ(host.control(IDC_RADIO_HIDDEN_NONE).rect, Dlu(90, 106, 120, 10));
}

TEST_F(HiddenPage, NextNeedsANameAndAChoiceAndTheNameIsRememberedAsTyped) {
    fakes::FakeHost& host = OpenHidden();
    Choose(host, IDC_RADIO_HIDDEN_WPAPSK);
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT)); // no name yet
    host.Type(IDC_EDIT_HIDDEN_NAME, u"Lab");
    EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_EQ(host.defaultButton(), IDC_WIZARD_NEXT);
    EXPECT_EQ(WizardState.hiddenName, u"Lab");
    host.Type(IDC_EDIT_HIDDEN_NAME, u"");
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_EQ(WizardState.hiddenName, u"");
}

TEST_F(HiddenPage, NextStoresTheChosenSecurityAndLeadsToItsPage) {
    struct Case {
        ui::ControlId choice;
        uint32_t flags;
        int hiddenChoice;
        int page;
    };
    const Case cases[] = {
        {IDC_RADIO_HIDDEN_WPA2PSK, 0x200008, 2, wizard::kPagePsk},
        {IDC_RADIO_HIDDEN_WPAPSK, 0x100004, 1, wizard::kPagePsk},
        {IDC_RADIO_HIDDEN_WEP, 0x20002, 0, wizard::kPageWepOption},
        {IDC_RADIO_HIDDEN_NONE, 0x10001, 3, wizard::kPageSaveProfile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "choice " << c.choice);
        wizard::ResetWizardState();
        WizardState.hiddenChoice = -1;
        fakes::FakeHost& host = OpenHidden();
        host.Type(IDC_EDIT_HIDDEN_NAME, u"Back Office");
        Choose(host, c.choice);
        host.Click(IDC_WIZARD_NEXT);
        ASSERT_TRUE(host.ended());
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, c.page);
        EXPECT_EQ(WizardOrigin, wizard::kOriginHidden);
        EXPECT_EQ(WizardProfile.block.securityFlags, c.flags);
        EXPECT_EQ(WizardState.hiddenChoice, c.hiddenChoice);
        EXPECT_EQ(WizardState.hiddenName, u"Back Office");
        EXPECT_EQ(wizard::SelectedSsid(), u"Back Office");
    }
}

TEST_F(HiddenPage, ANameLongerThanANetworkNameIsRefusedAndTheLongestIsTaken) {
    const std::u16string longest(32, u'n');
    fakes::FakeHost& host = OpenHidden();
    Choose(host, IDC_RADIO_HIDDEN_WPA2PSK);
    host.Type(IDC_EDIT_HIDDEN_NAME, longest + u"x");
    host.Click(IDC_WIZARD_NEXT);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, u"A wireless network name has at most 32 characters.");
    EXPECT_EQ(host.messageBoxes[0].caption, MessageBoxCaption());
    EXPECT_EQ(host.messageBoxes[0].style, ui::kBoxOk | ui::kBoxIconStop);
    EXPECT_FALSE(host.ended());
    EXPECT_EQ(WizardPage, wizard::kPageHidden);
    EXPECT_EQ(wizard::SelectedSsid(), u"");
    EXPECT_EQ(WizardProfile.block.securityFlags, 0u);
    EXPECT_EQ(host.FocusedControl(), IDC_EDIT_HIDDEN_NAME);

    host.Type(IDC_EDIT_HIDDEN_NAME, longest);
    host.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(wizard::SelectedSsid(), longest);
}

TEST_F(HiddenPage, BackLeadsToTheNetworkList) {
    fakes::FakeHost& host = OpenHidden();
    host.Click(IDC_WIZARD_BACK);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageList);
}

} // namespace
