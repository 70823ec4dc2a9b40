// Typed handles of a dialog's controls. A host fixes each control's kind when the dialog is created
// from its template and hands out the matching handle: `host().Edit(id)`, `host().Report(id)`, ...
// Every method here does nothing and answers a neutral value; the hosts override what their controls
// do. A handle a host gives for a control the template lacks (or of another kind) is such a do-nothing
// handle, so a missing control is never a crash. A new kind of control is one more class here, one in
// each host, and one accessor on Host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Picture.h"
#include "ui/Types.h"

namespace ui {

enum class ControlKind {
    Any,
    Static,
    Button,
    Edit,
    List,
    Combo,
    Report,
    Tab,
    Slider,
    Progress,
    RichText,
    Canvas
};

const char* KindName(ControlKind kind);

// What every control does.
class Control {
public:
    static constexpr ControlKind kKind = ControlKind::Any;

    virtual ~Control() = default;

    virtual ControlKind Kind() const { return ControlKind::Any; }
    // False for the do-nothing handle of a control the template lacks.
    virtual bool Exists() const { return false; }
    virtual ControlId Id() const { return 0; }

    virtual void SetText(std::u16string_view) {}
    virtual std::u16string Text() { return {}; }
    virtual void Enable(bool) {}
    virtual bool IsEnabled() { return false; }
    virtual void Show(bool) {}
    virtual bool IsVisible() { return false; }
    virtual void Focus() {}
    // In the dialog's client coordinates.
    virtual Rect GetRect() { return {}; }
    virtual void Move(const Rect&) {}

    // Appearance; kDefaultColor goes back to the system's colour.
    virtual void SetTextColor(Color) {}
    virtual void SetBackColor(Color) {}
    virtual void SetFont(const Font&) {}
    virtual void Redraw() {}
};

class StaticControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::Static;
    // Pictures from the program's resources; 0 removes the picture.
    virtual void SetBitmap(int) {}
    virtual void SetIcon(int) {}
};

// Push buttons, check boxes and radio buttons.
class ButtonControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::Button;
    virtual void SetCheck(bool) {}
    virtual bool IsChecked() { return false; }
    virtual void SetBitmap(int) {}
    virtual void SetIcon(int) {}
};

class EditControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::Edit;
    virtual void SetLimit(int) {}
    virtual int Limit() { return 0; }
    // end -1: to the end.
    virtual void Select(int, int) {}
    // 0: plain text again.
    virtual void SetPasswordChar(char16_t) {}
    virtual char16_t PasswordChar() { return 0; }
    virtual void SetReadOnly(bool) {}
};

// List boxes and the list of combo boxes: one repertoire.
class ListControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::List;
    virtual void Reset() {}
    virtual int Add(std::u16string_view) { return -1; }
    virtual int Count() { return 0; }
    virtual std::u16string ItemText(int) { return {}; }
    virtual void Select(int) {} // -1 clears the selection
    virtual int Selection() { return -1; }
    virtual void SetItemData(int, intptr_t) {}
    virtual intptr_t ItemData(int) { return 0; }
    // Exact match, -1 when none.
    int Find(std::u16string_view text);
};

class ComboControl : public ListControl {
public:
    static constexpr ControlKind kKind = ControlKind::Combo;
    // The edit part of a combo box the user types into: its length limit, where the caret is, and the
    // selection of its text (end -1: to the end). Select(-1) empties the edit part, as on the platform.
    virtual void SetEditLimit(int) {}
    virtual int EditCaret() { return 0; }
    virtual void SetEditSelection(int, int) {}
};

class ReportControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::Report;
    virtual void SetColumns(const std::vector<ListColumn>&) {}
    virtual int ColumnCount() { return 0; }
    virtual int ColumnWidth(int) { return 0; }
    // image -1: none. Returns the row's index, -1 on failure.
    virtual int InsertRow(int, std::u16string_view, int) { return -1; }
    virtual void SetCell(int, int, std::u16string_view) {}
    virtual std::u16string Cell(int, int) { return {}; }
    virtual void SetRowImage(int, int) {}
    virtual int RowImage(int) { return -1; }
    virtual int RowCount() { return 0; }
    virtual void DeleteRow(int) {}
    virtual void DeleteAll() {}
    virtual void Select(int) {} // -1 clears the selection
    virtual int Selection() { return -1; }
    virtual void EnsureVisible(int) {}
    virtual void SetFullRowSelect(bool) {}
    // Paints through an off-screen buffer, so a changing list does not flicker.
    virtual void SetDoubleBuffered(bool) {}
    // While held, changes are not drawn; releasing draws the whole list once. Hold it around a refill.
    virtual void HoldRedraw(bool) {}
    // The column header is drawn by the program in these colours: off-screen, copied in one piece, never
    // erased first.
    virtual void SetHeaderColors(Color, Color) {}
    // The header shows `arrow` on `column` and no arrow on any other column (a column out of range
    // clears them all). New columns start without one.
    virtual void SetSortArrow(int, SortArrow) {}
    virtual SortArrow SortArrowOf(int) { return SortArrow::None; }
    // Icons from the program's resources, drawn at the given size; row images index this list.
    virtual void SetImageList(const std::vector<int>&, int) {}
    virtual int ImageCount() { return 0; }
};

class TabControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::Tab;
    virtual void Reset() {}
    virtual int Add(std::u16string_view) { return -1; }
    virtual int Count() { return 0; }
    virtual std::u16string ItemText(int) { return {}; }
    virtual void Select(int) {}
    virtual int Selection() { return -1; }
    // Where a page of this tab control goes, in the dialog's client coordinates.
    virtual Rect DisplayArea() { return {}; }
};

class SliderControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::Slider;
    virtual void SetRange(int, int) {}
    virtual int RangeMin() { return 0; }
    virtual int RangeMax() { return 0; }
    virtual void SetPos(int) {} // kept inside the range
    virtual int Pos() { return 0; }
    virtual void SetTickFrequency(int) {}
};

class ProgressControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::Progress;
    virtual void SetRange(int, int) {}
    virtual int RangeMax() { return 0; }
    virtual void SetPos(int) {}
    virtual int Pos() { return 0; }
    virtual void SetBarColor(Color) {}
};

class RichTextControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::RichText;
    // Replaces the content with the given RTF bytes; false when the control refused them.
    virtual bool StreamRtf(const std::vector<uint8_t>&) { return false; }
};

// A control the program draws itself (the status area, graphs): the portable code builds a Picture and
// the host paints it in one piece. Its text is the picture's texts, one a line, so that screen readers
// and test programs read what is shown.
class CanvasControl : public virtual Control {
public:
    static constexpr ControlKind kKind = ControlKind::Canvas;
    // Replaces what is shown and repaints.
    virtual void SetPicture(const Picture&) {}
    // What is shown now; valid until the next SetPicture.
    virtual const Picture& CurrentPicture();
};

} // namespace ui
