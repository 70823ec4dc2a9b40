// The real host: a dialog created from its .rc template, every window message routed to the
// ui::Dialog, every Host call mapped onto the Win32 controls.
#pragma once

#include <windows.h>

#include "ui/Dialog.h"

namespace ui::win32 {

// Loads the common controls (v6 through the manifest) and the rich-edit class. Call once before the
// first dialog.
void InitControls();

class DialogWindow final : public Host {
public:
    // Runs the dialog modally over `parent`; returns the result passed to EndDialog, or -1 when the
    // template could not be created.
    static int RunModal(HINSTANCE instance, HWND parent, Dialog& dialog);
    // Creates the dialog modeless over `parent`; the window and its host live until it is destroyed.
    static HWND CreateModeless(HINSTANCE instance, HWND parent, Dialog& dialog);

    HWND hwnd() const { return m_hwnd; }
    // The result of a modeless dialog ended with EndDialog (0 before).
    int modelessResult() const { return m_modelessResult; }

    void SetCaption(std::u16string_view text) override;
    std::u16string Caption() override;
    Rect WindowRect() override;
    void MoveWindow(const Rect& rect) override;
    void ShowWindow(bool show) override;
    bool IsWindowVisible() override;

    bool HasControl(ControlId id) override;
    void SetText(ControlId id, std::u16string_view text) override;
    std::u16string GetText(ControlId id) override;
    void Enable(ControlId id, bool enable) override;
    bool IsEnabled(ControlId id) override;
    void Show(ControlId id, bool show) override;
    bool IsVisible(ControlId id) override;
    void SetCheck(ControlId id, bool checked) override;
    bool IsChecked(ControlId id) override;
    void SetFocus(ControlId id) override;
    ControlId FocusedControl() override;
    Rect ControlRect(ControlId id) override;
    void MoveControl(ControlId id, const Rect& rect) override;

    void SetTextLimit(ControlId id, int units) override;
    void SelectText(ControlId id, int start, int end) override;

    void ListReset(ControlId id) override;
    int ListAdd(ControlId id, std::u16string_view text) override;
    int ListCount(ControlId id) override;
    std::u16string ListItemText(ControlId id, int index) override;
    void ListSelect(ControlId id, int index) override;
    int ListSelection(ControlId id) override;

    void ReportSetColumns(ControlId id, const std::vector<ListColumn>& columns) override;
    int ReportInsertRow(ControlId id, int row, std::u16string_view firstCell, int image) override;
    void ReportSetCell(ControlId id, int row, int column, std::u16string_view text) override;
    std::u16string ReportCell(ControlId id, int row, int column) override;
    int ReportRowCount(ControlId id) override;
    void ReportDeleteAll(ControlId id) override;
    void ReportSelect(ControlId id, int row) override;
    int ReportSelection(ControlId id) override;

    void TabReset(ControlId id) override;
    int TabAdd(ControlId id, std::u16string_view caption) override;
    int TabCount(ControlId id) override;
    void TabSelect(ControlId id, int index) override;
    int TabSelection(ControlId id) override;

    void SetRange(ControlId id, int minimum, int maximum) override;
    void SetPos(ControlId id, int position) override;
    int GetPos(ControlId id) override;

    bool StreamRichText(ControlId id, const std::vector<uint8_t>& rtf) override;

    void SetTimer(int timerId, uint32_t milliseconds) override;
    void KillTimer(int timerId) override;
    void PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void EndDialog(int result) override;

    int ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) override;
    int RunModal(Dialog& child) override;
    bool ShowModeless(Dialog& child) override;
    void SetCursor(Cursor cursor) override;
    Poster MakePoster() override { return Poster(m_channel); }
    uintptr_t NativeWindow() override { return reinterpret_cast<uintptr_t>(m_hwnd); }

private:
    DialogWindow(HINSTANCE instance, Dialog& dialog, bool modal)
        : m_instance(instance), m_dialog(dialog), m_modal(modal) {}

    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND Item(ControlId id) const;
    bool IsComboBox(HWND control) const;

    HINSTANCE m_instance;
    Dialog& m_dialog;
    bool m_modal;
    HWND m_hwnd = nullptr;
    int m_modelessResult = 0;
    std::shared_ptr<PostChannel> m_channel;
};

} // namespace ui::win32
