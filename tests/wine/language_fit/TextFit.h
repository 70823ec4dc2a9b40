// Whether the texts of a window's controls fit them: each static text, push button, check box, radio
// button and group box is measured with the control's own font against what the control gives its
// text, the way the control draws it (one line or word-wrapped, with or without its "&" prefix).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace languagefit {

struct Misfit {
    int id = 0;
    std::wstring className;
    std::wstring text;
    int needWidth = 0;
    int haveWidth = 0;
    int needHeight = 0; // word-wrapped controls: the height the wrapped text takes
    int haveHeight = 0;
};

// Every control below `window` (pages and their children too) whose text does not fit. Controls that
// cut their text on purpose (ellipsis styles), owner-drawn ones and ones hidden in this state are not
// measured.
std::vector<Misfit> MeasureControls(HWND window);

// One control with a text it does not hold (another text the same control shows in another state);
// nothing when it fits.
std::vector<Misfit> MeasureText(HWND control, const std::wstring& text);

// How many controls MeasureControls looked at, for a check that the walk found anything.
int MeasuredCount(HWND window);

} // namespace languagefit
