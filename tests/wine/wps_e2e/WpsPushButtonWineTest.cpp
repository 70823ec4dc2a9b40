// WPS by push button under Wine: the on-screen button after the Express WPS offer, the adapter's button
// pressed while the wizard shows its network list, and the notice of a cancelled hardware exchange; then
// the unsuccessful ends: two access points in push-button mode, a cancel with its please-wait box, and a
// hardware exchange that times out, is offered again and joins once the access point's button is pressed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "wine/wps_e2e/WpsUnderWine.h"

using namespace wps_e2e;
using settings_e2e::ProfileStored;
using settings_e2e::StoredText;

namespace {

constexpr wchar_t kSingleStep[] = L"Press the WPS button on your access point, router or gateway now.";

class WpsPushButton : public WpsUnderWine {};

TEST_F(WpsPushButton, OnScreenAndHardwareButtonsJoinAndTheCancelNoticeIsSwitchedOff) {
    WriteAppValue(L"ShowHWPBCCancelMsgBox", L"1");
    ASSERT_NO_FATAL_FAILURE(StartInWpsWorld({.pressMeButton = true}));

    // A survey that sees an access point in push-button mode offers Express WPS.
    size_t mark = Log().size();
    HWND express = FindNetworkTo(kExpressPage);
    ASSERT_NE(express, nullptr);
    EXPECT_TRUE(CheckedIn(express, IDC_WPSEXPRESS_YES));
    Picture(L"express-check", express);
    InfoDialog(express, IDC_WPSEXPRESS_LEARN_MORE, kExpressInfo, IDC_MESSAGEEXPRESS_OK, L"express-info");

    HWND page = PressLeadingTo(express, IDC_WPSEXPRESS_NEXT, kPushButtonPage);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(ShownIn(page, IDC_WPSPB_BUTTON)) << "step 1 shows the on-screen button";
    EXPECT_NE(SendMessageW(GetDlgItem(page, IDC_WPSPB_BUTTON), BM_GETIMAGE, IMAGE_BITMAP, 0), 0)
        << "the on-screen button shows no picture";
    EXPECT_EQ(TextIn(page, IDC_WPSPB_BUTTON), L"");
    EXPECT_FALSE(ShownIn(page, IDC_WPSPB_COUNTDOWN));
    EXPECT_NE(TextIn(page, IDC_WPSPB_STEP).find(L"Step 1 of 2"), std::wstring::npos)
        << Narrowed(TextIn(page, IDC_WPSPB_STEP));
    Picture(L"pushbutton-step1", page);
    EXPECT_EQ(LineStarting("WpsStart ", mark, 0), "") << "nothing is sent before a button is pressed";

    // The on-screen button sends the request; the exchange finds PressMe.
    EXPECT_TRUE(
        PressButton(GetDlgItem(page, IDC_WPSPB_BUTTON), [&] { return ShownIn(page, IDC_WPSPB_COUNTDOWN); }));
    EXPECT_NE(TextIn(page, IDC_WPSPB_STEP).find(L"Step 2 of 2"), std::wstring::npos);
    std::string start = LineStarting("WpsStart ", mark);
    EXPECT_EQ(start.rfind("WpsStart method=1 marker=0x0080 pin=\"\" ssid=\"\" bssid=00:00:00:00:00:00 ", 0),
              0u)
        << start;
    EXPECT_EQ(QuotedField(start, "newSsid"), "");
    EXPECT_EQ(QuotedField(start, "newPassphrase"), "");
    if (WaitFor([&] { return !IsWindow(page) || Counting(page); }, 10000) && IsWindow(page)) {
        Picture(L"pushbutton-step2", page);
    }
    HWND summary = AwaitWindow(kSummaryPage, 30000);
    ASSERT_NE(summary, nullptr) << DescribeWindows();
    std::string block = FinishSummary(summary, L"PressMe", L"PressMe-WPS", L"summary");
    EXPECT_NE(block.find("psk=\"pushbutton1\""), std::string::npos) << block;
    EXPECT_TRUE(LogHas("note associated with \"PressMe\"", 15000, mark)) << Log().substr(mark);
    EXPECT_TRUE(ProfileStored(L"PressMe-WPS"));
    EXPECT_EQ(StoredText(L"PressMe-WPS", L"NetworkName").value_or(L"<absent>"), L"PressMe");
    ExpectPreparedStarts(mark);

    // The adapter's button pressed while the wizard shows its list: the list closes and the push-button
    // page takes over the exchange the service started itself.
    ASSERT_NO_FATAL_FAILURE(Sky(L"apbutton PressMe off"));
    ASSERT_NO_FATAL_FAILURE(Sky(L"apbutton PressToo on"));
    HWND list = ListViaExpress();
    ASSERT_NE(list, nullptr);
    mark = Log().size();
    ASSERT_NO_FATAL_FAILURE(Sky(L"hwbutton"));
    page = AwaitWindow(kPushButtonPage);
    ASSERT_NE(page, nullptr) << DescribeWindows();
    EXPECT_FALSE(IsWindow(list) && IsWindowVisible(list)) << "the list stays beside the push-button page";
    EXPECT_EQ(TextIn(page, IDC_WPSPB_STEP), std::wstring(L"\r\n") + kSingleStep);
    summary = AwaitWindow(kSummaryPage, 30000);
    ASSERT_NE(summary, nullptr) << DescribeWindows();
    EXPECT_EQ(LineStarting("WpsStart ", mark, 0), "") << "the service started this exchange itself";
    FinishSummary(summary, L"PressToo", L"PressToo-WPS");
    EXPECT_TRUE(ProfileStored(L"PressToo-WPS"));

    // The button's cancel: the notice, which its box switches off.
    ASSERT_NO_FATAL_FAILURE(Sky(L"hwcancel"));
    HWND notice = AwaitWindow(kCancelNotice);
    ASSERT_NE(notice, nullptr) << DescribeWindows();
    EXPECT_EQ(TextIn(notice, IDC_HWPBC_CANCEL_TEXT),
              L"The WPS exchange that the adapter's button started was cancelled. Press the button again to "
              L"start a new one.");
    Picture(L"hardware-cancel-notice", notice);
    EXPECT_TRUE(ClickChoice(notice, IDC_HWPBC_CANCEL_DONT_SHOW));
    EXPECT_TRUE(Answer(notice, IDC_HWPBC_CANCEL_OK));
    EXPECT_EQ(ReadAppValue(L"ShowHWPBCCancelMsgBox"), L"0");
    ASSERT_NO_FATAL_FAILURE(Sky(L"hwcancel"));
    EXPECT_FALSE(WaitFor([&] { return ExistingWindowWith(kCancelNotice) != nullptr; }, 2000))
        << "the notice came again after it was switched off";
}

TEST_F(WpsPushButton, OverlapCancelAndTimeoutEndOnTheirPages) {
    ASSERT_NO_FATAL_FAILURE(StartInWpsWorld({.pressMeButton = true, .pressTooButton = true}));

    // Two access points in push-button mode: the security-risk page.
    size_t mark = Log().size();
    HWND express = FindNetworkTo(kExpressPage);
    ASSERT_NE(express, nullptr);
    HWND page = PressLeadingTo(express, IDC_WPSEXPRESS_NEXT, kPushButtonPage);
    ASSERT_NE(page, nullptr);
    HWND error = PressLeadingTo(page, IDC_WPSPB_BUTTON, kErrorPage, 20000);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(LogHas("event OnWKWPSStatus 0x8005", 0, mark));
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_HEADLINE),
              L"Security risk: more than one access point has its WPS button pressed.");
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_DETAIL),
              L"The wireless client could not join the network. Wait two minutes, then press the button on "
              L"one access point only.");
    Picture(L"error-overlap", error);
    ExpectAbortOrder(mark, false);
    EXPECT_TRUE(Answer(error, IDCANCEL));
    EXPECT_TRUE(WaitFor([&] { return NoWpsOrWizardWindow(); }, 5000)) << DescribeWindows();

    // No button pressed anywhere: from the list, the check and method pages lead to the push-button page,
    // which reminds the user of the adapter's button; a cancel once the exchange runs shows the please-wait
    // box until the service has ended the exchange.
    ASSERT_NO_FATAL_FAILURE(Sky(L"apbutton PressMe off"));
    ASSERT_NO_FATAL_FAILURE(Sky(L"apbutton PressToo off"));
    HWND list = ListViaExpress();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PickRow(list, L"HomeNet"));
    HWND check = PressLeadingTo(list, IDC_WIZARD_NEXT, kCheckPage);
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(CheckedIn(check, IDC_WPSCHECK_YES));
    Picture(L"check", check);
    InfoDialog(check, IDC_WPSCHECK_LEARN_MORE, kWpsInfo, IDC_MESSAGEWPS_OK, L"wps-info");
    check = AwaitWindow(kCheckPage);
    ASSERT_NE(check, nullptr) << DescribeWindows();
    HWND method = PressLeadingTo(check, IDC_WPSCHECK_NEXT, kMethodPage);
    ASSERT_NE(method, nullptr);
    EXPECT_TRUE(CheckedIn(method, IDC_WPSSELECT_PUSHBUTTON));
    Picture(L"method", method);
    page = PressLeadingTo(method, IDC_WPSSELECT_NEXT, kPushButtonPage);
    ASSERT_NE(page, nullptr);
    HWND reminder = AwaitWindow(kButtonReminder, 40000);
    ASSERT_NE(reminder, nullptr) << "no reminder of the adapter's button; showing:" << DescribeWindows();
    Picture(L"button-reminder", reminder);
    EXPECT_TRUE(Answer(reminder, IDOK));

    mark = Log().size();
    EXPECT_TRUE(
        PressButton(GetDlgItem(page, IDC_WPSPB_BUTTON), [&] { return ShownIn(page, IDC_WPSPB_COUNTDOWN); }));
    ASSERT_TRUE(WaitFor([&] { return Counting(page); }, 10000)) << "the exchange did not start counting";
    HWND box = nullptr;
    EXPECT_TRUE(PressButton(GetDlgItem(page, IDC_WPSPB_CANCEL), [&] {
        return (box = WindowWith(kPleaseWaitBox)) != nullptr || WindowWith(kErrorPage) != nullptr;
    }));
    EXPECT_NE(box, nullptr) << "no please-wait box while the exchange is cancelled";
    if (box != nullptr) {
        Picture(L"cancel-please-wait", box);
    }
    error = AwaitWindow(kErrorPage);
    ASSERT_NE(error, nullptr) << DescribeWindows();
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_HEADLINE), L"The WPS procedure was cancelled.");
    EXPECT_EQ(TextIn(error, IDC_WPSERROR_DETAIL), L"The adapter did not join a wireless network.");
    EXPECT_EQ(WindowWith(kPleaseWaitBox), nullptr) << "the please-wait box stays";
    Picture(L"error-cancelled", error);
    ExpectPreparedStarts(mark);
    ExpectAbortOrder(mark);
    EXPECT_TRUE(Answer(error, IDCANCEL));
    EXPECT_TRUE(WaitFor([&] { return NoWpsOrWizardWindow(); }, 5000)) << DescribeWindows();

    // The adapter's button pressed 115 s ago: 5 s of the walk are left, the countdown ends in seconds,
    // and Retry, after the access point's button, starts an exchange that joins.
    ASSERT_NO_FATAL_FAILURE(Sky(L"hwbutton 115000"));
    HWND retry = AwaitWindow(kRetryPage, 30000);
    ASSERT_NE(retry, nullptr) << DescribeWindows();
    EXPECT_EQ(TextIn(retry, IDC_WPSRETRY_RETRY), L"&Retry");
    Picture(L"retry", retry);
    ASSERT_NO_FATAL_FAILURE(Sky(L"apbutton PressMe on"));
    mark = Log().size();
    page = PressLeadingTo(retry, IDC_WPSRETRY_RETRY, kPushButtonPage);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(ShownIn(page, IDC_WPSPB_BUTTON)) << "Retry starts at once";
    std::string start = LineStarting("WpsStart ", mark);
    EXPECT_EQ(start.rfind("WpsStart method=1 ", 0), 0u) << start;
    HWND summary = AwaitWindow(kSummaryPage, 30000);
    ASSERT_NE(summary, nullptr) << DescribeWindows();
    FinishSummary(summary, L"PressMe", L"PressMe-WPS");
    EXPECT_TRUE(ProfileStored(L"PressMe-WPS"));
    ExpectPreparedStarts(mark);
}

} // namespace
