#include "profiles/CProFileSettingDlg.h"

#include "app/Language.h"
#include "base/Text.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/MainWndMessages.h"
#include "profiles/ProfileStore.h"
#include "res/MainWndIds.h"

CProFileSettingDlg::CProFileSettingDlg()
    : CSettingsPage(IDD_DIALOG_PROFILE_SETTING, mainwnd::kMsgSettingsPageKey, u"settings.rtf",
                    IDC_RICHEDIT_PAGE_HELP) {}

bool CProFileSettingDlg::OnInit() {
    CSettingsPage::OnInit();
    ApplyTexts();
    return true;
}

void CProFileSettingDlg::ApplyTexts() {
    host().SetText(IDC_STATIC_PAGE_FRAME, LangString(u"MAIN", u"Tab_Profile", u"Settings", 64));
    ForgetHelp();
}

bool CProFileSettingDlg::SelectProfile(std::u16string_view name) {
    std::lock_guard lock(profiles::ProfileStoreMutex());
    // Slot 0 holds the default profile (empty without one), so `count` profiles reach slot `count`.
    int count = profiles::LoadProfileTable(0);
    int index = profiles::FindProfile(count + 1, name);
    m_hasSelection = index >= 0;
    if (m_hasSelection) {
        m_selected = profiles::ProfileTable[static_cast<size_t>(index)];
    }
    return m_hasSelection;
}

void CProFileSettingDlg::ApplySettings() {
    if (!m_hasSelection) {
        return;
    }
    profiles::SetCurrentProfile(m_selected);
    profiles::SaveCurrentProfile();
    if (MainWindow() != nullptr) {
        MainWindow()->RequestConnect(-1);
    }
}
