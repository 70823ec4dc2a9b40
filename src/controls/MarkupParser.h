// The mark-up of CMarkupStatic turned into drawable items: runs of text with their style, line breaks
// and horizontal rules. Pure text processing, so that every rule can be checked without a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/CNamedColors.h"

// Entities become a marker unit followed by the entity's number before the tags are read, so that
// "&lt;B&gt;" is never taken for a tag.
constexpr char16_t kEntityMarker = 0x0001;

// Replaces the entity names (case-sensitive, as written) by their tokens.
std::u16string ReplaceEntities(std::u16string_view text);
// The character a token number stands for; a number that is no entity gives a space.
char16_t EntityCharacter(char16_t number);
// Turns the tokens of a text into their characters.
std::u16string DecodeEntityTokens(std::u16string_view text);

struct MarkupStyle {
    // Nesting counters: a style is on while its counter is above zero.
    int bold = 0;
    int italic = 0;
    int underline = 0;
    int strike = 0;
    int centre = 0;
    int subscript = 0;
    int superscript = 0;
    int code = 0;
    int sizeStep = 0;                       // <BIG> +1, <SMALL> -1
    std::optional<int> fontSize;            // FONT SIZE, 1-7 as in HTML
    std::u16string face;                    // FONT FACE; empty: the base font's
    std::optional<CNamedColors> colour;     // FONT COLOR; none: the control's text colour
    std::optional<CNamedColors> background; // FONT BGCOLOR; none: the control's background
    std::u16string link;                    // target of the <A HREF> the text is in; empty: none

    bool IsBold() const { return bold > 0; }
    bool IsItalic() const { return italic > 0; }
    bool IsUnderline() const { return underline > 0 || !link.empty(); }
    bool IsStrike() const { return strike > 0; }
    bool IsCentred() const { return centre > 0; }
    bool IsSubscript() const { return subscript > 0; }
    bool IsSuperscript() const { return superscript > 0; }
    bool IsCode() const { return code > 0; }
    bool operator==(const MarkupStyle& other) const;
};

struct MarkupItem {
    enum class Kind { Text, LineBreak, Rule };
    Kind kind = Kind::Text;
    std::u16string text; // Kind::Text, entities already decoded
    MarkupStyle style;
    int ruleSize = 2; // Kind::Rule: thickness in pixels
};

// Parses the mark-up (entities are replaced first). `base` is the style the text starts from.
std::vector<MarkupItem> ParseMarkup(std::u16string_view markup, const MarkupStyle& base = {});

// The value of an attribute in a tag's text ("FONT COLOR=\"red\" SIZE=3"): quoted or bare, name
// compared without regard to case; nullopt when absent.
std::optional<std::u16string> TagAttribute(std::u16string_view tag, std::u16string_view name);
