// The server's statement of the installer and the comparison of the downloaded file with it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "about/InstallerCheck.h"
#include "base/Md5.h"

namespace {

using about::InstallerMatches;
using about::ParseInstallerStatement;

TEST(InstallerCheck, AStatementIsReadAndEveryMalformedOneRefused) {
    auto good = ParseInstallerStatement(u"C:\\T\\Setup.exe\t1234\t0123456789ABCDEF0123456789abcdef");
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(good->path, u"C:\\T\\Setup.exe");
    EXPECT_EQ(good->size, 1234u);
    EXPECT_EQ(good->md5, "0123456789abcdef0123456789abcdef") << "compared in lower case";
    auto largest =
        ParseInstallerStatement(u"C:\\T\\a.exe\t18446744073709551615\t" + std::u16string(32, u'0'));
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->size, 18446744073709551615u);

    const std::u16string md5(32, u'a');
    for (const std::u16string& bad : std::initializer_list<std::u16string>{
             std::u16string(),
             u"C:\\T\\Setup.exe",                        // the path alone, as an older library tells
             u"\t12\t" + md5,                            // no path
             u"C:\\a.exe\t\t" + md5,                     // no size
             u"C:\\a.exe\t-12\t" + md5,                  // not a number
             u"C:\\a.exe\t12 \t" + md5,                  // trailing blank
             u"C:\\a.exe\t18446744073709551616\t" + md5, // beyond 64 bits
             u"C:\\a.exe\t12\t" + md5.substr(1),         // 31 digits
             u"C:\\a.exe\t12\t" + md5 + u"0",            // 33 digits
             u"C:\\a.exe\t12\t" + md5.substr(1) + u"g",  // not hexadecimal
             u"C:\\a.exe\t12\t" + md5 + u"\t",           // more fields
         }) {
        EXPECT_FALSE(ParseInstallerStatement(bad).has_value()) << std::string(bad.begin(), bad.end());
    }
}

TEST(InstallerCheck, OnlyAProgramOfTheAnnouncedSizeAndDigestMatches) {
    const std::vector<uint8_t> program{'M', 'Z', 0x90, 0, 3, 0, 0, 0, 4, 0, 'P', 'E'};
    about::InstallerStatement statement{u"C:\\a.exe", program.size(),
                                        base::Md5::HexOf(base::Md5::Of(program))};
    EXPECT_TRUE(InstallerMatches(statement, program));

    std::vector<uint8_t> changed = program;
    changed.back() = 'X';
    EXPECT_FALSE(InstallerMatches(statement, changed)) << "same size, other digest";
    std::vector<uint8_t> cut(program.begin(), program.end() - 1);
    EXPECT_FALSE(InstallerMatches(statement, cut));
    std::vector<uint8_t> longer = program;
    longer.push_back(0);
    EXPECT_FALSE(InstallerMatches(statement, longer));

    // Announced truly, but not a Windows program: an archive, or nothing at all.
    const std::vector<uint8_t> archive{'P', 'K', 3, 4, 0, 0};
    EXPECT_FALSE(
        InstallerMatches({u"C:\\a.zip", archive.size(), base::Md5::HexOf(base::Md5::Of(archive))}, archive));
    EXPECT_FALSE(InstallerMatches({u"C:\\a.exe", 0, base::Md5::HexOf(base::Md5::Of({}))}, {}));
}

} // namespace
