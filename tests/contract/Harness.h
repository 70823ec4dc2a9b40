// What the host contract asks of a host under test: open a dialog as the platform opens a modeless
// top-level window, and do what a user or the platform does to it. The fake host and the Win32 host
// each implement it; the contract's test source is the same for both.
#pragma once

#include <memory>

#include "ui/Dialog.h"

namespace contract {

class Harness {
public:
    virtual ~Harness() = default;
    // Opens the dialog from its template; returns once OnInit has run (false: not created).
    virtual bool Open(ui::Dialog& dialog) = 0;
    // Handles every message posted so far.
    virtual void Pump() = 0;
    virtual bool IsAlive(ui::Dialog& dialog) = 0;
    virtual void Click(ui::Dialog& dialog, ui::ControlId button) = 0;
    // The user picks a tab; the dialog may veto the change.
    virtual void ClickTab(ui::Dialog& dialog, ui::ControlId tabs, int index) = 0;
    // Alt+letter that reaches the page (no control took it).
    virtual void MenuKey(ui::Dialog& page, char16_t key) = 0;
    // The close box.
    virtual void CloseBox(ui::Dialog& dialog) = 0;
    virtual void Destroy(ui::Dialog& dialog) = 0;
};

// The harness of the host this test program was built for.
std::unique_ptr<Harness> MakeHarness();

} // namespace contract
