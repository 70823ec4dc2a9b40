#include "controls/CNamedColors.h"

#include <array>

#include "base/Text.h"

namespace {

struct HtmlColour {
    std::u16string_view name;
    uint32_t rgb; // 0xRRGGBB as written in HTML
};

struct SystemColour {
    std::u16string_view name;
    int index;
};

// The HTML names with their values as this control has always drawn them; three differ from the
// usual values (BlanchedAlmond, Gray, YellowGreen) and are kept so that existing pages look the same.
constexpr std::array<HtmlColour, 140> kHtmlColours = {{
    {u"AliceBlue", 0xF0F8FF},
    {u"AntiqueWhite", 0xFAEBD7},
    {u"Aqua", 0x00FFFF},
    {u"Aquamarine", 0x7FFFD4},
    {u"Azure", 0xF0FFFF},
    {u"Beige", 0xF5F5DC},
    {u"Bisque", 0xFFE4C4},
    {u"Black", 0x000000},
    {u"BlanchedAlmond", 0xFFFFCD},
    {u"Blue", 0x0000FF},
    {u"BlueViolet", 0x8A2BE2},
    {u"Brown", 0xA52A2A},
    {u"Burlywood", 0xDEB887},
    {u"CadetBlue", 0x5F9EA0},
    {u"Chartreuse", 0x7FFF00},
    {u"Chocolate", 0xD2691E},
    {u"Coral", 0xFF7F50},
    {u"CornflowerBlue", 0x6495ED},
    {u"Cornsilk", 0xFFF8DC},
    {u"Crimson", 0xDC143C},
    {u"Cyan", 0x00FFFF},
    {u"DarkBlue", 0x00008B},
    {u"DarkCyan", 0x008B8B},
    {u"DarkGoldenRod", 0xB8860B},
    {u"DarkGray", 0xA9A9A9},
    {u"DarkGreen", 0x006400},
    {u"DarkKhaki", 0xBDB76B},
    {u"DarkMagenta", 0x8B008B},
    {u"DarkOliveGreen", 0x556B2F},
    {u"DarkOrange", 0xFF8C00},
    {u"DarkOrchid", 0x9932CC},
    {u"DarkRed", 0x8B0000},
    {u"DarkSalmon", 0xE9967A},
    {u"DarkSeaGreen", 0x8FBC8F},
    {u"DarkSlateBlue", 0x483D8B},
    {u"DarkSlateGray", 0x2F4F4F},
    {u"DarkTurquoise", 0x00CED1},
    {u"DarkViolet", 0x9400D3},
    {u"DeepPink", 0xFF1493},
    {u"DeepSkyBlue", 0x00BFFF},
    {u"DimGray", 0x696969},
    {u"DodgerBlue", 0x1E90FF},
    {u"FireBrick", 0xB22222},
    {u"FloralWhite", 0xFFFAF0},
    {u"ForestGreen", 0x228B22},
    {u"Fuchsia", 0xFF00FF},
    {u"Gainsboro", 0xDCDCDC},
    {u"GhostWhite", 0xF8F8FF},
    {u"Gold", 0xFFD700},
    {u"GoldenRod", 0xDAA520},
    {u"Gray", 0x7F7F7F},
    {u"Green", 0x008000},
    {u"GreenYellow", 0xADFF2F},
    {u"HoneyDew", 0xF0FFF0},
    {u"HotPink", 0xFF69B4},
    {u"IndianRed", 0xCD5C5C},
    {u"Indigo", 0x4B0082},
    {u"Ivory", 0xFFFFF0},
    {u"Khaki", 0xF0E68C},
    {u"Lavender", 0xE6E6FA},
    {u"LavenderBlush", 0xFFF0F5},
    {u"Lawngreen", 0x7CFC00},
    {u"LemonChiffon", 0xFFFACD},
    {u"LightBlue", 0xADD8E6},
    {u"LightCoral", 0xF08080},
    {u"LightCyan", 0xE0FFFF},
    {u"LightGoldenRodYellow", 0xFAFAD2},
    {u"LightGreen", 0x90EE90},
    {u"LightGrey", 0xD3D3D3},
    {u"LightPink", 0xFFB6C1},
    {u"LightSalmon", 0xFFA07A},
    {u"LightSeaGreen", 0x20B2AA},
    {u"LightSkyBlue", 0x87CEFA},
    {u"LightSlateGray", 0x778899},
    {u"LightSteelBlue", 0xB0C4DE},
    {u"LightYellow", 0xFFFFE0},
    {u"Lime", 0x00FF00},
    {u"LimeGreen", 0x32CD32},
    {u"Linen", 0xFAF0E6},
    {u"Magenta", 0xFF00FF},
    {u"Maroon", 0x800000},
    {u"MediumAquaMarine", 0x66CDAA},
    {u"MediumBlue", 0x0000CD},
    {u"MediumOrchid", 0xBA55D3},
    {u"MediumPurple", 0x9370DB},
    {u"MediumSeaGreen", 0x3CB371},
    {u"MediumSlateBlue", 0x7B68EE},
    {u"MediumSpringGreen", 0x00FA9A},
    {u"MediumTurquoise", 0x48D1CC},
    {u"MediumVioletRed", 0xC71585},
    {u"MidnightBlue", 0x191970},
    {u"MintCream", 0xF5FFFA},
    {u"MistyRose", 0xFFE4E1},
    {u"Moccasin", 0xFFE4B5},
    {u"NavajoWhite", 0xFFDEAD},
    {u"Navy", 0x000080},
    {u"OldLace", 0xFDF5E6},
    {u"Olive", 0x808000},
    {u"OliveDrab", 0x6B8E23},
    {u"Orange", 0xFFA500},
    {u"OrangeRed", 0xFF4500},
    {u"Orchid", 0xDA70D6},
    {u"PaleGoldenRod", 0xEEE8AA},
    {u"PaleGreen", 0x98FB98},
    {u"PaleTurquoise", 0xAFEEEE},
    {u"PaleVioletRed", 0xDB7093},
    {u"PapayaWhip", 0xFFEFD5},
    {u"PeachPuff", 0xFFDAB9},
    {u"Peru", 0xCD853F},
    {u"Pink", 0xFFC0CB},
    {u"Plum", 0xDDA0DD},
    {u"PowderBlue", 0xB0E0E6},
    {u"Purple", 0x800080},
    {u"Red", 0xFF0000},
    {u"RosyBrown", 0xBC8F8F},
    {u"RoyalBlue", 0x4169E1},
    {u"SaddleBrown", 0x8B4513},
    {u"Salmon", 0xFA8072},
    {u"SandyBrown", 0xF4A460},
    {u"SeaGreen", 0x2E8B57},
    {u"SeaShell", 0xFFF5EE},
    {u"Sienna", 0xA0522D},
    {u"Silver", 0xC0C0C0},
    {u"SkyBlue", 0x87CEEB},
    {u"SlateBlue", 0x6A5ACD},
    {u"SlateGray", 0x708090},
    {u"Snow", 0xFFFAFA},
    {u"SpringGreen", 0x00FF7F},
    {u"SteelBlue", 0x4682B4},
    {u"Tan", 0xD2B48C},
    {u"Teal", 0x008080},
    {u"Thistle", 0xD8BFD8},
    {u"Tomato", 0xFF6347},
    {u"Turquoise", 0x40E0D0},
    {u"Violet", 0xEE82EE},
    {u"Wheat", 0xF5DEB3},
    {u"White", 0xFFFFFF},
    {u"WhiteSmoke", 0xF5F5F5},
    {u"Yellow", 0xFFFF00},
    {u"YellowGreen", 0x8BCD32},
}};

constexpr std::array<SystemColour, 39> kSystemColours = {{
    {u"ActiveBorder", 10},
    {u"ActiveCaption", 2},
    {u"ActiveCaptionText", 9},
    {u"AppWorkspace", 12},
    {u"Background", 1},
    {u"BtnFace", 15},
    {u"BtnHighlight", 20},
    {u"BtnHilight", 20},
    {u"BtnShadow", 16},
    {u"BtnText", 18},
    {u"CaptionText", 9},
    {u"Control", 15},
    {u"ControlDark", 16},
    {u"ControlDarkDark", 21},
    {u"ControlLight", 20},
    {u"ControlLightLight", 20},
    {u"ControlText", 18},
    {u"Desktop", 1},
    {u"GradientActiveCaption", 27},
    {u"GradientInactiveCaption", 28},
    {u"GrayText", 17},
    {u"Highlight", 13},
    {u"HighlightText", 14},
    {u"HotLight", 26},
    {u"HotTrack", 26},
    {u"InactiveBorder", 11},
    {u"InactiveCaption", 3},
    {u"InactiveCaptionText", 19},
    {u"Info", 24},
    {u"InfoBk", 24},
    {u"InfoText", 23},
    {u"Menu", 4},
    {u"MenuBar", 30},
    {u"MenuHilight", 29},
    {u"MenuText", 7},
    {u"ScrollBar", 0},
    {u"Window", 5},
    {u"WindowFrame", 6},
    {u"WindowText", 8},
}};

// "r,g,b" or "r,g" (blue then 0): three decimal numbers separated by commas.
bool ParseTriple(std::u16string_view text, uint32_t& colour) {
    size_t first = text.find(u',');
    if (first == std::u16string_view::npos) {
        return false;
    }
    std::u16string_view red = text.substr(0, first);
    std::u16string_view rest = text.substr(first + 1);
    size_t second = rest.find(u',');
    std::u16string_view green = second == std::u16string_view::npos ? rest : rest.substr(0, second);
    std::u16string_view blue =
        second == std::u16string_view::npos ? std::u16string_view() : rest.substr(second + 1);
    auto component = [](std::u16string_view part) {
        return static_cast<uint32_t>(base::ParseInt(part)) & 0xFF;
    };
    colour = CNamedColors::Rgb(component(red), component(green), component(blue));
    return true;
}

bool ParseHex(std::u16string_view text, uint32_t& colour) {
    if (text.size() != 7) {
        return false;
    }
    size_t hash = text.find(u'#');
    if (hash == std::u16string_view::npos || text.size() - hash - 1 < 6) {
        return false;
    }
    int digits[6];
    for (int i = 0; i < 6; ++i) {
        digits[i] = base::HexDigitValue(text[hash + 1 + static_cast<size_t>(i)]);
        if (digits[i] < 0) {
            return false;
        }
    }
    colour = CNamedColors::Rgb(static_cast<uint32_t>(digits[0] * 16 + digits[1]),
                               static_cast<uint32_t>(digits[2] * 16 + digits[3]),
                               static_cast<uint32_t>(digits[4] * 16 + digits[5]));
    return true;
}

} // namespace

CNamedColors::CNamedColors(std::u16string_view text) {
    std::u16string_view trimmed = base::Trim(text);
    if (ParseTriple(trimmed, m_value) || ParseHex(trimmed, m_value)) {
        return;
    }
    for (const HtmlColour& entry : kHtmlColours) {
        if (base::EqualsAsciiNoCase(entry.name, trimmed)) {
            m_value = Rgb(entry.rgb >> 16, (entry.rgb >> 8) & 0xFF, entry.rgb & 0xFF);
            return;
        }
    }
    for (const SystemColour& entry : kSystemColours) {
        if (base::EqualsAsciiNoCase(entry.name, trimmed)) {
            m_value = kSystemColourFlag | static_cast<uint32_t>(entry.index);
            return;
        }
    }
    m_value = 0;
}

uint32_t CNamedColors::Resolve(const std::function<uint32_t(int index)>& systemColour) const {
    if (!IsSystemColour()) {
        return m_value;
    }
    return systemColour ? systemColour(static_cast<int>(m_value & ~kSystemColourFlag)) : 0;
}

size_t CNamedColors::NameCount() {
    return kHtmlColours.size() + kSystemColours.size();
}
