// The report's platform where console commands cannot run (the native build). Windows builds use
// win32/ProgramReportPlatform.cpp.
#include "about/SystemReportBuilder.h"

namespace about {

ReportPlatform ProgramReportPlatform() {
    return {};
}

} // namespace about
