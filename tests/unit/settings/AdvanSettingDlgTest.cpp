// The advanced settings dialog on the fake host, over the in-memory service: what it shows of a profile
// and of the adapter, the mode boxes' cascade, Use Default, and what OK, a refused OK and Cancel leave in
// the profile record.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <tuple>

#include "app/AppTexts.h"
#include "profiles/settings/CProfileAdvanSettingDlg.h"
#include "unit/app/AppTestSupport.h"
#include "unit/settings/SettingsDialogTemplates.h"

namespace {

using settingstest::Drag;
using settingstest::Items;
using settingstest::SelectedText;
using settingstest::Toggle;

constexpr ui::ControlId kModeBoxes[] = {IDC_CHECK_ADVANCED_300AG, IDC_CHECK_ADVANCED_300G,
                                        IDC_CHECK_ADVANCED_300A, IDC_CHECK_ADVANCED_54G,
                                        IDC_CHECK_ADVANCED_54A};

class AdvanSettingDlg : public apptest::AppTest {
protected:
    AdvanSettingDlg() {
        settingstest::RegisterAdvancedTemplate();
        profiles::ProfileStoreConfig store;
        store.kernel = &kernel;
        store.registry = &registry;
        profiles::ConfigureProfileStore(store);
        Adapter(/*fiveLevels=*/true, 0x83);
        record.wirelessModes = 0x12;
        record.block.transmitPower = 0x04; // 50% on five levels
        record.block.preamble = kernel::kPreambleLong;
        record.block.FragThreshold = 1500;
        record.block.RTSThreshold = 500;
    }
    ~AdvanSettingDlg() override { fakes::ForgetTemplates(); }

    void Adapter(bool fiveLevels, uint8_t preambles) {
        kernel.adapterConfig.associated = fiveLevels ? 1 : 0;
        kernel.adapterConfig.preambles = preambles;
        kernel.adapterConfig.fragThresholdMin = 256;
        kernel.adapterConfig.fragThresholdMax = 2346;
        kernel.adapterConfig.rtsThresholdMin = 1;
        kernel.adapterConfig.rtsThresholdMax = 2347;
    }
    // "X" checked, "." clear; "L" and "-" the same, disabled.
    static std::string Boxes(fakes::FakeHost& host) {
        std::string text;
        for (ui::ControlId id : kModeBoxes) {
            const fakes::FakeControl& box = host.control(id);
            text += box.checked ? (box.enabled ? 'X' : 'L') : (box.enabled ? '.' : '-');
        }
        return text;
    }
    static std::u16string Text(fakes::FakeHost& host, ui::ControlId id) { return host.control(id).text; }

    // Opens the dialog on `record`; a second call closes the first.
    fakes::FakeHost& Open(bool adHoc = false, bool withLibrary = true) {
        m_host.reset();
        m_dialog = std::make_unique<CProfileAdvanSettingDlg>(record, adHoc, withLibrary ? &kernel : nullptr);
        m_host = std::make_unique<fakes::FakeHost>(*m_dialog);
        m_host->Strict();
        m_host->Open();
        return *m_host;
    }

    kernel::WirelessProfile record{};

private:
    std::unique_ptr<CProfileAdvanSettingDlg> m_dialog;
    std::unique_ptr<fakes::FakeHost> m_host;
};

// The shipped English file must say what the built-in texts say.
// The shipped English file must say what the built-in texts say.
TEST_F(AdvanSettingDlg, EnglishTextsBuiltInAndShipped) {
    const kernel::WirelessProfile original = record;
    for (bool shipped : {false, true}) {
        SCOPED_TRACE(shipped ? "English.lng" : "built in");
        if (shipped) {
            disk.WriteLanguage("English", settingstest::ShippedEnglishFile());
            SelectLanguage();
        }
        record = original;
        fakes::FakeHost& host = Open();
        EXPECT_EQ(host.Caption(), u"Advanced Settings");
        const std::pair<ui::ControlId, std::u16string> texts[] = {
            {IDC_STATIC_ADVANCED_HEADING, u"Advanced Settings"},
            {IDC_STATIC_ADVANCED_GROUP_ADVANCED, u"Advanced"},
            {IDC_STATIC_ADVANCED_GROUP_MODE, u"Wireless Mode"},
            {IDC_CHECK_ADVANCED_300AG, u"Up to 300Mbps (2.4GHz+5GHz)"},
            {IDC_CHECK_ADVANCED_300G, u"Up to 300Mbps (2.4GHz only)"},
            {IDC_CHECK_ADVANCED_300A, u"Up to 300Mbps (5GHz only)"},
            {IDC_CHECK_ADVANCED_54G, u"Up to 54Mbps (2.4GHz)"},
            {IDC_CHECK_ADVANCED_54A, u"Up to 54Mbps (5GHz)"},
            {IDC_STATIC_ADVANCED_PREAMBLE, u"2.4GHz\n&Preamble:"},
            {IDC_STATIC_ADVANCED_POWER, u"Tran&smit Power:"},
            {IDC_STATIC_ADVANCED_FRAGMENTATION, u"&Fragmentation Threshold:"},
            {IDC_STATIC_ADVANCED_RTS_CTS, u"&RTS/CTS Threshold:"},
            {IDC_BUTTON_ADVANCED_USE_DEFAULT, u"Use &Default"},
            {ui::kIdOk, u"OK"},
            {ui::kIdCancel, u"Cancel"},
        };
        for (const auto& [id, text] : texts) {
            EXPECT_EQ(Text(host, id), text) << "control " << id;
        }
        EXPECT_EQ(Items(host, IDC_COMBO_ADVANCED_PREAMBLE),
                  (std::vector<std::u16string>{u"Short", u"Long", u"Auto"}));
        EXPECT_EQ(Items(host, IDC_COMBO_ADVANCED_POWER),
                  (std::vector<std::u16string>{u"100%", u"75%", u"50%", u"25%", u"Lowest"}))
            << "each level named apart, also without a language file";
        for (ui::ControlId id : {IDC_CHECK_ADVANCED_300G, IDC_CHECK_ADVANCED_54G, IDC_CHECK_ADVANCED_54A}) {
            Toggle(host, id);
        }
        host.Click(ui::kIdOk);
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(host.messageBoxes[0].text, u"Please Choose at Least 1 Radio Band!");
    }
    // A translation's line break stays in a label and becomes a blank on a check box.
    disk.WriteLanguage("English", "[IDD_DIALOG_PROFILE_ADVANCED_SETTING]\n"
                                  "IDC_STATIC_ADVANCED_PREAMBLE=5GHz\\n&Preamble\n"
                                  "IDC_CHECK_ADVANCED_54A=Up to\\n54\n");
    fakes::FakeHost& host = Open();
    EXPECT_EQ(Text(host, IDC_STATIC_ADVANCED_PREAMBLE), u"5GHz\n&Preamble");
    EXPECT_EQ(Text(host, IDC_CHECK_ADVANCED_54A), u"Up to 54");
}

TEST_F(AdvanSettingDlg, OpensOnTheProfileAndTheAdaptersRanges) {
    fakes::FakeHost& host = Open();
    EXPECT_EQ(Boxes(host), ".X.LX") << "bits 0x12: 2.4 GHz only holds 54 Mbps 2.4 GHz";
    EXPECT_EQ(SelectedText(host, IDC_COMBO_ADVANCED_PREAMBLE), u"Long");
    EXPECT_EQ(SelectedText(host, IDC_COMBO_ADVANCED_POWER), u"50%");
    const fakes::FakeControl& frag = host.control(IDC_SLIDER_ADVANCED_FRAGMENTATION);
    const fakes::FakeControl& rts = host.control(IDC_SLIDER_ADVANCED_RTS_CTS);
    EXPECT_EQ(std::make_tuple(frag.rangeMin, frag.rangeMax, frag.pos, frag.tickFrequency),
              std::make_tuple(256, 2346, 1500, 209));
    EXPECT_EQ(std::make_tuple(rts.rangeMin, rts.rangeMax, rts.pos, rts.tickFrequency),
              std::make_tuple(1, 2347, 500, 209));
    const std::pair<ui::ControlId, std::u16string> numbers[] = {
        {IDC_STATIC_ADVANCED_FRAGMENTATION_MIN, u"256"},
        {IDC_STATIC_ADVANCED_FRAGMENTATION_MAX, u"2346"},
        {IDC_STATIC_ADVANCED_RTS_CTS_MIN, u"1"},
        {IDC_STATIC_ADVANCED_RTS_CTS_MAX, u"2347"},
        {IDC_STATIC_ADVANCED_FRAGMENTATION_VALUE, u"1500"},
        {IDC_STATIC_ADVANCED_RTS_CTS_VALUE, u"500"},
    };
    for (const auto& [id, text] : numbers) {
        EXPECT_EQ(Text(host, id), text) << "control " << id;
    }
    for (ui::ControlId id : {IDC_STATIC_ADVANCED_FRAGMENTATION_VALUE, IDC_STATIC_ADVANCED_RTS_CTS_VALUE}) {
        EXPECT_EQ(host.control(id).textColor, 0xFF0000u) << "blue, control " << id;
        EXPECT_EQ(host.control(id).backColor, ui::kDefaultColor) << "on the window's own background";
    }
}

TEST_F(AdvanSettingDlg, AdHocProfilesCannotChangeModesOrPower) {
    record.wirelessModes = 0x08;
    fakes::FakeHost& host = Open(/*adHoc=*/true);
    EXPECT_EQ(Boxes(host), "---L-");
    EXPECT_FALSE(host.IsEnabled(IDC_COMBO_ADVANCED_POWER));
    EXPECT_TRUE(host.IsEnabled(IDC_COMBO_ADVANCED_PREAMBLE));
    host.Click(IDC_BUTTON_ADVANCED_USE_DEFAULT);
    EXPECT_EQ(Boxes(host), "LLLLL") << "Use Default checks every mode but frees none";
}

TEST_F(AdvanSettingDlg, OkWritesTheChoicesAndCancelNothing) {
    const kernel::WirelessProfile original = record;
    for (bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        record = original;
        fakes::FakeHost& host = Open();
        Toggle(host, IDC_CHECK_ADVANCED_300AG);
        EXPECT_EQ(Boxes(host), "XLLLL");
        Toggle(host, IDC_CHECK_ADVANCED_300AG);
        EXPECT_EQ(Boxes(host), ".XXLL");
        host.SelectItem(IDC_COMBO_ADVANCED_PREAMBLE, 0);
        host.SelectItem(IDC_COMBO_ADVANCED_POWER, 4);
        Drag(host, IDC_SLIDER_ADVANCED_FRAGMENTATION, 800);
        Drag(host, IDC_SLIDER_ADVANCED_RTS_CTS, 2000);
        host.Click(ok ? ui::kIdOk : ui::kIdCancel);
        ASSERT_TRUE(host.ended());
        EXPECT_EQ(host.result(), ok ? ui::kIdOk : ui::kIdCancel);
        if (ok) {
            EXPECT_EQ(record.wirelessModes, 0x06u);
            EXPECT_EQ(record.block.preamble, kernel::kPreambleShort);
            EXPECT_EQ(record.block.transmitPower, 0x01) << "lowest on five levels";
            EXPECT_EQ(record.block.FragThreshold, 800);
            EXPECT_EQ(record.block.RTSThreshold, 2000);
        } else {
            EXPECT_EQ(std::memcmp(&record, &original, sizeof record), 0) << "the record is untouched";
        }
    }
}

TEST_F(AdvanSettingDlg, NoModeRefusesOkAndFallsBackToEveryMode) {
    LoadLanguageTexts();
    record.wirelessModes = 0x10;
    fakes::FakeHost& host = Open();
    host.SelectItem(IDC_COMBO_ADVANCED_POWER, 0);
    Toggle(host, IDC_CHECK_ADVANCED_54A);
    host.Click(ui::kIdOk);
    EXPECT_FALSE(host.ended()) << "the dialog stays open";
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, u"Please Choose at Least 1 Radio Band!");
    EXPECT_EQ(host.messageBoxes[0].caption, u"Orvelin Wireless Adapter");
    EXPECT_EQ(host.messageBoxes[0].style, ui::kBoxOk);
    EXPECT_EQ(record.block.transmitPower, 0x04) << "nothing else is taken";
    host.Click(ui::kIdCancel);
    EXPECT_EQ(record.wirelessModes, 0x1Fu) << "the fallback stays after Cancel";
}

TEST_F(AdvanSettingDlg, UseDefaultTakesTheAdaptersDefaults) {
    record.block.preamble = kernel::kPreambleShort;
    fakes::FakeHost& host = Open();
    host.Click(IDC_BUTTON_ADVANCED_USE_DEFAULT);
    EXPECT_EQ(Boxes(host), "XLLLL");
    EXPECT_EQ(SelectedText(host, IDC_COMBO_ADVANCED_PREAMBLE), u"Auto");
    EXPECT_EQ(SelectedText(host, IDC_COMBO_ADVANCED_POWER), u"100%");
    EXPECT_EQ(Text(host, IDC_STATIC_ADVANCED_FRAGMENTATION_VALUE), u"2346");
    EXPECT_EQ(Text(host, IDC_STATIC_ADVANCED_RTS_CTS_VALUE), u"2347");
    host.Click(ui::kIdOk);
    EXPECT_EQ(record.wirelessModes, 0x01u);
    EXPECT_EQ(record.block.preamble, kernel::kPreambleAuto);
    EXPECT_EQ(record.block.transmitPower, 0x800);
    EXPECT_EQ(record.block.FragThreshold, 2346);
    EXPECT_EQ(record.block.RTSThreshold, 2347);
}

TEST_F(AdvanSettingDlg, AnEmptyListKeepsTheProfilesValue) {
    // A power code off the four-level scale selects no level; an adapter without automatic preamble
    // leaves that list empty after Use Default. OK keeps both as they were.
    Adapter(/*fiveLevels=*/false, 0x03);
    record.block.preamble = kernel::kPreambleAuto;
    record.block.transmitPower = 0x01;
    fakes::FakeHost& host = Open();
    EXPECT_EQ(Items(host, IDC_COMBO_ADVANCED_POWER).size(), 4u);
    EXPECT_EQ(host.control(IDC_COMBO_ADVANCED_POWER).selection, -1);
    EXPECT_EQ(host.control(IDC_COMBO_ADVANCED_PREAMBLE).selection, -1);
    host.Click(ui::kIdOk);
    EXPECT_EQ(record.block.preamble, kernel::kPreambleAuto);
    EXPECT_EQ(record.block.transmitPower, 0x01);

    record.block.preamble = kernel::kPreambleLong;
    fakes::FakeHost& again = Open();
    again.Click(IDC_BUTTON_ADVANCED_USE_DEFAULT);
    EXPECT_EQ(again.control(IDC_COMBO_ADVANCED_PREAMBLE).selection, -1);
    again.Click(ui::kIdOk);
    EXPECT_EQ(record.block.preamble, kernel::kPreambleLong);
}

TEST_F(AdvanSettingDlg, PowerLevelsFollowTheSessionsScaleNotTheAssociation) {
    // The configuration's first member reads 1 while associated: the scale is the one the store read
    // first in the session, at opening and at OK alike.
    kernel.adapterConfig.associated = 0;
    ASSERT_FALSE(profiles::FivePowerLevels());
    kernel.adapterConfig.associated = 1;
    record.block.transmitPower = 0x40; // 75% on four levels
    fakes::FakeHost& host = Open();
    EXPECT_EQ(Items(host, IDC_COMBO_ADVANCED_POWER).size(), 4u);
    EXPECT_EQ(SelectedText(host, IDC_COMBO_ADVANCED_POWER), u"75%");
    host.SelectItem(IDC_COMBO_ADVANCED_POWER, 2);
    host.Click(ui::kIdOk);
    EXPECT_EQ(record.block.transmitPower, 0x20) << "50% on four levels";
}

TEST_F(AdvanSettingDlg, SlidersShowWhereTheyStand) {
    record.block.FragThreshold = 100;  // below the adapter's minimum
    record.block.RTSThreshold = 60000; // above its maximum
    fakes::FakeHost& host = Open();
    EXPECT_EQ(Text(host, IDC_STATIC_ADVANCED_FRAGMENTATION_VALUE), u"256");
    EXPECT_EQ(Text(host, IDC_STATIC_ADVANCED_RTS_CTS_VALUE), u"2347");
    Drag(host, IDC_SLIDER_ADVANCED_FRAGMENTATION, 1024);
    EXPECT_EQ(Text(host, IDC_STATIC_ADVANCED_FRAGMENTATION_VALUE), u"1024");
    EXPECT_EQ(Text(host, IDC_STATIC_ADVANCED_RTS_CTS_VALUE), u"2347") << "the other slider's text stays";
    host.Click(ui::kIdOk);
    EXPECT_EQ(record.block.FragThreshold, 1024);
    EXPECT_EQ(record.block.RTSThreshold, 2347);
}

TEST_F(AdvanSettingDlg, WithoutTheLibraryTheProfileKeepsWhatTheAdapterWouldDecide) {
    fakes::FakeHost& host = Open(false, /*withLibrary=*/false);
    EXPECT_TRUE(Items(host, IDC_COMBO_ADVANCED_PREAMBLE).empty());
    EXPECT_FALSE(host.IsEnabled(IDC_SLIDER_ADVANCED_FRAGMENTATION));
    EXPECT_FALSE(host.IsEnabled(IDC_SLIDER_ADVANCED_RTS_CTS));
    host.Click(IDC_BUTTON_ADVANCED_USE_DEFAULT);
    EXPECT_EQ(Text(host, IDC_STATIC_ADVANCED_FRAGMENTATION_VALUE), u"1500");
    host.Click(ui::kIdOk);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(record.block.FragThreshold, 1500) << "not the all-zero configuration's 0";
    EXPECT_EQ(record.block.RTSThreshold, 500);
    EXPECT_EQ(record.block.preamble, kernel::kPreambleLong);
}

} // namespace
