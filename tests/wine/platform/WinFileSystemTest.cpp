// Folder deletion against the real file system, where it can lose data: read-only files and folders,
// nesting, and links (directory symbolic links and junctions) whose targets lie outside the folder and
// must survive. Each test works in its own scratch folder and removes it again.
#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/WinAppPlatform.h"

namespace {

// A junction's reparse data (mount-point layout), which mingw's headers do not declare.
struct MountPointReparseBuffer {
    DWORD ReparseTag;
    WORD ReparseDataLength;
    WORD Reserved;
    WORD SubstituteNameOffset;
    WORD SubstituteNameLength;
    WORD PrintNameOffset;
    WORD PrintNameLength;
    WCHAR PathBuffer[1024];
};

std::u16string U16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteSmallFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, "data", 4, &written, nullptr);
    CloseHandle(file);
    return ok && written == 4;
}

// Removes what a test left behind without following links: a link is removed as itself.
void RemoveTree(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = found.cFileName;
                if (name != L"." && name != L"..") {
                    RemoveTree(path + L"\\" + name);
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
    }
    RemoveDirectoryW(path.c_str());
}

class WinFileSystemTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        m_scratch = std::wstring(temp) + L"kt-delete-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(++s_counter);
        ASSERT_TRUE(CreateDirectoryW(m_scratch.c_str(), nullptr)) << "error " << GetLastError();
        m_tree = m_scratch + L"\\tree";
        m_outside = m_scratch + L"\\outside";
        ASSERT_TRUE(CreateDirectoryW(m_tree.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(m_outside.c_str(), nullptr));
        ASSERT_TRUE(WriteSmallFile(m_outside + L"\\keep.txt"));
    }
    void TearDown() override { RemoveTree(m_scratch); }

    // A directory symbolic link at `link` to `target`; false when the system does not make one (a
    // call that reports success but leaves nothing counts as not made).
    static bool MakeSymbolicLink(const std::wstring& link, const std::wstring& target) {
        constexpr DWORD kUnprivileged = 0x2; // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
        for (DWORD flags :
             {DWORD{SYMBOLIC_LINK_FLAG_DIRECTORY}, SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged}) {
            if (CreateSymbolicLinkW(link.c_str(), target.c_str(), flags) && IsLink(link)) {
                return true;
            }
        }
        return false;
    }
    static bool IsLink(const std::wstring& path) {
        DWORD attributes = GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    }

    // A junction at `link` to `target`; false when the system does not make one.
    static bool MakeJunction(const std::wstring& link, const std::wstring& target) {
        if (!CreateDirectoryW(link.c_str(), nullptr)) {
            return false;
        }
        HANDLE folder = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (folder == INVALID_HANDLE_VALUE) {
            RemoveDirectoryW(link.c_str());
            return false;
        }
        std::wstring substitute = L"\\??\\" + target;
        MountPointReparseBuffer data{};
        data.ReparseTag = IO_REPARSE_TAG_MOUNT_POINT;
        data.SubstituteNameOffset = 0;
        data.SubstituteNameLength = static_cast<WORD>(substitute.size() * sizeof(WCHAR));
        data.PrintNameOffset = static_cast<WORD>(data.SubstituteNameLength + sizeof(WCHAR));
        data.PrintNameLength = static_cast<WORD>(target.size() * sizeof(WCHAR));
        substitute.copy(data.PathBuffer, substitute.size());
        target.copy(data.PathBuffer + substitute.size() + 1, target.size());
        data.ReparseDataLength =
            static_cast<WORD>(8 + data.PrintNameOffset + data.PrintNameLength + sizeof(WCHAR));
        DWORD returned = 0;
        BOOL ok = DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, &data, data.ReparseDataLength + 8, nullptr,
                                  0, &returned, nullptr);
        CloseHandle(folder);
        if (!ok || !IsLink(link)) {
            RemoveDirectoryW(link.c_str());
            return false;
        }
        return true;
    }

    platform::win32::WinFileSystem m_files;
    std::wstring m_scratch;
    std::wstring m_tree;
    std::wstring m_outside;
    static inline int s_counter = 0;
};

TEST_F(WinFileSystemTest, NestedFoldersAndReadOnlyFilesAreAllRemoved) {
    ASSERT_TRUE(WriteSmallFile(m_tree + L"\\top.txt", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateDirectoryW((m_tree + L"\\sub").c_str(), nullptr));
    ASSERT_TRUE(WriteSmallFile(m_tree + L"\\sub\\middle.txt"));
    ASSERT_TRUE(CreateDirectoryW((m_tree + L"\\sub\\deeper").c_str(), nullptr));
    ASSERT_TRUE(WriteSmallFile(m_tree + L"\\sub\\deeper\\bottom.txt",
                               FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(CreateDirectoryW((m_tree + L"\\sub\\locked").c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributesW((m_tree + L"\\sub\\locked").c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_TRUE(m_files.DeleteFolderTree(U16(m_tree + L"\\")))
        << "a trailing backslash names the same folder";
    EXPECT_FALSE(Exists(m_tree)) << "attributes " << GetFileAttributesW(m_tree.c_str());
    EXPECT_TRUE(Exists(m_outside + L"\\keep.txt"));
}

TEST_F(WinFileSystemTest, MissingFolderIsReportedAndNothingElseIsTouched) {
    EXPECT_FALSE(m_files.DeleteFolderTree(U16(m_scratch + L"\\absent")));
    EXPECT_FALSE(m_files.DeleteFolderTree(u""));
    EXPECT_TRUE(Exists(m_outside + L"\\keep.txt"));
    EXPECT_TRUE(Exists(m_tree));
}

TEST_F(WinFileSystemTest, LinksInsideAreRemovedAndTheirTargetsSurvive) {
    ASSERT_TRUE(WriteSmallFile(m_tree + L"\\own.txt"));
    bool symbolic = MakeSymbolicLink(m_tree + L"\\symlink", m_outside);
    DWORD symbolicError = GetLastError();
    bool junction = MakeJunction(m_tree + L"\\junction", m_outside);
    DWORD junctionError = GetLastError();
    if (!symbolic && !junction) {
        GTEST_SKIP() << "this system makes neither directory symbolic links nor junctions (error "
                     << GetLastError() << ")";
    }
    EXPECT_TRUE(m_files.DeleteFolderTree(U16(m_tree)));
    EXPECT_FALSE(Exists(m_tree));
    EXPECT_TRUE(Exists(m_outside + L"\\keep.txt")) << "the link was followed";
    // What the system under test could make, in the test report.
    RecordProperty("symbolic_link", symbolic ? "made" : "not made, error " + std::to_string(symbolicError));
    RecordProperty("junction", junction ? "made" : "not made, error " + std::to_string(junctionError));
}

TEST_F(WinFileSystemTest, FolderThatIsItselfALinkLosesOnlyTheLink) {
    std::wstring link = m_tree + L"\\linked";
    if (!MakeSymbolicLink(link, m_outside) && !MakeJunction(link, m_outside)) {
        GTEST_SKIP() << "this system makes no directory links (error " << GetLastError() << ")";
    }
    EXPECT_TRUE(m_files.DeleteFolderTree(U16(link)));
    EXPECT_FALSE(Exists(link));
    EXPECT_TRUE(Exists(m_outside + L"\\keep.txt")) << "the files behind the link were deleted";
    EXPECT_TRUE(Exists(m_tree));
}

} // namespace
