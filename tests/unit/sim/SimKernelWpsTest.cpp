#include <gtest/gtest.h>

#include <algorithm>

#include "SimHarness.h"
#include "kernel/BssEntry.h"
#include "kernel/WpsRequest.h"
#include "skyvane/ControlCommands.h"

namespace skyvane {
namespace {

using namespace kernel;

const char16_t kWorld[] =
    u"[Pbc]\nBSSID=00:00:00:00:00:0A\nSecurity=WEP\nKey=Warehouse2010\nPushButton=1\n"
    u"[Pin]\nBSSID=00:00:00:00:00:0B\nSecurity=WPA2-PSK\nPassphrase=pinpass12\nAPPin=87654325\n";

WpsRequest PushButton() {
    WpsRequest r{};
    r.method = kWpsMethodPushButton;
    r.marker = 0x80;
    return r;
}

WpsRequest ApPin(const char16_t* pin, uint8_t last) {
    WpsRequest r{};
    r.method = kWpsMethodApPin;
    r.marker = 0x80;
    Put(r.pin, pin);
    r.bssid[5] = last;
    return r;
}

TEST(SimKernelWpsTest, PushButtonDeliversAWepNetworkAndTheStartTick) {
    SimHarness h(kWorld);
    h.dispatcher.Advance(12345);
    ASSERT_EQ(h.kernel.WpsStart(PushButton()), 1);
    EXPECT_EQ(h.kernel.WpsStartTick(), 12345u + 1000000u);
    EXPECT_EQ(h.kernel.WpsStart(PushButton()), 0) << "one exchange at a time";
    h.dispatcher.Advance(2000);
    auto codes = h.events.Wps();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), KWL_WPS_SUCCESS);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end())) << "the codes of a good exchange only grow";
    ConnectionBlock result{};
    ASSERT_EQ(h.kernel.WpsGetResult(&result), 1);
    EXPECT_EQ(base::FieldText(result.ssid), u"Pbc");
    EXPECT_EQ(result.securityFlags, kAuthCode2 | kCipherWep);
    EXPECT_EQ(result.keyFormat, kKeyWep128);
    EXPECT_EQ(base::FieldText(result.wepKeys[result.defaultKey]), u"Warehouse2010");
    EXPECT_EQ(result.BSSID[5], 0x0A);
    EXPECT_EQ(h.kernel.WpsQuery() & 0xFF, 0u);
    EXPECT_EQ(h.kernel.WpsFailureCheck(), 0);
}

TEST(SimKernelWpsTest, PushButtonWithoutAnApTimesOutAndAnApPressedLaterIsFound) {
    SimHarness h(u"[Quiet]\nBSSID=00:00:00:00:00:0C\nWPS=1\n");
    ASSERT_EQ(h.kernel.WpsStart(PushButton()), 1);
    h.dispatcher.Advance(4000);
    EXPECT_EQ(h.kernel.WpsQuery() & 0xFF, 1u) << "still looking within the walk time";
    h.dispatcher.Advance(2000);
    EXPECT_EQ(h.events.Wps().back(), KWL_WPS_TIMEOUT);
    EXPECT_EQ(h.kernel.WpsQuery() & 0xFF, 0u);

    h.events.events.clear();
    ASSERT_EQ(h.kernel.WpsStart(PushButton()), 1);
    h.dispatcher.Advance(2500);
    EXPECT_EQ(RunControlCommand(h.kernel, u"apbutton Quiet on"), u"ok apbutton Quiet on");
    h.dispatcher.Advance(2000);
    EXPECT_EQ(h.events.Wps().back(), KWL_WPS_SUCCESS);
}

TEST(SimKernelWpsTest, ApPinChecksThePinAndAbortAlwaysEndsCancelled) {
    SimHarness h(kWorld);
    EXPECT_EQ(h.kernel.WpsStart(ApPin(u"1234567", 0x0B)), 0) << "a PIN has 8 digits";
    ASSERT_EQ(h.kernel.WpsStart(ApPin(u"87654320", 0x0B)), 1);
    h.dispatcher.Advance(2000);
    auto codes = h.events.Wps();
    EXPECT_EQ(codes.back(), KWL_WPS_FAILURE);
    EXPECT_NE(std::find(codes.begin(), codes.end(), KWL_WPS_EAP_M1 + 0x30), codes.end());
    EXPECT_EQ(std::find(codes.begin(), codes.end(), KWL_WPS_EAP_M1 + 0x40), codes.end())
        << "a wrong PIN is found out at M4";
    BssEntry list[4];
    uint32_t count = 4;
    ASSERT_EQ(h.kernel.WpsGetApList(list, &count), 0);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(list[0].bssid[5], 0x0B);
    EXPECT_EQ(h.kernel.WpsFailureCheck(), 1);
    ConnectionBlock result{};
    EXPECT_EQ(h.kernel.WpsGetResult(&result), 0);

    h.events.events.clear();
    ASSERT_EQ(h.kernel.WpsStart(ApPin(u"87654325", 0x0B)), 1);
    h.dispatcher.Advance(15);
    EXPECT_EQ(h.kernel.WpsAbort(), 1);
    h.dispatcher.Advance(2000);
    codes = h.events.Wps();
    EXPECT_EQ(codes.back(), KWL_WPS_CANCELLED);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), KWL_WPS_SUCCESS), 0)
        << "nothing of the aborted exchange follows";

    h.events.events.clear();
    EXPECT_EQ(h.kernel.WpsAbort(), 1);
    h.dispatcher.Advance(100);
    EXPECT_EQ(h.events.Wps(), std::vector<uint32_t>{KWL_WPS_CANCELLED})
        << "an abort after the end still answers";
}

TEST(SimKernelWpsTest, HardwareButtonRunsAnExchangeTheProgramDidNotStart) {
    SimHarness h(kWorld);
    EXPECT_EQ(RunControlCommand(h.kernel, u"hwbutton"), u"ok hardware push button pressed");
    EXPECT_EQ(RunControlCommand(h.kernel, u"hwbutton").rfind(u"error", 0), 0u);
    h.dispatcher.Advance(2000);
    auto codes = h.events.Wps();
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes[0], WPS_ST_HW_BUTTON);
    EXPECT_EQ(codes[1], KWL_WPS_STARTING);
    EXPECT_EQ(codes.back(), KWL_WPS_SUCCESS);
    EXPECT_TRUE(h.kernel.Log().Lines(u"WpsStart ").empty()) << "the program sent no request";

    h.events.events.clear();
    EXPECT_EQ(RunControlCommand(h.kernel, u"hwcancel"), u"ok cancel reported (no exchange was running)");
    h.dispatcher.Advance(100);
    EXPECT_EQ(h.events.Wps(), std::vector<uint32_t>{WPS_ST_HW_CANCEL});
}

TEST(SimKernelWpsTest, UnconfiguredApAdoptsTheRegistrarNetwork) {
    SimHarness h(u"[Fresh]\nBSSID=00:00:00:00:00:0D\nSecurity=None\nAPPin=12345670\nConfigured=0\n");
    WpsRequest r = ApPin(u"12345670", 0x0D);
    Put(r.newSsid, u"ORVL_k3Y]x!Q9");
    r.newSecurity = 0x00100004;
    r.newFlags = 0x00010000;
    Put(r.newPassphrase, u"a passphrase");
    ASSERT_EQ(h.kernel.WpsStart(r), 1);
    h.dispatcher.Advance(2000);
    ASSERT_EQ(h.events.Wps().back(), KWL_WPS_SUCCESS);
    // The network now exists under its new name and takes the new key.
    ConnectionBlock b{};
    ASSERT_EQ(h.kernel.WpsGetResult(&b), 1);
    EXPECT_EQ(b.securityFlags, kSecurityWpaPskTkip);
    h.kernel.ConnectWithBlock(&b);
    h.dispatcher.Advance(1000);
    ConnectionStatus status{};
    h.kernel.ReadConnection(&status);
    EXPECT_EQ(status.flags, kConnectionAssociated);
    EXPECT_EQ(base::FieldText(status.ssid), u"ORVL_k3Y]x!Q9");
}

// `hwbutton <ms>`: the exchange counts as started that long ago, in its start tick and its walk time.
TEST(SimKernelWpsTest, AHardwarePressInThePastShortensTheWalkTime) {
    SimHarness late(u"[Quiet]\nBSSID=00:00:00:00:00:0C\nWPS=1\n");
    late.dispatcher.Advance(10000);
    EXPECT_EQ(RunControlCommand(late.kernel, u"hwbutton 3000"), u"ok hardware push button pressed");
    EXPECT_EQ(late.kernel.WpsStartTick(), 10000u + 1000000u - 3000u);
    late.dispatcher.Advance(2500);
    auto codes = late.events.Wps();
    EXPECT_NE(std::find(codes.begin(), codes.end(), KWL_WPS_TIMEOUT), codes.end()) << "5 s walk, 3 s gone";
    EXPECT_EQ(late.kernel.Log().Lines(u"control hwbutton"),
              std::vector<std::u16string>{u"control hwbutton 3000"});

    SimHarness now(u"[Quiet]\nBSSID=00:00:00:00:00:0C\nWPS=1\n");
    EXPECT_EQ(RunControlCommand(now.kernel, u"hwbutton"), u"ok hardware push button pressed");
    now.dispatcher.Advance(2500);
    codes = now.events.Wps();
    EXPECT_EQ(std::find(codes.begin(), codes.end(), KWL_WPS_TIMEOUT), codes.end());
    EXPECT_EQ(RunControlCommand(now.kernel, u"hwbutton soon").rfind(u"error", 0), 0u);
}

// WpsInvolved names the APs an unsuccessful exchange with that AP reports: known ones with their
// entries, unknown ones by address, none when the key is empty; without the key the AP itself.
TEST(SimKernelWpsTest, WpsInvolvedNamesTheApsAfterAFailure) {
    struct Case {
        std::string key;
        std::vector<uint8_t> lastBytes;
    };
    const std::vector<Case> cases = {
        {"WpsInvolved=00:00:00:00:00:0B, 00:00:00:00:00:77\n", {0x0B, 0x77}},
        {"WpsInvolved=\n", {}},
        {"", {0x0A}},
    };
    for (const Case& c : cases) {
        SimHarness h(u"[Wrong]\nBSSID=00:00:00:00:00:0A\nAPPin=87654325\n" + base::Widen(c.key) +
                     u"[Other]\nBSSID=00:00:00:00:00:0B\nWPS=1\n");
        EXPECT_TRUE(h.Notes().empty()) << c.key;
        ASSERT_EQ(h.kernel.WpsStart(ApPin(u"12345670", 0x0A)), 1);
        h.dispatcher.Advance(3000);
        ASSERT_EQ(h.events.Wps().back(), KWL_WPS_FAILURE);
        BssEntry list[4]{};
        uint32_t count = 4;
        ASSERT_EQ(h.kernel.WpsGetApList(list, &count), 0);
        std::vector<uint8_t> got;
        for (uint32_t i = 0; i < count; ++i) {
            got.push_back(list[i].bssid[5]);
        }
        EXPECT_EQ(got, c.lastBytes) << c.key;
    }
    SimHarness bad(u"[Wrong]\nBSSID=00:00:00:00:00:0A\nWPS=1\nWpsInvolved=00:00:00:00:00:0B,\n");
    ASSERT_EQ(bad.Notes().size(), 1u);
    EXPECT_NE(bad.Notes()[0].find(u"WpsInvolved"), std::u16string::npos);
}

TEST(SimKernelWpsTest, APinWithAWrongCheckDigitIsNoted) {
    SimHarness h(u"[Pin]\nBSSID=00:00:00:00:00:0B\nAPPin=87654321\n");
    ASSERT_EQ(h.Notes().size(), 1u);
    EXPECT_NE(h.Notes()[0].find(u"APPin=87654321: wrong check digit"), std::u16string::npos);
    h.kernel.Log().Clear();
    ASSERT_EQ(h.kernel.WpsStart(ApPin(u"01234565", 0x0B)), 1);
    EXPECT_TRUE(h.Notes().empty()) << "a good check digit";
    h.kernel.WpsStop();
    ASSERT_EQ(h.kernel.WpsStart(ApPin(u"01234566", 0x0B)), 1);
    EXPECT_EQ(h.Notes(),
              std::vector<std::u16string>{u"note WpsStart PIN \"01234566\" has a wrong check digit"});
}

} // namespace
} // namespace skyvane
