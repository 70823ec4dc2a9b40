// Any text as mark-up: parsing, attribute reading, colour names and layout must neither crash nor
// loop, whatever the tags, quotes, entities and markers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/CNamedColors.h"
#include "controls/MarkupLayout.h"
#include "controls/MarkupParser.h"

namespace {

class FixedMeasurer final : public MarkupMeasurer {
public:
    int TextWidth(std::u16string_view text, const MarkupStyle& style) override {
        return static_cast<int>(text.size()) * (style.IsBold() ? 9 : 7);
    }
    int LineHeight(const MarkupStyle& style) override { return 12 + style.sizeStep; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    std::vector<MarkupItem> items = ParseMarkup(text);
    FixedMeasurer measurer;
    MarkupLayout layout = LayoutMarkup(items, 200, 5, 5, measurer);
    for (const HotRect& hot : layout.hotRects) {
        if (HitLink(layout, hot.rect.left, hot.rect.top) == nullptr && hot.rect.right > hot.rect.left &&
            hot.rect.bottom > hot.rect.top) {
            __builtin_trap(); // a hot rectangle that its own corner does not hit
        }
    }
    (void)TagAttribute(text, u"COLOR");
    (void)CNamedColors(text).value();
    (void)DecodeEntityTokens(text);
    return 0;
}
