// The real host: a dialog created from its .rc template, every window message routed to the
// ui::Dialog, every Host call mapped onto the Win32 window and its typed controls (WinControls.h).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/Dialog.h"
#include "ui/win32/WinControls.h"

namespace ui::win32 {

// Loads the common controls (v6 through the manifest) and the rich-edit class, and names the module
// that holds the templates and pictures. Call once before the first dialog.
void InitControls(HINSTANCE resources = nullptr);

class DialogWindow final : public Host {
public:
    // Runs the dialog modally over `parent`; returns the result passed to EndDialog, or -1 when the
    // template could not be created.
    static int RunModal(HINSTANCE instance, HWND parent, Dialog& dialog);
    // Creates the dialog modeless over `parent`; the window and its host live until it is destroyed.
    static HWND CreateModeless(HINSTANCE instance, HWND parent, Dialog& dialog);

    HWND hwnd() const { return m_hwnd; }
    // The result of a modeless dialog ended with EndDialog (0 before).
    int modelessResult() const { return m_result; }

    void SetCaption(std::u16string_view text) override;
    std::u16string Caption() override;
    Rect WindowRect() override;
    void MoveWindow(const Rect& rect) override;
    void ShowWindow(bool show) override;
    bool IsWindowVisible() override;
    void ShowNormal() override;
    bool IsActiveWindow() override;
    ControlId FocusedControl() override;

    void SetBackgroundColor(Color color) override;
    void SetDefaultButton(ControlId id) override;
    void SetIcon(int iconResource) override;
    void AddSystemMenuItem(uint32_t command, std::u16string_view text) override;
    void SetTopMost(bool topMost) override;
    bool SetOpacity(uint8_t alpha) override;
    Rect ScreenRect() override;
    Rect WorkArea() override;

    void SetTimer(int timerId, uint32_t milliseconds) override;
    void KillTimer(int timerId) override;
    void PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    bool PostToParent(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    Poster MakePoster() override { return Poster(m_channel); }
    uint32_t RegisterMessage(std::u16string_view name) override;
    bool RegisterHotKey(int hotKeyId, uint32_t modifiers, uint32_t virtualKey) override;
    void UnregisterHotKey(int hotKeyId) override;
    void EndDialog(int result) override;

    int ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) override;
    bool CloseMessageBox(int answer) override;
    int RunModal(Dialog& child) override;
    int CancelModalDialogs() override;
    std::optional<std::u16string> AskSaveFileName(std::u16string_view defaultName,
                                                  std::u16string_view extension,
                                                  std::u16string_view filter) override;
    bool ShowModeless(Dialog& child) override;
    bool CreatePage(Dialog& page, ControlId area) override;
    void ShowPage(Dialog& page, bool show) override;
    void SetCursor(Cursor cursor) override;
    std::unique_ptr<platform::NotificationArea> CreateNotificationArea() override;
    std::unique_ptr<platform::PopupMenu> CreatePopupMenu() override;

protected:
    Control* FindControl(ControlId id, ControlKind wanted) override;
    void ControlMissing(ControlId id, ControlKind wanted, const Control* found) override;

private:
    DialogWindow(HINSTANCE instance, Dialog& dialog, DialogWindow* parent, bool modal, bool page)
        : m_instance(instance), m_dialog(dialog), m_parent(parent), m_modal(modal), m_page(page) {}
    ~DialogWindow() override;

    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static DialogWindow* Create(HINSTANCE instance, HWND parentWindow, DialogWindow* parent, Dialog& dialog,
                                bool page);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleNotify(const NMHDR& header);
    INT_PTR HandleColor(HDC dc, HWND control);
    bool RouteMenuKey(char16_t key);
    INT_PTR Answer(intptr_t result);
    void AdoptControls();
    WinControl* ControlOf(HWND control);

    HINSTANCE m_instance;
    Dialog& m_dialog;
    DialogWindow* m_parent;
    bool m_modal;
    bool m_page;
    HWND m_hwnd = nullptr;
    std::map<ControlId, std::unique_ptr<WinControl>> m_controls;
    std::shared_ptr<PostChannel> m_channel;
    HBRUSH m_background = nullptr;
    Color m_backgroundColor = kDefaultColor;
    HWND m_messageBox = nullptr;
    // The modal dialogs running over this top-level window or its pages, outermost first; a modal
    // dialog knows the window it counts for.
    std::vector<HWND> m_runningModals;
    DialogWindow* m_runningIn = nullptr;
    int m_depth = 0; // handlers of this window running, nested
    bool m_endPending = false;
    bool m_holdHidden = false; // a StartsHidden dialog until it shows itself
    bool m_destroying = false;
    int m_result = 0;
};

} // namespace ui::win32
