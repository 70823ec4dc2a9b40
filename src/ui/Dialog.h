// Base of every dialog, page and tab of the program. It holds behaviour only and reaches its window
// through Host, which a host attaches before OnInit and detaches after OnDestroy. Every window message
// reaches one handler: the typed ones below, or OnMessage for the rest.
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

    // True: the host gives the focus to the first control that takes it. False: the dialog set the
    // focus itself and keeps it.
    virtual bool OnInit() { return true; }
    // Buttons, edits, lists: the control and its command code. OK and Cancel (also Enter and Escape)
    // end the dialog through OnOK / OnCancel unless a dialog handles them itself.
    virtual void OnCommand(ControlId id, int code);
    // List views, tab controls and sliders. The answer goes back to the control (veto a change, ask
    // for custom-draw stages); 0 is the platform's default.
    virtual intptr_t OnNotify(const Notify&) { return 0; }
    virtual void OnTimer(int) {}
    // An Alt+letter press that no control of the dialog took. A page that does not handle it passes it
    // on to the dialog that holds the page.
    virtual bool OnMenuKey(char16_t) { return false; }
    // Every other message: private ones (kFirstPrivateMessage and up), registered ones, hot keys,
    // activation, the close box. Return true when handled; `result` is the answer for messages that
    // have one.
    virtual bool OnMessage(uint32_t, uintptr_t, intptr_t, intptr_t&) { return false; }
    virtual void OnOK() { host().EndDialog(kIdOk); }
    virtual void OnCancel() { host().EndDialog(kIdCancel); }
    // The window is going; the host is still usable. Pages go after the dialog that holds them.
    virtual void OnDestroy() {}
    // A modal window that appears only when it shows itself (a window that lives in the notification
    // area): the show that a modal loop gives its dialog when it first goes idle is dropped.
    virtual bool StartsHidden() const { return false; }
    // A modal window whose Enter and Escape keys do nothing at all: they are dropped before the dialog
    // manager sees them, so they neither end the dialog nor press the focused or default button.
    virtual bool IgnoresEnterAndEscape() const { return false; }

    // The host of an open dialog; only meaningful while IsOpen().
    Host& host() { return *m_host; }

private:
    int m_templateId;
    Host* m_host = nullptr;
};

} // namespace ui
