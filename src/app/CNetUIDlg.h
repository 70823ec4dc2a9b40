// The main window as far as the application core needs it: a hidden frame whose caption is the
// "MainTitle" text (so that a second copy finds it), which ends on the close request and takes the
// profile hand-over of a second copy. The tabbed main window replaces this frame.
#pragma once

#include <string>

#include "ui/Dialog.h"

class CNetUIApp;

class CNetUIDlg : public ui::Dialog {
public:
    explicit CNetUIDlg(CNetUIApp* app);

    bool OnInit() override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnDestroy() override;

    // The profile name of the last hand-over (shown in the frame's status text).
    const std::u16string& requestedProfile() const { return m_requestedProfile; }

private:
    CNetUIApp* m_app;
    std::u16string m_requestedProfile;
};
