// The contract on the Win32 host, driven as the platform and a user would drive the windows.
#include <windows.h>

#include <commctrl.h>

#include <map>

#include "Harness.h"
#include "ui/win32/DialogWindow.h"

namespace contract {

namespace {

class WinHarness final : public Harness {
public:
    WinHarness() {
        static bool initialised = false;
        if (!initialised) {
            ui::win32::InitControls(GetModuleHandleW(nullptr));
            initialised = true;
        }
    }

    bool Open(ui::Dialog& dialog) override {
        HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), nullptr, dialog);
        m_windows[&dialog] = hwnd;
        return hwnd != nullptr;
    }
    void Pump() override {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    bool IsAlive(ui::Dialog& dialog) override {
        auto it = m_windows.find(&dialog);
        return it != m_windows.end() && IsWindow(it->second);
    }
    void Click(ui::Dialog& dialog, ui::ControlId button) override {
        SendDlgItemMessageW(m_windows.at(&dialog), button, BM_CLICK, 0, 0);
    }
    void ClickTab(ui::Dialog& dialog, ui::ControlId tabs, int index) override {
        HWND control = GetDlgItem(m_windows.at(&dialog), tabs);
        RECT item{};
        SendMessageW(control, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(control, WM_LBUTTONUP, 0, at);
    }
    void MenuKey(ui::Dialog& page, char16_t key) override {
        // The harness of the Win32 host may know its window.
        HWND hwnd = static_cast<ui::win32::DialogWindow&>(page.host()).hwnd();
        SendMessageW(hwnd, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(key));
    }
    void CloseBox(ui::Dialog& dialog) override {
        SendMessageW(m_windows.at(&dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    void Destroy(ui::Dialog& dialog) override { DestroyWindow(m_windows.at(&dialog)); }

private:
    std::map<ui::Dialog*, HWND> m_windows;
};

} // namespace

std::unique_ptr<Harness> MakeHarness() {
    return std::make_unique<WinHarness>();
}

} // namespace contract
