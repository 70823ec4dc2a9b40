#include <gtest/gtest.h>

#include "app/AppGlobals.h"
#include "app/OsClass.h"

using platform::kPlatformNt;
using platform::kPlatformWindows9x;
using platform::OsVersion;

TEST(OsClass, Table) {
    struct Row {
        OsVersion version;
        bool wow64;
        int expected;
    };
    const Row rows[] = {
        {{true, kPlatformWindows9x, 4, 0}, false, kOs95},
        {{true, kPlatformWindows9x, 4, 10}, false, kOs98},
        {{true, kPlatformWindows9x, 4, 90}, false, kOsMe},
        {{true, kPlatformWindows9x, 4, 3}, false, kOsUnknown},
        {{true, 0, 3, 1}, false, kOsUnknown},
        {{true, kPlatformNt, 3, 51}, false, kOsNt4},
        {{true, kPlatformNt, 4, 0}, false, kOsNt4},
        {{true, kPlatformNt, 5, 0}, false, kOs2000},
        {{true, kPlatformNt, 5, 1}, false, kOsXp},
        {{true, kPlatformNt, 5, 1}, true, kOsXp},
        {{true, kPlatformNt, 5, 2}, true, kOs2003Wow64},
        {{true, kPlatformNt, 5, 2}, false, kOs2003},
        {{true, kPlatformNt, 5, 3}, false, kOsXp},
        {{true, kPlatformNt, 6, 0}, false, kOsVista},
        {{true, kPlatformNt, 6, 1}, true, kOsVista64},
        {{true, kPlatformNt, 6, 3}, false, kOsVista},
        {{true, kPlatformNt, 10, 0}, true, kOsXp},
        {{false, kPlatformNt, 6, 1}, false, kOsXp},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ClassifyOs(row.version, row.wow64), row.expected)
            << "platform " << row.version.platformId << " " << row.version.major << "." << row.version.minor
            << " wow64 " << row.wow64;
    }
}

TEST(OsClass, OnlySixOneIsWindows7) {
    EXPECT_TRUE(IsWindows7({true, kPlatformNt, 6, 1}));
    EXPECT_FALSE(IsWindows7({true, kPlatformNt, 6, 0}));
    EXPECT_FALSE(IsWindows7({true, kPlatformNt, 6, 2}));
    EXPECT_FALSE(IsWindows7({false, kPlatformNt, 6, 1}));
}
