#include "platform/win32/WinNotificationArea.h"

#include "base/Text.h"

namespace platform::win32 {

namespace {

// The record as the oldest shell that shows balloons reads it; newer fields stay unused.
constexpr DWORD kRecordSize = NOTIFYICONDATAW_V3_SIZE;
constexpr int kIconSize = 16;

static_assert(sizeof(NOTIFYICONDATAW::szTip) / sizeof(wchar_t) == kTrayTipCapacity);
static_assert(sizeof(NOTIFYICONDATAW::szInfoTitle) / sizeof(wchar_t) == kBalloonTitleCapacity);
static_assert(sizeof(NOTIFYICONDATAW::szInfo) / sizeof(wchar_t) == kBalloonTextCapacity);

template <size_t N> void CopyText(WCHAR (&field)[N], std::u16string_view text) {
    base::CopyToField(reinterpret_cast<char16_t*>(field), N, CutForField(text, N));
}

DWORD BalloonFlags(BalloonIcon icon) {
    switch (icon) {
    case BalloonIcon::Info:
        return NIIF_INFO;
    case BalloonIcon::Warning:
        return NIIF_WARNING;
    case BalloonIcon::Error:
        return NIIF_ERROR;
    case BalloonIcon::None:
        break;
    }
    return NIIF_NONE;
}

} // namespace

void FillIconRecord(NOTIFYICONDATAW& record, HWND owner, const TrayIcon& icon, HICON handle) {
    record.cbSize = kRecordSize;
    record.hWnd = owner;
    record.uID = icon.id;
    record.uFlags = 0;
    record.uCallbackMessage = icon.callbackMessage;
    record.hIcon = handle;
    if (icon.callbackMessage != 0) {
        record.uFlags |= NIF_MESSAGE;
    }
    if (handle != nullptr) {
        record.uFlags |= NIF_ICON;
    }
    if (!icon.tooltip.empty()) {
        record.uFlags |= NIF_TIP;
        CopyText(record.szTip, icon.tooltip);
    }
}

void FillBalloonRecord(NOTIFYICONDATAW& record, HWND owner, uint32_t id, std::u16string_view title,
                       std::u16string_view text, BalloonIcon icon, uint32_t timeoutMs) {
    record.cbSize = kRecordSize;
    record.hWnd = owner;
    record.uID = id;
    record.uFlags = NIF_INFO;
    CopyText(record.szInfoTitle, title);
    CopyText(record.szInfo, text);
    record.dwInfoFlags = BalloonFlags(icon);
    record.uTimeout = timeoutMs;
}

WinNotificationArea::WinNotificationArea(HWND owner, HMODULE module)
    : m_owner(owner), m_module(module != nullptr ? module : GetModuleHandleW(nullptr)) {}

WinNotificationArea::~WinNotificationArea() {
    while (!m_shown.empty()) {
        Delete(m_shown.begin()->first);
    }
}

bool WinNotificationArea::Add(const TrayIcon& icon) {
    // An icon without a picture takes a place in the taskbar that nobody can see or click.
    if (icon.iconResource == 0) {
        return false;
    }
    return Send(NIM_ADD, icon);
}

bool WinNotificationArea::Modify(const TrayIcon& icon) {
    return Send(NIM_MODIFY, icon);
}

bool WinNotificationArea::Send(DWORD command, const TrayIcon& icon) {
    HICON handle = nullptr;
    if (icon.iconResource != 0) {
        handle = static_cast<HICON>(LoadImageW(m_module, MAKEINTRESOURCEW(icon.iconResource), IMAGE_ICON,
                                               kIconSize, kIconSize, LR_DEFAULTCOLOR));
        if (handle == nullptr) {
            return false;
        }
    }
    NOTIFYICONDATAW record{};
    FillIconRecord(record, m_owner, icon, handle);
    if (!Shell_NotifyIconW(command, &record)) {
        if (handle != nullptr) {
            DestroyIcon(handle);
        }
        return false;
    }
    if (handle != nullptr) {
        Keep(icon.id, handle);
    }
    return true;
}

void WinNotificationArea::Keep(uint32_t id, HICON handle) {
    auto found = m_shown.find(id);
    if (found != m_shown.end()) {
        if (found->second != nullptr && found->second != handle) {
            DestroyIcon(found->second);
        }
        found->second = handle;
    } else {
        m_shown.emplace(id, handle);
    }
}

bool WinNotificationArea::Delete(uint32_t id) {
    NOTIFYICONDATAW record{};
    record.cbSize = kRecordSize;
    record.hWnd = m_owner;
    record.uID = id;
    bool deleted = Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
    // Whether the shell still knew it or not, the icon is no longer shown.
    auto found = m_shown.find(id);
    if (found != m_shown.end()) {
        if (found->second != nullptr) {
            DestroyIcon(found->second);
        }
        m_shown.erase(found);
    }
    return deleted;
}

bool WinNotificationArea::ShowBalloon(uint32_t id, std::u16string_view title, std::u16string_view text,
                                      BalloonIcon icon, uint32_t timeoutMs) {
    NOTIFYICONDATAW record{};
    FillBalloonRecord(record, m_owner, id, title, text, icon, timeoutMs);
    return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

} // namespace platform::win32
