// Entry point of KTVA7700v2.exe: binds the wireless service library while the program initialises,
// wires the Windows implementations into the application object and runs it.
#include <windows.h>

#include "about/CAboutExDlg.h"
#include "app/CNetUIApp.h"
#include "app/CommandLine.h"
#include "app/ServiceLibraryBinding.h"
#include "base/Trace.h"
#include "controls/win32/CMarkupStatic.h"
#include "mainwnd/CNetUIDlg.h"
#include "networks/CSiteSurveyDlg.h"
#include "networks/CStatisticsDlg.h"
#include "platform/win32/WinAnsiCodePage.h"
#include "platform/win32/WinAppPlatform.h"
#include "platform/win32/WinClock.h"
#include "platform/win32/WinNamedObjects.h"
#include "platform/win32/WinProcesses.h"
#include "platform/win32/WinRandomSource.h"
#include "platform/win32/WinRegistry.h"
#include "platform/win32/WinSound.h"
#include "platform/win32/WinText.h"
#include "profiles/CProFileSettingDlg.h"
#include "ui/win32/DialogWindow.h"
#include "wizard/ConnectWizard.h"
#include "wps/HardwareButton.h"
#include "wps/WpsStep.h"

namespace {

// The library is bound during static initialisation and released when the process ends; the order of
// these two definitions is the order of their construction.
platform::win32::WinDynamicLibraries s_libraries;
ServiceLibraryBinding s_binding(s_libraries);

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    base::SetTraceSink([](std::u16string_view line) {
        std::u16string text(line);
        text += u"\n";
        OutputDebugStringW(platform::win32::W(text));
    });
    ui::win32::InitControls();
    CMarkupStatic::Register(instance);

    platform::win32::WinRegistry registry;
    platform::win32::WinSystemInfo system;
    platform::win32::WinFileSystem files;
    platform::win32::WinNamedObjects namedObjects;
    platform::win32::WinServiceManager services;
    platform::win32::WinClock clock;
    platform::win32::WinProcesses processes;
    platform::win32::WinWindowManager windows;
    platform::win32::WinUsbDevices devices;

    AppUi ui;
    ui.showMessage = [](std::u16string_view text, std::u16string_view caption, uint32_t style) {
        std::u16string t(text), c(caption);
        return MessageBoxW(nullptr, platform::win32::W(t), platform::win32::W(c), style | MB_SETFOREGROUND);
    };
    ui.runModal = [instance](ui::Dialog& dialog) {
        return ui::win32::DialogWindow::RunModal(instance, nullptr, dialog);
    };
    platform::win32::WinSound sound;
    platform::win32::WinAnsiCodePage codePage;
    platform::win32::WinRandomSource random;
    ui.runMainWindow = [instance, &clock, &system, &sound, &codePage, &random](CNetUIApp& app) {
        CProFileSettingDlg settings(codePage);
        CSiteSurveyDlg networks;
        CStatisticsDlg statistics;
        CAboutExDlg about;
        // The wizard's pages are top-level windows of its own thread, without an owner.
        auto runPage = [instance](ui::Dialog& page) {
            return ui::win32::DialogWindow::RunModal(instance, nullptr, page);
        };
        wizard::ConnectWizard connectWizard(
            {runPage, clock, codePage, wps::MakeWpsStep(runPage, {clock, codePage, random})});
        // The hardware button's notices run on the window's thread; the window exists only below.
        CNetUIDlg* window = nullptr;
        wps::HardwareButton hardwareButton({[&window] {
                                                if (window != nullptr) {
                                                    window->ReevaluateZeroConfig();
                                                }
                                            },
                                            [&connectWizard] { connectWizard.StartHardwareButtonRun(); },
                                            runPage});
        MainWindowHooks hooks;
        connectWizard.FillHooks(hooks);
        hardwareButton.FillHooks(hooks);
        CNetUIDlg mainWindow(&app, {settings, networks, statistics, about}, {clock, system, sound}, hooks);
        window = &mainWindow;
        connectWizard.Attach(mainWindow);
        return ui::win32::DialogWindow::RunModal(instance, nullptr, mainWindow);
    };

    CNetUIApp app({registry, system, files, namedObjects, services, clock, processes, windows, devices},
                  std::move(ui), s_binding.Kernel(), s_binding.FailureMessage());
    return app.Run(ArgumentsOf(system.CommandLine()));
}
