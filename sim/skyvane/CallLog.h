// Every call the program made, one line each, for `skyctl log` (format in sim/skyctl/README.md).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace skyvane {

class CallLog {
public:
    explicit CallLog(size_t capacity = 20000) : m_capacity(capacity) {}

    void Add(std::u16string line);
    // Lines that begin with `prefix` (all lines for an empty prefix), oldest first.
    std::vector<std::u16string> Lines(std::u16string_view prefix = {}) const;
    void Clear();
    // Every line added from now on is also handed to `mirror` (under the log's lock, in order), so a
    // test can read what a program did after the program has ended.
    void SetMirror(std::function<void(const std::u16string&)> mirror);

private:
    const size_t m_capacity;
    mutable std::mutex m_mutex;
    std::deque<std::u16string> m_lines;
    std::function<void(const std::u16string&)> m_mirror;
};

// Argument forms used in the lines.
std::u16string Quote(std::u16string_view text);                 // "text" with \" \\ \n \r \t \xNN escapes
std::u16string QuoteField(const char16_t* field, size_t units); // up to the terminator or the field's end
std::u16string Hex(uint32_t value, int digits = 8);             // 0x0000ABCD
std::u16string Dec(uint64_t value);
std::u16string Mac(const uint8_t mac[6]); // 00:11:22:33:44:55

} // namespace skyvane
