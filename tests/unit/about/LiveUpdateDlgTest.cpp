// The live-update dialog on the fake host with the template as src/res/LiveUpdate.rc declares it, over
// an update library that answers from fields and workers that run when the test says so.
#include <gtest/gtest.h>

#include "LiveUpdateTestSupport.h"
#include "MainWindowFixture.h"
#include "about/CAboutExLiveUpdateDlg.h"
#include "about/LiveUpdateRules.h"
#include "app/AppTexts.h"
#include "app/Language.h"
#include "res/LiveUpdateIds.h"

using namespace liveupdatetest;
using ui::ControlKind;

namespace {

void RegisterLiveUpdateTemplate() {
    fakes::RegisterTemplate(
        IDD_DIALOG_ABOUT_LIVE_UPDATE,
        {
            {IDC_STATIC_ABOUT_LIVE_UPDATE_TEXT1, ControlKind::Static, {12, 10, 400, 26}, false},
            {IDC_STATIC_ABOUT_LIVE_UPDATE_TEXT2, ControlKind::Static, {12, 28, 400, 44}, false},
            {IDC_PROGRESS_ABOUT_LIVE_UPDATE, ControlKind::Progress, {12, 50, 360, 64}, false},
            {IDC_STATIC_ABOUT_LIVE_UPDATE_PERCENT, ControlKind::Static, {366, 50, 400, 64}, false},
            {IDC_STATIC_ABOUT_LIVE_UPDATE_MESSAGE, ControlKind::Static, {12, 70, 400, 86}, false},
            {IDC_LIST_ABOUT_LIVE_UPDATE_LOG, ControlKind::List, {12, 90, 400, 200}, true},
            {ui::kIdCancel, ControlKind::Button, {320, 208, 400, 230}, true},
        });
}

constexpr int kCheckBar = 0x4001;

class LiveUpdate : public mainwndtest::MainWindowTest {
protected:
    LiveUpdate() {
        ProgramFolder = disk.Folder();
        disk.WriteLanguage("English", kLiveUpdateTexts);
        RegisterLiveUpdateTemplate();
        SelectLanguage();
    }
    ~LiveUpdate() override {
        if (dialogHost && !dialogHost->destroyed()) {
            dialogHost->Destroy();
        }
    }
    // Opens the dialog and lets its start message arrive.
    void Open() {
        dialog = std::make_unique<CAboutExLiveUpdateDlg>(fake.services);
        if (known) {
            dialog->SetKnownUpdate(u"Version 9 is out.", ask);
        }
        dialogHost = std::make_unique<fakes::FakeHost>(*dialog, ui::Rect{100, 100, 520, 340});
        dialogHost->Strict();
        dialogHost->Open();
        dialogHost->PumpPosted();
    }
    // The workers answer and their posts arrive.
    void Workers() {
        fake.RunJobs();
        dialogHost->PumpPosted();
    }
    // The messages logged, without their time stamps.
    std::vector<std::u16string> Logged() {
        std::vector<std::u16string> lines;
        ui::ListControl& log = dialogHost->List(IDC_LIST_ABOUT_LIVE_UPDATE_LOG);
        for (int i = 0; i < log.Count(); ++i) {
            std::u16string line = log.ItemText(i);
            lines.push_back(line.size() > 22 ? line.substr(22) : line);
        }
        return lines;
    }
    int Bar() { return dialogHost->Progress(IDC_PROGRESS_ABOUT_LIVE_UPDATE).Pos(); }
    std::u16string Percent() { return dialogHost->control(IDC_STATIC_ABOUT_LIVE_UPDATE_PERCENT).text; }
    // Up to the download's worker: the offer was accepted.
    void ReachDownload() {
        fake.library->availability = {5};
        Open();
        dialogHost->messageBoxAnswers.push_back(ui::kAnswerOk);
        Workers();
    }

    ProgramFolderOnDisk disk;
    FakeServices fake;
    bool known = false;
    bool ask = true;
    std::unique_ptr<CAboutExLiveUpdateDlg> dialog;
    std::unique_ptr<fakes::FakeHost> dialogHost;
};

TEST_F(LiveUpdate, WithoutTheLibraryOnlyTheFailureIsLoggedAndExitWorks) {
    fake.library->loaded = false;
    Open();
    EXPECT_EQ(Logged(), std::vector<std::u16string>{u"LoadLibrary OrvlAdapterUpdate.dll faile"});
    EXPECT_TRUE(fake.jobs.empty());
    EXPECT_EQ(fake.library->checks, 0);
    EXPECT_TRUE(dialogHost->IsEnabled(ui::kIdCancel));
    EXPECT_EQ(dialogHost->Caption(), u"LiveCheck");
    EXPECT_EQ(dialogHost->control(ui::kIdCancel).text, u"Exit");
}

TEST_F(LiveUpdate, NoUpdateLogsStatusSixAndEndsAtHundred) {
    Open();
    EXPECT_EQ(Logged(), std::vector<std::u16string>{u"S9"});
    EXPECT_EQ(fake.library->checks, 0) << "the check runs on a worker, not in the dialog's thread";
    ASSERT_TRUE(dialogHost->TimerRunning(kCheckBar));
    EXPECT_TRUE(dialogHost->IsEnabled(ui::kIdCancel)) << "Exit works while the check runs";
    for (int tick = 0; tick < 25; ++tick) {
        if (dialogHost->TimerRunning(kCheckBar)) {
            dialogHost->FireTimer(kCheckBar);
        }
    }
    EXPECT_EQ(Bar(), 20) << "the check's share, no further";
    EXPECT_FALSE(dialogHost->TimerRunning(kCheckBar));
    Workers();
    EXPECT_EQ(fake.library->lastRequest.setupIniPath, ProgramFolder + u"setup.ini");
    EXPECT_EQ(fake.library->lastRequest.stringTablePath, ProgramFolder + u"stringtable.dat");
    EXPECT_EQ(Logged(), (std::vector<std::u16string>{u"S9", u"S6"}));
    EXPECT_EQ(Bar(), 100);
    EXPECT_EQ(Percent(), u"100%");
    EXPECT_TRUE(dialogHost->messageBoxes.empty());
}

TEST_F(LiveUpdate, AFailedCheckLogsTheLibrarysTextAsPlainTextCutAt511) {
    fake.library->availability = {3};
    fake.library->availabilityText = u"%s%n%d " + std::u16string(2000, u'x');
    Open();
    dialogHost->FireTimer(kCheckBar);
    Workers();
    std::vector<std::u16string> logged = Logged();
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[1].size(), 511u);
    EXPECT_EQ(logged[1].substr(0, 7), u"%s%n%d ") << "never used as a format";
    EXPECT_EQ(dialogHost->control(IDC_STATIC_ABOUT_LIVE_UPDATE_MESSAGE).text, logged[1]);
    EXPECT_FALSE(dialogHost->TimerRunning(kCheckBar)) << "stopped before it reached 20";
    EXPECT_EQ(Bar(), 100);
}

TEST_F(LiveUpdate, CancellingTheOfferLogsStatusTenAndWritesTheCheckTime) {
    fake.library->availability = {5};
    fake.library->availabilityText = u"Version 9 is out.";
    Open();
    dialogHost->messageBoxAnswers.push_back(ui::kAnswerCancel);
    Workers();
    ASSERT_EQ(dialogHost->messageBoxes.size(), 1u);
    EXPECT_EQ(dialogHost->messageBoxes[0].text, u"Version 9 is out.");
    EXPECT_EQ(dialogHost->messageBoxes[0].style & 0xF, ui::kBoxOkCancel);
    EXPECT_EQ(Logged(), (std::vector<std::u16string>{u"S9", u"S5", u"S10"}));
    EXPECT_EQ(Stored(u"AutoUpdateTime"), u"1700000000");
    EXPECT_EQ(fake.library->downloads, 0);
    EXPECT_EQ(Bar(), 100);
}

TEST_F(LiveUpdate, DownloadMovesThroughTimersOneTwoThreeAndStartsTheInstaller) {
    ReachDownload();
    ASSERT_EQ(fake.jobs.size(), 1u) << "the download runs on its own worker";
    EXPECT_EQ(Bar(), 20);
    ASSERT_TRUE(dialogHost->TimerRunning(1));
    dialogHost->FireTimer(1); // not begun yet
    EXPECT_TRUE(dialogHost->TimerRunning(1));
    fake.library->fileInfoAnswer = 0;
    dialogHost->FireTimer(1);
    EXPECT_FALSE(dialogHost->TimerRunning(1));
    ASSERT_TRUE(dialogHost->TimerRunning(2));
    fake.library->progressAnswer = 0;
    fake.library->percent = 50;
    dialogHost->FireTimer(2);
    EXPECT_FALSE(dialogHost->TimerRunning(2));
    ASSERT_TRUE(dialogHost->TimerRunning(3));
    EXPECT_EQ(Bar(), 60);
    fake.library->percent = 99;
    dialogHost->FireTimer(3);
    EXPECT_EQ(Bar(), 99) << "20 + 99 x 0.8 truncated";
    fake.library->percent = 250;
    dialogHost->FireTimer(3);
    EXPECT_EQ(Bar(), 100) << "a percent over 100 counts as 100";
    fake.library->progressAnswer = 21;
    fake.library->percent = 100;
    dialogHost->FireTimer(3);
    EXPECT_FALSE(dialogHost->TimerRunning(3));

    dialogHost->messageBoxAnswers.push_back(ui::kAnswerYes);
    Workers();
    EXPECT_EQ(Logged(), (std::vector<std::u16string>{u"S9", u"S5", u"S4", u"S3", u"Version 9 is ready."}));
    ASSERT_EQ(dialogHost->messageBoxes.size(), 2u);
    EXPECT_EQ(dialogHost->messageBoxes[1].text, u"Version 9 is ready.\r\n\r\nS8");
    EXPECT_EQ(dialogHost->messageBoxes[1].style & 0xF, ui::kBoxYesNo);
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(fake.shell.opened[0], u"open C:\\Temp\\OrvlUpdate\\Setup.exe");
    EXPECT_EQ(fake.shell.parameterTexts[0], u"/z\"-MODIFY\"");
    EXPECT_EQ(fake.shell.parameterTexts[0].size(), 11u);
    EXPECT_EQ(Stored(u"AutoUpdateTime"), u"1700000000");
    EXPECT_EQ(Percent(), u"100%");
}

TEST_F(LiveUpdate, DecliningTheInstallLogsStatusTenAndAFailedStartIsLogged) {
    ReachDownload();
    fake.library->fileInfoAnswer = 0;
    dialogHost->FireTimer(1);
    dialogHost->messageBoxAnswers.push_back(ui::kAnswerNo);
    Workers();
    EXPECT_TRUE(fake.shell.opened.empty());
    EXPECT_EQ(Logged().back(), u"S10");
    EXPECT_EQ(Stored(u"AutoUpdateTime"), u"1700000000");

    // Again, accepted, but the shell cannot start the file.
    dialogHost->Destroy();
    fake.shell.openResult = 2;
    ReachDownload();
    fake.library->fileInfoAnswer = 0;
    dialogHost->FireTimer(1);
    dialogHost->messageBoxAnswers.push_back(ui::kAnswerYes);
    Workers();
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(Logged().back(), u"S1");
}

TEST_F(LiveUpdate, ADownloadDoneBeforeTimerOneAsksForThePathOnceMoreElseFails) {
    ReachDownload();
    fake.library->fileInfoAnswer = 0; // the path is there by the time the worker answers
    dialogHost->messageBoxAnswers.push_back(ui::kAnswerYes);
    Workers();
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(fake.shell.opened[0], u"open C:\\Temp\\OrvlUpdate\\Setup.exe");
    EXPECT_FALSE(dialogHost->TimerRunning(1));

    dialogHost->Destroy();
    fake.shell.opened.clear();
    ReachDownload();
    fake.library->fileInfoAnswer = 1; // never told
    Workers();
    EXPECT_TRUE(fake.shell.opened.empty()) << "an empty path is never started";
    EXPECT_EQ(Logged().back(), u"S7");
    EXPECT_EQ(Bar(), 0);
    EXPECT_EQ(Percent(), u"0%");
}

TEST_F(LiveUpdate, AFailedDownloadStopsEveryTimerAndDropsTheBar) {
    ReachDownload();
    fake.library->fileInfoAnswer = 0;
    dialogHost->FireTimer(1);
    ASSERT_TRUE(dialogHost->TimerRunning(2));
    fake.library->downloadAnswer = 9;
    fake.library->downloadMessage = u"";
    Workers();
    EXPECT_EQ(Logged().back(), u"S7") << "an empty message logs status 7";
    EXPECT_EQ(Bar(), 0);
    for (int timerId : {kCheckBar, 1, 2, 3}) {
        EXPECT_FALSE(dialogHost->TimerRunning(timerId)) << timerId;
    }
    EXPECT_EQ(dialogHost->messageBoxes.size(), 1u) << "only the offer was asked";
}

TEST_F(LiveUpdate, ExitMidDownloadDropsTheAnswerAndTheWorkerKeepsTheLibrary) {
    ReachDownload();
    ASSERT_EQ(fake.jobs.size(), 1u);
    EXPECT_TRUE(dialogHost->IsEnabled(ui::kIdCancel));
    dialogHost->Click(ui::kIdCancel);
    EXPECT_TRUE(dialogHost->ended());
    EXPECT_FALSE(dialogHost->TimerRunning(1));
    dialogHost->Destroy();
    dialog.reset();
    fake.library.reset();
    EXPECT_FALSE(*fake.libraryGone) << "the download's worker still holds the library";
    fake.RunJobs(); // the call returns; its answer finds no window
    EXPECT_TRUE(*fake.libraryGone);
    EXPECT_TRUE(fake.shell.opened.empty());
    EXPECT_EQ(Stored(u"AutoUpdateTime"), u"");
}

TEST_F(LiveUpdate, AKnownUpdateIsOfferedWithoutAskingTheLibraryAgain) {
    known = true;
    Open();
    EXPECT_EQ(fake.library->checks, 0);
    EXPECT_FALSE(dialogHost->TimerRunning(kCheckBar));
    EXPECT_EQ(Bar(), 20);
    ASSERT_EQ(dialogHost->messageBoxes.size(), 1u);
    EXPECT_EQ(dialogHost->messageBoxes[0].text, u"Version 9 is out.");
    EXPECT_EQ(fake.jobs.size(), 1u) << "OK started the download";

    dialogHost->Destroy();
    fake.jobs.clear();
    ask = false;
    Open();
    EXPECT_EQ(dialogHost->messageBoxes.size(), 0u) << "answered Yes on the notice: no second question";
    EXPECT_EQ(fake.jobs.size(), 1u);
}

constexpr char16_t kRefused[] =
    u"The downloaded file is not the installer the update server announced. It was not started.";

// A download the library calls good whose file on disk is not what the server announced: no question,
// nothing started, the refusal logged and the bar down as after a failed download.
TEST_F(LiveUpdate, AnInstallerThatIsNotTheAnnouncedOneIsNeitherOfferedNorStarted) {
    const std::u16string path = u"C:\\Temp\\OrvlUpdate\\Setup.exe";
    std::vector<uint8_t> changed = fake.library->announced;
    changed[5] ^= 0x40;
    std::vector<uint8_t> cut(fake.library->announced.begin(), fake.library->announced.end() - 1);
    struct Case {
        const char* name;
        std::optional<std::vector<uint8_t>> onDisk; // nullopt: no file
        std::optional<std::u16string> statement;    // nullopt: the true one
    };
    const Case cases[] = {
        {"one byte changed", changed, std::nullopt},
        {"cut short", cut, std::nullopt},
        {"file gone", std::nullopt, std::nullopt},
        {"the library tells nothing", fake.library->announced, u""},
        {"the statement names another file", fake.library->announced,
         FakeUpdateLibrary::Statement(u"C:\\Temp\\Other.exe", fake.library->announced)},
        {"not a program", std::vector<uint8_t>{'P', 'K', 3, 4},
         FakeUpdateLibrary::Statement(path, std::vector<uint8_t>{'P', 'K', 3, 4})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (dialogHost) {
            dialogHost->Destroy();
        }
        fake.files.files.erase(path);
        if (c.onDisk) {
            fake.files.files[path] = *c.onDisk;
        }
        fake.library->installerStatement = c.statement;
        ReachDownload();
        fake.library->fileInfoAnswer = 0;
        dialogHost->FireTimer(1);
        Workers();
        EXPECT_EQ(dialogHost->messageBoxes.size(), 1u) << "only the offer was asked";
        EXPECT_TRUE(fake.shell.opened.empty());
        EXPECT_EQ(Logged().back(), kRefused);
        EXPECT_EQ(Bar(), 0);
        EXPECT_EQ(Percent(), u"0%");
    }
}

TEST_F(LiveUpdate, AnInstallerSwappedWhileTheQuestionIsOpenIsNotStarted) {
    ReachDownload();
    fake.library->fileInfoAnswer = 0;
    dialogHost->FireTimer(1);
    dialogHost->whileMessageBoxOpen = [&](const fakes::FakeHost::ShownBox&) {
        fake.files.files[u"C:\\Temp\\OrvlUpdate\\Setup.exe"] = {'M', 'Z', 'e', 'v', 'i', 'l', 0, 0, 'P', 'E'};
    };
    dialogHost->messageBoxAnswers.push_back(ui::kAnswerYes);
    Workers();
    ASSERT_EQ(dialogHost->messageBoxes.size(), 2u) << "the file was good when the question came";
    EXPECT_TRUE(fake.shell.opened.empty());
    EXPECT_EQ(Logged().back(), kRefused);
}

TEST(LiveUpdateRules, BarLogLineAndInstallerPath) {
    EXPECT_EQ(about::DownloadBarPosition(0), 20);
    EXPECT_EQ(about::DownloadBarPosition(1), 20);
    EXPECT_EQ(about::DownloadBarPosition(100), 100);
    EXPECT_EQ(about::DownloadBarPosition(4'000'000'000u), 100);
    std::u16string line = about::LogLine(0, u"hello");
    ASSERT_EQ(line.size(), 22u + 5u);
    EXPECT_EQ(line.substr(4, 1), u"/");
    EXPECT_EQ(line.substr(10, 1), u" ");
    EXPECT_EQ(line.substr(19), u" : hello");
    EXPECT_EQ(about::InstallerPath(u"C:\\T\\", u""), u"");
    EXPECT_EQ(about::InstallerPath(u"C:\\T\\", u"a.exe"), u"C:\\T\\a.exe");
    EXPECT_FALSE(about::LibraryInternetCheckOn(4, true));
    EXPECT_FALSE(about::LibraryInternetCheckOn(9, false));
    EXPECT_TRUE(about::LibraryInternetCheckOn(9, true));
}

} // namespace
