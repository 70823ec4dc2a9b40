#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLine, SplitsAtTheFirstBlankAndTrimsBothParts) {
    CommandLineRequest r = ParseCommandLine(u"  -setProfile   Home Net  ");
    EXPECT_EQ(r.arguments, u"-setProfile   Home Net");
    EXPECT_EQ(r.firstWord, u"-setProfile");
    EXPECT_EQ(r.rest, u"Home Net");
    EXPECT_TRUE(r.setProfile);
    EXPECT_FALSE(r.close);
}

TEST(CommandLine, SetProfileIsMatchedWithoutRegardToCaseButOnlyAsTheFirstWord) {
    EXPECT_TRUE(ParseCommandLine(u"-SETPROFILE Office").setProfile);
    EXPECT_TRUE(ParseCommandLine(u"-setprofile").setProfile);
    EXPECT_TRUE(ParseCommandLine(u"-setprofile").rest.empty());
    EXPECT_FALSE(ParseCommandLine(u"x -setProfile Office").setProfile);
    EXPECT_FALSE(ParseCommandLine(u"-setProfileX Office").setProfile);
    EXPECT_FALSE(ParseCommandLine(u"").setProfile);
}

TEST(CommandLine, CloseSwitchAnywhereInEitherCase) {
    EXPECT_TRUE(ParseCommandLine(u"-C").close);
    EXPECT_TRUE(ParseCommandLine(u"-c").close);
    EXPECT_TRUE(ParseCommandLine(u"/quiet -c").close);
    EXPECT_TRUE(ParseCommandLine(u"x-cy").close) << "a plain substring test, as the installer relies on";
    EXPECT_FALSE(ParseCommandLine(u"").close);
    EXPECT_FALSE(ParseCommandLine(u"C").close);
}

TEST(CommandLine, AProfileNameWithDashCDoesNotCloseTheRunningCopy) {
    CommandLineRequest r = ParseCommandLine(u"-setProfile Home-Cafe");
    EXPECT_TRUE(r.setProfile);
    EXPECT_FALSE(r.close);
    EXPECT_EQ(r.rest, u"Home-Cafe");
}

TEST(CommandLine, ArgumentsStartAfterTheProgramName) {
    EXPECT_EQ(ArgumentsOf(u"\"C:\\My-Computer\\KTVA7700v2.exe\" -setProfile A B"), u"-setProfile A B");
    EXPECT_EQ(ArgumentsOf(u"C:\\Prog\\KTVA7700v2.exe   -C"), u"-C");
    EXPECT_EQ(ArgumentsOf(u"KTVA7700v2.exe"), u"");
    EXPECT_EQ(ArgumentsOf(u"\"unterminated"), u"");
    // The program's own folder never counts as the close switch.
    EXPECT_FALSE(ParseCommandLine(ArgumentsOf(u"\"D:\\My-Computer\\KTVA7700v2.exe\"")).close);
}
