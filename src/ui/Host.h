// Everything a dialog may do to its window. A dialog class never touches a window handle: the Win32
// host maps these calls onto real controls, the fake host keeps them in memory for tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Poster.h"
#include "ui/Types.h"

namespace ui {

class Dialog;

class Host {
public:
    virtual ~Host() = default;

    // The dialog window itself.
    virtual void SetCaption(std::u16string_view text) = 0;
    virtual std::u16string Caption() = 0;
    virtual Rect WindowRect() = 0; // screen coordinates
    virtual void MoveWindow(const Rect& rect) = 0;
    virtual void ShowWindow(bool show) = 0;
    virtual bool IsWindowVisible() = 0;

    // Any control.
    virtual bool HasControl(ControlId id) = 0;
    virtual void SetText(ControlId id, std::u16string_view text) = 0;
    virtual std::u16string GetText(ControlId id) = 0;
    virtual void Enable(ControlId id, bool enable) = 0;
    virtual bool IsEnabled(ControlId id) = 0;
    virtual void Show(ControlId id, bool show) = 0;
    virtual bool IsVisible(ControlId id) = 0;
    virtual void SetCheck(ControlId id, bool checked) = 0;
    virtual bool IsChecked(ControlId id) = 0;
    virtual void SetFocus(ControlId id) = 0;
    virtual ControlId FocusedControl() = 0;
    virtual Rect ControlRect(ControlId id) = 0; // client coordinates of the dialog
    virtual void MoveControl(ControlId id, const Rect& rect) = 0;

    // Edit boxes.
    virtual void SetTextLimit(ControlId id, int units) = 0;
    virtual void SelectText(ControlId id, int start, int end) = 0; // end -1: to the end

    // List boxes and combo boxes.
    virtual void ListReset(ControlId id) = 0;
    virtual int ListAdd(ControlId id, std::u16string_view text) = 0;
    virtual int ListCount(ControlId id) = 0;
    virtual std::u16string ListItemText(ControlId id, int index) = 0;
    virtual void ListSelect(ControlId id, int index) = 0; // -1 clears the selection
    virtual int ListSelection(ControlId id) = 0;          // -1 when none

    // Report-style list views.
    virtual void ReportSetColumns(ControlId id, const std::vector<ListColumn>& columns) = 0;
    virtual int ReportInsertRow(ControlId id, int row, std::u16string_view firstCell, int image) = 0;
    virtual void ReportSetCell(ControlId id, int row, int column, std::u16string_view text) = 0;
    virtual std::u16string ReportCell(ControlId id, int row, int column) = 0;
    virtual int ReportRowCount(ControlId id) = 0;
    virtual void ReportDeleteAll(ControlId id) = 0;
    virtual void ReportSelect(ControlId id, int row) = 0;
    virtual int ReportSelection(ControlId id) = 0;

    // Tab controls.
    virtual void TabReset(ControlId id) = 0;
    virtual int TabAdd(ControlId id, std::u16string_view caption) = 0;
    virtual int TabCount(ControlId id) = 0;
    virtual void TabSelect(ControlId id, int index) = 0;
    virtual int TabSelection(ControlId id) = 0;

    // Progress bars and sliders.
    virtual void SetRange(ControlId id, int minimum, int maximum) = 0;
    virtual void SetPos(ControlId id, int position) = 0;
    virtual int GetPos(ControlId id) = 0;

    // Rich-text boxes: replaces the content with the given RTF bytes.
    virtual bool StreamRichText(ControlId id, const std::vector<uint8_t>& rtf) = 0;

    // Timers, private messages and the end of the dialog.
    virtual void SetTimer(int timerId, uint32_t milliseconds) = 0;
    virtual void KillTimer(int timerId) = 0;
    virtual void PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void EndDialog(int result) = 0;

    // Other windows.
    virtual int ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) = 0;
    virtual int RunModal(Dialog& child) = 0;
    virtual bool ShowModeless(Dialog& child) = 0;
    virtual void SetCursor(Cursor cursor) = 0;
    // A thread-safe way for workers to post to this window; dropped once the window is gone.
    virtual Poster MakePoster() = 0;
    // The platform's handle of the dialog window, for the few platform calls that need it (posting from
    // another thread, z-order); 0 in hosts without a window.
    virtual uintptr_t NativeWindow() { return 0; }

    // Helpers over the calls above.
    int ListFind(ControlId id, std::u16string_view text); // exact match, -1 when none
};

} // namespace ui
