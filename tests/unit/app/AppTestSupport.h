// Shared set-up of the application-core tests: a scratch program folder on disk (language files and
// Product.ini are read from files), the process-wide values reset around each test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/Encoding.h"
#include "base/IniFile.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeRegistry.h"
#include "profiles/ProfileStore.h"

namespace apptest {

constexpr std::u16string_view kAppKey = u"Software\\Orvelin\\KTA7700";

// A folder that stands for ProgramFolder. Files whose names hold backslashes ("Language\English\...")
// are created as one file of that literal name, which is the path the program builds.
class ProgramFolderOnDisk {
public:
    ProgramFolderOnDisk() {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("kt_app_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~ProgramFolderOnDisk() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::u16string Folder() const { return base::Utf8ToUtf16(m_path.string() + "/"); }
    void WriteBytes(const std::string& name, const std::string& bytes) {
        std::ofstream out(m_path / name, std::ios::binary);
        out << bytes;
        out.close();
        base::IniFile::ClearCache();
    }
    void WriteLanguage(const std::string& folder, const std::string& utf8Content) {
        WriteBytes("Language\\" + folder + "\\" + folder + ".lng", utf8Content);
    }
    void RemoveLanguage(const std::string& folder) {
        std::error_code ec;
        std::filesystem::remove(m_path / ("Language\\" + folder + "\\" + folder + ".lng"), ec);
        base::IniFile::ClearCache();
    }

private:
    std::filesystem::path m_path;
};

// Resets the process-wide state before and after each test.
class AppTest : public ::testing::Test {
protected:
    AppTest() {
        ResetAppGlobals();
        ResetLanguage();
        base::IniFile::ClearCache();
        SetAppRegistry(&registry);
        ProgramFolder = disk.Folder();
        g_pnKernel = &kernel;
    }
    ~AppTest() override {
        profiles::ResetProfileStore();
        ResetAppGlobals();
        ResetLanguage();
    }
    std::u16string Stored(std::u16string_view name) {
        std::u16string text;
        registry.ReadString(platform::kHkeyLocalMachine, kAppKey, name, text);
        return text;
    }
    void Store(std::u16string_view name, std::u16string_view text) {
        registry.WriteString(platform::kHkeyLocalMachine, kAppKey, name, text);
    }

    ProgramFolderOnDisk disk;
    fakes::FakeRegistry registry;
    fakes::FakeKernel kernel{registry};
};

} // namespace apptest
