// Entry point of DrvSeed.exe / DrvSeed64.exe.
#include <windows.h>

#include <string>
#include <vector>

#include "base/Trace.h"
#include "drvseed/DrvSeed.h"
#include "drvseed/win32/SetupApiDevices.h"
#include "drvseed/win32/WinConsole.h"
#include "platform/win32/WinClock.h"
#include "platform/win32/WinRegistry.h"
#include "platform/win32/WinText.h"

int wmain(int argc, wchar_t** argv) {
    base::SetTraceSink([](std::u16string_view line) {
        std::u16string text(line);
        text += u"\n";
        OutputDebugStringW(platform::win32::W(text));
    });
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(platform::win32::U(argv[i]));
    }
    drvseed::win32::SetupApiDevices devices;
    // The status value goes to the shared 32-bit view, where the 32-bit main program looks for it.
    platform::win32::WinRegistry statusRegistry;
    platform::win32::WinClock clock;
    drvseed::win32::WinConsole console;
    drvseed::DrvSeed tool(devices, statusRegistry, clock, console, platform::win32::ModuleFolder());
    return tool.Run(args);
}
