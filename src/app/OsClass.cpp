#include "app/OsClass.h"

#include "app/AppGlobals.h"

int ClassifyOs(const platform::OsVersion& version, bool isWow64) {
    if (!version.queried) {
        return kOsXp;
    }
    if (version.platformId == platform::kPlatformWindows9x) {
        if (version.major == 4 && version.minor == 0) {
            return kOs95;
        }
        if (version.major == 4 && version.minor == 10) {
            return kOs98;
        }
        if (version.major == 4 && version.minor == 90) {
            return kOsMe;
        }
        return kOsUnknown;
    }
    if (version.platformId != platform::kPlatformNt) {
        return kOsUnknown;
    }
    if (version.major <= 4) {
        return kOsNt4;
    }
    if (version.major == 5) {
        if (version.minor == 0) {
            return kOs2000;
        }
        if (version.minor == 2) {
            return isWow64 ? kOs2003Wow64 : kOs2003;
        }
        return kOsXp;
    }
    if (version.major == 6) {
        return isWow64 ? kOsVista64 : kOsVista;
    }
    return kOsXp;
}

bool IsWindows7(const platform::OsVersion& version) {
    return version.queried && version.platformId == platform::kPlatformNt && version.major == 6 &&
           version.minor == 1;
}
