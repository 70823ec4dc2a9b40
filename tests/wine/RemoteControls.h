// Reading and clicking the common controls of another process. List-view, header and tab messages that
// carry a pointer only work with memory the control's own process can read, so each request is staged in
// a block allocated there. Clicks are real mouse input at the screen position of what is clicked, so the
// program sees what a user's click would give it (hit tests, notifications, double-click timing).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wineprogram {

// A block of memory inside the process that owns a window; freed with the object.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : m_size(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (m_process != nullptr) {
            m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~RemoteBuffer() {
        if (m_address != nullptr) {
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        }
        if (m_process != nullptr) {
            CloseHandle(m_process);
        }
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool valid() const { return m_address != nullptr; }
    char* at(size_t offset) const { return static_cast<char*>(m_address) + offset; }
    LPARAM param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(at(offset)); }

    bool Write(const void* data, size_t size, size_t offset = 0) {
        SIZE_T done = 0;
        return valid() && offset + size <= m_size &&
               WriteProcessMemory(m_process, at(offset), data, size, &done) && done == size;
    }
    bool Read(void* data, size_t size, size_t offset = 0) const {
        SIZE_T done = 0;
        return valid() && offset + size <= m_size &&
               ReadProcessMemory(m_process, at(offset), data, size, &done) && done == size;
    }

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    size_t m_size = 0;
};

// The first window below `parent` (at any depth) with the control id `id`.
inline HWND FindDescendant(HWND parent, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (GetDlgCtrlID(child) == s->id) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline int ListRowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

inline int ListColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

// A cell's text; "<unreadable>" when the request could not be staged in the list's process, so a failed
// read never passes for an empty cell.
inline std::wstring ListCellText(HWND list, int row, int column) {
    constexpr int kUnits = 512;
    RemoteBuffer remote(list, sizeof(LVITEMW) + kUnits * sizeof(wchar_t));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = reinterpret_cast<LPWSTR>(remote.at(sizeof(LVITEMW)));
    item.cchTextMax = kUnits;
    std::vector<wchar_t> primed(kUnits, L'\x25A1'); // a sentinel a cell never holds
    if (!remote.Write(&item, sizeof item) ||
        !remote.Write(primed.data(), primed.size() * sizeof(wchar_t), sizeof(LVITEMW))) {
        return L"<unreadable>";
    }
    LRESULT units = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.param());
    std::vector<wchar_t> text(kUnits);
    if (!remote.Read(text.data(), text.size() * sizeof(wchar_t), sizeof(LVITEMW)) || units < 0 ||
        units >= kUnits) {
        return L"<unreadable>";
    }
    return std::wstring(text.data(), static_cast<size_t>(units));
}

// Every row's cells, in view order.
inline std::vector<std::vector<std::wstring>> ListRows(HWND list) {
    std::vector<std::vector<std::wstring>> rows;
    int columns = ListColumnCount(list);
    for (int row = 0; row < ListRowCount(list); ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            cells.push_back(ListCellText(list, row, column));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

// One column of every row.
inline std::vector<std::wstring> ListColumn(HWND list, int column) {
    std::vector<std::wstring> cells;
    for (int row = 0; row < ListRowCount(list); ++row) {
        cells.push_back(ListCellText(list, row, column));
    }
    return cells;
}

// The first row whose cell in `column` is `text`, or -1.
inline int FindListRow(HWND list, int column, const std::wstring& text) {
    for (int row = 0; row < ListRowCount(list); ++row) {
        if (ListCellText(list, row, column) == text) {
            return row;
        }
    }
    return -1;
}

// A rectangle a control reports through memory of its own process, in screen coordinates.
inline std::optional<RECT> RemoteRect(HWND control, UINT message, WPARAM wParam, LONG left = 0) {
    RemoteBuffer remote(control, sizeof(RECT));
    RECT rect{left, 0, 0, 0};
    if (!remote.Write(&rect, sizeof rect) || !SendMessageW(control, message, wParam, remote.param()) ||
        !remote.Read(&rect, sizeof rect)) {
        return std::nullopt;
    }
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline std::optional<RECT> HeaderItemRect(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header != nullptr ? RemoteRect(header, HDM_GETITEMRECT, static_cast<WPARAM>(column))
                             : std::nullopt;
}

inline std::optional<RECT> ListRowRect(HWND list, int row) {
    return RemoteRect(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), LVIR_LABEL);
}

inline std::optional<RECT> TabItemRect(HWND tab, int item) {
    return RemoteRect(tab, TCM_GETITEMRECT, static_cast<WPARAM>(item));
}

// Left clicks on a screen rectangle, `across` of its width from the left: one, or two in quick succession
// for a double click. Two single clicks on one thing come at different points, else the second one,
// sooner than a user's, would count as a double click.
inline bool ClickAt(const RECT& rect, int clicks = 1, double across = 0.5) {
    POINT point{rect.left + static_cast<LONG>((rect.right - rect.left) * across),
                (rect.top + rect.bottom) / 2};
    // A user clicks in the window in front; a click that has to activate its window first may be lost
    // while the activation is still under way.
    HWND target = GetAncestor(WindowFromPoint(point), GA_ROOT);
    if (target != nullptr && GetForegroundWindow() != target) {
        SetForegroundWindow(target);
        for (int i = 0; i < 100 && GetForegroundWindow() != target; ++i) {
            Sleep(20);
        }
    }
    if (!SetCursorPos(point.x, point.y)) {
        return false;
    }
    int width = GetSystemMetrics(SM_CXSCREEN) - 1;
    int height = GetSystemMetrics(SM_CYSCREEN) - 1;
    std::vector<INPUT> inputs;
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = width > 0 ? MulDiv(point.x, 65535, width) : 0;
    move.mi.dy = height > 0 ? MulDiv(point.y, 65535, height) : 0;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(move);
    // Each press and release carries the point too. Without a move a button event happens wherever the
    // pointer is when the program takes it, and under Wine a late motion report of the virtual X server
    // can have put it back where an earlier click was: a failed run showed a click meant for a radio
    // button taken by the Apply button clicked before.
    for (int i = 0; i < clicks; ++i) {
        INPUT button = move;
        button.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(button);
        button.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(button);
    }
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}

// Clicks until `reacted` holds, at most `attempts` times, each given `milliseconds` to show an effect.
// Injected input is now and then lost under Wine on a virtual X server (about one click in fifteen here).
// `reacted` is any visible reaction, right or wrong, and the caller checks the result afterwards: a click
// that was received and mishandled then fails the test instead of being repeated until it looks right.
inline bool ClickUntil(const RECT& rect, const std::function<bool()>& reacted, int clicks = 1,
                       double across = 0.5, int attempts = 3, int milliseconds = 2000) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (!ClickAt(rect, clicks, across)) {
            return false;
        }
        for (int waited = 0; waited < milliseconds; waited += 50) {
            if (reacted()) {
                return true;
            }
            Sleep(50);
        }
    }
    return reacted();
}

// Gives the thread that owns `window` time to handle what was queued for it. A message sent to a thread
// is answered only between two of its messages: the first answer comes once a running handler has
// returned, the second, a moment later, as a rule once the click queued behind that handler has been
// handled too.
inline void LetThreadCatchUp(HWND window) {
    for (int round = 0; round < 2; ++round) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
        Sleep(50);
    }
}

// True while a click on `control` would still reach it where it was: it is there, shown and enabled, in
// the same place, and its window takes input (no modal window has disabled it). WindowFromPoint is no
// help here: asked from another process it cannot learn that a group box lets clicks through.
inline bool StillClickable(HWND control, const RECT& place) {
    RECT now{};
    HWND root = GetAncestor(control, GA_ROOT);
    return IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control) &&
           IsWindowEnabled(root) && GetWindowRect(control, &now) && EqualRect(&now, &place);
}

// ClickUntil for a control, with the care a repeated click needs: the program may be slow to show its
// reaction (a save writes the registry, a wizard page waits for its thread), and a second click would
// then land on whatever took the control's place, such as the next page's button at the same spot. So
// before clicking again the program is given time to handle the first click, and a control that has
// gone, been disabled or covered is not clicked again; its reaction is waited for instead. Once the
// reaction shows, the handler that made it is let finish too: a page that shows one control and then
// disables another is seen only as it stands after both.
// Each click is given 6 s before it counts as lost. A click that was only slow to be taken would, repeated,
// be taken twice, and under Wine the second one goes to whatever is under it when it is taken: a failed
// run showed a wizard page's Next pressed by a click meant for the page before, whose Next stands at the
// same spot.
inline bool ClickControlUntil(HWND control, const std::function<bool()>& reacted, int attempts = 3,
                              int milliseconds = 6000) {
    const auto settled = [&] {
        if (IsWindow(control)) {
            LetThreadCatchUp(control);
        }
        return true;
    };
    const auto awaitReaction = [&] {
        for (int waited = 0; waited < milliseconds; waited += 50) {
            if (reacted()) {
                return settled();
            }
            Sleep(50);
        }
        return reacted() && settled();
    };
    RECT place{};
    if (!GetWindowRect(control, &place)) {
        return false;
    }
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) {
            LetThreadCatchUp(control);
            if (reacted()) {
                return settled();
            }
            if (!StillClickable(control, place)) {
                return awaitReaction();
            }
        }
        if (!ClickAt(place)) {
            return false;
        }
        if (awaitReaction()) {
            return true;
        }
    }
    return reacted() && settled();
}

// Presses a push button as the keyboard's space bar does: BM_CLICK, posted to the button itself, which
// presses and releases itself and tells its dialog as for a mouse click. Unlike a mouse click it can be
// neither lost nor, when the program is slow to take it, taken by another window that has come to the
// button's place (a wizard's next page has its Next where the page before had its own). So it is sent
// once, never repeated. It is posted because the button's handler may run a modal window, and sent only
// while the button is shown and enabled in a window that takes input, as a user could press it then.
inline bool PressButtonUntil(HWND button, const std::function<bool()>& reacted, int milliseconds = 15000) {
    const auto pressable = [&] {
        return IsWindow(button) && IsWindowVisible(button) && IsWindowEnabled(button) &&
               IsWindowEnabled(GetAncestor(button, GA_ROOT));
    };
    for (int waited = 0; !pressable(); waited += 50) {
        if (waited >= 6000) {
            return false;
        }
        Sleep(50);
    }
    if (!PostMessageW(button, BM_CLICK, 0, 0)) {
        return false;
    }
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (reacted()) {
            if (IsWindow(button)) {
                LetThreadCatchUp(button);
            }
            return true;
        }
        Sleep(50);
    }
    return reacted();
}

} // namespace wineprogram
