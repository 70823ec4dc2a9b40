// Base of every dialog, page and tab of the program. It holds behaviour only and reaches its window
// through Host, which a host attaches before OnInit and detaches after OnDestroy.
#pragma once

#include <cstdint>

#include "ui/Host.h"

namespace ui {

class Dialog {
public:
    explicit Dialog(int templateId) : m_templateId(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int TemplateId() const { return m_templateId; }

    // Called by hosts only.
    void Attach(Host& host) { m_host = &host; }
    void Detach() { m_host = nullptr; }
    bool IsOpen() const { return m_host != nullptr; }

    virtual void OnInit() {}
    // Buttons, edits, lists: the control and its notification code. OK and Cancel end the dialog
    // through OnOK / OnCancel unless a dialog handles them itself.
    virtual void OnCommand(ControlId id, int code);
    // List views, tab controls and sliders.
    virtual void OnNotify(ControlId, int) {}
    virtual void OnTimer(int) {}
    // Private messages (kFirstPrivateMessage and up); returns whether the dialog handled it.
    virtual bool OnMessage(uint32_t, uintptr_t, intptr_t) { return false; }
    virtual void OnOK() { host().EndDialog(kIdOk); }
    virtual void OnCancel() { host().EndDialog(kIdCancel); }
    virtual void OnDestroy() {}

protected:
    Host& host() { return *m_host; }

private:
    int m_templateId;
    Host* m_host = nullptr;
};

} // namespace ui
