#include "skyvane/CallLog.h"

#include <cstdio>

#include "base/Format.h"
#include "base/Text.h"

namespace skyvane {

void CallLog::Add(std::u16string line) {
    std::lock_guard lock(m_mutex);
    // One event per line: a newline inside an argument is always escaped by Quote, so this only guards
    // against a caller that forgot.
    for (char16_t& c : line) {
        if (c == u'\r' || c == u'\n') {
            c = u' ';
        }
    }
    if (m_mirror) {
        m_mirror(line);
    }
    m_lines.push_back(std::move(line));
    while (m_lines.size() > m_capacity) {
        m_lines.pop_front();
    }
}

std::vector<std::u16string> CallLog::Lines(std::u16string_view prefix) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::u16string> out;
    for (const auto& line : m_lines) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            out.push_back(line);
        }
    }
    return out;
}

void CallLog::SetMirror(std::function<void(const std::u16string&)> mirror) {
    std::lock_guard lock(m_mutex);
    m_mirror = std::move(mirror);
}

void CallLog::Clear() {
    std::lock_guard lock(m_mutex);
    m_lines.clear();
}

std::u16string Quote(std::u16string_view text) {
    std::u16string out = u"\"";
    for (char16_t c : text) {
        switch (c) {
        case u'"':
            out += u"\\\"";
            break;
        case u'\\':
            out += u"\\\\";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\t':
            out += u"\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += base::Format(u"\\x%02X", {static_cast<unsigned>(c)});
            } else {
                out += c;
            }
        }
    }
    out += u'"';
    return out;
}

std::u16string QuoteField(const char16_t* field, size_t units) {
    return Quote(base::FieldText(field, units));
}

std::u16string Hex(uint32_t value, int digits) {
    return digits == 4 ? base::Format(u"0x%04X", {value}) : base::Format(u"0x%08X", {value});
}

std::u16string Dec(uint64_t value) {
    return base::Widen(std::to_string(value));
}

std::u16string Mac(const uint8_t mac[6]) {
    return base::FormatMac(mac);
}

} // namespace skyvane
