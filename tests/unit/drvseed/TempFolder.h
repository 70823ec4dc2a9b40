// A throwaway folder per test, removed with everything in it.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace drvseed::testing {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("drvseed-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as the tool takes it: with a trailing separator.
    std::u16string Folder() const { return (m_path / "").u16string(); }
    std::u16string File(const std::string& name) const { return (m_path / name).u16string(); }

    void Write(const std::string& name, const std::string& text) const {
        Write(name, text.data(), text.size());
    }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        Write(name, reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

private:
    void Write(const std::string& name, const char* data, size_t size) const {
        std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
        out.write(data, static_cast<std::streamsize>(size));
    }

    std::filesystem::path m_path;
};

} // namespace drvseed::testing
