#include "drvseed/win32/WinConsole.h"

#include <string>

#include "base/Encoding.h"
#include "platform/win32/WinText.h"

namespace drvseed::win32 {

void WinConsole::Print(std::u16string_view text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, reinterpret_cast<const wchar_t*>(text.data()), static_cast<DWORD>(text.size()),
                      &written, nullptr);
        return;
    }
    // Redirected to a file or a pipe: the reader gets UTF-8 with the platform's line ends.
    std::u16string crlf;
    for (char16_t c : text) {
        if (c == u'\n') {
            crlf.push_back(u'\r');
        }
        crlf.push_back(c);
    }
    std::string bytes = base::Utf16ToUtf8(crlf);
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void WinConsole::ShowMessage(std::u16string_view title, std::u16string_view text) {
    std::u16string t(title);
    std::u16string m(text);
    MessageBoxW(nullptr, platform::win32::W(m), platform::win32::W(t), MB_OK);
}

} // namespace drvseed::win32
