#include "about/ReportText.h"

#include <algorithm>

namespace about {
namespace {

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The first `count` characters go, and a low surrogate left at the front goes with its partner.
void DropFront(std::u16string& text, size_t count) {
    if (count > 0 && count < text.size() && IsLowSurrogate(text[count])) {
        ++count;
    }
    text.erase(0, std::min(count, text.size()));
}

} // namespace

void AppendWithinLimit(std::u16string& text, std::u16string_view more, size_t limit) {
    if (more.size() >= limit) {
        text.assign(more.substr(more.size() - limit));
        if (!text.empty() && IsLowSurrogate(text.front())) {
            text.erase(0, 1);
        }
        return;
    }
    if (text.size() + more.size() > limit) {
        DropFront(text, text.size() + more.size() - limit);
    }
    text.append(more);
}

bool ReportText::Append(std::u16string_view more) {
    if (more.empty()) {
        return false;
    }
    std::lock_guard lock(m_mutex);
    AppendWithinLimit(m_text, more, m_limit);
    bool first = !m_changed;
    m_changed = true;
    return first;
}

std::u16string ReportText::Take() {
    std::lock_guard lock(m_mutex);
    m_changed = false;
    return m_text;
}

std::u16string ReportText::Peek() const {
    std::lock_guard lock(m_mutex);
    return m_text;
}

} // namespace about
