// The real program's WPS pages, walked as a user walks them: the connect wizard started with "Find a
// Network" (or by the adapter's button through skyctl), each page found among the program's windows by a
// control only it has, its buttons clicked; the profile read back from the registry and the requests and
// their order read from the stand-in service's call log.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/AppIds.h"
#include "res/WpsChoiceIds.h"
#include "res/WpsErrorIds.h"
#include "res/WpsHardwareIds.h"
#include "res/WpsPinIds.h"
#include "res/WpsPushButtonIds.h"
#include "wine/wizard_e2e/WizardUnderWine.h"

namespace wps_e2e {

using namespace wizard_e2e;

// The WPS windows, each told by a control no other window of the program has.
constexpr int kCheckPage = IDC_WPSCHECK_TEXT1;         // 100
constexpr int kExpressPage = IDC_WPSEXPRESS_TEXT;      // 101
constexpr int kMethodPage = IDC_WPSSELECT_TEXT1;       // 102
constexpr int kPushButtonPage = IDC_WPSPB_COUNTDOWN;   // 103
constexpr int kPinChoicePage = IDC_WPSPIN_EDIT;        // 104
constexpr int kPinProcessPage = IDC_WPSPINPROC_PIN;    // 105 and 106
constexpr int kErrorPage = IDC_WPSERROR_HEADLINE;      // 107
constexpr int kRetryPage = IDC_WPSRETRY_HEADLINE;      // 111
constexpr int kWpsInfo = IDC_MESSAGEWPS_OK;            // from page 100
constexpr int kExpressInfo = IDC_MESSAGEEXPRESS_OK;    // from pages 101 and 103
constexpr int kHelpForAp = IDC_WPSHELPAP_OK;           // from page 104
constexpr int kButtonReminder = IDC_DETECT_HWPBC_TEXT; // 30 s into page 103 without an exchange
constexpr int kCancelNotice = IDC_HWPBC_CANCEL_PICTURE;
constexpr int kPleaseWaitBox = IDC_STATIC_MESSAGE_DETECT_TEXT;

constexpr char kHomeBssid[] = "00:24:B2:10:20:01";
constexpr char kAdapterPin[] = "12345670";
constexpr wchar_t kHomeApPin[] = L"87654325";

// The switches of the WPS world's access points.
struct WpsWorldSwitches {
    bool pressMeButton = false;
    bool pressTooButton = false;
    bool homeAcceptsAdapterPin = true;
};

// HomeNet (the start-up profile's network, WPS with both PINs), two access points whose WPS button can be
// pressed, and an unconfigured access point that takes the settings an AP-PIN registrar sends. Every one
// of them offers WPS, so each survey leads to the Express WPS page first. WPS steps 400 ms apart: an
// exchange takes about six seconds, time enough for a page to open that follows one the service started.
inline std::string WpsWorld(const WpsWorldSwitches& on) {
    auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
    return "[World]\r\nInternet=1\r\nScanDelay=800\r\nAssociateDelay=200\r\nAddressDelay=300\r\n"
           "InternetDelay=300\r\nWpsStepDelay=400\r\nWpsWalkTime=120000\r\nLinkPeriod=0\r\n"
           "[Adapter]\r\nPresent=1\r\nPIN=12345670\r\n"
           "[HomeNet]\r\nBSSID=00:24:B2:10:20:01\r\nChannel=6\r\nModes=bgn\r\nSecurity=WPA2-PSK\r\n"
           "Passphrase=sunflower42\r\nSignal=88\r\nAddress=192.168.1.20\r\nWPS=1\r\nAPPin=87654325\r\n"
           "AcceptAdapterPin=" +
           flag(on.homeAcceptsAdapterPin) +
           "\r\n"
           "[PressMe]\r\nBSSID=00:24:B2:10:20:0A\r\nChannel=6\r\nModes=bgn\r\nSecurity=WPA2-PSK\r\n"
           "Passphrase=pushbutton1\r\nSignal=80\r\nAddress=192.168.10.100\r\nWPS=1\r\nPushButton=" +
           flag(on.pressMeButton) +
           "\r\n"
           "[PressToo]\r\nBSSID=00:24:B2:10:20:0B\r\nChannel=11\r\nModes=bg\r\nSecurity=WPA-PSK\r\n"
           "Passphrase=pushbutton2\r\nSignal=70\r\nAddress=192.168.11.100\r\nWPS=1\r\nPushButton=" +
           flag(on.pressTooButton) +
           "\r\n"
           "[Unboxed]\r\nBSSID=00:24:B2:10:20:0C\r\nChannel=1\r\nModes=bg\r\nSecurity=WPA2-PSK\r\n"
           "Passphrase=factory123\r\nSignal=65\r\nAddress=192.168.12.100\r\nWPS=1\r\nAPPin=11223344\r\n"
           "Configured=0\r\n";
}

inline std::string Narrowed(const std::wstring& text) {
    return networks_e2e::Narrow(text);
}

// A quoted field of a call-log line (name="..."), unescaped; empty when the line has none.
inline std::string QuotedField(const std::string& line, const std::string& name) {
    size_t at = line.find(" " + name + "=\"");
    if (at == std::string::npos) {
        return {};
    }
    std::string value;
    for (size_t i = at + name.size() + 3; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            char next = line[++i];
            if (next == 'x' && i + 2 < line.size()) {
                value += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                value += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
            }
        } else {
            value += line[i];
        }
    }
    return value;
}

class WpsUnderWine : public WizardUnderWine {
protected:
    // Up in the WPS world with the start-up connection to HomeNet made.
    void StartInWpsWorld(const WpsWorldSwitches& on) {
        WriteScenario(L"wps-world.ini", WpsWorld(on));
        ASSERT_NE(Start(), nullptr);
        ASSERT_TRUE(LogHas("note associated with \"HomeNet\"", 20000)) << Log();
    }

    // Another world for the running program: the association, WPS and surveys start over.
    void LoadWorld(const WpsWorldSwitches& on, const wchar_t* fileName) {
        std::wstring path = WriteScenario(fileName, WpsWorld(on), false);
        ASSERT_EQ(Skyctl(L"load \"" + path + L"\""), 0);
    }

    void Sky(const std::wstring& command) { ASSERT_EQ(Skyctl(command), 0) << Narrowed(command); }

    // "Find a Network" pressed; the first window of the wizard's after its survey, which holds `marker`.
    HWND FindNetworkTo(int marker) {
        ShowMainWindow();
        EXPECT_TRUE(PressButton(GetDlgItem(m_main, IDC_BUTTON_FIND_NETWORK), [&] {
            return AnyWizardWindow() != nullptr || WindowWith(marker) != nullptr;
        })) << "Find a Network brought no wizard window";
        HWND found = AwaitWindow(marker, 20000);
        EXPECT_NE(found, nullptr) << "window " << marker << " did not come; showing:" << DescribeWindows();
        return found;
    }

    // "Find a Network", the Express WPS offer declined: the network list, once it shows rows.
    HWND ListViaExpress() {
        HWND express = FindNetworkTo(kExpressPage);
        if (express == nullptr) {
            return nullptr;
        }
        EXPECT_TRUE(ClickChoice(express, IDC_WPSEXPRESS_NO));
        HWND list = PressLeadingTo(express, IDC_WPSEXPRESS_NEXT, kListPage);
        if (list != nullptr) {
            EXPECT_TRUE(WaitFor([&] { return ListRowCount(GetDlgItem(list, kListPage)) > 0; }, 5000));
        }
        return list;
    }

    // The list's network (after the Express WPS offer is declined) through the check page and the method page
    // to the PIN choice page.
    HWND PinChoiceFor(const std::wstring& network) {
        HWND list = ListViaExpress();
        if (list == nullptr) {
            return nullptr;
        }
        EXPECT_TRUE(PickRow(list, network));
        HWND check = PressLeadingTo(list, IDC_WIZARD_NEXT, kCheckPage);
        if (check == nullptr) {
            return nullptr;
        }
        HWND method = PressLeadingTo(check, IDC_WPSCHECK_NEXT, kMethodPage);
        if (method == nullptr) {
            return nullptr;
        }
        EXPECT_TRUE(ClickChoice(method, IDC_WPSSELECT_PIN));
        return PressLeadingTo(method, IDC_WPSSELECT_NEXT, kPinChoicePage);
    }

    // A button of `window` pressed that leaves it for the window holding `marker`.
    HWND PressLeadingTo(HWND window, int control, int marker, int milliseconds = 15000) {
        HWND next = nullptr;
        EXPECT_TRUE(PressButton(GetDlgItem(window, control),
                                [&] { return (next = WindowWith(marker)) != nullptr && next != window; }))
            << "control " << control << " did not lead to window " << marker;
        if (next == nullptr || next == window) {
            next = nullptr;
            WaitFor([&] { return (next = WindowWith(marker)) != nullptr && next != window; }, milliseconds);
        }
        EXPECT_NE(next, nullptr) << "window " << marker << " did not come; showing:" << DescribeWindows();
        return next;
    }

    // Opens an information dialog from a page with a click on its link (a static text, which has no
    // button's press), takes its picture and closes it with its OK.
    void InfoDialog(HWND page, int opener, int marker, int okButton, const wchar_t* pictureName) {
        HWND info = nullptr;
        EXPECT_TRUE(
            ClickControl(GetDlgItem(page, opener), [&] { return (info = WindowWith(marker)) != nullptr; }))
            << "the link " << opener << " opened no window " << marker << "; showing:" << DescribeWindows();
        if (info == nullptr) {
            return;
        }
        Picture(pictureName, info);
        EXPECT_TRUE(Answer(info, okButton));
    }

    // The WPS summary page of a run that joined `ssid`: its texts, then Finish; the block handed over.
    std::string FinishSummary(HWND summary, const std::wstring& ssid, const std::wstring& profile,
                              const wchar_t* pictureName = nullptr) {
        EXPECT_EQ(TextIn(summary, IDC_STATIC_WPSVIEW_SSID), ssid);
        EXPECT_EQ(TextIn(summary, IDC_STATIC_WPSVIEW_PROFILE), profile);
        if (pictureName != nullptr) {
            Picture(pictureName, summary);
        }
        size_t mark = Log().size();
        EXPECT_TRUE(Press(summary, IDOK));
        return AppliedBlock(Narrowed(ssid), mark);
    }

    // The lines of the call log from `mark` on.
    std::vector<std::string> LogLines(size_t mark) {
        std::vector<std::string> lines;
        std::string log = Log();
        size_t at = mark;
        while (at < log.size()) {
            size_t end = log.find('\n', at);
            if (end == std::string::npos) {
                break;
            }
            std::string line = log.substr(at, end - at);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
            at = end + 1;
        }
        return lines;
    }

    // The calls the program made from `mark` on (no events, notes or control commands), by name.
    std::vector<std::string> CallsSince(size_t mark) {
        std::vector<std::string> calls;
        for (const std::string& line : LogLines(mark)) {
            std::string name = line.substr(0, line.find(' '));
            if (name != "event" && name != "note" && name != "control" && !name.empty()) {
                calls.push_back(name);
            }
        }
        return calls;
    }

    // The first whole log line after `mark` that starts with `head`, waited for; empty when none came.
    std::string LineStarting(const std::string& head, size_t mark, int milliseconds = 10000) {
        std::string found;
        WaitFor(
            [&] {
                for (const std::string& line : LogLines(mark)) {
                    if (line.rfind(head, 0) == 0) {
                        found = line;
                        return true;
                    }
                }
                return false;
            },
            milliseconds);
        return found;
    }

    // The WpsStart line after `mark` of an adapter-PIN exchange with HomeNet, checked; returned for more.
    std::string AdapterPinStart(size_t mark) {
        std::string start = LineStarting("WpsStart ", mark);
        EXPECT_EQ(start.rfind(std::string("WpsStart method=2 marker=0x0080 pin=\"") + kAdapterPin +
                                  "\" ssid=\"HomeNet\" bssid=" + kHomeBssid + " ",
                              0),
                  0u)
            << start;
        return start;
    }

    // Every request is prepared right before it is sent: the call before each WpsStart is WpsPrepare.
    void ExpectPreparedStarts(size_t mark) {
        std::vector<std::string> calls = CallsSince(mark);
        for (size_t i = 0; i < calls.size(); ++i) {
            if (calls[i] == "WpsStart") {
                EXPECT_TRUE(i > 0 && calls[i - 1] == "WpsPrepare") << "WpsStart without WpsPrepare before it";
            }
        }
    }

    // A page closed by an abort lets go in this order: Disconnect, WpsStop, RemoveReceiver (after the
    // WpsAbort call when the program had to end the exchange itself).
    void ExpectAbortOrder(size_t mark, bool wpsAbortCalled = true) {
        std::vector<std::string> calls = CallsSince(mark);
        std::vector<std::string> closing;
        bool aborted = !wpsAbortCalled;
        for (const std::string& call : calls) {
            aborted = aborted || call == "WpsAbort";
            if (aborted && (call == "Disconnect" || call == "WpsStop" || call == "RemoveReceiver")) {
                closing.push_back(call);
            }
        }
        EXPECT_TRUE(aborted) << "no WpsAbort";
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "WpsAbort"), wpsAbortCalled ? 1 : 0);
        EXPECT_EQ(closing, (std::vector<std::string>{"Disconnect", "WpsStop", "RemoveReceiver"}));
    }

    // True once the wizard shows no window at all.
    bool NoWpsOrWizardWindow() {
        for (int marker : {kCheckPage, kExpressPage, kMethodPage, kPushButtonPage, kPinChoicePage,
                           kPinProcessPage, kErrorPage, kRetryPage}) {
            if (ExistingWindowWith(marker) != nullptr) {
                return false;
            }
        }
        return AnyWizardWindow() == nullptr;
    }

    // The push-button page once its exchange runs: the countdown and the status line shown, Cancel
    // enabled after the service's first status.
    bool Counting(HWND page) {
        return ShownIn(page, IDC_WPSPB_COUNTDOWN) && ShownIn(page, IDC_WPSPB_STATUS) &&
               EnabledIn(page, IDC_WPSPB_CANCEL) && !ShownIn(page, IDC_WPSPB_BUTTON);
    }
};

} // namespace wps_e2e
