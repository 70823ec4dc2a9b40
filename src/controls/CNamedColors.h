// A colour given as text in mark-up: "r,g,b", "#rrggbb", an HTML colour name or a system-colour name.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

class CNamedColors {
public:
    // Marks a value that is a system-colour index, resolved when the colour is used.
    static constexpr uint32_t kSystemColourFlag = 0x80000000;

    CNamedColors() = default;
    explicit CNamedColors(uint32_t value) : m_value(value) {}
    // Parses the text; a name not in the table gives black.
    explicit CNamedColors(std::u16string_view text);

    // A COLORREF (0x00bbggrr), or kSystemColourFlag | index.
    uint32_t value() const { return m_value; }
    bool IsSystemColour() const { return (m_value & kSystemColourFlag) != 0; }
    // The COLORREF to paint with; system colours through the given lookup (GetSysColor).
    uint32_t Resolve(const std::function<uint32_t(int index)>& systemColour) const;

    static constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

    // Number of entries of the name table (HTML and system names).
    static size_t NameCount();

private:
    uint32_t m_value = 0;
};
