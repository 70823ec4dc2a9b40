#include "profiles/KeyMaterial.h"

#include <cstdio>

#include "base/Md5.h"

namespace profiles {
namespace {

constexpr size_t kMaxPassphraseBytes = 255;
constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

} // namespace

std::vector<uint8_t> PassphraseBytes(const platform::AnsiCodePage& codePage, std::u16string_view passphrase) {
    // The text ends at a zero unit, as the edit field's does.
    return codePage.ToAnsi(passphrase.substr(0, passphrase.find(u'\0')), kMaxPassphraseBytes);
}

bool GenerateWep64Keys(std::span<const uint8_t> passphrase, Wep64Keys& keys) {
    if (passphrase.empty()) {
        return false;
    }
    uint8_t seedBytes[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < passphrase.size(); ++i) {
        seedBytes[i % 4] ^= passphrase[i];
    }
    uint32_t seed = uint32_t{seedBytes[0]} | (uint32_t{seedBytes[1]} << 8) | (uint32_t{seedBytes[2]} << 16) |
                    (uint32_t{seedBytes[3]} << 24);
    for (auto& key : keys) {
        for (uint8_t& byte : key) {
            seed = seed * 214013u + 2531011u;
            byte = static_cast<uint8_t>(seed >> 16);
        }
    }
    for (int k = 0; k < 4; ++k) {
        const auto& key = keys[static_cast<size_t>(k)];
        std::printf("Key%d=%02x%02x%02x%02x%02x\n", k, key[0], key[1], key[2], key[3], key[4]);
    }
    return true;
}

bool GenerateWep128Key(std::span<const uint8_t> passphrase, Wep128Key& key) {
    if (passphrase.empty()) {
        return false;
    }
    uint8_t block[64];
    for (size_t i = 0; i < sizeof block; ++i) {
        block[i] = passphrase[i % passphrase.size()];
    }
    base::Md5::Digest digest = base::Md5::Of(block);
    for (size_t i = 0; i < key.size(); ++i) {
        key[i] = digest[i];
    }
    for (uint8_t byte : key) {
        std::printf("%02x", byte);
    }
    std::printf("\n");
    return true;
}

std::u16string FormatKeyHex(const uint8_t* bytes, size_t count, size_t width) {
    std::u16string text(width, u'0');
    size_t pos = width;
    for (size_t i = count; i > 0 && pos >= 2; --i) {
        pos -= 2;
        text[pos] = kHexDigits[bytes[i - 1] >> 4];
        text[pos + 1] = kHexDigits[bytes[i - 1] & 0xF];
    }
    return text;
}

std::u16string AsciiKeyToHex(std::u16string_view text) {
    std::u16string hex;
    hex.reserve(text.size() * 2);
    for (char16_t c : text) {
        hex.push_back(kHexDigits[(c >> 4) & 0xF]);
        hex.push_back(kHexDigits[c & 0xF]);
    }
    return hex;
}

bool IsHexText(std::u16string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char16_t c : text) {
        bool hex = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        if (!hex && c >= 0x20) {
            return false;
        }
    }
    return true;
}

std::optional<std::array<std::u16string, 4>>
GenerateWepKeyTexts(const platform::AnsiCodePage& codePage, std::u16string_view passphrase, bool use128) {
    std::vector<uint8_t> bytes = PassphraseBytes(codePage, passphrase);
    std::array<std::u16string, 4> texts;
    if (use128) {
        Wep128Key key{};
        if (!GenerateWep128Key(bytes, key)) {
            return std::nullopt;
        }
        texts.fill(FormatKeyHex(key.data(), key.size(), 26));
        return texts;
    }
    Wep64Keys keys{};
    if (!GenerateWep64Keys(bytes, keys)) {
        return std::nullopt;
    }
    for (size_t k = 0; k < 4; ++k) {
        texts[k] = FormatKeyHex(keys[k].data(), keys[k].size(), 10);
    }
    return texts;
}

} // namespace profiles
