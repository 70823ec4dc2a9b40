// The smallest program of ours that does what the utility's start ends with: a modal dialog whose one
// control gets its text once the dialog is initialised. bench_main_window starts it as the reference.
#include <windows.h>

#include "EmptyDialogIds.h"

namespace {

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextW(window, IDC_BENCH_EMPTY_TEXT, L"Ready");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
            EndDialog(window, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_BENCH_EMPTY), nullptr, Procedure, 0));
}
