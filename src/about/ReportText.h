// The report's text, which the builder's threads append to and the dialog shows and saves. The edit
// control that shows it holds at most kReportLimit characters, so the text never grows past that:
// the newest output is what a support desk needs, so the oldest gives way.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>

namespace about {

constexpr size_t kReportLimit = 32766;

// Appends `more` to `text`, first removing from the front of `text` as many characters as the append
// needs to stay within `limit`; when `more` alone is longer, only its last `limit` characters stay. A
// surrogate pair is never cut in half at the front.
void AppendWithinLimit(std::u16string& text, std::u16string_view more, size_t limit);

// The text shared between the threads that append and the window's thread that reads.
class ReportText {
public:
    explicit ReportText(size_t limit = kReportLimit) : m_limit(limit) {}

    // True when this append is the first change since the last Take: the caller tells the window once.
    bool Append(std::u16string_view more);
    // The text as it is now; later appends count as changes again.
    std::u16string Take();
    std::u16string Peek() const;

private:
    mutable std::mutex m_mutex;
    std::u16string m_text;
    size_t m_limit;
    bool m_changed = false;
};

} // namespace about
