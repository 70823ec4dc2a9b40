// What the WPS pages and dialogs share: their texts from the language file, the wizard frame's title
// line, and the one-second watchdog that closes them as cancelled.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "ui/Dialog.h"
#include "wps/PageWatchdog.h"

namespace wps {

// One control's text: its key in the dialog's section and the built-in default (empty where the
// program has none).
struct TextKey {
    ui::ControlId id;
    std::u16string_view key;
    std::u16string_view defaultText = {};
};

class WatchedDialog : public ui::Dialog {
public:
    WatchedDialog(int templateId, std::u16string_view section, bool ignoresHardwareButton = false)
        : ui::Dialog(templateId), m_section(section), m_watchdog(ignoresHardwareButton) {}

    void OnTimer(int timerId) override;

protected:
    std::u16string Text(std::u16string_view key, std::u16string_view defaultText = {}) const;
    void SetTexts(std::initializer_list<TextKey> texts);
    // The wizard's bold title line over a page of the wizard's frame.
    void ApplyFrameTitle();
    void StartWatchdog() { m_watchdog.Start(host()); }
    // The watchdog decided the dialog goes: it closes as cancelled. Pages that leave state for the
    // wizard's graph do so first.
    virtual void OnWatchdogFired() { host().EndDialog(ui::kIdCancel); }

private:
    std::u16string_view m_section;
    PageWatchdog m_watchdog;
};

} // namespace wps
