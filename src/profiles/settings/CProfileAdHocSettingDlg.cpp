#include "profiles/settings/CProfileAdHocSettingDlg.h"

#include <string_view>

#include "app/Language.h"
#include "base/Format.h"
#include "kernel/StatusRecords.h"
#include "profiles/settings/AdHocOptions.h"
#include "res/AdvancedSettingsIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_PROFILE_ADHOC_SETTING";

std::u16string BandText(uint16_t band) {
    if (band == kernel::KWL_FLAG_WIRELESS_MODE_802_11A) {
        return LangString(kSection, u"AdhocA", u"2.4 GHz(802.11a)");
    }
    return LangString(kSection, u"AdhocG", u"2.4 GHz(802.11g)");
}

} // namespace

CProfileAdHocSettingDlg::CProfileAdHocSettingDlg(kernel::WirelessProfile& record,
                                                 kernel::IWirelessKernel* service)
    : ui::Dialog(IDD_DIALOG_PROFILE_ADHOC_SETTING), m_record(record), m_service(service) {}

bool CProfileAdHocSettingDlg::OnInit() {
    kernel::AdapterState state{};
    if (m_service != nullptr) {
        m_service->ReadAdapterState(&state);
    }
    m_regionCode = state.regionCode;

    host().SetCaption(LangString(kSection, u"TITLE", u"Ad Hoc Setting"));
    host().SetText(IDC_STATIC_ADHOC_STARTADHOC,
                   LangText(kSection, u"IDC_STATIC_ADHOC_STARTADHOC", u"Start AdHoc:"));
    host().SetText(IDC_STATIC_ADHOC_CHANNEL, LangText(kSection, u"IDC_STATIC_ADHOC_CHANNEL", u"Channel:"));
    host().SetText(ui::kIdOk, LangLine(kSection, u"IDOK", u"OK", 1));
    host().SetText(ui::kIdCancel, LangLine(kSection, u"IDCANCEL", u"Cancel", 1));

    std::vector<uint16_t> bands = profiles::AdHocBands(m_record.wirelessModes);
    ui::ComboControl& bandList = host().Combo(IDC_COMBO_ADHOC_BAND);
    bandList.Reset();
    for (uint16_t band : bands) {
        int index = bandList.Add(BandText(band));
        bandList.SetItemData(index, band);
    }
    bandList.Select(profiles::AdHocBandIndexFor(bands, m_record.block.adHocMode));
    FillChannels();
    return true;
}

// The channels of the band chosen now, with the profile's channel selected when the band has it.
void CProfileAdHocSettingDlg::FillChannels() {
    ui::ComboControl& bandList = host().Combo(IDC_COMBO_ADHOC_BAND);
    int band = bandList.Selection();
    uint16_t bandValue =
        band >= 0 ? static_cast<uint16_t>(bandList.ItemData(band)) : kernel::KWL_FLAG_WIRELESS_MODE_802_11G;
    std::vector<uint16_t> channels = profiles::AdHocChannels(bandValue, m_regionCode);
    ui::ComboControl& channelList = host().Combo(IDC_COMBO_ADHOC_CHANNEL);
    channelList.Reset();
    for (uint16_t channel : channels) {
        int index = channelList.Add(channel == 0 ? LangString(kSection, u"ChAuto", u"Automatic")
                                                 : base::Format(u"%d", {channel}));
        channelList.SetItemData(index, channel);
    }
    channelList.Select(profiles::AdHocChannelIndexFor(channels, m_record.block.adHocChannel));
}

void CProfileAdHocSettingDlg::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_COMBO_ADHOC_BAND && code == ui::kSelChange) {
        FillChannels();
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

// The channel is taken from the entry's value rather than its text, so that a translated "Automatic"
// that happens to begin with digits still means automatic.
void CProfileAdHocSettingDlg::OnOK() {
    ui::ComboControl& channelList = host().Combo(IDC_COMBO_ADHOC_CHANNEL);
    if (int channel = channelList.Selection(); channel >= 0) {
        m_record.block.adHocChannel = static_cast<uint16_t>(channelList.ItemData(channel));
    }
    ui::ComboControl& bandList = host().Combo(IDC_COMBO_ADHOC_BAND);
    if (int band = bandList.Selection(); band >= 0) {
        m_record.block.adHocMode = profiles::AdHocModeForBand(static_cast<uint16_t>(bandList.ItemData(band)));
    }
    host().EndDialog(ui::kIdOk);
}
