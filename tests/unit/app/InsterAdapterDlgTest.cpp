#include "AppTestSupport.h"
#include "WatcherTestSupport.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "app/CInsterAdapterDlg.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/FakeUsbDevices.h"
#include "fakes/FakeWindowManager.h"
#include "res/AppIds.h"

using apptest::AppTest;

namespace {

constexpr ui::Rect kDialogRect{200, 100, 600, 400};

// Passes every call on to the fake and lets a test wait, with a deadline, for the search thread's calls.
class ReportingWindows final : public platform::WindowManager {
public:
    explicit ReportingWindows(fakes::FakeWindowManager& inner) : m_inner(inner) {}

    bool WaitForFind() { return WaitFor(m_finds); }
    bool WaitForTopMost() { return WaitFor(m_topMost); }

    platform::WindowHandle FindTopWindow(std::u16string_view caption) override {
        platform::WindowHandle found = m_inner.FindTopWindow(caption);
        Count(m_finds);
        return found;
    }
    void ShowTopMost(platform::WindowHandle window) override {
        m_inner.ShowTopMost(window);
        Count(m_topMost);
    }
    bool Exists(platform::WindowHandle window) override { return m_inner.Exists(window); }
    bool Post(platform::WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
        return m_inner.Post(window, message, wParam, lParam);
    }
    intptr_t Send(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                  intptr_t lParam) override {
        return m_inner.Send(window, message, wParam, lParam);
    }
    void ShowNormal(platform::WindowHandle window) override { m_inner.ShowNormal(window); }
    void CentreAndBringToFront(platform::WindowHandle window) override {
        m_inner.CentreAndBringToFront(window);
    }
    void UseWhiteBackground(platform::WindowHandle window) override { m_inner.UseWhiteBackground(window); }
    platform::WindowHandle LastActivePopup(platform::WindowHandle window) override {
        return m_inner.LastActivePopup(window);
    }

private:
    void Count(int& counter) {
        std::lock_guard lock(m_mutex);
        ++counter;
        m_changed.notify_all();
    }
    bool WaitFor(int& counter) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(10), [&] { return counter > 0; });
    }

    fakes::FakeWindowManager& m_inner;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_finds = 0;
    int m_topMost = 0;
};

// A clock whose sleeps last until the test opens it: what a sleep looks like to a test that must not
// wait for one.
class GatedClock final : public platform::Clock {
public:
    ~GatedClock() override { Open(); }
    uint32_t TickCount() override { return 1000; }
    void Sleep(uint32_t) override {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_open; });
    }
    void Open() {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
};

} // namespace

class InsertAdapter : public AppTest {
protected:
    InsertAdapter() {
        Store(u"VIDPID", u"VID_1234&PID_5678;VID_1234&PID_9999");
        OsClass = kOsXp;
    }
    void Open() {
        host.Open();
        // The detecting box is the dialog's own modeless child; give it the size its template has.
        ASSERT_NE(host.Modeless(dialog.detectBox()), nullptr) << "the detecting box was not created";
        detect().MoveWindow({0, 0, 100, 40});
    }
    fakes::FakeHost& detect() { return *host.Modeless(dialog.detectBox()); }
    void Next() { host.Click(ID_BUTTON_INSTERAPADTER_NEXT); }
    void Tick(int count) {
        for (int i = 0; i < count; ++i) {
            host.FireTimer(CInsterAdapterDlg::kTimerDetect);
        }
    }

    fakes::FakeUsbDevices devices;
    fakes::FakeWindowManager windows;
    fakes::FakeClock clock;
    CInsterAdapterDlg dialog{devices, windows, clock};
    fakes::FakeHost host{dialog, kDialogRect};
};

TEST_F(InsertAdapter, TextsAndTitleFromTheLanguageFileWithEnglishDefaults) {
    disk.WriteLanguage("English",
                       "[IDD_DIALOG_INSTER_ADAPTER]\nIDC_STATIC_INSTERAPADTER02=Press <B>Next</B>\\n!\n");
    SelectLanguage();
    Open();
    EXPECT_EQ(host.Caption(), u"ORVELIN KTA7700 LINK WARDEN");
    EXPECT_EQ(host.GetText(IDC_STATIC_INSTERAPADTER01),
              u"Insert the wireless USB adapter into your laptop or desktop.");
    EXPECT_EQ(host.GetText(IDC_STATIC_INSTERAPADTER02), u"Press <B>Next</B>\n!");
    EXPECT_EQ(host.GetText(IDC_STATIC_INSTERAPADTER03),
              u"Note:  You should leave your computer powered on while you insert the wireless USB adapter.");
    EXPECT_EQ(host.GetText(ID_BUTTON_INSTERAPADTER_NEXT), u"&Next");
    EXPECT_EQ(host.GetText(ID_BUTTON_INSTERAPADTER_CANCEL), u"&Cancel");
    EXPECT_EQ(detect().GetText(IDC_STATIC_MESSAGE_DETECT_TEXT), u"Detecting adatper........");
    ASSERT_EQ(host.modelessChildren.size(), 1u);
    EXPECT_FALSE(detect().IsWindowVisible()) << "the detecting box starts hidden";
    EXPECT_FALSE(host.TimerRunning(CInsterAdapterDlg::kTimerDetect));
}

TEST_F(InsertAdapter, NextStartsTheCountAndShowsTheBoxCentred) {
    Open();
    Next();
    EXPECT_FALSE(host.IsEnabled(ID_BUTTON_INSTERAPADTER_NEXT));
    EXPECT_TRUE(host.TimerRunning(CInsterAdapterDlg::kTimerDetect));
    EXPECT_EQ(host.TimerInterval(CInsterAdapterDlg::kTimerDetect), 1000u);
    EXPECT_TRUE(detect().IsWindowVisible());
    // The dialog came up centred in the work area (1280 x 994), the box centred over it.
    EXPECT_EQ(host.window(), (ui::Rect{440, 347, 840, 647}));
    EXPECT_FALSE(host.topMost()) << "brought to the front, not left above everything";
    EXPECT_EQ(host.backgroundColor(), ui::Rgb(255, 255, 255));
    EXPECT_EQ(detect().window(), (ui::Rect{590, 477, 690, 517}));
}

TEST_F(InsertAdapter, AtTick45TheAbsentAdapterIsReportedAndNextComesBack) {
    Open();
    Next();
    Tick(44);
    EXPECT_EQ(devices.enumerations, 0) << "no device test before tick 45";
    EXPECT_TRUE(host.messageBoxes.empty());
    Tick(1);
    EXPECT_EQ(devices.enumerations, 1);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, u"The Orvelin KTVA2200 adapter is not found.");
    EXPECT_EQ(host.messageBoxes[0].caption, u"Orvelin Link Warden");
    EXPECT_TRUE(host.IsEnabled(ID_BUTTON_INSTERAPADTER_NEXT));
    EXPECT_FALSE(detect().IsWindowVisible());
    EXPECT_TRUE(host.TimerRunning(CInsterAdapterDlg::kTimerDetect))
        << "a late arrival still closes the dialog";
    Tick(10);
    EXPECT_EQ(devices.enumerations, 1) << "after the message, no test while Next is enabled";
    EXPECT_EQ(host.messageBoxes.size(), 1u);
}

TEST_F(InsertAdapter, APluggedButUnreportedAdapterKeepsTestingEveryTickAfter45) {
    devices.devices = {{u"USB\\VID_1234&PID_9999&REV_0001", 0}};
    Open();
    Next();
    Tick(48);
    EXPECT_EQ(devices.enumerations, 4) << "ticks 45, 46, 47, 48";
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_FALSE(host.IsEnabled(ID_BUTTON_INSTERAPADTER_NEXT));
    devices.devices.clear();
    Tick(1);
    EXPECT_EQ(host.messageBoxes.size(), 1u) << "unplugged after tick 45: reported at once";
}

TEST_F(InsertAdapter, NextAgainStartsANewCountOf45) {
    Open();
    Next();
    Tick(45);
    Next();
    EXPECT_EQ(dialog.ticks(), 0);
    Tick(44);
    EXPECT_EQ(host.messageBoxes.size(), 1u);
    Tick(1);
    EXPECT_EQ(host.messageBoxes.size(), 2u);
}

TEST_F(InsertAdapter, ArrivalClosesWithOk) {
    Open();
    Next();
    Tick(3);
    DevicePresent = true;
    Tick(1);
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(devices.enumerations, 0);
}

TEST_F(InsertAdapter, CancelClosesAsCancelled) {
    Open();
    host.Click(ID_BUTTON_INSTERAPADTER_CANCEL);
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.result(), ui::kIdCancel);
}

TEST_F(InsertAdapter, MissingVidPidNeverFindsTheAdapter) {
    registry.DeleteValue(platform::kHkeyLocalMachine, apptest::kAppKey, u"VIDPID");
    devices.devices = {{u"USB\\VID_1234&PID_9999", 0}};
    Open();
    Next();
    Tick(45);
    EXPECT_EQ(host.messageBoxes.size(), 1u);
}

TEST_F(InsertAdapter, OnVistaWhileAssociatedTheDriverDialogIsBroughtForward) {
    OsClass = kOsVista;
    kernel.adapterConfig.associated = 1;
    fakes::FakeSystemInfo system;
    SetAppSystem(&system);
    platform::WindowHandle driverDialog = windows.AddWindow(u"Microsoft Windows");
    ReportingWindows reporting(windows);
    CInsterAdapterDlg vista(devices, reporting, clock);
    fakes::FakeHost vistaHost(vista, kDialogRect);
    vistaHost.Open();
    ASSERT_TRUE(reporting.WaitForTopMost()) << "the search brought the driver dialog forward";
    vistaHost.Destroy(); // joins the search thread
    auto calls = windows.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), std::make_pair(std::u16string(u"topmost"), driverDialog));
    EXPECT_EQ(system.lowered, 1) << "the search runs at the lowest priority";
    EXPECT_TRUE(std::none_of(calls.begin(), calls.end(), [](const auto& c) { return c.first == u"front"; }))
        << "the dialog itself stays where it is";
}

TEST_F(InsertAdapter, TheDriverDialogSearchLooksAgainUntilTheDialogAppears) {
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(dialog.SearchDriverDialogStep()) << "not there yet: look again, step " << i;
        EXPECT_EQ(windows.findCalls, i);
    }
    EXPECT_TRUE(windows.Calls().empty());
    platform::WindowHandle driverDialog = windows.AddWindow(u"Microsoft Windows");
    EXPECT_FALSE(dialog.SearchDriverDialogStep()) << "found: the search is over";
    EXPECT_EQ(windows.Calls(),
              (std::vector<std::pair<std::u16string, platform::WindowHandle>>{{u"topmost", driverDialog}}));
    EXPECT_EQ(CInsterAdapterDlg::kDriverDialogRetryMs, 1000u) << "one look a second";
}

// The search pauses a second between two looks. Closing the dialog must end that pause at once rather
// than wait it out; the clock here never lets a sleep end, so a search that slept could not be joined.
TEST_F(InsertAdapter, ClosingTheDialogEndsTheSearchWithoutWaitingOutItsPause) {
    OsClass = kOsVista64;
    kernel.adapterConfig.associated = 1;
    ReportingWindows reporting(windows);
    GatedClock gated;
    CInsterAdapterDlg vista(devices, reporting, gated);
    fakes::FakeHost vistaHost(vista, kDialogRect);
    vistaHost.Open();
    ASSERT_TRUE(reporting.WaitForFind()) << "the search thread looked once";
    apptest::MustFinish("closing the insert-adapter dialog", [&] { vistaHost.Destroy(); });
    gated.Open();
    for (const auto& call : windows.Calls()) {
        EXPECT_NE(call.first, u"topmost") << "no driver dialog was there";
    }
}

TEST_F(InsertAdapter, DetectBoxFormsAndTheirTexts) {
    disk.WriteLanguage("English", "[IDD_DLG_CONNECTWIZARD_PLEASEWAIT]\n10000=\\n\\nBitte warten...\n");
    SelectLanguage();
    CDetectDlg wait;
    wait.m_form = CDetectDlg::kFormPleaseWait;
    fakes::FakeHost waitHost(wait);
    waitHost.Open();
    EXPECT_EQ(wait.TemplateId(), IDD_DIALOG_MESSAGE_DETECT);
    EXPECT_EQ(waitHost.GetText(IDC_STATIC_MESSAGE_DETECT_TEXT), u"\n\nBitte warten...");

    CDetectDlg closed;
    closed.ShowBox(false); // no window yet: nothing happens, and nothing is kept for later
    closed.CentreOver(kDialogRect);
    const ui::Rect own{10, 20, 110, 60};
    fakes::FakeHost closedHost(closed, own);
    closedHost.Open();
    EXPECT_TRUE(closedHost.IsWindowVisible());
    EXPECT_EQ(closedHost.window(), own);
    closed.CentreOver(kDialogRect);
    EXPECT_EQ(closedHost.window(), (ui::Rect{350, 230, 450, 270})) << "centred once it exists";
}
