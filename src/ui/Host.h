// Everything a dialog may do to its window. A dialog class never touches a window handle: the Win32
// host maps these calls onto real windows, the fake host keeps them in memory for tests, and both
// behave alike where dialogs break (see src/ui/README.md).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/Controls.h"
#include "ui/Poster.h"
#include "ui/Types.h"

namespace platform {
class NotificationArea;
class PopupMenu;
} // namespace platform

namespace ui {

class Dialog;

class Host {
public:
    virtual ~Host() = default;

    // The dialog window itself. Its rectangle is in the parent's client coordinates for a page and in
    // screen coordinates for every other window; MoveWindow takes the same.
    virtual void SetCaption(std::u16string_view text) = 0;
    virtual std::u16string Caption() = 0;
    virtual Rect WindowRect() = 0;
    virtual void MoveWindow(const Rect& rect) = 0;
    virtual void ShowWindow(bool show) = 0;
    virtual bool IsWindowVisible() = 0;
    // Shown, restored and brought to the front.
    virtual void ShowNormal() = 0;
    virtual bool IsActiveWindow() = 0;

    // Controls, by the kind the template gave them. A control the template lacks, or asked for as
    // another kind, is a do-nothing handle (and a failure on the strict fake host).
    Control& Item(ControlId id) { return Get<Control>(id); }
    StaticControl& Static(ControlId id) { return Get<StaticControl>(id); }
    ButtonControl& Button(ControlId id) { return Get<ButtonControl>(id); }
    EditControl& Edit(ControlId id) { return Get<EditControl>(id); }
    ListControl& List(ControlId id) { return Get<ListControl>(id); }
    ComboControl& Combo(ControlId id) { return Get<ComboControl>(id); }
    ReportControl& Report(ControlId id) { return Get<ReportControl>(id); }
    TabControl& Tab(ControlId id) { return Get<TabControl>(id); }
    SliderControl& Slider(ControlId id) { return Get<SliderControl>(id); }
    ProgressControl& Progress(ControlId id) { return Get<ProgressControl>(id); }
    RichTextControl& RichText(ControlId id) { return Get<RichTextControl>(id); }
    CanvasControl& Canvas(ControlId id) { return Get<CanvasControl>(id); }
    bool HasControl(ControlId id) { return FindControl(id, ControlKind::Any) != nullptr; }
    virtual ControlId FocusedControl() = 0;

    // Shorthands for the calls every kind has.
    void SetText(ControlId id, std::u16string_view text) { Item(id).SetText(text); }
    std::u16string GetText(ControlId id) { return Item(id).Text(); }
    void Enable(ControlId id, bool enable) { Item(id).Enable(enable); }
    bool IsEnabled(ControlId id) { return Item(id).IsEnabled(); }
    void Show(ControlId id, bool show) { Item(id).Show(show); }
    bool IsVisible(ControlId id) { return Item(id).IsVisible(); }
    void SetFocus(ControlId id) { Item(id).Focus(); }

    // Appearance of the window.
    virtual void SetBackgroundColor(Color color) = 0; // dialog and static backgrounds
    virtual void SetDefaultButton(ControlId id) = 0;
    // Caption and task-switch icon; ids from 32512 up are the system's own icons.
    virtual void SetIcon(int iconResource) = 0;
    // A command of the window's system menu, after a separator; it arrives as kWmSysCommand.
    virtual void AddSystemMenuItem(uint32_t command, std::u16string_view text) = 0;
    virtual void SetTopMost(bool topMost) = 0;
    // 255: opaque. False when the system offers no window opacity (the function that sets it is looked
    // up at run time); the window then stays opaque and the dialog does without.
    virtual bool SetOpacity(uint8_t alpha) = 0;
    virtual Rect ScreenRect() = 0;
    virtual Rect WorkArea() = 0; // the screen less the taskbar

    // Timers, messages and the end of the dialog.
    virtual void SetTimer(int timerId, uint32_t milliseconds) = 0;
    virtual void KillTimer(int timerId) = 0;
    virtual void PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // To the dialog that holds this page (or owns this window); false when there is none.
    virtual bool PostToParent(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // A thread-safe way for workers to post to this window; dropped once the window is gone.
    virtual Poster MakePoster() = 0;
    // A message number shared by every program that registers the same name (0 on failure).
    virtual uint32_t RegisterMessage(std::u16string_view name) = 0;
    virtual bool RegisterHotKey(int hotKeyId, uint32_t modifiers, uint32_t virtualKey) = 0;
    virtual void UnregisterHotKey(int hotKeyId) = 0;
    // Ends the dialog with a result. A modeless window goes once the running handler returns, so the
    // host stays usable until then.
    virtual void EndDialog(int result) = 0;

    // Other windows.
    virtual int ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) = 0;
    // Ends a message box this window shows (a handler that runs while it is open, such as a timer, may
    // decide it is no longer true), as if the user had chosen `answer`; false when none is open.
    virtual bool CloseMessageBox(int answer) = 0;
    virtual int RunModal(Dialog& child) = 0;
    // Asks every modal dialog running over this window or one of its pages to go, innermost first, as
    // Cancel (or Escape) would: each gets Cancel through its own message loop, so its own rules decide
    // (the dialog over an adapter that was pulled out). Returns how many were asked.
    virtual int CancelModalDialogs() = 0;
    // The system's save dialog: `defaultName` offered, `extension` added to a name typed without one,
    // `filter` as "description|pattern|...||"; a file that exists is replaced only when the user agrees.
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::u16string> AskSaveFileName(std::u16string_view defaultName, std::u16string_view extension,
                                                          std::u16string_view filter) = 0;
    // An owned top-level window that lives until it ends or this one goes; false when it could not be
    // created.
    virtual bool ShowModeless(Dialog& child) = 0;
    // A child dialog placed in the display area of the tab control `area`, hidden until ShowPage.
    virtual bool CreatePage(Dialog& page, ControlId area) = 0;
    virtual void ShowPage(Dialog& page, bool show) = 0;
    virtual void SetCursor(Cursor cursor) = 0;
    // The notification area and pop-up menus, reporting to this window.
    virtual std::unique_ptr<platform::NotificationArea> CreateNotificationArea() = 0;
    virtual std::unique_ptr<platform::PopupMenu> CreatePopupMenu() = 0;

protected:
    // The control with this id, or null. `wanted` is only a hint for hosts that make controls on demand.
    virtual Control* FindControl(ControlId id, ControlKind wanted) = 0;
    // Called when a dialog asks for a control the template lacks or has as another kind.
    virtual void ControlMissing(ControlId id, ControlKind wanted, const Control* found) = 0;

private:
    template <class T> T& Get(ControlId id);
};

namespace detail {
bool KindFits(ControlKind wanted, ControlKind actual);
template <class T> T& NullControl() {
    static T none;
    return none;
}
} // namespace detail

template <class T> T& Host::Get(ControlId id) {
    Control* found = FindControl(id, T::kKind);
    if (found != nullptr && detail::KindFits(T::kKind, found->Kind())) {
        if (T* typed = dynamic_cast<T*>(found)) {
            return *typed;
        }
    }
    ControlMissing(id, T::kKind, found);
    return detail::NullControl<T>();
}

} // namespace ui
