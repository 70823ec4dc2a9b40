#include "profiles/settings/CProFileSettingProrityDlg.h"

#include <algorithm>
#include <mutex>
#include <string_view>
#include <utility>

#include "app/Language.h"
#include "base/Text.h"
#include "profiles/ProfileStore.h"
#include "res/ProfileDialogsIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_PROFILE_SETTING_PRIORITY";

} // namespace

CProFileSettingProrityDlg::CProFileSettingProrityDlg() : ui::Dialog(IDD_DIALOG_PROFILE_SETTING_PRIORITY) {}

CProFileSettingProrityDlg::MoveButtons CProFileSettingProrityDlg::MoveButtonsFor(int entries, int selection) {
    MoveButtons buttons;
    // Without a chosen entry there is nothing to move: the entry "above the first" would be the default
    // profile's slot.
    if (entries <= 1 || selection < 0 || selection >= entries) {
        return buttons;
    }
    buttons.up = selection > 0;
    buttons.down = selection < entries - 1;
    return buttons;
}

bool CProFileSettingProrityDlg::OnInit() {
    host().SetCaption(LangString(kSection, u"Title", u"Profile Prority"));
    host().SetText(IDC_STATIC_PROFILE_SETTING_PRIORITY_TEXT,
                   LangText(kSection, u"IDC_STATIC_PROFILE_SETTING_PRIORITY_TEXT",
                            u"Select the profile to change connection prority:"));
    host().SetText(IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP,
                   LangLine(kSection, u"IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP", u"Up", 1));
    host().SetText(IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN,
                   LangLine(kSection, u"IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN", u"Down", 1));
    host().SetText(ui::kIdOk, LangLine(kSection, u"IDOK", u"OK", 1));
    host().SetText(ui::kIdCancel, LangLine(kSection, u"IDCANCEL", u"Cancel", 1));

    LoadTable();
    FillList(-1);
    UpdateButtons();
    return true;
}

void CProFileSettingProrityDlg::LoadTable() {
    std::lock_guard lock(profiles::ProfileStoreMutex());
    m_count = std::clamp(profiles::LoadProfileTable(0), 0, static_cast<int>(profiles::kProfileSlots));
    // The Settings page stores the default profile whenever it fills its list, so slot 0 normally holds
    // it and the stored profiles are slots 0 to count-1. A store changed behind the program's back may
    // lack it: then slot 0 is empty and the stored profiles are slots 1 to count, all of them listed.
    m_defaultStored = m_count > 0 && !base::FieldText(profiles::ProfileTable[0].ConfigurationName).empty();
    size_t slots = m_defaultStored ? static_cast<size_t>(m_count) : static_cast<size_t>(m_count) + 1;
    slots = std::min(slots, profiles::kProfileSlots);
    m_table.assign(profiles::ProfileTable, profiles::ProfileTable + slots);
}

void CProFileSettingProrityDlg::FillList(int selection) {
    ui::ListControl& list = host().List(IDC_LIST_PROFILE_SETTING_PRIORITY);
    list.Reset();
    for (size_t slot = 1; slot < m_table.size(); ++slot) {
        list.Add(base::FieldText(m_table[slot].ConfigurationName));
    }
    list.Select(selection);
}

void CProFileSettingProrityDlg::UpdateButtons() {
    int selection = host().List(IDC_LIST_PROFILE_SETTING_PRIORITY).Selection();
    MoveButtons buttons = MoveButtonsFor(ListedCount(), selection);
    ui::ControlId focused = host().FocusedControl();
    host().Enable(IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP, buttons.up);
    host().Enable(IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN, buttons.down);
    // A button that moved its profile to the end of the list turns itself off; the keyboard stays
    // usable when the focus goes back to the list rather than staying on a disabled button.
    if ((focused == IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP && !buttons.up) ||
        (focused == IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN && !buttons.down)) {
        host().SetFocus(IDC_LIST_PROFILE_SETTING_PRIORITY);
    }
}

void CProFileSettingProrityDlg::Move(int direction) {
    int selection = host().List(IDC_LIST_PROFILE_SETTING_PRIORITY).Selection();
    MoveButtons buttons = MoveButtonsFor(ListedCount(), selection);
    if ((direction < 0 && !buttons.up) || (direction > 0 && !buttons.down)) {
        return;
    }
    size_t slot = static_cast<size_t>(selection) + 1;
    size_t other = direction < 0 ? slot - 1 : slot + 1;
    std::swap(m_table[slot], m_table[other]);
    FillList(selection + direction);
    UpdateButtons();
}

void CProFileSettingProrityDlg::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_LIST_PROFILE_SETTING_PRIORITY) {
        if (code == ui::kSelChange) {
            UpdateButtons();
        }
        return;
    }
    if (id == IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP && code == ui::kClicked) {
        Move(-1);
        return;
    }
    if (id == IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN && code == ui::kClicked) {
        Move(+1);
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

void CProFileSettingProrityDlg::OnOK() {
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        // Without a stored default profile the empty slot 0 is left out, so that the order values name
        // exactly the stored profiles.
        size_t first = m_defaultStored ? 0 : 1;
        size_t written = 0;
        for (size_t slot = first; slot < m_table.size(); ++slot) {
            profiles::ProfileTable[written++] = m_table[slot];
        }
        profiles::RewriteProfileOrder(static_cast<int>(written));
    }
    host().EndDialog(ui::kIdOk);
}
