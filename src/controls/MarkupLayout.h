// Where the items of a parsed mark-up go: word wrapping at the right edge, centred lines, rules across
// the whole width, and one hot rectangle per drawn piece of link text. The window class only paints
// what this decided, through a measurer that knows its fonts.
#pragma once

#include <string>
#include <vector>

#include "controls/MarkupParser.h"

struct MarkupRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const MarkupRect&) const = default;
};

class MarkupMeasurer {
public:
    virtual ~MarkupMeasurer() = default;
    // Width of the text in the style's font.
    virtual int TextWidth(std::u16string_view text, const MarkupStyle& style) = 0;
    // Height of a line in the style's font.
    virtual int LineHeight(const MarkupStyle& style) = 0;
};

struct PlacedText {
    std::u16string text;
    MarkupStyle style;
    MarkupRect rect;
    int baselineShift = 0; // subscript down (+), superscript up (-)
};

struct PlacedRule {
    MarkupRect rect;
};

struct HotRect {
    MarkupRect rect;
    std::u16string target;
};

struct MarkupLayout {
    std::vector<PlacedText> texts;
    std::vector<PlacedRule> rules;
    std::vector<HotRect> hotRects;
    int height = 0;
};

// How lines sit between the margins when no <CENTER> asks for the middle: the alignment of the static
// control whose text the mark-up is.
enum class MarkupAlignment { Left, Centre, Right };

// `width` is the client width; text goes between the margins, rules across the whole width.
MarkupLayout LayoutMarkup(const std::vector<MarkupItem>& items, int width, int leftMargin, int rightMargin,
                          MarkupMeasurer& measurer, MarkupAlignment alignment = MarkupAlignment::Left);

// The link target under a point, or null.
const std::u16string* HitLink(const MarkupLayout& layout, int x, int y);
