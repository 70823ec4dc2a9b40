// Start-up hands the main window a loaded current profile: the one last applied when the program ran
// before, else the first of the stored profiles.
#include "StartUpProcess.h"

#include "base/Text.h"
#include "profiles/ProfileStore.h"

namespace {

using apptest::AppTest;
using apptest::kAppKey;
using apptest::StartUpProcess;

class StartUpProfile : public AppTest {
protected:
    void PutProfile(std::u16string_view name, std::u16string_view order) {
        std::u16string key = std::u16string(profiles::kProfileListKey) + u"\\" + std::u16string(name);
        registry.WriteString(platform::kHkeyLocalMachine, key, u"ConfigurationName", name);
        registry.WriteString(platform::kHkeyLocalMachine, profiles::kProfileListKey, order, name);
    }
    std::u16string ProfileDataKey() const { return std::u16string(kAppKey) + u"\\ProfileData"; }
    std::u16string Run() {
        StartUpProcess p(registry, kernel, disk.Folder() + u"KTVA7700v2.exe");
        EXPECT_EQ(p.app.Run(u""), 0);
        EXPECT_EQ(p.app.ended(), AppEnd::MainWindowClosed);
        return std::u16string(base::FieldText(profiles::CopyCurrentProfile().NetworkName));
    }
};

TEST_F(StartUpProfile, ProfileLastAppliedIsTheCurrentOne) {
    registry.WriteString(platform::kHkeyLocalMachine, ProfileDataKey(), u"ConfigurationName", u"Travel");
    registry.WriteString(platform::kHkeyLocalMachine, ProfileDataKey(), u"NetworkName", u"Hotel");
    PutProfile(u"Home", u"00");
    EXPECT_EQ(Run(), u"Hotel");
    EXPECT_EQ(profiles::CurrentProfileName(), u"Travel");
}

TEST_F(StartUpProfile, WithoutOneTheFirstStoredProfileBecomesCurrentAfterTheDefaultProfilesGo) {
    // The stored default profile is removed at start-up (it is rebuilt later), so it is not chosen.
    PutProfile(u"Default", u"00");
    PutProfile(u"Home", u"01");
    PutProfile(u"Work", u"02");
    Run();
    EXPECT_EQ(profiles::CurrentProfileName(), u"Home");
    std::u16string saved;
    registry.ReadString(platform::kHkeyLocalMachine, ProfileDataKey(), u"ConfigurationName", saved);
    EXPECT_EQ(saved, u"Home");
}

} // namespace
