// Static controls and buttons: the kinds that show pictures from the program's resources.
#include "ui/win32/WinControls.h"

namespace ui::win32 {

namespace {

HBITMAP LoadBitmapResource(int resource) {
    return resource == 0 ? nullptr
                         : static_cast<HBITMAP>(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(resource),
                                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HICON LoadIconResource(int resource) {
    if (resource == 0) {
        return nullptr;
    }
    // Shared icons need no clean-up.
    auto icon = static_cast<HICON>(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(resource), IMAGE_ICON, 0, 0,
                                              LR_DEFAULTSIZE | LR_SHARED));
    return icon != nullptr ? icon : LoadIconW(nullptr, MAKEINTRESOURCEW(resource));
}

// The control keeps showing the bitmap it was given; the previous one is ours to free.
void ReplaceBitmap(HWND control, UINT message, HBITMAP& held, int resource) {
    HBITMAP next = LoadBitmapResource(resource);
    SendMessageW(control, message, IMAGE_BITMAP, reinterpret_cast<LPARAM>(next));
    if (held != nullptr) {
        DeleteObject(held);
    }
    held = next;
}

} // namespace

WinStatic::~WinStatic() {
    if (m_bitmap != nullptr) {
        DeleteObject(m_bitmap);
    }
}

void WinStatic::SetBitmap(int resource) {
    ReplaceBitmap(m_hwnd, STM_SETIMAGE, m_bitmap, resource);
}

void WinStatic::SetIcon(int resource) {
    SendMessageW(m_hwnd, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(LoadIconResource(resource)));
}

WinButton::~WinButton() {
    if (m_bitmap != nullptr) {
        DeleteObject(m_bitmap);
    }
}

void WinButton::SetCheck(bool checked) {
    SendMessageW(m_hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool WinButton::IsChecked() {
    return SendMessageW(m_hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WinButton::SetBitmap(int resource) {
    ReplaceBitmap(m_hwnd, BM_SETIMAGE, m_bitmap, resource);
}

void WinButton::SetIcon(int resource) {
    SendMessageW(m_hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(LoadIconResource(resource)));
}

} // namespace ui::win32
