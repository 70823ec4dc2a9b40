// OrvlAdapterUpdate.dll as the utility uses it: loaded by name, asked for an update, downloading on a
// worker thread while the test thread polls the progress, against UpdateServer in each of its modes.
#include "UpdateTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

using namespace updatetest;

namespace {

constexpr wchar_t kSentinel = 0xBEEF;
constexpr size_t kSlack = 64;

// A buffer of the size the utility passes, followed by units the library must never write.
struct GuardedBuffer {
    explicit GuardedBuffer(size_t capacity) : units(capacity + kSlack, kSentinel), size(capacity) {}
    wchar_t* data() { return units.data(); }
    std::wstring text() const {
        return std::wstring(units.begin(), std::find(units.begin(), units.end(), L'\0'));
    }
    bool tailUntouched() const {
        return std::all_of(units.begin() + static_cast<std::ptrdiff_t>(size), units.end(),
                           [](wchar_t c) { return c == kSentinel; });
    }
    std::vector<wchar_t> units;
    size_t size;
};

struct DownloadRun {
    int result = -1;
    GuardedBuffer message{orvl_update::kTextBufferUnits};
    GuardedBuffer installerPath{orvl_update::kTextBufferUnits};
};

void Download(const ProgramFiles& files, DownloadRun& run, const wchar_t* language = L"enu") {
    run.result = Library().getUpdateFromServer(0, language, files.setupIni(), files.stringTable(),
                                               run.message.data(), run.installerPath.data());
}

std::wstring DownloadFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = temp;
    if (folder.back() != L'\\') {
        folder += L'\\';
    }
    return folder + L"OrvlUpdate\\";
}

const std::wstring kInstallerName = L"KTVA7700v2_Setup.exe";

class UpdateLibraryTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Library().isNewUpdateAvailable && Library().getUpdateFromServer &&
                    Library().getDownloadFileInfo && Library().getDownloadProgressInfo)
            << "the four entry points by their plain names";
        SetEnvironmentVariableW(L"ORVL_UPDATE_FEED", nullptr);
        SetEnvironmentVariableW(L"ORVL_UPDATE_TIMEOUT_MS", L"5000");
        DeleteFileW((DownloadFolder() + kInstallerName).c_str());
    }

    int Ask(const ProgramFiles& files, std::wstring& text, const wchar_t* language = L"enu") {
        GuardedBuffer buffer(orvl_update::kTextBufferUnits);
        int result =
            Library().isNewUpdateAvailable(language, files.setupIni(), files.stringTable(), buffer.data());
        EXPECT_TRUE(buffer.tailUntouched());
        text = buffer.text();
        return result;
    }
};

TEST_F(UpdateLibraryTest, AnOlderOrEqualFeedVersionIsNoUpdate) {
    UpdateServer server(L"none");
    ASSERT_TRUE(server.running());
    ProgramFiles files("1.2.9", server.FeedUrl());
    std::wstring text;
    EXPECT_EQ(Ask(files, text), orvl_update::kNoNewUpdate);

    DownloadRun run;
    Download(files, run);
    EXPECT_NE(run.result, 0);
    EXPECT_FALSE(run.message.text().empty());
}

TEST_F(UpdateLibraryTest, ANewerVersionIsOfferedInTheAskedLanguageElseInEnglish) {
    UpdateServer server(L"newer");
    ASSERT_TRUE(server.running());
    ProgramFiles files("1.2.10", server.FeedUrl());
    std::wstring text;
    EXPECT_EQ(Ask(files, text, L"enu"), orvl_update::kNewUpdateAvailable);
    EXPECT_EQ(text, L"Version 999.0.0 of the utility is available.\r\nIt brings the newest driver settings.");
    EXPECT_EQ(Ask(files, text, L"deu"), orvl_update::kNewUpdateAvailable);
    EXPECT_EQ(text, L"Version 999.0.0 des Programms ist verf\u00FCgbar.");
    EXPECT_EQ(Ask(files, text, L"fra"), orvl_update::kNewUpdateAvailable);
    EXPECT_EQ(text.substr(0, 13), L"Version 999.0");
}

TEST_F(UpdateLibraryTest, TheEnvironmentOverridesTheFeedAddressOfTheStringTable) {
    UpdateServer server(L"newer");
    ASSERT_TRUE(server.running());
    ProgramFiles files("1.0", L"http://127.0.0.1:1/feed.ini");
    SetEnvironmentVariableW(L"ORVL_UPDATE_FEED", server.FeedUrl().c_str());
    std::wstring text;
    EXPECT_EQ(Ask(files, text), orvl_update::kNewUpdateAvailable);
}

TEST_F(UpdateLibraryTest, TheInstallerArrivesWholeWithProgressReadableMeanwhile) {
    UpdateServer server(L"slow");
    ASSERT_TRUE(server.running());
    ProgramFiles files("1.2.9", server.FeedUrl());
    DownloadRun run;
    std::thread worker([&] { Download(files, run, L"deu"); });

    GuardedBuffer fileName(orvl_update::kPathBufferUnits);
    GuardedBuffer folder(orvl_update::kPathBufferUnits);
    uint32_t infoHandle = 0;
    bool begun = false;
    std::vector<uint32_t> percents;
    DWORD waited = 0;
    for (; waited < 60000; waited += 50) {
        if (!begun) {
            begun = Library().getDownloadFileInfo(fileName.data(), folder.data(), &infoHandle) == 0;
        }
        uint32_t percent = 1000, received = 0, handle = 0, total = 0, state = 0, reserved = 7;
        int progress =
            Library().getDownloadProgressInfo(&percent, &received, &handle, &total, &state, &reserved);
        if (progress == orvl_update::kDownloadRunning) {
            EXPECT_LE(percent, 99u);
            percents.push_back(percent);
        } else if (progress == orvl_update::kDownloadFinished) {
            break;
        }
        Sleep(50);
    }
    worker.join();

    ASSERT_EQ(run.result, orvl_update::kDownloaded)
        << std::string(run.message.text().begin(), run.message.text().end());
    EXPECT_EQ(run.message.text(), L"Version 999.0.0 wurde heruntergeladen.");
    ASSERT_TRUE(begun);
    EXPECT_NE(infoHandle, 0u);
    EXPECT_EQ(fileName.text(), kInstallerName);
    EXPECT_EQ(folder.text(), DownloadFolder());
    EXPECT_EQ(folder.text().back(), L'\\');
    // The server's word on the file: path, size and MD5, tab-separated.
    std::wstring installer = folder.text() + fileName.text();
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    ASSERT_TRUE(GetFileAttributesExW(installer.c_str(), GetFileExInfoStandard, &attributes));
    std::string md5 = Md5OfFile(installer);
    EXPECT_EQ(run.installerPath.text(), installer + L"\t" + std::to_wstring(attributes.nFileSizeLow) + L"\t" +
                                            std::wstring(md5.begin(), md5.end()));
    EXPECT_EQ(md5, Md5OfFile(DistDir() + L"setup.exe"));
    EXPECT_TRUE(fileName.tailUntouched() && folder.tailUntouched() && run.message.tailUntouched() &&
                run.installerPath.tailUntouched());

    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_TRUE(std::any_of(percents.begin(), percents.end(), [](uint32_t p) { return p > 0 && p < 100; }))
        << "a value between the ends while the transfer runs";

    uint32_t percent = 0, handle = 0;
    EXPECT_EQ(Library().getDownloadProgressInfo(&percent, nullptr, &handle, nullptr, nullptr, nullptr),
              orvl_update::kDownloadFinished);
    EXPECT_EQ(percent, 100u);
    EXPECT_EQ(handle, infoHandle);
}

TEST_F(UpdateLibraryTest, ACutOrDamagedInstallerIsDeletedAndExplained) {
    for (const wchar_t* mode : {L"truncated", L"corrupt"}) {
        SCOPED_TRACE(std::string(mode, mode + wcslen(mode)));
        UpdateServer server(mode);
        ASSERT_TRUE(server.running());
        ProgramFiles files("1.2.9", server.FeedUrl());
        DownloadRun run;
        Download(files, run);
        EXPECT_NE(run.result, 0);
        EXPECT_FALSE(run.message.text().empty());
        EXPECT_TRUE(run.installerPath.text().empty());
        EXPECT_FALSE(FileExists(DownloadFolder() + kInstallerName));
        GuardedBuffer fileName(orvl_update::kPathBufferUnits);
        GuardedBuffer folder(orvl_update::kPathBufferUnits);
        uint32_t handle = 0;
        EXPECT_NE(Library().getDownloadFileInfo(fileName.data(), folder.data(), &handle),
                  orvl_update::kDownloadBegun)
            << "no path of a deleted file";
        uint32_t percent = 0;
        EXPECT_NE(Library().getDownloadProgressInfo(&percent, nullptr, nullptr, nullptr, nullptr, nullptr),
                  orvl_update::kDownloadFinished);
    }
}

TEST_F(UpdateLibraryTest, AFeedThatIsNotAFeedOrNamesAPathIsAFailureWithItsText) {
    for (const wchar_t* mode : {L"junk", L"badname"}) {
        SCOPED_TRACE(std::string(mode, mode + wcslen(mode)));
        UpdateServer server(mode);
        ASSERT_TRUE(server.running());
        ProgramFiles files("1.2.9", server.FeedUrl());
        std::wstring text;
        int result = Ask(files, text);
        EXPECT_NE(result, orvl_update::kNewUpdateAvailable);
        EXPECT_NE(result, orvl_update::kNoNewUpdate);
        EXPECT_FALSE(text.empty());
        DownloadRun run;
        Download(files, run);
        EXPECT_NE(run.result, 0);
        EXPECT_FALSE(run.message.text().empty());
    }
    EXPECT_FALSE(FileExists(DownloadFolder() + L"..\\" + kInstallerName));
}

TEST_F(UpdateLibraryTest, AServerThatIsDownOrStallsIsAFailureWithItsText) {
    std::wstring deadUrl;
    {
        UpdateServer gone(L"newer");
        ASSERT_TRUE(gone.running());
        deadUrl = gone.FeedUrl();
    }
    SetEnvironmentVariableW(L"ORVL_UPDATE_TIMEOUT_MS", L"1000");
    ProgramFiles files("1.2.9", deadUrl);
    std::wstring text;
    int result = Ask(files, text);
    EXPECT_NE(result, orvl_update::kNewUpdateAvailable);
    EXPECT_NE(result, orvl_update::kNoNewUpdate);
    EXPECT_EQ(text, L"The update server could not be reached.");

    // The slow server pauses half a second between pieces, longer than this receive time-out.
    SetEnvironmentVariableW(L"ORVL_UPDATE_TIMEOUT_MS", L"200");
    UpdateServer stalling(L"slow");
    ASSERT_TRUE(stalling.running());
    ProgramFiles slowFiles("1.2.9", stalling.FeedUrl());
    DownloadRun run;
    Download(slowFiles, run);
    EXPECT_NE(run.result, 0);
    EXPECT_EQ(run.message.text(), L"The update server did not answer in time. The file has been deleted.");
    EXPECT_FALSE(FileExists(DownloadFolder() + kInstallerName));
}

TEST_F(UpdateLibraryTest, LongTextsAreCutTo511UnitsAndTerminated) {
    UpdateServer server(L"longtext");
    ASSERT_TRUE(server.running());
    ProgramFiles files("1.2.9", server.FeedUrl());
    std::wstring text;
    EXPECT_EQ(Ask(files, text), orvl_update::kNewUpdateAvailable);
    EXPECT_EQ(text, std::wstring(511, L'L'));
    DownloadRun run;
    Download(files, run);
    ASSERT_EQ(run.result, 0);
    EXPECT_EQ(run.message.text(), std::wstring(511, L'L'));
    EXPECT_TRUE(run.message.tailUntouched());
}

TEST_F(UpdateLibraryTest, MissingVersionOrAddressIsAFailureWithItsText) {
    UpdateServer server(L"newer");
    ASSERT_TRUE(server.running());
    ProgramFiles noVersion("", server.FeedUrl());
    ProgramFiles noAddress("1.2.9", L"");
    for (const ProgramFiles* files : {&noVersion, &noAddress}) {
        std::wstring text;
        int result = Ask(*files, text);
        EXPECT_NE(result, orvl_update::kNewUpdateAvailable);
        EXPECT_NE(result, orvl_update::kNoNewUpdate);
        EXPECT_FALSE(text.empty());
    }
}

} // namespace
