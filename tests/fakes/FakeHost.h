// A host that keeps every control's state in memory. Tests drive the dialog through it (click, type,
// select, fire a timer, deliver a message) and read back what the dialog did. It behaves as the Win32
// host where dialogs break: call-backs during a handler, the focus after init, a modeless end inside a
// handler, pages created and destroyed in the platform's order; the host contract suite holds both to
// that.
//
// Controls come from the dialog's template when a test registered one (RegisterTemplate), and the host
// is then strict: asking for a control the template lacks, or as another kind, fails the test.
// Without a template, controls spring into existence on first use with the kind first asked for.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "fakes/FakeControl.h"
#include "ui/Dialog.h"

namespace fakes {

struct ControlDecl {
    ui::ControlId id = 0;
    ui::ControlKind kind = ui::ControlKind::Any;
    ui::Rect rect;
    bool tabStop = false;
};

// The controls of a template as its .rc declares them, in template order, for every FakeHost of a
// dialog with that template id. Tests register the templates their dialogs use.
void RegisterTemplate(int templateId, std::vector<ControlDecl> controls);
void ForgetTemplates();

class FakeHost final : public ui::Host {
public:
    using Control = FakeControl;
    struct ShownBox {
        std::u16string text;
        std::u16string caption;
        uint32_t style = 0;
    };
    struct Posted {
        uint32_t message;
        uintptr_t wParam;
        intptr_t lParam;
    };

    explicit FakeHost(ui::Dialog& dialog, ui::Rect window = {300, 200, 700, 400});
    ~FakeHost() override;
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // Declares a control of the template (template order is declaration order).
    Control& AddControl(ui::ControlId id, ui::Rect rect = {});
    Control& AddControl(ui::ControlId id, ui::ControlKind kind, ui::Rect rect = {}, bool tabStop = true);
    void Strict() { m_strict = true; }

    // Opens the dialog as DialogBox or CreateDialog do: attaches the host, runs OnInit and, when it
    // answers true, gives the focus to the first control that takes it.
    void Open();
    void OpenModeless();
    // User actions.
    void Click(ui::ControlId id);
    void Type(ui::ControlId id, std::u16string_view text);
    void SelectItem(ui::ControlId id, int index); // list or combo box, then kSelChange
    void DropDown(ui::ControlId id);              // a combo box's list opens
    void SelectRow(ui::ControlId id, int row);    // list view, as a click on the row
    void SelectTab(ui::ControlId id, int index);  // tab control: changing (may be vetoed), then change
    void FireTimer(int timerId);                  // fails the test when the timer is not running
    // Any notification from a control; returns the dialog's answer.
    intptr_t Notify(const ui::Notify& notify);
    bool Deliver(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    bool Deliver(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result);
    void PressMenuKey(char16_t key); // Alt+letter that no control took
    void PressHotKey(int hotKeyId);  // delivered only while registered
    // Enter (the focused button, else the default button, else OK) or Escape (Cancel), as the dialog
    // manager handles them.
    void PressEnter();
    void PressEscape();
    void SetActive(bool active) { m_active = active; }
    // Delivers the messages the dialog posted to itself (and workers through its posters), in order,
    // until none are left.
    int PumpPosted();
    // Closes the window as the platform does when the dialog ends or its parent goes.
    void Destroy();

    Control& control(ui::ControlId id);
    bool TimerRunning(int timerId) const { return m_timers.count(timerId) != 0; }
    uint32_t TimerInterval(int timerId) const;
    bool ended() const { return m_ended; }
    bool destroyed() const { return m_destroyed; }
    int result() const { return m_result; }
    ui::Rect window() const { return m_window; }
    // The host of a page this dialog created, or null.
    FakeHost* Page(ui::Dialog& page);
    bool PageVisible(ui::Dialog& page);
    // The host of a modeless window this dialog opened and that is still open, or null.
    FakeHost* Modeless(ui::Dialog& child);
    bool HotKeyRegistered(int hotKeyId) const { return m_hotKeys.count(hotKeyId) != 0; }
    ui::ControlId defaultButton() const { return m_defaultButton; }
    ui::Color backgroundColor() const { return m_background; }
    uint8_t opacity() const { return m_opacity; }
    bool topMost() const { return m_topMost; }
    int icon() const { return m_icon; }
    bool isPage() const { return m_parent != nullptr && m_page; }

    // Scripted answers: message boxes take the next answer (default: the first button); modal children
    // run their OnInit on a host of their own and then take the next modal answer (default: their own
    // EndDialog, else kIdCancel). A modal handler, when set, replaces that.
    std::deque<int> messageBoxAnswers;
    std::vector<ShownBox> messageBoxes;
    // Runs while a message box is open, as the platform's nested loop runs timers and posted messages.
    std::function<void(const ShownBox&)> whileMessageBoxOpen;
    std::vector<std::pair<uint32_t, std::u16string>> systemMenu;
    std::deque<int> modalAnswers;
    // Save dialogs take the next answer (a path, or nullopt for Cancel); with none left they are
    // cancelled. Each one asked is recorded.
    struct SaveRequest {
        std::u16string defaultName;
        std::u16string extension;
        std::u16string filter;
    };
    std::deque<std::optional<std::u16string>> saveAnswers;
    std::vector<SaveRequest> saveRequests;
    std::vector<int> modalTemplates;
    std::function<int(ui::Dialog& child)> modalHandler;
    std::vector<int> cancelledModals; // template ids of the modal dialogs CancelModalDialogs asked to go
    std::vector<ui::Dialog*> modelessChildren;
    std::vector<std::unique_ptr<FakeHost>> modelessOwned; // their hosts, until this window goes
    std::vector<Posted> posted;                           // what the dialog posted to itself
    std::vector<Posted> postedToParent;
    ui::Cursor cursor = ui::Cursor::Arrow;
    // False: the system of the test has no window opacity, so SetOpacity refuses.
    bool opacityOffered = true;
    // Factories for CreateNotificationArea / CreatePopupMenu; null gives null.
    std::function<std::unique_ptr<platform::NotificationArea>()> notificationAreaFactory;
    std::function<std::unique_ptr<platform::PopupMenu>()> popupMenuFactory;

    // ui::Host
    void SetCaption(std::u16string_view text) override { m_caption = text; }
    std::u16string Caption() override { return m_caption; }
    ui::Rect WindowRect() override { return m_window; }
    void MoveWindow(const ui::Rect& rect) override { m_window = rect; }
    void ShowWindow(bool show) override { m_visible = show; }
    bool IsWindowVisible() override { return m_visible; }
    void ShowNormal() override;
    bool IsActiveWindow() override { return m_active; }
    ui::ControlId FocusedControl() override { return m_focus; }

    void SetBackgroundColor(ui::Color color) override { m_background = color; }
    void SetDefaultButton(ui::ControlId id) override;
    void SetIcon(int iconResource) override { m_icon = iconResource; }
    void AddSystemMenuItem(uint32_t command, std::u16string_view text) override {
        systemMenu.emplace_back(command, std::u16string(text));
    }
    void SetTopMost(bool topMost) override { m_topMost = topMost; }
    bool SetOpacity(uint8_t alpha) override {
        if (!opacityOffered) {
            return false;
        }
        m_opacity = alpha;
        return true;
    }
    ui::Rect ScreenRect() override { return {0, 0, 1280, 1024}; }
    ui::Rect WorkArea() override { return {0, 0, 1280, 994}; }

    void SetTimer(int timerId, uint32_t milliseconds) override { m_timers[timerId] = milliseconds; }
    void KillTimer(int timerId) override { m_timers.erase(timerId); }
    void PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    bool PostToParent(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    ui::Poster MakePoster() override;
    uint32_t RegisterMessage(std::u16string_view name) override;
    bool RegisterHotKey(int hotKeyId, uint32_t modifiers, uint32_t virtualKey) override;
    void UnregisterHotKey(int hotKeyId) override { m_hotKeys.erase(hotKeyId); }
    void EndDialog(int result) override;

    int ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) override;
    bool CloseMessageBox(int answer) override;
    int RunModal(ui::Dialog& child) override;
    int CancelModalDialogs() override;
    std::optional<std::u16string> AskSaveFileName(std::u16string_view defaultName,
                                                  std::u16string_view extension,
                                                  std::u16string_view filter) override;
    bool ShowModeless(ui::Dialog& child) override;
    bool CreatePage(ui::Dialog& page, ui::ControlId area) override;
    void ShowPage(ui::Dialog& page, bool show) override;
    void SetCursor(ui::Cursor c) override { cursor = c; }
    std::unique_ptr<platform::NotificationArea> CreateNotificationArea() override;
    std::unique_ptr<platform::PopupMenu> CreatePopupMenu() override;

    // For FakeControl: call-backs into the dialog, with the host's deferred end.
    void SendCommand(ui::ControlId id, int code);
    intptr_t SendNotify(const ui::Notify& notify);
    void MoveFocus(ui::ControlId id);

protected:
    ui::Control* FindControl(ui::ControlId id, ui::ControlKind wanted) override;
    void ControlMissing(ui::ControlId id, ui::ControlKind wanted, const ui::Control* found) override;

private:
    FakeHost(ui::Dialog& dialog, FakeHost* parent, bool page);
    void OpenAs(bool modal);
    void DeclareTemplate();
    // Runs a call into the dialog; a dialog ended inside it is destroyed once the outermost call returns.
    template <class F> auto Dispatch(F&& call);
    void FinishEnd();
    void FocusFirstTabStop();

    ui::Dialog& m_dialog;
    FakeHost* m_parent = nullptr;
    // The modal dialogs running over this window or its pages, outermost first.
    struct RunningModal {
        ui::Dialog* dialog;
        FakeHost* host; // null while a test's modal handler stands for the dialog
    };
    std::vector<RunningModal> m_runningModals;
    bool m_page = false;
    std::map<ui::ControlId, std::unique_ptr<Control>> m_controls;
    std::vector<ui::ControlId> m_order;
    std::map<int, uint32_t> m_timers;
    std::map<int, uint32_t> m_hotKeys;
    std::vector<std::unique_ptr<FakeHost>> m_pages;
    std::map<ui::Dialog*, bool> m_pageVisible;
    std::deque<Posted> m_queue;
    std::mutex m_queueMutex;
    std::shared_ptr<ui::PostChannel> m_channel;
    std::u16string m_caption;
    ui::Rect m_window;
    ui::ControlId m_focus = 0;
    ui::ControlId m_defaultButton = 0;
    ui::Color m_background = ui::kDefaultColor;
    uint8_t m_opacity = 255;
    bool m_topMost = false;
    int m_icon = 0;
    bool m_visible = true;
    bool m_active = true;
    bool m_strict = false;
    bool m_modal = true;
    bool m_ended = false;
    bool m_open = false;
    bool m_destroyed = false;
    int m_depth = 0;
    bool m_boxOpen = false;
    int m_boxClosedWith = 0;
    int m_result = 0;
};

} // namespace fakes
