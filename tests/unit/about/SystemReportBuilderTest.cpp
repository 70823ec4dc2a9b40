// The system-information report's builder with scripted commands, a clock that moves only when the
// builder waits, and the shared network list: the sections in order, the lines a failed command
// leaves, the end of a hung command, characters split between chunks, and the text's limit.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "about/OemChunkDecoder.h"
#include "about/ReportText.h"
#include "about/SurveyLines.h"
#include "about/SystemReportBuilder.h"
#include "base/Text.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeCommandRunner.h"
#include "fakes/FakeOemCodePage.h"
#include "networks/NetworkList.h"

namespace {

constexpr char16_t kSystemInfo[] = u"cmd.exe /A /C systeminfo";
constexpr char16_t kIpConfig[] = u"cmd.exe /A /C ipconfig/all";

std::vector<uint8_t> Bytes(std::string_view text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

about::ReportInputs Inputs() {
    about::ReportInputs inputs;
    inputs.shell = u"cmd.exe /A";
    inputs.softwareLine = u"Version:2.1.0.4/Driver Version:3.3.0.1";
    inputs.surveyTitles = {u"Network Name (SSID)", u"Channel", u"N", u"WPS", u"Security", u"Signal",
                           u"MAC Address",         u"Mode"};
    inputs.rowTexts.wps = u"WPS";
    inputs.rowTexts.security = {u"None",       u"WEP",        u"WPA-PSK/WPA2-PSK",
                                u"WPA-PSK",    u"WPA2-PSK",   u"WPA-Radius/WPA2-Radius",
                                u"WPA-Radius", u"WPA2-Radius"};
    inputs.rowTexts.infrastructure = u"Infrastructure";
    inputs.rowTexts.adHoc = u"Ad-Hoc";
    inputs.notStartedPattern = u"[%s: not started]";
    inputs.noOutputPattern = u"[%s: nothing]";
    inputs.stoppedPattern = u"[%s: ended]";
    return inputs;
}

// Moves the time only while the command's reader waits for an end that only time brings; otherwise
// it lets the reader run, so output on its way is never outrun by the builder's time limit.
class ReaderPacedClock final : public platform::Clock {
public:
    explicit ReaderPacedClock(const fakes::FakeCommandRunner& runner) : m_runner(runner) {}
    uint32_t TickCount() override { return m_clock.TickCount(); }
    void Sleep(uint32_t milliseconds) override {
        if (m_runner.ReaderWaiting()) {
            m_clock.Sleep(milliseconds);
        } else {
            std::this_thread::yield();
        }
    }
    uint64_t TotalSlept() const { return m_clock.TotalSlept(); }

private:
    const fakes::FakeCommandRunner& m_runner;
    fakes::FakeClock m_clock;
};

class ReportBuilder : public testing::Test {
protected:
    ReportBuilder() { networks::ResetNetworkList(); }
    ~ReportBuilder() override { networks::ResetNetworkList(); }

    std::u16string Build() {
        about::SystemReportBuilder builder({&runner, &oem, &clock}, Inputs(), report, [this] { ++changes; });
        builder.Run();
        return report.Peek();
    }
    // The text between a section's header and the next section's.
    static std::u16string Section(const std::u16string& text, std::u16string_view header) {
        size_t begin = text.find(header);
        if (begin == std::u16string::npos) {
            return u"<no section>";
        }
        begin += header.size();
        size_t end = text.find(u"\r\n\r\n\r\n---", begin);
        return text.substr(begin, end == std::u16string::npos ? std::u16string::npos : end - begin);
    }

    fakes::FakeCommandRunner runner;
    fakes::FakeOemCodePage oem = fakes::FakeOemCodePage::Western();
    ReaderPacedClock clock{runner};
    about::ReportText report;
    int changes = 0;
};

TEST_F(ReportBuilder, SectionsComeInOrderWithTheirHeadersAndTheNetworkList) {
    runner.commands[kSystemInfo] = {{Bytes("Host Name: DESK\r\n"), Bytes("OS Name: Windows\r\n")}};
    runner.commands[kIpConfig] = {{Bytes("IPv4 Address: 10.0.0.7\r\n")}};
    kernel::BssEntry home{};
    base::CopyToField(home.ssid, u"Home");
    home.channel = 6;
    home.signal = 80;
    networks::ReplaceNetworkList({home});

    std::u16string text = Build();

    std::u16string expectedStart =
        u"---System Information---\r\nHost Name: DESK\r\nOS Name: Windows\r\n"
        u"\r\n\r\n\r\n---System Network Information---\r\nIPv4 Address: 10.0.0.7\r\n"
        u"\r\n\r\n\r\n---Software Information---\r\nVersion:2.1.0.4/Driver Version:3.3.0.1"
        u"\r\n\r\n\r\n---Site survey Information---\r\n";
    ASSERT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    std::u16string survey = text.substr(expectedStart.size());
    std::u16string header = u"Network Name (SSID)             Channel"
                            u"N    WPS  Security                 Signal    MAC Address                   "
                            u"Mode                                    \r\n";
    ASSERT_EQ(survey.substr(0, header.size()), header);
    std::u16string row = survey.substr(header.size());
    EXPECT_EQ(row.substr(0, 32), u"Home                            ");
    EXPECT_EQ(row.size(), 32u + 5 + 5 + 5 + 25 + 10 + 30 + 40 + 2) << base::NarrowForLog(row);
    EXPECT_EQ(row.substr(row.size() - 2), u"\r\n");
    EXPECT_EQ(runner.Started(), (std::vector<std::u16string>{kSystemInfo, kIpConfig}));
    EXPECT_GE(changes, 1);
}

TEST_F(ReportBuilder, SurveyColumnsArePaddedToTheirWidthsAndLongTextsAreNotCut) {
    std::u16string line = about::SurveyLine({u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h"});
    EXPECT_EQ(line.size(), 152u + 2);
    const size_t starts[] = {0, 32, 37, 42, 47, 72, 82, 112};
    for (size_t column = 0; column < 8; ++column) {
        EXPECT_EQ(line[starts[column]], u'a' + column) << column;
    }
    std::u16string longName(40, u'x');
    line = about::SurveyLine({longName, u"11", u"", u"", u"", u"", u"", u""});
    EXPECT_EQ(line.substr(0, 42), longName + u"11");
}

TEST_F(ReportBuilder, ACommandThatCannotStartPrintsNothingOrHangsLeavesOneLineAndTheReportGoesOn) {
    // systeminfo is unknown to the script: it cannot start. ipconfig prints nothing.
    runner.commands[kIpConfig] = {};
    std::u16string text = Build();
    EXPECT_EQ(Section(text, u"---System Information---\r\n"), u"[systeminfo: not started]");
    EXPECT_EQ(Section(text, u"---System Network Information---\r\n"), u"[ipconfig/all: nothing]");
    EXPECT_EQ(Section(text, u"---Software Information---\r\n"), Inputs().softwareLine);
    EXPECT_EQ(clock.TotalSlept(), 0u) << "the command that printed nothing ended at once";
}

TEST_F(ReportBuilder, AHungCommandIsEndedAfterSixtySecondsKeepingWhatItPrinted) {
    runner.commands[kSystemInfo] = {{Bytes("Host Name: DESK")}, /*hangs*/ true};
    runner.commands[kIpConfig] = {{Bytes("ok\r\n")}};
    std::u16string text = Build();
    EXPECT_EQ(Section(text, u"---System Information---\r\n"), u"Host Name: DESK\r\n[systeminfo: ended]");
    EXPECT_EQ(Section(text, u"---System Network Information---\r\n"), u"ok\r\n");
    EXPECT_EQ(runner.EndCalls(), 1);
    EXPECT_GE(clock.TotalSlept(), about::kCommandTimeoutMs);
    EXPECT_LT(clock.TotalSlept(), about::kCommandTimeoutMs + 10'000u) << "ended soon after the limit";
}

TEST_F(ReportBuilder, StopEndsTheRunningCommandAndNoFurtherSectionStarts) {
    runner.commands[kSystemInfo] = {{}, false, /*gated*/ true};
    // A clock whose waits take real time, so the builder is still waiting when Stop comes.
    class SlowClock final : public platform::Clock {
    public:
        uint32_t TickCount() override { return 0; }
        void Sleep(uint32_t) override { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }
    } slowClock;
    about::SystemReportBuilder builder({&runner, &oem, &slowClock}, Inputs(), report, nullptr);
    std::thread worker([&] { builder.Run(); });
    while (runner.Started().empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    builder.Stop();
    worker.join();
    EXPECT_EQ(runner.Started().size(), 1u);
    EXPECT_EQ(report.Peek().find(u"---System Network Information---"), std::u16string::npos);
}

TEST(OemChunks, ADoubleByteCharacterSplitBetweenChunksComesOutWhole) {
    fakes::FakeOemCodePage japanese = fakes::FakeOemCodePage::Japanese();
    about::OemChunkDecoder decoder(japanese);
    EXPECT_EQ(decoder.Decode({'A', 0x82}), u"A");
    EXPECT_EQ(decoder.Decode({0xA0, 'B'}), u"\u3042B");
    // The second byte of a character may have a leading byte's value; it never waits for a partner.
    EXPECT_EQ(decoder.Decode({0x8E, 0x82}), u"\u6301");
    EXPECT_EQ(decoder.Decode({0x82, 0xA2, 0x8E}), u"\u3044");
    EXPECT_EQ(decoder.Decode({0x82}), u"\u6301");
    // A leading byte whose partner never comes is shown at the end, not lost.
    EXPECT_EQ(decoder.Decode({'C', 0x82}), u"C");
    EXPECT_EQ(decoder.Finish(), u"?");
    EXPECT_EQ(decoder.Finish(), u"");

    fakes::FakeOemCodePage western = fakes::FakeOemCodePage::Western();
    about::OemChunkDecoder single(western);
    EXPECT_EQ(single.Decode({'x', 0x82}), u"x\u00E9") << "a single-byte page holds nothing back";
}

TEST_F(ReportBuilder, TheReaderJoinsACharacterTheCommandsOutputSplit) {
    oem = fakes::FakeOemCodePage::Japanese();
    runner.commands[kSystemInfo] = {{{'N', ':', 0x82}, {0xA0, '\r', '\n'}}};
    runner.commands[kIpConfig] = {{Bytes("-")}};
    EXPECT_EQ(Section(Build(), u"---System Information---\r\n"), u"N:\u3042\r\n");
}

TEST(ReportLimit, TheOldestTextGivesWayForWhatTheAppendNeeds) {
    std::u16string text(100, u'a');
    text[0] = u'F';
    about::AppendWithinLimit(text, std::u16string(30, u'b'), 100);
    ASSERT_EQ(text.size(), 100u);
    EXPECT_EQ(text.substr(0, 70), std::u16string(70, u'a')) << "exactly the 30 oldest went";
    EXPECT_EQ(text.substr(70), std::u16string(30, u'b')) << "the append's end is kept";

    // Below the limit nothing goes.
    std::u16string small = u"abc";
    about::AppendWithinLimit(small, u"de", 100);
    EXPECT_EQ(small, u"abcde");

    // An append longer than the limit keeps its own last characters.
    std::u16string longer;
    for (int i = 0; i < 150; ++i) {
        longer += static_cast<char16_t>(u'0' + i % 10);
    }
    about::AppendWithinLimit(text, longer, 100);
    EXPECT_EQ(text, longer.substr(50));

    // The cut never leaves half a surrogate pair at the front.
    std::u16string pairs = u"x\U0001F600yz";
    about::AppendWithinLimit(pairs, u"!", 4);
    EXPECT_EQ(pairs, u"yz!");
}

TEST(ReportLimit, TheSharedTextStaysWithinTheEditsLimitAndReportsTheFirstChangeOnly) {
    about::ReportText report;
    EXPECT_TRUE(report.Append(std::u16string(about::kReportLimit - 10, u'a')));
    EXPECT_FALSE(report.Append(u"0123456789ABCDEFGHIJ")) << "already told";
    std::u16string taken = report.Take();
    EXPECT_EQ(taken.size(), about::kReportLimit);
    EXPECT_EQ(taken.substr(taken.size() - 20), u"0123456789ABCDEFGHIJ");
    EXPECT_TRUE(report.Append(u"x")) << "a change after the window took the text";
    EXPECT_FALSE(report.Append(u"")) << "nothing appended is no change";
}

} // namespace
