// The summary page on the fake host: what it shows of the network, its security and the profile,
// "Save this network", what Finish leaves in the working profile (WEP keys from the passphrase, mixed
// WPA/WPA2, WEP after WPS) and the question before a stored profile of the same name is replaced.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "base/Trace.h"
#include "kernel/ConnectionBlock.h"
#include "unit/wizard/WizardFinishTemplates.h"
#include "wizard/CConnectWizardWPSView.h"

namespace {

class SummaryPage : public wizardfinishtest::FinishPageTest {
protected:
    SummaryPage() {
        wizard::SetSelectedSsid(u"HomeNet");
        base::CopyToField(WizardProfile.ConfigurationName, u"Home");
    }
    fakes::FakeHost& OpenSummary() { return OpenPage<CConnectWizardWPSView>(); }

    // A profile of that name stored as the program stores one, behind the default profile.
    void StoreProfile(std::u16string_view name) {
        profiles::EnsureDefaultProfile();
        kernel::WirelessProfile record{};
        base::CopyToField(record.ConfigurationName, name);
        base::CopyToField(record.NetworkName, u"HomeNet");
        record.block.securityFlags = kernel::kSecurityNone;
        ASSERT_EQ(profiles::AddProfile(record), profiles::kAddAdded);
    }
};

TEST_F(SummaryPage, ShowsTheNetworkItsSecurityAndTheProfile) {
    struct Case {
        uint32_t flags;
        std::u16string builtIn;
        std::u16string shipped;
    };
    const Case cases[] = {
        {kernel::kSecurityWpa2PskAes, u"WPA2-PSK", u"WPA2-PSK"},
        {kernel::kAuthWpaPsk | kernel::kAuthWpa2Psk, u"WPA2-PSK", u"WPA2-PSK"},
        {kernel::kSecurityWpaPskTkip, u"WPA-PSK", u"WPA-PSK"},
        {kernel::kSecurityWep, u"WEP", u"WEP"},
        {kernel::kSecurityNone, u"csDisable", u"None"},
    };
    for (bool shipped : {false, true}) {
        if (shipped) {
            UseShippedEnglish();
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << (shipped ? "English.lng " : "built in ") << c.flags);
            WizardProfile.block.securityFlags = c.flags;
            fakes::FakeHost& host = OpenSummary();
            EXPECT_EQ(host.GetText(IDC_STATIC_WPSVIEW_SECURITY), shipped ? c.shipped : c.builtIn);
            EXPECT_EQ(host.GetText(IDC_STATIC_WPSVIEW_SSID), u"HomeNet");
            EXPECT_EQ(host.GetText(IDC_STATIC_WPSVIEW_PROFILE), u"Home");
            EXPECT_TRUE(host.IsVisible(IDC_CHECK_WPSVIEW_SAVE));
            EXPECT_TRUE(host.control(IDC_CHECK_WPSVIEW_SAVE).checked);
            EXPECT_EQ(host.GetText(IDC_STATIC_WPSVIEW_HEADLINE),
                      shipped ? u"You have successfully connected to wireless network:\nHomeNet"
                              : u"You have successfully connected to wireless network:HomeNet");
            EXPECT_EQ(host.GetText(ui::kIdOk), u"Finish");
            EXPECT_FALSE(host.TimerRunning(1)) << "the summary has no watchdog";
        }
    }
}

TEST_F(SummaryPage, NothingToSaveShowsNoProfileAndNoCheckBox) {
    SaveAtEnd = false;
    fakes::FakeHost& host = OpenSummary();
    EXPECT_EQ(host.GetText(IDC_STATIC_WPSVIEW_PROFILE), u"No Profile");
    EXPECT_FALSE(host.IsVisible(IDC_CHECK_WPSVIEW_SAVE));
    host.PressEnter();
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_FALSE(SaveAtEnd);
}

TEST_F(SummaryPage, SaveThisNetworkDecidesWhetherTheProfileIsKept) {
    fakes::FakeHost& host = OpenSummary();
    Choose(host, IDC_CHECK_WPSVIEW_SAVE, false);
    EXPECT_FALSE(SaveAtEnd);
    EXPECT_EQ(host.GetText(IDC_STATIC_WPSVIEW_PROFILE), u"No Profile");
    Choose(host, IDC_CHECK_WPSVIEW_SAVE, true);
    EXPECT_TRUE(SaveAtEnd);
    EXPECT_EQ(host.GetText(IDC_STATIC_WPSVIEW_PROFILE), u"Home");
    Choose(host, IDC_CHECK_WPSVIEW_SAVE, false);
    host.Click(ui::kIdOk);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_FALSE(SaveAtEnd);
}

TEST_F(SummaryPage, FinishGivesAWepNetworkTheKeysOfItsPassphrase) {
    for (size_t digits : {10u, 26u}) {
        SCOPED_TRACE(digits);
        WizardProfile.block.securityFlags = kernel::kAuthCode2 | kernel::kCipherWep;
        WizardProfile.block.defaultKey = 2;
        for (size_t i = 0; i < 4; ++i) {
            WizardState.generatedKeys[i] = std::u16string(digits, static_cast<char16_t>(u'a' + i));
        }
        OpenSummary().Click(ui::kIdOk);
        const kernel::ConnectionBlock& block = WizardProfile.block;
        EXPECT_EQ(block.securityFlags, 0x40002u);
        EXPECT_EQ(block.defaultKey, 0u);
        EXPECT_EQ(block.keyFormat, digits == 10 ? 0x101u : 0x201u);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(base::FieldText(block.wepKeys[i]), WizardState.generatedKeys[i]);
        }
    }
    // Keys typed by hand stay as they are.
    WizardProfile.block = {};
    WizardProfile.block.securityFlags = kernel::kAuthCode2 | kernel::kCipherWep;
    WizardProfile.noPassphrase = 1;
    base::CopyToField(WizardProfile.block.wepKeys[1], u"0123456789");
    WizardProfile.block.defaultKey = 1;
    WizardProfile.block.keyFormat = kernel::kKeyWep64;
    OpenSummary().Click(ui::kIdOk);
    EXPECT_EQ(WizardProfile.block.securityFlags, 0x20002u);
    EXPECT_EQ(WizardProfile.block.defaultKey, 1u);
    EXPECT_EQ(base::FieldText(WizardProfile.block.wepKeys[0]), u"");
    EXPECT_EQ(base::FieldText(WizardProfile.block.wepKeys[1]), u"0123456789");
}

TEST_F(SummaryPage, FinishJoinsAMixedWpaNetworkWithWpa2AndNoKeyTexts) {
    WizardProfile.block.securityFlags = kernel::kAuthWpaPsk | kernel::kAuthWpa2Psk | kernel::kCipherTkip;
    base::CopyToField(WizardProfile.block.psk, u"secret passphrase");
    base::CopyToField(WizardProfile.block.wepKeys[3], u"stale");
    OpenSummary().Click(ui::kIdOk);
    EXPECT_EQ(WizardProfile.block.securityFlags, 0x200008u);
    for (const auto& key : WizardProfile.block.wepKeys) {
        EXPECT_EQ(base::FieldText(key), u"");
    }
    EXPECT_EQ(base::FieldText(WizardProfile.block.psk), u"secret passphrase");
}

TEST_F(SummaryPage, FinishAfterWpsWithWepFollowsTheTransmitKeyAndEmptiesThePsk) {
    std::vector<std::u16string> lines;
    base::TraceSink previous =
        base::SetTraceSink([&](std::u16string_view line) { lines.emplace_back(line); });
    WpsMode = true;
    WizardProfile.noPassphrase = 1;
    WizardProfile.block.securityFlags = kernel::kSecurityWep;
    WizardProfile.block.defaultKey = 1;
    WizardProfile.block.keyFormat = kernel::kKeyWep64;
    base::CopyToField(WizardProfile.block.wepKeys[0], u"0123456789");
    base::CopyToField(WizardProfile.block.wepKeys[1], std::u16string(26, u'f'));
    base::CopyToField(WizardProfile.block.psk, u"leftover");
    WizardState.generatedKeys[0] = u"9999999999"; // not this run's: the exchange gave the keys
    OpenSummary().Click(ui::kIdOk);
    EXPECT_EQ(WizardProfile.noPassphrase, 0u);
    EXPECT_EQ(WizardProfile.block.keyFormat, 0x201u);
    EXPECT_EQ(WizardProfile.block.securityFlags, kernel::kSecurityWep);
    EXPECT_EQ(base::FieldText(WizardProfile.block.wepKeys[0]), u"0123456789");
    EXPECT_EQ(base::FieldText(WizardProfile.block.psk), u"");
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        u"**WPS- WEP key index, passphrase should empty but value = leftover"),
              lines.end());

    // A transmit key number the exchange got wrong names no key: the format stays.
    WizardProfile.block.defaultKey = 9;
    OpenSummary().Click(ui::kIdOk);
    EXPECT_EQ(WizardProfile.block.keyFormat, 0x201u);
    base::SetTraceSink(previous);
}

TEST_F(SummaryPage, AStoredProfileOfTheSameNameIsReplacedOnlyWhenTheUserAgrees) {
    UseShippedEnglish();
    StoreProfile(u"Home");
    for (int answer : {ui::kAnswerYes, ui::kAnswerNo}) {
        SCOPED_TRACE(answer);
        SaveAtEnd = true;
        fakes::FakeHost& host = OpenSummary();
        host.messageBoxAnswers.push_back(answer);
        host.Click(ui::kIdOk);
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(host.messageBoxes[0].caption, u"Orvelin Link Warden");
        EXPECT_EQ(host.messageBoxes[0].text,
                  u"A profile with this name exists already. Do you want to replace it?");
        EXPECT_EQ(host.messageBoxes[0].style, ui::kBoxYesNo | ui::kBoxIconInformation);
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(SaveAtEnd, answer == ui::kAnswerYes);
    }
    // Another name, or nothing to save: no question.
    SaveAtEnd = true;
    base::CopyToField(WizardProfile.ConfigurationName, u"Office");
    fakes::FakeHost& other = OpenSummary();
    other.Click(ui::kIdOk);
    EXPECT_TRUE(other.messageBoxes.empty());
    EXPECT_TRUE(SaveAtEnd);
    base::CopyToField(WizardProfile.ConfigurationName, u"Home");
    SaveAtEnd = false;
    fakes::FakeHost& unsaved = OpenSummary();
    unsaved.Click(ui::kIdOk);
    EXPECT_TRUE(unsaved.messageBoxes.empty());
}

} // namespace
