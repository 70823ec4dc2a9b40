#include "app/CNetUIDlg.h"

#include "app/AppMessages.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "app/CNetUIApp.h"
#include "base/Trace.h"
#include "res/AppIds.h"

namespace {
constexpr int kOffScreen = -32000;
} // namespace

CNetUIDlg::CNetUIDlg(CNetUIApp* app) : ui::Dialog(IDD_NETUI_DIALOG), m_app(app) {}

bool CNetUIDlg::OnInit() {
    host().SetCaption(MainWindowTitle());
    // A modal dialog loop shows its window when it first goes idle; off the screen it stays out of
    // sight while a second copy can still find it by its caption.
    ui::Rect frame = host().WindowRect();
    host().MoveWindow({kOffScreen, kOffScreen, kOffScreen + frame.Width(), kOffScreen + frame.Height()});
    host().ShowWindow(false);
    if (m_app != nullptr) {
        m_app->SetMainWindow(host().MakePoster());
    }
    return true;
}

bool CNetUIDlg::OnMessage(uint32_t message, uintptr_t, intptr_t, intptr_t&) {
    if (message == kMsgExitProgram) {
        host().EndDialog(ui::kIdOk);
        return true;
    }
    if (message == kMsgShowMainWindow) {
        // Asked for by another process through the show watcher; a modal wizard or question keeps the
        // window as it is.
        if (m_app == nullptr || !m_app->MainWindowBusy()) {
            host().ShowWindow(true);
        }
        return true;
    }
    if (message == kMsgChangeProfile) {
        m_requestedProfile = AppValue(appvalue::kChangeProfile);
        base::Trace(u"VX_GUI: ChangeProfile " + m_requestedProfile);
        host().SetText(IDC_STATIC_NETUI_STATUS, u"ChangeProfile: " + m_requestedProfile);
        return true;
    }
    return false;
}

void CNetUIDlg::OnDestroy() {
    if (m_app != nullptr) {
        m_app->SetMainWindow(ui::Poster());
    }
}
