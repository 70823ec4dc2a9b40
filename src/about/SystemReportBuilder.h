// Builds the system-information report section by section on a worker thread: the output of two
// console commands, the utility's version line and the Networks tab's list. A command's output is read
// by a thread of its own while the builder watches the time, so a command that hangs is ended after
// kCommandTimeoutMs and the report goes on.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "about/ReportText.h"
#include "networks/NetworkRules.h"
#include "platform/Clock.h"
#include "platform/CommandRunner.h"
#include "platform/OemCodePage.h"

namespace about {

constexpr uint32_t kCommandTimeoutMs = 60000;
constexpr uint32_t kReaderPollMs = 100;
constexpr size_t kChunkBytes = 255;

// What the report needs from the window's thread, gathered before the builder starts.
struct ReportInputs {
    std::u16string shell; // "cmd.exe /A" on Windows NT systems, "command.com" otherwise
    std::u16string softwareLine;
    std::array<std::u16string, networks::kColumnCount> surveyTitles;
    networks::RowTexts rowTexts;
    // The single lines a command leaves instead of, or after, its output; "%s" is the command.
    std::u16string notStartedPattern;
    std::u16string noOutputPattern;
    std::u16string stoppedPattern;
};

// How the builder reaches the system; a null runner starts no command.
struct ReportPlatform {
    platform::CommandRunner* runner = nullptr;
    const platform::OemCodePage* oem = nullptr;
    platform::Clock* clock = nullptr;
};

// The program's own: the system's command runner, OEM code page and clock on Windows; none in the
// native build, where every command reports that it could not be started.
ReportPlatform ProgramReportPlatform();

class SystemReportBuilder {
public:
    // `changed` runs (on the builder's or the reader's thread) when the text changed after the window
    // last took it.
    SystemReportBuilder(ReportPlatform platform, ReportInputs inputs, ReportText& report,
                        std::function<void()> changed);
    SystemReportBuilder(const SystemReportBuilder&) = delete;
    SystemReportBuilder& operator=(const SystemReportBuilder&) = delete;

    // Every section in order; returns when the report is complete or Stop was called.
    void Run();
    // From any thread: the running command is ended and no further section starts.
    void Stop();

    // The command line of one command.
    static std::u16string CommandLine(std::u16string_view shell, std::u16string_view command);

private:
    void Append(std::u16string_view text);
    void RunCommand(std::u16string_view command);
    void AppendSurvey();
    std::u16string CommandNote(const std::u16string& pattern, std::u16string_view command) const;

    ReportPlatform m_platform;
    ReportInputs m_inputs;
    ReportText& m_report;
    std::function<void()> m_changed;
    std::mutex m_mutex; // m_running and the Stop that ends it
    platform::RunningCommand* m_running = nullptr;
    std::atomic<bool> m_stop{false};
};

} // namespace about
