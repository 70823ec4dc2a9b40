#include <atomic>
#include <thread>
#include <vector>

#include "AppTestSupport.h"
#include "app/AppTexts.h"
#include "fakes/FakeSystemInfo.h"
#include "profiles/ProfileStore.h"

using apptest::AppTest;

namespace {

struct MainTexts {
    std::u16string caption;
    std::u16string any;
    std::u16string newProfile;
    std::u16string prompt;
    std::u16string defaultName;
    std::u16string title;
};

MainTexts Current() {
    return {MessageBoxCaption(),    AnyNetworkText(),         NewProfileText(),
            EnterProfileNameText(), DefaultProfileNameText(), MainWindowTitle()};
}

bool operator==(const MainTexts& a, const MainTexts& b) {
    return a.caption == b.caption && a.any == b.any && a.newProfile == b.newProfile && a.prompt == b.prompt &&
           a.defaultName == b.defaultName && a.title == b.title;
}

void PrintTo(const MainTexts& t, std::ostream* out) {
    for (const auto* text : {&t.caption, &t.any, &t.newProfile, &t.prompt, &t.defaultName, &t.title}) {
        *out << "\"" << base::Utf16ToUtf8(*text) << "\" ";
    }
}

const MainTexts kEnglish{u"Orvelin Wireless Adapter",
                         u"Any (First available network)",
                         u"New profile",
                         u"<Enter a Profile name here>",
                         u"Default",
                         u"Orvelin KTVA7700v2 Link Warden"};
// Longer than any English text, so that replacing one by the other moves the characters.
const MainTexts kGerman{u"Orvelin WLAN-Adapter fuer alle Netzwerke dieses Rechners",
                        u"Beliebig (erstes verfuegbares Netzwerk in Reichweite des Adapters)",
                        u"Neues Profil mit einem ausreichend langen Namen",
                        u"<Geben Sie hier einen Namen fuer das Profil ein, bitte>",
                        u"Standardprofil des Rechners",
                        u"Orvelin KTVA7700v2 Verbindungswaechter"};

} // namespace

class LanguageTexts : public AppTest {
protected:
    LanguageTexts() {
        SetAppSystem(&system);
        disk.WriteLanguage("Germany",
                           "[MAIN]\n"
                           "MessageBoxTitle=Orvelin WLAN-Adapter fuer alle Netzwerke dieses Rechners\n"
                           "Def_Profile_Any=Beliebig (erstes verfuegbares Netzwerk in Reichweite des "
                           "Adapters)\n"
                           "Def_NewProfile=Neues Profil mit einem ausreichend langen Namen\n"
                           "Def_ConnectWizardNewProfile=<Geben Sie hier einen Namen fuer das Profil "
                           "ein, bitte>\n"
                           "Def_Profile_Name=Standardprofil des Rechners\n"
                           "MainTitle=Orvelin KTVA7700v2 Verbindungswaechter\n");
    }
    void Choose(const char16_t* index) {
        Store(u"Language", index);
        SelectLanguage();
        LoadLanguageTexts();
    }
    fakes::FakeSystemInfo system;
};

TEST_F(LanguageTexts, StartWithTheBuiltInCaptionAndFollowEveryLanguageChange) {
    EXPECT_EQ(MessageBoxCaption(), u"Orvelin Link Warden") << "before any language is chosen";
    Choose(u"0"); // no English file: the defaults of the lookups
    EXPECT_EQ(Current(), kEnglish);
    Choose(u"1");
    EXPECT_EQ(Current(), kGerman);
    Choose(u"0");
    EXPECT_EQ(Current(), kEnglish) << "back again";
}

TEST_F(LanguageTexts, TheProfileStoreTakesTheNewNamesWithThePreviousDefaultAsItsAlternate) {
    Choose(u"0");
    EXPECT_EQ(profiles::DefaultProfileName(), u"Default");
    Choose(u"1");
    EXPECT_EQ(profiles::DefaultProfileName(), kGerman.defaultName);
    EXPECT_EQ(profiles::AnyNetworkName(), kGerman.any);
}

// Worker threads (the wizard's among them) read the texts while the user switches languages. Each read
// must be a whole text of one language or the other, never a text being replaced.
TEST_F(LanguageTexts, ReadsFromOtherThreadsSeeWholeTextsWhileTheLanguageChanges) {
    Choose(u"0");
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::atomic<int> reads{0};
    auto reader = [&] {
        while (!done) {
            std::u16string caption = MessageBoxCaption();
            std::u16string any = AnyNetworkText();
            std::u16string prompt = EnterProfileNameText();
            if ((caption != kEnglish.caption && caption != kGerman.caption) ||
                (any != kEnglish.any && any != kGerman.any) ||
                (prompt != kEnglish.prompt && prompt != kGerman.prompt)) {
                ++torn;
            }
            ++reads;
        }
    };
    std::thread first(reader);
    std::thread second(reader);
    for (int i = 0; i < 300; ++i) {
        Choose(i % 2 == 0 ? u"1" : u"0");
    }
    done = true;
    first.join();
    second.join();
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
}
