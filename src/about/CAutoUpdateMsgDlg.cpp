#include "about/CAutoUpdateMsgDlg.h"

#include "about/SlideIn.h"
#include "app/Language.h"
#include "res/LiveUpdateIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_MESSAGE_AUTOUPDATE";
constexpr ui::Color kNoticeYellow = ui::Rgb(255, 255, 200);
// Grows the notice by one pixel a tick until it shows whole. A timer on the notice's own thread, not
// a sleeping thread: it stops when the notice goes.
constexpr int kTimerSlide = 1;
constexpr uint32_t kSlideStepMs = 10;

struct TextItem {
    ui::ControlId id;
    std::u16string_view key;
    std::u16string_view defaultText;
};

constexpr TextItem kTexts[] = {
    {IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT, u"IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT", u"Latest application is available for"},
    {IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT2, u"IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT2", u"Download it now?"},
    {IDC_BUTTON_MESSAGE_AUTOUPDATE_UPDATE, u"IDC_BUTTON_MESSAGE_AUTOUPDATE_UPDATE", u"Yes"},
    {IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL, u"IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL", u"No"},
    {IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT, u"IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT",
     u"Don't reminder me again until next update"},
};

} // namespace

namespace about {

ui::Rect SlideInPlace(const ui::Rect& screen, const ui::Rect& workArea, int width, int height) {
    return {screen.right - width, workArea.bottom - height, screen.right, workArea.bottom};
}

} // namespace about

CAutoUpdateMsgDlg::CAutoUpdateMsgDlg() : ui::Dialog(IDD_DIALOG_MESSAGE_AUTOUPDATE) {}

bool CAutoUpdateMsgDlg::OnInit() {
    for (const TextItem& item : kTexts) {
        host().SetText(item.id, LangString(kSection, item.key, item.defaultText, 256));
    }
    host().SetBackgroundColor(kNoticeYellow);
    ui::Rect full = host().WindowRect();
    m_fullHeight = full.Height();
    m_width = full.Width();
    m_shown = 1;
    PlaceShown();
    host().SetTimer(kTimerSlide, kSlideStepMs);
    return true;
}

void CAutoUpdateMsgDlg::PlaceShown() {
    host().MoveWindow(about::SlideInPlace(host().ScreenRect(), host().WorkArea(), m_width, m_shown));
    host().SetTopMost(true);
}

void CAutoUpdateMsgDlg::OnTimer(int timerId) {
    if (timerId != kTimerSlide) {
        return;
    }
    if (m_shown < m_fullHeight) {
        ++m_shown;
        PlaceShown();
    }
    if (m_shown >= m_fullHeight) {
        host().KillTimer(kTimerSlide);
    }
}

void CAutoUpdateMsgDlg::OnCommand(ui::ControlId id, int code) {
    if (code == ui::kClicked) {
        switch (id) {
        case IDC_BUTTON_MESSAGE_AUTOUPDATE_UPDATE:
            Close(ui::kIdOk);
            return;
        case IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL:
        case IDC_BUTTON_MESSAGE_AUTOUPDATE_CLOSE:
            Close(ui::kIdCancel);
            return;
        default:
            break;
        }
    }
    ui::Dialog::OnCommand(id, code);
}

void CAutoUpdateMsgDlg::OnOK() {
    Close(ui::kIdOk);
}

void CAutoUpdateMsgDlg::OnCancel() {
    Close(ui::kIdCancel);
}

void CAutoUpdateMsgDlg::Close(int result) {
    m_dontRemind = host().Button(IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT).IsChecked();
    host().KillTimer(kTimerSlide);
    host().EndDialog(result);
}
