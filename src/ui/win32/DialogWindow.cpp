#include "ui/win32/DialogWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Trace.h"
#include "platform/win32/WinText.h"
#include "ui/Messages.h"

namespace ui::win32 {

using platform::win32::W;

namespace {

// Window opacity is not offered by every system the program runs on; it is looked up by name, so that
// the program starts without it and a dialog learns that it must do without.
using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

SetLayeredAttributes LayeredAttributesFunction() {
    static const SetLayeredAttributes function = [] {
        HMODULE user32 = GetModuleHandleW(L"USER32.DLL");
        if (user32 == nullptr) {
            user32 = LoadLibraryW(L"USER32.DLL");
        }
        if (user32 == nullptr) {
            return SetLayeredAttributes{nullptr};
        }
        return reinterpret_cast<SetLayeredAttributes>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
    }();
    return function;
}

// Where the hook notes the message box that ShowMessageBox is creating right now, and its owner.
thread_local HWND* t_boxSlot = nullptr;
thread_local HWND t_boxOwnerWindow = nullptr;

LRESULT CALLBACK NoteMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_boxSlot != nullptr && *t_boxSlot == nullptr) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (create->lpcs->hwndParent == t_boxOwnerWindow) {
            *t_boxSlot = reinterpret_cast<HWND>(wParam);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Modal windows of this thread that drop Enter and Escape, and the filter that sees their modal loops'
// messages before the dialog manager does.
thread_local std::vector<HWND> t_keyShielded;
thread_local HHOOK t_keyFilter = nullptr;

LRESULT CALLBACK FilterDialogKeys(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code >= 0 && msg != nullptr &&
        (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP || msg->message == WM_CHAR) &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        HWND root = GetAncestor(msg->hwnd, GA_ROOT);
        for (HWND shielded : t_keyShielded) {
            if (shielded == root) {
                return TRUE;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ShieldKeys(HWND window) {
    if (t_keyShielded.empty()) {
        t_keyFilter = SetWindowsHookExW(WH_MSGFILTER, FilterDialogKeys, nullptr, GetCurrentThreadId());
    }
    t_keyShielded.push_back(window);
}

void UnshieldKeys(HWND window) {
    auto found = std::find(t_keyShielded.begin(), t_keyShielded.end(), window);
    if (found == t_keyShielded.end()) {
        return;
    }
    t_keyShielded.erase(found);
    if (t_keyShielded.empty() && t_keyFilter != nullptr) {
        UnhookWindowsHookEx(t_keyFilter);
        t_keyFilter = nullptr;
    }
}

} // namespace

void InitControls(HINSTANCE resources) {
    SetResourceModule(resources);
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&icc);
    // The help boxes are rich-edit 4.1 controls ("RICHEDIT50W"), older ones are "RichEdit20W".
    if (LoadLibraryW(L"Msftedit.dll") == nullptr) {
        LoadLibraryW(L"riched20.dll");
    }
    RegisterCanvasClass();
}

DialogWindow::~DialogWindow() {
    if (m_background != nullptr) {
        DeleteObject(m_background);
    }
}

int DialogWindow::RunModal(HINSTANCE instance, HWND parent, Dialog& dialog) {
    DialogWindow window(instance, dialog, nullptr, true, false);
    INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(dialog.TemplateId()), parent, Procedure,
                                     reinterpret_cast<LPARAM>(&window));
    return static_cast<int>(result);
}

HWND DialogWindow::CreateModeless(HINSTANCE instance, HWND parent, Dialog& dialog) {
    DialogWindow* window = Create(instance, parent, nullptr, dialog, false);
    return window != nullptr ? window->m_hwnd : nullptr;
}

DialogWindow* DialogWindow::Create(HINSTANCE instance, HWND parentWindow, DialogWindow* parent,
                                   Dialog& dialog, bool page) {
    // Owned by its window: deleted when the window is destroyed (WM_NCDESTROY).
    auto* window = new DialogWindow(instance, dialog, parent, false, page);
    HWND hwnd = CreateDialogParamW(instance, MAKEINTRESOURCEW(dialog.TemplateId()), parentWindow, Procedure,
                                   reinterpret_cast<LPARAM>(window));
    if (hwnd == nullptr) {
        // A window that failed after WM_INITDIALOG has already deleted its host.
        return nullptr;
    }
    return window;
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
    ++self->m_depth;
    INT_PTR handled = self->Handle(message, wParam, lParam);
    --self->m_depth;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        if (!self->m_modal) {
            delete self;
        }
        return handled;
    }
    // A modeless dialog that ended inside a handler goes now that the outermost handler has returned.
    if (self->m_depth == 0 && self->m_endPending && !self->m_destroying) {
        self->m_destroying = true;
        DestroyWindow(hwnd); // may delete self
    }
    return handled;
}

void DialogWindow::AdoptControls() {
    for (HWND c = GetWindow(m_hwnd, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(c, name, 16);
        if (wcscmp(name, L"#32770") == 0) {
            continue; // a page: a dialog of its own
        }
        auto id = static_cast<ControlId>(GetDlgCtrlID(c));
        m_controls[id] = MakeControl(c);
    }
}

WinControl* DialogWindow::ControlOf(HWND control) {
    if (control == nullptr || GetParent(control) != m_hwnd) {
        return nullptr;
    }
    auto it = m_controls.find(static_cast<ControlId>(GetDlgCtrlID(control)));
    return it != m_controls.end() && it->second->hwnd() == control ? it->second.get() : nullptr;
}

Control* DialogWindow::FindControl(ControlId id, ControlKind) {
    auto it = m_controls.find(id);
    if (it != m_controls.end() && IsWindow(it->second->hwnd())) {
        return it->second.get();
    }
    // Made after the template (or re-made): adopt it now, once.
    HWND control = m_hwnd != nullptr ? GetDlgItem(m_hwnd, id) : nullptr;
    if (control == nullptr) {
        return nullptr;
    }
    auto& slot = m_controls[id];
    slot = MakeControl(control);
    return slot.get();
}

void DialogWindow::ControlMissing(ControlId id, ControlKind wanted, const Control* found) {
    std::string line = "ui: dialog " + std::to_string(m_dialog.TemplateId()) + " has no " + KindName(wanted) +
                       " " + std::to_string(id);
    if (found != nullptr) {
        line += std::string(" (it is a ") + KindName(found->Kind()) + ")";
    }
    base::Trace(std::u16string(line.begin(), line.end()));
}

INT_PTR DialogWindow::Answer(intptr_t result) {
    SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        m_channel = std::make_shared<PostChannel>([hwnd = m_hwnd](uint32_t msg, uintptr_t w, intptr_t l) {
            return PostMessageW(hwnd, msg, w, l) != FALSE;
        });
        AdoptControls();
        if (m_runningIn != nullptr) {
            m_runningIn->m_runningModals.push_back(m_hwnd);
        }
        m_holdHidden = m_modal && m_dialog.StartsHidden();
        if (m_modal && m_dialog.IgnoresEnterAndEscape()) {
            ShieldKeys(m_hwnd);
        }
        m_dialog.Attach(*this);
        return m_dialog.OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
        if (m_dialog.IsOpen()) {
            m_dialog.OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return TRUE;
    case WM_NOTIFY:
        return m_dialog.IsOpen() ? HandleNotify(*reinterpret_cast<NMHDR*>(lParam)) : FALSE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam != 0 && m_dialog.IsOpen()) {
            Notify n;
            n.id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            n.code = kScroll;
            n.item = static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), TBM_GETPOS, 0, 0));
            m_dialog.OnNotify(n);
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        if (m_dialog.IsOpen()) {
            m_dialog.OnTimer(static_cast<int>(wParam));
        }
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(m_background);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        WinControl* control = ControlOf(reinterpret_cast<HWND>(lParam));
        if (control == nullptr) {
            return FALSE;
        }
        // Edits and lists keep their own background unless given one; labels take the dialog's.
        bool onDialog = message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN;
        HBRUSH brush = control->PaintColors(reinterpret_cast<HDC>(wParam), onDialog ? m_background : nullptr,
                                            m_backgroundColor);
        return reinterpret_cast<INT_PTR>(brush);
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam != 0 && m_dialog.IsOpen() &&
            RouteMenuKey(static_cast<char16_t>(lParam))) {
            return Answer(0);
        }
        break;
    case WM_WINDOWPOSCHANGING:
        if (m_holdHidden && lParam != 0) {
            reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
        }
        break;
    case WM_DESTROY:
        if (m_runningIn != nullptr) {
            std::erase(m_runningIn->m_runningModals, m_hwnd);
        }
        if (m_dialog.IsOpen()) {
            m_dialog.OnDestroy();
            m_dialog.Detach();
        }
        return FALSE;
    case WM_NCDESTROY:
        UnshieldKeys(m_hwnd);
        if (m_channel) {
            m_channel->Close();
        }
        m_controls.clear();
        return FALSE;
    default:
        break;
    }
    if (!m_dialog.IsOpen()) {
        return FALSE;
    }
    intptr_t result = 0;
    if (m_dialog.OnMessage(message, wParam, lParam, result)) {
        return Answer(result);
    }
    return FALSE;
}

bool DialogWindow::RouteMenuKey(char16_t key) {
    if (m_dialog.OnMenuKey(key)) {
        return true;
    }
    if (m_page && m_parent != nullptr && IsWindow(m_parent->m_hwnd)) {
        // Through the parent's own procedure, so its handlers run as for any other message.
        SendMessageW(m_parent->m_hwnd, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(key));
        return true;
    }
    return false;
}

INT_PTR DialogWindow::HandleNotify(const NMHDR& header) {
    Notify n;
    n.id = static_cast<ControlId>(header.idFrom);
    n.code = static_cast<int>(header.code);
    WinControl* control = ControlOf(header.hwndFrom);
    ControlKind kind = control != nullptr ? control->Kind() : ControlKind::Any;
    CustomDrawColors colors;
    NMLVCUSTOMDRAW* draw = nullptr;
    if (kind == ControlKind::Report) {
        switch (header.code) {
        case LVN_ITEMCHANGING:
        case LVN_ITEMCHANGED:
        case LVN_INSERTITEM:
        case LVN_DELETEITEM:
        case LVN_DELETEALLITEMS:
        case LVN_COLUMNCLICK: {
            const auto& lv = reinterpret_cast<const NMLISTVIEW&>(header);
            n.item = lv.iItem;
            n.subItem = lv.iSubItem;
            n.oldState = lv.uOldState;
            n.newState = lv.uNewState;
            n.changed = lv.uChanged;
            n.point = {lv.ptAction.x, lv.ptAction.y};
            break;
        }
        case NM_CLICK:
        case NM_DBLCLK:
        case NM_RCLICK: {
            const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
            n.item = activate.iItem;
            n.subItem = activate.iSubItem;
            n.point = {activate.ptAction.x, activate.ptAction.y};
            break;
        }
        case LVN_KEYDOWN:
            n.key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
            break;
        case NM_CUSTOMDRAW:
            draw = const_cast<NMLVCUSTOMDRAW*>(reinterpret_cast<const NMLVCUSTOMDRAW*>(&header));
            n.drawStage = draw->nmcd.dwDrawStage;
            n.item = static_cast<int>(draw->nmcd.dwItemSpec);
            n.subItem = draw->iSubItem;
            if (n.drawStage == kDrawItemPrePaint || n.drawStage == kDrawSubItemPrePaint) {
                colors = {draw->clrText, draw->clrTextBk};
                n.colors = &colors;
            }
            break;
        default:
            break;
        }
    } else if (kind == ControlKind::Tab && (header.code == TCN_SELCHANGE || header.code == TCN_SELCHANGING)) {
        n.item = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
    }
    intptr_t answer = m_dialog.OnNotify(n);
    if (n.colors != nullptr) {
        if (colors.text != kDefaultColor) {
            draw->clrText = colors.text;
        }
        if (colors.background != kDefaultColor) {
            draw->clrTextBk = colors.background;
        }
    }
    return m_hwnd != nullptr ? Answer(answer) : TRUE;
}

void DialogWindow::SetCaption(std::u16string_view text) {
    std::u16string t(text);
    SetWindowTextW(m_hwnd, W(t));
}

std::u16string DialogWindow::Caption() {
    return WindowText(m_hwnd);
}

Rect DialogWindow::WindowRect() {
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    if ((GetWindowLongW(m_hwnd, GWL_STYLE) & WS_CHILD) != 0) {
        MapWindowPoints(HWND_DESKTOP, GetParent(m_hwnd), reinterpret_cast<POINT*>(&r), 2);
    }
    return {r.left, r.top, r.right, r.bottom};
}

void DialogWindow::MoveWindow(const Rect& rect) {
    ::MoveWindow(m_hwnd, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void DialogWindow::ShowWindow(bool show) {
    if (show) {
        m_holdHidden = false;
    }
    ::ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE);
}

bool DialogWindow::IsWindowVisible() {
    return ::IsWindowVisible(m_hwnd) != FALSE;
}

void DialogWindow::ShowNormal() {
    m_holdHidden = false;
    ::ShowWindow(m_hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(m_hwnd);
}

bool DialogWindow::IsActiveWindow() {
    return GetActiveWindow() == GetAncestor(m_hwnd, GA_ROOT);
}

ControlId DialogWindow::FocusedControl() {
    HWND focus = GetFocus();
    // The edit inside a combo box counts as the combo box.
    while (focus != nullptr && GetParent(focus) != m_hwnd) {
        focus = GetParent(focus);
    }
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

void DialogWindow::SetBackgroundColor(Color color) {
    if (m_background != nullptr) {
        DeleteObject(m_background);
        m_background = nullptr;
    }
    m_backgroundColor = color;
    if (color != kDefaultColor) {
        m_background = CreateSolidBrush(color);
    }
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DialogWindow::SetDefaultButton(ControlId id) {
    SendMessageW(m_hwnd, DM_SETDEFID, static_cast<WPARAM>(id), 0);
}

void DialogWindow::SetIcon(int iconResource) {
    for (int which : {ICON_BIG, ICON_SMALL}) {
        int size = GetSystemMetrics(which == ICON_BIG ? SM_CXICON : SM_CXSMICON);
        auto icon = static_cast<HICON>(
            LoadImageW(m_instance, MAKEINTRESOURCEW(iconResource), IMAGE_ICON, size, size, LR_SHARED));
        if (icon == nullptr) {
            icon = LoadIconW(nullptr, MAKEINTRESOURCEW(iconResource));
        }
        SendMessageW(m_hwnd, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
    }
}

void DialogWindow::AddSystemMenuItem(uint32_t command, std::u16string_view text) {
    HMENU menu = GetSystemMenu(m_hwnd, FALSE);
    if (menu == nullptr) {
        return;
    }
    std::u16string t(text);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, command, W(t));
}

void DialogWindow::SetTopMost(bool topMost) {
    SetWindowPos(m_hwnd, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool DialogWindow::SetOpacity(uint8_t alpha) {
    SetLayeredAttributes setLayered = LayeredAttributesFunction();
    if (setLayered == nullptr) {
        return false;
    }
    LONG exStyle = GetWindowLongW(m_hwnd, GWL_EXSTYLE);
    if ((exStyle & WS_EX_LAYERED) == 0) {
        SetWindowLongW(m_hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    }
    return setLayered(m_hwnd, 0, alpha, LWA_ALPHA) != FALSE;
}

Rect DialogWindow::ScreenRect() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Rect DialogWindow::WorkArea() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
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

bool DialogWindow::PostToParent(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    HWND parent = m_parent != nullptr ? m_parent->m_hwnd : nullptr;
    return parent != nullptr && PostMessageW(parent, message, wParam, lParam) != FALSE;
}

uint32_t DialogWindow::RegisterMessage(std::u16string_view name) {
    std::u16string n(name);
    return RegisterWindowMessageW(W(n));
}

bool DialogWindow::RegisterHotKey(int hotKeyId, uint32_t modifiers, uint32_t virtualKey) {
    return ::RegisterHotKey(m_hwnd, hotKeyId, modifiers, virtualKey) != FALSE;
}

void DialogWindow::UnregisterHotKey(int hotKeyId) {
    ::UnregisterHotKey(m_hwnd, hotKeyId);
}

void DialogWindow::EndDialog(int result) {
    m_result = result;
    if (m_modal) {
        ::EndDialog(m_hwnd, result); // the modal loop ends once the handler returns
        return;
    }
    m_endPending = true;
    if (m_depth == 0 && !m_destroying) {
        m_destroying = true;
        DestroyWindow(m_hwnd); // deletes this host
    }
}

int DialogWindow::ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) {
    std::u16string t(text), c(caption);
    // Note the box's window as it is made, so that CloseMessageBox can end it.
    HWND outer = m_messageBox;
    m_messageBox = nullptr;
    HWND* savedSlot = t_boxSlot;
    HWND savedWindow = t_boxOwnerWindow;
    t_boxSlot = &m_messageBox;
    t_boxOwnerWindow = m_hwnd;
    HHOOK hook = SetWindowsHookExW(WH_CBT, NoteMessageBox, nullptr, GetCurrentThreadId());
    int answer = MessageBoxW(m_hwnd, W(t), W(c), style);
    if (hook != nullptr) {
        UnhookWindowsHookEx(hook);
    }
    t_boxSlot = savedSlot;
    t_boxOwnerWindow = savedWindow;
    m_messageBox = outer;
    return answer;
}

bool DialogWindow::CloseMessageBox(int answer) {
    if (m_messageBox == nullptr || !IsWindow(m_messageBox)) {
        return false;
    }
    ::EndDialog(m_messageBox, answer);
    m_messageBox = nullptr;
    return true;
}

int DialogWindow::RunModal(Dialog& child) {
    // A page's dialogs count as its window's.
    DialogWindow* top = this;
    while (top->m_page && top->m_parent != nullptr) {
        top = top->m_parent;
    }
    DialogWindow window(m_instance, child, this, true, false);
    window.m_runningIn = top;
    INT_PTR result = DialogBoxParamW(m_instance, MAKEINTRESOURCEW(child.TemplateId()), m_hwnd, Procedure,
                                     reinterpret_cast<LPARAM>(&window));
    return static_cast<int>(result);
}

int DialogWindow::CancelModalDialogs() {
    int asked = 0;
    for (auto it = m_runningModals.rbegin(); it != m_runningModals.rend(); ++it) {
        if (IsWindow(*it)) {
            PostMessageW(*it, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            ++asked;
        }
    }
    return asked;
}

bool DialogWindow::ShowModeless(Dialog& child) {
    DialogWindow* window = Create(m_instance, m_hwnd, this, child, false);
    if (window == nullptr) {
        return false;
    }
    ::ShowWindow(window->m_hwnd, SW_SHOW);
    return true;
}

bool DialogWindow::CreatePage(Dialog& page, ControlId area) {
    TabControl& tab = Tab(area);
    if (!tab.Exists()) {
        return false;
    }
    DialogWindow* window = Create(m_instance, m_hwnd, this, page, true);
    if (window == nullptr) {
        return false;
    }
    if ((GetWindowLongW(window->m_hwnd, GWL_STYLE) & WS_CHILD) == 0) {
        base::Trace(u"ui: a page's template is not a child window");
    }
    Rect place = tab.DisplayArea();
    // Above the tab control, which would otherwise paint over it.
    SetWindowPos(window->m_hwnd, HWND_TOP, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOACTIVATE | SWP_HIDEWINDOW);
    return true;
}

void DialogWindow::ShowPage(Dialog& page, bool show) {
    if (page.IsOpen()) {
        page.host().ShowWindow(show);
    }
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
