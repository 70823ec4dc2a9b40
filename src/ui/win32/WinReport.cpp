// Report-style list views.
#include "ui/win32/WinControls.h"

#include <commctrl.h>

#include "platform/win32/WinText.h"

namespace ui::win32 {

using platform::win32::U;

int WinReport::ColumnCount() {
    HWND header = reinterpret_cast<HWND>(SendMessageW(m_hwnd, LVM_GETHEADER, 0, 0));
    return header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

void WinReport::SetColumns(const std::vector<ListColumn>& columns) {
    while (SendMessageW(m_hwnd, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (size_t i = 0; i < columns.size(); ++i) {
        std::u16string caption = columns[i].caption;
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.fmt = LVCFMT_LEFT;
        col.cx = columns[i].width;
        col.pszText = reinterpret_cast<wchar_t*>(caption.data());
        SendMessageW(m_hwnd, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
    }
}

int WinReport::ColumnWidth(int column) {
    return static_cast<int>(SendMessageW(m_hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int WinReport::InsertRow(int row, std::u16string_view firstCell, int image) {
    std::u16string text(firstCell);
    LVITEMW item{};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0u);
    item.iItem = row < 0 ? RowCount() : row;
    item.iImage = image;
    item.pszText = reinterpret_cast<wchar_t*>(text.data());
    return static_cast<int>(SendMessageW(m_hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void WinReport::SetCell(int row, int column, std::u16string_view text) {
    std::u16string t(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(t.data());
    SendMessageW(m_hwnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::u16string WinReport::Cell(int row, int column) {
    // The control copies at most the buffer's size and says how much it copied, not how long the
    // text is: grow until the text fits with room to spare.
    for (size_t size = 256;; size *= 4) {
        std::wstring buffer(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        LRESULT n =
            SendMessageW(m_hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (n < 0) {
            return {};
        }
        if (static_cast<size_t>(n) + 1 < size || size >= (1u << 24)) {
            return U(buffer.c_str(), static_cast<size_t>(n));
        }
    }
}

void WinReport::SetRowImage(int row, int image) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    SendMessageW(m_hwnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int WinReport::RowImage(int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    if (!SendMessageW(m_hwnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) {
        return -1;
    }
    return item.iImage;
}

int WinReport::RowCount() {
    return static_cast<int>(SendMessageW(m_hwnd, LVM_GETITEMCOUNT, 0, 0));
}

void WinReport::DeleteRow(int row) {
    SendMessageW(m_hwnd, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void WinReport::DeleteAll() {
    SendMessageW(m_hwnd, LVM_DELETEALLITEMS, 0, 0);
}

void WinReport::Select(int row) {
    // Row by row rather than "every row" at once, so the dialog hears of each row that changes, the
    // old one first, and nothing for a row that keeps its state.
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    int current = -1;
    while ((current = static_cast<int>(
                SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(current), LVNI_SELECTED))) >= 0) {
        if (current == row) {
            continue;
        }
        LVITEMW clear{};
        clear.stateMask = both;
        SendMessageW(m_hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(current),
                     reinterpret_cast<LPARAM>(&clear));
    }
    if (row >= 0 && row < RowCount()) {
        LVITEMW set{};
        set.stateMask = both;
        set.state = both;
        SendMessageW(m_hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&set));
    }
}

int WinReport::Selection() {
    return static_cast<int>(SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void WinReport::EnsureVisible(int row) {
    SendMessageW(m_hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void WinReport::SetFullRowSelect(bool on) {
    SendMessageW(m_hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, on ? LVS_EX_FULLROWSELECT : 0);
}

void WinReport::SetDoubleBuffered(bool on) {
    SendMessageW(m_hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, on ? LVS_EX_DOUBLEBUFFER : 0);
}

void WinReport::HoldRedraw(bool hold) {
    SendMessageW(m_hwnd, WM_SETREDRAW, hold ? FALSE : TRUE, 0);
    if (!hold) {
        // No erase: the list paints its whole area itself, through its buffer when it has one.
        RedrawWindow(m_hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void WinReport::SetImageList(const std::vector<int>& icons, int size) {
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, static_cast<int>(icons.size()), 0);
    for (int resource : icons) {
        auto icon = static_cast<HICON>(
            LoadImageW(ResourceModule(), MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, 0));
        if (icon == nullptr) {
            icon = LoadIconW(nullptr, MAKEINTRESOURCEW(resource));
        }
        ImageList_AddIcon(list, icon);
        DestroyIcon(icon);
    }
    // The list view frees the list it holds when it goes, but not one it is given in its place.
    auto previous = reinterpret_cast<HIMAGELIST>(
        SendMessageW(m_hwnd, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(list)));
    if (previous != nullptr && previous != list) {
        ImageList_Destroy(previous);
    }
}

int WinReport::ImageCount() {
    auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(m_hwnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    return list == nullptr ? 0 : ImageList_GetImageCount(list);
}

} // namespace ui::win32
