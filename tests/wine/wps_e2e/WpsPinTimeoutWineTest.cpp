// The two PIN exchanges under Wine that only the full four minutes end: the adapter's PIN, which the access
// point never accepts, and an access point's PIN that does not match, at an access point that names two
// access points after the failed exchange. The service reports the failure within seconds; the page keeps
// counting down and decides only when its countdown has run out. Both runs share one program start, since
// each takes four minutes of real time.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "wine/wps_e2e/WpsUnderWine.h"

using namespace wps_e2e;
using settings_e2e::ProfileStored;

namespace {

constexpr char kCrowdedBssid[] = "00:24:B2:10:30:01";
constexpr char kNextDoorBssid[] = "00:24:B2:10:30:02";
// Its check digit is right, so the page sends it; Crowded's own PIN is 87654325.
constexpr wchar_t kWrongApPin[] = L"12345670";

// HomeNet (the start-up profile's network) refuses the adapter's PIN. Crowded takes only its own PIN and,
// after an exchange that failed, names itself and NextDoor as the access points involved.
std::string RefusingWorld() {
    return std::string("[World]\r\nInternet=1\r\nScanDelay=800\r\nAssociateDelay=200\r\nAddressDelay=300\r\n"
                       "InternetDelay=300\r\nWpsStepDelay=400\r\nWpsWalkTime=120000\r\nLinkPeriod=0\r\n"
                       "[Adapter]\r\nPresent=1\r\nPIN=") +
           kAdapterPin + "\r\n[HomeNet]\r\nBSSID=" + kHomeBssid +
           "\r\nChannel=6\r\nModes=bgn\r\nSecurity=WPA2-PSK\r\nPassphrase=sunflower42\r\nSignal=88\r\n"
           "Address=192.168.1.20\r\nWPS=1\r\nAPPin=87654325\r\nAcceptAdapterPin=0\r\n"
           "[Crowded]\r\nBSSID=" +
           kCrowdedBssid +
           "\r\nChannel=11\r\nModes=bg\r\nSecurity=WPA2-PSK\r\nPassphrase=crowded123\r\nSignal=75\r\n"
           "Address=192.168.30.100\r\nWPS=1\r\nAPPin=87654325\r\nWpsInvolved=" +
           kCrowdedBssid + "," + kNextDoorBssid + "\r\n[NextDoor]\r\nBSSID=" + kNextDoorBssid +
           "\r\nChannel=11\r\nModes=bg\r\nSecurity=WPA-PSK\r\nPassphrase=nextdoor12\r\nSignal=60\r\n"
           "Address=192.168.31.100\r\nWPS=1\r\nAPPin=11223344\r\n";
}

class WpsPinTimeout : public WpsUnderWine {
protected:
    // The PIN process page until it closes by itself after the service reported the failure: the window that
    // follows it. The countdown has to be seen at 0 on the way: the page decides only after the full count,
    // not at the failure.
    HWND OutlastCountdown(HWND process, int followingMarker, size_t mark) {
        EXPECT_TRUE(LogHas("event OnWKWPSStatus 0x8001", 30000, mark)) << "the access point did not refuse";
        EXPECT_TRUE(IsWindow(process)) << "the failure closed the page before its countdown ran out";
        std::wstring lastShown;
        HWND next = nullptr;
        WaitFor(
            [&] {
                if (IsWindow(process)) {
                    std::wstring shown = TextIn(process, IDC_WPSPINPROC_COUNTDOWN);
                    if (!shown.empty()) {
                        lastShown = shown;
                    }
                }
                next = WindowWith(followingMarker);
                return next != nullptr;
            },
            300000);
        EXPECT_NE(next, nullptr) << "window " << followingMarker
                                 << " did not come; showing:" << DescribeWindows();
        EXPECT_EQ(lastShown, L"0") << "the page closed before its countdown ran out";
        return next;
    }

    // The one request of the run, prepared right before it went out, and nothing stored for it.
    void ExpectOneRequestNothingStored(size_t mark, const std::vector<std::wstring>& profilesBefore) {
        std::vector<std::string> calls = CallsSince(mark);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "WpsStart"), 1);
        ExpectPreparedStarts(mark);
        EXPECT_EQ(StoredProfileNames(), profilesBefore);
        for (const std::string& line : LogLines(mark)) {
            EXPECT_EQ(line.find("-WPS"), std::string::npos) << "a WPS profile was written: " << line;
        }
    }
};

TEST_F(WpsPinTimeout, RefusedAdapterPinTimesOutAndWrongApPinNamesBothAccessPoints) {
    WriteScenario(L"wps-refusing-world.ini", RefusingWorld());
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(LogHas("note associated with \"HomeNet\"", 20000)) << Log();
    const std::vector<std::wstring> profilesBefore = StoredProfileNames();

    // The adapter's PIN, never entered at HomeNet.
    size_t mark = Log().size();
    HWND choice = PinChoiceFor(L"HomeNet");
    ASSERT_NE(choice, nullptr);
    EXPECT_TRUE(ClickChoice(choice, IDC_WPSPIN_ADAPTERPIN));
    HWND process = PressLeadingTo(choice, IDC_WPSPIN_NEXT, kPinProcessPage);
    ASSERT_NE(process, nullptr);
    std::string start = AdapterPinStart(mark);
    EXPECT_NE(start.find("newSsid=\"\" newSecurity=0x00000000 newFlags=0x00000000 newPassphrase=\"\""),
              std::string::npos)
        << "the adapter's PIN sends no registrar settings: " << start;
    HWND error = OutlastCountdown(process, kErrorPage, mark);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_HEADLINE), L"The WPS procedure timed out.");
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_DETAIL),
              L"The adapter could not join a wireless network within 4 minutes.");
    EXPECT_TRUE(Answer(error, IDCANCEL));
    EXPECT_TRUE(WaitFor([&] { return NoWpsOrWizardWindow(); }, 10000)) << DescribeWindows();
    ExpectOneRequestNothingStored(mark, profilesBefore);

    // A wrong PIN for Crowded: after the count the page asks which access points took part, and lists both.
    mark = Log().size();
    choice = PinChoiceFor(L"Crowded");
    ASSERT_NE(choice, nullptr);
    TypeInto(choice, IDC_WPSPIN_EDIT, kWrongApPin);
    process = PressLeadingTo(choice, IDC_WPSPIN_NEXT, kPinProcessPage);
    ASSERT_NE(process, nullptr);
    start = LineStarting("WpsStart ", mark);
    EXPECT_EQ(start.rfind(std::string("WpsStart method=16 marker=0x0080 pin=\"") + Narrowed(kWrongApPin) +
                              "\" ssid=\"Crowded\" bssid=" + kCrowdedBssid + " ",
                          0),
              0u)
        << start;
    EXPECT_EQ(QuotedField(start, "newSsid").rfind("ORVL_", 0), 0u) << start;
    HWND several = OutlastCountdown(process, IDC_WPSTIMEOUT_BSSIDS, mark);
    ASSERT_NE(several, nullptr);
    EXPECT_EQ(TextIn(several, IDC_WPSTIMEOUT_HEADLINE), L"WPS did not finish in time.");
    EXPECT_EQ(TextIn(several, IDC_WPSTIMEOUT_FIRST_DETAIL), L"The chosen PIN method ran out of time.");
    EXPECT_EQ(Narrowed(TextIn(several, IDC_WPSTIMEOUT_BSSIDS)),
              std::string(kCrowdedBssid) + ", " + kNextDoorBssid + ".");
    std::vector<std::string> calls = CallsSince(mark);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "WpsGetApList"), calls.end());
    EXPECT_TRUE(Answer(several, IDCANCEL));
    EXPECT_TRUE(WaitFor(
        [&] { return NoWpsOrWizardWindow() && ExistingWindowWith(IDC_WPSTIMEOUT_BSSIDS) == nullptr; }, 10000))
        << DescribeWindows();
    ExpectOneRequestNothingStored(mark, profilesBefore);
    EXPECT_FALSE(ProfileStored(L"Crowded-WPS"));
    EXPECT_FALSE(ProfileStored(L"HomeNet-WPS"));
}

} // namespace
