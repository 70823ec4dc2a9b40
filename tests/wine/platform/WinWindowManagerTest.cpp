#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/win32/WinAppPlatform.h"

namespace {

// A top-level window whose thread stops pumping messages once it exists, as a hung program's window
// does, until the test lets it go on. Then it handles what has queued up and reports that.
class HungWindow {
public:
    explicit HungWindow(const std::wstring& caption)
        : m_ready(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_release(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_pumped(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        m_thread = std::thread([this, caption] {
            m_hwnd = CreateWindowExW(0, L"STATIC", caption.c_str(), WS_OVERLAPPED, 10, 10, 200, 100, nullptr,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
            SetEvent(m_ready);
            WaitForSingleObject(m_release, INFINITE); // hung: no message is handled meanwhile
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&msg);
            }
            SetEvent(m_pumped);
            WaitForSingleObject(m_finish, INFINITE);
            DestroyWindow(m_hwnd);
        });
        WaitForSingleObject(m_ready, 10000);
    }
    ~HungWindow() {
        Release();
        SetEvent(m_finish);
        m_thread.join();
        CloseHandle(m_ready);
        CloseHandle(m_release);
        CloseHandle(m_pumped);
        CloseHandle(m_finish);
    }
    HWND hwnd() const { return m_hwnd; }
    void Release() { SetEvent(m_release); }
    bool WaitPumped() { return WaitForSingleObject(m_pumped, 10000) == WAIT_OBJECT_0; }

private:
    HANDLE m_ready;
    HANDLE m_release;
    HANDLE m_pumped;
    HANDLE m_finish = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND m_hwnd = nullptr;
    std::thread m_thread;
};

// Runs `call` on a thread of its own; false when it has not returned within ten seconds. The thread is
// then left to finish once whatever it waits for lets it.
template <typename Call> bool ReturnsPromptly(Call call, std::thread& runner) {
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    runner = std::thread([call, done] {
        call();
        SetEvent(done);
    });
    bool prompt = WaitForSingleObject(done, 10000) == WAIT_OBJECT_0;
    if (prompt) {
        CloseHandle(done);
    }
    return prompt;
}

} // namespace

// The insert-adapter dialog's search brings another process's driver dialog to the front. That window
// may hang; the search, and with it the closing of the dialog, must not hang with it.
TEST(WinWindowManager, FindingAndRaisingAHungWindowNeverWaitsForItsThread) {
    std::wstring caption = L"KT hung window " + std::to_wstring(GetCurrentProcessId());
    HungWindow hung(caption);
    ASSERT_NE(hung.hwnd(), nullptr);
    platform::win32::WinWindowManager windows;
    std::u16string caption16(caption.begin(), caption.end());

    platform::WindowHandle found = 0;
    std::thread finder;
    bool findPrompt = ReturnsPromptly([&] { found = windows.FindTopWindow(caption16); }, finder);
    std::thread raiser;
    bool raisePrompt =
        findPrompt &&
        ReturnsPromptly([&] { windows.ShowTopMost(reinterpret_cast<platform::WindowHandle>(hung.hwnd())); },
                        raiser);
    hung.Release(); // lets a blocked call return, so that a failure ends instead of hanging
    finder.join();
    if (raiser.joinable()) {
        raiser.join();
    }
    EXPECT_TRUE(findPrompt) << "finding by caption waited for the hung window";
    EXPECT_TRUE(raisePrompt) << "raising waited for the hung window";
    EXPECT_EQ(found, reinterpret_cast<platform::WindowHandle>(hung.hwnd()));

    ASSERT_TRUE(hung.WaitPumped());
    LONG_PTR exStyle = GetWindowLongPtrW(hung.hwnd(), GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0) << "the request took effect once the window ran again";
    EXPECT_TRUE(IsWindowVisible(hung.hwnd()));
}
