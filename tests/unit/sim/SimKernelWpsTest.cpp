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

} // namespace
} // namespace skyvane
