// The Win32 controls behind the typed handles. A dialog window makes one object per child control when
// it is created from its template, of the kind the control's window class names, so no call has to
// guess the kind again.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Controls.h"

namespace ui::win32 {

// What every kind shares: text, state, place and the colours and font the dialog gave it.
class WinControl : public virtual Control {
public:
    WinControl(HWND hwnd, ControlId id) : m_hwnd(hwnd), m_id(id) {}
    ~WinControl() override;
    WinControl(const WinControl&) = delete;
    WinControl& operator=(const WinControl&) = delete;

    HWND hwnd() const { return m_hwnd; }

    bool Exists() const override { return true; }
    ControlId Id() const override { return m_id; }
    void SetText(std::u16string_view text) override;
    std::u16string Text() override;
    void Enable(bool enable) override;
    bool IsEnabled() override;
    void Show(bool show) override;
    bool IsVisible() override;
    void Focus() override;
    Rect GetRect() override;
    void Move(const Rect& rect) override;
    void SetTextColor(Color color) override;
    void SetBackColor(Color color) override;
    void SetFont(const Font& font) override;
    void Redraw() override;

    // WM_CTLCOLOR* of this control: null when it keeps the system's colours.
    HBRUSH PaintColors(HDC dc, HBRUSH dialogBrush, Color dialogBack);

protected:
    HWND m_hwnd;
    ControlId m_id;
    Color m_text = kDefaultColor;
    Color m_back = kDefaultColor;
    HBRUSH m_backBrush = nullptr;
    HFONT m_font = nullptr;
};

// A control of a class the framework does not know (custom controls): only the shared calls.
class WinGenericControl final : public WinControl {
public:
    using WinControl::WinControl;
};

class WinStatic final : public WinControl, public StaticControl {
public:
    using WinControl::WinControl;
    ~WinStatic() override;
    ControlKind Kind() const override { return ControlKind::Static; }
    void SetBitmap(int resource) override;
    void SetIcon(int resource) override;

private:
    HBITMAP m_bitmap = nullptr;
};

class WinButton final : public WinControl, public ButtonControl {
public:
    using WinControl::WinControl;
    ~WinButton() override;
    ControlKind Kind() const override { return ControlKind::Button; }
    void SetCheck(bool checked) override;
    bool IsChecked() override;
    void SetBitmap(int resource) override;
    void SetIcon(int resource) override;

private:
    HBITMAP m_bitmap = nullptr;
};

class WinEdit final : public WinControl, public EditControl {
public:
    using WinControl::WinControl;
    ControlKind Kind() const override { return ControlKind::Edit; }
    void SetLimit(int units) override;
    int Limit() override;
    void Select(int start, int end) override;
    void SetPasswordChar(char16_t c) override;
    char16_t PasswordChar() override;
    void SetReadOnly(bool readOnly) override;
};

// List boxes and combo boxes share one repertoire with different message numbers.
class WinList : public WinControl, public ComboControl {
public:
    WinList(HWND hwnd, ControlId id, bool combo) : WinControl(hwnd, id), m_combo(combo) {}
    ControlKind Kind() const override { return m_combo ? ControlKind::Combo : ControlKind::List; }
    void Reset() override;
    int Add(std::u16string_view text) override;
    int Count() override;
    std::u16string ItemText(int index) override;
    void Select(int index) override;
    int Selection() override;
    void SetItemData(int index, intptr_t data) override;
    intptr_t ItemData(int index) override;
    void SetEditLimit(int units) override;
    int EditCaret() override;
    void SetEditSelection(int start, int end) override;

private:
    UINT Message(UINT listMessage, UINT comboMessage) const { return m_combo ? comboMessage : listMessage; }
    bool m_combo;
};

class WinReport final : public WinControl, public ReportControl {
public:
    using WinControl::WinControl;
    ControlKind Kind() const override { return ControlKind::Report; }
    void SetColumns(const std::vector<ListColumn>& columns) override;
    int ColumnCount() override;
    int ColumnWidth(int column) override;
    int InsertRow(int row, std::u16string_view firstCell, int image) override;
    void SetCell(int row, int column, std::u16string_view text) override;
    std::u16string Cell(int row, int column) override;
    void SetRowImage(int row, int image) override;
    int RowImage(int row) override;
    int RowCount() override;
    void DeleteRow(int row) override;
    void DeleteAll() override;
    void Select(int row) override;
    int Selection() override;
    void EnsureVisible(int row) override;
    void SetFullRowSelect(bool on) override;
    void SetDoubleBuffered(bool on) override;
    void HoldRedraw(bool hold) override;
    void SetHeaderColors(Color text, Color back) override;
    void SetSortArrow(int column, SortArrow arrow) override;
    SortArrow SortArrowOf(int column) override;
    void SetImageList(const std::vector<int>& icons, int size) override;
    int ImageCount() override;
};

class WinTab final : public WinControl, public TabControl {
public:
    using WinControl::WinControl;
    ControlKind Kind() const override { return ControlKind::Tab; }
    void Reset() override;
    int Add(std::u16string_view caption) override;
    int Count() override;
    std::u16string ItemText(int index) override;
    void Select(int index) override;
    int Selection() override;
    Rect DisplayArea() override;
};

class WinSlider final : public WinControl, public SliderControl {
public:
    using WinControl::WinControl;
    ControlKind Kind() const override { return ControlKind::Slider; }
    void SetRange(int minimum, int maximum) override;
    int RangeMin() override;
    int RangeMax() override;
    void SetPos(int position) override;
    int Pos() override;
    void SetTickFrequency(int frequency) override;
};

class WinProgress final : public WinControl, public ProgressControl {
public:
    using WinControl::WinControl;
    ControlKind Kind() const override { return ControlKind::Progress; }
    void SetRange(int minimum, int maximum) override;
    int RangeMax() override;
    void SetPos(int position) override;
    int Pos() override;
    void SetBarColor(Color color) override;
};

class WinRichText final : public WinControl, public RichTextControl {
public:
    using WinControl::WinControl;
    ControlKind Kind() const override { return ControlKind::RichText; }
    bool StreamRtf(const std::vector<uint8_t>& rtf) override;
};

// A drawn control. Its window keeps the picture shown and paints it (WinCanvas.cpp); this handle only
// hands pictures over, so it may come and go with the dialog's adoption of its controls.
class WinCanvas final : public WinControl, public CanvasControl {
public:
    using WinControl::WinControl;
    ControlKind Kind() const override { return ControlKind::Canvas; }
    void SetPicture(const Picture& picture) override;
    const Picture& CurrentPicture() override;
};

// The window class of drawn controls, as templates name it:
//     CONTROL "", id, "KtCanvas", WS_CHILD | WS_VISIBLE, x, y, w, h
inline constexpr wchar_t kCanvasClass[] = L"KtCanvas";
// Registers the class (InitControls does); true also when it already is.
bool RegisterCanvasClass();

// A window's whole text, however long.
std::u16string WindowText(HWND window);

// The object for a child window of a dialog, by its window class.
std::unique_ptr<WinControl> MakeControl(HWND control);

// The module whose resources the controls load pictures from.
void SetResourceModule(HINSTANCE instance);
HINSTANCE ResourceModule();

} // namespace ui::win32
