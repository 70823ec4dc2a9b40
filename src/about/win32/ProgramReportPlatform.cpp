// The report's platform in the program: console commands, the console's code page and the tick clock
// of Windows. They keep no state between reports, so one of each serves the program's whole life.
#include "about/SystemReportBuilder.h"
#include "platform/win32/WinClock.h"
#include "platform/win32/WinCommandRunner.h"
#include "platform/win32/WinOemCodePage.h"

namespace about {

ReportPlatform ProgramReportPlatform() {
    static platform::win32::WinCommandRunner runner;
    static platform::win32::WinOemCodePage oem;
    static platform::win32::WinClock clock;
    return {&runner, &oem, &clock};
}

} // namespace about
