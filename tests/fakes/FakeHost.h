// A host that keeps every control's state in memory. Tests drive the dialog through it (click, type,
// select, fire a timer, deliver a message) and read back what the dialog did. Controls spring into
// existence on first use unless the test declares the template's controls with AddControl and calls
// Strict(), after which touching an undeclared control fails the test.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ui/Dialog.h"

namespace fakes {

class FakeHost final : public ui::Host {
public:
    struct Control {
        std::u16string text;
        bool enabled = true;
        bool visible = true;
        bool checked = false;
        ui::Rect rect;
        int textLimit = 0;
        int selStart = 0;
        int selEnd = 0;
        std::vector<std::u16string> items;
        int selection = -1;
        std::vector<ui::ListColumn> columns;
        std::vector<std::vector<std::u16string>> rows;
        std::vector<int> rowImages;
        int rangeMin = 0;
        int rangeMax = 100;
        int pos = 0;
        std::vector<uint8_t> richText;
    };
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

    // Declares a control of the template with its place in the dialog.
    Control& AddControl(ui::ControlId id, ui::Rect rect = {});
    void Strict() { m_strict = true; }

    // Opens the dialog: attaches the host and runs OnInit.
    void Open();
    // User actions.
    void Click(ui::ControlId id);
    void Type(ui::ControlId id, std::u16string_view text);
    void SelectItem(ui::ControlId id, int index); // list or combo box, then kSelChange
    void SelectRow(ui::ControlId id, int row);    // list view, then kItemChanged
    void SelectTab(ui::ControlId id, int index);  // tab control, then kTabSelChange
    void FireTimer(int timerId);                  // fails the test when the timer is not running
    bool Deliver(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    // Delivers the messages the dialog posted to itself, in order, until none are left.
    int PumpPosted();
    // Closes the window as the platform does when the dialog ends or its parent goes.
    void Destroy();

    Control& control(ui::ControlId id);
    bool TimerRunning(int timerId) const { return m_timers.count(timerId) != 0; }
    uint32_t TimerInterval(int timerId) const;
    bool ended() const { return m_ended; }
    int result() const { return m_result; }
    ui::Rect window() const { return m_window; }

    // Scripted answers: message boxes take the next answer (default: the first button); modal children
    // run their OnInit on a host of their own and then take the next modal answer (default: their own
    // EndDialog, else kIdCancel). A modal handler, when set, replaces that.
    std::deque<int> messageBoxAnswers;
    std::vector<ShownBox> messageBoxes;
    std::deque<int> modalAnswers;
    std::vector<int> modalTemplates;
    std::function<int(ui::Dialog& child)> modalHandler;
    std::vector<ui::Dialog*> modelessChildren;
    std::vector<Posted> posted;
    ui::Cursor cursor = ui::Cursor::Arrow;

    // ui::Host
    void SetCaption(std::u16string_view text) override { m_caption = text; }
    std::u16string Caption() override { return m_caption; }
    ui::Rect WindowRect() override { return m_window; }
    void MoveWindow(const ui::Rect& rect) override { m_window = rect; }
    void ShowWindow(bool show) override { m_visible = show; }
    bool IsWindowVisible() override { return m_visible; }

    bool HasControl(ui::ControlId id) override;
    void SetText(ui::ControlId id, std::u16string_view text) override { control(id).text = text; }
    std::u16string GetText(ui::ControlId id) override { return control(id).text; }
    void Enable(ui::ControlId id, bool enable) override { control(id).enabled = enable; }
    bool IsEnabled(ui::ControlId id) override { return control(id).enabled; }
    void Show(ui::ControlId id, bool show) override { control(id).visible = show; }
    bool IsVisible(ui::ControlId id) override { return control(id).visible; }
    void SetCheck(ui::ControlId id, bool checked) override { control(id).checked = checked; }
    bool IsChecked(ui::ControlId id) override { return control(id).checked; }
    void SetFocus(ui::ControlId id) override;
    ui::ControlId FocusedControl() override { return m_focus; }
    ui::Rect ControlRect(ui::ControlId id) override { return control(id).rect; }
    void MoveControl(ui::ControlId id, const ui::Rect& rect) override { control(id).rect = rect; }

    void SetTextLimit(ui::ControlId id, int units) override;
    void SelectText(ui::ControlId id, int start, int end) override;

    void ListReset(ui::ControlId id) override;
    int ListAdd(ui::ControlId id, std::u16string_view text) override;
    int ListCount(ui::ControlId id) override { return static_cast<int>(control(id).items.size()); }
    std::u16string ListItemText(ui::ControlId id, int index) override;
    void ListSelect(ui::ControlId id, int index) override;
    int ListSelection(ui::ControlId id) override { return control(id).selection; }

    void ReportSetColumns(ui::ControlId id, const std::vector<ui::ListColumn>& columns) override;
    int ReportInsertRow(ui::ControlId id, int row, std::u16string_view firstCell, int image) override;
    void ReportSetCell(ui::ControlId id, int row, int column, std::u16string_view text) override;
    std::u16string ReportCell(ui::ControlId id, int row, int column) override;
    int ReportRowCount(ui::ControlId id) override { return static_cast<int>(control(id).rows.size()); }
    void ReportDeleteAll(ui::ControlId id) override;
    void ReportSelect(ui::ControlId id, int row) override;
    int ReportSelection(ui::ControlId id) override { return control(id).selection; }

    void TabReset(ui::ControlId id) override { ListReset(id); }
    int TabAdd(ui::ControlId id, std::u16string_view caption) override { return ListAdd(id, caption); }
    int TabCount(ui::ControlId id) override { return ListCount(id); }
    void TabSelect(ui::ControlId id, int index) override { ListSelect(id, index); }
    int TabSelection(ui::ControlId id) override { return ListSelection(id); }

    void SetRange(ui::ControlId id, int minimum, int maximum) override;
    void SetPos(ui::ControlId id, int position) override { control(id).pos = position; }
    int GetPos(ui::ControlId id) override { return control(id).pos; }

    bool StreamRichText(ui::ControlId id, const std::vector<uint8_t>& rtf) override;

    void SetTimer(int timerId, uint32_t milliseconds) override { m_timers[timerId] = milliseconds; }
    void KillTimer(int timerId) override { m_timers.erase(timerId); }
    void PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void EndDialog(int result) override;

    int ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) override;
    int RunModal(ui::Dialog& child) override;
    bool ShowModeless(ui::Dialog& child) override;
    void SetCursor(ui::Cursor c) override { cursor = c; }
    ui::Poster MakePoster() override;

private:
    ui::Dialog& m_dialog;
    std::map<ui::ControlId, Control> m_controls;
    std::map<int, uint32_t> m_timers;
    std::deque<Posted> m_queue;
    std::mutex m_queueMutex;
    std::shared_ptr<ui::PostChannel> m_channel;
    std::u16string m_caption;
    ui::Rect m_window;
    ui::ControlId m_focus = 0;
    bool m_visible = true;
    bool m_strict = false;
    bool m_ended = false;
    bool m_open = false;
    int m_result = 0;
};

} // namespace fakes
