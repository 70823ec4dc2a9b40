// Plain values shared by dialogs and hosts. Numbers are the platform's, so the Win32 host passes them
// through unchanged.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

using ControlId = int;

constexpr ControlId kIdOk = 1;
constexpr ControlId kIdCancel = 2;

// Message-box answers.
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// Message-box styles (combine one button set with one icon).
constexpr uint32_t kBoxOk = 0x0;
constexpr uint32_t kBoxOkCancel = 0x1;
constexpr uint32_t kBoxYesNo = 0x4;
constexpr uint32_t kBoxIconStop = 0x10;
constexpr uint32_t kBoxIconQuestion = 0x20;
constexpr uint32_t kBoxIconWarning = 0x30;
constexpr uint32_t kBoxIconInformation = 0x40;

// Command codes a dialog receives with OnCommand.
constexpr int kClicked = 0;         // button
constexpr int kSelChange = 1;       // list box and combo box selection
constexpr int kDoubleClicked = 2;   // list box
constexpr int kComboSetFocus = 3;   // combo box gained the focus
constexpr int kComboKillFocus = 4;  // combo box lost the focus
constexpr int kComboEditChange = 5; // the user changed the text of a combo box's edit part
constexpr int kComboDropDown = 7;   // a combo box's list is about to drop down
constexpr int kEditSetFocus = 0x100;
constexpr int kEditKillFocus = 0x200;
constexpr int kEditChange = 0x300; // edit text changed, by the user or by setting it

// Notification codes a dialog receives with OnNotify.
constexpr int kClick = -2;            // list view / custom control click
constexpr int kDoubleClick = -3;      // list view
constexpr int kRightClick = -5;       // list view
constexpr int kCustomDraw = -12;      // list view drawing stages; see CustomDraw
constexpr int kItemChanging = -100;   // list view row state about to change; answer 1 to veto
constexpr int kItemChanged = -101;    // list view row state changed
constexpr int kInsertItem = -102;     // list view row inserted
constexpr int kDeleteAllItems = -104; // list view emptied
constexpr int kColumnClick = -108;    // list view header click; subItem is the column
constexpr int kListKeyDown = -155;    // list view key press; key is the virtual key
constexpr int kTabSelChange = -551;   // tab control, after the change
constexpr int kTabSelChanging = -552; // tab control, before the change; answer 1 to veto
constexpr int kScroll = 0x7FFF0001;   // slider moved (from the scroll messages)

// Row states in Notify::oldState / newState.
constexpr uint32_t kStateFocused = 0x1;
constexpr uint32_t kStateSelected = 0x2;

// First number of the private messages a dialog posts to itself or receives from workers.
constexpr uint32_t kFirstPrivateMessage = 0x8000;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool Contains(const Rect& inner) const {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
    bool operator==(const Rect&) const = default;
};

// A colour as the platform stores it: red in the low byte, then green, then blue.
using Color = uint32_t;
constexpr Color Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}
constexpr Color kDefaultColor = 0xFFFFFFFFu; // the system's own colour

struct Font {
    std::u16string face; // empty: the dialog's font
    int pointSize = 0;   // 0: the dialog's size
    bool bold = false;
    bool underline = false;
    bool fixedPitch =
        false; // every character as wide: where the face is missing, the system's fixed-pitch font
    bool operator==(const Font&) const = default;
};

// Colours a dialog may set while a list view draws one row (CustomDraw item stage).
struct CustomDrawColors {
    Color text = kDefaultColor;
    Color background = kDefaultColor;
};

// Custom-draw stages and answers, in the platform's numbers.
constexpr uint32_t kDrawPrePaint = 0x1;
constexpr uint32_t kDrawItemPrePaint = 0x10001;
constexpr uint32_t kDrawSubItemPrePaint = 0x30001;
constexpr intptr_t kDrawDefault = 0x0;
constexpr intptr_t kDrawNewFont = 0x2;
constexpr intptr_t kDrawNotifyItems = 0x20;

// A notification from a list view, tab control or slider, with what the platform told about it.
struct Notify {
    ControlId id = 0;
    int code = 0;
    int item = -1;    // row or tab; -1 when none
    int subItem = -1; // column
    uint32_t oldState = 0;
    uint32_t newState = 0;
    uint32_t changed = 0; // which parts of the row changed (state 0x8)
    uint32_t key = 0;     // virtual key of kListKeyDown
    Point point;          // in the control's client coordinates, for clicks
    uint32_t drawStage = 0;
    CustomDrawColors* colors = nullptr; // set at kDrawItemPrePaint and kDrawSubItemPrePaint
};

struct ListColumn {
    std::u16string caption;
    int width = 0;
};

// The arrow a list header shows on the column the rows are sorted by.
enum class SortArrow { None, Up, Down };

enum class Cursor { Arrow, Wait, Hand };

} // namespace ui
