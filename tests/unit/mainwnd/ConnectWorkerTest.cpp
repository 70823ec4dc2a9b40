#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "WorkerTestSupport.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "mainwnd/ConnectWorker.h"
#include "mainwnd/MainWndMessages.h"

using namespace mainwnd;

namespace {

constexpr std::u16string_view kAny = u"Any (First available network)";

kernel::BssEntry Scanned(std::u16string_view ssid, uint16_t channel, uint32_t security, uint16_t signal,
                         uint8_t radio = kernel::kRadio80211g) {
    kernel::BssEntry e{};
    base::CopyToField(e.ssid, ssid);
    e.channel = channel;
    e.security = security;
    e.signal = signal;
    e.radioModes = radio;
    return e;
}

class ConnectWorkerTest : public mainwndtest::WorkerTest {
protected:
    void SetUp() override {
        WorkerTest::SetUp();
        m_previousSink = base::SetTraceSink([this](std::u16string_view line) { traces.emplace_back(line); });
    }
    void TearDown() override {
        base::SetTraceSink(m_previousSink);
        WorkerTest::TearDown();
    }

    ConnectWorkerSources Sources() {
        ConnectWorkerSources s;
        s.kernel = [this]() -> kernel::IWirelessKernel* { return kernelPresent ? &m_kernel : nullptr; };
        s.window = window.MakePoster();
        s.anyNetworkText = [this] {
            if (onAnyText) {
                onAnyText();
            }
            return std::u16string(kAny);
        };
        s.regionCode = [] { return CopyLinkRecords().adapter.regionCode; };
        return s;
    }

    // A WPA2 access-point profile allowing 300 Mbps at 2.4 GHz only.
    static kernel::WirelessProfile Infrastructure(std::u16string_view name, std::u16string_view network) {
        kernel::WirelessProfile p = Record(name, network);
        p.block.securityFlags = kernel::kSecurityWpa2PskAes;
        p.block.keyFormat = kernel::kKeyPskAscii;
        base::CopyToField(p.block.psk, u"correct horse");
        p.block.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N;
        p.wirelessModes = kernel::kMode300G;
        return p;
    }
    static kernel::WirelessProfile AdHoc(std::u16string_view name, uint16_t band, uint16_t channel = 0) {
        kernel::WirelessProfile p = Record(name, u"peer");
        p.block.NetworkConnectType = kernel::kNetworkAdHoc;
        p.block.adHocMode = band;
        p.block.adHocChannel = channel;
        return p;
    }

    kernel::ConnectionBlock LastConnect() {
        EXPECT_FALSE(m_kernel.connects.empty());
        return m_kernel.connects.empty() ? kernel::ConnectionBlock{} : m_kernel.connects.back();
    }
    static bool SameRecord(const kernel::WirelessProfile& a, const kernel::WirelessProfile& b) {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }

    ConnectRequests requests;
    ConnectWorker worker{requests, Sources()};
    bool kernelPresent = true;
    std::function<void()> onAnyText;
    std::vector<std::u16string> traces;

private:
    base::TraceSink m_previousSink;
};

} // namespace

TEST_F(ConnectWorkerTest, SelectedProfileConnectsWithThisAttemptsModeAndComesBackUnchanged) {
    kernel::WirelessProfile home = Infrastructure(u"Home", u"HomeNet");
    profiles::SetCurrentProfile(home);
    g_bInternetReachable = true;
    g_bBandMode = 0;
    g_bHtAllowed5G = true;

    EXPECT_EQ(worker.Step(), kConnectPollMs) << "nothing requested";
    EXPECT_TRUE(m_kernel.connects.empty());

    requests.Raise(kSelectedProfile);
    EXPECT_EQ(worker.Step(), kConnectPollMs);
    ASSERT_EQ(m_kernel.connects.size(), 1u);
    kernel::ConnectionBlock sent = LastConnect();
    EXPECT_EQ(base::FieldText(sent.ssid), u"HomeNet");
    EXPECT_EQ(sent.adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_802_11G_N);
    EXPECT_EQ(sent.securityFlags, kernel::kSecurityWpa2PskAes);
    EXPECT_EQ(base::FieldText(sent.psk), u"correct horse");
    EXPECT_EQ(g_bBandMode, 2);
    EXPECT_FALSE(g_bHtAllowed5G);
    EXPECT_TRUE(g_bHtAllowed24G);
    EXPECT_FALSE(g_bInternetReachable);
    EXPECT_EQ(window.Posts(), (std::vector<mainwndtest::Posted>{{kMsgConnectStarted, 0}}));
    EXPECT_FALSE(requests.Pending());
    EXPECT_TRUE(SameRecord(profiles::CopyCurrentProfile(), home))
        << "mode word and name only for the attempt";

    worker.Step();
    EXPECT_EQ(m_kernel.connects.size(), 1u) << "one request, one attempt";
}

TEST_F(ConnectWorkerTest, ProfileIndexUsesTheStoredProfileForThisAttemptOnly) {
    kernel::WirelessProfile home = Infrastructure(u"Home", u"HomeNet");
    profiles::SetCurrentProfile(home);
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        profiles::ProfileTable[2] = Infrastructure(u"Office", u"OfficeNet");
        profiles::ProfileTable[2].wirelessModes = kernel::kMode54A;
    }
    requests.Raise(2);
    worker.Step();
    kernel::ConnectionBlock sent = LastConnect();
    EXPECT_EQ(base::FieldText(sent.ssid), u"OfficeNet");
    EXPECT_EQ(sent.adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_802_11A);
    EXPECT_EQ(g_bBandMode, 1);
    EXPECT_TRUE(SameRecord(profiles::CopyCurrentProfile(), home));
    EXPECT_EQ(requests.ProfileIndex(), 2) << "the fallback goes on from here";

    // A slot emptied since (a reload after a delete) and an index past the table fall back to the
    // current profile rather than connecting with an all-zero record.
    for (int index : {5, 100000}) {
        requests.Raise(index);
        worker.Step();
        EXPECT_EQ(base::FieldText(LastConnect().ssid), u"HomeNet") << index;
    }
}

TEST_F(ConnectWorkerTest, AnyNetworkProfileJoinsTheStrongestOpenAccessPoint) {
    networks::ReplaceNetworkList({Scanned(u"locked", 1, kernel::kBssWpa2Psk, 99),
                                  Scanned(u"cafe", 6, kernel::kBssOpen, 40),
                                  Scanned(u"library", 11, kernel::kBssOpen, 75, kernel::kRadio80211a)});
    for (std::u16string_view name : {kAny, std::u16string_view()}) {
        kernel::WirelessProfile any = Infrastructure(u"Default", name);
        any.block.securityFlags = kernel::kSecurityNone;
        any.wirelessModes = kernel::kMode300G | kernel::kMode54A;
        profiles::SetCurrentProfile(any);
        requests.Raise(kSelectedProfile);
        worker.Step();
        kernel::ConnectionBlock sent = LastConnect();
        EXPECT_EQ(base::FieldText(sent.ssid), u"library");
        EXPECT_EQ(sent.adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_AUTO)
            << "radio type from the chosen 5 GHz entry";
        EXPECT_TRUE(SameRecord(profiles::CopyCurrentProfile(), any));
    }
}

TEST_F(ConnectWorkerTest, AnyNetworkWithNoOpenAccessPointDoesNothing) {
    networks::ReplaceNetworkList({Scanned(u"locked", 1, kernel::kBssWep, 99)});
    profiles::SetCurrentProfile(Infrastructure(u"Default", kAny));
    requests.SetAutomaticMark();
    g_bInternetReachable = true;
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_TRUE(m_kernel.connects.empty());
    EXPECT_TRUE(window.Posts().empty());
    EXPECT_FALSE(requests.Pending()) << "the fallback will try another profile later";
    EXPECT_TRUE(requests.AutomaticMark()) << "kept for an attempt that gets as far as the mode";
    EXPECT_TRUE(g_bInternetReachable);
}

TEST_F(ConnectWorkerTest, AutomaticMarkGivesOneAttemptInAutomaticMode) {
    profiles::SetCurrentProfile(Infrastructure(u"Home", u"HomeNet"));
    requests.SetAutomaticMark();
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_EQ(LastConnect().adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_AUTO);
    EXPECT_EQ(g_bBandMode, 2) << "the band filter still follows the profile";
    EXPECT_FALSE(requests.AutomaticMark());
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_EQ(LastConnect().adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_802_11G_N);

    // An ad-hoc attempt has no mode word to replace and leaves the mark for the next one.
    requests.SetAutomaticMark();
    profiles::SetCurrentProfile(AdHoc(u"Party", kernel::KWL_FLAG_WIRELESS_MODE_802_11G, 3));
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_EQ(LastConnect().adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_802_11G);
    EXPECT_TRUE(requests.AutomaticMark());
}

TEST_F(ConnectWorkerTest, AdHocAutomaticChannelRotatesOverTheLeastUsedAndStaysAutomatic) {
    networks::ReplaceNetworkList(
        {Scanned(u"x", 36, 1, 50), Scanned(u"y", 40, 1, 50), Scanned(u"z", 40, 1, 50)});
    kernel::WirelessProfile party = AdHoc(u"Party", kernel::KWL_FLAG_WIRELESS_MODE_802_11A);
    profiles::SetCurrentProfile(party);
    g_bBandMode = 0;
    std::vector<uint16_t> channels;
    for (int i = 0; i < 4; ++i) {
        requests.Raise(kSelectedProfile);
        worker.Step();
        channels.push_back(LastConnect().adHocChannel);
    }
    EXPECT_EQ(channels, (std::vector<uint16_t>{44, 48, 36, 44}));
    EXPECT_TRUE(SameRecord(profiles::CopyCurrentProfile(), party)) << "the channel goes back to automatic";
    EXPECT_EQ(g_bBandMode, 0) << "the band filter belongs to access-point profiles";

    // A fixed channel is used as it is.
    profiles::SetCurrentProfile(AdHoc(u"Fixed", kernel::KWL_FLAG_WIRELESS_MODE_802_11B, 9));
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_EQ(LastConnect().adHocChannel, 9);

    // At 2.4 GHz the adapter's region decides how far the candidates go.
    std::vector<kernel::BssEntry> crowded;
    for (uint16_t c = 1; c <= 13; ++c) {
        crowded.push_back(Scanned(u"n", c, 1, 50));
    }
    networks::ReplaceNetworkList(crowded);
    profiles::SetCurrentProfile(AdHoc(u"Party", kernel::KWL_FLAG_WIRELESS_MODE_802_11G));
    m_kernel.adapterState.regionCode = 2048;
    RefreshLinkRecords(m_kernel);
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_EQ(LastConnect().adHocChannel, 14) << "the only free channel, open in this region";
}

TEST_F(ConnectWorkerTest, RequestsDroppedWithoutAnAttempt) {
    profiles::SetCurrentProfile(Infrastructure(u"Home", u"HomeNet"));

    g_bZeroConfig = true;
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_FALSE(requests.Pending()) << "Windows manages the adapter";
    g_bZeroConfig = false;

    SetConnectionFlags(kernel::kConnectionAssociated);
    requests.Raise(kSelectedProfile, true);
    worker.Step();
    EXPECT_FALSE(requests.Pending()) << "conditional, and the adapter has a link";

    kernelPresent = false;
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_FALSE(requests.Pending()) << "no library";
    kernelPresent = true;

    EXPECT_TRUE(m_kernel.connects.empty());
    EXPECT_TRUE(window.Posts().empty());

    SetConnectionFlags(kernel::kConnectionNotAssociated);
    requests.Raise(kSelectedProfile, true);
    worker.Step();
    EXPECT_EQ(m_kernel.connects.size(), 1u) << "conditional, and the adapter has no link";
}

TEST_F(ConnectWorkerTest, WaitsForTheSurveyWithoutCheckingTheRequestAgain) {
    profiles::SetCurrentProfile(Infrastructure(u"Home", u"HomeNet"));
    SetConnectionFlags(kernel::kConnectionNotAssociated);
    g_bScanDone = false;
    requests.Raise(kSelectedProfile, true);
    EXPECT_EQ(worker.Step(), kScanWaitPollMs);
    EXPECT_EQ(worker.Step(), kScanWaitPollMs);
    EXPECT_TRUE(m_kernel.connects.empty());
    EXPECT_TRUE(requests.Pending());
    SetConnectionFlags(kernel::kConnectionAssociated); // a link came up meanwhile: the request stands
    g_bScanDone = true;
    EXPECT_EQ(worker.Step(), kConnectPollMs);
    EXPECT_EQ(m_kernel.connects.size(), 1u);
}

TEST_F(ConnectWorkerTest, RequestRaisedDuringAnAttemptIsServedNext) {
    profiles::SetCurrentProfile(Infrastructure(u"Home", u"HomeNet"));
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        profiles::ProfileTable[1] = Infrastructure(u"Office", u"OfficeNet");
    }
    bool raised = false;
    onAnyText = [&] {
        if (!raised) {
            raised = true;
            requests.Raise(1); // the fallback, while the worker prepares the first attempt
        }
    };
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_TRUE(requests.Pending());
    worker.Step();
    ASSERT_EQ(m_kernel.connects.size(), 2u);
    EXPECT_EQ(base::FieldText(m_kernel.connects[0].ssid), u"HomeNet");
    EXPECT_EQ(base::FieldText(m_kernel.connects[1].ssid), u"OfficeNet");
}

TEST_F(ConnectWorkerTest, DebugLinesNeverCarryKeys) {
    profiles::SetCurrentProfile(Infrastructure(u"Home", u"HomeNet"));
    requests.Raise(kSelectedProfile);
    worker.Step();
    EXPECT_EQ(traces,
              (std::vector<std::u16string>{u"**Before trigger Connect **",
                                           u"Network Name = HomeNet, Sec = 2097160, passphrase = ********",
                                           u"**Exit trigger Connect**"}));

    kernel::WirelessProfile wep = Infrastructure(u"Old", u"OldNet");
    wep.block.securityFlags = kernel::kSecurityWep;
    base::CopyToField(wep.wepPassphrase, u"open sesame");
    wep.block.defaultKey = 1;
    base::CopyToField(wep.block.wepKeys[1], u"0123456789");
    profiles::SetCurrentProfile(wep);
    traces.clear();
    requests.Raise(kSelectedProfile);
    worker.Step();
    ASSERT_EQ(traces.size(), 3u);
    EXPECT_EQ(
        traces[1],
        u"Network Name = OldNet, Sec = 262146, passphrase = ********, keyIdex = 1, keyValue = ********");

    // A key index past the four keys (a damaged store) reads nothing beyond them.
    wep.block.defaultKey = 9;
    wep.wepPassphrase[0] = u'\0';
    profiles::SetCurrentProfile(wep);
    traces.clear();
    requests.Raise(kSelectedProfile);
    worker.Step();
    ASSERT_EQ(traces.size(), 3u);
    EXPECT_EQ(traces[1], u"Network Name = OldNet, Sec = 262146, passphrase = , keyIdex = 9, keyValue = ");
}
