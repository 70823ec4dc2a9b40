#include "profiles/settings/CProfileAdvanSettingDlg.h"

#include <string_view>

#include "app/AppTexts.h"
#include "app/Language.h"
#include "base/Format.h"
#include "profiles/ProfileStore.h"
#include "res/AdvancedSettingsIds.h"

namespace {

using profiles::ModeBox;

constexpr std::u16string_view kSection = u"IDD_DIALOG_PROFILE_ADVANCED_SETTING";

constexpr ui::ControlId kModeBoxIds[profiles::kModeBoxCount] = {
    IDC_CHECK_ADVANCED_300AG, IDC_CHECK_ADVANCED_300G, IDC_CHECK_ADVANCED_300A, IDC_CHECK_ADVANCED_54G,
    IDC_CHECK_ADVANCED_54A};

struct Label {
    ui::ControlId id;
    std::u16string_view key;
    std::u16string_view text;
};

// Labels and groups may run to two lines (the preamble label does).
constexpr Label kLabels[] = {
    // Language files keep the heading under the ad-hoc dialog's name.
    {IDC_STATIC_ADVANCED_HEADING, u"IDD_DIALOG_PROFILE_ADHOC_SETTING", u"Advanced Settings"},
    {IDC_STATIC_ADVANCED_GROUP_ADVANCED, u"IDC_STATIC_ADVANCED_GROUP_ADVANCED", u"Advanced"},
    {IDC_STATIC_ADVANCED_GROUP_MODE, u"IDC_STATIC_ADVANCED_GROUP_MODE", u"Wireless Mode"},
    {IDC_STATIC_ADVANCED_PREAMBLE, u"IDC_STATIC_ADVANCED_PREAMBLE", u"2.4GHz\n&Preamble:"},
    {IDC_STATIC_ADVANCED_POWER, u"IDC_STATIC_ADVANCED_POWER", u"Tran&smit Power:"},
    {IDC_STATIC_ADVANCED_FRAGMENTATION, u"IDC_STATIC_ADVANCED_FRAGMENTATION", u"&Fragmentation Threshold:"},
    {IDC_STATIC_ADVANCED_RTS_CTS, u"IDC_STATIC_ADVANCED_RTS_CTS", u"&RTS/CTS Threshold:"},
};

// Buttons and check boxes keep to one line.
constexpr Label kButtons[] = {
    {IDC_CHECK_ADVANCED_300AG, u"IDC_CHECK_ADVANCED_300AG", u"Up to 300Mbps (2.4GHz+5GHz)"},
    {IDC_CHECK_ADVANCED_300G, u"IDC_CHECK_ADVANCED_300G", u"Up to 300Mbps (2.4GHz only)"},
    {IDC_CHECK_ADVANCED_300A, u"IDC_CHECK_ADVANCED_300A", u"Up to 300Mbps (5GHz only)"},
    {IDC_CHECK_ADVANCED_54G, u"IDC_CHECK_ADVANCED_54G", u"Up to 54Mbps (2.4GHz)"},
    {IDC_CHECK_ADVANCED_54A, u"IDC_CHECK_ADVANCED_54A", u"Up to 54Mbps (5GHz)"},
    {IDC_BUTTON_ADVANCED_USE_DEFAULT, u"IDC_BUTTON_ADVANCED_USE_DEFAULT", u"Use &Default"},
    {ui::kIdOk, u"IDOK", u"OK"},
    {ui::kIdCancel, u"IDCANCEL", u"Cancel"},
};

struct Entry {
    std::u16string_view key;
    std::u16string_view text;
};

// In the power list's order; the last only on a five-level adapter. The built-in texts name each level,
// so that a list without a language file still tells them apart.
constexpr Entry kPowerEntries[] = {
    {u"Power_100", u"100%"}, {u"Power_75", u"75%"},        {u"Power_50", u"50%"},
    {u"Power_25", u"25%"},   {u"Power_Lowest", u"Lowest"},
};

Entry PreambleEntry(uint8_t value) {
    switch (value) {
    case kernel::kPreambleShort:
        return {u"Preamble_Short", u"Short"};
    case kernel::kPreambleLong:
        return {u"Preamble_Long", u"Long"};
    default:
        return {u"Preamble_Auto", u"Auto"};
    }
}

// The current thresholds stand out from their range numbers.
constexpr ui::Color kValueColor = ui::Rgb(0, 0, 255);

std::u16string Number(int value) {
    return base::Format(u"%d", {value});
}

} // namespace

CProfileAdvanSettingDlg::CProfileAdvanSettingDlg(kernel::WirelessProfile& record, bool adHoc,
                                                 kernel::IWirelessKernel* service)
    : ui::Dialog(IDD_DIALOG_PROFILE_ADVANCED_SETTING), m_record(record), m_adHoc(adHoc), m_service(service) {}

bool CProfileAdvanSettingDlg::OnInit() {
    m_config = kernel::AdapterConfig{};
    if (m_service != nullptr) {
        m_service->GetAdapterConfig(&m_config);
    }
    // The configuration's first member also says whether the adapter is associated, so the scale is
    // the store's, read once for the session: the list shows the levels the store writes.
    m_fiveLevels = profiles::FivePowerLevels();

    ApplyTexts();
    FillPreambles();
    FillPowerLevels();

    ShowModeBoxes(profiles::ModeBoxesFromBits(m_record.wirelessModes));
    if (m_adHoc) {
        for (ui::ControlId id : kModeBoxIds) {
            host().Enable(id, false);
        }
        host().Enable(IDC_COMBO_ADVANCED_POWER, false);
    }

    host()
        .Combo(IDC_COMBO_ADVANCED_PREAMBLE)
        .Select(profiles::PreambleIndexFor(m_preambles, m_record.block.preamble));

    m_fragmentation = {IDC_SLIDER_ADVANCED_FRAGMENTATION,
                       IDC_STATIC_ADVANCED_FRAGMENTATION_VALUE,
                       IDC_STATIC_ADVANCED_FRAGMENTATION_MIN,
                       IDC_STATIC_ADVANCED_FRAGMENTATION_MAX,
                       m_config.fragThresholdMin,
                       m_config.fragThresholdMax};
    m_rts = {IDC_SLIDER_ADVANCED_RTS_CTS,     IDC_STATIC_ADVANCED_RTS_CTS_VALUE,
             IDC_STATIC_ADVANCED_RTS_CTS_MIN, IDC_STATIC_ADVANCED_RTS_CTS_MAX,
             m_config.rtsThresholdMin,        m_config.rtsThresholdMax};
    SetUpThreshold(m_fragmentation, m_record.block.FragThreshold);
    SetUpThreshold(m_rts, m_record.block.RTSThreshold);
    return true;
}

void CProfileAdvanSettingDlg::ApplyTexts() {
    host().SetCaption(LangString(kSection, u"TITLE", u"Advanced Settings"));
    for (const Label& label : kLabels) {
        host().SetText(label.id, LangText(kSection, label.key, label.text));
    }
    for (const Label& button : kButtons) {
        host().SetText(button.id, LangLine(kSection, button.key, button.text, 1));
    }
}

void CProfileAdvanSettingDlg::FillPreambles() {
    m_preambles = profiles::OfferedPreambles(m_config.preambles);
    ui::ComboControl& list = host().Combo(IDC_COMBO_ADVANCED_PREAMBLE);
    list.Reset();
    for (uint8_t value : m_preambles) {
        Entry entry = PreambleEntry(value);
        int index = list.Add(LangString(kSection, entry.key, entry.text));
        list.SetItemData(index, value);
    }
}

void CProfileAdvanSettingDlg::FillPowerLevels() {
    ui::ComboControl& list = host().Combo(IDC_COMBO_ADVANCED_POWER);
    list.Reset();
    for (int level = 0; level < profiles::PowerLevelCount(m_fiveLevels); ++level) {
        list.Add(LangString(kSection, kPowerEntries[level].key, kPowerEntries[level].text));
    }
    std::optional<int> selected = profiles::PowerIndexOfCode(m_record.block.transmitPower, m_fiveLevels);
    list.Select(selected.value_or(-1));
}

void CProfileAdvanSettingDlg::SetUpThreshold(const Threshold& threshold, uint16_t current) {
    host().SetText(threshold.minimum, Number(threshold.low));
    host().SetText(threshold.maximum, Number(threshold.high));
    host().Item(threshold.value).SetTextColor(kValueColor);
    ui::SliderControl& slider = host().Slider(threshold.slider);
    if (!profiles::ThresholdRangeKnown(threshold.low, threshold.high)) {
        // Nothing to choose from: the profile keeps its value, and the text says what that is.
        slider.Enable(false);
        host().SetText(threshold.value, Number(current));
        return;
    }
    slider.SetRange(threshold.low, threshold.high);
    slider.SetTickFrequency(kTickEvery);
    // A stored value outside the adapter's range stands at the nearer end, and that is what OK keeps.
    slider.SetPos(current);
    ShowThresholdValue(threshold);
}

void CProfileAdvanSettingDlg::ShowThresholdValue(const Threshold& threshold) {
    host().SetText(threshold.value, Number(host().Slider(threshold.slider).Pos()));
}

profiles::ModeBoxes CProfileAdvanSettingDlg::ReadModeBoxes() {
    profiles::ModeBoxes boxes;
    for (int box = 0; box < profiles::kModeBoxCount; ++box) {
        boxes.checked[box] = host().Button(kModeBoxIds[box]).IsChecked();
        boxes.enabled[box] = host().IsEnabled(kModeBoxIds[box]);
    }
    return boxes;
}

void CProfileAdvanSettingDlg::ShowModeBoxes(const profiles::ModeBoxes& boxes) {
    for (int box = 0; box < profiles::kModeBoxCount; ++box) {
        host().Button(kModeBoxIds[box]).SetCheck(boxes.checked[box]);
        host().Enable(kModeBoxIds[box], boxes.enabled[box]);
    }
}

void CProfileAdvanSettingDlg::OnCommand(ui::ControlId id, int code) {
    if (code == ui::kClicked) {
        for (int box = 0; box < profiles::kModeBoxCount; ++box) {
            if (id == kModeBoxIds[box]) {
                profiles::ModeBoxes boxes = ReadModeBoxes();
                profiles::ApplyModeRule(boxes, static_cast<ModeBox>(box));
                ShowModeBoxes(boxes);
                return;
            }
        }
        if (id == IDC_BUTTON_ADVANCED_USE_DEFAULT) {
            UseDefault();
            return;
        }
    }
    ui::Dialog::OnCommand(id, code);
}

// The value text follows the slider the user moves; the notice names it, so there is no need to ask
// which control has the focus.
intptr_t CProfileAdvanSettingDlg::OnNotify(const ui::Notify& notify) {
    if (notify.code == ui::kScroll) {
        if (notify.id == m_fragmentation.slider) {
            ShowThresholdValue(m_fragmentation);
        } else if (notify.id == m_rts.slider) {
            ShowThresholdValue(m_rts);
        }
    }
    return 0;
}

void CProfileAdvanSettingDlg::UseDefault() {
    profiles::ModeBoxes boxes = ReadModeBoxes();
    boxes.checked[profiles::kBox300AG] = true;
    profiles::ApplyModeRule(boxes, profiles::kBox300AG);
    ShowModeBoxes(boxes);

    host().Combo(IDC_COMBO_ADVANCED_PREAMBLE).Select(profiles::AutoPreambleIndex(m_preambles));
    host().Combo(IDC_COMBO_ADVANCED_POWER).Select(0);
    for (const Threshold* threshold : {&m_fragmentation, &m_rts}) {
        if (profiles::ThresholdRangeKnown(threshold->low, threshold->high)) {
            host().Slider(threshold->slider).SetPos(threshold->high);
            ShowThresholdValue(*threshold);
        }
    }
}

void CProfileAdvanSettingDlg::OnOK() {
    uint32_t modeBits = profiles::ModeBitsFromBoxes(ReadModeBoxes().checked);
    if (modeBits == 0) {
        host().ShowMessageBox(
            LangText(kSection, u"Message_Band", u"Please Choose at Least 1 Radio Band!", 2048),
            MessageBoxCaption(), ui::kBoxOk);
        // The profile falls back to every mode, so that one closed with Cancel now still has a radio band.
        m_record.wirelessModes = kernel::kModeAll;
        return;
    }
    m_record.wirelessModes = modeBits;

    // An empty list (a power code off the scale, Use Default on an adapter without an automatic preamble)
    // is no choice: the profile keeps what it had.
    ui::ComboControl& power = host().Combo(IDC_COMBO_ADVANCED_POWER);
    if (std::optional<uint16_t> code = profiles::PowerCodeAt(power.Selection(), m_fiveLevels)) {
        m_record.block.transmitPower = *code;
    }
    ui::ComboControl& preamble = host().Combo(IDC_COMBO_ADVANCED_PREAMBLE);
    if (int selected = preamble.Selection(); selected >= 0) {
        m_record.block.preamble = static_cast<uint8_t>(preamble.ItemData(selected));
    }
    if (profiles::ThresholdRangeKnown(m_fragmentation.low, m_fragmentation.high)) {
        m_record.block.FragThreshold = static_cast<uint16_t>(host().Slider(m_fragmentation.slider).Pos());
    }
    if (profiles::ThresholdRangeKnown(m_rts.low, m_rts.high)) {
        m_record.block.RTSThreshold = static_cast<uint16_t>(host().Slider(m_rts.slider).Pos());
    }
    host().EndDialog(ui::kIdOk);
}
