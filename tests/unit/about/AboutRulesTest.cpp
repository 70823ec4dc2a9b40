// What the About page shows, from the values it reads.
#include <gtest/gtest.h>

#include "about/AboutRules.h"

namespace {

TEST(AboutRules, DomainsOutsideTheTableShowEuropa) {
    EXPECT_EQ(about::DomainText(0).defaultText, u"Africa");
    EXPECT_EQ(about::DomainText(9).key, u"DomainUnitedStates");
    EXPECT_EQ(about::DomainText(12).defaultText, u"North America");
    for (int unlisted : {13, 14, -1, 1000}) {
        EXPECT_EQ(about::DomainText(unlisted).key, u"DomainEuropa") << unlisted;
        EXPECT_EQ(about::DomainText(unlisted).defaultText, u"Europa") << unlisted;
    }
}

TEST(AboutRules, LanguageListFollowsTheLanguageIndex) {
    EXPECT_EQ(about::LanguageEntry(0).key, u"languageEN");
    EXPECT_EQ(about::LanguageEntry(1).defaultText, u"Germany");
    EXPECT_EQ(about::LanguageEntry(12).key, u"languageRU");
    EXPECT_EQ(about::LanguageEntry(18).defaultText, u"Romanian");
    EXPECT_EQ(about::LanguageEntry(21).key, u"languageCN");
    EXPECT_EQ(about::LanguageEntry(about::kOfferedLanguageCount - 1).defaultText, u"Japanese");
}

TEST(AboutRules, DatesNameTheMonthAndAGarbledMonthGivesNoDate) {
    EXPECT_EQ(about::DateText(2009, 3, 5), u"Mar. 5, 2009");
    EXPECT_EQ(about::DateText(2010, 12, 31), u"Dec. 31, 2010");
    EXPECT_EQ(about::DateText(2008, 1, 1), u"Jan. 1, 2008");
    for (int month : {0, 13, -1, 65535}) {
        EXPECT_EQ(about::DateText(2009, month, 5), u"") << month;
    }
}

TEST(AboutRules, LinkLocalAndMissingAddressesShowZeroes) {
    const uint8_t linkLocal[4] = {169, 254, 12, 7};
    const uint8_t none[4] = {0, 0, 0, 0};
    const uint8_t plain[4] = {192, 168, 1, 20};
    const uint8_t nearLinkLocal[4] = {169, 253, 1, 1};
    EXPECT_EQ(about::AddressText(linkLocal), u"0.0.0.0");
    EXPECT_EQ(about::AddressText(none), u"0.0.0.0");
    EXPECT_EQ(about::AddressText(plain), u"192.168.1.20");
    EXPECT_EQ(about::AddressText(nearLinkLocal), u"169.253.1.1");
}

TEST(AboutRules, FreshInstallationsUpdateAutomaticallyExceptInDomainFour) {
    EXPECT_EQ(about::InitialAutoUpdate(4), u"0");
    for (int domain : {0, 3, 5, 9, 13}) {
        EXPECT_EQ(about::InitialAutoUpdate(domain), u"1") << domain;
    }
}

TEST(AboutRules, DaysLeftCountWholeDaysAndGoBelowZero) {
    const int64_t now = 1'800'000'000; // after 2038: stored times keep 64 bits
    constexpr int64_t day = about::kSecondsPerDay;
    EXPECT_EQ(about::DaysLeft(now, now), 30);
    EXPECT_EQ(about::DaysLeft(now, now - day + 1), 30);
    EXPECT_EQ(about::DaysLeft(now, now - 30 * day), 0);
    EXPECT_EQ(about::DaysLeft(now, now - 31 * day), -1);
    EXPECT_EQ(about::DaysLeft(now, now - 31 * day - day / 2), -1);
}

TEST(AboutRules, StoredSecondsReadAsTheRuntimeReadsNumbers) {
    EXPECT_EQ(about::ParseSeconds(u"1800000000"), 1'800'000'000);
    EXPECT_EQ(about::ParseSeconds(u"  42x"), 42);
    EXPECT_EQ(about::ParseSeconds(u"-5"), -5);
    EXPECT_EQ(about::ParseSeconds(u""), 0);
    EXPECT_EQ(about::ParseSeconds(u"abc"), 0);
    EXPECT_EQ(about::ParseSeconds(u"99999999999999999999999"), 999'999'999'999'999'999)
        << "digits past eighteen are no stored time and are not read";
}

} // namespace
