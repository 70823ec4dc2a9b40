#include <gtest/gtest.h>

#include <cstring>

#include "SimHarness.h"
#include "kernel/BssEntry.h"
#include "skyvane/ControlCommands.h"

namespace skyvane {
namespace {

const char16_t kTwoNetworks[] =
    u"[Home]\nBSSID=00:00:00:00:00:01\nSecurity=WPA2-PSK\nPassphrase=homepass1\nSignal=60\nAddress=10.0.0.5\n"
    u"[Cafe]\nBSSID=00:00:00:00:00:02\nSecurity=None\nSignal=90\nInternet=0\n";

TEST(SimKernelTest, SurveyEndsAfterItsDelayAndListsOnlyNetworksInRange) {
    SimHarness h(kTwoNetworks);
    ASSERT_EQ(h.kernel.StartSiteSurvey(0), 1);
    h.dispatcher.RunDue();
    EXPECT_TRUE(h.events.Has(6));
    EXPECT_FALSE(h.events.Has(7)) << "the survey takes its time";
    EXPECT_EQ(h.kernel.StartSiteSurvey(0), 1) << "a second request joins the running survey";
    h.dispatcher.Advance(999);
    EXPECT_FALSE(h.events.Has(7));
    h.dispatcher.Advance(1);
    ASSERT_TRUE(h.events.Has(7));
    int begun = 0;
    for (auto& e : h.events.events) {
        begun += e.first == 6;
    }
    EXPECT_EQ(begun, 1);

    RunControlCommand(h.kernel, u"signal Cafe 0");
    h.kernel.StartSiteSurvey(0);
    h.dispatcher.Advance(1000);
    kernel::BssEntry list[4]{};
    uint32_t count = 4;
    ASSERT_EQ(h.kernel.GetNetWorkList(list, &count), 1);
    ASSERT_EQ(count, 1u) << "a network at signal 0 is out of range";
    EXPECT_EQ(base::FieldText(list[0].ssid), u"Home");
}

TEST(SimKernelTest, AssociationNeedsTheRightKeyAndThenBringsAddressAndInternet) {
    SimHarness h(kTwoNetworks);
    h.kernel.SetInternetCheck(1, 1);
    kernel::ConnectionBlock b{};
    ASSERT_EQ(h.kernel.InitConnectionBlock(&b), 1);
    EXPECT_EQ(b.securityFlags, kernel::kSecurityNone);
    EXPECT_EQ(b.FragThreshold, 2346);
    EXPECT_EQ(b.RTSThreshold, 2347);
    EXPECT_EQ(b.transmitPower, kernel::kTransmitPowerFull);
    Put(b.ssid, u"Home");
    b.securityFlags = kernel::kSecurityWpa2PskAes;
    b.keyFormat = kernel::kKeyPskAscii;
    Put(b.psk, u"homepass2");
    ASSERT_EQ(h.kernel.ConnectWithBlock(&b), 1);
    h.dispatcher.Advance(1000);
    EXPECT_FALSE(h.events.Has(9));
    kernel::ConnectionStatus status{};
    h.kernel.ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionNotAssociated);
    auto notes = h.Notes();
    ASSERT_FALSE(notes.empty());
    EXPECT_NE(notes.back().find(u"wrong key"), std::u16string::npos) << base::NarrowForLog(notes.back());

    h.events.events.clear();
    Put(b.psk, u"homepass1");
    ASSERT_EQ(h.kernel.ConnectWithBlock(&b), 1);
    h.dispatcher.Advance(100);
    ASSERT_TRUE(h.events.Has(9));
    EXPECT_FALSE(h.events.Has(10)) << "the address comes later";
    kernel::IpInfo ip{};
    h.kernel.ReadIpInfo(&ip);
    EXPECT_EQ(ip.address[0], 0) << "no address before DHCP has answered";
    h.dispatcher.Advance(200);
    ASSERT_TRUE(h.events.Has(10));
    h.kernel.ReadIpInfo(&ip);
    EXPECT_EQ(ip.address[0], 10);
    EXPECT_EQ(ip.address[3], 5);
    h.dispatcher.Advance(50);
    ASSERT_EQ(h.events.events.back(), std::make_pair(12, 1u));

    // Signal lost: the association, the address and the Internet go with it.
    h.events.events.clear();
    RunControlCommand(h.kernel, u"signal 00:00:00:00:00:01 0");
    h.dispatcher.RunDue();
    EXPECT_TRUE(h.events.Has(9));
    EXPECT_EQ(h.events.events.back(), std::make_pair(12, 0u));
    h.kernel.ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionNotAssociated);
}

TEST(SimKernelTest, AnyNetworkBlockJoinsTheStrongestThatAcceptsIt) {
    SimHarness h(kTwoNetworks);
    h.kernel.SetInternetCheck(1, 1);
    kernel::ConnectionBlock b{};
    h.kernel.InitConnectionBlock(&b);
    h.kernel.ConnectWithBlock(&b);
    h.dispatcher.Advance(1000);
    kernel::ConnectionStatus status{};
    h.kernel.ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionAssociated);
    EXPECT_EQ(base::FieldText(status.ssid), u"Cafe");
    EXPECT_EQ(status.signalQuality, 90u);
    EXPECT_FALSE(h.events.Has(12)) << "a network without a way out was never reachable: nothing changed";
    kernel::AdapterConfig config{};
    h.kernel.GetAdapterConfig(&config);
    EXPECT_EQ(config.associated, 1u);
    h.kernel.Disconnect();
    h.kernel.GetAdapterConfig(&config);
    EXPECT_EQ(config.associated, 0u);
}

TEST(SimKernelTest, UnplugStopsEverythingAndPlugSurveysOnItsOwn) {
    SimHarness h(kTwoNetworks);
    kernel::ConnectionBlock b{};
    h.kernel.InitConnectionBlock(&b);
    h.kernel.ConnectWithBlock(&b);
    h.dispatcher.Advance(400);
    EXPECT_EQ(RunControlCommand(h.kernel, u"unplug"), u"ok unplugged");
    EXPECT_EQ(RunControlCommand(h.kernel, u"unplug"), u"adapter already unplugged");
    h.dispatcher.RunDue();
    EXPECT_EQ(h.events.events.back().first, 1);
    EXPECT_EQ(h.kernel.StartSiteSurvey(0), 0);
    EXPECT_EQ(h.kernel.ConnectWithBlock(&b), 0);
    kernel::AdapterState state{};
    ASSERT_EQ(h.kernel.ReadAdapterState(&state), 1);
    EXPECT_EQ(state.present, 0u);
    kernel::ConnectionStatus status{};
    h.kernel.ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionNotAssociated);

    h.events.events.clear();
    EXPECT_EQ(RunControlCommand(h.kernel, u"plug"), u"ok plugged");
    h.dispatcher.Advance(1000);
    ASSERT_GE(h.events.events.size(), 3u);
    EXPECT_EQ(h.events.events[0].first, 0);
    EXPECT_EQ(h.events.events[1].first, 6);
    EXPECT_EQ(h.events.events[2].first, 7);

    h.events.events.clear();
    RunControlCommand(h.kernel, u"radio off");
    h.dispatcher.RunDue();
    EXPECT_EQ(h.events.events.back(), std::make_pair(5, 0u));
    ASSERT_EQ(h.kernel.StartSiteSurvey(0), 1) << "radio off: the survey ends at once, empty";
    h.dispatcher.RunDue();
    EXPECT_EQ(h.events.events.back().first, 7);
    uint32_t count = 4;
    kernel::BssEntry list[4];
    h.kernel.GetNetWorkList(list, &count);
    EXPECT_EQ(count, 0u);
}

TEST(SimKernelTest, TheServiceSurveysOnItsOwnWhenTold) {
    SimHarness h(kTwoNetworks);
    h.events.events.clear();
    EXPECT_EQ(RunControlCommand(h.kernel, u"survey"), u"ok survey started");
    h.dispatcher.RunDue();
    ASSERT_EQ(h.events.events.size(), 1u);
    EXPECT_EQ(h.events.events[0].first, 6) << "survey begun, without an arrival";
    h.dispatcher.Advance(5000);
    EXPECT_EQ(h.events.events.back().first, 7);
    uint32_t count = 4;
    kernel::BssEntry list[4];
    h.kernel.GetNetWorkList(list, &count);
    EXPECT_EQ(count, 2u);
    RunControlCommand(h.kernel, u"radio off");
    EXPECT_EQ(RunControlCommand(h.kernel, u"survey"), u"error no adapter with its radio on");
}

TEST(SimKernelTest, ANewReceiverHearsOfAPresentAdapterOnlyItself) {
    SimHarness h;
    EventLog late;
    ASSERT_EQ(h.kernel.AddReceiver(&late), 1);
    h.dispatcher.RunDue();
    EXPECT_EQ(late.events, (std::vector<std::pair<int, uint32_t>>{{0, 0}}));
    EXPECT_TRUE(h.events.events.empty()) << "receivers added before do not hear it again";
    EXPECT_EQ(h.kernel.AddReceiver(&late), 0) << "added once only";
    h.kernel.RemoveReceiver(&late);

    RunControlCommand(h.kernel, u"unplug");
    h.dispatcher.RunDue();
    EventLog absent;
    h.kernel.AddReceiver(&absent);
    h.dispatcher.RunDue();
    EXPECT_TRUE(absent.events.empty()) << "no adapter, no arrival";
    h.kernel.RemoveReceiver(&absent);
}

TEST(SimKernelTest, RegistryOperationsCreateKeysAndReportFailures) {
    SimHarness h;
    const uint32_t hklm = kernel::kHiveLocalMachine;
    EXPECT_EQ(h.kernel.RegSetString(u"SOFTWARE\\A\\B\\C", u"Name", u"x", hklm, 0), 1);
    EXPECT_TRUE(h.registry.KeyExists(hklm, u"SOFTWARE\\A\\B\\C"));
    EXPECT_EQ(h.kernel.RegSetDword(u"SOFTWARE\\A", u"N", 5, hklm, 0), 1);
    uint32_t n = 0;
    EXPECT_EQ(h.registry.ReadDword(hklm, u"SOFTWARE\\A", u"N", n), platform::kErrorSuccess);
    EXPECT_EQ(n, 5u);
    EXPECT_EQ(h.kernel.RegDeleteNamedValue(u"SOFTWARE\\A", u"N", hklm, 0), 0);
    EXPECT_NE(h.kernel.RegDeleteNamedValue(u"SOFTWARE\\A", u"N", hklm, 0), 0);
    EXPECT_EQ(h.kernel.GrantKeyAccess(u"SOFTWARE\\A", 0, hklm), 1);
    EXPECT_EQ(h.kernel.GrantKeyAccess(u"SOFTWARE\\Nope", 0, hklm), 0);
    EXPECT_EQ(h.kernel.RegDeleteKeyTree(u"SOFTWARE\\A", hklm, 0), 0);
    EXPECT_FALSE(h.registry.KeyExists(hklm, u"SOFTWARE\\A\\B"));
    EXPECT_EQ(h.kernel.RegSetString(u"SOFTWARE\\A", u"Name", u"x", 0x12345, 0), 0) << "not a hive";

    h.registry.FailWrites(hklm, u"SOFTWARE\\Locked", platform::kErrorAccessDenied);
    EXPECT_EQ(h.kernel.RegSetString(u"SOFTWARE\\Locked", u"Name", u"x", hklm, 0), 0);
    auto notes = h.Notes();
    ASSERT_FALSE(notes.empty());
    EXPECT_NE(notes.back().find(u"failed with error 5"), std::u16string::npos);
    auto calls = h.kernel.Log().Lines(u"RegSetString");
    EXPECT_EQ(calls.back(),
              u"RegSetString hive=0x80000002 key=\"SOFTWARE\\\\Locked\" name=\"Name\" text=\"x\" reserved=0");
}

TEST(SimKernelTest, ControlCommandsAndScenarioLoading) {
    SimHarness h(kTwoNetworks);
    EXPECT_EQ(RunControlCommand(h.kernel, u"").rfind(u"error", 0), 0u);
    EXPECT_EQ(RunControlCommand(h.kernel, u"radio sideways").rfind(u"error", 0), 0u);
    EXPECT_EQ(RunControlCommand(h.kernel, u"signal Cafe 101").rfind(u"error", 0), 0u);
    EXPECT_EQ(RunControlCommand(h.kernel, u"signal Nowhere 10").rfind(u"error", 0), 0u);
    EXPECT_EQ(RunControlCommand(h.kernel, u"SIGNAL \"Cafe\" 10"), u"ok signal Cafe 10");
    EXPECT_EQ(RunControlCommand(h.kernel, u"load missing.ini").rfind(u"error", 0), 0u);
    EXPECT_EQ(h.kernel.WorldCopy().networks.size(), 2u) << "an unreadable scenario changes nothing";

    h.files[u"C:\\gone.ini"] = "[Adapter]\nPresent=0\n";
    RunControlCommand(h.kernel, u"load C:\\gone.ini");
    h.files[u"C:\\back.ini"] = "[Adapter]\nPresent=1\n";
    RunControlCommand(h.kernel, u"load C:\\back.ini");
    h.dispatcher.RunDue();
    EXPECT_EQ(h.events.events, (std::vector<std::pair<int, uint32_t>>{{1, 0}, {0, 0}}))
        << "a scenario without the adapter removes it, the next one brings it back";
    h.files[u"C:\\s.ini"] = "[Solo]\nChannel=99x\n";
    EXPECT_EQ(RunControlCommand(h.kernel, u"load C:\\s.ini"), u"ok loaded C:\\s.ini (1 problems, see log)");
    World w = h.kernel.WorldCopy();
    ASSERT_EQ(w.networks.size(), 1u);
    EXPECT_EQ(w.networks[0].ssid, u"Solo");
    EXPECT_EQ(w.timing.scan, Timing{}.scan) << "a loaded scenario starts from the built-in world";

    std::u16string log = RunControlCommand(h.kernel, u"log control");
    EXPECT_NE(log.find(u"control signal \"Cafe\" 10\n"), std::u16string::npos) << base::NarrowForLog(log);
    EXPECT_EQ(log.find(u"note"), std::u16string::npos);
    EXPECT_EQ(RunControlCommand(h.kernel, u"clearlog"), u"ok log cleared");
    EXPECT_TRUE(h.kernel.Log().Lines().empty());
    EXPECT_EQ(SplitWords(u"  a \"b c\"  d "), (std::vector<std::u16string>{u"a", u"b c", u"d"}));
}

TEST(SimKernelTest, LogQuotesEveryFieldAndStaysOneLinePerCall) {
    SimHarness h;
    kernel::ConnectionBlock b{};
    // An SSID field filled to its very end, with no terminator, and a line break inside.
    for (auto& c : b.ssid) {
        c = u'S';
    }
    b.ssid[3] = u'\n';
    Put(b.psk, u"a\"b\\c");
    h.kernel.ConnectWithBlock(&b);
    auto lines = h.kernel.Log().Lines(u"ConnectWithBlock");
    ASSERT_EQ(lines.size(), 1u);
    std::u16string expectedSsid = u"ssid=\"SSS\\n" + std::u16string(30, u'S') + u"\"";
    EXPECT_NE(lines[0].find(expectedSsid), std::u16string::npos) << base::NarrowForLog(lines[0]);
    EXPECT_NE(lines[0].find(u"psk=\"a\\\"b\\\\c\""), std::u16string::npos);
    CallLog small(3);
    for (int i = 0; i < 5; ++i) {
        small.Add(base::Widen(std::to_string(i)));
    }
    EXPECT_EQ(small.Lines(), (std::vector<std::u16string>{u"2", u"3", u"4"}));
}

} // namespace
} // namespace skyvane

namespace skyvane {
namespace {

TEST(SimKernelTest, AnAdHocNetworkNobodyOffersIsStartedAndEndsWithTheLink) {
    SimHarness h(u"[Peer]\nType=AdHoc\nBSSID=02:00:00:00:00:01\nSecurity=WEP\nKey=abcde\n");
    kernel::ConnectionBlock b{};
    h.kernel.InitConnectionBlock(&b);
    b.NetworkConnectType = kernel::kNetworkAdHoc;
    b.adHocChannel = 3;
    Put(b.ssid, u"Party");
    h.kernel.ConnectWithBlock(&b);
    h.dispatcher.Advance(1000);
    kernel::ConnectionStatus status{};
    h.kernel.ReadConnection(&status);
    ASSERT_EQ(status.flags, kernel::kConnectionAssociated);
    EXPECT_EQ(base::FieldText(status.ssid), u"Party");
    EXPECT_EQ(status.channel, 3u);
    EXPECT_EQ(status.bssid[0] & 0x03, 0x02) << "a locally administered, individual address";
    kernel::IpInfo ip{};
    h.kernel.ReadIpInfo(&ip);
    EXPECT_EQ(ip.address[0], 169);
    h.kernel.StartSiteSurvey(0);
    h.dispatcher.Advance(1000);
    kernel::BssEntry list[4];
    uint32_t count = 4;
    h.kernel.GetNetWorkList(list, &count);
    EXPECT_EQ(count, 1u) << "the adapter does not hear its own network";
    h.kernel.Disconnect();
    EXPECT_EQ(h.kernel.WorldCopy().networks.size(), 1u) << "the started network ends with the link";

    // An ad-hoc network in range with that name must be joined with its key, never shadowed.
    Put(b.ssid, u"Peer");
    b.securityFlags = kernel::kSecurityWep;
    Put(b.wepKeys[0], u"abcdf");
    h.kernel.ConnectWithBlock(&b);
    h.dispatcher.Advance(1000);
    h.kernel.ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionNotAssociated);
    EXPECT_EQ(h.kernel.WorldCopy().networks.size(), 1u);
}

TEST(SimKernelTest, HiddenNetworksAreJoinedOnlyByName) {
    SimHarness h(u"[Secret]\nHidden=1\nBSSID=00:00:00:00:00:07\nSecurity=None\n");
    kernel::ConnectionBlock b{};
    h.kernel.InitConnectionBlock(&b);
    h.kernel.ConnectWithBlock(&b);
    h.dispatcher.Advance(1000);
    kernel::ConnectionStatus status{};
    h.kernel.ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionNotAssociated);
    Put(b.ssid, u"Secret");
    h.kernel.ConnectWithBlock(&b);
    h.dispatcher.Advance(1000);
    h.kernel.ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionAssociated);
    EXPECT_EQ(base::FieldText(status.ssid), u"Secret");
}

} // namespace
} // namespace skyvane
