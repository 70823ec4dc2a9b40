// What the dialog framework adds to opening and closing a dialog: a template of 60 controls opened and
// closed 200 times through the framework and through a bare DialogBoxParamW, under the same loop.
// Prints both times and their ratio. Run by hand under Wine (or on Windows): not part of the tests.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "ui/Dialog.h"
#include "ui/win32/DialogWindow.h"

namespace {

constexpr int kTemplate = 9500;
constexpr int kRounds = 100; // each half; 200 in all

// Ends as soon as it is initialised, as the bare procedure below does, after setting one text, as
// every real dialog does.
class Sixty : public ui::Dialog {
public:
    Sixty() : ui::Dialog(kTemplate) {}
    bool OnInit() override {
        host().SetText(9501, u"Label");
        host().EndDialog(ui::kIdOk);
        return true;
    }
};

INT_PTR CALLBACK Bare(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetDlgItemTextW(hwnd, 9501, L"Label");
        EndDialog(hwnd, IDOK);
        return TRUE;
    }
    return FALSE;
}

template <class F> double Seconds(F&& round) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        round();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int wmain() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ui::win32::InitControls(instance);
    // One of each first, so neither side pays for loading the control classes.
    Sixty warm;
    ui::win32::DialogWindow::RunModal(instance, nullptr, warm);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(kTemplate), nullptr, Bare, 0);

    // Alternating halves, so that whatever slows the system down over the run weighs on both alike.
    double bare = 0;
    double framework = 0;
    for (int half = 0; half < 2; ++half) {
        bare += Seconds([&] { DialogBoxParamW(instance, MAKEINTRESOURCEW(kTemplate), nullptr, Bare, 0); });
        framework += Seconds([&] {
            Sixty dialog;
            ui::win32::DialogWindow::RunModal(instance, nullptr, dialog);
        });
    }
    std::printf("%d rounds of a 60-control dialog\n", 2 * kRounds);
    std::printf("bare DialogBoxParamW: %.3f s (%.2f ms a dialog)\n", bare, bare * 1000 / (2 * kRounds));
    std::printf("framework:            %.3f s (%.2f ms a dialog)\n", framework,
                framework * 1000 / (2 * kRounds));
    std::printf("framework / bare:     %.3f\n", framework / bare);
    return 0;
}
