// What a drawn control shows, as plain data: the portable code decides every rectangle, text and icon,
// and the host only paints the list in order. Pictures compare equal item by item, so a test checks a
// layout without a screen.
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "ui/Types.h"

namespace ui {

enum class Align { Left, Center, Right };

// kDefaultColor in an item means the system's colour for that part: the dialog face for fills and
// the background, the window-text colour for texts and lines.
struct PictureFill {
    Rect rect;
    Color color = kDefaultColor;
    bool operator==(const PictureFill&) const = default;
};

// One line of text, centred vertically in its rectangle and cut with an ellipsis at the end when it
// does not fit. '&' is shown as it is: names from the air are not mnemonics.
struct PictureText {
    Rect rect;
    std::u16string text;
    Font font;
    Color color = kDefaultColor;
    Align align = Align::Left;
    bool operator==(const PictureText&) const = default;
};

// An icon of the program's resources, drawn at the rectangle's size.
struct PictureIcon {
    Rect rect;
    int resource = 0;
    bool operator==(const PictureIcon&) const = default;
};

struct PictureLine {
    Point from;
    Point to;
    Color color = kDefaultColor;
    int width = 1;
    bool operator==(const PictureLine&) const = default;
};

using PictureItem = std::variant<PictureFill, PictureText, PictureIcon, PictureLine>;

struct Picture {
    int width = 0;
    int height = 0;
    Color background = kDefaultColor;
    std::vector<PictureItem> items; // in paint order: later items cover earlier ones

    Picture& Fill(Rect rect, Color color) {
        items.emplace_back(PictureFill{rect, color});
        return *this;
    }
    Picture& Text(Rect rect, std::u16string text, Font font, Color color = kDefaultColor,
                  Align align = Align::Left) {
        items.emplace_back(PictureText{rect, std::move(text), std::move(font), color, align});
        return *this;
    }
    Picture& Icon(Rect rect, int resource) {
        items.emplace_back(PictureIcon{rect, resource});
        return *this;
    }
    Picture& Line(Point from, Point to, Color color = kDefaultColor, int penWidth = 1) {
        items.emplace_back(PictureLine{from, to, color, penWidth});
        return *this;
    }

    // The texts a reader of the screen would read, in paint order; empty texts show nothing and are
    // left out.
    std::vector<std::u16string> Texts() const {
        std::vector<std::u16string> texts;
        for (const PictureItem& item : items) {
            if (const auto* text = std::get_if<PictureText>(&item); text != nullptr && !text->text.empty()) {
                texts.push_back(text->text);
            }
        }
        return texts;
    }
    // The texts one a line: what a drawn control gives as its own text to screen readers and tests.
    std::u16string JoinedTexts() const {
        std::u16string joined;
        for (const std::u16string& text : Texts()) {
            if (!joined.empty()) {
                joined += u'\n';
            }
            joined += text;
        }
        return joined;
    }

    bool operator==(const Picture&) const = default;
};

} // namespace ui
