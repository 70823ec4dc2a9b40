// Page 9 on the fake host: what the stored key decides as the page opens, the length change that
// empties the field, keys typed as characters (kept to be shown again), bad keys refused with their
// message while the page and its text stay, Cancel, Back and the first run.
#include <gtest/gtest.h>

#include "WizardSecurityTemplates.h"
#include "profiles/KeyMaterial.h"
#include "wizard/CConnectWizardInputHex.h"

namespace {

using wizardsecuritytest::Repeat;
using wizardsecuritytest::SecurityPageTest;
using wizardsecuritytest::Toggle;

constexpr int k64 = 0;
constexpr int k128 = 1;

class InputHexPage : public SecurityPageTest {
protected:
    fakes::FakeHost& OpenPage() { return Open<CConnectWizardInputHex>(); }
    std::u16string Key(int number) {
        return std::u16string(base::FieldText(WizardProfile.block.wepKeys[number]));
    }
};

TEST_F(InputHexPage, TheStoredKeysLengthChoosesSizeLimitAndNext) {
    struct Case {
        std::u16string key;
        int size;
        int limit;
        bool next;
    };
    const Case cases[] = {
        {u"", k64, 10, false},
        {u"12345", k64, 10, true},
        {u"0123456789", k64, 10, true},
        {u"abcdefghijklm", k128, 26, true},
        {Repeat(u"AB", 13), k128, 26, true},
        {u"1234567", k64, 10, false},
    };
    WizardProfile.block.defaultKey = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key.begin(), c.key.end()));
        base::CopyToField(WizardProfile.block.wepKeys[2], c.key);
        fakes::FakeHost& host = OpenPage();
        EXPECT_EQ(WizardPage, wizard::kPageWepHex);
        EXPECT_EQ(host.control(IDC_COMBO_HEX_KEYNUMBER).items,
                  (std::vector<std::u16string>{u"Key 1", u"Key 2", u"Key 3", u"Key 4"}));
        EXPECT_EQ(host.control(IDC_COMBO_HEX_KEYNUMBER).selection, 2);
        EXPECT_EQ(host.GetText(IDC_EDIT_HEX), c.key);
        EXPECT_EQ(host.control(IDC_COMBO_HEX_KEYLENGTH).selection, c.size);
        EXPECT_EQ(host.control(IDC_EDIT_HEX).textLimit, c.limit);
        EXPECT_EQ(host.IsEnabled(IDC_WIZARD_NEXT), c.next);
        EXPECT_EQ(host.control(IDC_EDIT_HEX).passwordChar, u'\0'); // shown by default on this page
    }
}

TEST_F(InputHexPage, TypingFollowsTheLengthsOfTheSizeAndALengthChangeEmptiesTheField) {
    fakes::FakeHost& host = OpenPage();
    host.Type(IDC_EDIT_HEX, u"abcde");
    EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
    host.Type(IDC_EDIT_HEX, u"abcdef");
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
    host.SelectItem(IDC_COMBO_HEX_KEYLENGTH, k128);
    EXPECT_EQ(host.GetText(IDC_EDIT_HEX), u"");
    EXPECT_EQ(host.control(IDC_EDIT_HEX).textLimit, 26);
    host.Type(IDC_EDIT_HEX, u"abcde");
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
    host.Type(IDC_EDIT_HEX, u"abcdefghijklm");
    EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_EQ(host.defaultButton(), IDC_WIZARD_NEXT);

    Toggle(host, IDC_CHECK_HEX_HIDE);
    EXPECT_TRUE(WizardState.wepKeyHide);
    EXPECT_EQ(host.control(IDC_EDIT_HEX).passwordChar, u'*');
}

TEST_F(InputHexPage, ThirteenCharactersAreStoredAsTheirDigitsAndShownAgainOnReopening) {
    fakes::FakeHost& host = OpenPage();
    host.SelectItem(IDC_COMBO_HEX_KEYNUMBER, 1);
    host.SelectItem(IDC_COMBO_HEX_KEYLENGTH, k128);
    host.Type(IDC_EDIT_HEX, u"Hello, World!");
    host.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
    EXPECT_EQ(WizardOrigin, wizard::kOriginWepHex);
    EXPECT_EQ(WizardProfile.block.defaultKey, 1u);
    EXPECT_EQ(WizardProfile.block.keyFormat, kernel::kKeyWep128);
    EXPECT_EQ(Key(1), u"48656C6C6F2C20576F726C6421");
    EXPECT_TRUE(WizardState.asciiKeyTyped);

    fakes::FakeHost& again = OpenPage();
    EXPECT_EQ(again.GetText(IDC_EDIT_HEX), u"Hello, World!");
    EXPECT_EQ(again.control(IDC_COMBO_HEX_KEYNUMBER).selection, 1);
    EXPECT_EQ(again.control(IDC_COMBO_HEX_KEYLENGTH).selection, k128);
    EXPECT_TRUE(again.IsEnabled(IDC_WIZARD_NEXT));

    // A key typed in digits afterwards is what the page shows next time, not the old characters.
    again.Type(IDC_EDIT_HEX, Repeat(u"c0", 13));
    again.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(Key(1), Repeat(u"c0", 13));
    EXPECT_FALSE(WizardState.asciiKeyTyped);
    EXPECT_EQ(OpenPage().GetText(IDC_EDIT_HEX), Repeat(u"c0", 13));
}

TEST_F(InputHexPage, BadKeysShowTheirSizesMessageAndThePageStaysWithItsText) {
    struct Case {
        const char* what;
        int size;
        std::u16string typed;
        std::u16string message;
    };
    const Case cases[] = {
        {"64-bit digits", k64, u"012345678g", u"The network password needs to be 64bits."},
        {"128-bit digits", k128, Repeat(u"0", 25) + u"G", u"The network password needs to be 128bits."},
        // Their low bytes would make another key than the one typed.
        {"64-bit characters", k64, u"ab\u0100cd", u"The network password needs to be 64bits."},
        {"128-bit characters", k128, u"\u03a9bcdefghijklm", u"The network password needs to be 128bits."},
    };
    UseShippedEnglish();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeHost& host = OpenPage();
        host.SelectItem(IDC_COMBO_HEX_KEYLENGTH, c.size);
        host.Type(IDC_EDIT_HEX, c.typed);
        host.Click(IDC_WIZARD_NEXT);
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(host.messageBoxes[0].text, c.message);
        EXPECT_EQ(host.messageBoxes[0].caption, u"Orvelin Wireless Adapter");
        EXPECT_FALSE(host.ended());
        EXPECT_EQ(host.GetText(IDC_EDIT_HEX), c.typed);
        EXPECT_EQ(WizardPage, wizard::kPageWepHex);
        EXPECT_EQ(Key(0), u"");
        EXPECT_FALSE(WizardState.asciiKeyTyped);
    }
}

TEST_F(InputHexPage, BackStoresTheKeyAsTypedAndCancelForgetsTheCharacters) {
    fakes::FakeHost& host = OpenPage();
    host.SelectItem(IDC_COMBO_HEX_KEYNUMBER, 3);
    host.Type(IDC_EDIT_HEX, u"0a1b2c3d4e");
    host.Click(IDC_WIZARD_BACK);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageWepOption);
    EXPECT_EQ(WizardProfile.block.defaultKey, 3u);
    EXPECT_EQ(WizardProfile.block.keyFormat, kernel::kKeyWep64);
    EXPECT_EQ(Key(3), u"0a1b2c3d4e");

    WizardState.asciiKeyText = u"abcde";
    WizardState.asciiKeyTyped = true;
    fakes::FakeHost& cancelled = OpenPage();
    cancelled.Click(ui::kIdCancel);
    EXPECT_EQ(cancelled.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageWepHex);
    EXPECT_FALSE(WizardState.asciiKeyTyped);
    EXPECT_EQ(WizardState.asciiKeyText, u"");
}

TEST_F(InputHexPage, AFirstRunWithoutTheSavePageGoesToTheSilentSaveWithTheTypedKey) {
    MakeSilentFirstRun();
    WizardProfile.noPassphrase = 1;
    fakes::FakeHost& host = OpenPage();
    host.Type(IDC_EDIT_HEX, u"12345");
    host.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(WizardPage, wizard::kPageSilentSave);
    EXPECT_EQ(WizardProfile.block.securityFlags, kernel::kSecurityWep);
    EXPECT_EQ(WizardProfile.block.keyFormat, kernel::kKeyWep64);
    EXPECT_EQ(Key(0), u"3132333435");
}

} // namespace
