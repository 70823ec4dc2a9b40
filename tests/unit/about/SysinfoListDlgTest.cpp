// The system-information report dialog on the fake host with scripted commands: what waits for the
// report (save, exit, the bar's last step), the close when the adapter goes, and saving as UTF-16.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "about/CAboutExSysinfoListDlg.h"
#include "app/AppGlobals.h"
#include "base/IniFile.h"
#include "base/Text.h"
#include "fakes/FakeCommandRunner.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeOemCodePage.h"
#include "networks/NetworkList.h"
#include "res/AboutReportIds.h"

namespace {

using ui::ControlKind;

constexpr char16_t kSystemInfo[] = u"cmd.exe /A /C systeminfo";
constexpr char16_t kIpConfig[] = u"cmd.exe /A /C ipconfig/all";
constexpr int kProgressTimer = CAboutExSysinfoListDlg::kTimerProgress;
constexpr int kCloseTimer = CAboutExSysinfoListDlg::kTimerCloseWatch;

// Time that stands still: a command can only end by itself or by being ended, never by the limit.
class StillClock final : public platform::Clock {
public:
    uint32_t TickCount() override { return 0; }
    void Sleep(uint32_t) override { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }
};

class SysinfoReport : public testing::Test {
protected:
    SysinfoReport() {
        ResetAppGlobals();
        networks::ResetNetworkList();
        SetAppFiles(&files);
        DevicePresent = true;
        fakes::RegisterTemplate(
            IDD_DIALOG_ABOUT_SYSINFO_LIST,
            {
                {IDC_EDIT_ABOUT_SYSINFO_LIST, ControlKind::Edit, {9, 9, 531, 317}, true},
                {IDC_PROGRESS_ABOUT_SYSINFO_LIST, ControlKind::Progress, {9, 328, 459, 344}},
                {IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE, ControlKind::Static, {468, 329, 531, 342}},
                {IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE, ControlKind::Button, {255, 357, 405, 380}, true},
                {ui::kIdCancel, ControlKind::Button, {417, 357, 531, 380}, true},
            });
        // systeminfo waits for the test (or for its end); ipconfig answers at once.
        runner.commands[kSystemInfo] = {
            {{'H', 'o', 's', 't', ' ', 0x82, '\r', '\n'}}, /*hangs*/ false, /*gated*/ true};
        runner.commands[kIpConfig] = {{{'I', 'P', '\r', '\n'}}};
    }
    ~SysinfoReport() override {
        runner.Release();
        if (host && !host->destroyed()) {
            host->Destroy();
        }
        host.reset();
        dialog.reset();
        fakes::ForgetTemplates();
        ResetAppGlobals();
    }

    void Open() {
        dialog = std::make_unique<CAboutExSysinfoListDlg>(about::ReportPlatform{&runner, &oem, &clock},
                                                          u"Version:2.1/Driver Version:3.3");
        host = std::make_unique<fakes::FakeHost>(*dialog);
        host->Strict();
        host->Open();
    }
    // Lets the builder finish and delivers what it posted; the report is complete when Exit comes on.
    void Finish() {
        runner.Release();
        for (int round = 0; round < 10000 && !host->IsEnabled(ui::kIdCancel); ++round) {
            host->PumpPosted();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(host->IsEnabled(ui::kIdCancel)) << "the report never completed";
    }
    std::u16string Percent() { return host->GetText(IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE); }
    int BarPosition() { return host->Progress(IDC_PROGRESS_ABOUT_SYSINFO_LIST).Pos(); }

    fakes::FakeCommandRunner runner;
    fakes::FakeOemCodePage oem = fakes::FakeOemCodePage::Western();
    StillClock clock;
    fakes::FakeFileSystem files;
    std::unique_ptr<CAboutExSysinfoListDlg> dialog;
    std::unique_ptr<fakes::FakeHost> host;
};

TEST_F(SysinfoReport, OpensWithItsTextsAndWithSaveAndExitWaitingForTheReport) {
    Open();
    EXPECT_EQ(host->Caption(), u"System Information");
    EXPECT_EQ(host->GetText(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE), u"Save to File");
    EXPECT_EQ(host->GetText(ui::kIdCancel), u"Exit");
    EXPECT_FALSE(host->IsEnabled(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE));
    EXPECT_FALSE(host->IsEnabled(ui::kIdCancel));
    EXPECT_EQ(host->Progress(IDC_PROGRESS_ABOUT_SYSINFO_LIST).RangeMax(), 100);
    EXPECT_EQ(Percent(), u"0%");
    EXPECT_EQ(host->TimerInterval(kProgressTimer), 80u);
    EXPECT_EQ(host->TimerInterval(kCloseTimer), 1000u);
    // Escape and the close box wait like Exit.
    host->PressEscape();
    EXPECT_FALSE(host->ended());

    Finish();
    EXPECT_TRUE(host->IsEnabled(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE));
    std::u16string shown = host->GetText(IDC_EDIT_ABOUT_SYSINFO_LIST);
    EXPECT_EQ(shown, dialog->ReportSoFar());
    EXPECT_EQ(shown.rfind(u"---System Information---\r\nHost \u00E9\r\n", 0), 0u) << "OEM bytes converted";
    host->PressEscape();
    EXPECT_TRUE(host->ended());
    EXPECT_EQ(host->result(), ui::kIdCancel);
}

TEST_F(SysinfoReport, TheBarHoldsAtNinetyNineUntilTheReportIsCompleteAndOnlyThenSaysDone) {
    Open();
    for (int tick = 1; tick <= 98; ++tick) {
        host->FireTimer(kProgressTimer);
    }
    EXPECT_EQ(BarPosition(), 98);
    EXPECT_EQ(Percent(), u"98%");
    for (int tick = 0; tick < 20; ++tick) {
        host->FireTimer(kProgressTimer);
    }
    EXPECT_EQ(BarPosition(), 99);
    EXPECT_EQ(Percent(), u"99%") << "never Done... while the report is being built";
    EXPECT_TRUE(host->TimerRunning(kProgressTimer));

    Finish();
    EXPECT_EQ(Percent(), u"99%");
    host->FireTimer(kProgressTimer);
    EXPECT_EQ(BarPosition(), 100);
    EXPECT_EQ(Percent(), u"Done...");
    EXPECT_FALSE(host->TimerRunning(kProgressTimer));
}

TEST_F(SysinfoReport, AReportCompleteEarlyMakesTheNextStepTheLast) {
    Open();
    host->FireTimer(kProgressTimer);
    EXPECT_EQ(Percent(), u"1%");
    Finish();
    host->FireTimer(kProgressTimer);
    EXPECT_EQ(Percent(), u"Done...");
    EXPECT_EQ(BarPosition(), 100);
}

TEST_F(SysinfoReport, TheReportClosesWhenTheAdapterGoesEndingAHungCommand) {
    runner.commands[kSystemInfo] = {{}, /*hangs*/ true};
    Open();
    while (runner.Started().empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    host->FireTimer(kCloseTimer);
    EXPECT_FALSE(host->ended()) << "the adapter is still there";
    DevicePresent = false;
    host->FireTimer(kCloseTimer);
    EXPECT_TRUE(host->ended());
    EXPECT_EQ(host->result(), ui::kIdCancel);
    EXPECT_EQ(runner.EndCalls(), 1) << "the command was ended, not left running";
    EXPECT_EQ(runner.Started().size(), 1u) << "no further command after the close";
}

TEST_F(SysinfoReport, SaveWritesUtf16LittleEndianWithTheByteOrderMark) {
    Open();
    Finish();
    host->saveAnswers.push_back(u"C:\\Support\\sysinfo.txt");
    host->Click(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE);
    ASSERT_EQ(host->saveRequests.size(), 1u);
    EXPECT_EQ(host->saveRequests[0].defaultName, u"sysinfo.txt");
    EXPECT_EQ(host->saveRequests[0].extension, u"txt");
    EXPECT_EQ(host->saveRequests[0].filter, u"txt Files (*.txt)|*.txt||");
    ASSERT_EQ(files.files.count(u"C:\\Support\\sysinfo.txt"), 1u);
    const std::vector<uint8_t>& bytes = files.files[u"C:\\Support\\sysinfo.txt"];
    std::u16string report = dialog->ReportSoFar();
    ASSERT_EQ(bytes.size(), 2 + 2 * report.size());
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(bytes[2], '-');
    EXPECT_EQ(bytes[3], 0);
    size_t accent = report.find(u'\u00E9');
    ASSERT_NE(accent, std::u16string::npos);
    EXPECT_EQ(bytes[2 + 2 * accent], 0xE9);
    EXPECT_EQ(bytes[3 + 2 * accent], 0x00);
    EXPECT_TRUE(host->messageBoxes.empty());

    // Cancelled: nothing is written.
    files.files.clear();
    host->Click(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE);
    EXPECT_TRUE(files.files.empty());
    EXPECT_TRUE(host->messageBoxes.empty());
}

TEST_F(SysinfoReport, AFileThatCannotBeWrittenIsReportedNotPassedOverInSilence) {
    Open();
    Finish();
    files.unwritablePaths.insert(u"R:\\sysinfo.txt");
    host->saveAnswers.push_back(u"R:\\sysinfo.txt");
    host->Click(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE);
    ASSERT_EQ(host->messageBoxes.size(), 1u);
    EXPECT_EQ(host->messageBoxes[0].text, u"The report could not be saved to R:\\sysinfo.txt.");
    EXPECT_FALSE(host->ended()) << "the report stays open for another try";
}

TEST(SysinfoReportTexts, TheShippedEnglishFileSaysWhatTheBuiltInTextsSay) {
    std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
    std::u16string file = base::Widen((root / "lang" / "Language" / "English" / "English.lng").string());
    const std::pair<std::u16string_view, std::u16string_view> kTexts[] = {
        {u"Title", u"System Information"},
        {u"IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE", u"Save to File"},
        {u"IDCANCEL", u"Exit"},
        {u"IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE", u"Done..."},
        {u"CommandNotStarted", u"The command \"%s\" could not be started."},
        {u"CommandNoOutput", u"The command \"%s\" printed nothing."},
        {u"CommandStopped", u"The command \"%s\" did not finish within 60 seconds and was ended."},
        {u"SaveFailed", u"The report could not be saved to %s."},
    };
    for (const auto& [key, text] : kTexts) {
        EXPECT_EQ(base::IniFile::GetString(file, u"IDD_DIALOG_ABOUT_SYSINFO_LIST", key, u"<missing>"), text)
            << base::NarrowForLog(key);
    }
}

} // namespace
