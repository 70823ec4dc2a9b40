// The system's save dialog, owned by this window so that it stays modal to it.
#include <windows.h>

#include <commdlg.h>

#include "platform/win32/WinText.h"
#include "ui/win32/DialogWindow.h"

namespace ui::win32 {

using platform::win32::W;

std::optional<std::u16string> DialogWindow::AskSaveFileName(std::u16string_view defaultName,
                                                            std::u16string_view extension,
                                                            std::u16string_view filter) {
    // The dialog wants the filter's parts separated by nulls and ended by two.
    std::u16string filterParts(filter);
    for (char16_t& c : filterParts) {
        if (c == u'|') {
            c = u'\0';
        }
    }
    filterParts.push_back(u'\0');
    std::u16string defaultExtension(extension);
    std::u16string path(defaultName.substr(0, MAX_PATH - 1));
    path.resize(MAX_PATH, u'\0');

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = m_hwnd;
    request.lpstrFilter = W(filterParts);
    request.nFilterIndex = 1;
    request.lpstrFile = reinterpret_cast<wchar_t*>(path.data());
    request.nMaxFile = MAX_PATH;
    request.lpstrDefExt = defaultExtension.empty() ? nullptr : W(defaultExtension);
    request.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&request)) {
        return std::nullopt;
    }
    return std::u16string(path.c_str());
}

} // namespace ui::win32
