// Page 11 on the fake host: the length and hexadecimal rules of a WPA key, what Next and Back store,
// the WPA2 or WPA wording, Back hidden for a network the Networks tab chose, and the first run.
#include <gtest/gtest.h>

#include "WizardSecurityTemplates.h"
#include "wizard/CConnectWizardSecurityPSK.h"

namespace {

using wizardsecuritytest::Repeat;
using wizardsecuritytest::SecurityPageTest;
using wizardsecuritytest::Toggle;

class SecurityPskPage : public SecurityPageTest {
protected:
    fakes::FakeHost& OpenPage() { return Open<CConnectWizardSecurityPSK>(); }
    std::u16string Psk() { return std::u16string(base::FieldText(WizardProfile.block.psk)); }
};

TEST_F(SecurityPskPage, KeysOf8To63CharactersArePassphrasesAnd64HexDigitsAKey) {
    struct Case {
        std::u16string typed;
        bool next;
        uint32_t format; // 0: refused
    };
    const Case cases[] = {
        {u"1234567", false, 0},
        {u"12345678", true, kernel::kKeyPskAscii},
        {Repeat(u"a", 63), true, kernel::kKeyPskAscii},
        {Repeat(u"0123456789abcdef", 4), true, kernel::kKeyPskHex},
        {Repeat(u"a", 63) + u"g", true, 0},
    };
    UseShippedEnglish();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.size());
        WizardProfile = {};
        WizardPage = 0;
        fakes::FakeHost& host = OpenPage();
        host.Type(IDC_EDIT_PSK, c.typed);
        EXPECT_EQ(host.IsEnabled(IDC_WIZARD_NEXT), c.next);
        if (!c.next) {
            continue;
        }
        EXPECT_EQ(host.defaultButton(), IDC_WIZARD_NEXT);
        host.Click(IDC_WIZARD_NEXT);
        if (c.format == 0) {
            ASSERT_EQ(host.messageBoxes.size(), 1u);
            EXPECT_EQ(host.messageBoxes[0].text,
                      u"The passphrase must be 8 to 63 ASCII or 64 hexadecimal characters.!");
            EXPECT_EQ(host.messageBoxes[0].style, ui::kBoxOk | ui::kBoxIconStop);
            EXPECT_FALSE(host.ended());
            EXPECT_EQ(host.GetText(IDC_EDIT_PSK), c.typed);
            EXPECT_EQ(host.FocusedControl(), IDC_EDIT_PSK);
            EXPECT_EQ(WizardPage, wizard::kPagePsk);
            EXPECT_EQ(Psk(), u"");
            continue;
        }
        EXPECT_TRUE(host.messageBoxes.empty());
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
        EXPECT_EQ(WizardOrigin, wizard::kOriginPsk);
        EXPECT_EQ(WizardProfile.block.keyFormat, c.format);
        EXPECT_EQ(Psk(), c.typed); // as typed, lower case too
    }
}

TEST_F(SecurityPskPage, OpensWithTheStoredKeyMaskedAsTheFlagSays) {
    base::CopyToField(WizardProfile.block.psk, u"correct horse");
    fakes::FakeHost& host = OpenPage();
    EXPECT_EQ(WizardPage, wizard::kPagePsk);
    EXPECT_EQ(host.GetText(IDC_EDIT_PSK), u"correct horse");
    EXPECT_EQ(host.control(IDC_EDIT_PSK).textLimit, 64);
    EXPECT_EQ(host.control(IDC_EDIT_PSK).passwordChar, u'*');
    EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
    Toggle(host, IDC_CHECK_PSK_HIDE);
    EXPECT_FALSE(WizardState.wpaHide);
    EXPECT_EQ(host.control(IDC_EDIT_PSK).passwordChar, u'\0');
    EXPECT_EQ(host.FocusedControl(), IDC_EDIT_PSK);

    WizardState.wpaHide = false;
    EXPECT_EQ(OpenPage().control(IDC_EDIT_PSK).passwordChar, u'\0');
}

TEST_F(SecurityPskPage, TheHiddenPagesChoiceOrElseTheNetworksFlagsChooseTheWording) {
    disk.WriteLanguage("English", "[IDD_DLG_CONNECTWIZARD_SECURITY_PSK]\r\n1B010=wpa\r\n1B011=wpa2\r\n"
                                  "1B020=wpa note\r\n1B021=wpa2 note\r\n");
    SelectLanguage();
    struct Case {
        int choice;
        uint32_t flags;
        bool wpa2;
    };
    const Case cases[] = {
        {wizard::kHiddenChoiceWpa2Psk, 0x100000, true}, {wizard::kHiddenChoiceWpaPsk, 0x200000, false},
        {wizard::kHiddenChoiceWep, 0x200000, true},     {wizard::kHiddenChoiceWep, 0x300000, true},
        {wizard::kHiddenChoiceWep, 0x100000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        WizardState.hiddenChoice = c.choice;
        WizardProfile.block.securityFlags = c.flags;
        fakes::FakeHost& host = OpenPage();
        EXPECT_EQ(host.GetText(IDC_STATIC_PSK_INSTRUCTION), c.wpa2 ? u"wpa2" : u"wpa");
        EXPECT_EQ(host.GetText(IDC_STATIC_PSK_NOTE), c.wpa2 ? u"wpa2 note" : u"wpa note");
    }
}

TEST_F(SecurityPskPage, BackStoresThePassphraseAndReturnsToTheListOrTheHiddenPage) {
    for (int selected : {0, 1}) {
        SCOPED_TRACE(selected);
        WizardState.selectedNetwork = selected;
        wizard::SetSelectedSsid(selected == 0 ? u"Cafe" : u"Named on page 12");
        fakes::FakeHost& host = OpenPage();
        host.Type(IDC_EDIT_PSK, u"short");
        host.Click(IDC_WIZARD_BACK);
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, selected == 0 ? wizard::kPageList : wizard::kPageHidden);
        EXPECT_EQ(Psk(), u"short");
        EXPECT_EQ(WizardProfile.block.keyFormat, kernel::kKeyPskAscii);
    }
    WizardState.fromList = true;
    WizardState.selectedNetwork = 0;
    wizard::SetSelectedSsid(u"Cafe");
    EXPECT_FALSE(OpenPage().IsVisible(IDC_WIZARD_BACK));
}

TEST_F(SecurityPskPage, AFirstRunWithoutTheSavePageTakesTheNetworksSecurity) {
    MakeSilentFirstRun();
    const std::pair<uint32_t, uint32_t> cases[] = {
        {0x200000, kernel::kSecurityWpa2PskAes},
        {0x300000, kernel::kSecurityWpa2PskAes},
        {0x100000, kernel::kSecurityWpaPskTkip},
    };
    for (const auto& [network, stored] : cases) {
        SCOPED_TRACE(network);
        WizardProfile.block.securityFlags = network;
        fakes::FakeHost& host = OpenPage();
        EXPECT_FALSE(host.IsVisible(IDC_WIZARD_STEP1));
        host.Type(IDC_EDIT_PSK, u"12345678");
        host.Click(IDC_WIZARD_NEXT);
        EXPECT_EQ(WizardPage, wizard::kPageSilentSave);
        EXPECT_EQ(WizardProfile.block.securityFlags, stored);
        EXPECT_EQ(Psk(), u"12345678");
    }
}

} // namespace
