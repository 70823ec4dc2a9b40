// Every language file of the source tree against the English one, read the way the program reads it
// (the same decoding and lookup as GetLangString). A failure names the language, the section, the key
// and the rule it breaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "LanguageFileRules.h"
#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/CaseFold.h"
#include "base/IniFile.h"

using languagerules::Utf8;

namespace {

std::filesystem::path SourceRoot() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
}

std::string FolderName(int index) {
    return Utf8(LanguageRowAt(index)->folder);
}

struct Section {
    std::u16string name;
    std::vector<std::u16string> keys; // in file order, duplicates kept
};

struct LngFile {
    std::string folder;
    std::filesystem::path path;
    bool exists = false;
    std::vector<uint8_t> bytes;
    std::vector<Section> sections; // named sections only, in file order

    // The value as GetLangString gives it (one pair of surrounding quotes removed); `missing` when the
    // file has no such key.
    std::u16string Text(std::u16string_view section, std::u16string_view key,
                        std::u16string_view missing = u"\x1(missing)") const {
        return base::IniFile::GetString(path.u16string(), section, key, missing, 4096);
    }
    bool Has(std::u16string_view section, std::u16string_view key) const {
        return Text(section, key) != u"\x1(missing)";
    }
};

LngFile Load(int index) {
    LngFile file;
    file.folder = FolderName(index);
    file.path = SourceRoot() / "lang" / "Language" / file.folder / (file.folder + ".lng");
    std::ifstream in(file.path, std::ios::binary);
    file.exists = in.good();
    if (!file.exists) {
        return file;
    }
    file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    base::IniDocument document = base::IniDocument::Parse(file.bytes);
    for (size_t s = 1; s < document.SectionCount(); ++s) {
        Section section{std::u16string(document.SectionName(s)), {}};
        for (const auto& entry : document.Entries(s)) {
            if (!entry.key.empty() && entry.key[0] != u';') { // a commented line that holds an '='
                section.keys.emplace_back(entry.key);
            }
        }
        file.sections.push_back(std::move(section));
    }
    return file;
}

const LngFile& English() {
    static const LngFile english = Load(0);
    return english;
}

std::string Where(const LngFile& file, std::u16string_view section, std::u16string_view key) {
    return file.folder + " [" + Utf8(section) + "] " + Utf8(key);
}

std::string Quoted(std::u16string_view text) {
    return "\"" + Utf8(text) + "\"";
}

std::string Joined(const std::vector<std::u16string>& items) {
    std::string out;
    for (const auto& item : items) {
        out += (out.empty() ? "" : " ") + Utf8(item);
    }
    return out.empty() ? "(none)" : out;
}

// The controls that are on screen together and share one Alt-letter routing: every dialog on its
// own, and the main window's buttons (texts in MAIN) together with the page the tab shows. Help and
// Close Help are one button's two texts.
struct Window {
    std::string name;
    std::vector<std::pair<std::u16string, std::u16string>> keys; // section, key
};

std::vector<Window> WindowsOf(const LngFile& english) {
    std::vector<Window> windows;
    for (const Section& section : english.sections) {
        if (section.name == u"MAIN") {
            continue;
        }
        Window window{Utf8(section.name), {}};
        for (const auto& key : section.keys) {
            window.keys.emplace_back(section.name, key);
        }
        windows.push_back(std::move(window));
    }
    struct Page {
        const char* name;
        std::u16string section;
        std::vector<std::u16string> buttons;
    };
    const Page pages[] = {
        {"Settings",
         u"IDD_DIALOG_PROFILE_SETTING",
         {u"Btn_FindNetWork", u"Btn_Close", u"Btn_Apply", u"Btn_Cancel"}},
        {"Networks",
         u"IDD_DIALOG_SITESURVEY",
         {u"Btn_FindNetWork", u"Btn_Close", u"Btn_Connect", u"Btn_Scan"}},
        {"Statistics", u"IDD_DIALOG_STATISTICS", {u"Btn_Close"}},
        {"About", u"IDD_DIALOG_ABOUT", {u"Btn_Close"}},
    };
    for (const Page& page : pages) {
        for (const char16_t* help : {u"Btn_Help", u"Btn_CloseHelp"}) {
            Window window{std::string("main window on the ") + page.name + " tab", {}};
            window.keys.emplace_back(u"MAIN", help);
            for (const auto& button : page.buttons) {
                window.keys.emplace_back(u"MAIN", button);
            }
            for (const Section& section : english.sections) {
                if (section.name == page.section) {
                    for (const auto& key : section.keys) {
                        window.keys.emplace_back(section.name, key);
                    }
                }
            }
            windows.push_back(std::move(window));
        }
    }
    return windows;
}

class EveryLanguageFile : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ASSERT_TRUE(English().exists) << "no English file at " << English().path;
        file = Load(GetParam());
        ASSERT_TRUE(file.exists) << file.folder << ": no language file at " << file.path;
    }
    LngFile file;
};

class Translation : public EveryLanguageFile {};

std::string ParamName(const testing::TestParamInfo<int>& info) {
    return FolderName(info.param);
}

} // namespace

// The platform's profile reader takes every script only from UTF-16; CRLF keeps the files readable in
// the editors translators use on Windows.
TEST_P(EveryLanguageFile, IsUtf16WithByteOrderMarkAndCrLf) {
    ASSERT_GE(file.bytes.size(), 2u) << file.folder << ": empty file";
    ASSERT_TRUE(file.bytes[0] == 0xFF && file.bytes[1] == 0xFE)
        << file.folder << ": not UTF-16LE with a byte-order mark (rule: encoding)";
    EXPECT_EQ(file.bytes.size() % 2, 0u) << file.folder << ": odd number of bytes for UTF-16";
    int bareLineFeeds = 0;
    int firstBareLine = 0;
    int line = 1;
    for (size_t i = 2; i + 1 < file.bytes.size(); i += 2) {
        char16_t unit = static_cast<char16_t>(file.bytes[i] | (file.bytes[i + 1] << 8));
        if (unit != u'\n') {
            continue;
        }
        bool afterReturn = i >= 4 && file.bytes[i - 2] == '\r' && file.bytes[i - 1] == 0;
        if (!afterReturn && bareLineFeeds++ == 0) {
            firstBareLine = line;
        }
        ++line;
    }
    EXPECT_EQ(bareLineFeeds, 0) << file.folder << ": " << bareLineFeeds
                                << " lines end without CR (rule: CRLF), the first is line " << firstBareLine;
}

// Alt+letter goes to the first control with that letter: two controls of one window on one letter
// make the second unreachable.
TEST_P(EveryLanguageFile, NoTwoControlsOfOneWindowShareAMnemonic) {
    for (const Window& window : WindowsOf(English())) {
        std::map<char16_t, std::pair<std::u16string, std::u16string>> owner;
        for (const auto& [section, key] : window.keys) {
            if (!file.Has(section, key)) {
                continue; // reported by the key rule
            }
            for (char16_t letter : languagerules::Mnemonics(file.Text(section, key))) {
                auto [it, fresh] = owner.emplace(letter, std::make_pair(section, key));
                EXPECT_TRUE(fresh) << Where(file, section, key) << ": mnemonic '"
                                   << Utf8(std::u16string(1, letter)) << "' is also on ["
                                   << Utf8(it->second.first) << "] " << Utf8(it->second.second) << " in the "
                                   << window.name << " (rule: one letter per control)";
            }
        }
    }
}

TEST_P(Translation, HoldsEverySectionAndKeyOfEnglishOnce) {
    for (const Section& section : English().sections) {
        auto found = std::find_if(file.sections.begin(), file.sections.end(),
                                  [&](const Section& s) { return base::EqualsNoCase(s.name, section.name); });
        if (found == file.sections.end()) {
            ADD_FAILURE() << file.folder << " [" << Utf8(section.name)
                          << "]: section missing (rule: same sections)";
            continue;
        }
        for (const auto& key : section.keys) {
            EXPECT_TRUE(file.Has(section.name, key))
                << Where(file, section.name, key) << ": key missing (rule: same keys)";
        }
    }
    std::set<std::u16string> seenSections;
    for (const Section& section : file.sections) {
        EXPECT_TRUE(seenSections.insert(base::FoldCase(section.name)).second)
            << file.folder << " [" << Utf8(section.name)
            << "]: section written twice; the reader takes the first only";
        std::set<std::u16string> seenKeys;
        for (const auto& key : section.keys) {
            EXPECT_TRUE(English().Has(section.name, key))
                << Where(file, section.name, key) << ": not in the English file (rule: same keys)";
            EXPECT_TRUE(seenKeys.insert(base::FoldCase(key)).second)
                << Where(file, section.name, key) << ": key written twice; the reader takes the first only";
        }
    }
}

// A key read per English key: each rule compares what the program would read from both files.
TEST_P(Translation, KeepsTextEmptinessConversionsEscapesAndColumnWidths) {
    for (const Section& section : English().sections) {
        for (const auto& key : section.keys) {
            if (!file.Has(section.name, key)) {
                continue; // reported by the key rule
            }
            const std::u16string english = English().Text(section.name, key);
            const std::u16string text = file.Text(section.name, key);
            const std::string where = Where(file, section.name, key);
            EXPECT_EQ(text.empty(), english.empty())
                << where << ": "
                << (text.empty() ? "empty where English has text" : "text where English is empty")
                << " (rule: no empty text)";
            auto englishConversions = languagerules::Conversions(english);
            auto conversions = languagerules::Conversions(text);
            EXPECT_EQ(conversions, englishConversions)
                << where << ": conversions " << Joined(conversions) << ", English has "
                << Joined(englishConversions) << " (rule: same printf conversions in order) in "
                << Quoted(text);
            auto escapes = languagerules::Escapes(text);
            auto englishEscapes = languagerules::Escapes(english);
            EXPECT_EQ(escapes, englishEscapes)
                << where << ": escapes \\n " << escapes.newlines << ", \\r " << escapes.returns << ", \\\" "
                << escapes.quotes << "; English has " << englishEscapes.newlines << ", "
                << englishEscapes.returns << ", " << englishEscapes.quotes << " (rule: same escapes) in "
                << Quoted(text);
            EXPECT_EQ(Utf8(languagerules::ColumnWidth(text)), Utf8(languagerules::ColumnWidth(english)))
                << where << ": list column width changed (rule: \"Caption,width\" keeps its width) in "
                << Quoted(text);
            size_t mnemonics = languagerules::Mnemonics(text).size();
            size_t englishMnemonics = languagerules::Mnemonics(english).size();
            EXPECT_EQ(mnemonics, englishMnemonics)
                << where << ": " << mnemonics << " mnemonics, English has " << englishMnemonics
                << " (rule: one \"&\" where English has one) in " << Quoted(text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguageFile, testing::Range(0, kLanguageCount), ParamName);
INSTANTIATE_TEST_SUITE_P(Languages, Translation, testing::Range(1, kLanguageCount), ParamName);

// Start-up deletes stored profiles named like any language's default profile: a default name that
// equals another language's, or any language's proposed new-profile name, would delete the user's own.
TEST(LanguageFiles, DefaultProfileNamesAreDistinctAndNoNewProfileName) {
    std::vector<LngFile> files;
    for (int index = 0; index < kLanguageCount; ++index) {
        files.push_back(Load(index));
        EXPECT_TRUE(files.back().exists) << files.back().folder << ": no language file";
    }
    for (const LngFile& file : files) {
        if (!file.exists) {
            continue;
        }
        std::u16string name = file.Text(u"MAIN", u"Def_Profile_Name", u"");
        EXPECT_FALSE(name.empty()) << Where(file, u"MAIN", u"Def_Profile_Name")
                                   << ": empty (rule: default name)";
        for (const LngFile& other : files) {
            if (!other.exists || name.empty()) {
                continue;
            }
            if (&other != &file) {
                EXPECT_FALSE(base::EqualsNoCase(name, other.Text(u"MAIN", u"Def_Profile_Name", u"")))
                    << Where(file, u"MAIN", u"Def_Profile_Name") << ": " << Quoted(name) << " is also "
                    << other.folder << "'s default profile name (rule: distinct default names)";
            }
            EXPECT_FALSE(base::EqualsNoCase(name, other.Text(u"MAIN", u"Def_NewProfile", u"")))
                << Where(file, u"MAIN", u"Def_Profile_Name") << ": " << Quoted(name) << " is " << other.folder
                << "'s new-profile name (rule: default name differs from every Def_NewProfile)";
        }
    }
}

// Start-up gathers the default names from the shipped files, English first and then in its own order;
// the files are laid out as the program finds them under its folder.
TEST(LanguageFiles, DefaultProfileNamesCollectedFromEveryFileInStartUpOrder) {
    const char* order[] = {"English", "Germany", "SimpleChinese", "Korean",     "French",    "Japanese",
                           "Russian", "Spanish", "Polish",        "Italian",    "Sweden",    "Dutch",
                           "Danish",  "Finnish", "Norwegian",     "Czech",      "Hungarian", "Slovenian",
                           "Slovak",  "Greek",   "Romanian",      "Portuguese", "Bulgarian", "Croatian"};
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kt-language-files-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::map<std::string, std::u16string> expected;
    for (int index = 0; index < kLanguageCount; ++index) {
        LngFile file = Load(index);
        ASSERT_TRUE(file.exists) << file.folder << ": no language file";
        expected[file.folder] = file.Text(u"MAIN", u"Def_Profile_Name", u"");
        // On Linux the program's "Language\\<Folder>\\<Folder>.lng" is one file name.
        std::filesystem::copy_file(file.path,
                                   folder / ("Language\\" + file.folder + "\\" + file.folder + ".lng"),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    const std::u16string savedFolder = ProgramFolder;
    ProgramFolder = folder.u16string() + u"/";
    std::vector<std::u16string> names = CollectDefaultProfileNames();
    ProgramFolder = savedFolder;
    std::filesystem::remove_all(folder);
    ASSERT_EQ(names.size(), 24u);
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_FALSE(names[i].empty()) << order[i];
        EXPECT_EQ(Utf8(names[i]), Utf8(expected[order[i]])) << "position " << i << " should be " << order[i];
    }
}
