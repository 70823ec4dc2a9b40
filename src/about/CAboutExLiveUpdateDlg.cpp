#include "about/CAboutExLiveUpdateDlg.h"

#include "about/LiveUpdateRules.h"
#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "app/Language.h"
#include "base/Format.h"
#include "res/LiveUpdateIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_ABOUT_LIVE_UPDATE";
constexpr std::u16string_view kAutoUpdateTime = u"AutoUpdateTime";
constexpr std::u16string_view kLoadFailed = u"LoadLibrary OrvlAdapterUpdate.dll faile";

// The window shows before the procedure asks anything.
constexpr uint32_t kMsgStart = ui::kFirstPrivateMessage + 0x701;
// A worker's answer is in its outcome.
constexpr uint32_t kMsgCheckDone = ui::kFirstPrivateMessage + 0x702;
constexpr uint32_t kMsgDownloadDone = ui::kFirstPrivateMessage + 0x703;

// Moves the bar through the check's share while the availability check runs, which says nothing of
// its own progress.
constexpr int kTimerCheckBar = 0x4001;
// Waits for the download to begin, to learn the installer's path.
constexpr int kTimerFileInfo = 1;
// Waits for the first progress report.
constexpr int kTimerFirstProgress = 2;
// Follows the download's progress to its end.
constexpr int kTimerProgress = 3;
constexpr uint32_t kTimerPeriodMs = 500;

// Status texts by use (1-based numbers, as the language file names them).
constexpr int kStatusInstallerNotStarted = 1;
constexpr int kStatusDownloading = 3;
constexpr int kStatusDownloadBegun = 4;
constexpr int kStatusUpdateFound = 5;
constexpr int kStatusUpToDate = 6;
constexpr int kStatusDownloadFailed = 7;
constexpr int kStatusInstallQuestion = 8;
constexpr int kStatusChecking = 9;
constexpr int kStatusDeclined = 10;

std::u16string DialogText(std::u16string_view key, std::u16string_view defaultText) {
    return LangString(kSection, key, defaultText, 256);
}

std::u16string InstallerRefusedText() {
    return DialogText(
        u"InstallerRefused",
        u"The downloaded file is not the installer the update server announced. It was not started.");
}

} // namespace

CAboutExLiveUpdateDlg::CAboutExLiveUpdateDlg(about::LiveUpdateServices& services)
    : ui::Dialog(IDD_DIALOG_ABOUT_LIVE_UPDATE), m_services(services), m_library(services.openLibrary()) {
    m_request.languageCode = LanguageCode();
    m_request.setupIniPath = ProgramFolder + u"setup.ini";
    m_request.stringTablePath = ProgramFolder + u"stringtable.dat";
    for (size_t i = 0; i < m_status.size(); ++i) {
        m_status[i] = DialogText(base::Format(u"Status%d", {static_cast<int>(i + 1)}), u"");
    }
}

int CAboutExLiveUpdateDlg::CheckForUpdate(std::u16string& text) {
    if (!m_library->Loaded()) {
        text.clear();
        return -1;
    }
    std::u16string answer;
    int code = m_library->IsNewUpdateAvailable(m_request, answer);
    text = about::LibraryText(answer);
    return code;
}

void CAboutExLiveUpdateDlg::SetKnownUpdate(std::u16string offerText, bool ask) {
    m_updateKnown = true;
    m_askBeforeDownload = ask;
    m_offerText = about::LibraryText(offerText);
}

std::u16string CAboutExLiveUpdateDlg::Status(int number) const {
    return m_status[static_cast<size_t>(number - 1)];
}

bool CAboutExLiveUpdateDlg::OnInit() {
    host().SetCaption(DialogText(u"Title", u"LiveCheck"));
    host().SetText(IDC_STATIC_ABOUT_LIVE_UPDATE_TEXT1,
                   DialogText(u"IDC_STATIC_ABOUT_LIVE_UPDATE_TEXT1", u""));
    host().SetText(IDC_STATIC_ABOUT_LIVE_UPDATE_TEXT2,
                   DialogText(u"IDC_STATIC_ABOUT_LIVE_UPDATE_TEXT2", u""));
    host().SetText(ui::kIdCancel, DialogText(u"IDCANCEL", u"Exit"));
    host().Progress(IDC_PROGRESS_ABOUT_LIVE_UPDATE).SetRange(0, 100);
    SetBar(0);
    // Exit stays enabled throughout: a server that never answers must not hold the user here, and a
    // worker still inside the library keeps its own hold on it.
    host().Enable(ui::kIdCancel, true);
    if (!m_library->Loaded()) {
        Log(kLoadFailed);
        return true;
    }
    host().PostToSelf(kMsgStart, 0, 0);
    return true;
}

void CAboutExLiveUpdateDlg::Log(std::u16string_view message) {
    host().SetText(IDC_STATIC_ABOUT_LIVE_UPDATE_MESSAGE, message);
    host()
        .List(IDC_LIST_ABOUT_LIVE_UPDATE_LOG)
        .Add(about::LogLine(m_services.calendar->SecondsSince1970(), message));
}

void CAboutExLiveUpdateDlg::SetBar(int position) {
    m_position = position;
    host().Progress(IDC_PROGRESS_ABOUT_LIVE_UPDATE).SetPos(position);
    host().SetText(IDC_STATIC_ABOUT_LIVE_UPDATE_PERCENT, base::Format(u"%d%%", {position}));
}

void CAboutExLiveUpdateDlg::StartProcedure() {
    if (m_updateKnown) {
        SetBar(about::kCheckShare);
        Log(Status(kStatusUpdateFound));
        Offer(m_offerText);
        return;
    }
    host().SetTimer(kTimerCheckBar, kTimerPeriodMs);
    Log(Status(kStatusChecking));
    StartCheck();
}

void CAboutExLiveUpdateDlg::StartCheck() {
    auto outcome = std::make_shared<Outcome>();
    m_checkOutcome = outcome;
    m_services.runWorker([library = m_library, request = m_request, outcome, window = host().MakePoster()] {
        std::u16string text;
        int code = library->IsNewUpdateAvailable(request, text);
        {
            std::lock_guard lock(outcome->mutex);
            outcome->code = code;
            outcome->text = about::LibraryText(text);
        }
        window.Post(kMsgCheckDone);
    });
}

void CAboutExLiveUpdateDlg::OnCheckDone() {
    if (!m_checkOutcome) {
        return;
    }
    int code = 0;
    std::u16string text;
    {
        std::lock_guard lock(m_checkOutcome->mutex);
        code = m_checkOutcome->code;
        text = m_checkOutcome->text;
    }
    m_checkOutcome.reset();
    host().KillTimer(kTimerCheckBar);
    if (code == 5) {
        SetBar(about::kCheckShare);
        Log(Status(kStatusUpdateFound));
        Offer(text);
        return;
    }
    Log(code == 4 ? Status(kStatusUpToDate) : text);
    SetBar(100);
}

void CAboutExLiveUpdateDlg::Offer(const std::u16string& text) {
    if (m_askBeforeDownload &&
        host().ShowMessageBox(text, MessageBoxCaption(), ui::kBoxOkCancel | ui::kBoxIconQuestion) !=
            ui::kAnswerOk) {
        Log(Status(kStatusDeclined));
        WriteCheckTime();
        SetBar(100);
        return;
    }
    StartDownload();
}

void CAboutExLiveUpdateDlg::StartDownload() {
    auto outcome = std::make_shared<Outcome>();
    m_downloadOutcome = outcome;
    m_services.runWorker([library = m_library, request = m_request, outcome, window = host().MakePoster()] {
        std::u16string message, installerStatement;
        int code = library->GetUpdateFromServer(request, message, installerStatement);
        {
            std::lock_guard lock(outcome->mutex);
            outcome->code = code;
            outcome->text = about::LibraryText(message);
            outcome->installerStatement = installerStatement;
        }
        window.Post(kMsgDownloadDone);
    });
    host().SetTimer(kTimerFileInfo, kTimerPeriodMs);
}

bool CAboutExLiveUpdateDlg::FindInstaller() {
    m_progress.percent = 0;
    std::u16string fileName, folder;
    if (m_library->GetDownloadFileInfo(fileName, folder, m_downloadHandle) != 0) {
        return false;
    }
    m_installerPath = about::InstallerPath(folder, fileName);
    return !m_installerPath.empty();
}

void CAboutExLiveUpdateDlg::OnTimer(int timerId) {
    switch (timerId) {
    case kTimerCheckBar:
        if (m_position < about::kCheckShare) {
            SetBar(m_position + 1);
        }
        if (m_position >= about::kCheckShare) {
            host().KillTimer(kTimerCheckBar);
        }
        return;
    case kTimerFileInfo:
        if (FindInstaller()) {
            Log(Status(kStatusDownloadBegun));
            host().KillTimer(kTimerFileInfo);
            host().SetTimer(kTimerFirstProgress, kTimerPeriodMs);
        }
        return;
    case kTimerFirstProgress:
        if (m_library->GetDownloadProgressInfo(m_progress) == 0) {
            Log(Status(kStatusDownloading));
            host().KillTimer(kTimerFirstProgress);
            SetBar(about::DownloadBarPosition(m_progress.percent));
            host().SetTimer(kTimerProgress, kTimerPeriodMs);
        }
        return;
    case kTimerProgress: {
        int answer = m_library->GetDownloadProgressInfo(m_progress);
        if (answer == 0) {
            SetBar(about::DownloadBarPosition(m_progress.percent));
        } else if (answer == 21 && m_progress.percent == 100) {
            host().KillTimer(kTimerProgress);
            SetBar(100);
        }
        return;
    }
    default:
        return;
    }
}

void CAboutExLiveUpdateDlg::OnDownloadDone() {
    if (!m_downloadOutcome) {
        return;
    }
    int code = 0;
    std::u16string message;
    {
        std::lock_guard lock(m_downloadOutcome->mutex);
        code = m_downloadOutcome->code;
        message = m_downloadOutcome->text;
        m_installerStatement = about::ParseInstallerStatement(m_downloadOutcome->installerStatement);
    }
    m_downloadOutcome.reset();
    // Whatever timer still runs would move the bar after the end.
    StopTimers();
    // A download that ended before the first file-information tick left no path yet: ask once more.
    if (code == 0 && m_installerPath.empty() && !FindInstaller()) {
        code = -1;
        message.clear();
    }
    if (code != 0) {
        Log(message.empty() ? Status(kStatusDownloadFailed) : message);
        SetBar(0);
        return;
    }
    // Nobody is asked to install a file that is not what the server announced.
    if (!InstallerIsTheAnnouncedOne()) {
        Log(InstallerRefusedText());
        SetBar(0);
        return;
    }
    Log(message);
    SetBar(100);
    std::u16string question = message + u"\r\n\r\n" + Status(kStatusInstallQuestion);
    if (host().ShowMessageBox(question, MessageBoxCaption(), ui::kBoxYesNo | ui::kBoxIconQuestion) ==
        ui::kAnswerYes) {
        StartInstaller();
    } else {
        Log(Status(kStatusDeclined));
    }
    WriteCheckTime();
}

bool CAboutExLiveUpdateDlg::InstallerIsTheAnnouncedOne() {
    // The statement must name the very file the download reported, the one that would be started.
    if (!m_installerStatement || m_installerStatement->path != m_installerPath ||
        m_services.files == nullptr) {
        return false;
    }
    std::optional<std::vector<uint8_t>> bytes = m_services.files->ReadFile(m_installerPath);
    return bytes && about::InstallerMatches(*m_installerStatement, *bytes);
}

void CAboutExLiveUpdateDlg::StartInstaller() {
    constexpr intptr_t kStarted = 32; // the shell's answers above this are success
    // The file may have changed while the question was open.
    if (!InstallerIsTheAnnouncedOne()) {
        Log(InstallerRefusedText());
        return;
    }
    if (m_services.shell->Open(u"open", m_installerPath, about::kInstallerParameters) <= kStarted) {
        Log(Status(kStatusInstallerNotStarted));
    }
}

void CAboutExLiveUpdateDlg::WriteCheckTime() {
    SetAppValue(kAutoUpdateTime,
                base::Format(u"%lld", {static_cast<long long>(m_services.calendar->SecondsSince1970())}));
}

void CAboutExLiveUpdateDlg::StopTimers() {
    for (int timerId : {kTimerCheckBar, kTimerFileInfo, kTimerFirstProgress, kTimerProgress}) {
        host().KillTimer(timerId);
    }
}

bool CAboutExLiveUpdateDlg::OnMessage(uint32_t message, uintptr_t, intptr_t, intptr_t& result) {
    switch (message) {
    case kMsgStart:
        StartProcedure();
        break;
    case kMsgCheckDone:
        OnCheckDone();
        break;
    case kMsgDownloadDone:
        OnDownloadDone();
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

void CAboutExLiveUpdateDlg::OnCancel() {
    // A worker still inside the library finishes there on its own; its answer finds no window.
    StopTimers();
    m_checkOutcome.reset();
    m_downloadOutcome.reset();
    host().EndDialog(ui::kIdCancel);
}
