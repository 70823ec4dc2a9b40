// Entry point of Uninstall.exe: a dialog application whose dialog starts the product's setup program
// while it initialises and ends before it shows.
#include <windows.h>

#include "base/Trace.h"
#include "platform/win32/WinText.h"
#include "ui/win32/DialogWindow.h"
#include "uninstall/CUninstallDlg.h"
#include "uninstall/win32/WinUninstallSystem.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    base::SetTraceSink([](std::u16string_view line) {
        std::u16string text(line);
        text += u"\n";
        OutputDebugStringW(platform::win32::W(text));
    });
    uninstall::win32::WinUninstallSystem system;
    // The ANSI command line: the registry read and WinExec are ANSI too, so the bytes pass through.
    uninstall::CUninstallDlg dialog(system, GetCommandLineA());
    ui::win32::DialogWindow::RunModal(instance, nullptr, dialog);
    return 0;
}
