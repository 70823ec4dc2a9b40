#include <windows.h>

#include <gtest/gtest.h>

#include "wine/drvseed/ToolProcess.h"

namespace {

using tooltest::DistPath;
using tooltest::ScratchFolder;

// A copy of the program and its device list beside settings of the test's own, so that the status key
// is a throwaway one.
class DrvSeedWineTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_model = L"WineTestModel" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CopyFileW(DistPath(L"KT_DIST_DIR", L"DrvSeed64.exe").c_str(),
                              (m_folder / L"DrvSeed64.exe").c_str(), FALSE))
            << "DrvSeed64.exe missing from the install tree";
        ASSERT_TRUE(CopyFileW(DistPath(L"KT_DIST_DIR", L"Bandlore.dat").c_str(),
                              (m_folder / L"Bandlore.dat").c_str(), FALSE))
            << "Bandlore.dat missing from the install tree";
        std::string model(m_model.begin(), m_model.end());
        ASSERT_TRUE(tooltest::WriteFileBytes(m_folder / L"DrvSeed_Product.ini",
                                             "[Information]\r\nRegion_Name=CountryRegion\r\nModel=" + model +
                                                 "\r\nTitle=Waiting\r\n[Region]\r\nDefault=1\r\nEU=1\r\n"
                                                 "[Language]\r\n0=Insert the adapter\r\n"));
        DeleteStatusKeys();
    }
    void TearDown() override { DeleteStatusKeys(); }

    std::wstring StatusKey() const { return L"SoftWare\\Orvelin\\" + m_model; }

    void DeleteStatusKeys() {
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, StatusKey().c_str(), KEY_WOW64_32KEY, 0);
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, StatusKey().c_str(), KEY_WOW64_64KEY, 0);
    }

    // The status value in one view; "<no key>" or "<no value>" when absent.
    std::wstring ReadStatus(REGSAM view) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, StatusKey().c_str(), 0, KEY_READ | view, &key) !=
            ERROR_SUCCESS) {
            return L"<no key>";
        }
        wchar_t buffer[64] = {};
        DWORD size = sizeof buffer - sizeof(wchar_t);
        DWORD type = 0;
        LONG rc =
            RegQueryValueExW(key, L"ERROR_SUCCESS", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS) {
            return L"<no value>";
        }
        return type == REG_SZ ? std::wstring(buffer) : L"<not REG_SZ>";
    }

    tooltest::RunResult RunTool(const std::wstring& arguments, DWORD timeoutMs) {
        std::wstring program = m_folder / L"DrvSeed64.exe";
        std::wstring line(1, L'"');
        line.append(program);
        line.push_back(L'"');
        line.append(arguments);
        return tooltest::Run(program, line, m_folder.path(), timeoutMs);
    }

    ScratchFolder m_folder{L"drvseed"};
    std::wstring m_model;
};

TEST_F(DrvSeedWineTest, FewerThanTwoArgumentsExitWithOneAndPrintNothing) {
    // The capture itself works, so that an empty output below means the tool printed nothing.
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring cmd = std::wstring(system) + L"\\cmd.exe";
    auto echo = tooltest::Run(cmd, L"cmd.exe /c echo captured", m_folder.path(), 20000);
    ASSERT_TRUE(echo.finished);
    EXPECT_EQ(echo.output, "captured\r\n");

    for (const wchar_t* arguments : {L"", L" EU"}) {
        auto run = RunTool(arguments, 20000);
        ASSERT_TRUE(run.started);
        ASSERT_TRUE(run.finished) << "arguments '" << std::string(arguments, arguments + wcslen(arguments))
                                  << "'";
        EXPECT_EQ(run.exitCode, 1u);
        EXPECT_EQ(run.output, "");
    }
    EXPECT_EQ(ReadStatus(KEY_WOW64_32KEY), L"<no key>");
}

TEST_F(DrvSeedWineTest, NoWaitWithoutAdapterRecordsZeroInThe32BitView) {
    // Wine lists no network-class device, so every search fails and the tool gives up after ten rounds.
    auto run = RunTool(L" EU 0 0", 90000);
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.finished) << "still running after " << run.elapsedMs << " ms";
    EXPECT_EQ(run.exitCode, 0u);
    // Ten pauses of three seconds: the tool must really have waited, not given up at once.
    EXPECT_GE(run.elapsedMs, 27000u);
    EXPECT_EQ(run.output.find("find success"), std::string::npos) << run.output;
    EXPECT_EQ(ReadStatus(KEY_WOW64_32KEY), L"0");
    EXPECT_EQ(ReadStatus(KEY_WOW64_64KEY), L"<no key>");
}

} // namespace
