// Any bytes as an .ini file: parsing and lookups must neither crash nor read out of bounds, and a
// lookup must never write past the caller's buffer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "base/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    base::IniDocument doc = base::IniDocument::Parse(std::span<const uint8_t>(data, size));
    static const char16_t* const kSections[] = {u"", u"MAIN", u"S", u"main ", u"[", u"]"};
    static const char16_t* const kKeys[] = {u"", u"k", u"MainTitle", u"=", u";"};
    for (const char16_t* section : kSections) {
        for (const char16_t* key : kKeys) {
            if (const std::u16string* value = doc.Find(section, key)) {
                volatile size_t n = value->size();
                (void)n;
            }
        }
    }
    return 0;
}
