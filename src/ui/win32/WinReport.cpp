// Report-style list views.
#include "ui/win32/WinControls.h"

#include <commctrl.h>

#include "platform/win32/WinText.h"

namespace ui::win32 {

using platform::win32::U;

namespace {

constexpr UINT_PTR kHeaderSubclass = 0x4B48;                   // this file's subclass of a list view's header
constexpr wchar_t kHeaderColorsProperty[] = L"KtHeaderColors"; // the subclass's colours, on the header

struct HeaderColors {
    Color text;
    Color back;
};

// A small filled triangle, 7 pixels wide, centred on `middleY`, pointing up or down.
void PaintSortArrow(HDC dc, int left, int middleY, bool up, Color color) {
    POINT points[3];
    if (up) {
        points[0] = {left, middleY + 2};
        points[1] = {left + 6, middleY + 2};
        points[2] = {left + 3, middleY - 2};
    } else {
        points[0] = {left, middleY - 2};
        points[1] = {left + 6, middleY - 2};
        points[2] = {left + 3, middleY + 2};
    }
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Polygon(dc, points, 3);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

// Paints the header into a bitmap and copies it in one piece; the background is never erased first.
void PaintHeader(HWND header, HDC target, const HeaderColors& colors) {
    RECT client{};
    GetClientRect(header, &client);
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HBRUSH back = CreateSolidBrush(colors.back);
    FillRect(memory, &client, back);
    DeleteObject(back);
    HGDIOBJ oldFont = SelectObject(memory, reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, colors.text);
    HPEN line = CreatePen(PS_SOLID, 1, colors.text);
    HGDIOBJ oldPen = SelectObject(memory, line);
    int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT cell{};
        SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&cell));
        wchar_t text[256] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = 255;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        // A thin divider at the cell's right edge, leaving the top and bottom rows free.
        MoveToEx(memory, cell.right - 1, cell.top + 3, nullptr);
        LineTo(memory, cell.right - 1, cell.bottom - 3);
        cell.left += 5;
        cell.right -= 4;
        if ((item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0 && cell.right - cell.left > 16) {
            cell.right -= 10;
            PaintSortArrow(memory, cell.right + 1, (cell.top + cell.bottom) / 2, (item.fmt & HDF_SORTUP) != 0,
                           colors.text);
        }
        DrawTextW(memory, text, -1, &cell,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    SelectObject(memory, oldPen);
    DeleteObject(line);
    SelectObject(memory, oldFont);
    BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

LRESULT CALLBACK OwnHeaderProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    auto* colors = reinterpret_cast<HeaderColors*>(data);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(header, &paint);
        PaintHeader(header, dc, *colors);
        EndPaint(header, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(header, OwnHeaderProc, kHeaderSubclass);
        RemovePropW(header, kHeaderColorsProperty);
        delete colors;
        break;
    default:
        break;
    }
    return DefSubclassProc(header, message, wParam, lParam);
}

} // namespace

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

void WinReport::SetHeaderColors(Color text, Color back) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(m_hwnd, LVM_GETHEADER, 0, 0));
    if (header == nullptr) {
        return;
    }
    // The colours live with the header window, which outlives any handle object made for the list.
    if (auto* kept = static_cast<HeaderColors*>(GetPropW(header, kHeaderColorsProperty)); kept != nullptr) {
        *kept = {text, back};
    } else {
        auto* colors = new HeaderColors{text, back};
        if (!SetWindowSubclass(header, OwnHeaderProc, kHeaderSubclass, reinterpret_cast<DWORD_PTR>(colors))) {
            delete colors;
            return;
        }
        SetPropW(header, kHeaderColorsProperty, colors);
    }
    InvalidateRect(header, nullptr, FALSE);
}

void WinReport::SetSortArrow(int column, SortArrow arrow) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(m_hwnd, LVM_GETHEADER, 0, 0));
    if (header == nullptr) {
        return;
    }
    int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        if (!SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) {
            continue;
        }
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column && arrow == SortArrow::Up) {
            item.fmt |= HDF_SORTUP;
        } else if (i == column && arrow == SortArrow::Down) {
            item.fmt |= HDF_SORTDOWN;
        }
        SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

SortArrow WinReport::SortArrowOf(int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(m_hwnd, LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (header == nullptr || column < 0 ||
        !SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) {
        return SortArrow::None;
    }
    if ((item.fmt & HDF_SORTUP) != 0) {
        return SortArrow::Up;
    }
    return (item.fmt & HDF_SORTDOWN) != 0 ? SortArrow::Down : SortArrow::None;
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
