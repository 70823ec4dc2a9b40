// Top-level windows of this and other processes, by handle. A handle is the platform's window handle
// as a number; 0 is none.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

using WindowHandle = uintptr_t;

class WindowManager {
public:
    virtual ~WindowManager() = default;
    // A top-level window with exactly this caption, 0 when there is none. Compares the captions the
    // system keeps, so it never waits for another process's window.
    virtual WindowHandle FindTopWindow(std::u16string_view caption) = 0;
    virtual bool Exists(WindowHandle window) = 0;
    virtual bool Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual intptr_t Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void ShowNormal(WindowHandle window) = 0;
    // Top-most and shown, without moving or sizing it. Never waits for the window's thread: the window
    // may be another process's, and hung.
    virtual void ShowTopMost(WindowHandle window) = 0;
    // Centred on the screen, then top-most, not top-most and on top, so that it comes to the front
    // without staying above everything.
    virtual void CentreAndBringToFront(WindowHandle window) = 0;
    // Dialog, static and button backgrounds of this window painted white.
    virtual void UseWhiteBackground(WindowHandle window) = 0;
    // The pop-up the window last activated (a message box it shows), or the window itself.
    virtual WindowHandle LastActivePopup(WindowHandle window) = 0;
};

} // namespace platform
