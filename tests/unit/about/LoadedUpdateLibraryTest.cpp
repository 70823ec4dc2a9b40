// The update library loaded by name: its entry points found, its texts bounded by their buffers, and
// the library unloaded only when the last holder lets it go.
#include <gtest/gtest.h>

#include <cwchar>

#include "about/LoadedUpdateLibrary.h"
#include "fakes/FakeLibraries.h"

namespace {

// A library that fills every unit of the 512-unit buffer, terminator included.
int FullBufferAvailable(const wchar_t* language, const wchar_t*, const wchar_t*, wchar_t* text) {
    for (unsigned i = 0; i < 512; ++i) {
        text[i] = language[0] == L'e' ? L'x' : L'y';
    }
    return 5;
}
int Download(uint32_t, const wchar_t*, const wchar_t* setupIni, const wchar_t*, wchar_t* message, wchar_t* path) {
    std::wcscpy(message, L"ready");
    std::wcscpy(path, setupIni);
    return 0;
}
int FileInfo(wchar_t* name, wchar_t* folder, uint32_t* handle) {
    std::wcscpy(name, L"Setup.exe");
    std::wcscpy(folder, L"C:\\T\\");
    *handle = 3;
    return 0;
}
int Progress(uint32_t* percent, uint32_t*, uint32_t* handle, uint32_t*, uint32_t* state, uint32_t*) {
    *percent = 100;
    *handle = 3;
    *state = 2;
    return 21;
}

class UpdateLibraryByName : public ::testing::Test {
protected:
    UpdateLibraryByName() {
        fakes::FakeLibraries::Library library;
        library.handle = 77;
        library.exports["IsNewUpdateAvailable"] = reinterpret_cast<void*>(&FullBufferAvailable);
        library.exports["GetUpdateFromServer"] = reinterpret_cast<void*>(&Download);
        library.exports["GetDownloadFileInfo"] = reinterpret_cast<void*>(&FileInfo);
        library.exports["GetDownloadProgressInfo"] = reinterpret_cast<void*>(&Progress);
        libraries.libraries[u"OrvlAdapterUpdate.dll"] = library;
    }
    fakes::FakeLibraries libraries;
    about::UpdateRequest request{u"enu", u"C:\\P\\setup.ini", u"C:\\P\\stringtable.dat"};
};

TEST_F(UpdateLibraryByName, CallsTheFourEntryPointsAndBoundsTheirTexts) {
    std::shared_ptr<about::UpdateLibrary> library = about::LoadUpdateLibrary(libraries);
    ASSERT_TRUE(library->Loaded());
    std::u16string text;
    EXPECT_EQ(library->IsNewUpdateAvailable(request, text), 5);
    EXPECT_EQ(text, std::u16string(511, u'x')) << "a buffer filled to its end gives 511 units";

    std::u16string message, path;
    EXPECT_EQ(library->GetUpdateFromServer(request, message, path), 0);
    EXPECT_EQ(message, u"ready");
    EXPECT_EQ(path, u"C:\\P\\setup.ini");

    std::u16string name, folder;
    uint32_t handle = 0;
    EXPECT_EQ(library->GetDownloadFileInfo(name, folder, handle), 0);
    EXPECT_EQ(folder + name, u"C:\\T\\Setup.exe");
    EXPECT_EQ(handle, 3u);

    about::UpdateProgress progress;
    EXPECT_EQ(library->GetDownloadProgressInfo(progress), 21);
    EXPECT_EQ(progress.percent, 100u);
    EXPECT_EQ(progress.state, 2u);
}

TEST_F(UpdateLibraryByName, UnloadsOnceWhenTheLastHolderGoes) {
    std::shared_ptr<about::UpdateLibrary> dialogs = about::LoadUpdateLibrary(libraries);
    std::shared_ptr<about::UpdateLibrary> workers = dialogs;
    dialogs.reset();
    EXPECT_TRUE(libraries.unloads.empty()) << "a worker still inside the library keeps it";
    workers.reset();
    EXPECT_EQ(libraries.unloads, std::vector<platform::LibraryHandle>{77});
}

TEST_F(UpdateLibraryByName, AMissingLibraryOrEntryPointIsNeverCalled) {
    libraries.libraries[u"OrvlAdapterUpdate.dll"].exports.erase("GetDownloadFileInfo");
    {
        std::shared_ptr<about::UpdateLibrary> library = about::LoadUpdateLibrary(libraries);
        EXPECT_FALSE(library->Loaded());
        std::u16string text = u"untouched";
        EXPECT_NE(library->IsNewUpdateAvailable(request, text), 5);
    }
    EXPECT_EQ(libraries.unloads.size(), 1u) << "what was loaded is unloaded";

    libraries.libraries.clear();
    std::shared_ptr<about::UpdateLibrary> none = about::LoadUpdateLibrary(libraries);
    EXPECT_FALSE(none->Loaded());
    none.reset();
    EXPECT_EQ(libraries.unloads.size(), 1u) << "nothing loaded, nothing unloaded";
}

} // namespace
