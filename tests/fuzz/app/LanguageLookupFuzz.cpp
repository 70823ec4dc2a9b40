// Any bytes as the language file: every lookup and escape variant must stay inside the caller's
// buffer (a sentinel behind it must survive) and terminate what it writes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/Encoding.h"
#include "base/IniFile.h"

namespace {

// Kept alive to the very end (never destroyed), so that the clean-up at exit can still use it.
const std::filesystem::path& Folder() {
    static const auto* folder = [] {
        auto* path = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                               ("kt_lang_fuzz_" + std::to_string(::getpid())));
        std::filesystem::create_directories(*path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Folder(), ignored);
        });
        return path;
    }();
    return *folder;
}

void Check(uint32_t written, const char16_t* buffer, uint32_t size) {
    if (size == 0) {
        return;
    }
    if (written > size - 1 || buffer[std::char_traits<char16_t>::length(buffer)] != 0 ||
        std::char_traits<char16_t>::length(buffer) > size - 1) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out(Folder() / "Language\\English\\English.lng", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    base::IniFile::ClearCache();
    ProgramFolder = base::Utf8ToUtf16(Folder().string() + "/");
    SelectLanguage();

    static const char16_t* const kSections[] = {u"MAIN", u"MESSAGEBOX", u"IDD_DIALOG_INSTER_ADAPTER", u""};
    static const char16_t* const kKeys[] = {u"MainTitle", u"TITLE", u"Msg_0206", u"1173", u""};
    static const uint32_t kSizes[] = {1, 2, 7, 256};
    for (const char16_t* section : kSections) {
        for (const char16_t* key : kKeys) {
            for (uint32_t bufferSize : kSizes) {
                char16_t buffer[257 + 1];
                std::fill(std::begin(buffer), std::end(buffer), u'\xBEEF');
                Check(GetLangString(section, key, u"default text", buffer, bufferSize), buffer, bufferSize);
                if (buffer[bufferSize] != u'\xBEEF') {
                    __builtin_trap();
                }
                Check(GetLangText(section, key, u"d\\n\\r\\\"", buffer, bufferSize), buffer, bufferSize);
                if (buffer[bufferSize] != u'\xBEEF') {
                    __builtin_trap();
                }
                GetLangLine(section, key, u"", buffer, bufferSize, 1);
                if (buffer[bufferSize] != u'\xBEEF') {
                    __builtin_trap();
                }
            }
        }
    }
    (void)CollectDefaultProfileNames();
    return 0;
}
