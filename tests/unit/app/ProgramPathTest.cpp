// A program file whose path does not fit the 260 units start-up works with: its folder would come out
// as some parent folder, and the driver-folder clean-up would delete there. Start-up refuses instead.
#include "StartUpProcess.h"

#include "app/AppGlobals.h"
#include "base/Text.h"

namespace {

using apptest::AppTest;
using apptest::StartUpProcess;

class ProgramPath : public AppTest {
protected:
    // A program path of exactly `units` units: the scratch folder, then folders of 'd' as deep as
    // needed, then the program file, so that every cut of it still names a folder above the program.
    std::u16string ModulePathOfLength(size_t units) {
        const std::u16string file = u"KTVA7700v2.exe";
        std::u16string folder = disk.Folder();
        while (folder.size() + file.size() + 40 < units) {
            folder += std::u16string(30, u'd') + u"\\";
        }
        folder += std::u16string(units - folder.size() - file.size() - 1, u'e') + u"\\";
        EXPECT_EQ(folder.size() + file.size(), units);
        return folder + file;
    }
};

TEST_F(ProgramPath, PathOfMaxPathUnitsOrMoreIsRefusedBeforeAnythingIsDeleted) {
    for (size_t units : {size_t{260}, size_t{261}, size_t{400}}) {
        StartUpProcess p(registry, kernel, ModulePathOfLength(units));
        // Windows 7, 64-bit: the clean-up of the other Windows' driver folder would run.
        p.system.version = {true, platform::kPlatformNt, 6, 1};
        p.system.wow64 = true;
        EXPECT_EQ(p.app.Run(u""), 1) << units << " units";
        EXPECT_EQ(p.app.ended(), AppEnd::ProgramPathTooLong) << units << " units";
        EXPECT_TRUE(p.files.deletedFolders.empty())
            << "deleted " << base::NarrowForLog(p.files.deletedFolders[0]);
        ASSERT_EQ(p.shown.size(), 1u) << units << " units";
        EXPECT_NE(p.shown[0].text.find(u"path"), std::u16string::npos) << base::NarrowForLog(p.shown[0].text);
        EXPECT_EQ(p.mainWindowRuns, 0);
        // Nothing was started on the way: neither the library nor the service.
        EXPECT_TRUE(kernel.Calls().empty());
        EXPECT_TRUE(p.services.opened.empty());
    }
}

TEST_F(ProgramPath, LongestPathThatFitsStillRuns) {
    std::u16string path = ModulePathOfLength(259);
    StartUpProcess p(registry, kernel, path);
    p.system.version = {true, platform::kPlatformNt, 6, 1};
    p.system.wow64 = true;
    EXPECT_EQ(p.app.Run(u""), 0);
    EXPECT_EQ(p.app.ended(), AppEnd::MainWindowClosed);
    EXPECT_EQ(ProgramFolder, path.substr(0, path.size() - std::u16string_view(u"KTVA7700v2.exe").size()));
    // The clean-up deletes below the program's own folder, nowhere else.
    ASSERT_EQ(p.files.deletedFolders.size(), 1u);
    EXPECT_EQ(p.files.deletedFolders[0], ProgramFolder + u"Driver\\Vista64");
}

} // namespace
