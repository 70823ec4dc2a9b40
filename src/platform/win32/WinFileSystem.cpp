#include "platform/win32/WinText.h"

#include <algorithm>
#include <cstdio>

#include "platform/win32/WinAppPlatform.h"

namespace platform::win32 {

bool WinFileSystem::DeleteFolderTree(std::u16string_view folder) {
    std::u16string base(folder);
    while (!base.empty() && (base.back() == u'\\' || base.back() == u'/')) {
        base.pop_back();
    }
    if (base.empty()) {
        return false;
    }
    DWORD attributes = GetFileAttributesW(W(base));
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    // A folder that is itself a link (a junction or a symbolic link to a folder elsewhere) is removed as
    // a link: going through it would delete the files of the folder it points to.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        return RemoveDirectoryW(W(base)) != FALSE;
    }
    bool complete = true;
    std::u16string pattern = base + u"\\*.*";
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(W(pattern), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::u16string name = U(found.cFileName);
            if (name == u"." || name == u"..") {
                continue;
            }
            std::u16string path = base + u"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                // A link to a folder elsewhere is removed as a link, never followed.
                if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                    complete = RemoveDirectoryW(W(path)) && complete;
                } else {
                    complete = DeleteFolderTree(path) && complete;
                }
            } else {
                if (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
                    SetFileAttributesW(W(path), found.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
                }
                complete = DeleteFileW(W(path)) && complete;
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    // A read-only folder cannot be removed until the attribute is gone.
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        SetFileAttributesW(W(base), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    return RemoveDirectoryW(W(base)) && complete;
}

std::optional<std::vector<uint8_t>> WinFileSystem::ReadFile(std::u16string_view path) {
    std::u16string p(path);
    FILE* file = _wfopen(W(p), L"rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[4096];
    size_t n = 0;
    while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    fclose(file);
    return bytes;
}

std::optional<LocalDate> WinFileSystem::LastWriteDate(std::u16string_view path) {
    std::u16string p(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(W(p), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    // The file time is UTC; the day the user sees is the one of the time zone in force.
    FILETIME local{};
    SYSTEMTIME day{};
    if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &day)) {
        return std::nullopt;
    }
    return LocalDate{day.wYear, day.wMonth, day.wDay};
}

bool WinFileSystem::WriteFile(std::u16string_view path, const std::vector<uint8_t>& bytes) {
    std::u16string p(path);
    HANDLE file = CreateFileW(W(p), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = true;
    size_t done = 0;
    while (written && done < bytes.size()) {
        DWORD n = 0;
        DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        written = ::WriteFile(file, bytes.data() + done, piece, &n, nullptr) && n == piece;
        done += n;
    }
    // A full disk may show only when the file is closed.
    return CloseHandle(file) && written;
}

} // namespace platform::win32
