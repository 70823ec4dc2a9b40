#include "base/IniFile.h"

#include <filesystem>
#include <fstream>
#include <mutex>

#include "base/Encoding.h"

namespace base {
namespace {

// Files bigger than this are treated as unreadable rather than loaded whole.
constexpr uintmax_t kMaxFileBytes = 64u * 1024u * 1024u;

bool IsIniSpace(char16_t c) {
    // Control-Z is the old end-of-file mark some files still carry.
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A;
}

// Names compare without regard to case for the letters A-Z only: the platform's profile functions fold
// nothing else, so "Ä" and "ä" are different keys to them and must be to us.
char16_t FoldCase(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 0x20) : c;
}

// Names and values are zero-terminated strings to the platform: a zero unit ends them.
std::u16string CutAtZero(std::u16string_view text) {
    size_t zero = text.find(u'\0');
    return std::u16string(zero == std::u16string_view::npos ? text : text.substr(0, zero));
}

std::u16string FoldedName(std::u16string_view name) {
    std::u16string folded = CutAtZero(name);
    for (char16_t& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

std::u16string_view TrimIni(std::u16string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsIniSpace(text[b])) {
        ++b;
    }
    while (e > b && IsIniSpace(text[e - 1])) {
        --e;
    }
    return text.substr(b, e - b);
}

// Copies text into the caller's buffer as the platform does: a value that starts and ends with the
// same quote (single or double, at least two units) loses that pair; the copy is cut to size - 1.
uint32_t CopyEntry(char16_t* buffer, uint32_t size, std::u16string_view value, bool stripQuotes) {
    value = value.substr(0, value.find(u'\0'));
    bool quoted = false;
    if (stripQuotes && value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') &&
        value.back() == value[0]) {
        quoted = true;
        value.remove_prefix(1);
    }
    size_t n = value.size() < size - 1 ? value.size() : size - 1;
    for (size_t i = 0; i < n; ++i) {
        buffer[i] = value[i];
    }
    buffer[n] = 0;
    // The platform drops the last unit copied whenever the buffer is at least as long as the text after
    // the opening quote: normally that is the closing quote, but when the buffer is exactly that long
    // the closing quote was already cut off and the last real unit goes instead. Kept for fidelity.
    if (quoted && size >= value.size() && n > 0) {
        --n;
        buffer[n] = 0;
    }
    return static_cast<uint32_t>(n);
}

std::u16string_view TrimDefault(std::u16string_view value) {
    // Only blanks are removed from the end of a default, and never its first unit.
    value = value.substr(0, value.find(u'\0'));
    size_t n = value.size();
    while (n > 1 && value[n - 1] == u' ') {
        --n;
    }
    return value.substr(0, n);
}

struct CachedFile {
    std::filesystem::file_time_type writeTime;
    uintmax_t size = 0;
    std::shared_ptr<const IniDocument> document;
};

struct Cache {
    std::mutex mutex;
    std::unordered_map<std::u16string, CachedFile> files;
    uint64_t diskReads = 0;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

enum class OpenResult { Parsed, MissingFile, Unreadable };

OpenResult Open(std::u16string_view path, std::shared_ptr<const IniDocument>& document) {
    std::error_code ec;
    std::filesystem::path fsPath{std::u16string(path)};
    // One query of the file system per lookup: the entry keeps type, size and time together.
    std::filesystem::directory_entry entry(fsPath, ec);
    if (ec || !entry.exists(ec)) {
        // A missing file in an existing folder is an empty file to the platform; a missing folder
        // is an error, and then the default is copied without its quotes being looked at.
        auto parent = fsPath.parent_path();
        bool folderExists = parent.empty() || std::filesystem::is_directory(parent, ec);
        return folderExists ? OpenResult::MissingFile : OpenResult::Unreadable;
    }
    if (!entry.is_regular_file(ec)) {
        return OpenResult::Unreadable;
    }
    auto writeTime = entry.last_write_time(ec);
    if (ec) {
        return OpenResult::Unreadable;
    }
    uintmax_t size = entry.file_size(ec);
    if (ec || size > kMaxFileBytes) {
        return OpenResult::Unreadable;
    }
    Cache& cache = TheCache();
    std::u16string key(path);
    {
        std::lock_guard lock(cache.mutex);
        auto it = cache.files.find(key);
        if (it != cache.files.end() && it->second.writeTime == writeTime && it->second.size == size) {
            document = it->second.document;
            return OpenResult::Parsed;
        }
    }
    std::ifstream in(fsPath, std::ios::binary);
    if (!in) {
        return OpenResult::Unreadable;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    auto parsed = std::make_shared<const IniDocument>(IniDocument::Parse(bytes));
    {
        std::lock_guard lock(cache.mutex);
        ++cache.diskReads;
        cache.files[key] = CachedFile{writeTime, size, parsed};
    }
    document = std::move(parsed);
    return OpenResult::Parsed;
}

} // namespace

IniDocument IniDocument::Parse(std::span<const uint8_t> bytes) {
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        return ParseText(Utf8ToUtf16(bytes.subspan(3)));
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        // An odd last byte still counts as a unit for the platform (its high byte zero).
        std::u16string text = Utf16LeToUtf16(bytes.subspan(2));
        if (bytes.size() % 2 == 1) {
            text.push_back(bytes.back());
        }
        return ParseText(text);
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        return ParseText(Utf16BeToUtf16(bytes.subspan(2)));
    }
    return ParseText(Windows1252ToUtf16(bytes));
}

IniDocument IniDocument::ParseText(std::u16string_view text) {
    IniDocument doc;
    // Lines before the first section header belong to a section without a name.
    doc.m_sections.emplace_back();
    doc.m_firstSectionByFoldedName.emplace(std::u16string(), 0);
    Section* current = &doc.m_sections.back();

    size_t pos = 0;
    while (pos < text.size()) {
        size_t start = pos;
        while (pos < text.size() && text[pos] != u'\n' && text[pos] != u'\r') {
            ++pos;
        }
        size_t end = pos;
        while (pos < text.size() && (text[pos] == u'\n' || text[pos] == u'\r')) {
            ++pos;
        }
        std::u16string_view line = TrimIni(text.substr(start, end - start));
        if (line.empty()) {
            continue;
        }
        if (line[0] == u'[') {
            size_t close = line.rfind(u']');
            if (close != std::u16string_view::npos && close > 0) {
                std::u16string_view name = TrimIni(line.substr(1, close - 1));
                Section section;
                section.name = CutAtZero(name);
                doc.m_sections.push_back(std::move(section));
                doc.m_firstSectionByFoldedName.emplace(FoldedName(name), doc.m_sections.size() - 1);
                current = &doc.m_sections.back();
                continue;
            }
            // A '[' without ']' is no header; the line is read as a key line below.
        }
        Key key;
        size_t equals = line.find(u'=');
        std::u16string_view name;
        if (equals != std::u16string_view::npos) {
            name = line.substr(0, equals);
            while (!name.empty() && IsIniSpace(name.back())) {
                name.remove_suffix(1);
            }
            std::u16string_view value = line.substr(equals + 1);
            while (!value.empty() && IsIniSpace(value.front())) {
                value.remove_prefix(1);
            }
            key.value = std::u16string(value);
            key.hasValue = true;
        } else {
            name = line;
        }
        key.name = CutAtZero(name);
        current->firstKeyByFoldedName.emplace(FoldedName(name), current->keys.size());
        current->keys.push_back(std::move(key));
    }
    return doc;
}

const std::u16string* IniDocument::Find(std::u16string_view section, std::u16string_view key) const {
    auto s = m_firstSectionByFoldedName.find(FoldedName(TrimIni(section)));
    if (s == m_firstSectionByFoldedName.end()) {
        return nullptr;
    }
    const Section& found = m_sections[s->second];
    auto k = found.firstKeyByFoldedName.find(FoldedName(TrimIni(key)));
    if (k == found.firstKeyByFoldedName.end() || !found.keys[k->second].hasValue) {
        return nullptr;
    }
    return &found.keys[k->second].value;
}

std::vector<IniDocument::Entry> IniDocument::Entries(size_t sectionIndex) const {
    std::vector<Entry> entries;
    for (const Key& key : m_sections[sectionIndex].keys) {
        if (key.hasValue) {
            entries.push_back({key.name, key.value});
        }
    }
    return entries;
}

uint32_t IniFile::GetString(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue, char16_t* buffer, uint32_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::u16string_view fallback = TrimDefault(defaultValue);
    std::shared_ptr<const IniDocument> document;
    switch (Open(path, document)) {
    case OpenResult::Unreadable:
        return CopyEntry(buffer, size, fallback, false);
    case OpenResult::MissingFile:
        return CopyEntry(buffer, size, fallback, true);
    case OpenResult::Parsed:
        break;
    }
    const std::u16string* value = document->Find(section, key);
    return CopyEntry(buffer, size, value ? std::u16string_view(*value) : fallback, true);
}

std::u16string IniFile::GetString(std::u16string_view path, std::u16string_view section,
                                  std::u16string_view key, std::u16string_view defaultValue, uint32_t size) {
    if (size == 0) {
        return {};
    }
    std::u16string buffer(size, u'\0');
    uint32_t n = GetString(path, section, key, defaultValue, buffer.data(), size);
    buffer.resize(n);
    return buffer;
}

void IniFile::ClearCache() {
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    cache.files.clear();
}

uint64_t IniFile::DiskReads() {
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    return cache.diskReads;
}

} // namespace base
