// What the live update's tests share: an update library that answers from fields, workers that run only
// when the test says so, a calendar that stands still, and a program folder on disk with the language
// file the dialogs read their texts from.
#pragma once

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ProgramFolderOnDisk.h"
#include "about/LiveUpdateServices.h"
#include "about/UpdateLibrary.h"
#include "base/Encoding.h"
#include "base/IniFile.h"
#include "base/Md5.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShell.h"

namespace liveupdatetest {

class FakeUpdateLibrary final : public about::UpdateLibrary {
public:
    explicit FakeUpdateLibrary(std::shared_ptr<bool> gone = nullptr) : m_gone(std::move(gone)) {}
    ~FakeUpdateLibrary() override {
        if (m_gone) {
            *m_gone = true;
        }
    }

    bool Loaded() const override { return loaded; }
    int IsNewUpdateAvailable(const about::UpdateRequest& request, std::u16string& text) override {
        lastRequest = request;
        ++checks;
        int answer = availability.empty() ? 4 : availability.front();
        if (availability.size() > 1) {
            availability.pop_front();
        }
        text = availabilityText;
        return answer;
    }
    int GetUpdateFromServer(const about::UpdateRequest&, std::u16string& message,
                            std::u16string& statement) override {
        ++downloads;
        message = downloadMessage;
        statement = installerStatement.value_or(Statement(folder + fileName, announced));
        return downloadAnswer;
    }
    // The library's statement of an installer: path, size and MD5, tab-separated.
    static std::u16string Statement(const std::u16string& path, const std::vector<uint8_t>& bytes) {
        std::string size = std::to_string(bytes.size());
        std::string md5 = base::Md5::HexOf(base::Md5::Of(bytes));
        return path + u"\t" + std::u16string(size.begin(), size.end()) + u"\t" +
               std::u16string(md5.begin(), md5.end());
    }
    int GetDownloadFileInfo(std::u16string& name, std::u16string& dir, uint32_t& handle) override {
        ++fileInfoCalls;
        name = fileName;
        dir = folder;
        handle = 7;
        return fileInfoAnswer;
    }
    int GetDownloadProgressInfo(about::UpdateProgress& progress) override {
        progress.percent = percent;
        return progressAnswer;
    }

    bool loaded = true;
    std::deque<int> availability{4}; // answers in turn; the last one repeats
    std::u16string availabilityText;
    int downloadAnswer = 0;
    std::u16string downloadMessage = u"Version 9 is ready.";
    int fileInfoAnswer = 1; // not yet
    std::u16string fileName = u"Setup.exe";
    std::u16string folder = u"C:\\Temp\\OrvlUpdate\\";
    // The installer the server announces; the statement is made of it unless a test gives its own.
    std::vector<uint8_t> announced{'M', 'Z', 0x90, 0, 3, 0, 0, 0, 'P', 'E'};
    std::optional<std::u16string> installerStatement;
    int progressAnswer = 1; // no news
    uint32_t percent = 0;
    int checks = 0;
    int downloads = 0;
    int fileInfoCalls = 0;
    about::UpdateRequest lastRequest;

private:
    std::shared_ptr<bool> m_gone;
};

class StillCalendar final : public platform::WallClock {
public:
    int64_t SecondsSince1970() override { return now; }
    int64_t now = 1'700'000'000;
};

// The services over the fakes; a worker's job waits in `jobs` until the test runs it.
struct FakeServices {
    FakeServices() {
        services.openLibrary = [this] {
            ++librariesOpened;
            return library;
        };
        services.shell = &shell;
        services.files = &files;
        files.files[library->folder + library->fileName] = library->announced;
        services.calendar = &calendar;
        services.runWorker = [this](std::function<void()> job) { jobs.push_back(std::move(job)); };
        services.internetReachableNow = [this] {
            ++internetTests;
            return internet;
        };
    }
    // Runs the jobs queued so far, oldest first, and forgets them (with whatever they hold).
    void RunJobs() {
        std::vector<std::function<void()>> now;
        now.swap(jobs);
        for (auto& job : now) {
            job();
        }
    }

    std::shared_ptr<bool> libraryGone = std::make_shared<bool>(false);
    std::shared_ptr<FakeUpdateLibrary> library = std::make_shared<FakeUpdateLibrary>(libraryGone);
    fakes::FakeShell shell;
    fakes::FakeFileSystem files; // the download folder: holds the announced installer
    StillCalendar calendar;
    std::vector<std::function<void()>> jobs;
    bool internet = true;
    int internetTests = 0;
    int librariesOpened = 0;
    about::LiveUpdateServices services;
};

using abouttest::ProgramFolderOnDisk;

// Status texts named after their number, so a test sees which one was logged.
constexpr char kLiveUpdateTexts[] =
    "[IDD_DIALOG_ABOUT_LIVE_UPDATE]\r\n"
    "Status1=S1\r\nStatus2=S2\r\nStatus3=S3\r\nStatus4=S4\r\nStatus5=S5\r\n"
    "Status6=S6\r\nStatus7=S7\r\nStatus8=S8\r\nStatus9=S9\r\nStatus10=S10\r\n";

} // namespace liveupdatetest
