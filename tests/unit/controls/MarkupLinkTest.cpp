#include <gtest/gtest.h>

#include "controls/MarkupLink.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeWindowManager.h"

class MarkupLinkTest : public ::testing::Test {
protected:
    bool Follow(std::u16string_view target) {
        return FollowMarkupLink(target, commands, shell, registry, windows);
    }

    fakes::FakeShell shell;
    fakes::FakeRegistry registry;
    fakes::FakeWindowManager windows;
    std::vector<MarkupAppCommand> commands;
};

TEST_F(MarkupLinkTest, AppCommandsAreSentToTheirWindowByNameWithoutRegardToCase) {
    platform::WindowHandle owner = windows.AddWindow(u"owner");
    commands = {{owner, 0x8100, 7, u"Help"}, {owner, 0x8101, 9, u"Close"}};
    EXPECT_TRUE(Follow(u"APP:close"));
    EXPECT_TRUE(Follow(u"\"APP:\"Help\"\""));
    auto sent = windows.Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].message, 0x8101u);
    EXPECT_EQ(sent[0].wParam, 9u);
    EXPECT_EQ(sent[0].lParam, 0);
    EXPECT_EQ(sent[1].message, 0x8100u);
    EXPECT_FALSE(Follow(u"APP:Unknown"));
    EXPECT_TRUE(shell.opened.empty()) << "application commands never reach the shell";
}

TEST_F(MarkupLinkTest, AppCommandOfADestroyedWindowDoesNothingAndFails) {
    platform::WindowHandle owner = windows.AddWindow(u"owner");
    commands = {{owner, 0x8100, 0, u"Help"}};
    windows.RemoveWindow(owner);
    EXPECT_FALSE(Follow(u"APP:Help"));
    EXPECT_TRUE(windows.Sent().empty());
}

TEST_F(MarkupLinkTest, OtherTargetsAreOpenedByTheShell) {
    EXPECT_TRUE(Follow(u"http://www.example.test/"));
    EXPECT_EQ(shell.opened, std::vector<std::u16string>{u"open http://www.example.test/"});
    EXPECT_TRUE(shell.runs.empty());
}

TEST_F(MarkupLinkTest, ShellFailureFallsBackToTheHtmBrowserCommand) {
    shell.openResult = 31;
    registry.WriteString(platform::kHkeyClassesRoot, u".htm", u"", u"htmlfile");
    registry.WriteString(platform::kHkeyClassesRoot, u"htmlfile\\shell\\open\\command", u"",
                         u"\"C:\\Browser\\browser.exe\" -nohome \"%1\"");
    EXPECT_TRUE(Follow(u"http://a.test/"));
    EXPECT_EQ(shell.runs,
              std::vector<std::u16string>{u"\"C:\\Browser\\browser.exe\" -nohome http://a.test/"});

    registry.WriteString(platform::kHkeyClassesRoot, u"htmlfile\\shell\\open\\command", u"",
                         u"browser.exe %1");
    EXPECT_EQ(HtmOpenCommand(registry), u"browser.exe");
    registry.WriteString(platform::kHkeyClassesRoot, u"htmlfile\\shell\\open\\command", u"", u"browser.exe");
    EXPECT_EQ(HtmOpenCommand(registry), u"browser.exe");

    shell.runResult = 2;
    EXPECT_FALSE(Follow(u"http://a.test/")) << "a program that does not start is a failed click";
}

TEST_F(MarkupLinkTest, NoRegisteredBrowserMeansFailure) {
    shell.openResult = 2;
    EXPECT_FALSE(Follow(u"http://a.test/"));
    EXPECT_TRUE(shell.runs.empty());
}
