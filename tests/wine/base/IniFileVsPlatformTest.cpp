// The IniFile reader and the platform's GetPrivateProfileStringW, side by side on the same files and
// the same questions: every answer (text and returned length) must be the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/Encoding.h"
#include "base/IniFile.h"

namespace fs = std::filesystem;

namespace {

struct Case {
    std::string name;
    std::string bytes;                    // file content; ignored when missing
    bool missing = false;                 // no file at all
    bool missingFolder = false;           // not even its folder
    std::vector<std::u16string> sections; // asked in addition to the common ones
    std::vector<std::u16string> keys;
};

std::string Utf16Le(const std::u16string& text, bool bom = true) {
    std::string out = bom ? "\xFF\xFE" : "";
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

std::string Utf16Be(const std::u16string& text) {
    std::string out = "\xFE\xFF";
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c >> 8));
        out.push_back(static_cast<char>(c & 0xFF));
    }
    return out;
}

std::string Utf8(const std::u16string& text) {
    return base::Utf16ToUtf8(text);
}

std::vector<Case> Cases() {
    std::vector<Case> c;
    c.push_back({"plain", "[S]\r\nk=value\r\nK2=two\r\n", false, false, {}, {u"K2"}});
    c.push_back({"lf_only", "[S]\nk=value\nother=1\n", false, false, {}, {u"other"}});
    c.push_back({"cr_only", "[S]\rk=value\rnext=2\r", false, false, {}, {u"next"}});
    c.push_back({"mixed_line_ends", "[S]\r\n\r\n\nk=v1\n\r\rj=v2\r\n", false, false, {}, {u"j"}});
    c.push_back({"no_final_newline", "[S]\nk=last", false, false, {}, {}});
    c.push_back({"utf16le",
                 Utf16Le(u"[S]\r\nk=Grüße Привет\r\n[Ωμέγα]\r\nk=greek\r\n"),
                 false,
                 false,
                 {u"ωμέγα", u"ΩΜΈΓΑ"},
                 {}});
    c.push_back({"utf16be", Utf16Be(u"[S]\r\nk=big endian\r\n"), false, false, {}, {}});
    c.push_back({"utf8_bom",
                 "\xEF\xBB\xBF" + Utf8(u"[S]\nk=Grüße € \nü=umlaut key\n"),
                 false,
                 false,
                 {},
                 {u"ü", u"Ü"}});
    c.push_back({"utf8_no_bom", Utf8(u"[S]\nk=Grüße\n"), false, false, {}, {}});
    c.push_back({"ansi_high",
                 "[S]\nk=Gr\xFC\xDF"
                 "e \x80\x81\x9F\n\xC4k=upper\n",
                 false,
                 false,
                 {},
                 {u"\u00C4k", u"\u00E4K"}});
    c.push_back({"blanks", "  [S]  \n \t k \t = \t v a l \t \n", false, false, {}, {}});
    c.push_back({"inner_section_blanks", "[ S ]\nk=spaced\n[T ]\nk=t\n", false, false, {u" S ", u"T"}, {}});
    c.push_back({"quotes",
                 "[S]\nk=\"quoted\"\nq1='single'\nq2=\"  inner  \"\nq3=\"open\nq4=\"\nq5=\"mixed'\nq6=''\n"
                 "q7=  \"x\"  \nq8=\"a\"b\"\n",
                 false,
                 false,
                 {},
                 {u"q1", u"q2", u"q3", u"q4", u"q5", u"q6", u"q7", u"q8"}});
    c.push_back({"comments",
                 "; comment=yes\n[S]\n;k=commented\nk=real\n# hash=h\n",
                 false,
                 false,
                 {},
                 {u";k", u"; comment", u"# hash"}});
    c.push_back(
        {"duplicate_sections", "[S]\nk=first\n[s]\nk=second\nonly=in second\n", false, false, {}, {u"only"}});
    c.push_back({"duplicate_keys", "[S]\nk=first\nK=second\n k =third\n", false, false, {}, {}});
    c.push_back({"no_equals", "[S]\nk\nflag\nk=later\n", false, false, {}, {u"flag"}});
    c.push_back({"nameless_key", "[S]\n=nameless\n  =  also\n", false, false, {}, {}});
    c.push_back({"before_sections", "k=top\n[S]\nk=s\n[]\nk=empty section\n", false, false, {}, {}});
    c.push_back({"long_line", "[S]\nk=" + std::string(70000, 'x') + "\n", false, false, {}, {}});
    c.push_back({"long_key",
                 "[S]\n" + std::string(3000, 'K') + "=long key\n",
                 false,
                 false,
                 {},
                 {std::u16string(3000, u'k')}});
    c.push_back({"empty", "", false, false, {}, {}});
    c.push_back({"missing", "", true, false, {}, {}});
    c.push_back({"missing_folder", "", false, true, {}, {}});
    {
        std::mt19937 random(1234);
        std::string garbage;
        for (int i = 0; i < 20000; ++i) {
            garbage.push_back(static_cast<char>(random() % 256));
        }
        c.push_back({"binary", garbage, false, false, {}, {}});
    }
    {
        std::string bytes = "[S]\nk=ab";
        bytes.push_back('\0');
        bytes += "cd\nz";
        bytes.push_back('\0');
        bytes += "z=zero key\n";
        c.push_back({"nul_bytes", bytes, false, false, {}, {u"z"}});
    }
    c.push_back({"control_z", "[S]\x1A\nk=\x1Avalue\x1A\n\x1A", false, false, {}, {}});
    c.push_back({"bad_header", "[S\nk=no header\n[S]\nk=after\n", false, false, {u"[S"}, {u"[S"}});
    c.push_back({"bracket_tricks", "[a]b]\nk=ab\n[S] trailing\nk=trail\n", false, false, {u"a]b", u"a"}, {}});
    c.push_back({"empty_value", "[S]\nk=\nj=   \n", false, false, {}, {u"j"}});
    c.push_back({"equals_in_value", "[S]\nk=a=b=c\n", false, false, {}, {}});
    c.push_back({"bom_only", "\xFF\xFE", false, false, {}, {}});
    c.push_back({"utf16_odd", Utf16Le(u"[S]\nk=odd") + "\x41", false, false, {}, {}});
    c.push_back({"utf8_invalid",
                 "\xEF\xBB\xBF[S]\nk=a\xFF"
                 "b\xC3(c\n",
                 false,
                 false,
                 {},
                 {}});
    {
        std::string many;
        for (int i = 0; i < 300; ++i) {
            many += "[Sec" + std::to_string(i) + "]\nk=v" + std::to_string(i) + "\n";
        }
        c.push_back({"many_sections", many, false, false, {u"Sec0", u"sec150", u"SEC299", u"Sec300"}, {}});
    }
    c.push_back({"only_header", "[S]", false, false, {}, {}});
    c.push_back(
        {"language_file",
         "[MAIN]\r\nMainTitle=Orvelin KG515v2 Link Warden\r\nMsg_0206=Reinstall/Upgrade complete.\r\n"
         "Two=first\\nsecond\r\nQuote=say \\\"hi\\\"\r\n[IDD_DIALOG_INSTER_ADAPTER]\r\n10030=Text\r\n",
         false,
         false,
         {u"MAIN", u"IDD_DIALOG_INSTER_ADAPTER"},
         {u"MainTitle", u"Msg_0206", u"Two", u"Quote", u"10030"}});
    c.push_back({"tabs", "[S]\nk\t=\tv\t\n", false, false, {}, {}});
    c.push_back({"blank_lines_only", "   \n\t\n \r\n", false, false, {}, {}});
    c.push_back({"cyrillic_keys",
                 Utf16Le(u"[Меню]\r\nКлюч=значение\r\n"),
                 false,
                 false,
                 {u"меню", u"МЕНЮ"},
                 {u"ключ", u"КЛЮЧ"}});
    c.push_back({"latin_case", Utf16Le(u"[ÉTÉ]\r\nÀB=accent\r\n"), false, false, {u"été"}, {u"àb", u"Àb"}});
    c.push_back({"nbsp", Utf16Le(u"[S]\r\n\u00A0k\u00A0=\u00A0v\u00A0\r\n"), false, false, {}, {u"\u00A0k"}});
    c.push_back({"value_spaces_in_quotes", "[S]\nk= ' a ' \n", false, false, {}, {}});
    c.push_back({"crlf_in_utf16", Utf16Le(u"[S]\rk=cr\r\nj=crlf\n\nl=lf\n"), false, false, {}, {u"j", u"l"}});
    return c;
}

std::u16string TempFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, path);
    std::u16string folder = reinterpret_cast<const char16_t*>(path);
    folder += u"kt_ini_compare_" + base::Utf8ToUtf16(std::to_string(GetCurrentProcessId()));
    return folder;
}

struct Answer {
    uint32_t length;
    std::u16string text;
    bool untouchedTail;
};

constexpr char16_t kSentinel = 0xBEEF;

template <typename Reader> Answer Ask(Reader reader, uint32_t size) {
    std::vector<char16_t> buffer(size + 8, kSentinel);
    uint32_t n = reader(buffer.data(), size);
    Answer a{n, {}, true};
    for (uint32_t i = 0; i < size && buffer[i] != 0; ++i) {
        a.text.push_back(buffer[i]);
    }
    for (size_t i = size; i < buffer.size(); ++i) {
        a.untouchedTail = a.untouchedTail && buffer[i] == kSentinel;
    }
    return a;
}

std::string Show(const std::u16string& s) {
    std::string out = base::Utf16ToUtf8(s.size() > 60 ? s.substr(0, 60) + u"..." : s);
    return "\"" + out + "\" (" + std::to_string(s.size()) + " units)";
}

} // namespace

TEST(IniFileVsPlatform, SameAnswersOnEveryFile) {
    const std::u16string folder = TempFolder();
    fs::create_directories(fs::path(folder));
    const auto cases = Cases();
    ASSERT_GE(cases.size(), 40u);

    const std::vector<std::u16string> commonSections = {u"S", u"s", u" S ", u"", u"MAIN", u"Missing"};
    const std::vector<std::u16string> commonKeys = {u"k", u"K", u" k ", u"", u"missing"};
    const std::vector<std::u16string> defaults = {u"", u"dflt", u"\"quoted default\"  ", u"'x'", u"  "};
    const std::vector<uint32_t> sizes = {1, 2, 4, 256, 100000};

    size_t compared = 0;
    for (const Case& c : cases) {
        std::u16string path = folder + u"\\" + base::Utf8ToUtf16(c.name) + u".ini";
        if (c.missingFolder) {
            path = folder + u"\\no_such_folder\\" + base::Utf8ToUtf16(c.name) + u".ini";
        } else if (!c.missing) {
            std::ofstream(fs::path(path), std::ios::binary) << c.bytes;
        }
        auto sections = commonSections;
        sections.insert(sections.end(), c.sections.begin(), c.sections.end());
        auto keys = commonKeys;
        keys.insert(keys.end(), c.keys.begin(), c.keys.end());

        for (const auto& section : sections) {
            for (const auto& key : keys) {
                for (const auto& dflt : defaults) {
                    for (uint32_t size : sizes) {
                        Answer mine = Ask(
                            [&](char16_t* b, uint32_t n) {
                                return base::IniFile::GetString(path, section, key, dflt, b, n);
                            },
                            size);
                        Answer platform = Ask(
                            [&](char16_t* b, uint32_t n) {
                                return static_cast<uint32_t>(GetPrivateProfileStringW(
                                    reinterpret_cast<const wchar_t*>(section.c_str()),
                                    reinterpret_cast<const wchar_t*>(key.c_str()),
                                    reinterpret_cast<const wchar_t*>(dflt.c_str()),
                                    reinterpret_cast<wchar_t*>(b), n,
                                    reinterpret_cast<const wchar_t*>(path.c_str())));
                            },
                            size);
                        ++compared;
                        EXPECT_TRUE(mine.text == platform.text && mine.length == platform.length)
                            << "file " << c.name << ", [" << Show(section) << "] " << Show(key)
                            << ", default " << Show(dflt) << ", size " << size << ": IniFile "
                            << Show(mine.text) << " returned " << mine.length << ", platform "
                            << Show(platform.text) << " returned " << platform.length;
                        EXPECT_TRUE(mine.untouchedTail) << "IniFile wrote past the buffer: " << c.name;
                    }
                }
            }
        }
    }
    std::printf("compared %zu lookups over %zu files\n", compared, cases.size());
    fs::remove_all(fs::path(folder));
}
