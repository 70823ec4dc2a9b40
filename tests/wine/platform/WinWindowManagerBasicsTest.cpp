// Finding, posting to, checking and showing windows as the hand-over to a running copy and the
// mark-up links do it, against real windows of another thread. What a hung window does to these calls
// is tested beside this, in the window manager's own suite.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "platform/win32/WinAppPlatform.h"

namespace {

constexpr UINT kProbeMessage = WM_APP + 0x12E;

// A top-level window owned by a thread of its own, as the running copy's main window is to the copy
// that hands over a profile. The thread records the first probe message it receives.
class OtherThreadWindow {
public:
    explicit OtherThreadWindow(const std::wstring& caption, DWORD style = WS_OVERLAPPED)
        : m_ready(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_received(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        m_thread = std::thread([this, caption, style] {
            m_hwnd = CreateWindowExW(0, L"STATIC", caption.c_str(), style, 10, 10, 200, 100, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
            m_threadId = GetCurrentThreadId();
            SetEvent(m_ready);
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                if (msg.message == kProbeMessage && msg.hwnd == m_hwnd) {
                    m_wParam = msg.wParam;
                    m_lParam = msg.lParam;
                    SetEvent(m_received);
                    continue;
                }
                if (msg.message == WM_APP && msg.hwnd == nullptr) {
                    DestroyWindow(m_hwnd);
                    break;
                }
                DispatchMessageW(&msg);
            }
        });
        WaitForSingleObject(m_ready, 10000);
    }
    ~OtherThreadWindow() {
        Close();
        CloseHandle(m_ready);
        CloseHandle(m_received);
    }
    // Destroys the window on its own thread and ends the thread.
    void Close() {
        if (m_thread.joinable()) {
            PostThreadMessageW(m_threadId, WM_APP, 0, 0);
            m_thread.join();
        }
    }
    HWND hwnd() const { return m_hwnd; }
    platform::WindowHandle handle() const { return reinterpret_cast<platform::WindowHandle>(m_hwnd); }
    bool WaitReceived() { return WaitForSingleObject(m_received, 10000) == WAIT_OBJECT_0; }
    WPARAM m_wParam = 0xBAADF00D; // sentinels: an untouched value shows
    LPARAM m_lParam = 0x0BADCAFE;

private:
    HANDLE m_ready;
    HANDLE m_received;
    std::thread m_thread;
    DWORD m_threadId = 0;
    HWND m_hwnd = nullptr;
};

std::wstring Caption(const wchar_t* what) {
    return std::wstring(L"KT ") + what + L" " + std::to_wstring(GetCurrentProcessId());
}

TEST(WinWindowManagerBasics, FindsATopLevelWindowByItsWholeCaptionOnly) {
    std::wstring caption = Caption(L"find");
    OtherThreadWindow window(caption);
    ASSERT_NE(window.hwnd(), nullptr);
    platform::win32::WinWindowManager windows;
    auto find = [&](const std::wstring& text) {
        return windows.FindTopWindow(std::u16string(text.begin(), text.end()));
    };
    EXPECT_EQ(find(caption), window.handle());
    EXPECT_EQ(find(caption.substr(0, caption.size() - 1)), 0u) << "a prefix found a window";
    EXPECT_EQ(find(caption + L" "), 0u) << "a longer caption found a window";
    window.Close();
    EXPECT_EQ(find(caption), 0u) << "a destroyed window is still found";
}

TEST(WinWindowManagerBasics, PostReachesTheOtherThreadWithItsArguments) {
    OtherThreadWindow window(Caption(L"post"));
    ASSERT_NE(window.hwnd(), nullptr);
    platform::win32::WinWindowManager windows;
    EXPECT_TRUE(windows.Post(window.handle(), kProbeMessage, 0x1234, -7));
    ASSERT_TRUE(window.WaitReceived()) << "the posted message never arrived";
    EXPECT_EQ(window.m_wParam, static_cast<WPARAM>(0x1234));
    EXPECT_EQ(window.m_lParam, static_cast<LPARAM>(-7));
}

TEST(WinWindowManagerBasics, PostToNoWindowOrAGoneOneFailsAndLeavesOurQueueAlone) {
    platform::win32::WinWindowManager windows;
    OtherThreadWindow window(Caption(L"gone"));
    platform::WindowHandle gone = window.handle();
    window.Close();
    EXPECT_FALSE(windows.Post(gone, kProbeMessage, 1, 2));
    // The system takes a null window as "this thread": a post meant for a window that was never found
    // must not turn into a message to the caller itself.
    EXPECT_FALSE(windows.Post(0, kProbeMessage, 1, 2));
    MSG msg;
    std::memset(&msg, 0xA5, sizeof msg);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, kProbeMessage, kProbeMessage, PM_REMOVE))
        << "message " << msg.message << " with wParam " << msg.wParam << " reached this thread";
}

TEST(WinWindowManagerBasics, ExistsFollowsTheWindowsLife) {
    platform::win32::WinWindowManager windows;
    OtherThreadWindow window(Caption(L"exists"));
    platform::WindowHandle handle = window.handle();
    EXPECT_TRUE(windows.Exists(handle));
    window.Close();
    EXPECT_FALSE(windows.Exists(handle));
    EXPECT_FALSE(windows.Exists(0));
}

TEST(WinWindowManagerBasics, ShowNormalShowsAHiddenWindow) {
    OtherThreadWindow window(Caption(L"show"));
    ASSERT_NE(window.hwnd(), nullptr);
    ASSERT_FALSE(IsWindowVisible(window.hwnd()));
    platform::win32::WinWindowManager windows;
    windows.ShowNormal(window.handle());
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));
    EXPECT_FALSE(IsIconic(window.hwnd()));
}

} // namespace
