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

// Notification codes a dialog receives with OnCommand / OnNotify.
constexpr int kClicked = 0;         // button
constexpr int kSelChange = 1;       // list box and combo box selection
constexpr int kDoubleClicked = 2;   // list box
constexpr int kEditChange = 0x300;  // edit text changed
constexpr int kClick = -2;          // list view / custom control click
constexpr int kDoubleClick = -3;    // list view
constexpr int kItemChanged = -101;  // list view row state changed
constexpr int kColumnClick = -108;  // list view header click
constexpr int kTabSelChange = -551; // tab control
constexpr int kScroll = 0x7FFF0001; // slider moved (from the scroll messages)

// First number of the private messages a dialog posts to itself or receives from workers.
constexpr uint32_t kFirstPrivateMessage = 0x8000;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const Rect&) const = default;
};

struct ListColumn {
    std::u16string caption;
    int width = 0;
};

enum class Cursor { Arrow, Wait, Hand };

} // namespace ui
