#include "AppTestSupport.h"
#include "app/AppSettings.h"
#include "base/Format.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeSystemInfo.h"
#include "ui/Dialog.h"

using apptest::AppTest;

class Language : public AppTest {
protected:
    Language() { SetAppSystem(&system); }
    fakes::FakeSystemInfo system;
};

TEST_F(Language, TableRows) {
    struct Expected {
        int index;
        const char16_t* folder;
        uint32_t locale;
        const char16_t* code;
    };
    const Expected rows[] = {{0, u"English", 1033, u"enu"},        {1, u"Germany", 1031, u"deu"},
                             {11, u"Portuguese", 2070, u"ptb"},    {17, u"Slovak", 1051, u"sky"},
                             {18, u"Romanian", 1048, u"rom"},      {19, u"Bulgarian", 1033, u"enu"},
                             {21, u"SimpleChinese", 1033, u"enu"}, {23, u"Japanese", 1033, u"enu"}};
    for (const Expected& e : rows) {
        const LanguageRow* row = LanguageRowAt(e.index);
        ASSERT_NE(row, nullptr) << e.index;
        EXPECT_EQ(row->folder, e.folder) << e.index;
        EXPECT_EQ(row->locale, e.locale) << e.index;
        EXPECT_EQ(row->code, e.code) << e.index;
    }
    EXPECT_EQ(LanguageRowAt(24), nullptr);
    EXPECT_EQ(LanguageRowAt(-1), nullptr);
}

TEST_F(Language, NoValueSelectsEnglishAndSetsBothLocales) {
    OsClass = kOsVista;
    SelectLanguage();
    EXPECT_EQ(LanguageIndex(), 0);
    EXPECT_EQ(LanguageFile(), ProgramFolder + u"Language\\English\\English.lng");
    EXPECT_EQ(LanguageFolder(), ProgramFolder + u"Language\\English\\");
    EXPECT_EQ(LanguageCode(), u"enu");
    EXPECT_EQ(system.locales, std::vector<uint32_t>{1033});
    EXPECT_EQ(system.uiLanguages, std::vector<uint32_t>{1033});
}

TEST_F(Language, IndexTwentyOneUsesItsOwnFileWithTheEnglishLocale) {
    Store(u"Language", u"21");
    SelectLanguage();
    EXPECT_EQ(LanguageFile(), ProgramFolder + u"Language\\SimpleChinese\\SimpleChinese.lng");
    EXPECT_EQ(LanguageCode(), u"enu");
    EXPECT_EQ(system.locales, std::vector<uint32_t>{1033});
}

TEST_F(Language, XpAndWow64ServerKeepTheUserInterfaceLanguage) {
    Store(u"Language", u"1");
    for (int os : {kOsXp, kOs2003Wow64}) {
        OsClass = os;
        system.uiLanguages.clear();
        SelectLanguage();
        EXPECT_TRUE(system.uiLanguages.empty()) << "OsClass " << os;
    }
    EXPECT_EQ(system.locales, (std::vector<uint32_t>{1031, 1031}));
}

TEST_F(Language, OutOfRangeIndexLeavesEveryLookupOnItsDefault) {
    disk.WriteLanguage("English", "[MAIN]\nBtn_Close=Shut\n");
    for (const char16_t* value : {u"24", u"-1", u"99999999999"}) {
        Store(u"Language", value);
        SelectLanguage();
        EXPECT_EQ(LanguageFile(), u"");
        EXPECT_EQ(LanguageCode(), u"");
        EXPECT_EQ(LangString(u"MAIN", u"Btn_Close", u"&Close"), u"&Close");
    }
    EXPECT_TRUE(system.locales.empty()) << "the thread locale stays unchanged";
}

TEST_F(Language, LookupsComeFromTheFileElseTheDefault) {
    // Without a byte-order mark the file is read in the Western code page, as the platform does.
    disk.WriteLanguage("Germany", "[MAIN]\nBtn_Close=&Schlie\xdf"
                                  "en\n[IDD_DIALOG_X]\n1172=Weiter\n");
    disk.WriteBytes("Product.ini", "");
    Store(u"Language", u"1");
    SelectLanguage();
    EXPECT_EQ(LangString(u"MAIN", u"Btn_Close", u"&Close"), u"&Schlie\u00dfen");
    EXPECT_EQ(LangString(u"IDD_DIALOG_X", u"1172", u"&Next"), u"Weiter");
    EXPECT_EQ(LangString(u"MAIN", u"Missing", u"dflt"), u"dflt");
    EXPECT_EQ(LangString(u"NOSECTION", u"Btn_Close", u"dflt"), u"dflt");
}

TEST_F(Language, MissingEmptyOrForeignEncodedFilesGiveDefaultsNeverACrash) {
    SelectLanguage(); // English, no file yet
    EXPECT_EQ(LangString(u"MAIN", u"MainTitle", u"Orvelin"), u"Orvelin");
    disk.WriteLanguage("English", "");
    EXPECT_EQ(LangString(u"MAIN", u"MainTitle", u"Orvelin"), u"Orvelin");
    // UTF-16LE with its mark.
    std::string utf16("\xff\xfe", 2);
    for (char c : std::string("[MAIN]\r\nMainTitle=Wide\r\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    disk.WriteLanguage("English", utf16);
    EXPECT_EQ(LangString(u"MAIN", u"MainTitle", u"Orvelin"), u"Wide");
    // Binary rubbish.
    disk.WriteLanguage("English", std::string("\x00\x01[MAIN\xff\n=\n\x80\x81", 12));
    EXPECT_EQ(LangString(u"MAIN", u"MainTitle", u"Orvelin"), u"Orvelin");
}

TEST_F(Language, OverlongValuesAreCutAtSizeMinusOne) {
    disk.WriteLanguage("English", "[MAIN]\nMsg=" + std::string(5000, 'a') + "\n");
    SelectLanguage();
    char16_t buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(GetLangString(u"MAIN", u"Msg", u"", buffer, 10), 9u);
    EXPECT_EQ(std::u16string(buffer), std::u16string(9, u'a'));
    EXPECT_EQ(buffer[10], u'#') << "written past the buffer";
    EXPECT_EQ(LangString(u"MAIN", u"Msg", u"", 256).size(), 255u);
    EXPECT_EQ(LangString(u"MAIN", u"Msg", u"", 2048).size(), 2047u);
    // The default is cut the same way.
    EXPECT_EQ(GetLangString(u"MAIN", u"Nope", u"abcdefghijkl", buffer, 5), 4u);
    EXPECT_EQ(std::u16string(buffer), u"abcd");
}

TEST_F(Language, EscapesForTextAndForLines) {
    disk.WriteLanguage("English", "[MAIN]\nTwo=First\\nSecond\\r\nQuote=Say \\\"hi\\\"\nLone=end\\\n");
    SelectLanguage();
    EXPECT_EQ(LangText(u"MAIN", u"Two", u""), u"First\nSecond");
    EXPECT_EQ(LangLine(u"MAIN", u"Two", u"", 1), u"First Second");
    EXPECT_EQ(LangLine(u"MAIN", u"Two", u"", 0), u"FirstSecond");
    EXPECT_EQ(LangText(u"MAIN", u"Quote", u""), u"Say \"hi\"");
    EXPECT_EQ(LangLine(u"MAIN", u"Quote", u"", 1), u"Say \\\"hi\\\"") << "lines keep backslash-quote";
    EXPECT_EQ(LangText(u"MAIN", u"Lone", u""), u"end\\");

    char16_t buffer[64];
    uint32_t raw = GetLangText(u"MAIN", u"Two", u"", buffer, 64);
    EXPECT_EQ(raw, 15u) << "the length of the raw read";
    EXPECT_EQ(std::u16string(buffer), u"First\nSecond");
    raw = GetLangLine(u"MAIN", u"Two", u"", buffer, 64, 1);
    EXPECT_EQ(std::u16string(buffer), u"First Second");
}

TEST_F(Language, TranslatedConversionsAreNotSubstituted) {
    disk.WriteLanguage("English", "[MAIN]\nMsg_0303=You can not save profile name to %s%n%d\n");
    SelectLanguage();
    std::u16string text = LangString(u"MAIN", u"Msg_0303", u"You can not save profile name to");
    EXPECT_EQ(base::FormatTranslated(text, {}), u"You can not save profile name to %s%n%d");
}

TEST_F(Language, DefaultProfileNamesInCollectionOrder) {
    disk.WriteLanguage("English", "[MAIN]\nDef_Profile_Name=Default\n");
    disk.WriteLanguage("Germany", "[MAIN]\nDef_Profile_Name=Standard\n");
    disk.WriteLanguage("SimpleChinese", "[MAIN]\nDef_Profile_Name=Moren\n");
    disk.WriteLanguage("Croatian", "[MAIN]\nDef_Profile_Name=Zadano\n");
    disk.WriteLanguage("Japanese", "[MAIN]\nDef_Profile_Name=" + std::string(300, 'j') + "\n");
    std::vector<std::u16string> names = CollectDefaultProfileNames();
    ASSERT_EQ(names.size(), 24u);
    EXPECT_EQ(names[0], u"Default");
    EXPECT_EQ(names[1], u"Standard");
    EXPECT_EQ(names[2], u"Moren");
    EXPECT_EQ(names[3], u"") << "Korean has no file";
    EXPECT_EQ(names[5].size(), 255u) << "Japanese, cut to the 256-unit buffer";
    EXPECT_EQ(names[23], u"Zadano");
}

namespace {
class RichEditDialog : public ui::Dialog {
public:
    RichEditDialog() : ui::Dialog(1) {}
};
} // namespace

TEST_F(Language, HelpFileStreamsItsBytesOrSaysItCannotBeOpened) {
    fakes::FakeFileSystem files;
    SetAppFiles(&files);
    files.files[u"C:\\Language\\English\\About.rtf"] = {'{', '\\', 'r', 't', 'f', '1', '}'};
    RichEditDialog dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    LoadHelpFile(host, 1200, u"C:\\Language\\English\\About.rtf");
    EXPECT_EQ(host.control(1200).richText.size(), 7u);
    EXPECT_TRUE(host.messageBoxes.empty());

    host.control(1201).richText = {'x'};
    LoadHelpFile(host, 1201, u"C:\\Language\\English\\%s%n.rtf");
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, u"Open C:\\Language\\English\\%s%n.rtf file failed !");
    EXPECT_EQ(host.control(1201).richText, std::vector<uint8_t>{'x'}) << "the control stays as it was";
}
