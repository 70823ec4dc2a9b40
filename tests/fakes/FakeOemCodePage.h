// OEM code pages in memory: a few characters of the Japanese double-byte page (932), enough to split
// one between two chunks, and the Western single-byte page 437, where no byte waits for another.
#pragma once

#include <string>

#include "platform/OemCodePage.h"

namespace fakes {

class FakeOemCodePage final : public platform::OemCodePage {
public:
    static FakeOemCodePage Japanese() { return FakeOemCodePage(true); }
    static FakeOemCodePage Western() { return FakeOemCodePage(false); }

    bool IsLeadByte(uint8_t byte) const override {
        return m_doubleByte && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
    }
    std::u16string ToUnicode(const uint8_t* bytes, size_t count) const override {
        std::u16string text;
        for (size_t i = 0; i < count; ++i) {
            if (IsLeadByte(bytes[i]) && i + 1 < count) {
                text += Pair(bytes[i], bytes[i + 1]);
                ++i;
            } else {
                text += Single(bytes[i]);
            }
        }
        return text;
    }

private:
    explicit FakeOemCodePage(bool doubleByte) : m_doubleByte(doubleByte) {}

    static char16_t Pair(uint8_t lead, uint8_t trail) {
        switch ((lead << 8) | trail) {
        case 0x82A0:
            return u'\u3042'; // hiragana a
        case 0x82A2:
            return u'\u3044'; // hiragana i
        case 0x8E82:
            return u'\u6301'; // a kanji whose trailing byte is a leading byte's value
        default:
            return u'\u30FB';
        }
    }
    char16_t Single(uint8_t byte) const {
        if (byte < 0x80) {
            return byte;
        }
        if (!m_doubleByte) {
            return byte == 0x82 ? u'\u00E9' : byte == 0x81 ? u'\u00FC' : u'?';
        }
        return u'?'; // a leading byte alone
    }

    bool m_doubleByte;
};

} // namespace fakes
