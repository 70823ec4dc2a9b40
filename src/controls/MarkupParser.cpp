#include "controls/MarkupParser.h"

#include <array>

#include "base/Text.h"

namespace {

struct Entity {
    std::u16string_view name;
    char16_t character;
};

// Numbered from 2 in this order.
constexpr std::array<Entity, 24> kEntities = {{
    {u"&amp;", u'&'},      {u"&bull;", 0x2022},   {u"&cent;", 0x00A2},   {u"&copy;", 0x00A9},
    {u"&deg;", 0x00B0},    {u"&euro;", 0x20AC},   {u"&frac12;", 0x00BD}, {u"&frac14;", 0x00BC},
    {u"&gt;", u'>'},       {u"&iquest;", 0x00BF}, {u"&lt;", u'<'},       {u"&micro;", 0x00B5},
    {u"&middot;", 0x00B7}, {u"&nbsp;", u' '},     {u"&para;", 0x00B6},   {u"&plusmn;", 0x00B1},
    {u"&pound;", 0x00A3},  {u"&quot;", u'"'},     {u"&reg;", 0x00AE},    {u"&sect;", 0x00A7},
    {u"&sup1;", 0x00B9},   {u"&sup2;", 0x00B2},   {u"&times;", 0x00D7},  {u"&trade;", 0x2122},
}};
constexpr char16_t kFirstEntityNumber = 2;

bool IsTagStart(std::u16string_view text, size_t at) {
    if (at + 1 >= text.size()) {
        return false;
    }
    char16_t next = text[at + 1];
    return next == u'/' || (base::AsciiUpper(next) >= u'A' && base::AsciiUpper(next) <= u'Z');
}

std::u16string TagName(std::u16string_view tag) {
    size_t end = 0;
    while (end < tag.size() && !base::IsBlank(tag[end]) && tag[end] != u'=') {
        ++end;
    }
    return base::AsciiUpper(tag.substr(0, end));
}

void Adjust(int& counter, bool closing) {
    counter += closing ? -1 : 1;
}

} // namespace

bool MarkupStyle::operator==(const MarkupStyle& other) const {
    auto colourValue = [](const std::optional<CNamedColors>& c) {
        return c ? std::optional<uint32_t>(c->value()) : std::nullopt;
    };
    return bold == other.bold && italic == other.italic && underline == other.underline &&
           strike == other.strike && centre == other.centre && subscript == other.subscript &&
           superscript == other.superscript && code == other.code && sizeStep == other.sizeStep &&
           fontSize == other.fontSize && face == other.face &&
           colourValue(colour) == colourValue(other.colour) &&
           colourValue(background) == colourValue(other.background) && link == other.link;
}

std::u16string ReplaceEntities(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == u'&') {
            bool replaced = false;
            for (size_t e = 0; e < kEntities.size(); ++e) {
                if (text.substr(i, kEntities[e].name.size()) == kEntities[e].name) {
                    out += kEntityMarker;
                    out += static_cast<char16_t>(kFirstEntityNumber + e);
                    i += kEntities[e].name.size();
                    replaced = true;
                    break;
                }
            }
            if (replaced) {
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

char16_t EntityCharacter(char16_t number) {
    if (number < kFirstEntityNumber || number >= kFirstEntityNumber + kEntities.size()) {
        return u' ';
    }
    return kEntities[number - kFirstEntityNumber].character;
}

std::u16string DecodeEntityTokens(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kEntityMarker) {
            // A marker at the very end has no number: it stands for nothing drawable.
            out += i + 1 < text.size() ? EntityCharacter(text[++i]) : u' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<std::u16string> TagAttribute(std::u16string_view tag, std::u16string_view name) {
    // Skip the tag name, then read NAME=VALUE pairs.
    size_t i = 0;
    while (i < tag.size() && !base::IsBlank(tag[i])) {
        ++i;
    }
    while (i < tag.size()) {
        while (i < tag.size() && base::IsBlank(tag[i])) {
            ++i;
        }
        size_t nameStart = i;
        while (i < tag.size() && !base::IsBlank(tag[i]) && tag[i] != u'=') {
            ++i;
        }
        std::u16string_view attribute = tag.substr(nameStart, i - nameStart);
        while (i < tag.size() && base::IsBlank(tag[i])) {
            ++i;
        }
        std::u16string value;
        if (i < tag.size() && tag[i] == u'=') {
            ++i;
            while (i < tag.size() && base::IsBlank(tag[i])) {
                ++i;
            }
            if (i < tag.size() && (tag[i] == u'"' || tag[i] == u'\'')) {
                char16_t quote = tag[i++];
                size_t end = tag.find(quote, i);
                if (end == std::u16string_view::npos) {
                    end = tag.size();
                }
                value = std::u16string(tag.substr(i, end - i));
                i = end + 1;
            } else {
                size_t start = i;
                while (i < tag.size() && !base::IsBlank(tag[i])) {
                    ++i;
                }
                value = std::u16string(tag.substr(start, i - start));
            }
        }
        if (!attribute.empty() && base::EqualsAsciiNoCase(attribute, name)) {
            return value;
        }
        if (attribute.empty()) {
            ++i;
        }
    }
    return std::nullopt;
}

std::vector<MarkupItem> ParseMarkup(std::u16string_view markup, const MarkupStyle& base) {
    std::u16string text = ReplaceEntities(markup);
    std::vector<MarkupItem> items;
    MarkupStyle style = base;
    std::vector<MarkupStyle> fontStack;
    std::u16string run;

    auto flush = [&] {
        if (!run.empty()) {
            items.push_back({MarkupItem::Kind::Text, DecodeEntityTokens(run), style, 0});
            run.clear();
        }
    };

    size_t i = 0;
    while (i < text.size()) {
        char16_t c = text[i];
        // A token's number may be the code of a line feed or a return ("&gt;", "&iquest;"): it is
        // never a break.
        if (c == kEntityMarker) {
            run += text.substr(i, 2);
            i += 2;
            continue;
        }
        // Language texts end their lines with a bare line feed, other sources with CR-LF: both break.
        bool crLf = c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        if (crLf || c == u'\n') {
            flush();
            items.push_back({MarkupItem::Kind::LineBreak, {}, style, 0});
            i += crLf ? 2 : 1;
            continue;
        }
        if (c != u'<' || !IsTagStart(text, i)) {
            run += c;
            ++i;
            continue;
        }
        size_t close = text.find(u'>', i + 1);
        if (close == std::u16string::npos) {
            // An unfinished tag is text.
            run += text.substr(i);
            break;
        }
        std::u16string_view tag = std::u16string_view(text).substr(i + 1, close - i - 1);
        i = close + 1;
        bool closing = !tag.empty() && tag[0] == u'/';
        std::u16string name = TagName(closing ? tag.substr(1) : tag);

        flush();
        if (name == u"B") {
            Adjust(style.bold, closing);
        } else if (name == u"I") {
            Adjust(style.italic, closing);
        } else if (name == u"U") {
            Adjust(style.underline, closing);
        } else if (name == u"STRIKE") {
            Adjust(style.strike, closing);
        } else if (name == u"CENTER") {
            Adjust(style.centre, closing);
        } else if (name == u"SUB") {
            Adjust(style.subscript, closing);
        } else if (name == u"SUP") {
            Adjust(style.superscript, closing);
        } else if (name == u"BIG") {
            style.sizeStep += closing ? -1 : 1;
        } else if (name == u"SMALL") {
            style.sizeStep += closing ? 1 : -1;
        } else if (name == u"CODE") {
            Adjust(style.code, closing);
        } else if (name == u"FONT") {
            if (closing) {
                if (!fontStack.empty()) {
                    const MarkupStyle& saved = fontStack.back();
                    style.face = saved.face;
                    style.fontSize = saved.fontSize;
                    style.colour = saved.colour;
                    style.background = saved.background;
                    fontStack.pop_back();
                }
            } else {
                fontStack.push_back(style);
                if (auto colour = TagAttribute(tag, u"COLOR")) {
                    style.colour = CNamedColors(*colour);
                }
                if (auto background = TagAttribute(tag, u"BGCOLOR")) {
                    style.background = CNamedColors(*background);
                }
                if (auto face = TagAttribute(tag, u"FACE")) {
                    style.face = *face;
                }
                if (auto size = TagAttribute(tag, u"SIZE")) {
                    int value = base::ParseInt(*size);
                    // "+1" / "-1" are steps from the normal size 3.
                    if (!size->empty() && ((*size)[0] == u'+' || (*size)[0] == u'-')) {
                        value += 3;
                    }
                    style.fontSize = std::max(1, std::min(7, value));
                }
            }
        } else if (name == u"A") {
            if (closing) {
                style.link.clear();
            } else {
                style.link = DecodeEntityTokens(TagAttribute(tag, u"HREF").value_or(u""));
            }
        } else if (name == u"HR" && !closing) {
            MarkupItem rule{MarkupItem::Kind::Rule, {}, style, 2};
            if (auto size = TagAttribute(tag, u"SIZE")) {
                int value = base::ParseInt(*size);
                rule.ruleSize = value > 0 ? std::min(value, 100) : 2;
            }
            items.push_back(rule);
        } else if (name == u"BR") {
            items.push_back({MarkupItem::Kind::LineBreak, {}, style, 0});
        }
        // Any other tag is not drawn.
    }
    flush();
    return items;
}
