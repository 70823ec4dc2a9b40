#include <windows.h>

#include <gtest/gtest.h>

#include "wine/drvseed/ToolProcess.h"

namespace {

using tooltest::DistPath;
using tooltest::ScratchFolder;

constexpr wchar_t kUninstallRoot[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr char kLog[] = "setup-commands.log";

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// Built by appending: gcc 12 warns falsely about "\"" + text + "\"".
template <typename Text> Text Quoted(const Text& text) {
    Text quoted(1, '"');
    quoted.append(text);
    quoted.push_back('"');
    return quoted;
}

// Three folders: the launcher alone (so that its own folder offers no setup.exe), the installed product
// with the setup program its uninstall entry names, and the current folder with another setup program.
class UninstallWineTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_guid = L"{5E0C7A31-" + std::to_wstring(GetCurrentProcessId() % 10000) + L"-4D2B-9F61-0A1B2C3D4E5F}";
        ASSERT_TRUE(CopyFileW(DistPath(L"KT_DIST_DIR", L"Uninstall.exe").c_str(),
                              (m_launcher / L"Uninstall.exe").c_str(), FALSE))
            << "Uninstall.exe missing from the install tree";
        for (const ScratchFolder* folder : {&m_product, &m_current}) {
            ASSERT_TRUE(CopyFileW(DistPath(L"KT_DIST_DIR", L"setup.exe").c_str(),
                                  (*folder / L"setup.exe").c_str(), FALSE))
                << "setup.exe missing from the install tree";
        }
        // As a product's installer writes it: the quoted setup program with arguments of its own.
        m_uninstallString = Quoted(Narrow(m_product / L"setup.exe")) + " -runfromtemp -l0x0009 -removeonly";
        WriteEntry(KEY_WOW64_32KEY, m_uninstallString);
    }
    void TearDown() override {
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, (kUninstallRoot + m_guid).c_str(), view, 0);
        }
    }

    void WriteEntry(REGSAM view, const std::string& uninstallString) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kUninstallRoot + m_guid).c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE | view, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        LONG rc = RegSetValueExA(key, "UninstallString", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(uninstallString.c_str()),
                                 static_cast<DWORD>(uninstallString.size() + 1));
        RegCloseKey(key);
        ASSERT_EQ(rc, ERROR_SUCCESS);
    }
    void RemoveEntry(REGSAM view) {
        ASSERT_EQ(RegDeleteKeyExW(HKEY_LOCAL_MACHINE, (kUninstallRoot + m_guid).c_str(), view, 0),
                  ERROR_SUCCESS);
    }
    // The product's uninstall command padded with arguments to exactly `length` characters.
    std::string UninstallStringOfLength(size_t length) const {
        std::string text = ProductSetup() + " -removeonly ";
        EXPECT_LT(text.size(), length) << "the scratch folder's path is too long for this test";
        text.resize(length, 'x');
        return text;
    }

    // Runs the launcher with the arguments after its quoted path, in the current folder; returns its
    // exit code.
    DWORD Launch(const std::wstring& arguments) {
        std::wstring program = m_launcher / L"Uninstall.exe";
        auto run = tooltest::Run(program, Quoted(program) + arguments, m_current.path(), 20000);
        EXPECT_TRUE(run.started);
        EXPECT_TRUE(run.finished) << "the launcher did not end by itself";
        return run.exitCode;
    }

    // The command lines a setup program recorded, waiting a little for the one just started.
    std::string Recorded(const ScratchFolder& folder, size_t lines) {
        std::string log;
        for (int i = 0; i < 200; ++i) {
            log = tooltest::ReadFileBytes(folder / std::wstring(kLog, kLog + sizeof kLog - 1));
            size_t count = 0;
            for (char c : log) {
                count += c == '\n';
            }
            if (count >= lines) {
                break;
            }
            Sleep(50);
        }
        return log;
    }

    std::string Guid() const { return Narrow(m_guid); }
    std::string ProductSetup() const { return Quoted(Narrow(m_product / L"setup.exe")); }

    ScratchFolder m_launcher{L"uninstall-launcher"};
    ScratchFolder m_product{L"uninstall-product"};
    ScratchFolder m_current{L"uninstall-current"};
    std::wstring m_guid;
    std::string m_uninstallString;
};

TEST_F(UninstallWineTest, LanguageBeforeGuidReachesTheProductsSetupProgram) {
    EXPECT_EQ(Launch(L" -L0x0407 -GUID " + m_guid), 0u);
    // The uninstall entry's own arguments are gone; the language part and what follows it are added.
    EXPECT_EQ(Recorded(m_product, 1), ProductSetup() + " -L0x0407 -GUID " + Guid() + "\r\n");
    EXPECT_EQ(Recorded(m_current, 0), "");
}

TEST_F(UninstallWineTest, WithoutLanguageTheSetupProgramGetsNoArguments) {
    EXPECT_EQ(Launch(L" -GUID " + m_guid), 0u);
    EXPECT_EQ(Recorded(m_product, 1), ProductSetup() + "\r\n");
}

TEST_F(UninstallWineTest, LanguageAfterGuidStartsSetupFromTheCurrentFolder) {
    EXPECT_EQ(Launch(L" -GUID " + m_guid + L" -L0x0407"), 0u);
    EXPECT_EQ(Recorded(m_current, 1), "setup.exe -L0x0407\r\n");
    EXPECT_EQ(Recorded(m_product, 0), "");
}

TEST_F(UninstallWineTest, WithoutGuidSetupStartsFromTheCurrentFolder) {
    EXPECT_EQ(Launch(L" /x"), 0u);
    EXPECT_EQ(Recorded(m_current, 1), "setup.exe\r\n");
    EXPECT_EQ(Recorded(m_product, 0), "");
}

TEST_F(UninstallWineTest, MissingSetupProgramStillEndsWithZero) {
    DeleteFileW((m_current / L"setup.exe").c_str());
    EXPECT_EQ(Launch(L" /x"), 0u);
}

TEST_F(UninstallWineTest, UninstallStringOfTheLongestLengthIsRead) {
    WriteEntry(KEY_WOW64_32KEY, UninstallStringOfLength(255));
    EXPECT_EQ(Launch(L" -GUID " + m_guid), 0u);
    EXPECT_EQ(Recorded(m_product, 1), ProductSetup() + "\r\n");
    EXPECT_EQ(Recorded(m_current, 0), "");
}

TEST_F(UninstallWineTest, UninstallStringOneCharacterTooLongIsNotRead) {
    WriteEntry(KEY_WOW64_32KEY, UninstallStringOfLength(256));
    EXPECT_EQ(Launch(L" -GUID " + m_guid), 0u);
    EXPECT_EQ(Recorded(m_current, 1), "setup.exe\r\n");
    EXPECT_EQ(Recorded(m_product, 0), "");
}

TEST_F(UninstallWineTest, EntryOnlyInTheNativeViewIsFoundByTheX64Build) {
    RemoveEntry(KEY_WOW64_32KEY);
    WriteEntry(KEY_WOW64_64KEY, m_uninstallString);
    EXPECT_EQ(Launch(L" -GUID " + m_guid), 0u);
    EXPECT_EQ(Recorded(m_product, 1), ProductSetup() + "\r\n");
    EXPECT_EQ(Recorded(m_current, 0), "");
}

TEST_F(UninstallWineTest, EntryOfThe32BitViewWinsOverTheNativeView) {
    // The native view names the setup program of the current folder: starting it would be wrong.
    WriteEntry(KEY_WOW64_64KEY, Quoted(Narrow(m_current / L"setup.exe")));
    EXPECT_EQ(Launch(L" -GUID " + m_guid), 0u);
    EXPECT_EQ(Recorded(m_product, 1), ProductSetup() + "\r\n");
    EXPECT_EQ(Recorded(m_current, 0), "");
}

TEST_F(UninstallWineTest, DialogNeverShows) {
    // Watch for any visible top-level window of the launcher while it runs.
    std::wstring program = m_launcher / L"Uninstall.exe";
    std::wstring line = Quoted(program) + L" -GUID " + m_guid;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               m_current.path().c_str(), &si, &pi));
    struct Search {
        DWORD process;
        bool seen;
    } search{pi.dwProcessId, false};
    while (WaitForSingleObject(pi.hProcess, 5) == WAIT_TIMEOUT) {
        EnumWindows(
            [](HWND hwnd, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(hwnd, &owner);
                if (owner == s->process && IsWindowVisible(hwnd)) {
                    s->seen = true;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
    }
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(search.seen);
    EXPECT_EQ(Recorded(m_product, 1), ProductSetup() + "\r\n");
}

} // namespace
