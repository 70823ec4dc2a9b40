#include "UpdateFeed.h"

#include "VersionCompare.h"
#include "base/Text.h"

#include <vector>

namespace orvl_update {
namespace {

constexpr std::u16string_view kEnglish = u"enu";
constexpr size_t kLongestFileName = 200;

std::optional<uint64_t> ParseDecimal(std::u16string_view text) {
    text = base::Trim(text);
    if (text.empty() || text.size() > 18) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<uint64_t>(c - u'0');
    }
    return value;
}

std::optional<std::string> ParseMd5(std::u16string_view text) {
    text = base::Trim(text);
    if (text.size() != 32) {
        return std::nullopt;
    }
    std::string hex;
    for (char16_t c : text) {
        char16_t lower = base::AsciiLower(c);
        if (!((lower >= u'0' && lower <= u'9') || (lower >= u'a' && lower <= u'f'))) {
            return std::nullopt;
        }
        hex += static_cast<char>(lower);
    }
    return hex;
}

// Feed texts are one line each; "\n" asks for a line break in the message box.
std::u16string Unescape(std::u16string_view text) {
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'n') {
            out += u"\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The feed is UTF-8 whether or not it carries a byte-order mark; the ini reader takes unmarked bytes
// for Windows-1252, so a mark is put in front unless the feed is marked as UTF-16.
std::vector<uint8_t> AsUtf8Unless16(std::span<const uint8_t> bytes) {
    std::vector<uint8_t> out;
    bool marked16 = bytes.size() >= 2 &&
                    ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF));
    bool marked8 = bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
    if (!marked16 && !marked8) {
        out = {0xEF, 0xBB, 0xBF};
    }
    out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

} // namespace

bool IsPlainFileName(std::u16string_view name) {
    if (name.empty() || name.size() > kLongestFileName || name == u"." || name == u"..") {
        return false;
    }
    if (name.back() == u'.' || name.back() == u' ' || name.front() == u' ') {
        return false;
    }
    for (char16_t c : name) {
        if (c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) {
            return false;
        }
    }
    return true;
}

std::optional<UpdateFeed> UpdateFeed::Parse(std::span<const uint8_t> bytes) {
    UpdateFeed feed;
    feed.m_document = base::IniDocument::Parse(AsUtf8Unless16(bytes));
    const std::u16string* version = feed.m_document.Find(u"Update", u"Version");
    const std::u16string* file = feed.m_document.Find(u"Update", u"File");
    const std::u16string* size = feed.m_document.Find(u"Update", u"Size");
    const std::u16string* md5 = feed.m_document.Find(u"Update", u"MD5");
    if (!version || !file || !size || !md5) {
        return std::nullopt;
    }
    feed.m_version = std::u16string(base::Trim(*version));
    feed.m_fileName = std::u16string(base::Trim(*file));
    std::optional<uint64_t> bytesExpected = ParseDecimal(*size);
    std::optional<std::string> digest = ParseMd5(*md5);
    if (!HasVersionNumber(feed.m_version) || !IsPlainFileName(feed.m_fileName) || !bytesExpected || !digest) {
        return std::nullopt;
    }
    feed.m_size = *bytesExpected;
    feed.m_md5 = *digest;
    return feed;
}

std::u16string UpdateFeed::Text(std::u16string_view section, std::u16string_view languageCode) const {
    const std::u16string* text = m_document.Find(section, base::Trim(languageCode));
    if (!text || base::Trim(*text).empty()) {
        text = m_document.Find(section, kEnglish);
    }
    if (!text || base::Trim(*text).empty()) {
        return {};
    }
    return Unescape(base::Trim(*text));
}

std::u16string UpdateFeed::OfferText(std::u16string_view languageCode) const {
    std::u16string text = Text(u"Offer", languageCode);
    return text.empty() ? u"Version " + m_version + u" is available." : text;
}

std::u16string UpdateFeed::ReadyText(std::u16string_view languageCode) const {
    std::u16string text = Text(u"Ready", languageCode);
    return text.empty() ? u"Version " + m_version + u" has been downloaded." : text;
}

} // namespace orvl_update
