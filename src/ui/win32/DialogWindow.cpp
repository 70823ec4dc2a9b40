#include "ui/win32/DialogWindow.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstring>
#include <cwchar>

#include "platform/win32/WinText.h"

namespace ui::win32 {

using platform::win32::U;
using platform::win32::W;

void InitControls() {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&icc);
    // The help boxes are rich-edit 4.1 controls ("RICHEDIT50W"), older ones are "RichEdit20W".
    if (LoadLibraryW(L"Msftedit.dll") == nullptr) {
        LoadLibraryW(L"riched20.dll");
    }
}

int DialogWindow::RunModal(HINSTANCE instance, HWND parent, Dialog& dialog) {
    DialogWindow window(instance, dialog, true);
    INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(dialog.TemplateId()), parent, Procedure,
                                     reinterpret_cast<LPARAM>(&window));
    return static_cast<int>(result);
}

HWND DialogWindow::CreateModeless(HINSTANCE instance, HWND parent, Dialog& dialog) {
    // Owned by its window: deleted when the window is destroyed (WM_NCDESTROY).
    auto* window = new DialogWindow(instance, dialog, false);
    HWND hwnd = CreateDialogParamW(instance, MAKEINTRESOURCEW(dialog.TemplateId()), parent, Procedure,
                                   reinterpret_cast<LPARAM>(window));
    if (hwnd == nullptr) {
        delete window;
    }
    return hwnd;
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogWindow* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogWindow*>(lParam);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (self == nullptr) {
        return FALSE;
    }
    INT_PTR handled = self->Handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        if (self->m_channel) {
            self->m_channel->Close();
        }
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        if (!self->m_modal) {
            delete self;
        }
    }
    return handled;
}

INT_PTR DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        m_channel = std::make_shared<PostChannel>([hwnd = m_hwnd](uint32_t msg, uintptr_t w, intptr_t l) {
            return PostMessageW(hwnd, msg, w, l) != FALSE;
        });
        m_dialog.Attach(*this);
        m_dialog.OnInit();
        return TRUE;
    case WM_COMMAND:
        if (m_dialog.IsOpen()) {
            m_dialog.OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (m_dialog.IsOpen()) {
            m_dialog.OnNotify(static_cast<ControlId>(header->idFrom), static_cast<int>(header->code));
        }
        return TRUE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam != 0 && m_dialog.IsOpen()) {
            m_dialog.OnNotify(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), kScroll);
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        if (m_dialog.IsOpen()) {
            m_dialog.OnTimer(static_cast<int>(wParam));
        }
        return TRUE;
    case WM_DESTROY:
        if (m_dialog.IsOpen()) {
            m_dialog.OnDestroy();
            m_dialog.Detach();
        }
        return FALSE;
    default:
        if (message >= kFirstPrivateMessage && message <= 0xBFFF && m_dialog.IsOpen()) {
            return m_dialog.OnMessage(message, wParam, lParam) ? TRUE : FALSE;
        }
        return FALSE;
    }
}

HWND DialogWindow::Item(ControlId id) const {
    return GetDlgItem(m_hwnd, id);
}

bool DialogWindow::IsComboBox(HWND control) const {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    return _wcsicmp(name, L"ComboBox") == 0;
}

void DialogWindow::SetCaption(std::u16string_view text) {
    std::u16string t(text);
    SetWindowTextW(m_hwnd, W(t));
}

std::u16string DialogWindow::Caption() {
    wchar_t buffer[512] = {};
    int n = GetWindowTextW(m_hwnd, buffer, 512);
    return U(buffer, static_cast<size_t>(n));
}

Rect DialogWindow::WindowRect() {
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void DialogWindow::MoveWindow(const Rect& rect) {
    ::MoveWindow(m_hwnd, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void DialogWindow::ShowWindow(bool show) {
    ::ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE);
}

bool DialogWindow::IsWindowVisible() {
    return ::IsWindowVisible(m_hwnd) != FALSE;
}

bool DialogWindow::HasControl(ControlId id) {
    return Item(id) != nullptr;
}

void DialogWindow::SetText(ControlId id, std::u16string_view text) {
    std::u16string t(text);
    SetDlgItemTextW(m_hwnd, id, W(t));
}

std::u16string DialogWindow::GetText(ControlId id) {
    HWND control = Item(id);
    if (control == nullptr) {
        return {};
    }
    int length = GetWindowTextLengthW(control);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    int n = GetWindowTextW(control, buffer.data(), length + 1);
    return U(buffer.c_str(), static_cast<size_t>(n));
}

void DialogWindow::Enable(ControlId id, bool enable) {
    EnableWindow(Item(id), enable ? TRUE : FALSE);
}

bool DialogWindow::IsEnabled(ControlId id) {
    return IsWindowEnabled(Item(id)) != FALSE;
}

void DialogWindow::Show(ControlId id, bool show) {
    ::ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE);
}

bool DialogWindow::IsVisible(ControlId id) {
    return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void DialogWindow::SetCheck(ControlId id, bool checked) {
    CheckDlgButton(m_hwnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool DialogWindow::IsChecked(ControlId id) {
    return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED;
}

void DialogWindow::SetFocus(ControlId id) {
    HWND control = Item(id);
    if (control != nullptr) {
        SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
}

ControlId DialogWindow::FocusedControl() {
    HWND focus = GetFocus();
    return (focus != nullptr && GetParent(focus) == m_hwnd) ? GetDlgCtrlID(focus) : 0;
}

Rect DialogWindow::ControlRect(ControlId id) {
    RECT r{};
    GetWindowRect(Item(id), &r);
    MapWindowPoints(HWND_DESKTOP, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

void DialogWindow::MoveControl(ControlId id, const Rect& rect) {
    ::MoveWindow(Item(id), rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void DialogWindow::SetTextLimit(ControlId id, int units) {
    SendDlgItemMessageW(m_hwnd, id, EM_LIMITTEXT, static_cast<WPARAM>(units), 0);
}

void DialogWindow::SelectText(ControlId id, int start, int end) {
    SendDlgItemMessageW(m_hwnd, id, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void DialogWindow::ListReset(ControlId id) {
    HWND c = Item(id);
    SendMessageW(c, IsComboBox(c) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
}

int DialogWindow::ListAdd(ControlId id, std::u16string_view text) {
    HWND c = Item(id);
    std::u16string t(text);
    return static_cast<int>(
        SendMessageW(c, IsComboBox(c) ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(t))));
}

int DialogWindow::ListCount(ControlId id) {
    HWND c = Item(id);
    return static_cast<int>(SendMessageW(c, IsComboBox(c) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

std::u16string DialogWindow::ListItemText(ControlId id, int index) {
    HWND c = Item(id);
    bool combo = IsComboBox(c);
    LRESULT length = SendMessageW(c, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT n = SendMessageW(c, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(buffer.data()));
    return n < 0 ? std::u16string() : U(buffer.c_str(), static_cast<size_t>(n));
}

void DialogWindow::ListSelect(ControlId id, int index) {
    HWND c = Item(id);
    SendMessageW(c, IsComboBox(c) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DialogWindow::ListSelection(ControlId id) {
    HWND c = Item(id);
    return static_cast<int>(SendMessageW(c, IsComboBox(c) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void DialogWindow::ReportSetColumns(ControlId id, const std::vector<ListColumn>& columns) {
    HWND c = Item(id);
    while (SendMessageW(c, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (size_t i = 0; i < columns.size(); ++i) {
        std::u16string caption = columns[i].caption;
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.fmt = LVCFMT_LEFT;
        col.cx = columns[i].width;
        col.pszText = reinterpret_cast<wchar_t*>(caption.data());
        SendMessageW(c, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
    }
}

int DialogWindow::ReportInsertRow(ControlId id, int row, std::u16string_view firstCell, int image) {
    std::u16string text(firstCell);
    LVITEMW item{};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0u);
    item.iItem = row;
    item.iImage = image;
    item.pszText = reinterpret_cast<wchar_t*>(text.data());
    return static_cast<int>(
        SendDlgItemMessageW(m_hwnd, id, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void DialogWindow::ReportSetCell(ControlId id, int row, int column, std::u16string_view text) {
    std::u16string t(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(t.data());
    SendDlgItemMessageW(m_hwnd, id, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
}

std::u16string DialogWindow::ReportCell(ControlId id, int row, int column) {
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 1024;
    LRESULT n = SendDlgItemMessageW(m_hwnd, id, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                    reinterpret_cast<LPARAM>(&item));
    return U(buffer, static_cast<size_t>(n));
}

int DialogWindow::ReportRowCount(ControlId id) {
    return static_cast<int>(SendDlgItemMessageW(m_hwnd, id, LVM_GETITEMCOUNT, 0, 0));
}

void DialogWindow::ReportDeleteAll(ControlId id) {
    SendDlgItemMessageW(m_hwnd, id, LVM_DELETEALLITEMS, 0, 0);
}

void DialogWindow::ReportSelect(ControlId id, int row) {
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageW(m_hwnd, id, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(&clear));
    if (row >= 0) {
        LVITEMW set{};
        set.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        set.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendDlgItemMessageW(m_hwnd, id, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                            reinterpret_cast<LPARAM>(&set));
    }
}

int DialogWindow::ReportSelection(ControlId id) {
    return static_cast<int>(
        SendDlgItemMessageW(m_hwnd, id, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void DialogWindow::TabReset(ControlId id) {
    SendDlgItemMessageW(m_hwnd, id, TCM_DELETEALLITEMS, 0, 0);
}

int DialogWindow::TabAdd(ControlId id, std::u16string_view caption) {
    std::u16string text(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(text.data());
    int index = TabCount(id);
    return static_cast<int>(SendDlgItemMessageW(m_hwnd, id, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                                                reinterpret_cast<LPARAM>(&item)));
}

int DialogWindow::TabCount(ControlId id) {
    return static_cast<int>(SendDlgItemMessageW(m_hwnd, id, TCM_GETITEMCOUNT, 0, 0));
}

void DialogWindow::TabSelect(ControlId id, int index) {
    SendDlgItemMessageW(m_hwnd, id, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DialogWindow::TabSelection(ControlId id) {
    return static_cast<int>(SendDlgItemMessageW(m_hwnd, id, TCM_GETCURSEL, 0, 0));
}

void DialogWindow::SetRange(ControlId id, int minimum, int maximum) {
    HWND c = Item(id);
    wchar_t name[32] = {};
    GetClassNameW(c, name, 32);
    if (_wcsicmp(name, TRACKBAR_CLASSW) == 0) {
        SendMessageW(c, TBM_SETRANGEMIN, FALSE, minimum);
        SendMessageW(c, TBM_SETRANGEMAX, TRUE, maximum);
    } else {
        SendMessageW(c, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    }
}

void DialogWindow::SetPos(ControlId id, int position) {
    HWND c = Item(id);
    wchar_t name[32] = {};
    GetClassNameW(c, name, 32);
    if (_wcsicmp(name, TRACKBAR_CLASSW) == 0) {
        SendMessageW(c, TBM_SETPOS, TRUE, position);
    } else {
        SendMessageW(c, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }
}

int DialogWindow::GetPos(ControlId id) {
    HWND c = Item(id);
    wchar_t name[32] = {};
    GetClassNameW(c, name, 32);
    if (_wcsicmp(name, TRACKBAR_CLASSW) == 0) {
        return static_cast<int>(SendMessageW(c, TBM_GETPOS, 0, 0));
    }
    return static_cast<int>(SendMessageW(c, PBM_GETPOS, 0, 0));
}

namespace {

struct StreamSource {
    const std::vector<uint8_t>* bytes;
    size_t offset;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    size_t left = source->bytes->size() - source->offset;
    size_t n = left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted);
    std::memcpy(buffer, source->bytes->data() + source->offset, n);
    source->offset += n;
    *got = static_cast<LONG>(n);
    return 0;
}

} // namespace

bool DialogWindow::StreamRichText(ControlId id, const std::vector<uint8_t>& rtf) {
    StreamSource source{&rtf, 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadRtf;
    SendDlgItemMessageW(m_hwnd, id, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

void DialogWindow::SetTimer(int timerId, uint32_t milliseconds) {
    ::SetTimer(m_hwnd, static_cast<UINT_PTR>(timerId), milliseconds, nullptr);
}

void DialogWindow::KillTimer(int timerId) {
    ::KillTimer(m_hwnd, static_cast<UINT_PTR>(timerId));
}

void DialogWindow::PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    PostMessageW(m_hwnd, message, wParam, lParam);
}

void DialogWindow::EndDialog(int result) {
    if (m_modal) {
        ::EndDialog(m_hwnd, result);
    } else {
        m_modelessResult = result;
        DestroyWindow(m_hwnd);
    }
}

int DialogWindow::ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) {
    std::u16string t(text), c(caption);
    return MessageBoxW(m_hwnd, W(t), W(c), style);
}

int DialogWindow::RunModal(Dialog& child) {
    return RunModal(m_instance, m_hwnd, child);
}

bool DialogWindow::ShowModeless(Dialog& child) {
    HWND hwnd = CreateModeless(m_instance, m_hwnd, child);
    if (hwnd != nullptr) {
        ::ShowWindow(hwnd, SW_SHOW);
    }
    return hwnd != nullptr;
}

void DialogWindow::SetCursor(Cursor cursor) {
    const wchar_t* id = IDC_ARROW;
    if (cursor == Cursor::Wait) {
        id = IDC_WAIT;
    } else if (cursor == Cursor::Hand) {
        id = IDC_HAND;
    }
    ::SetCursor(LoadCursorW(nullptr, id));
}

} // namespace ui::win32
