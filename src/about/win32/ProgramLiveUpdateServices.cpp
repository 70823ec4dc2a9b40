// The live update's services in the program: the update library loaded by name, the shell, the
// system's calendar and the name lookup the Internet test makes.
#include "about/LiveUpdateServices.h"
#include "about/LoadedUpdateLibrary.h"
#include "mainwnd/InternetReachable.h"
#include "platform/win32/WinAppPlatform.h"
#include "platform/win32/WinClock.h"
#include "platform/win32/WinNameResolver.h"

namespace about {

LiveUpdateServices& ProgramLiveUpdateServices() {
    static platform::win32::WinDynamicLibraries libraries;
    static platform::win32::WinShell shell;
    static platform::SystemWallClock calendar;
    static platform::win32::WinNameResolver resolver;
    static platform::win32::WinClock clock;
    static platform::win32::WinFileSystem files;
    static LiveUpdateServices services{
        [] { return LoadUpdateLibrary(libraries); },
        &shell,
        &calendar,
        RunDetachedWorker,
        [] { return mainwnd::InternetReachable(resolver, clock) == 1; },
        true,
        &files,
    };
    return services;
}

} // namespace about
