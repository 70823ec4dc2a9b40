#include "controls/MarkupLayout.h"

#include <algorithm>

namespace {

struct LinePiece {
    std::u16string text;
    MarkupStyle style;
    int width = 0;
    int height = 0;
};

// Splits a run into words, each with the blanks that follow it, so that a line never starts with the
// blank that separated it from the previous one.
std::vector<std::u16string> Words(std::u16string_view text) {
    std::vector<std::u16string> words;
    std::u16string current;
    bool inBlanks = false;
    for (char16_t c : text) {
        bool blank = c == u' ' || c == u'\t';
        if (!blank && inBlanks) {
            words.push_back(std::move(current));
            current.clear();
            inBlanks = false;
        }
        current += blank ? u' ' : c;
        inBlanks = inBlanks || blank;
    }
    if (!current.empty()) {
        words.push_back(std::move(current));
    }
    return words;
}

class LineBuilder {
public:
    LineBuilder(MarkupLayout& layout, int left, int right, MarkupAlignment alignment,
                MarkupMeasurer& measurer)
        : m_layout(layout), m_left(left), m_right(right), m_alignment(alignment), m_measurer(measurer) {}

    int Available() const { return std::max(0, m_right - m_left); }
    int Used() const { return m_used; }
    bool Empty() const { return m_pieces.empty(); }

    void Add(LinePiece piece) {
        m_used += piece.width;
        m_lineHeight = std::max(m_lineHeight, piece.height);
        m_centred = m_centred || piece.style.IsCentred();
        // Neighbouring words of one style share a piece, so a link gets one rectangle per line.
        if (!m_pieces.empty() && m_pieces.back().style == piece.style) {
            m_pieces.back().text += piece.text;
            m_pieces.back().width += piece.width;
            m_pieces.back().height = std::max(m_pieces.back().height, piece.height);
        } else {
            m_pieces.push_back(std::move(piece));
        }
    }

    // Ends the line; an empty line still takes the height of the style it was broken in.
    void Finish(int emptyHeight) {
        if (m_pieces.empty()) {
            m_top += emptyHeight;
            Reset();
            return;
        }
        // Trailing blanks do not count for centring.
        LinePiece& last = m_pieces.back();
        size_t kept = last.text.find_last_not_of(u' ');
        if (kept != std::u16string::npos && kept + 1 < last.text.size()) {
            std::u16string trimmed = last.text.substr(0, kept + 1);
            int trimmedWidth = m_measurer.TextWidth(trimmed, last.style);
            m_used -= last.width - trimmedWidth;
            last.width = trimmedWidth;
            last.text = std::move(trimmed);
        }
        // A line wider than the space starts at the left edge, so its beginning stays readable.
        int spare = std::max(0, Available() - m_used);
        int x = m_left;
        if (m_centred || m_alignment == MarkupAlignment::Centre) {
            x += spare / 2;
        } else if (m_alignment == MarkupAlignment::Right) {
            x += spare;
        }
        for (LinePiece& piece : m_pieces) {
            PlacedText placed;
            placed.rect = {x, m_top, x + piece.width, m_top + m_lineHeight};
            if (piece.style.IsSubscript()) {
                placed.baselineShift = piece.height / 3;
            } else if (piece.style.IsSuperscript()) {
                placed.baselineShift = -piece.height / 3;
            }
            if (!piece.style.link.empty()) {
                m_layout.hotRects.push_back({placed.rect, piece.style.link});
            }
            placed.text = std::move(piece.text);
            placed.style = std::move(piece.style);
            m_layout.texts.push_back(std::move(placed));
            x += piece.width;
        }
        m_top += m_lineHeight;
        Reset();
    }

    int Top() const { return m_top; }
    void SetTop(int top) { m_top = top; }

private:
    void Reset() {
        m_pieces.clear();
        m_used = 0;
        m_lineHeight = 0;
        m_centred = false;
    }

    MarkupLayout& m_layout;
    int m_left;
    int m_right;
    MarkupAlignment m_alignment;
    MarkupMeasurer& m_measurer;
    std::vector<LinePiece> m_pieces;
    int m_used = 0;
    int m_lineHeight = 0;
    int m_top = 0;
    bool m_centred = false;
};

void PlaceWords(LineBuilder& line, std::u16string_view text, const MarkupStyle& style, int height,
                MarkupMeasurer& measurer) {
    for (std::u16string& word : Words(text)) {
        int wordWidth = measurer.TextWidth(word, style);
        // The blanks after a word may hang over the edge: only the word itself has to fit.
        size_t inked = word.find_last_not_of(u' ');
        int inkWidth =
            inked == std::u16string::npos
                ? 0
                : (inked + 1 == word.size() ? wordWidth
                                            : measurer.TextWidth(word.substr(0, inked + 1), style));
        if (!line.Empty() && line.Used() + inkWidth > line.Available()) {
            // The blank that ended the previous word is not drawn at the end of the line.
            line.Finish(height);
        }
        if (line.Empty() && word.find_first_not_of(u' ') == std::u16string::npos) {
            continue; // no line starts with blanks carried over from a wrap
        }
        line.Add({std::move(word), style, wordWidth, height});
    }
}

} // namespace

MarkupLayout LayoutMarkup(const std::vector<MarkupItem>& items, int width, int leftMargin, int rightMargin,
                          MarkupMeasurer& measurer, MarkupAlignment alignment) {
    MarkupLayout layout;
    LineBuilder line(layout, leftMargin, width - rightMargin, alignment, measurer);
    MarkupStyle lastStyle;
    for (const MarkupItem& item : items) {
        lastStyle = item.style;
        if (item.kind == MarkupItem::Kind::LineBreak) {
            line.Finish(measurer.LineHeight(item.style));
            continue;
        }
        if (item.kind == MarkupItem::Kind::Rule) {
            if (!line.Empty()) {
                line.Finish(0);
            }
            int top = line.Top() + 2;
            layout.rules.push_back({{0, top, width, top + item.ruleSize}});
            line.SetTop(top + item.ruleSize + 2);
            continue;
        }
        int height = measurer.LineHeight(item.style);
        // The parser turns line feeds into breaks; items made elsewhere may still carry them.
        std::u16string_view rest = item.text;
        for (size_t feed = rest.find(u'\n'); feed != std::u16string_view::npos; feed = rest.find(u'\n')) {
            PlaceWords(line, rest.substr(0, feed), item.style, height, measurer);
            line.Finish(height);
            rest.remove_prefix(feed + 1);
        }
        PlaceWords(line, rest, item.style, height, measurer);
    }
    if (!line.Empty()) {
        line.Finish(measurer.LineHeight(lastStyle));
    }
    layout.height = line.Top();
    return layout;
}

const std::u16string* HitLink(const MarkupLayout& layout, int x, int y) {
    for (const HotRect& hot : layout.hotRects) {
        if (hot.rect.Contains(x, y)) {
            return &hot.target;
        }
    }
    return nullptr;
}
