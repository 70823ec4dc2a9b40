// The connect wizard under Wine, started with "Find a Network" as a user starts it, walked page by page for
// every kind of network it sets up, in one program start: an open network (with a reserved profile name
// refused on the way), WEP from a passphrase, WEP from a key typed by hand, WPA-PSK (with a bad 64-digit
// key refused on the way), WPA2-PSK under the hint's name, a hidden WPA2-PSK network named on its page,
// and a wrong WPA key that is tried without a profile. Each run's profile is read back from the registry
// and its block from the stand-in service's log; the pictures of every page are saved on the way.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/WinAnsiCodePage.h"
#include "profiles/KeyMaterial.h"
#include "profiles/KeyScramble.h"
#include "wine/wizard_e2e/WizardUnderWine.h"

using namespace wizard_e2e;
using settings_e2e::OrderValues;
using settings_e2e::StoredNumber;
using settings_e2e::StoredText;

namespace {

constexpr wchar_t kHint[] = L"<Enter a Profile name here>";
constexpr char16_t kWepPhrase[] = u"wizard phrase";

std::wstring Shown(const std::optional<std::wstring>& value) {
    return value ? *value : L"<absent>";
}

std::wstring Scrambled(const std::u16string& key) {
    return Wide(profiles::ScrambleKeyText(key));
}

std::string Ascii(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

class FindANetwork : public WizardUnderWine {
protected:
    void SetUp() override {
        WizardUnderWine::SetUp();
        platform::win32::WinAnsiCodePage codePage;
        std::optional<std::array<std::u16string, 4>> keys =
            profiles::GenerateWepKeyTexts(codePage, kWepPhrase, false);
        ASSERT_TRUE(keys);
        m_phraseKeys = *keys;
    }

    // The save page as it opens, then the name typed (nothing typed: the hint's name stays); returns
    // the summary.
    HWND SaveAs(HWND save, const std::wstring& name, const wchar_t* securityStep = L"Applying Security") {
        ExpectFrame(save, securityStep);
        EXPECT_EQ(TextIn(save, IDC_STATIC_SAVEPROFILE_QUESTION), L"Save your settings to a profile?");
        EXPECT_TRUE(CheckedIn(save, IDC_RADIO_SAVEPROFILE_YES));
        EXPECT_FALSE(CheckedIn(save, IDC_RADIO_SAVEPROFILE_NO));
        EXPECT_EQ(TextIn(save, kSavePage), kHint);
        EXPECT_TRUE(ShownIn(save, IDC_WIZARD_BACK)) << "Back hidden in a run from Find a Network";
        EXPECT_TRUE(EnabledIn(save, IDC_WIZARD_NEXT));
        if (!name.empty()) {
            // Every backslash goes as it is typed: a profile name is a registry key's name.
            EXPECT_TRUE(ClickAndType(save, kSavePage, name));
            std::wstring kept = name;
            std::erase(kept, L'\\');
            EXPECT_EQ(TextIn(save, kSavePage), kept);
        }
        return PressTo(save, IDC_WIZARD_NEXT, kSummaryPage);
    }

    static void ExpectSummary(HWND summary, const std::wstring& ssid, const std::wstring& security,
                              const std::wstring& profile, bool saving) {
        EXPECT_EQ(TextIn(summary, IDC_WIZARD_TITLE), kTitle);
        EXPECT_EQ(TextIn(summary, IDC_STATIC_WPSVIEW_HEADLINE),
                  L"You have successfully connected to wireless network:\n" + ssid);
        EXPECT_EQ(TextIn(summary, IDC_STATIC_WPSVIEW_SSID), ssid);
        EXPECT_EQ(TextIn(summary, IDC_STATIC_WPSVIEW_SECURITY), security);
        EXPECT_EQ(TextIn(summary, IDC_STATIC_WPSVIEW_PROFILE), profile);
        EXPECT_EQ(ShownIn(summary, kSummaryPage), saving);
        EXPECT_EQ(CheckedIn(summary, kSummaryPage), saving);
        EXPECT_EQ(TextIn(summary, IDOK), L"Finish");
        EXPECT_EQ(GetDlgItem(summary, IDC_WIZARD_BACK), nullptr) << "the summary has only Finish";
    }

    // Finish; the block handed over for `ssid` once the profile is applied.
    std::string Finish(HWND summary, const std::string& ssid) {
        size_t mark = Log().size();
        EXPECT_TRUE(Press(summary, IDOK));
        return AppliedBlock(ssid, mark);
    }

    // The order values: the default profile first, the wizard's newest profile right behind it.
    static void ExpectSecondInOrder(const std::wstring& profile) {
        std::map<std::wstring, std::wstring> order = OrderValues();
        EXPECT_EQ(order[L"00"], L"Default");
        EXPECT_EQ(order[L"01"], profile);
    }

    // The list leaves the PSK or WEP message window for the page after it.
    HWND Message(HWND list, int marker, const std::wstring& text, const wchar_t* caption,
                 const wchar_t* pictureName) {
        HWND message = PressTo(list, IDC_WIZARD_NEXT, marker);
        if (message == nullptr) {
            return nullptr;
        }
        EXPECT_EQ(WindowText(message), caption);
        EXPECT_EQ(TextIn(message, marker), text);
        EXPECT_EQ(TextIn(message, IDOK), L"OK");
        if (pictureName != nullptr) {
            Picture(pictureName, message);
        }
        return message;
    }

    std::array<std::u16string, 4> m_phraseKeys;
};

TEST_F(FindANetwork, EveryKindOfNetworkIsSetUpStoredAndJoinedPageByPage) {
    ASSERT_NO_FATAL_FAILURE(StartInWizardWorld(Ascii(m_phraseKeys[0])));

    // --- An open network; "default" refused as a profile name on the way.
    HWND list = FindNetwork(L"please-wait");
    ASSERT_NE(list, nullptr);
    HWND rows = GetDlgItem(list, kListPage);
    // Strongest first; the ad-hoc and the 802.1X network are left out, the hidden one has no name.
    using Row = std::vector<std::wstring>;
    std::vector<Row> expected = {
        {L"HomeNet", L"N", L"", L"WPA2-PSK", L" 90%"}, {L"OpenCafe", L"", L"", L"None", L" 85%"},
        {L"PhraseRouter", L"", L"", L"WEP", L" 80%"},  {L"HexRouter", L"", L"", L"WEP", L" 75%"},
        {L"LabWpa", L"", L"", L"WPA-PSK", L" 70%"},    {L"AtticWpa2", L"", L"", L"WPA2-PSK", L" 65%"},
        {L"", L"", L"", L"WPA2-PSK", L" 60%"},         {L"Backyard", L"", L"", L"WPA2-PSK", L" 55%"},
    };
    EXPECT_EQ(ListRows(rows), expected);
    EXPECT_EQ(WindowText(list), kPageCaption);
    EXPECT_EQ(TextIn(list, IDC_WIZARD_TITLE), kTitle);
    EXPECT_EQ(TextIn(list, IDC_WIZARD_LIST_REFRESH), L"Refresh network list");
    EXPECT_FALSE(EnabledIn(list, IDC_WIZARD_NEXT)) << "Next before a row is chosen";
    EXPECT_FALSE(IsWindowVisible(m_main)) << "the main window stays up during the run";
    ASSERT_TRUE(PickRow(list, L"OpenCafe"));
    Picture(L"network-list", list);
    HWND save = PressTo(list, IDC_WIZARD_NEXT, kSavePage);
    ASSERT_NE(save, nullptr);
    // An open network has no key to apply: its step says so.
    EXPECT_TRUE(ClickAndType(save, kSavePage, L"default"));
    HWND refusal = PressTo(save, IDC_WIZARD_NEXT, kReservedNamePage);
    ASSERT_NE(refusal, nullptr);
    EXPECT_FALSE(IsWindowVisible(save)) << "the save page stays up behind the refusal";
    EXPECT_EQ(TextIn(refusal, kReservedNamePage),
              L"A profile cannot be saved under the reserved name default");
    EXPECT_FALSE(EnabledIn(refusal, IDC_WIZARD_NEXT));
    EXPECT_EQ(TextIn(refusal, IDC_WIZARD_STEP3), L"Saving Profile");
    Picture(L"reserved-name", refusal);
    save = PressTo(refusal, IDC_WIZARD_BACK, kSavePage);
    ASSERT_NE(save, nullptr);
    Picture(L"save-profile", save);
    HWND summary = SaveAs(save, L"\\Ca\\fe\\", L"Applying Settings");
    ASSERT_NE(summary, nullptr);
    ExpectSummary(summary, L"OpenCafe", L"None", L"Cafe", true);
    Picture(L"summary", summary);
    std::string block = Finish(summary, "OpenCafe");
    EXPECT_TRUE(Has(block, "bssid=00:24:B2:10:40:02 channel=11")) << block;
    // No key goes with it: the block carries the open security the survey reported.
    EXPECT_TRUE(Has(block, "keyFormat=0x00000000 psk=\"\" defaultKey=0 wep1=\"\"")) << block;
    EXPECT_TRUE(LogHas("note associated with \"OpenCafe\"", 15000)) << Log();
    EXPECT_EQ(StoredProfileNames(), (std::vector<std::wstring>{L"Default", L"Cafe"}))
        << "only the default profile and the open network's are stored";
    EXPECT_EQ(Shown(StoredText(L"Cafe", L"NetworkName")), L"OpenCafe");
    // Unsecured, as the survey reported it: no cipher, no key.
    EXPECT_EQ(StoredNumber(L"Cafe", L"EncryptionAlg"), profiles::EncodeCipher(kernel::kCipherNone));
    EXPECT_EQ(Shown(StoredText(L"Cafe", L"Passphrase")), Scrambled(u""));
    ExpectSecondInOrder(L"Cafe");
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(m_main) != FALSE; }, 5000)) << "the main window is back";

    // --- WEP from a passphrase: the four keys made from it, the first in use.
    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L"PhraseRouter"));
    HWND message = Message(list, kWepMessage,
                           L"WEP security has been detected on this network. Click OK to enter its WEP key.",
                           L"WEP Security", L"wep-message");
    ASSERT_NE(message, nullptr);
    HWND option = PressTo(message, IDOK, kWepOptionPage);
    ASSERT_NE(option, nullptr);
    ExpectFrame(option, L"Applying Security");
    EXPECT_EQ(TextIn(option, IDC_STATIC_WEB_INSTRUCTION), L"Choose a WEP Security Input Option.");
    EXPECT_TRUE(CheckedIn(option, IDC_RADIO_WEB_PASSPHRASE));
    EXPECT_FALSE(CheckedIn(option, IDC_RADIO_WEB_HEX));
    EXPECT_TRUE(ShownIn(option, IDC_WIZARD_BACK));
    Picture(L"wep-option", option);
    HWND phrase = PressTo(option, IDC_WIZARD_NEXT, kWepPhrasePage);
    ASSERT_NE(phrase, nullptr);
    ExpectFrame(phrase, L"Applying Security");
    EXPECT_EQ(TextIn(phrase, IDC_STATIC_PHRASE_INSTRUCTION),
              L"Enter the WEP passphrase and choose the key length of the network.");
    EXPECT_EQ(TextIn(phrase, IDC_COMBO_PHRASE_KEYLENGTH), L"64 bits");
    EXPECT_TRUE(CheckedIn(phrase, IDC_CHECK_PHRASE_HIDE));
    EXPECT_TRUE(Masked(phrase, kWepPhrasePage));
    EXPECT_FALSE(EnabledIn(phrase, IDC_WIZARD_NEXT)) << "Next without a passphrase";
    TypeInto(phrase, kWepPhrasePage, Wide(kWepPhrase));
    EXPECT_TRUE(EnabledIn(phrase, IDC_WIZARD_NEXT));
    Picture(L"wep-passphrase", phrase);
    save = PressTo(phrase, IDC_WIZARD_NEXT, kSavePage);
    ASSERT_NE(save, nullptr);
    summary = SaveAs(save, L"Phrase");
    ASSERT_NE(summary, nullptr);
    ExpectSummary(summary, L"PhraseRouter", L"WEP", L"Phrase", true);
    block = Finish(summary, "PhraseRouter");
    EXPECT_TRUE(Has(block, "security=0x00040002 keyFormat=0x00000101")) << block;
    EXPECT_TRUE(Has(block, "defaultKey=0 wep1=\"" + Ascii(m_phraseKeys[0]) + "\" wep2=\"" +
                               Ascii(m_phraseKeys[1]) + "\" wep3=\"" + Ascii(m_phraseKeys[2]) + "\" wep4=\"" +
                               Ascii(m_phraseKeys[3]) + "\""))
        << block;
    EXPECT_TRUE(LogHas("note associated with \"PhraseRouter\"", 15000)) << Log();
    EXPECT_EQ(StoredNumber(L"Phrase", L"EncryptionAlg"), profiles::EncodeCipher(0x00040002));
    EXPECT_EQ(StoredNumber(L"Phrase", L"WEPKeybit"), profiles::EncodeWepKeybit(true, 0x101));
    EXPECT_EQ(StoredNumber(L"Phrase", L"defaultKey"), 0u);
    EXPECT_EQ(Shown(StoredText(L"Phrase", L"Passphrase")), Wide(kWepPhrase));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(Shown(StoredText(L"Phrase", (L"SharedKey" + std::to_wstring(k + 1)).c_str())),
                  Scrambled(m_phraseKeys[static_cast<size_t>(k)]))
            << "key " << k + 1;
    }
    ExpectSecondInOrder(L"Phrase");

    // --- WEP from a key typed by hand, as the router's second key.
    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L"HexRouter"));
    message = Message(list, kWepMessage,
                      L"WEP security has been detected on this network. Click OK to enter its WEP key.",
                      L"WEP Security", nullptr);
    ASSERT_NE(message, nullptr);
    option = PressTo(message, IDOK, kWepOptionPage);
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(ClickChoice(option, IDC_RADIO_WEB_HEX));
    EXPECT_FALSE(CheckedIn(option, IDC_RADIO_WEB_PASSPHRASE));
    HWND hex = PressTo(option, IDC_WIZARD_NEXT, kWepKeyPage);
    ASSERT_NE(hex, nullptr);
    ExpectFrame(hex, L"Applying Security");
    EXPECT_EQ(TextIn(hex, IDC_STATIC_HEX_INSTRUCTION), L"Enter the WEP Hex key manually.");
    EXPECT_EQ(TextIn(hex, IDC_COMBO_HEX_KEYNUMBER), L"Key 1");
    EXPECT_EQ(TextIn(hex, IDC_COMBO_HEX_KEYLENGTH), L"64 bits");
    EXPECT_FALSE(CheckedIn(hex, IDC_CHECK_HEX_HIDE));
    EXPECT_FALSE(Masked(hex, kWepKeyPage));
    EXPECT_FALSE(EnabledIn(hex, IDC_WIZARD_NEXT));
    ChooseEntry(GetDlgItem(hex, IDC_COMBO_HEX_KEYNUMBER), L"Key 2");
    TypeInto(hex, kWepKeyPage, L"0A1B2C3D4");
    EXPECT_FALSE(EnabledIn(hex, IDC_WIZARD_NEXT)) << "Next with nine digits";
    TypeInto(hex, kWepKeyPage, L"0A1B2C3D4E");
    EXPECT_TRUE(EnabledIn(hex, IDC_WIZARD_NEXT));
    Picture(L"wep-key", hex);
    save = PressTo(hex, IDC_WIZARD_NEXT, kSavePage);
    ASSERT_NE(save, nullptr);
    summary = SaveAs(save, L"HexKey");
    ASSERT_NE(summary, nullptr);
    ExpectSummary(summary, L"HexRouter", L"WEP", L"HexKey", true);
    block = Finish(summary, "HexRouter");
    EXPECT_TRUE(Has(block, "keyFormat=0x00000101")) << block;
    EXPECT_TRUE(Has(block, "defaultKey=1 wep1=\"\" wep2=\"0A1B2C3D4E\" wep3=\"\" wep4=\"\"")) << block;
    EXPECT_TRUE(LogHas("note associated with \"HexRouter\"", 15000)) << Log();
    EXPECT_EQ(StoredNumber(L"HexKey", L"defaultKey"), 1u);
    EXPECT_EQ(Shown(StoredText(L"HexKey", L"SharedKey2")), Scrambled(u"0A1B2C3D4E"));
    EXPECT_EQ(Shown(StoredText(L"HexKey", L"Passphrase")), L"") << "a typed key has no passphrase";
    ExpectSecondInOrder(L"HexKey");

    // --- WPA-PSK; a 64-character key with a letter that is no hexadecimal digit is refused first.
    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L"LabWpa"));
    message =
        Message(list, kPskMessage,
                L"WPA-PSK security has been detected on this network. Click OK to enter its passphrase.",
                L"WPA-PSK Security", L"psk-message");
    ASSERT_NE(message, nullptr);
    HWND psk = PressTo(message, IDOK, kPskPage);
    ASSERT_NE(psk, nullptr);
    ExpectFrame(psk, L"Applying Security");
    EXPECT_EQ(TextIn(psk, IDC_STATIC_PSK_INSTRUCTION), L"Enter the WPA-PSK passphrase.");
    EXPECT_TRUE(CheckedIn(psk, IDC_CHECK_PSK_HIDE));
    EXPECT_TRUE(Masked(psk, kPskPage));
    TypeInto(psk, kPskPage, L"labpass");
    EXPECT_FALSE(EnabledIn(psk, IDC_WIZARD_NEXT)) << "Next with seven characters";
    const std::wstring badKey = std::wstring(63, L'a') + L"g";
    TypeInto(psk, kPskPage, badKey);
    ASSERT_TRUE(EnabledIn(psk, IDC_WIZARD_NEXT));
    ASSERT_TRUE(Press(psk, IDC_WIZARD_NEXT));
    HWND box = WizardMessageBox();
    ASSERT_NE(box, nullptr) << "no message for the bad key; showing:" << DescribeWindows();
    EXPECT_EQ(settings_e2e::FirstStaticText(box),
              L"The passphrase must be 8 to 63 ASCII or 64 hexadecimal characters.!");
    EXPECT_EQ(WindowText(box), kPageCaption);
    Picture(L"psk-bad-key", box);
    ASSERT_TRUE(Answer(box, IDOK));
    EXPECT_TRUE(IsWindowVisible(psk)) << "the page was left with a bad key";
    EXPECT_EQ(TextIn(psk, kPskPage), badKey);
    TypeInto(psk, kPskPage, L"labpass123");
    Picture(L"psk-passphrase", psk);
    save = PressTo(psk, IDC_WIZARD_NEXT, kSavePage);
    ASSERT_NE(save, nullptr);
    summary = SaveAs(save, L"Lab");
    ASSERT_NE(summary, nullptr);
    ExpectSummary(summary, L"LabWpa", L"WPA-PSK", L"Lab", true);
    block = Finish(summary, "LabWpa");
    // The cipher goes with the scan's bare WPA-PSK flag, or the network would not take the block.
    EXPECT_TRUE(Has(block, "security=0x00100004 keyFormat=0x00010000 psk=\"labpass123\"")) << block;
    EXPECT_TRUE(LogHas("note associated with \"LabWpa\"", 15000)) << Log();
    EXPECT_EQ(StoredNumber(L"Lab", L"AdvancedAuthenticationType"),
              profiles::EncodeAuthentication(0x00100004));
    EXPECT_EQ(StoredNumber(L"Lab", L"EncryptionAlg"), profiles::EncodeCipher(0x00100004));
    EXPECT_NE(StoredNumber(L"Lab", L"EncryptionAlg"), 0u) << "stored as unsecured";
    EXPECT_EQ(Shown(StoredText(L"Lab", L"Passphrase")), Scrambled(u"labpass123"));
    ExpectSecondInOrder(L"Lab");

    // --- WPA2-PSK, stored under the name the hint stands for.
    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L"AtticWpa2"));
    message =
        Message(list, kPskMessage,
                L"WPA2-PSK security has been detected on this network. Click OK to enter its passphrase.",
                L"WPA-PSK Security", nullptr);
    ASSERT_NE(message, nullptr);
    psk = PressTo(message, IDOK, kPskPage);
    ASSERT_NE(psk, nullptr);
    EXPECT_EQ(TextIn(psk, IDC_STATIC_PSK_INSTRUCTION), L"Enter the WPA2-PSK passphrase.");
    TypeInto(psk, kPskPage, L"atticpass9");
    save = PressTo(psk, IDC_WIZARD_NEXT, kSavePage);
    ASSERT_NE(save, nullptr);
    summary = SaveAs(save, L"");
    ASSERT_NE(summary, nullptr);
    ExpectSummary(summary, L"AtticWpa2", L"WPA2-PSK", L"Profile", true);
    block = Finish(summary, "AtticWpa2");
    EXPECT_TRUE(Has(block, "security=0x00200008 keyFormat=0x00010000 psk=\"atticpass9\"")) << block;
    EXPECT_TRUE(LogHas("note associated with \"AtticWpa2\"", 15000)) << Log();
    EXPECT_EQ(Shown(StoredText(L"Profile", L"NetworkName")), L"AtticWpa2");
    EXPECT_EQ(StoredNumber(L"Profile", L"EncryptionAlg"), profiles::EncodeCipher(0x00200008));
    EXPECT_EQ(Shown(StoredText(L"Profile", L"Passphrase")), Scrambled(u"atticpass9"));
    ExpectSecondInOrder(L"Profile");

    // --- The hidden network, named on its page, which offers only the security hidden networks use.
    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L""));
    HWND hidden = PressTo(list, IDC_WIZARD_NEXT, kHiddenPage);
    ASSERT_NE(hidden, nullptr);
    ExpectFrame(hidden, L"Applying Security");
    EXPECT_EQ(TextIn(hidden, IDC_STATIC_HIDDEN_INSTRUCTION), L"Enter hidden network information.");
    EXPECT_EQ(TextIn(hidden, kHiddenPage), L"");
    EXPECT_TRUE(ShownIn(hidden, IDC_RADIO_HIDDEN_WPA2PSK));
    EXPECT_FALSE(ShownIn(hidden, IDC_RADIO_HIDDEN_WEP));
    EXPECT_FALSE(ShownIn(hidden, IDC_RADIO_HIDDEN_WPAPSK));
    EXPECT_FALSE(ShownIn(hidden, IDC_RADIO_HIDDEN_NONE));
    RECT wepPlace{};
    RECT wpa2Place{};
    GetWindowRect(GetDlgItem(hidden, IDC_RADIO_HIDDEN_WEP), &wepPlace);
    GetWindowRect(GetDlgItem(hidden, IDC_RADIO_HIDDEN_WPA2PSK), &wpa2Place);
    EXPECT_EQ(wpa2Place.top, wepPlace.top) << "the only choice stands first";
    EXPECT_FALSE(EnabledIn(hidden, IDC_WIZARD_NEXT));
    TypeInto(hidden, kHiddenPage, L"Stealth");
    EXPECT_FALSE(EnabledIn(hidden, IDC_WIZARD_NEXT)) << "Next without a security choice";
    ASSERT_TRUE(ClickChoice(hidden, IDC_RADIO_HIDDEN_WPA2PSK));
    EXPECT_TRUE(EnabledIn(hidden, IDC_WIZARD_NEXT));
    Picture(L"hidden-network", hidden);
    psk = PressTo(hidden, IDC_WIZARD_NEXT, kPskPage);
    ASSERT_NE(psk, nullptr);
    EXPECT_EQ(TextIn(psk, IDC_STATIC_PSK_INSTRUCTION), L"Enter the WPA2-PSK passphrase.");
    EXPECT_TRUE(ShownIn(psk, IDC_WIZARD_BACK));
    TypeInto(psk, kPskPage, L"hiddenpass");
    save = PressTo(psk, IDC_WIZARD_NEXT, kSavePage);
    ASSERT_NE(save, nullptr);
    summary = SaveAs(save, L"Hidden");
    ASSERT_NE(summary, nullptr);
    ExpectSummary(summary, L"Stealth", L"WPA2-PSK", L"Hidden", true);
    block = Finish(summary, "Stealth");
    EXPECT_TRUE(Has(block, "bssid=00:24:B2:10:40:07")) << block;
    EXPECT_TRUE(Has(block, "security=0x00200008 keyFormat=0x00010000 psk=\"hiddenpass\"")) << block;
    EXPECT_TRUE(LogHas("note associated with \"Stealth\"", 15000)) << Log();
    EXPECT_EQ(Shown(StoredText(L"Hidden", L"NetworkName")), L"Stealth");
    EXPECT_EQ(Shown(StoredText(L"Hidden", L"Passphrase")), Scrambled(u"hiddenpass"));
    ExpectSecondInOrder(L"Hidden");

    // --- A wrong WPA key, tried without keeping a profile: the network refuses it.
    std::vector<std::wstring> profilesBefore = StoredProfileNames();
    list = FindNetwork();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L"Backyard"));
    message =
        Message(list, kPskMessage,
                L"WPA2-PSK security has been detected on this network. Click OK to enter its passphrase.",
                L"WPA-PSK Security", nullptr);
    ASSERT_NE(message, nullptr);
    psk = PressTo(message, IDOK, kPskPage);
    ASSERT_NE(psk, nullptr);
    TypeInto(psk, kPskPage, L"wrongpass1");
    save = PressTo(psk, IDC_WIZARD_NEXT, kSavePage);
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(ClickChoice(save, IDC_RADIO_SAVEPROFILE_NO));
    EXPECT_FALSE(CheckedIn(save, IDC_RADIO_SAVEPROFILE_YES));
    EXPECT_EQ(TextIn(save, kSavePage), kHint);
    summary = PressTo(save, IDC_WIZARD_NEXT, kSummaryPage);
    ASSERT_NE(summary, nullptr);
    ExpectSummary(summary, L"Backyard", L"WPA2-PSK", L"No Profile", false);
    size_t mark = Log().size();
    block = Finish(summary, "Backyard");
    EXPECT_TRUE(Has(block, "psk=\"wrongpass1\"")) << block;
    EXPECT_TRUE(LogHas("note association with \"Backyard\" failed: \"Backyard\":wrong key", 15000, mark))
        << Log().substr(mark);
    EXPECT_EQ(StoredProfileNames(), profilesBefore) << "a profile was stored";
}

} // namespace
