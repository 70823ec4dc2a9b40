#include "about/CAboutExSysinfoListDlg.h"

#include <algorithm>

#include "about/SystemReportQueries.h"
#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/Format.h"
#include "res/AboutReportIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_ABOUT_SYSINFO_LIST";

std::u16string DialogText(std::u16string_view key, std::u16string_view defaultText) {
    return LangString(kSection, key, defaultText, 256);
}

// The bytes of a UTF-16 little-endian text file: the byte-order mark, then the text.
std::vector<uint8_t> Utf16LeFile(std::u16string_view text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(2 + text.size() * 2);
    bytes.push_back(0xFF);
    bytes.push_back(0xFE);
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return bytes;
}

} // namespace

CAboutExSysinfoListDlg::CAboutExSysinfoListDlg(about::ReportPlatform platform, std::u16string softwareLine)
    : ui::Dialog(IDD_DIALOG_ABOUT_SYSINFO_LIST), m_platform(platform),
      m_softwareLine(std::move(softwareLine)) {}

CAboutExSysinfoListDlg::~CAboutExSysinfoListDlg() {
    StopBuilder();
}

bool CAboutExSysinfoListDlg::OnInit() {
    ApplyTexts();
    host().Edit(IDC_EDIT_ABOUT_SYSINFO_LIST).SetLimit(static_cast<int>(about::kReportLimit));
    // The network lines are padded with blanks into columns, which line up only in a fixed-pitch font.
    ui::Font fixed;
    fixed.face = u"Courier New";
    fixed.pointSize = 8;
    fixed.fixedPitch = true;
    host().Item(IDC_EDIT_ABOUT_SYSINFO_LIST).SetFont(fixed);
    host().Enable(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE, false);
    host().Enable(ui::kIdCancel, false);
    ui::ProgressControl& bar = host().Progress(IDC_PROGRESS_ABOUT_SYSINFO_LIST);
    bar.SetRange(0, 100);
    bar.SetPos(0);
    host().SetText(IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE, base::Format(u"%d%%", {0}));
    host().SetTimer(kTimerProgress, kProgressStepMs);
    host().SetTimer(kTimerCloseWatch, kCloseWatchMs);
    StartBuilder();
    return true;
}

void CAboutExSysinfoListDlg::ApplyTexts() {
    host().SetCaption(DialogText(u"Title", u"System Information"));
    host().SetText(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE,
                   DialogText(u"IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE", u"Save to File"));
    host().SetText(ui::kIdCancel, DialogText(u"IDCANCEL", u"Exit"));
}

void CAboutExSysinfoListDlg::StartBuilder() {
    about::NetworksTabTexts networksTexts = about::ReadNetworksTabTexts();
    about::ReportInputs inputs;
    // Windows 95, 98 and Me have no cmd.exe; /A keeps its output in the console's code page.
    inputs.shell = OsClass <= kOsMe ? u"command.com" : u"cmd.exe /A";
    inputs.softwareLine = m_softwareLine;
    inputs.surveyTitles = networksTexts.titles;
    inputs.rowTexts = networksTexts.rows;
    inputs.notStartedPattern = DialogText(u"CommandNotStarted", u"The command \"%s\" could not be started.");
    inputs.noOutputPattern = DialogText(u"CommandNoOutput", u"The command \"%s\" printed nothing.");
    inputs.stoppedPattern =
        DialogText(u"CommandStopped", u"The command \"%s\" did not finish within 60 seconds and was ended.");

    ui::Poster poster = host().MakePoster();
    m_builder = std::make_unique<about::SystemReportBuilder>(m_platform, std::move(inputs), m_report,
                                                             [poster] { poster.Post(kMsgReportChanged); });
    m_builderThread = std::thread([builder = m_builder.get(), poster] {
        if (platform::SystemInfo* system = AppSystem()) {
            system->LowerCurrentThreadPriority(); // the report must not slow the window or the service down
        }
        builder->Run();
        poster.Post(kMsgReportDone);
    });
}

void CAboutExSysinfoListDlg::StopBuilder() {
    if (m_builder) {
        m_builder->Stop();
    }
    if (m_builderThread.joinable()) {
        m_builderThread.join();
    }
}

void CAboutExSysinfoListDlg::ShowReport() {
    host().SetText(IDC_EDIT_ABOUT_SYSINFO_LIST, m_report.Take());
}

void CAboutExSysinfoListDlg::OnReportDone() {
    if (m_done) {
        return;
    }
    StopBuilder(); // it has returned: this only joins it
    m_done = true;
    ShowReport();
    // The next step of the bar says "Done...".
    m_progress = std::max(m_progress, 99);
    host().Enable(IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE, true);
    host().Enable(ui::kIdCancel, true);
}

void CAboutExSysinfoListDlg::OnTimer(int timerId) {
    if (timerId == kTimerProgress) {
        if (m_progress < 99) {
            ++m_progress;
        } else if (m_done) {
            m_progress = 100;
        } else {
            return; // the report is still being built: the bar waits at 99%
        }
        host().Progress(IDC_PROGRESS_ABOUT_SYSINFO_LIST).SetPos(m_progress);
        if (m_progress == 100) {
            host().KillTimer(kTimerProgress);
            host().SetText(IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE,
                           DialogText(u"IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE", u"Done..."));
        } else {
            host().SetText(IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE, base::Format(u"%d%%", {m_progress}));
        }
        return;
    }
    if (timerId == kTimerCloseWatch && (!DevicePresent || about::HardwarePushButtonPressed())) {
        host().KillTimer(kTimerCloseWatch);
        StopBuilder();
        host().EndDialog(ui::kIdCancel);
    }
}

bool CAboutExSysinfoListDlg::OnMessage(uint32_t message, uintptr_t, intptr_t, intptr_t&) {
    if (message == kMsgReportChanged) {
        ShowReport();
        return true;
    }
    if (message == kMsgReportDone) {
        OnReportDone();
        return true;
    }
    return false;
}

void CAboutExSysinfoListDlg::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE && code == ui::kClicked) {
        SaveToFile();
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

void CAboutExSysinfoListDlg::OnCancel() {
    // Escape and the close box wait for the report as the Exit button does.
    if (m_done) {
        host().EndDialog(ui::kIdCancel);
    }
}

void CAboutExSysinfoListDlg::OnDestroy() {
    host().KillTimer(kTimerProgress);
    host().KillTimer(kTimerCloseWatch);
    StopBuilder();
}

void CAboutExSysinfoListDlg::SaveToFile() {
    std::optional<std::u16string> path =
        host().AskSaveFileName(u"sysinfo.txt", u"txt", u"txt Files (*.txt)|*.txt||");
    if (!path) {
        return;
    }
    platform::FileSystem* files = AppFiles();
    if (files != nullptr && files->WriteFile(*path, Utf16LeFile(m_report.Peek()))) {
        return;
    }
    host().ShowMessageBox(
        base::FormatTranslated(DialogText(u"SaveFailed", u"The report could not be saved to %s."), {*path}),
        LangString(u"MESSAGEBOX", u"TITLE", u"Orvelin Link Warden"), ui::kBoxOk | ui::kBoxIconWarning);
}
