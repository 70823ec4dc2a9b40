#include "platform/win32/WinText.h"

#include <commctrl.h>

#include "platform/win32/WinAppPlatform.h"

namespace platform::win32 {

namespace {

HWND Hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

// Dialogs paint their background and their static and button controls through these messages; the
// subclass answers them with one white brush for the life of the program.
LRESULT CALLBACK WhiteBackground(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, WhiteBackground, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

WindowHandle WinWindowManager::FindTopWindow(std::u16string_view caption) {
    std::u16string text(caption);
    return reinterpret_cast<WindowHandle>(FindWindowW(nullptr, W(text)));
}

bool WinWindowManager::Exists(WindowHandle window) {
    return window != 0 && IsWindow(Hwnd(window));
}

bool WinWindowManager::Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    // The system takes no window as the calling thread and reports success: a message meant for a
    // window that was never found would reach this program itself.
    if (window == 0) {
        return false;
    }
    return PostMessageW(Hwnd(window), message, wParam, lParam) != FALSE;
}

intptr_t WinWindowManager::Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return SendMessageW(Hwnd(window), message, wParam, lParam);
}

void WinWindowManager::ShowNormal(WindowHandle window) {
    ShowWindow(Hwnd(window), SW_SHOWNORMAL);
    SetForegroundWindow(Hwnd(window));
}

void WinWindowManager::ShowTopMost(WindowHandle window) {
    // The window usually belongs to another process. A plain SetWindowPos sends it messages and waits
    // for its thread, so a hung window would freeze the caller for good; asynchronously the request is
    // only posted to that thread, which applies it when (if ever) it runs again.
    SetWindowPos(Hwnd(window), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_ASYNCWINDOWPOS);
}

void WinWindowManager::CentreAndBringToFront(WindowHandle window) {
    HWND hwnd = Hwnd(window);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int left = work.left + ((work.right - work.left) - width) / 2;
    int top = work.top + ((work.bottom - work.top) - height) / 2;
    SetWindowPos(hwnd, HWND_TOPMOST, left, top, 0, 0, SWP_NOSIZE);
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void WinWindowManager::UseWhiteBackground(WindowHandle window) {
    SetWindowSubclass(Hwnd(window), WhiteBackground, 0, 0);
    InvalidateRect(Hwnd(window), nullptr, TRUE);
}

WindowHandle WinWindowManager::LastActivePopup(WindowHandle window) {
    return reinterpret_cast<WindowHandle>(GetLastActivePopup(Hwnd(window)));
}

} // namespace platform::win32
