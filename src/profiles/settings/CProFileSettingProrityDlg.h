// The profile priority dialog: the stored profiles in the order they are tried, which the user changes
// with Up and Down. It works on its own copy of the profile table while open; OK writes the new order to
// the store, Cancel leaves the store as it was. The default profile is never listed and never moves.
// What follows an OK (refilling the Settings page's list, the new first profile becoming the current
// one and being applied) is the caller's business.
#pragma once

#include <vector>

#include "kernel/WirelessProfile.h"
#include "ui/Dialog.h"

class CProFileSettingProrityDlg : public ui::Dialog {
public:
    CProFileSettingProrityDlg();

    struct MoveButtons {
        bool up = false;
        bool down = false;
        bool operator==(const MoveButtons&) const = default;
    };
    // Up and Down for a list of `entries` names with entry `selection` chosen (-1: none chosen).
    static MoveButtons MoveButtonsFor(int entries, int selection);

    // The number of stored profiles found on opening: the count the caller works with after OK.
    int Count() const { return m_count; }

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnOK() override;

private:
    void LoadTable();
    // Moves the chosen entry one place up (-1) or down (+1), when the rule allows it.
    void Move(int direction);
    void FillList(int selection);
    void UpdateButtons();
    int ListedCount() const { return static_cast<int>(m_table.size()) - 1; }

    // Slot 0 of the table (the default profile, or all zero when none is stored), then the listed
    // profiles in order: list entry i is element i + 1.
    std::vector<kernel::WirelessProfile> m_table;
    int m_count = 0;
    bool m_defaultStored = true;
};
