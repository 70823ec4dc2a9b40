#include "platform/NotificationArea.h"

namespace platform {

std::u16string_view CutForField(std::u16string_view text, size_t capacity) {
    if (capacity == 0) {
        return {};
    }
    if (text.size() < capacity) {
        return text;
    }
    size_t kept = capacity - 1;
    // Half a pair would show as a broken character at the end of the tooltip.
    if (kept > 0 && text[kept - 1] >= 0xD800 && text[kept - 1] <= 0xDBFF) {
        --kept;
    }
    return text.substr(0, kept);
}

} // namespace platform
