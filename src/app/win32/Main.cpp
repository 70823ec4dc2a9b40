// Entry point of KTVA7700v2.exe. The start-up sequence arrives with the application object; until
// then the program shows its message dialog so the install tree can be tried end to end.
#include <windows.h>

#include "app/CSysMessageYesDlg.h"
#include "base/Trace.h"
#include "platform/win32/WinText.h"
#include "ui/win32/DialogWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    base::SetTraceSink([](std::u16string_view line) {
        std::u16string text(line);
        text += u"\n";
        OutputDebugStringW(platform::win32::W(text));
    });
    ui::win32::InitControls();
    CSysMessageYesDlg dialog;
    dialog.m_message = u"Reinstall/Upgrade complete.";
    return ui::win32::DialogWindow::RunModal(instance, nullptr, dialog) == ui::kIdOk ? 0 : 1;
}
