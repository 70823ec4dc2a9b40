// The stand-in service library as the program meets it: loaded by name, driven through IWirelessKernel,
// heard through INotificationReceiver, steered through its control pipe.
#include <gtest/gtest.h>

#include <cstring>

#include "SimTestSupport.h"
#include "kernel/BssEntry.h"
#include "kernel/WpsRequest.h"

using namespace simtest;

namespace {

const std::string kQuick = "[World]\nScanDelay=100\nAssociateDelay=50\nAddressDelay=50\nInternetDelay=50\n"
                           "WpsStepDelay=20\nWpsWalkTime=2000\nLinkPeriod=0\n";

std::string Narrow(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        out += static_cast<char>(c);
    }
    return out;
}

std::string Field(const char16_t* f, size_t n) {
    size_t len = 0;
    while (len < n && f[len]) {
        ++len;
    }
    return Narrow(std::u16string_view(f, len));
}

template <size_t N> void Put(char16_t (&field)[N], const char* text) {
    std::memset(field, 0, sizeof(field));
    for (size_t i = 0; text[i] && i + 1 < N; ++i) {
        field[i] = static_cast<char16_t>(text[i]);
    }
}

kernel::ConnectionBlock Block(const char* ssid, uint32_t security) {
    kernel::ConnectionBlock b{};
    Kernel()->InitConnectionBlock(&b);
    Put(b.ssid, ssid);
    b.securityFlags = security;
    return b;
}

class SkyvaneTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Kernel(), nullptr)
            << "Skyvane.dll or its export GetSkyvaneInstance not found in the install tree";
    }
    Recorder rec;
};

TEST_F(SkyvaneTest, SurveyDeliversEveryFieldOfTheScenarioNetworks) {
    LoadScenario(
        kQuick +
        "[Alpha]\nBSSID=00:11:22:33:44:01\nChannel=11\nModes=bg\nSecurity=WPA2-PSK\n"
        "Passphrase=alphapass\nSignal=77\n"
        "[Beta]\nBSSID=00:11:22:33:44:02\nChannel=36\nModes=an\nSecurity=WPA-PSK/WPA2-PSK\n"
        "Passphrase=betapass1\nSignal=41\nWPS=1\n"
        "[Ghost]\nHidden=1\nBSSID=00:11:22:33:44:03\nChannel=2\nModes=b\nSecurity=WEP\nKey=12345\n"
        "Signal=12\n"
        "[Peer]\nType=AdHoc\nBSSID=02:11:22:33:44:04\nChannel=10\nModes=b\nSecurity=None\nSignal=30\n");
    Subscription sub(rec);
    ASSERT_EQ(Kernel()->StartSiteSurvey(0), 1);
    ASSERT_TRUE(rec.WaitFor(7, 0));
    EXPECT_NE(rec.LastThread(), GetCurrentThreadId()) << "events must come on the library's own thread";
    auto events = rec.Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0].slot, 6) << "survey begun comes first";

    kernel::BssEntry list[8];
    std::memset(list, 0xCD, sizeof(list));
    uint32_t count = 8;
    ASSERT_EQ(Kernel()->GetNetWorkList(list, &count), 1);
    ASSERT_EQ(count, 4u);
    EXPECT_EQ(Field(list[0].ssid, 34), "Alpha");
    const uint8_t alphaMac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x01};
    EXPECT_EQ(std::memcmp(list[0].bssid, alphaMac, 6), 0);
    EXPECT_EQ(list[0].channel, 11);
    EXPECT_EQ(list[0].networkType, 0u);
    EXPECT_EQ(list[0].radioModes, kernel::kRadio80211b | kernel::kRadio80211g);
    EXPECT_EQ(list[0].security, kernel::kBssWpa2Psk);
    EXPECT_EQ(list[0].capabilities, 0u);
    EXPECT_EQ(list[0].signal, 77);
    EXPECT_EQ(Field(list[1].ssid, 34), "Beta");
    EXPECT_EQ(list[1].channel, 36);
    EXPECT_EQ(list[1].radioModes, kernel::kRadio80211a);
    EXPECT_EQ(list[1].security, kernel::kBssWpaPsk | kernel::kBssWpa2Psk);
    EXPECT_EQ(list[1].capabilities, kernel::kCap80211n | kernel::kCapWps);
    EXPECT_EQ(Field(list[2].ssid, 34), "") << "a hidden network beacons without its name";
    EXPECT_EQ(list[2].security, kernel::kBssWep);
    EXPECT_EQ(list[3].networkType, 1u);
    EXPECT_EQ(list[3].security, kernel::kBssOpen);
    EXPECT_EQ(reinterpret_cast<uint8_t*>(&list[4])[0], 0xCD) << "nothing written past the delivered entries";

    kernel::BssEntry two[3];
    std::memset(two, 0xCD, sizeof(two));
    count = 2;
    ASSERT_EQ(Kernel()->GetNetWorkList(two, &count), 1);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(reinterpret_cast<uint8_t*>(&two[2])[0], 0xCD) << "never more entries than the count given";
}

TEST_F(SkyvaneTest, RightKeyAssociatesAndGetsAnAddressWrongKeyDoesNot) {
    LoadScenario(kQuick +
                 "[Home]\nBSSID=00:11:22:33:44:10\nSecurity=WPA2-PSK\nPassphrase=rightpass\nSignal=66\n"
                 "Address=10.1.2.3\nMask=255.0.0.0\nGateway=10.0.0.1\n"
                 "[Old]\nBSSID=00:11:22:33:44:11\nSecurity=WEP\nKey=0102030405\n");
    Subscription sub(rec);

    kernel::ConnectionBlock wrong = Block("Home", kernel::kSecurityWpa2PskAes);
    wrong.keyFormat = kernel::kKeyPskAscii;
    Put(wrong.psk, "wrongpass");
    ASSERT_EQ(Kernel()->ConnectWithBlock(&wrong), 1);
    ASSERT_TRUE(rec.WaitFor(8, 0)) << "a failed attempt is a state change";
    kernel::ConnectionStatus status{};
    Kernel()->ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionNotAssociated);
    kernel::IpInfo ip{};
    Kernel()->ReadIpInfo(&ip);
    EXPECT_EQ(ip.address[0], 0);

    rec.Clear();
    kernel::ConnectionBlock right = wrong;
    Put(right.psk, "rightpass");
    ASSERT_EQ(Kernel()->ConnectWithBlock(&right), 1);
    ASSERT_TRUE(rec.WaitFor(9, 0));
    ASSERT_TRUE(rec.WaitFor(10, 0));
    Kernel()->ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionAssociated);
    EXPECT_EQ(Field(status.ssid, 34), "Home");
    EXPECT_EQ(status.bssid[5], 0x10);
    EXPECT_EQ(status.signalQuality, 66u);
    Kernel()->ReadIpInfo(&ip);
    EXPECT_EQ(ip.address[0], 10);
    EXPECT_EQ(ip.address[3], 3);
    EXPECT_EQ(ip.mask[0], 255);
    EXPECT_EQ(ip.gateway[3], 1);
    kernel::AdapterConfig config{};
    Kernel()->GetAdapterConfig(&config);
    EXPECT_EQ(config.associated, 1u);

    // WEP: the key that counts is the one at defaultKey.
    rec.Clear();
    kernel::ConnectionBlock wep = Block("Old", kernel::kSecurityWep);
    wep.keyFormat = kernel::kKeyWep64;
    wep.defaultKey = 2;
    Put(wep.wepKeys[0], "0102030405");
    Put(wep.wepKeys[2], "AABBCCDDEE");
    ASSERT_EQ(Kernel()->ConnectWithBlock(&wep), 1);
    ASSERT_TRUE(rec.WaitFor(8, 0));
    Kernel()->ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionNotAssociated);
    rec.Clear();
    wep.defaultKey = 0;
    ASSERT_EQ(Kernel()->ConnectWithBlock(&wep), 1);
    ASSERT_TRUE(rec.WaitFor(10, 0));
    Kernel()->ReadConnection(&status);
    EXPECT_EQ(Field(status.ssid, 34), "Old");

    rec.Clear();
    EXPECT_EQ(Kernel()->Disconnect(), 1);
    ASSERT_TRUE(rec.WaitFor(9, 0));
    Kernel()->ReadConnection(&status);
    EXPECT_EQ(status.flags, kernel::kConnectionNotAssociated);
}

TEST_F(SkyvaneTest, InternetIsReportedOnlyWhileTheCheckIsOn) {
    LoadScenario(kQuick + "[Open]\nBSSID=00:11:22:33:44:20\nSecurity=None\n");
    Subscription sub(rec);
    Kernel()->SetInternetCheck(1, 1);
    kernel::ConnectionBlock open = Block("Open", kernel::kSecurityNone);
    ASSERT_EQ(Kernel()->ConnectWithBlock(&open), 1);
    ASSERT_TRUE(rec.WaitFor(12, 1));
    rec.Clear();
    EXPECT_EQ(Control(L"internet off"), L"ok internet off");
    ASSERT_TRUE(rec.WaitFor(12, 0));

    Kernel()->SetInternetCheck(1, 0);
    rec.Clear();
    Control(L"internet on");
    Kernel()->Disconnect();
    ASSERT_EQ(Kernel()->ConnectWithBlock(&open), 1);
    ASSERT_TRUE(rec.WaitFor(10, 0));
    Control(L"status"); // a round trip, so that a report that should not come has had its time
    Sleep(300);
    for (const Event& e : rec.Events()) {
        EXPECT_NE(e.slot, 12) << "reachability reported although the check is off";
    }
}

kernel::WpsRequest Request(uint16_t method, const char* pin, const char* ssid, const uint8_t* bssid) {
    kernel::WpsRequest r{};
    r.method = method;
    r.marker = 0x80;
    Put(r.pin, pin);
    Put(r.ssid, ssid);
    if (bssid) {
        std::memcpy(r.bssid, bssid, 6);
    }
    r.blockValue = 2048;
    return r;
}

const std::string kWpsWorld = kQuick +
                              "[PressMe]\nBSSID=00:11:22:33:44:30\nModes=bgn\nSecurity=WPA2-PSK\n"
                              "Passphrase=pbcsecret\nWPS=1\nPushButton=1\n"
                              "[PinAp]\nBSSID=00:11:22:33:44:31\nSecurity=WPA-PSK\nPassphrase=pinsecret\n"
                              "APPin=87654325\nAcceptAdapterPin=1\n"
                              "[Blank]\nBSSID=00:11:22:33:44:32\nSecurity=WPA2-PSK\nPassphrase=factory12\n"
                              "APPin=12345670\nConfigured=0\n";

TEST_F(SkyvaneTest, PushButtonSucceedsInOrderAndDeliversTheSettings) {
    LoadScenario(kWpsWorld);
    Subscription sub(rec);
    Kernel()->WpsPrepare();
    DWORD before = GetTickCount();
    ASSERT_EQ(Kernel()->WpsStart(Request(kernel::kWpsMethodPushButton, "", "", nullptr)), 1);
    EXPECT_EQ(Kernel()->WpsQuery() & 0xFF, 1u) << "an exchange is running";
    EXPECT_GE(Kernel()->WpsStartTick() - before, 0u);
    EXPECT_LE(Kernel()->WpsStartTick() - before, 5000u) << "start tick is on the GetTickCount clock";
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_SUCCESS));
    std::vector<uint32_t> expected = {kernel::KWL_WPS_STARTING,   kernel::KWL_WPS_SCANNING,
                                      kernel::KWL_WPS_SCANNED,    kernel::KWL_WPS_ASSOCIATING,
                                      kernel::KWL_WPS_ASSOCIATED, kernel::KWL_WPS_START_PROTOCOL};
    for (uint32_t m = 0; m < 8; ++m) {
        expected.push_back(kernel::KWL_WPS_EAP_M1 + m * 0x10);
    }
    expected.push_back(kernel::KWL_WPS_SUCCESS);
    EXPECT_EQ(rec.WpsCodes(), expected);
    char16_t name[40];
    ASSERT_EQ(Kernel()->WpsGetApName(name, 40), 1);
    EXPECT_EQ(Field(name, 40), "PressMe");
    kernel::ConnectionBlock result{};
    ASSERT_EQ(Kernel()->WpsGetResult(&result), 1);
    EXPECT_EQ(Field(result.ssid, 34), "PressMe");
    EXPECT_EQ(result.securityFlags, kernel::kSecurityWpa2PskAes);
    EXPECT_EQ(result.keyFormat, kernel::kKeyPskAscii);
    EXPECT_EQ(Field(result.psk, 66), "pbcsecret");
    EXPECT_EQ(result.NetworkConnectType, 0u);
    EXPECT_EQ(result.adHocMode, kernel::KWL_FLAG_WIRELESS_MODE_802_11G_N);
    EXPECT_EQ(result.band, kernel::KWL_FLAG_BAND_2_4G);
    EXPECT_EQ(Kernel()->WpsQuery() & 0xFF, 0u);
}

TEST_F(SkyvaneTest, BothPinMethodsSucceedAndAnUnconfiguredApTakesTheRegistrarSettings) {
    LoadScenario(kWpsWorld);
    Subscription sub(rec);
    const uint8_t pinAp[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x31};
    char16_t adapterPin[12];
    ASSERT_EQ(Kernel()->WpsGetPin(adapterPin, 12), 1);
    EXPECT_EQ(Field(adapterPin, 12).size(), 8u);

    ASSERT_EQ(
        Kernel()->WpsStart(Request(kernel::kWpsMethodAdapterPin, Narrow(adapterPin).c_str(), "PinAp", pinAp)),
        1);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_SUCCESS));
    kernel::ConnectionBlock result{};
    ASSERT_EQ(Kernel()->WpsGetResult(&result), 1);
    EXPECT_EQ(Field(result.ssid, 34), "PinAp");
    EXPECT_EQ(result.securityFlags, kernel::kSecurityWpaPskTkip);
    EXPECT_EQ(Field(result.psk, 66), "pinsecret");
    Kernel()->WpsStop();

    rec.Clear();
    ASSERT_EQ(Kernel()->WpsStart(Request(kernel::kWpsMethodApPin, "87654325", "PinAp", pinAp)), 1);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_SUCCESS));
    Kernel()->WpsStop();

    rec.Clear();
    const uint8_t blank[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x32};
    kernel::WpsRequest configure = Request(kernel::kWpsMethodApPin, "12345670", "Blank", blank);
    Put(configure.newSsid, "ORVL_abcdefgh");
    configure.newSecurity = 0x00100004;
    configure.newFlags = 0x00010000;
    Put(configure.newPassphrase, "generated pass");
    ASSERT_EQ(Kernel()->WpsStart(configure), 1);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_SUCCESS));
    ASSERT_EQ(Kernel()->WpsGetResult(&result), 1);
    EXPECT_EQ(Field(result.ssid, 34), "ORVL_abcdefgh");
    EXPECT_EQ(result.securityFlags, kernel::kSecurityWpaPskTkip);
    EXPECT_EQ(Field(result.psk, 66), "generated pass");
    Kernel()->WpsStop();

    // A wrong AP PIN ends in failure, with the AP named in the list.
    rec.Clear();
    ASSERT_EQ(Kernel()->WpsStart(Request(kernel::kWpsMethodApPin, "11111111", "PinAp", pinAp)), 1);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_FAILURE));
    kernel::BssEntry aps[4];
    uint32_t count = 4;
    ASSERT_EQ(Kernel()->WpsGetApList(aps, &count), 0);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(std::memcmp(aps[0].bssid, pinAp, 6), 0);
    EXPECT_GE(Kernel()->WpsFailureCheck(), 0);
}

TEST_F(SkyvaneTest, OverlapFailureAndAbortReportTheirCodes) {
    LoadScenario(kWpsWorld + "[Second]\nBSSID=00:11:22:33:44:33\nSecurity=None\nPushButton=1\n");
    Subscription sub(rec);
    ASSERT_EQ(Kernel()->WpsStart(Request(kernel::kWpsMethodPushButton, "", "", nullptr)), 1);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_MANY_APS_IN_PB_MODE));
    kernel::BssEntry aps[4];
    uint32_t count = 4;
    ASSERT_EQ(Kernel()->WpsGetApList(aps, &count), 0);
    EXPECT_EQ(count, 2u);
    kernel::ConnectionBlock result{};
    EXPECT_EQ(Kernel()->WpsGetResult(&result), 0) << "no settings after an overlap";
    Kernel()->WpsStop();

    LoadScenario(kQuick + "[Broken]\nBSSID=00:11:22:33:44:40\nSecurity=None\nPushButton=1\nWpsFail=1\n");
    rec.Clear();
    ASSERT_EQ(Kernel()->WpsStart(Request(kernel::kWpsMethodPushButton, "", "", nullptr)), 1);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_FAILURE));
    count = 4;
    ASSERT_EQ(Kernel()->WpsGetApList(aps, &count), 0);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(aps[0].bssid[5], 0x40);
    Kernel()->WpsStop();

    // No AP has its button pressed: the exchange keeps looking until it is aborted.
    LoadScenario(kQuick + "[Quiet]\nBSSID=00:11:22:33:44:41\nSecurity=None\nWPS=1\n");
    rec.Clear();
    ASSERT_EQ(Kernel()->WpsStart(Request(kernel::kWpsMethodPushButton, "", "", nullptr)), 1);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_SCANNING));
    EXPECT_EQ(Kernel()->WpsAbort(), 1);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_CANCELLED));
    auto codes = rec.WpsCodes();
    EXPECT_EQ(codes.back(), kernel::KWL_WPS_CANCELLED);
    for (uint32_t c : codes) {
        EXPECT_NE(c, kernel::KWL_WPS_SUCCESS);
    }
}

TEST_F(SkyvaneTest, HardwareButtonStartsItsOwnExchangeAndCancelReportsCode6) {
    LoadScenario(kWpsWorld);
    Subscription sub(rec);
    DWORD before = GetTickCount();
    EXPECT_EQ(Control(L"hwbutton").rfind(L"ok", 0), 0u);
    ASSERT_TRUE(rec.WaitForWps(kernel::WPS_ST_HW_BUTTON));
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_SUCCESS));
    EXPECT_EQ(rec.WpsCodes().front(), kernel::WPS_ST_HW_BUTTON);
    EXPECT_LE(Kernel()->WpsStartTick() - before, 5000u);
    kernel::ConnectionBlock result{};
    ASSERT_EQ(Kernel()->WpsGetResult(&result), 1);
    EXPECT_EQ(Field(result.ssid, 34), "PressMe");

    LoadScenario(kQuick + "[Quiet]\nBSSID=00:11:22:33:44:41\nSecurity=None\nWPS=1\n");
    rec.Clear();
    Control(L"hwbutton");
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_SCANNING));
    EXPECT_EQ(Control(L"hwcancel"), L"ok exchange cancelled");
    ASSERT_TRUE(rec.WaitForWps(kernel::WPS_ST_HW_CANCEL));
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_CANCELLED));

    // A press a minute ago, on the tick count the program compares it with: its 2 s walk is over.
    rec.Clear();
    EXPECT_EQ(Control(L"hwbutton 60000"), L"ok hardware push button pressed");
    ASSERT_TRUE(rec.WaitForWps(kernel::WPS_ST_HW_BUTTON));
    const DWORD age = GetTickCount() - Kernel()->WpsStartTick();
    EXPECT_GE(age, 60000u);
    EXPECT_LT(age, 70000u);
    ASSERT_TRUE(rec.WaitForWps(kernel::KWL_WPS_TIMEOUT));
}

TEST_F(SkyvaneTest, UnplugAndPlugReachTheReceiver) {
    LoadScenario(kQuick);
    {
        // The program learns that the adapter is there only from this event, and checks right after.
        Recorder fresh;
        ASSERT_EQ(Kernel()->AddReceiver(&fresh), 1);
        auto first = fresh.Events();
        ASSERT_EQ(first.size(), 1u) << "the arrival notice came before AddReceiver returned";
        EXPECT_EQ(first[0].slot, 0);
        EXPECT_NE(fresh.LastThread(), GetCurrentThreadId());
        Kernel()->RemoveReceiver(&fresh);
    }
    Subscription sub(rec);
    EXPECT_EQ(Control(L"unplug"), L"ok unplugged");
    ASSERT_TRUE(rec.WaitFor(1, 0));
    kernel::AdapterState state{};
    Kernel()->ReadAdapterState(&state);
    EXPECT_EQ(state.present, 0u);
    EXPECT_EQ(Kernel()->StartSiteSurvey(0), 0) << "no survey without an adapter";
    EXPECT_EQ(Control(L"plug"), L"ok plugged");
    ASSERT_TRUE(rec.WaitFor(0, 0));
    ASSERT_TRUE(rec.WaitFor(7, 0)) << "an arriving adapter surveys on its own";
    Kernel()->ReadAdapterState(&state);
    EXPECT_EQ(state.present, 1u);
    EXPECT_EQ(state.radioOn, 1u);
    EXPECT_EQ(state.mac[0], 0x00);
    EXPECT_EQ(state.mac[1], 0x1C);
}

TEST_F(SkyvaneTest, RegistryWritesLandInThe32BitView) {
    std::wstring key =
        L"SOFTWARE\\SkyvaneTest" + std::to_wstring(GetCurrentProcessId()) + L"\\Profiles\\Home";
    std::u16string key16(key.begin(), key.end());
    ASSERT_EQ(Kernel()->RegSetString(key16.c_str(), u"NetworkName", u"Home", kernel::kHiveLocalMachine, 0),
              1);
    ASSERT_EQ(Kernel()->RegSetDword(key16.c_str(), u"defaultKey", 3, kernel::kHiveLocalMachine, 0), 1);
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &k),
              ERROR_SUCCESS);
    wchar_t text[64] = {};
    DWORD size = sizeof(text);
    EXPECT_EQ(RegQueryValueExW(k, L"NetworkName", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, L"Home");
    DWORD value = 0;
    size = sizeof(value);
    EXPECT_EQ(RegQueryValueExW(k, L"defaultKey", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 3u);
    RegCloseKey(k);
    HKEY native = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &native),
              ERROR_SUCCESS)
        << "written outside the 32-bit view";
    EXPECT_EQ(Kernel()->GrantKeyAccess(key16.c_str(), 0, kernel::kHiveLocalMachine), 1);

    EXPECT_EQ(Kernel()->RegDeleteNamedValue(key16.c_str(), u"defaultKey", kernel::kHiveLocalMachine, 0), 0);
    std::wstring top = L"SOFTWARE\\SkyvaneTest" + std::to_wstring(GetCurrentProcessId());
    std::u16string top16(top.begin(), top.end());
    EXPECT_EQ(Kernel()->RegDeleteKeyTree(top16.c_str(), kernel::kHiveLocalMachine, 0), 0);
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, top.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &k),
              ERROR_SUCCESS);
    EXPECT_NE(Kernel()->RegDeleteKeyTree(top16.c_str(), kernel::kHiveLocalMachine, 0), 0) << "already gone";
}

TEST_F(SkyvaneTest, SkyctlLogShowsWhatTheProgramSent) {
    LoadScenario(kQuick);
    Control(L"clearlog");
    kernel::ConnectionBlock b = Block("Log \"Test\"", kernel::kSecurityWpa2PskAes);
    b.keyFormat = kernel::kKeyPskAscii;
    Put(b.psk, "p@ss word");
    Kernel()->ConnectWithBlock(&b);
    Kernel()->RegSetDword(u"SOFTWARE\\SkyvaneLogTest", u"Value", 7, kernel::kHiveLocalMachine, 0);
    Kernel()->RegDeleteKeyTree(u"SOFTWARE\\SkyvaneLogTest", kernel::kHiveLocalMachine, 0);
    std::string out;
    ASSERT_EQ(RunTool(L"skyctl.exe", L"--pipe " + PipeName() + L" log", out), 0) << out;
    EXPECT_NE(out.find("ConnectWithBlock ssid=\"Log \\\"Test\\\"\""), std::string::npos) << out;
    EXPECT_NE(out.find("security=0x00200008 keyFormat=0x00010000 psk=\"p@ss word\""), std::string::npos)
        << out;
    EXPECT_NE(
        out.find("RegSetDword hive=0x80000002 key=\"SOFTWARE\\\\SkyvaneLogTest\" name=\"Value\" value=7"),
        std::string::npos)
        << out;
    ASSERT_EQ(RunTool(L"skyctl.exe", L"--pipe " + PipeName() + L" log RegDeleteKeyTree", out), 0);
    EXPECT_EQ(out.find("ConnectWithBlock"), std::string::npos) << "the prefix filters the lines";
    EXPECT_NE(out.find("RegDeleteKeyTree"), std::string::npos);
    EXPECT_NE(RunTool(L"skyctl.exe", L"--pipe " + PipeName() + L" frobnicate", out), 0) << out;
}

TEST_F(SkyvaneTest, ASilentClientDoesNotBlockTheControlPipe) {
    Kernel();
    HANDLE idle =
        CreateFileW(PipeName().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(idle, INVALID_HANDLE_VALUE) << GetLastError();
    std::wstring answer = Control(L"status");
    EXPECT_EQ(answer.rfind(L"present=", 0), 0u) << answer;
    CloseHandle(idle);
    std::string out;
    EXPECT_EQ(RunTool(L"skyctl.exe", L"--pipe \\\\.\\pipe\\Skyvane.Nobody status", out), 2) << out;
    EXPECT_NE(out.find("no simulated adapter"), std::string::npos) << out;
}

TEST_F(SkyvaneTest, BadScenarioIsNamedInTheLogAndTheBuiltInValuesStandIn) {
    Control(L"clearlog");
    LoadScenario(kQuick + "[Adapter]\nMAC=zz:zz\n[Odd]\nBSSID=00:11:22:33:44:50\nChannel=abc\nSignal=300\n");
    auto notes = LogLines(L"note");
    std::wstring all;
    for (auto& n : notes) {
        all += n + L"\n";
    }
    EXPECT_NE(all.find(L"[Odd] Channel=abc"), std::wstring::npos) << all;
    EXPECT_NE(all.find(L"[Odd] Signal=300"), std::wstring::npos) << all;
    EXPECT_NE(all.find(L"[Adapter] MAC=zz:zz"), std::wstring::npos) << all;
    Subscription sub(rec);
    Kernel()->StartSiteSurvey(0);
    ASSERT_TRUE(rec.WaitFor(7, 0));
    kernel::BssEntry list[4];
    uint32_t count = 4;
    Kernel()->GetNetWorkList(list, &count);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(list[0].channel, 6) << "built-in channel used";
    EXPECT_EQ(Control(L"load Z:\\no\\such\\file.ini").rfind(L"error", 0), 0u);
    // A script names the file by its Unix path.
    std::wstring written = WriteFile(L"unix.ini", kQuick + "[Unix]\nBSSID=00:11:22:33:44:60\n");
    wchar_t unixPath[MAX_PATH] = {};
    char* unixName = nullptr;
    auto toUnix = reinterpret_cast<char* (*)(const wchar_t*)>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    ASSERT_NE(toUnix, nullptr) << "not running under Wine";
    unixName = toUnix(written.c_str());
    ASSERT_NE(unixName, nullptr);
    MultiByteToWideChar(CP_UTF8, 0, unixName, -1, unixPath, MAX_PATH);
    HeapFree(GetProcessHeap(), 0, unixName);
    EXPECT_EQ(Control(L"load " + std::wstring(unixPath)).rfind(L"ok loaded", 0), 0u) << unixPath;
}

// Removes itself from inside the first event it gets.
class OneShot final : public kernel::NotificationReceiverBase {
public:
    void OnWKSiteSurveyBegun() override {
        ++calls;
        Kernel()->RemoveReceiver(this);
    }
    void OnWKSiteSurveyed() override { ++calls; }
    int calls = 0;
};

TEST_F(SkyvaneTest, AReceiverRemovedDuringAnEventIsNeverCalledAgain) {
    LoadScenario(kQuick);
    OneShot once;
    Subscription sub(rec);
    ASSERT_EQ(Kernel()->AddReceiver(&once), 1);
    Kernel()->StartSiteSurvey(0);
    ASSERT_TRUE(rec.WaitFor(7, 0));
    EXPECT_EQ(once.calls, 1);
    EXPECT_EQ(Kernel()->RemoveReceiver(&once), 0) << "already removed";
}

// Sends a message to a window of the test thread from inside an event, as a dialog handler that sets a
// control's text does.
class Sender final : public kernel::NotificationReceiverBase {
public:
    void OnWKSiteSurveyed() override {
        SetEvent(entered);
        answered = SendMessageW(window, WM_APP, 0, 0) == 42;
    }
    void OnWKDeviceLoaded() override { arrivalAnswered = SendMessageW(window, WM_APP, 0, 0) == 42; }
    bool arrivalAnswered = false;
    HWND window = nullptr;
    HANDLE entered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool answered = false;
};

LRESULT CALLBACK AnswerApp(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return m == WM_APP ? 42 : DefWindowProcW(w, m, wp, lp);
}

TEST_F(SkyvaneTest, RemovingAReceiverThatSendsToTheRemovingThreadDoesNotHang) {
    LoadScenario(kQuick);
    WNDCLASSW cls{};
    cls.lpfnWndProc = AnswerApp;
    cls.lpszClassName = L"SkyvaneSendTest";
    RegisterClassW(&cls);
    Sender sender;
    sender.window =
        CreateWindowExW(0, cls.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(sender.window, nullptr);
    ASSERT_EQ(Kernel()->AddReceiver(&sender), 1);
    EXPECT_TRUE(sender.arrivalAnswered) << "the arrival handler's message was not served during AddReceiver";
    Kernel()->StartSiteSurvey(0);
    ASSERT_EQ(WaitForSingleObject(sender.entered, 20000), WAIT_OBJECT_0);
    // The handler now waits for this thread to answer its message; this thread removes the receiver.
    EXPECT_EQ(Kernel()->RemoveReceiver(&sender), 1);
    EXPECT_TRUE(sender.answered) << "RemoveReceiver returned before the call in progress had ended";
    DestroyWindow(sender.window);
    CloseHandle(sender.entered);
}

TEST_F(SkyvaneTest, NullPointersAndZeroCountsFailWithoutHarm) {
    kernel::IWirelessKernel* k = Kernel();
    uint32_t zero = 0;
    kernel::BssEntry e{};
    EXPECT_EQ(k->GetNetWorkList(nullptr, &zero), 0);
    EXPECT_EQ(k->GetNetWorkList(&e, nullptr), 0);
    EXPECT_EQ(k->GetNetWorkList(&e, &zero), 0);
    EXPECT_NE(k->WpsGetApList(nullptr, &zero), 0);
    EXPECT_EQ(k->ConnectWithBlock(nullptr), 0);
    EXPECT_EQ(k->InitConnectionBlock(nullptr), 0);
    EXPECT_EQ(k->GetAdapterConfig(nullptr), 0);
    EXPECT_EQ(k->ReadAdapterState(nullptr), 0);
    EXPECT_EQ(k->ReadConnection(nullptr), 0);
    EXPECT_EQ(k->ReadIpInfo(nullptr), 0);
    EXPECT_EQ(k->WpsGetResult(nullptr), 0);
    EXPECT_EQ(k->WpsGetPin(nullptr, 12), 0);
    char16_t small[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(k->WpsGetPin(small, 4), 0) << "an 8-digit PIN does not fit 4 units";
    EXPECT_EQ(k->WpsGetApName(small, 0), 0);
    EXPECT_EQ(k->AddReceiver(nullptr), 0);
    EXPECT_EQ(k->RegSetString(nullptr, u"a", u"b", kernel::kHiveLocalMachine, 0), 0);
    EXPECT_EQ(k->RegSetString(u"SOFTWARE\\X", u"a", nullptr, kernel::kHiveLocalMachine, 0), 0);
    EXPECT_NE(k->RegDeleteKeyTree(nullptr, kernel::kHiveLocalMachine, 0), 0);
    EXPECT_NE(k->RegDeleteKeyTree(u"", kernel::kHiveLocalMachine, 0), 0)
        << "an empty path must not mean the hive";
    EXPECT_EQ(k->GrantKeyAccess(nullptr, 0, kernel::kHiveLocalMachine), 0);
}

} // namespace
