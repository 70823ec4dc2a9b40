// The command runner of the system-information report under the real system. A child that never ends
// is this test program itself, started on a test that waits for ever; started through cmd.exe it is a
// grandchild, which must go too, or the pipe would stay open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/win32/WinCommandRunner.h"
#include "platform/win32/WinOemCodePage.h"
#include "platform/win32/WinText.h"

namespace {

std::string ReadAll(platform::RunningCommand& command) {
    std::string text;
    for (;;) {
        std::vector<uint8_t> chunk = command.Read(255);
        if (chunk.empty()) {
            return text;
        }
        EXPECT_LE(chunk.size(), 255u);
        text.append(chunk.begin(), chunk.end());
    }
}

std::u16string ThisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return platform::win32::U(path);
}

// Not run in the normal run: the never-ending child of the test below.
TEST(CommandRunnerChild, DISABLED_NeverEnds) {
    Sleep(INFINITE);
}

TEST(WinCommandRunner, AHiddenChildsOutputIsReadUntilItEnds) {
    platform::win32::WinCommandRunner runner;
    std::unique_ptr<platform::RunningCommand> command = runner.Start(u"cmd.exe /A /C echo hello");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(ReadAll(*command), "hello\r\n");
    EXPECT_TRUE(command->Read(255).empty()) << "the end stays the end";
}

TEST(WinCommandRunner, ErrorsComeThroughThePipeAndAMissingProgramCannotStart) {
    platform::win32::WinCommandRunner runner;
    EXPECT_EQ(runner.Start(u"kt-no-such-program-here.exe"), nullptr);
    std::unique_ptr<platform::RunningCommand> command =
        runner.Start(u"cmd.exe /A /C kt-no-such-command-here");
    ASSERT_NE(command, nullptr);
    EXPECT_FALSE(ReadAll(*command).empty()) << "cmd.exe says on standard error that it knows no such command";
}

TEST(WinCommandRunner, AChildThatNeverEndsIsEndedWithWhatItStartedAndTheReaderReturns) {
    std::u16string self = ThisProgram();
    if (self.find(u' ') != std::u16string::npos) {
        GTEST_SKIP() << "cmd.exe /C would need quoting rules for this path";
    }
    platform::win32::WinCommandRunner runner;
    std::unique_ptr<platform::RunningCommand> command = runner.Start(
        u"cmd.exe /A /C " + self +
        u" --gtest_also_run_disabled_tests --gtest_filter=CommandRunnerChild.DISABLED_NeverEnds");
    ASSERT_NE(command, nullptr);
    // The first output shows the grandchild runs; then End comes from another thread while Read waits.
    std::vector<uint8_t> first = command->Read(255);
    EXPECT_FALSE(first.empty());
    std::thread ender([&] {
        Sleep(200);
        command->End();
    });
    std::string rest = ReadAll(*command);
    ender.join();
    EXPECT_EQ(rest.find("[       OK ]"), std::string::npos) << "the child did not end by itself";
}

TEST(WinOemCodePage, AsciiIsItselfOnEveryPage) {
    platform::win32::WinOemCodePage oem;
    const uint8_t text[] = {'I', 'P', ':', ' ', '1', '0'};
    EXPECT_EQ(oem.ToUnicode(text, sizeof text), u"IP: 10");
    EXPECT_FALSE(oem.IsLeadByte('A'));
}

// Run again with a Japanese locale (see CMakeLists.txt): the console page is then 932.
TEST(WinOemCodePage, OnTheJapanesePageAHiraganaIsTwoBytesWithALeadingByte) {
    if (GetOEMCP() != 932) {
        GTEST_SKIP() << "the console page is " << GetOEMCP();
    }
    platform::win32::WinOemCodePage oem;
    EXPECT_TRUE(oem.IsLeadByte(0x82));
    EXPECT_FALSE(oem.IsLeadByte(0xA0));
    const uint8_t hiragana[] = {0x82, 0xA0};
    EXPECT_EQ(oem.ToUnicode(hiragana, sizeof hiragana), u"\u3042");
}

} // namespace
