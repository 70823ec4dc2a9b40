#include "about/SystemReportBuilder.h"

#include <thread>

#include "about/OemChunkDecoder.h"
#include "about/SurveyLines.h"
#include "base/Format.h"
#include "networks/NetworkList.h"

namespace about {

SystemReportBuilder::SystemReportBuilder(ReportPlatform platform, ReportInputs inputs, ReportText& report,
                                         std::function<void()> changed)
    : m_platform(platform), m_inputs(std::move(inputs)), m_report(report), m_changed(std::move(changed)) {}

std::u16string SystemReportBuilder::CommandLine(std::u16string_view shell, std::u16string_view command) {
    return base::Format(u"%s /C %s", {shell, command});
}

void SystemReportBuilder::Append(std::u16string_view text) {
    if (m_report.Append(text) && m_changed) {
        m_changed();
    }
}

void SystemReportBuilder::Run() {
    Append(u"---System Information---\r\n");
    RunCommand(u"systeminfo");
    if (m_stop) {
        return;
    }
    Append(u"\r\n\r\n\r\n---System Network Information---\r\n");
    RunCommand(u"ipconfig/all");
    if (m_stop) {
        return;
    }
    Append(u"\r\n\r\n\r\n---Software Information---\r\n");
    Append(m_inputs.softwareLine);
    Append(u"\r\n\r\n\r\n---Site survey Information---\r\n");
    AppendSurvey();
}

void SystemReportBuilder::Stop() {
    std::lock_guard lock(m_mutex);
    m_stop = true;
    if (m_running != nullptr) {
        m_running->End();
    }
}

std::u16string SystemReportBuilder::CommandNote(const std::u16string& pattern,
                                                std::u16string_view command) const {
    return base::FormatTranslated(pattern, {command});
}

void SystemReportBuilder::RunCommand(std::u16string_view command) {
    if (m_stop) {
        return;
    }
    std::unique_ptr<platform::RunningCommand> running;
    if (m_platform.runner != nullptr && m_platform.oem != nullptr && m_platform.clock != nullptr) {
        running = m_platform.runner->Start(CommandLine(m_inputs.shell, command));
    }
    if (!running) {
        // Said in the report, so the reader knows the empty section is not what the system answered.
        Append(CommandNote(m_inputs.notStartedPattern, command));
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_running = running.get();
        if (m_stop) {
            running->End();
        }
    }

    std::atomic<bool> readerDone{false};
    std::atomic<bool> printed{false};
    std::thread reader([&] {
        OemChunkDecoder decoder(*m_platform.oem);
        for (;;) {
            std::vector<uint8_t> chunk = running->Read(kChunkBytes);
            if (chunk.empty()) {
                break;
            }
            printed = true;
            Append(decoder.Decode(chunk));
        }
        Append(decoder.Finish());
        readerDone = true;
    });

    // The reader ends when the output does; a command that keeps it open too long is ended, which
    // closes the output and so ends the reader too.
    platform::Clock& clock = *m_platform.clock;
    const uint32_t started = clock.TickCount();
    bool ended = false;
    bool timedOut = false;
    while (!readerDone) {
        if (!ended && m_stop) {
            ended = true; // Stop has ended it
        } else if (!ended && clock.TickCount() - started >= kCommandTimeoutMs) {
            timedOut = true;
            running->End();
            ended = true;
        }
        clock.Sleep(kReaderPollMs);
    }
    reader.join();
    {
        std::lock_guard lock(m_mutex);
        m_running = nullptr;
    }
    if (timedOut) {
        if (printed) {
            Append(u"\r\n");
        }
        Append(CommandNote(m_inputs.stoppedPattern, command));
    } else if (!printed && !m_stop) {
        Append(CommandNote(m_inputs.noOutputPattern, command));
    }
}

void SystemReportBuilder::AppendSurvey() {
    std::u16string lines = SurveyLine(m_inputs.surveyTitles);
    const bool ht5G = g_bHtAllowed5G;
    const bool ht24G = g_bHtAllowed24G;
    for (const kernel::BssEntry& entry : networks::CopyNetworkList()) {
        lines += SurveyLine(networks::RowCells(entry, m_inputs.rowTexts, ht5G, ht24G));
    }
    Append(lines);
}

} // namespace about
