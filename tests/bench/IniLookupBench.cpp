// 10,000 lookups in a 2,000-key language file through IniFile, and (on Windows) through
// GetPrivateProfileStringW, timed with the steady clock. Prints one line per reader.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/Encoding.h"
#include "base/IniFile.h"

#ifdef KT_COMPARE_PLATFORM
#include <windows.h>
#endif

namespace {

constexpr int kSections = 40;
constexpr int kKeysPerSection = 50;
constexpr int kLookups = 10000;

std::string KeyName(int s, int k) {
    return "IDC_STATIC_" + std::to_string(s) + "_" + std::to_string(k);
}

template <typename Lookup> double Run(const char* name, Lookup lookup) {
    auto start = std::chrono::steady_clock::now();
    size_t total = 0;
    for (int i = 0; i < kLookups; ++i) {
        int s = (i * 7) % kSections;
        int k = (i * 13) % kKeysPerSection;
        total +=
            lookup(base::Utf8ToUtf16("IDD_DIALOG_" + std::to_string(s)), base::Utf8ToUtf16(KeyName(s, k)));
    }
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %8.1f ms for %d lookups (%.2f us each, %zu units read)\n", name, ms, kLookups,
                ms * 1000.0 / kLookups, total);
    return ms;
}

} // namespace

int main() {
    auto path = std::filesystem::temp_directory_path() / "kt_bench_language.lng";
    {
        std::ofstream out(path, std::ios::binary);
        for (int s = 0; s < kSections; ++s) {
            out << "[IDD_DIALOG_" << s << "]\r\n";
            for (int k = 0; k < kKeysPerSection; ++k) {
                out << KeyName(s, k) << "=Text of control " << k << " in dialog " << s << "\r\n";
            }
        }
    }
    std::u16string file = base::Utf8ToUtf16(path.string());
    Run("IniFile", [&](const std::u16string& section, const std::u16string& key) {
        char16_t buffer[256];
        return base::IniFile::GetString(file, section, key, u"", buffer, 256);
    });
#ifdef KT_COMPARE_PLATFORM
    Run("GetPrivateProfileStringW", [&](const std::u16string& section, const std::u16string& key) {
        wchar_t buffer[256];
        return static_cast<uint32_t>(GetPrivateProfileStringW(
            reinterpret_cast<const wchar_t*>(section.c_str()), reinterpret_cast<const wchar_t*>(key.c_str()),
            L"", buffer, 256, reinterpret_cast<const wchar_t*>(file.c_str())));
    });
#endif
    std::filesystem::remove(path);
    return 0;
}
