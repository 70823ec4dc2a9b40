// Reader of private-profile (.ini) files that answers exactly as the platform's
// GetPrivateProfileStringW does for a section and a key, without asking the platform.
//
// Why our own: language files are read for every caption of every dialog, from several threads, and
// the platform call re-opens and re-parses nothing for us on Linux where the unit tests run. Parsed
// files are cached by path and checked against their last-write time and size on each lookup.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace base {

// The parsed contents of one file.
class IniDocument {
public:
    // Decodes (UTF-16LE/BE or UTF-8 with a byte-order mark, otherwise Windows-1252) and parses.
    static IniDocument Parse(std::span<const uint8_t> bytes);
    static IniDocument ParseText(std::u16string_view text);

    // The value of the first key of that name in the first section of that name (names compared
    // without regard to case for A-Z only, surrounding white space ignored); null when the section or
    // the key is missing, or the key's line has no '='.
    const std::u16string* Find(std::u16string_view section, std::u16string_view key) const;

    size_t SectionCount() const { return m_sections.size(); }

    // What the file holds, in file order: the sections (the first one is the nameless part before any
    // header) and each section's keys that carry a value. Checks over whole files (a translation
    // against the English file) walk these; lookups use Find.
    struct Entry {
        std::u16string_view key;
        std::u16string_view value;
    };
    std::u16string_view SectionName(size_t index) const { return m_sections[index].name; }
    std::vector<Entry> Entries(size_t sectionIndex) const;

private:
    struct Key {
        std::u16string name;
        std::u16string value;
        bool hasValue = false;
    };
    struct Section {
        std::u16string name;
        std::vector<Key> keys;
        std::unordered_map<std::u16string, size_t> firstKeyByFoldedName;
    };
    std::vector<Section> m_sections;
    std::unordered_map<std::u16string, size_t> m_firstSectionByFoldedName;
};

class IniFile {
public:
    // GetPrivateProfileStringW(section, key, defaultValue, buffer, size, path): the value, or the
    // default when the file, section or key is missing, with one pair of matching surrounding quotes
    // removed, cut to size - 1 units and terminated. Returns the number of units written before the
    // terminator. A size of 0 writes nothing and returns 0.
    static uint32_t GetString(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue, char16_t* buffer, uint32_t size);

    // The same, returned as a string (as read into a buffer of `size` units).
    static std::u16string GetString(std::u16string_view path, std::u16string_view section,
                                    std::u16string_view key, std::u16string_view defaultValue,
                                    uint32_t size = 256);

    // Forgets every cached file (tests; language change needs no call because files are re-checked).
    static void ClearCache();

    // How many times a file was read from disk since the start (benchmarks and cache tests).
    static uint64_t DiskReads();
};

} // namespace base
