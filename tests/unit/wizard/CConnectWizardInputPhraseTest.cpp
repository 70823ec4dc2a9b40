// Page 7 on the fake host: the stored passphrase, masking and key length as it opens, the length change
// that empties the field, the keys Next generates, and the first run that skips the save page.
#include <gtest/gtest.h>

#include <set>

#include "WizardSecurityTemplates.h"
#include "fakes/FakeAnsiCodePage.h"
#include "profiles/KeyMaterial.h"
#include "wizard/CConnectWizardInputPhrase.h"
#include "wizard/SecurityPageParts.h"

namespace {

using wizardsecuritytest::SecurityPageTest;
using wizardsecuritytest::Toggle;

class InputPhrasePage : public SecurityPageTest {
protected:
    fakes::FakeHost& OpenPage() { return Open<CConnectWizardInputPhrase>(codePage); }

    fakes::FakeAnsiCodePage codePage = fakes::FakeAnsiCodePage::Windows1252();
};

TEST_F(InputPhrasePage, OpensWithTheProfilesPassphraseHiddenAndTheChosenLength) {
    base::CopyToField(WizardProfile.wepPassphrase, u"secret");
    WizardState.wepKeySize64 = false;
    fakes::FakeHost& host = OpenPage();
    EXPECT_EQ(WizardPage, wizard::kPageWepPhrase);
    EXPECT_EQ(host.GetText(IDC_EDIT_PHRASE), u"secret");
    EXPECT_EQ(host.control(IDC_EDIT_PHRASE).textLimit, 32);
    EXPECT_EQ(host.control(IDC_EDIT_PHRASE).passwordChar, u'*');
    EXPECT_TRUE(host.control(IDC_CHECK_PHRASE_HIDE).checked);
    EXPECT_EQ(host.control(IDC_COMBO_PHRASE_KEYLENGTH).items,
              (std::vector<std::u16string>{u"64 bits", u"128 bits"}));
    EXPECT_EQ(host.control(IDC_COMBO_PHRASE_KEYLENGTH).selection, 1);
    EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_EQ(host.defaultButton(), IDC_WIZARD_NEXT);

    // The single tick of timer 1 selects the key for typing over it.
    host.FireTimer(wizard::kTimerSelectKey);
    EXPECT_FALSE(host.TimerRunning(wizard::kTimerSelectKey));
    EXPECT_EQ(host.FocusedControl(), IDC_EDIT_PHRASE);
    EXPECT_EQ(host.control(IDC_EDIT_PHRASE).selEnd, 6);

    Toggle(host, IDC_CHECK_PHRASE_HIDE);
    EXPECT_EQ(host.control(IDC_EDIT_PHRASE).passwordChar, u'\0');
    EXPECT_FALSE(WizardState.wepPhraseHide);
    Toggle(host, IDC_CHECK_PHRASE_HIDE);
    EXPECT_EQ(host.control(IDC_EDIT_PHRASE).passwordChar, u'*');
    EXPECT_EQ(host.FocusedControl(), IDC_EDIT_PHRASE);
}

TEST_F(InputPhrasePage, NextOnlyWithAPassphraseAndALengthChangeEmptiesIt) {
    fakes::FakeHost& host = OpenPage();
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
    host.PressEnter(); // nothing to go on with
    EXPECT_FALSE(host.ended());
    host.Type(IDC_EDIT_PHRASE, u"abc");
    EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
    host.SelectItem(IDC_COMBO_PHRASE_KEYLENGTH, 1);
    EXPECT_FALSE(WizardState.wepKeySize64);
    EXPECT_EQ(host.GetText(IDC_EDIT_PHRASE), u"");
    EXPECT_EQ(host.control(IDC_EDIT_PHRASE).textLimit, 32);
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
}

TEST_F(InputPhrasePage, NextGeneratesFourKeysOf64BitsOrOne128BitKeyFourTimes) {
    for (bool use64 : {true, false}) {
        SCOPED_TRACE(use64 ? "64 bits" : "128 bits");
        WizardState.wepKeySize64 = use64;
        WizardState.generatedKeys = {u"stale", u"stale", u"stale", u"stale"};
        fakes::FakeHost& host = OpenPage();
        host.Type(IDC_EDIT_PHRASE, u"Passw\u00f6rd");
        host.Click(IDC_WIZARD_NEXT);
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
        EXPECT_EQ(WizardOrigin, wizard::kOriginWepPhrase);
        EXPECT_EQ(base::FieldText(WizardProfile.wepPassphrase), u"Passw\u00f6rd");
        const auto& keys = WizardState.generatedKeys;
        std::set<std::u16string> distinct(keys.begin(), keys.end());
        EXPECT_EQ(distinct.size(), use64 ? 4u : 1u);
        for (const std::u16string& key : keys) {
            EXPECT_EQ(key.size(), use64 ? 10u : 26u);
            EXPECT_TRUE(profiles::IsHexText(key));
        }
        // Not a first run: the profile's keys wait for the end of the run.
        EXPECT_EQ(base::FieldText(WizardProfile.block.wepKeys[0]), u"");
    }
}

TEST_F(InputPhrasePage, BackKeepsThePassphraseAndReturnsToTheOptionPage) {
    fakes::FakeHost& host = OpenPage();
    host.Type(IDC_EDIT_PHRASE, u"half typed");
    host.Click(IDC_WIZARD_BACK);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageWepOption);
    EXPECT_EQ(base::FieldText(WizardProfile.wepPassphrase), u"half typed");
}

TEST_F(InputPhrasePage, AFirstRunWithoutTheSavePageStoresTheKeysAndGoesToTheSilentSave) {
    MakeSilentFirstRun();
    for (bool use64 : {true, false}) {
        SCOPED_TRACE(use64 ? "64 bits" : "128 bits");
        WizardProfile = {};
        WizardState.wepKeySize64 = use64;
        fakes::FakeHost& host = OpenPage();
        EXPECT_FALSE(host.IsVisible(IDC_WIZARD_STEP2));
        EXPECT_FALSE(host.IsVisible(IDC_WIZARD_SIDE_PICTURE));
        host.Type(IDC_EDIT_PHRASE, u"letmein");
        host.Click(IDC_WIZARD_NEXT);
        EXPECT_EQ(WizardPage, wizard::kPageSilentSave);
        EXPECT_EQ(WizardProfile.block.securityFlags, kernel::kSecurityWep);
        EXPECT_EQ(WizardProfile.block.defaultKey, 0u);
        EXPECT_EQ(WizardProfile.block.keyFormat, use64 ? kernel::kKeyWep64 : kernel::kKeyWep128);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(base::FieldText(WizardProfile.block.wepKeys[i]), WizardState.generatedKeys[i]);
        }
    }
}

} // namespace
