// The Settings page of the real program under Wine, against the stand-in service: profiles of every kind
// of security typed into the page, saved and read back from the registry, then applied and seen in the
// block the service is handed; the overwrite question and Delete; the priority dialog's new order and the
// connection to the new first profile; the advanced and ad-hoc dialogs' choices in the store and the
// block, and an ad-hoc network started; the TKIP notice; the question about unsaved edits; a full store.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/WinAnsiCodePage.h"
#include "profiles/KeyMaterial.h"
#include "wine/settings_e2e/SettingsUnderWine.h"

using namespace settings_e2e;

namespace {

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

// A key text as the store keeps it in the registry.
std::wstring Scrambled(const std::u16string& key) {
    return Wide(profiles::ScrambleKeyText(key));
}

std::wstring Shown(const std::optional<std::wstring>& value) {
    return value ? *value : L"<absent>";
}

// The log's lines after `from` that start with `prefix`, one per line, for a failure's message.
std::string LinesOf(const std::string& log, const std::string& prefix, size_t from) {
    std::string lines;
    for (size_t at = log.find(prefix, from); at != std::string::npos; at = log.find(prefix, at + 1)) {
        if (at == 0 || log[at - 1] == '\n') {
            lines += "\n  " + log.substr(at, log.find('\n', at) - at);
        }
    }
    return lines.empty() ? std::string(" (none)") : lines;
}

bool Has(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

class SettingsTab : public SettingsUnderWine {
protected:
    // Names a new profile for `network` as the user does: the network's name first, which names the
    // profile after it, then the profile's own name.
    void TypeNames(const std::wstring& network, const std::wstring& profile) {
        Type(IDC_COMBO_PROFILE_SSID, network);
        EXPECT_EQ(PageText(IDC_COMBO_PROFILE_NAME), network) << "the profile is named after the network";
        if (profile != network) {
            Type(IDC_COMBO_PROFILE_NAME, profile);
        }
        EXPECT_TRUE(PageEnabled(IDC_BUTTON_PROFILE_SAVE_PROFILE)) << "an edit enables Save";
    }

    void TypeWpaProfile(const std::wstring& network, const std::wstring& profile, const std::wstring& kind,
                        const std::wstring& key) {
        TypeNames(network, profile);
        ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_WPA));
        Choose(IDC_COMBO_PROFILE_WPA, kind);
        Type(IDC_EDIT_PROFILE_PSK, key);
    }

    // Save Profile, with nothing to ask or refuse: the button goes disabled and the profile is stored.
    void SaveQuietly(const std::wstring& profile) {
        ASSERT_TRUE(PressSave());
        HWND box = FindMessageBox();
        ASSERT_EQ(box, nullptr) << "a message: " << Narrow(FirstStaticText(box))
                                << "\nthe name shown: " << Narrow(PageText(IDC_COMBO_PROFILE_NAME))
                                << "\nthe connections:" << LinesStartingWith("ConnectWithBlock", 0);
        ASSERT_TRUE(ProfileStored(profile)) << Narrow(profile) << " is not stored";
        EXPECT_EQ(PageText(IDC_COMBO_PROFILE_NAME), profile);
    }

    // Apply; the block the program then hands the service for `ssid`, once the adapter has joined that
    // network and the main window has shown the current profile on the page again.
    std::string ApplyAndConnect(const std::string& ssid) {
        size_t mark = Log().size();
        EXPECT_TRUE(PressApply());
        return ConnectAndSettle(ssid, mark);
    }

    // The block for `ssid` handed over after `mark`; the association and the page's reload waited for.
    std::string ConnectAndSettle(const std::string& ssid, size_t mark) {
        std::string line = ConnectLine(ssid, mark);
        if (line.empty()) {
            ADD_FAILURE() << "no connect to " << ssid << ":\n" << Log().substr(mark);
            return line;
        }
        MarkPage();
        EXPECT_TRUE(AssociatesWith(ssid, mark)) << Log().substr(mark);
        WaitForPageReload();
        return line;
    }

    std::string LinesStartingWith(const std::string& prefix, size_t from) {
        return LinesOf(Log(), prefix, from);
    }

    bool AssociatesWith(const std::string& ssid, size_t from) {
        return LogHas("note associated with \"" + ssid + "\"", 15000, from);
    }
};

} // namespace

TEST_F(SettingsTab, ProfilesOfEverySecurityAreStoredAsTypedAndAppliedAsStored) {
    // The four keys a WEP passphrase gives; a storeroom's access point uses the first one, so that this
    // profile joins too (a failing one would have the program fall back to others while the test types).
    platform::win32::WinAnsiCodePage codePage;
    std::optional<std::array<std::u16string, 4>> keys =
        profiles::GenerateWepKeyTexts(codePage, u"storeroom", false);
    ASSERT_TRUE(keys);
    std::string world = ReadText(WindowsPath(Env(L"KT_SOURCE_DIR")) + L"data\\Skyvane.ini");
    ASSERT_FALSE(world.empty());
    const std::string storeroom =
        "\n[Storeroom]\nBSSID=00:24:B2:10:20:0B\nChannel=2\nModes=bg\nSecurity=WEP\n"
        "Signal=70\nAddress=192.168.11.100\nGateway=192.168.11.1\nKey=" +
        Narrow(Wide((*keys)[0])) + "\n";
    WriteScenario(L"storeroom.ini", world + storeroom);
    ASSERT_NO_FATAL_FAILURE(StartOnSettingsPage());

    // WEP, a key typed by hand into the second key slot: the old router accepts it.
    TypeNames(L"OldRouter", L"Router");
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_WEP));
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_KEY));
    EXPECT_FALSE(PageEnabled(IDC_EDIT_PROFILE_WEP_PASSPHRASE));
    Choose(IDC_COMBO_PROFILE_MANUAL_KEYLEN, L"64 Bits");
    Choose(IDC_COMBO_PROFILE_KEY_NUMBER, L"Key2:");
    Type(IDC_EDIT_PROFILE_WEP_KEY, L"1A2B3C4D5E");
    ASSERT_NO_FATAL_FAILURE(SaveQuietly(L"Router"));
    EXPECT_EQ(Shown(StoredText(L"Router", L"ConfigurationName")), L"Router");
    EXPECT_EQ(Shown(StoredText(L"Router", L"NetworkName")), L"OldRouter");
    EXPECT_EQ(StoredNumber(L"Router", L"NetworkConnectionType"), 1u);
    EXPECT_EQ(StoredNumber(L"Router", L"EncryptionAlg"), profiles::EncodeCipher(kernel::kSecurityWep));
    EXPECT_EQ(StoredNumber(L"Router", L"WEPKeybit"), profiles::EncodeWepKeybit(true, 0x101));
    EXPECT_EQ(StoredNumber(L"Router", L"defaultKey"), 1u);
    EXPECT_EQ(Shown(StoredText(L"Router", L"SharedKey2")), Scrambled(u"1A2B3C4D5E"));
    EXPECT_EQ(Shown(StoredText(L"Router", L"Passphrase")), L"") << "a typed key has no passphrase";
    std::string block = ApplyAndConnect("OldRouter");
    EXPECT_TRUE(Has(block, "security=0x00040002 keyFormat=0x00000101")) << block;
    EXPECT_TRUE(Has(block, "defaultKey=1 wep1=\"\" wep2=\"1A2B3C4D5E\"")) << block;
    // Chosen again from the list: the key as stored, in the slot and of the length it has.
    Choose(IDC_COMBO_PROFILE_NAME, L"Router");
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_SSID), L"OldRouter");
    EXPECT_TRUE(PageChecked(IDC_RADIO_PROFILE_SECURITY_WEP));
    EXPECT_TRUE(PageChecked(IDC_RADIO_PROFILE_SECURITY_KEY));
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_KEY_NUMBER), L"Key2:");
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_MANUAL_KEYLEN), L"64 Bits");
    EXPECT_EQ(PageText(IDC_EDIT_PROFILE_WEP_KEY), L"1A2B3C4D5E");
    SavePicture(L"settings-wep");

    // WPA2-PSK[AES]; the Validating splash shows while it is applied.
    TypeWpaProfile(L"HomeNet", L"Home", L"WPA2-PSK[AES]", L"sunflower42");
    ASSERT_NO_FATAL_FAILURE(SaveQuietly(L"Home"));
    EXPECT_EQ(Shown(StoredText(L"Home", L"NetworkName")), L"HomeNet");
    EXPECT_EQ(StoredNumber(L"Home", L"AdvancedAuthenticationType"),
              profiles::EncodeAuthentication(kernel::kSecurityWpa2PskAes));
    EXPECT_EQ(StoredNumber(L"Home", L"EncryptionAlg"), profiles::EncodeCipher(kernel::kSecurityWpa2PskAes));
    EXPECT_EQ(Shown(StoredText(L"Home", L"Passphrase")), Scrambled(u"sunflower42"));
    size_t mark = Log().size();
    ASSERT_TRUE(PressApply());
    HWND splash = WaitForDialogWith(IDC_STATIC_VALIDATE_SETTING_TEXT, 5000);
    ASSERT_NE(splash, nullptr) << "no Validating splash while the profile was applied";
    EXPECT_EQ(WindowText(GetDlgItem(splash, IDC_STATIC_VALIDATE_SETTING_TEXT)), L"Validating settings...");
    EXPECT_EQ(Log().find("ConnectWithBlock", mark), std::string::npos) << "connected before the splash ended";
    // Caught once it has faded in, so that its picture shows it drawn.
    BYTE alpha = 0;
    if (WaitFor(
            [&] {
                return GetLayeredWindowAttributes(splash, nullptr, &alpha, nullptr) && alpha >= 191 &&
                       IsWindowVisible(splash);
            },
            1500)) {
        SavePicture(L"validating-settings", splash);
    }
    block = ConnectAndSettle("HomeNet", mark);
    EXPECT_TRUE(Has(block, "security=0x00200008")) << block;
    EXPECT_TRUE(Has(block, "psk=\"sunflower42\"")) << block;
    EXPECT_FALSE(IsWindow(splash)) << "the splash stayed";
    Choose(IDC_COMBO_PROFILE_NAME, L"Home");
    EXPECT_TRUE(PageChecked(IDC_RADIO_PROFILE_SECURITY_WPA));
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_WPA), L"WPA2-PSK[AES]");
    EXPECT_EQ(PageText(IDC_EDIT_PROFILE_PSK), L"sunflower42");
    SavePicture(L"settings-wpa");

    // WEP keys made from a passphrase: the four keys of the passphrase, the first one in use.
    TypeNames(L"Storeroom", L"Store");
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_WEP));
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_PASSPHRASE));
    Choose(IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN, L"64 Bits");
    Choose(IDC_COMBO_PROFILE_KEY_NUMBER, L"Key1:");
    Type(IDC_EDIT_PROFILE_WEP_PASSPHRASE, L"storeroom");
    EXPECT_EQ(PageText(IDC_EDIT_PROFILE_WEP_KEY), Wide((*keys)[0])) << "the key of the passphrase is shown";
    ASSERT_NO_FATAL_FAILURE(SaveQuietly(L"Store"));
    EXPECT_EQ(Shown(StoredText(L"Store", L"Passphrase")), L"storeroom");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(Shown(StoredText(L"Store", (L"SharedKey" + std::to_wstring(k + 1)).c_str())),
                  Scrambled((*keys)[static_cast<size_t>(k)]))
            << "key " << k + 1;
    }
    block = ApplyAndConnect("Storeroom");
    EXPECT_TRUE(Has(block, "security=0x00040002 keyFormat=0x00000101")) << block;
    std::string expectedKeys = "defaultKey=0";
    for (int k = 0; k < 4; ++k) {
        expectedKeys +=
            " wep" + std::to_string(k + 1) + "=\"" + Narrow(Wide((*keys)[static_cast<size_t>(k)])) + "\"";
    }
    EXPECT_TRUE(Has(block, expectedKeys)) << block << "\nexpected " << expectedKeys;

    // Open: the cafe's network takes anyone.
    TypeNames(L"Cafe_Guest", L"Cafe");
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_DISABLE));
    EXPECT_FALSE(PageEnabled(IDC_EDIT_PROFILE_WEP_KEY));
    EXPECT_FALSE(PageEnabled(IDC_EDIT_PROFILE_PSK));
    ASSERT_NO_FATAL_FAILURE(SaveQuietly(L"Cafe"));
    EXPECT_EQ(StoredNumber(L"Cafe", L"AdvancedAuthenticationType"),
              profiles::EncodeAuthentication(kernel::kSecurityNone));
    EXPECT_EQ(StoredNumber(L"Cafe", L"EncryptionAlg"), profiles::EncodeCipher(kernel::kSecurityNone));
    block = ApplyAndConnect("Cafe_Guest");
    EXPECT_TRUE(Has(block, "security=0x00010001")) << block;

    // Each saved profile went first after the default one.
    std::map<std::wstring, std::wstring> order = OrderValues();
    EXPECT_EQ(
        order,
        (std::map<std::wstring, std::wstring>{
            {L"00", L"Default"}, {L"01", L"Cafe"}, {L"02", L"Store"}, {L"03", L"Home"}, {L"04", L"Router"}}));
    EXPECT_EQ(ComboItems(PageControl(IDC_COMBO_PROFILE_NAME)),
              (std::vector<std::wstring>{L"Default", L"Cafe", L"Store", L"Home", L"Router"}));
}

TEST_F(SettingsTab, SavingUnderAStoredNameAsksBeforeOverwritingAndDeleteRemovesTheProfile) {
    ASSERT_NO_FATAL_FAILURE(StartOnSettingsPage());
    TypeWpaProfile(L"Orvelin_Lab", L"Lab", L"WPA-PSK[TKIP]", L"labpass123");
    ASSERT_NO_FATAL_FAILURE(SaveQuietly(L"Lab"));

    // The same name for another network: asked, and No keeps the stored profile.
    TypeWpaProfile(L"MixedMode", L"Lab", L"WPA2-PSK[AES]", L"mixedmode");
    ASSERT_TRUE(PressSave());
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no question before overwriting" << DescribeWindows();
    EXPECT_EQ(FirstStaticText(box), L"Profile exist !!Do you want to overwrite it ?");
    EXPECT_EQ(WindowText(box), L"Profiles");
    ASSERT_TRUE(Answer(box, IDNO));
    // The save ends by showing the name the page asks for now.
    EXPECT_TRUE(WaitFor([&] { return PageText(IDC_COMBO_PROFILE_NAME) == L"New profile"; }, 5000))
        << Narrow(PageText(IDC_COMBO_PROFILE_NAME));
    EXPECT_EQ(Shown(StoredText(L"Lab", L"NetworkName")), L"Orvelin_Lab");
    EXPECT_EQ(Shown(StoredText(L"Lab", L"Passphrase")), Scrambled(u"labpass123"));

    // Yes replaces it in its place.
    size_t mark = Log().size();
    Type(IDC_COMBO_PROFILE_NAME, L"Lab");
    ASSERT_TRUE(PressSave());
    box = WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no question the second time" << DescribeWindows();
    ASSERT_TRUE(Answer(box, IDYES));
    // The save ends with Save disabled, after the profile is written and the order rewritten.
    ASSERT_TRUE(WaitFor([&] { return !PageEnabled(IDC_BUTTON_PROFILE_SAVE_PROFILE); }, 5000));
    EXPECT_EQ(Shown(StoredText(L"Lab", L"NetworkName")), L"MixedMode");
    EXPECT_EQ(Shown(StoredText(L"Lab", L"Passphrase")), Scrambled(u"mixedmode"));
    EXPECT_EQ(StoredNumber(L"Lab", L"AdvancedAuthenticationType"),
              profiles::EncodeAuthentication(kernel::kSecurityWpa2PskAes));
    EXPECT_EQ(OrderValues(), (std::map<std::wstring, std::wstring>{{L"00", L"Default"}, {L"01", L"Lab"}}))
        << "the registry changes since the overwrite began:" << LinesStartingWith("Reg", mark);

    // Shown from the list, it is not the applied profile and may go.
    Choose(IDC_COMBO_PROFILE_NAME, L"Lab");
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_SSID), L"MixedMode");
    EXPECT_TRUE(PageChecked(IDC_RADIO_PROFILE_SECURITY_WPA));
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_WPA), L"WPA2-PSK[AES]");
    ASSERT_TRUE(PageEnabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    ASSERT_TRUE(
        PressButton(PageControl(IDC_BUTTON_PROFILE_DEL_PROFILE), [] { return !ProfileStored(L"Lab"); }));
    // The page refills its list once the profile and its order value are gone.
    EXPECT_TRUE(WaitFor(
        [&] {
            return ComboItems(PageControl(IDC_COMBO_PROFILE_NAME)) == std::vector<std::wstring>{L"Default"};
        },
        5000))
        << Narrow(Join(ComboItems(PageControl(IDC_COMBO_PROFILE_NAME))));
    EXPECT_EQ(OrderValues(), (std::map<std::wstring, std::wstring>{{L"00", L"Default"}}));
    EXPECT_FALSE(PageEnabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    EXPECT_EQ(FindMessageBox(), nullptr);
}

TEST_F(SettingsTab, PriorityMovesAProfileUpAndTheProgramConnectsToTheNewFirstOne) {
    WriteDefaultProfile();
    WriteListedProfile(1, L"Alpha", L"HomeNet", u"sunflower42");
    WriteListedProfile(2, L"Beta", L"MixedMode", u"mixedmode");
    WriteListedProfile(3, L"Gamma", L"PressMe", u"pushbutton1");
    ASSERT_NO_FATAL_FAILURE(StartOnSettingsPage());
    const std::map<std::wstring, std::wstring> before = OrderValues();

    size_t mark = Log().size();
    ASSERT_TRUE(PressButton(PageControl(IDC_BUTTON_PROFILE_PRIORITY_PROFILE), [&] {
        return WaitForDialogWith(IDC_LIST_PROFILE_SETTING_PRIORITY, 0) != nullptr;
    }));
    HWND dialog = WaitForDialogWith(IDC_LIST_PROFILE_SETTING_PRIORITY);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_LIST_PROFILE_SETTING_PRIORITY);
    HWND up = GetDlgItem(dialog, IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP);
    HWND down = GetDlgItem(dialog, IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN);
    ASSERT_TRUE(WaitFor([&] { return ListBoxItems(list).size() == 3; }, 5000))
        << Narrow(Join(ListBoxItems(list)));
    EXPECT_EQ(ListBoxItems(list), (std::vector<std::wstring>{L"Alpha", L"Beta", L"Gamma"}))
        << "the default profile is never listed";
    EXPECT_FALSE(IsWindowEnabled(up));
    EXPECT_FALSE(IsWindowEnabled(down));

    ASSERT_TRUE(
        ClickUntil(ListBoxItemRect(list, 1), [&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == 1; }));
    // The dialog enables one button after the other; this process may look in between.
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(up) != FALSE && IsWindowEnabled(down) != FALSE; }, 5000))
        << "Up " << IsWindowEnabled(up) << ", Down " << IsWindowEnabled(down) << " for the middle profile";
    ASSERT_TRUE(PressButton(up, [&] { return ListBoxItems(list).front() == L"Beta"; }));
    EXPECT_EQ(ListBoxItems(list), (std::vector<std::wstring>{L"Beta", L"Alpha", L"Gamma"}));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0) << "the moved profile stays chosen";
    EXPECT_FALSE(IsWindowEnabled(up)) << "the first cannot go higher";
    EXPECT_EQ(OrderValues(), before) << "nothing is stored before OK";
    SavePicture(L"priority", dialog);

    ASSERT_TRUE(Answer(dialog, IDOK));
    // The order is written before the new first profile is applied.
    std::string block = ConnectAndSettle("MixedMode", mark);
    EXPECT_TRUE(Has(block, "psk=\"mixedmode\"")) << block;
    EXPECT_EQ(OrderValues(),
              (std::map<std::wstring, std::wstring>{
                  {L"00", L"Default"}, {L"01", L"Beta"}, {L"02", L"Alpha"}, {L"03", L"Gamma"}}));
    EXPECT_EQ(ComboItems(PageControl(IDC_COMBO_PROFILE_NAME)),
              (std::vector<std::wstring>{L"Default", L"Beta", L"Alpha", L"Gamma"}));
}

TEST_F(SettingsTab, AdvancedChoicesReachTheStoreAndTheBlockAndAnAdHocProfileStartsItsNetwork) {
    ASSERT_NO_FATAL_FAILURE(StartOnSettingsPage());
    TypeWpaProfile(L"MixedMode", L"Tuned", L"WPA2-PSK[AES]", L"mixedmode");

    ASSERT_TRUE(PressButton(PageControl(IDC_BUTTON_PROFILE_ADVANCED_SETTING),
                            [&] { return WaitForDialogWith(IDC_CHECK_ADVANCED_300AG, 0) != nullptr; }));
    HWND dialog = WaitForDialogWith(IDC_CHECK_ADVANCED_300AG);
    ASSERT_NE(dialog, nullptr);
    auto item = [&](int id) { return GetDlgItem(dialog, id); };
    auto checked = [&](int id) { return SendMessageW(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; };
    // Every mode allowed: the first box stands for them all, the others checked and disabled under it.
    ASSERT_TRUE(WaitFor([&] { return checked(IDC_CHECK_ADVANCED_300AG); }, 5000));
    EXPECT_FALSE(IsWindowEnabled(item(IDC_CHECK_ADVANCED_300G)));
    ASSERT_TRUE(
        ClickControl(item(IDC_CHECK_ADVANCED_300AG), [&] { return !checked(IDC_CHECK_ADVANCED_300AG); }));
    EXPECT_TRUE(IsWindowEnabled(item(IDC_CHECK_ADVANCED_300A)));
    ASSERT_TRUE(
        ClickControl(item(IDC_CHECK_ADVANCED_300A), [&] { return !checked(IDC_CHECK_ADVANCED_300A); }));
    // Left: 300 Mbps on 2.4 GHz and 54 Mbps on 5 GHz.
    EXPECT_TRUE(checked(IDC_CHECK_ADVANCED_300G));
    EXPECT_TRUE(checked(IDC_CHECK_ADVANCED_54A));
    EXPECT_TRUE(IsWindowEnabled(item(IDC_CHECK_ADVANCED_54A)));
    HWND power = item(IDC_COMBO_ADVANCED_POWER);
    std::vector<std::wstring> levels = ComboItems(power);
    ASSERT_GE(levels.size(), 4u) << Narrow(Join(levels));
    const bool fiveLevels = levels.size() == 5;
    ChooseEntry(power, L"50%");
    ChooseEntry(item(IDC_COMBO_ADVANCED_PREAMBLE), L"Long");
    SavePicture(L"advanced-settings", dialog);
    ASSERT_TRUE(Answer(dialog, IDOK));
    EXPECT_TRUE(WaitFor([&] { return PageEnabled(IDC_BUTTON_PROFILE_SAVE_PROFILE); }, 5000))
        << "OK there is an edit here";

    ASSERT_NO_FATAL_FAILURE(SaveQuietly(L"Tuned"));
    EXPECT_EQ(StoredNumber(L"Tuned", L"WirelessMode"), 0xA00Du) << "the store's code of 300G + 54A";
    EXPECT_EQ(StoredNumber(L"Tuned", L"tpc"), 2u) << "the third power level";
    EXPECT_EQ(StoredNumber(L"Tuned", L"shortPreamble"), 0u) << "long preamble";
    std::string block = ApplyAndConnect("MixedMode");
    EXPECT_TRUE(Has(block, fiveLevels ? "power=0x0004 preamble=0x0002" : "power=0x0020 preamble=0x0002"))
        << block << (fiveLevels ? " (five levels)" : " (four levels)");

    // An ad-hoc network of its own, on channel 6 of the 802.11g band.
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_ADHOC));
    EXPECT_FALSE(PageChecked(IDC_RADIO_PROFILE_INFRASTRUCTURE));
    EXPECT_TRUE(PageEnabled(IDC_BUTTON_PROFILE_INIT_ADHOC));
    TypeNames(L"PicnicNet", L"PicnicNet");
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_DISABLE));
    ASSERT_TRUE(PressButton(PageControl(IDC_BUTTON_PROFILE_INIT_ADHOC),
                            [&] { return WaitForDialogWith(IDC_COMBO_ADHOC_BAND, 0) != nullptr; }));
    HWND adHoc = WaitForDialogWith(IDC_COMBO_ADHOC_BAND);
    ASSERT_NE(adHoc, nullptr);
    HWND band = GetDlgItem(adHoc, IDC_COMBO_ADHOC_BAND);
    HWND channel = GetDlgItem(adHoc, IDC_COMBO_ADHOC_CHANNEL);
    EXPECT_EQ(ComboItems(band), (std::vector<std::wstring>{L"2.4 GHz(802.11a)", L"2.4 GHz(802.11g)"}))
        << "54 Mbps on 5 GHz is allowed, so 802.11a is offered";
    ChooseEntry(band, L"2.4 GHz(802.11g)");
    std::vector<std::wstring> channels = ComboItems(channel);
    ASSERT_EQ(channels.size(), 14u) << "Automatic and 1 to 13: " << Narrow(Join(channels));
    EXPECT_EQ(channels.front(), L"Automatic");
    ChooseEntry(channel, L"6");
    SavePicture(L"adhoc-settings", adHoc);
    ASSERT_TRUE(Answer(adHoc, IDOK));
    EXPECT_TRUE(WaitFor([&] { return PageEnabled(IDC_BUTTON_PROFILE_SAVE_PROFILE); }, 5000));

    ASSERT_NO_FATAL_FAILURE(SaveQuietly(L"PicnicNet"));
    EXPECT_EQ(StoredNumber(L"PicnicNet", L"NetworkConnectionType"), 2u) << "ad hoc";
    EXPECT_EQ(StoredNumber(L"PicnicNet", L"AdHocBand"), 3u) << "802.11g";
    EXPECT_EQ(StoredNumber(L"PicnicNet", L"AdHocChannel"), 2437u) << "channel 6's frequency";
    block = ApplyAndConnect("PicnicNet");
    EXPECT_TRUE(Has(block, "channel=6 type=1 mode=0x0002")) << block;
    EXPECT_TRUE(Has(block, "security=0x00010001")) << block;
    std::string status;
    EXPECT_TRUE(WaitFor(
        [&] {
            status = SkyctlOutput(L"status");
            return Has(status, "link=associated ssid=\"PicnicNet\"");
        },
        5000))
        << status;
}

TEST_F(SettingsTab, TkipOnThe300MbpsModesIsExplainedAndUnsavedEditsAreAskedAbout) {
    ASSERT_NO_FATAL_FAILURE(StartOnSettingsPage());
    // Save is enabled: Apply stores the profile first.
    TypeWpaProfile(L"Orvelin_Lab", L"Orvelin_Lab", L"WPA-PSK[TKIP]", L"labpass123");
    size_t mark = Log().size();
    ASSERT_TRUE(PressApply());
    HWND notice = WaitForDialogWith(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1);
    ASSERT_NE(notice, nullptr) << "no TKIP notice";
    EXPECT_EQ(WindowText(notice), L"ORVELIN KTA7700 LINK WARDEN");
    EXPECT_FALSE(WindowText(GetDlgItem(notice, IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1)).empty());
    EXPECT_FALSE(WindowText(GetDlgItem(notice, IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT2)).empty());
    EXPECT_TRUE(ProfileStored(L"Orvelin_Lab"));
    EXPECT_EQ(Log().find("ConnectWithBlock", mark), std::string::npos)
        << "connected before the notice was read";
    SavePicture(L"tkip-notice", notice);
    ASSERT_TRUE(Answer(notice, IDOK));
    std::string block = ConnectAndSettle("Orvelin_Lab", mark);
    EXPECT_TRUE(Has(block, "security=0x00100004")) << block;
    EXPECT_TRUE(Has(block, "psk=\"labpass123\"")) << block;

    // An edit of the stored profile left unsaved when the window goes: asked; "Cancel changes" keeps
    // what is stored.
    Choose(IDC_COMBO_PROFILE_NAME, L"Orvelin_Lab");
    ASSERT_EQ(PageText(IDC_EDIT_PROFILE_PSK), L"labpass123");
    Type(IDC_EDIT_PROFILE_PSK, L"labpass999");
    HWND question = nullptr;
    ASSERT_TRUE(PressButton(GetDlgItem(m_main, IDC_BUTTON_CLOSE), [&] {
        return (question = WaitForDialogWith(IDC_STATIC_MODIFYPROFILE_TEXT, 0)) != nullptr;
    }));
    EXPECT_FALSE(IsWindowVisible(m_main)) << "the window went to the notification area first";
    EXPECT_EQ(WindowText(GetDlgItem(question, IDC_STATIC_MODIFYPROFILE_TEXT)),
              L"You made changes to your settings.Do you want to save them?");
    SavePicture(L"unsaved-changes", question);
    ASSERT_TRUE(Answer(question, IDCANCEL));
    EXPECT_EQ(FindMessageBox(), nullptr);
    EXPECT_EQ(Shown(StoredText(L"Orvelin_Lab", L"Passphrase")), Scrambled(u"labpass123"));

    // Back again: the profile as it was before the edit; edited and left once more, "Save" stores it
    // (over the profile of that name, after asking).
    ASSERT_TRUE(ShowPage(kSettingsTab, IDC_COMBO_PROFILE_NAME));
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_NAME), L"Orvelin_Lab");
    EXPECT_EQ(PageText(IDC_EDIT_PROFILE_PSK), L"labpass123");
    Type(IDC_EDIT_PROFILE_PSK, L"labpass999");
    ASSERT_TRUE(PressButton(GetDlgItem(m_main, IDC_BUTTON_CLOSE), [&] {
        return (question = WaitForDialogWith(IDC_STATIC_MODIFYPROFILE_TEXT, 0)) != nullptr;
    }));
    ASSERT_TRUE(Answer(question, IDOK));
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no question before overwriting" << DescribeWindows();
    EXPECT_EQ(FirstStaticText(box), L"Profile exist !!Do you want to overwrite it ?");
    ASSERT_TRUE(Answer(box, IDYES));
    EXPECT_TRUE(WaitFor(
        [&] { return Shown(StoredText(L"Orvelin_Lab", L"Passphrase")) == Scrambled(u"labpass999"); }, 5000));
}

TEST_F(SettingsTab, AHundredStoredProfilesAreAllListedAndAnotherIsRefused) {
    WriteDefaultProfile();
    std::vector<std::wstring> names{L"Default"};
    for (int i = 1; i < profiles::kMaxStoredProfiles; ++i) {
        wchar_t name[8] = {};
        swprintf(name, 8, L"P%02d", i);
        names.emplace_back(name);
        WriteListedProfile(i, name, L"Net" + std::to_wstring(i), u"password1");
    }
    ASSERT_EQ(OrderValues().size(), 100u);
    ASSERT_NO_FATAL_FAILURE(StartOnSettingsPage());
    EXPECT_EQ(ComboItems(PageControl(IDC_COMBO_PROFILE_NAME)), names);

    TypeNames(L"Cafe_Guest", L"Cafe_Guest");
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_DISABLE));
    ASSERT_TRUE(PressSave());
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "the 101st profile was not refused" << DescribeWindows();
    EXPECT_EQ(FirstStaticText(box), L"Beyond the limit of max profile");
    ASSERT_TRUE(Answer(box, IDOK));
    // The refused save ends by asking for a new name.
    EXPECT_TRUE(WaitFor([&] { return PageText(IDC_COMBO_PROFILE_NAME) == L"New profile"; }, 5000))
        << Narrow(PageText(IDC_COMBO_PROFILE_NAME));
    EXPECT_FALSE(ProfileStored(L"Cafe_Guest"));
    EXPECT_EQ(OrderValues().size(), 100u);
    EXPECT_EQ(ComboItems(PageControl(IDC_COMBO_PROFILE_NAME)).size(), 100u);
}

// The applied profile is the current one: shown on the page once the adapter has joined its network
// (the main window shows the current profile again then), kept under ProfileData, and connected to on
// the next start.
TEST_F(SettingsTab, AnAppliedProfileStaysTheCurrentOneAfterItConnectsAndOverARestart) {
    ASSERT_NO_FATAL_FAILURE(StartOnSettingsPage());
    TypeNames(L"Cafe_Guest", L"Cafe");
    ASSERT_TRUE(ClickRadio(IDC_RADIO_PROFILE_SECURITY_DISABLE));
    ASSERT_NO_FATAL_FAILURE(SaveQuietly(L"Cafe"));
    ApplyAndConnect("Cafe_Guest");
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_NAME), L"Cafe");
    EXPECT_EQ(PageText(IDC_COMBO_PROFILE_SSID), L"Cafe_Guest");
    EXPECT_TRUE(PageChecked(IDC_RADIO_PROFILE_SECURITY_DISABLE));
    EXPECT_EQ(Shown(ReadTextValue(std::wstring(kAppKey) + L"\\ProfileData", L"ConfigurationName")), L"Cafe");

    m_program.reset();
    size_t mark = Log().size();
    ASSERT_NE(Start(), nullptr);
    // The first connection of the new start.
    std::string block = ConnectLine("", mark, 20000);
    EXPECT_TRUE(Has(block, "ssid=\"Cafe_Guest\""))
        << "the next start connected elsewhere:" << LinesStartingWith("ConnectWithBlock", mark);
}
