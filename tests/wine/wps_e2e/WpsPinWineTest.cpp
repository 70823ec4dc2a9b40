// WPS by PIN under Wine, entered from the wizard's network list: an AP PIN with a wrong check digit that
// never reaches the service, the adapter's PIN that HomeNet accepts, and the PIN of an unconfigured access
// point, which takes the name and passphrase this program sends; then the adapter pulled out while the
// push-button page and the adapter-PIN page are open, and a push-button exchange the service, its radio
// off, never answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "wine/wps_e2e/WpsUnderWine.h"

using namespace wps_e2e;
using settings_e2e::ProfileStored;
using settings_e2e::StoredText;

namespace {

class WpsPin : public WpsUnderWine {
protected:
    // Text put on the clipboard and pasted into an edit, as a user pastes it.
    static void Paste(HWND edit, const std::wstring& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, WM_PASTE, 0, 0);
    }
};

TEST_F(WpsPin, WrongCheckDigitAdapterPinAndUnconfiguredAccessPoint) {
    ASSERT_NO_FATAL_FAILURE(StartInWpsWorld({}));

    size_t mark = Log().size();
    HWND choice = PinChoiceFor(L"HomeNet");
    ASSERT_NE(choice, nullptr);
    EXPECT_TRUE(CheckedIn(choice, IDC_WPSPIN_APPIN));
    EXPECT_FALSE(EnabledIn(choice, IDC_WPSPIN_NEXT));
    HWND edit = GetDlgItem(choice, IDC_WPSPIN_EDIT);
    Paste(edit, L"8765432x");
    EXPECT_FALSE(EnabledIn(choice, IDC_WPSPIN_NEXT)) << "pasted non-digits: " << Narrowed(WindowText(edit));
    TypeInto(choice, IDC_WPSPIN_EDIT, L"8765432");
    EXPECT_FALSE(EnabledIn(choice, IDC_WPSPIN_NEXT)) << "seven digits";

    // The right check digit of 8765432 is 5.
    TypeInto(choice, IDC_WPSPIN_EDIT, L"87654320");
    EXPECT_TRUE(EnabledIn(choice, IDC_WPSPIN_NEXT));
    Picture(L"pin-choice-ap", choice);
    HWND error = PressLeadingTo(choice, IDC_WPSPIN_NEXT, kErrorPage);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_HEADLINE), L"The access point's PIN is not correct.");
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_DETAIL), L"");
    Picture(L"error-wrong-pin", error);
    EXPECT_TRUE(Answer(error, IDCANCEL));
    EXPECT_TRUE(IsWindowVisible(choice)) << "the PIN choice page stays";
    DWORD from = 0;
    DWORD to = 0;
    EXPECT_TRUE(WaitFor(
        [&] {
            SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
            return from == 0 && to == 8;
        },
        3000))
        << "selected " << from << ".." << to;
    std::vector<std::string> calls = CallsSince(mark);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "WpsStart"), 0)
        << "a PIN with a wrong check digit reached the service";

    // The adapter's PIN, entered at HomeNet.
    EXPECT_TRUE(ClickChoice(choice, IDC_WPSPIN_ADAPTERPIN));
    EXPECT_TRUE(WaitFor([&] { return TextIn(choice, IDC_WPSPIN_ADAPTER_PIN) == L"12345670"; }, 3000));
    EXPECT_TRUE(EnabledIn(choice, IDC_WPSPIN_NEXT));
    // The page moves the adapter's radio right under the other one, by pixels: they must not overlap.
    RECT apRadio{};
    RECT adapterRadio{};
    RECT both{};
    GetWindowRect(GetDlgItem(choice, IDC_WPSPIN_APPIN), &apRadio);
    GetWindowRect(GetDlgItem(choice, IDC_WPSPIN_ADAPTERPIN), &adapterRadio);
    EXPECT_FALSE(IntersectRect(&both, &apRadio, &adapterRadio))
        << "the radios overlap: " << apRadio.top << ".." << apRadio.bottom << " and " << adapterRadio.top
        << ".." << adapterRadio.bottom;
    Picture(L"pin-choice-adapter", choice);
    InfoDialog(choice, IDC_WPSPIN_HELP, kHelpForAp, IDC_WPSHELPAP_OK, L"help-for-ap");
    HWND process = PressLeadingTo(choice, IDC_WPSPIN_NEXT, kPinProcessPage);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(TextIn(process, IDC_WPSPINPROC_PIN), L"12345670");
    std::string start = AdapterPinStart(mark);
    if (WaitFor([&] { return !IsWindow(process) || EnabledIn(process, IDCANCEL); }, 10000) &&
        IsWindow(process)) {
        Picture(L"adapter-pin-process", process);
    }
    HWND summary = AwaitWindow(kSummaryPage, 30000);
    ASSERT_NE(summary, nullptr) << DescribeWindows();
    FinishSummary(summary, L"HomeNet", L"HomeNet-WPS");
    EXPECT_TRUE(ProfileStored(L"HomeNet-WPS"));
    ExpectPreparedStarts(mark);

    // The unconfigured access point's PIN: this program is the registrar and names the network.
    mark = Log().size();
    choice = PinChoiceFor(L"Unboxed");
    ASSERT_NE(choice, nullptr);
    TypeInto(choice, IDC_WPSPIN_EDIT, L"11223344");
    process = PressLeadingTo(choice, IDC_WPSPIN_NEXT, kPinProcessPage);
    ASSERT_NE(process, nullptr);
    start = LineStarting("WpsStart ", mark);
    EXPECT_EQ(start.rfind("WpsStart method=16 marker=0x0080 pin=\"11223344\" ssid=\"Unboxed\" ", 0), 0u)
        << start;
    std::string ssid = QuotedField(start, "newSsid");
    std::string passphrase = QuotedField(start, "newPassphrase");
    EXPECT_EQ(ssid.size(), 13u) << ssid;
    EXPECT_EQ(ssid.rfind("ORVL_", 0), 0u) << ssid;
    EXPECT_EQ(ssid.find('\\'), std::string::npos) << ssid;
    EXPECT_GE(passphrase.size(), 8u);
    EXPECT_LE(passphrase.size(), 63u);
    EXPECT_NE(start.find("newSecurity=0x00100004 newFlags=0x00010000"), std::string::npos) << start;
    if (WaitFor([&] { return !IsWindow(process) || EnabledIn(process, IDCANCEL); }, 10000) &&
        IsWindow(process)) {
        Picture(L"ap-pin-process", process);
    }
    summary = AwaitWindow(kSummaryPage, 30000);
    ASSERT_NE(summary, nullptr) << DescribeWindows();
    std::wstring wideSsid(ssid.begin(), ssid.end());
    std::string block = FinishSummary(summary, wideSsid, wideSsid + L"-WPS");
    EXPECT_EQ(QuotedField(block, "psk"), passphrase) << block;
    EXPECT_TRUE(LogHas("note associated with " + LogQuoted(ssid), 15000, mark)) << Log().substr(mark);
    EXPECT_TRUE(ProfileStored(wideSsid + L"-WPS"));
    EXPECT_EQ(StoredText(wideSsid + L"-WPS", L"NetworkName").value_or(L"<absent>"), wideSsid);
}

TEST_F(WpsPin, AdapterPulledOutOnThePushButtonAndAdapterPinPagesAndRadioOff) {
    ASSERT_NO_FATAL_FAILURE(StartInWpsWorld({.pressMeButton = true, .homeAcceptsAdapterPin = false}));

    // The push-button page before its exchange: it lets go and the run ends.
    HWND express = FindNetworkTo(kExpressPage);
    ASSERT_NE(express, nullptr);
    HWND page = PressLeadingTo(express, IDC_WPSEXPRESS_NEXT, kPushButtonPage);
    ASSERT_NE(page, nullptr);
    size_t mark = Log().size();
    ASSERT_NO_FATAL_FAILURE(Sky(L"unplug"));
    EXPECT_TRUE(WaitFor([&] { return NoWpsOrWizardWindow(); }, 8000)) << DescribeWindows();
    std::vector<std::string> calls = CallsSince(mark);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "WpsStop"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "RemoveReceiver"), calls.end());

    // Back again, the wizard starts as before (nothing of the closed page is left behind).
    mark = Log().size();
    ASSERT_NO_FATAL_FAILURE(Sky(L"plug"));
    ASSERT_TRUE(LogHas("event OnWKSiteSurveyed", 15000, mark)) << Log().substr(mark);
    HWND list = ListViaExpress();
    ASSERT_NE(list, nullptr) << "no new wizard run after the adapter came back";
    ASSERT_TRUE(PickRow(list, L"HomeNet"));
    HWND check = PressLeadingTo(list, IDC_WIZARD_NEXT, kCheckPage);
    ASSERT_NE(check, nullptr);
    HWND method = PressLeadingTo(check, IDC_WPSCHECK_NEXT, kMethodPage);
    ASSERT_NE(method, nullptr);
    EXPECT_TRUE(ClickChoice(method, IDC_WPSSELECT_PIN));
    HWND choice = PressLeadingTo(method, IDC_WPSSELECT_NEXT, kPinChoicePage);
    ASSERT_NE(choice, nullptr);
    EXPECT_TRUE(ClickChoice(choice, IDC_WPSPIN_ADAPTERPIN));

    // The adapter-PIN page, refused by HomeNet and counting down: the page ends the exchange itself.
    HWND process = PressLeadingTo(choice, IDC_WPSPIN_NEXT, kPinProcessPage);
    ASSERT_NE(process, nullptr);
    ASSERT_TRUE(WaitFor([&] { return EnabledIn(process, IDCANCEL); }, 10000)) << "no first status";
    mark = Log().size();
    ASSERT_TRUE(LogHas("event OnWKWPSStatus 0x8001", 10000, 0)) << "HomeNet did not refuse the adapter's PIN";
    ASSERT_NO_FATAL_FAILURE(Sky(L"unplug"));
    EXPECT_TRUE(WaitFor([&] { return NoWpsOrWizardWindow(); }, 10000)) << DescribeWindows();
    ExpectAbortOrder(mark);

    // With the radio off the service takes no request and reports nothing: Cancel comes back after a
    // while without any status, and the page closes although no end of the exchange is ever reported.
    mark = Log().size();
    ASSERT_NO_FATAL_FAILURE(Sky(L"plug"));
    ASSERT_TRUE(LogHas("event OnWKSiteSurveyed", 15000, mark)) << Log().substr(mark);
    express = FindNetworkTo(kExpressPage);
    ASSERT_NE(express, nullptr);
    page = PressLeadingTo(express, IDC_WPSEXPRESS_NEXT, kPushButtonPage);
    ASSERT_NE(page, nullptr);
    ASSERT_NO_FATAL_FAILURE(Sky(L"radio off"));
    mark = Log().size();
    EXPECT_TRUE(
        PressButton(GetDlgItem(page, IDC_WPSPB_BUTTON), [&] { return ShownIn(page, IDC_WPSPB_COUNTDOWN); }));
    EXPECT_FALSE(EnabledIn(page, IDC_WPSPB_CANCEL));
    ASSERT_TRUE(WaitFor([&] { return EnabledIn(page, IDC_WPSPB_CANCEL); }, 20000))
        << "Cancel stays disabled without any status";
    EXPECT_TRUE(
        PressButton(GetDlgItem(page, IDC_WPSPB_CANCEL), [&] { return !EnabledIn(page, IDC_WPSPB_CANCEL); }));
    HWND error = AwaitWindow(kErrorPage, 20000);
    ASSERT_NE(error, nullptr) << "the cancelled page did not close; showing:" << DescribeWindows();
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_HEADLINE), L"The WPS procedure was cancelled.");
    ExpectAbortOrder(mark);
    EXPECT_TRUE(Answer(error, IDCANCEL));
    ASSERT_NO_FATAL_FAILURE(Sky(L"radio on"));
}

} // namespace
