// A program folder on disk for the tests of the About page and its dialogs: language files and
// setup.ini are read from files, named as the program builds their paths.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/Encoding.h"
#include "base/IniFile.h"

namespace abouttest {

class ProgramFolderOnDisk {
public:
    ProgramFolderOnDisk() {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("kt_about_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~ProgramFolderOnDisk() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
        base::IniFile::ClearCache();
    }
    ProgramFolderOnDisk(const ProgramFolderOnDisk&) = delete;
    ProgramFolderOnDisk& operator=(const ProgramFolderOnDisk&) = delete;

    std::u16string Folder() const { return base::Utf8ToUtf16(m_path.string() + "/"); }
    void Write(const std::string& name, const std::string& content) {
        std::ofstream out(m_path / name, std::ios::binary);
        out << content;
        out.close();
        base::IniFile::ClearCache();
    }
    void WriteLanguage(const std::string& folder, const std::string& content) {
        Write("Language\\" + folder + "\\" + folder + ".lng", content);
    }

private:
    std::filesystem::path m_path;
};

} // namespace abouttest
