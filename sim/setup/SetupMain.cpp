// Stand-in for the product's setup program: it records the command line it was started with, one line
// per start, in setup-commands.log beside itself, and how it was asked to show its window (the
// ShowWindow number) in setup-show.log, and ends. Tests read the files to see what the uninstall
// launcher ran, and whether the utility started the driver tool hidden when the stand-in takes its
// place.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) {
        return {};
    }
    std::string out(static_cast<size_t>(bytes - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring LogPath(const wchar_t* name) {
    wchar_t path[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    size_t slash = folder.find_last_of(L"\\/");
    folder.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return folder + name;
}

// Appending writes go to the end even when two starts overlap.
bool AppendLine(const wchar_t* name, const std::string& line) {
    HANDLE file = CreateFileW(LogPath(name).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int show) {
    // The window state first: tests wait for the command line and then read both.
    bool ok = AppendLine(L"setup-show.log", std::to_string(show) + "\r\n");
    ok = AppendLine(L"setup-commands.log", Utf8(GetCommandLineW()) + "\r\n") && ok;
    return ok ? 0 : 1;
}
