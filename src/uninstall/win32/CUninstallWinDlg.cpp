#include "uninstall/win32/CUninstallWinDlg.h"

#include "ui/win32/DialogWindow.h"

namespace uninstall::win32 {

void CUninstallWinDlg::OnInit() {
    if (auto* window = dynamic_cast<ui::win32::DialogWindow*>(&host())) {
        HWND hwnd = window->hwnd();
        if (HMENU menu = GetSystemMenu(hwnd, FALSE)) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, L"&About Uninstall...");
        }
        HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    CUninstallDlg::OnInit();
}

} // namespace uninstall::win32
