#include "VersionCompare.h"

#include <gtest/gtest.h>

using orvl_update::CompareVersions;

TEST(VersionCompare, PartsCompareAsNumbersNotAsText) {
    EXPECT_GT(CompareVersions(u"1.2.10", u"1.2.9"), 0);
    EXPECT_LT(CompareVersions(u"1.2.9", u"1.2.10"), 0);
    EXPECT_GT(CompareVersions(u"2.0", u"1.99.99"), 0);
    EXPECT_EQ(CompareVersions(u"1.02.3", u"1.2.3"), 0);
    EXPECT_GT(CompareVersions(u"1.0.0.0.1", u"1"), 0);
}

TEST(VersionCompare, MissingPartsCountAsZeroAndSpacesAreIgnored) {
    EXPECT_EQ(CompareVersions(u"1.2", u"1.2.0.0"), 0);
    EXPECT_EQ(CompareVersions(u" 1.2.0 ", u"1.2"), 0);
    EXPECT_LT(CompareVersions(u"", u"0.0.1"), 0);
}

TEST(VersionCompare, HugePartsDoNotOverflow) {
    EXPECT_GT(CompareVersions(u"1.100000000000000000000001", u"1.99999999999999999999999"), 0);
    EXPECT_EQ(CompareVersions(u"1.000000000000000000000007", u"1.7"), 0);
}

TEST(VersionCompare, TextAfterTheDigitsOfAPartIsIgnored) {
    EXPECT_EQ(CompareVersions(u"1.2.3beta", u"1.2.3"), 0);
    EXPECT_GT(CompareVersions(u"1.3rc", u"1.2.9"), 0);
    EXPECT_FALSE(orvl_update::HasVersionNumber(u"beta"));
    EXPECT_TRUE(orvl_update::HasVersionNumber(u"v1"));
}
