// Sliders and progress bars.
#include "ui/win32/WinControls.h"

#include <commctrl.h>

namespace ui::win32 {

void WinSlider::SetRange(int minimum, int maximum) {
    SendMessageW(m_hwnd, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(m_hwnd, TBM_SETRANGEMAX, TRUE, maximum);
}

int WinSlider::RangeMin() {
    return static_cast<int>(SendMessageW(m_hwnd, TBM_GETRANGEMIN, 0, 0));
}

int WinSlider::RangeMax() {
    return static_cast<int>(SendMessageW(m_hwnd, TBM_GETRANGEMAX, 0, 0));
}

void WinSlider::SetPos(int position) {
    SendMessageW(m_hwnd, TBM_SETPOS, TRUE, position);
}

int WinSlider::Pos() {
    return static_cast<int>(SendMessageW(m_hwnd, TBM_GETPOS, 0, 0));
}

void WinSlider::SetTickFrequency(int frequency) {
    SendMessageW(m_hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
}

void WinProgress::SetRange(int minimum, int maximum) {
    SendMessageW(m_hwnd, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

int WinProgress::RangeMax() {
    return static_cast<int>(SendMessageW(m_hwnd, PBM_GETRANGE, FALSE, 0));
}

void WinProgress::SetPos(int position) {
    SendMessageW(m_hwnd, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int WinProgress::Pos() {
    return static_cast<int>(SendMessageW(m_hwnd, PBM_GETPOS, 0, 0));
}

void WinProgress::SetBarColor(Color color) {
    SendMessageW(m_hwnd, PBM_SETBARCOLOR, 0, color == kDefaultColor ? CLR_DEFAULT : color);
}

} // namespace ui::win32
