// The ad-hoc settings dialog on the fake host: the bands a profile's modes allow, the channels of each
// band in the adapter's region, and what OK and Cancel leave in the profile record, down to the stored
// channel value.
#include <gtest/gtest.h>

#include <memory>

#include "profiles/ProfileCodec.h"
#include "profiles/settings/CProfileAdHocSettingDlg.h"
#include "unit/app/AppTestSupport.h"
#include "unit/settings/SettingsDialogTemplates.h"

namespace {

using settingstest::Items;
using settingstest::SelectedText;

const std::u16string kBandA = u"2.4 GHz(802.11a)";
const std::u16string kBandG = u"2.4 GHz(802.11g)";

std::vector<std::u16string> Channels24(int last) {
    std::vector<std::u16string> channels{u"Automatic"};
    for (int channel = 1; channel <= last; ++channel) {
        std::string digits = std::to_string(channel);
        channels.emplace_back(digits.begin(), digits.end());
    }
    return channels;
}

const std::vector<std::u16string> kChannels5 = {u"Automatic", u"36", u"40", u"44", u"48"};

class AdHocSettingDlg : public apptest::AppTest {
protected:
    AdHocSettingDlg() {
        settingstest::RegisterAdHocTemplate();
        kernel.adapterState.regionCode = 16;
        record.block.NetworkConnectType = kernel::kNetworkAdHoc;
        record.wirelessModes = 0x1F;
        record.block.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_802_11G;
        record.block.adHocChannel = 6;
    }
    ~AdHocSettingDlg() override { fakes::ForgetTemplates(); }

    // Opens the dialog on `record`; a second call closes the first.
    fakes::FakeHost& Open(bool withLibrary = true) {
        m_host.reset();
        m_dialog = std::make_unique<CProfileAdHocSettingDlg>(record, withLibrary ? &kernel : nullptr);
        m_host = std::make_unique<fakes::FakeHost>(*m_dialog);
        m_host->Strict();
        m_host->Open();
        return *m_host;
    }

    kernel::WirelessProfile record{};

private:
    std::unique_ptr<CProfileAdHocSettingDlg> m_dialog;
    std::unique_ptr<fakes::FakeHost> m_host;
};

TEST_F(AdHocSettingDlg, TextsBuiltInAndShipped) {
    // The shipped English file says what the built-in texts say.
    for (bool shipped : {false, true}) {
        SCOPED_TRACE(shipped ? "English.lng" : "built in");
        if (shipped) {
            disk.WriteLanguage("English", settingstest::ShippedEnglishFile());
            SelectLanguage();
        }
        fakes::FakeHost& host = Open();
        EXPECT_EQ(host.Caption(), u"Ad Hoc Setting");
        EXPECT_EQ(host.GetText(IDC_STATIC_ADHOC_STARTADHOC), u"Start AdHoc:");
        EXPECT_EQ(host.GetText(IDC_STATIC_ADHOC_CHANNEL), u"Channel:");
        EXPECT_EQ(host.GetText(ui::kIdOk), u"OK");
        EXPECT_EQ(host.GetText(ui::kIdCancel), u"Cancel");
        EXPECT_EQ(Items(host, IDC_COMBO_ADHOC_BAND), (std::vector<std::u16string>{kBandA, kBandG}));
        EXPECT_EQ(Items(host, IDC_COMBO_ADHOC_CHANNEL), Channels24(13));
    }
}

TEST_F(AdHocSettingDlg, AModeOfNoListedBandOpensOn80211gAndOkStoresIt) {
    struct Case {
        uint32_t modes;
        uint16_t adHocMode;
    } cases[] = {{0x1F, 0}, {0x1F, kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N}, {0x08, 0x0004}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "modes " << c.modes << ", ad-hoc mode " << c.adHocMode);
        record.wirelessModes = c.modes;
        record.block.adHocMode = c.adHocMode;
        fakes::FakeHost& host = Open();
        EXPECT_EQ(Items(host, IDC_COMBO_ADHOC_BAND).size(), c.modes == 0x08 ? 1u : 2u);
        EXPECT_EQ(SelectedText(host, IDC_COMBO_ADHOC_BAND), kBandG);
        EXPECT_EQ(SelectedText(host, IDC_COMBO_ADHOC_CHANNEL), u"6");
        host.Click(ui::kIdOk);
        EXPECT_EQ(record.block.adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_802_11G);
        EXPECT_EQ(record.block.adHocChannel, 6);
        EXPECT_EQ(profiles::EncodeAdHocBand(kernel::kNetworkAdHoc, record.block.adHocMode), 3u)
            << "stored as 802.11g, not as the 802.11b every unknown mode is written as";
    }
}

TEST_F(AdHocSettingDlg, ChannelsOfTheRegion) {
    struct Case {
        uint32_t region;
        uint16_t channel;
        int last;
        std::u16string selected;
    } cases[] = {
        {1, 11, 11, u"11"}, {1, 12, 11, u"Automatic"}, {16, 13, 13, u"13"}, {2048, 14, 13, u"Automatic"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "region " << c.region << ", channel " << c.channel);
        kernel.adapterState.regionCode = c.region;
        record.block.adHocChannel = c.channel;
        fakes::FakeHost& host = Open();
        EXPECT_EQ(Items(host, IDC_COMBO_ADHOC_CHANNEL), Channels24(c.last));
        EXPECT_EQ(SelectedText(host, IDC_COMBO_ADHOC_CHANNEL), c.selected);
    }
    kernel.adapterState.regionCode = 1;
    EXPECT_EQ(Items(Open(/*withLibrary=*/false), IDC_COMBO_ADHOC_CHANNEL), Channels24(13));
}

TEST_F(AdHocSettingDlg, A5GhzChannelIsChosenStoredAndReadBack) {
    fakes::FakeHost& host = Open();
    host.SelectItem(IDC_COMBO_ADHOC_BAND, 0);
    EXPECT_EQ(Items(host, IDC_COMBO_ADHOC_CHANNEL), kChannels5);
    EXPECT_EQ(SelectedText(host, IDC_COMBO_ADHOC_CHANNEL), u"Automatic") << "channel 6 is no 802.11a channel";
    host.SelectItem(IDC_COMBO_ADHOC_CHANNEL, 3);
    host.Click(ui::kIdOk);
    EXPECT_EQ(record.block.adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_802_11A);
    EXPECT_EQ(record.block.adHocChannel, 44);
    uint32_t stored = profiles::EncodeAdHocChannel(record.block.adHocChannel);
    EXPECT_EQ(stored, 5220u);

    record.block.adHocChannel = profiles::DecodeAdHocChannel(stored);
    fakes::FakeHost& again = Open();
    EXPECT_EQ(SelectedText(again, IDC_COMBO_ADHOC_BAND), kBandA);
    EXPECT_EQ(SelectedText(again, IDC_COMBO_ADHOC_CHANNEL), u"44");
    again.SelectItem(IDC_COMBO_ADHOC_BAND, 1);
    EXPECT_EQ(SelectedText(again, IDC_COMBO_ADHOC_CHANNEL), u"Automatic") << "refilled for 802.11g";
    again.Click(ui::kIdCancel);
    EXPECT_EQ(record.block.adHocChannel, 44) << "Cancel leaves the record";
    EXPECT_EQ(record.block.adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_802_11A);
}

} // namespace
