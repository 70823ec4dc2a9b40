#include "AppTestSupport.h"
#include "WatcherTestSupport.h"
#include "app/AppMessages.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "app/CNetUIApp.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeNamedObjects.h"
#include "fakes/FakeProcesses.h"
#include "fakes/FakeServiceManager.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/FakeUsbDevices.h"
#include "fakes/FakeWindowManager.h"
#include "res/AppIds.h"

#include <chrono>
#include <thread>

using apptest::AppTest;
using apptest::RecordingWindow;

namespace {

// The main window as start-up sees it: found by its caption. (Its own behaviour is tested with it.)
class CaptionedWindow final : public ui::Dialog {
public:
    CaptionedWindow() : ui::Dialog(IDD_NETUI_DIALOG) {}
    bool OnInit() override {
        host().SetCaption(MainWindowTitle());
        return true;
    }
};

struct Shown {
    std::u16string text;
    std::u16string caption;
};

// One process of the program: its own fakes, the shared registry, named objects and windows.
struct Process {
    Process(fakes::FakeRegistry& registry, fakes::FakeKernel& kernel,
            std::shared_ptr<fakes::FakeNamespace> ns, fakes::FakeWindowManager& windows,
            std::u16string folder)
        : namedObjects(std::move(ns)),
          app({registry, system, files, namedObjects, services, clock, processes, windows, devices},
              AppUi{[this](std::u16string_view text, std::u16string_view caption, uint32_t) {
                        shown.push_back({std::u16string(text), std::u16string(caption)});
                        return ui::kAnswerOk;
                    },
                    [this](ui::Dialog& dialog) {
                        modals.push_back(dialog.TemplateId());
                        return modalAnswer;
                    },
                    [this](CNetUIApp&) {
                        ++mainWindowRuns;
                        if (duringMainWindow) {
                            duringMainWindow();
                        }
                        return 1;
                    }},
              &kernel) {
        system.modulePath = folder + u"KTVA7700v2.exe";
    }

    fakes::FakeSystemInfo system;
    fakes::FakeFileSystem files;
    fakes::FakeNamedObjects namedObjects;
    fakes::FakeServiceManager services;
    fakes::FakeClock clock;
    fakes::FakeProcesses processes;
    fakes::FakeUsbDevices devices;
    std::vector<Shown> shown;
    std::vector<int> modals;
    int modalAnswer = ui::kIdOk;
    int mainWindowRuns = 0;
    std::function<void()> duringMainWindow;
    CNetUIApp app;
};

} // namespace

class StartUp : public AppTest {
protected:
    StartUp() {
        disk.WriteBytes("Product.ini", "[Information]\nName=KTVA7700v2\nCorp=Orvelin\n");
        disk.WriteLanguage("English", "[MAIN]\nMainTitle=Orvelin KTVA7700v2 Link Warden\n"
                                      "MessageBoxTitle=Orvelin Wireless Adapter\nDef_Profile_Name=Default\n");
    }
    std::u16string AppKeyValue(std::u16string_view name) {
        std::u16string text;
        registry.ReadString(platform::kHkeyLocalMachine, u"Software\\Orvelin\\KTVA7700v2", name, text);
        return text;
    }
    void StoreApp(std::u16string_view name, std::u16string_view text) {
        registry.WriteString(platform::kHkeyLocalMachine, u"Software\\Orvelin\\KTVA7700v2", name, text);
    }
    std::unique_ptr<Process> NewProcess() {
        return std::make_unique<Process>(registry, kernel, ns, windows, disk.Folder());
    }

    std::shared_ptr<fakes::FakeNamespace> ns = std::make_shared<fakes::FakeNamespace>();
    fakes::FakeWindowManager windows;
};

TEST_F(StartUp, FirstRunOnXpAsksForTheAdapterStartsTheToolAndRunsTheMainWindow) {
    auto p = NewProcess();
    EXPECT_EQ(p->app.Run(u""), 0);
    EXPECT_EQ(p->app.ended(), AppEnd::MainWindowClosed);
    EXPECT_EQ(ProductName, u"KTVA7700v2");
    EXPECT_EQ(AppKey, u"Software\\Orvelin\\KTVA7700v2");
    EXPECT_EQ(ProgramFileName, u"ktva7700v2.exe");
    EXPECT_EQ(p->modals, std::vector<int>{IDD_DIALOG_INSTER_ADAPTER});
    ASSERT_EQ(p->processes.started.size(), 1u);
    const auto& tool = p->processes.started[0];
    EXPECT_EQ(tool.verb, u"open");
    EXPECT_EQ(tool.file, disk.Folder() + u"DrvSeed.exe");
    EXPECT_EQ(tool.parameters, u"EU -0");
    EXPECT_EQ(tool.folder, u"");
    EXPECT_TRUE(tool.hidden);
    EXPECT_EQ(AppKeyValue(u"FirstRun"), u"255");
    EXPECT_EQ(p->mainWindowRuns, 1);
    EXPECT_EQ(MessageBoxCaption(), u"Orvelin Wireless Adapter");

    auto calls = kernel.Calls();
    auto start = std::find(calls.begin(), calls.end(), u"Start");
    ASSERT_NE(start, calls.end());
    ASSERT_NE(start + 1, calls.end());
    EXPECT_EQ((start + 1)->rfind(u"AddReceiver", 0), 0u) << "AddReceiver follows Start";
    EXPECT_EQ(calls.back().rfind(u"RemoveReceiver", 0), 0u) << "no event may reach the ended application";
    EXPECT_EQ(g_pnKernel, nullptr) << "cleared before the library is released";
    EXPECT_EQ(p->clock.TotalSlept(), 100u + 1000u);
}

TEST_F(StartUp, SixtyFourBitWindowsStartsTheSixtyFourBitTool) {
    auto p = NewProcess();
    p->system.version = {true, platform::kPlatformNt, 6, 1};
    p->system.wow64 = true;
    p->app.Run(u"");
    ASSERT_EQ(p->processes.started.size(), 1u);
    EXPECT_EQ(p->processes.started[0].file, disk.Folder() + u"DrvSeed64.exe");
}

TEST_F(StartUp, FirstRunDoneSkipsTheDialogAndTheTool) {
    StoreApp(u"FirstRun", u"255");
    auto p = NewProcess();
    p->app.Run(u"");
    EXPECT_TRUE(p->modals.empty());
    EXPECT_TRUE(p->processes.started.empty());
}

TEST_F(StartUp, AnAdapterAlreadyReportedSkipsTheDialogButNotTheTool) {
    auto p = NewProcess();
    DevicePresent = true;
    p->app.Run(u"");
    EXPECT_TRUE(p->modals.empty());
    EXPECT_EQ(p->processes.started.size(), 1u);
}

TEST_F(StartUp, OlderWindowsOnlyMarkTheFirstRun) {
    auto p = NewProcess();
    p->system.version = {true, platform::kPlatformNt, 4, 0};
    p->app.Run(u"");
    EXPECT_TRUE(p->modals.empty());
    EXPECT_TRUE(p->processes.started.empty());
    EXPECT_EQ(AppKeyValue(u"FirstRun"), u"255");
}

TEST_F(StartUp, CancelledAdapterDialogEndsWithoutMarkingTheFirstRun) {
    auto p = NewProcess();
    p->modalAnswer = ui::kIdCancel;
    EXPECT_EQ(p->app.Run(u""), 0);
    EXPECT_EQ(p->app.ended(), AppEnd::AdapterNotConfirmed);
    EXPECT_EQ(AppKeyValue(u"FirstRun"), u"");
    EXPECT_TRUE(p->processes.started.empty());
    EXPECT_EQ(p->mainWindowRuns, 0);
}

TEST_F(StartUp, UpgradeNoticeShowsOnceAndResetsTheFlag) {
    StoreApp(u"FirstRun", u"255");
    StoreApp(u"Upgread", u"1");
    auto p = NewProcess();
    p->app.Run(u"");
    ASSERT_EQ(p->shown.size(), 1u);
    EXPECT_EQ(p->shown[0].text, u"Reinstall/Upgrade complete.");
    EXPECT_EQ(p->shown[0].caption, u"Orvelin Wireless Adapter");
    EXPECT_EQ(AppKeyValue(u"Upgread"), u"0");
    auto again = NewProcess();
    again->app.Run(u"");
    EXPECT_TRUE(again->shown.empty());
}

TEST_F(StartUp, ASecondCopyEndsAtOnceLeavingTheFirstUntouched) {
    StoreApp(u"FirstRun", u"255");
    auto first = NewProcess();
    first->duringMainWindow = [&] {
        auto second = NewProcess();
        EXPECT_EQ(second->app.Run(u""), 0);
        EXPECT_EQ(second->app.ended(), AppEnd::AnotherCopyRunning);
        EXPECT_TRUE(second->services.opened.empty()) << "ended before the service check";
        EXPECT_EQ(second->mainWindowRuns, 0);
    };
    first->app.Run(u"");
    EXPECT_EQ(first->mainWindowRuns, 1);
}

TEST_F(StartUp, SetProfileHandsTheWholeRestToTheRunningWindow) {
    StoreApp(u"FirstRun", u"255");
    platform::WindowHandle running = windows.AddWindow(u"Orvelin KTVA7700v2 Link Warden");
    auto first = NewProcess();
    first->duringMainWindow = [&] {
        kernel.ClearCalls();
        auto second = NewProcess();
        EXPECT_EQ(second->app.Run(u"-SETPROFILE  Home Net "), 0);
        EXPECT_EQ(second->app.ended(), AppEnd::SecondCopy);
        EXPECT_EQ(second->mainWindowRuns, 0);
        EXPECT_EQ(AppKeyValue(u"ChangeProfile"), u"Home Net");
        auto posted = windows.Posted();
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].window, running);
        EXPECT_EQ(posted[0].message, kMsgChangeProfile);
        EXPECT_TRUE(second->services.opened.size() == 1) << "goes on through start-up";
    };
    first->app.Run(u"");
}

// The running window is found by its caption; whatever the language and whichever language files are
// missing, the window and the search must resolve the same title, or the hand-over is lost.
TEST_F(StartUp, SetProfileFindsTheRunningWindowInEveryLanguageWithOrWithoutItsFile) {
    StoreApp(u"FirstRun", u"255");
    struct Case {
        const char16_t* language;
        bool englishFile;
    };
    const Case cases[] = {{u"1", false}, {u"1", true}, {u"0", false}, {u"12", false}, {u"0", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Language " << base::Utf16ToUtf8(c.language)
                                        << (c.englishFile ? " with" : " without") << " English.lng");
        if (c.englishFile) {
            disk.WriteLanguage("English", "[MAIN]\nMainTitle=Orvelin KTVA7700v2 Link Warden\n");
        } else {
            disk.RemoveLanguage("English");
        }
        StoreApp(u"Language", c.language);
        StoreApp(u"ChangeProfile", u"");
        auto first = NewProcess();
        first->duringMainWindow = [&] {
            CaptionedWindow frame;
            fakes::FakeHost host(frame);
            host.Open();
            platform::WindowHandle running = windows.AddWindow(host.Caption());
            auto second = NewProcess();
            EXPECT_EQ(second->app.Run(u"-setProfile Home Net"), 0);
            EXPECT_EQ(second->app.ended(), AppEnd::SecondCopy)
                << "the window's caption: " << base::Utf16ToUtf8(host.Caption());
            EXPECT_EQ(AppKeyValue(u"ChangeProfile"), u"Home Net");
            host.Destroy();
            windows.RemoveWindow(running);
        };
        first->app.Run(u"");
    }
}

TEST_F(StartUp, SetProfileWithoutARunningWindowEndsSilently) {
    StoreApp(u"FirstRun", u"255");
    auto first = NewProcess();
    first->duringMainWindow = [&] {
        auto second = NewProcess();
        EXPECT_EQ(second->app.Run(u"-setProfile Office"), 0);
        EXPECT_EQ(second->app.ended(), AppEnd::ProfileWindowMissing);
        EXPECT_EQ(AppKeyValue(u"ChangeProfile"), u"");
    };
    first->app.Run(u"");
}

TEST_F(StartUp, SetProfileWithoutAnotherCopyStartsNormally) {
    StoreApp(u"FirstRun", u"255");
    windows.AddWindow(u"Orvelin KTVA7700v2 Link Warden");
    auto p = NewProcess();
    p->app.Run(u"-setProfile Office");
    EXPECT_EQ(p->mainWindowRuns, 1);
    EXPECT_TRUE(windows.Posted().empty());
    EXPECT_EQ(AppKeyValue(u"ChangeProfile"), u"");
}

TEST_F(StartUp, CloseSwitchReachesTheRunningCopysWatcher) {
    StoreApp(u"FirstRun", u"255");
    auto first = NewProcess();
    RecordingWindow mainWindow;
    first->duringMainWindow = [&] {
        first->app.SetMainWindow(mainWindow.MakePoster());
        auto closer = NewProcess();
        EXPECT_EQ(closer->app.Run(u"-c"), 0);
        EXPECT_EQ(closer->app.ended(), AppEnd::CloseRequested);
        ASSERT_TRUE(mainWindow.WaitForMessages(1));
        EXPECT_EQ(mainWindow.Messages(), std::vector<uint32_t>{kMsgExitProgram});
    };
    first->app.Run(u"");
    EXPECT_TRUE(windows.Posted().empty()) << "the watcher reaches the window only through its Poster";
}

TEST_F(StartUp, ACloseRequestBeforeTheMainWindowWaitsForIt) {
    StoreApp(u"FirstRun", u"255");
    auto first = NewProcess();
    RecordingWindow mainWindow;
    first->duringMainWindow = [&] {
        auto closer = NewProcess();
        EXPECT_EQ(closer->app.Run(u"-C"), 0);
        first->app.SetMainWindow(mainWindow.MakePoster());
        ASSERT_TRUE(mainWindow.WaitForMessages(1)) << "the request waited for the window";
    };
    first->app.Run(u"");
    EXPECT_EQ(mainWindow.Messages(), std::vector<uint32_t>{kMsgExitProgram})
        << "one request, one close message";
}

// The exit hang: clean-up joins the watchers on the window's own thread, which then pumps no messages.
// A watcher that touched the window itself (showing it waits for that thread) would never return.
TEST_F(StartUp, AShowRequestDuringExitNeverReachesTheWindowFromTheWatcher) {
    StoreApp(u"FirstRun", u"255");
    auto p = NewProcess();
    RecordingWindow mainWindow;
    std::unique_ptr<platform::SyncObject> show;
    p->duringMainWindow = [&] {
        p->app.SetMainWindow(mainWindow.MakePoster());
        show = fakes::FakeNamedObjects(ns).OpenNamedEvent(CNetUIApp::ShowRequestEventName(u"KTVA7700v2"));
        ASSERT_NE(show, nullptr);
        show->Set();
        ASSERT_TRUE(mainWindow.WaitForMessages(1));
        // The request is still pending (the fake clock never ends its settling) when the window goes.
        mainWindow.Close();
        p->app.SetMainWindow(ui::Poster());
        show->Set();
    };
    apptest::MustFinish("the exit with a pending show request", [&] { p->app.Run(u""); });
    EXPECT_EQ(p->app.ended(), AppEnd::MainWindowClosed);
    EXPECT_EQ(mainWindow.Messages(), std::vector<uint32_t>{kMsgShowMainWindow});
    EXPECT_TRUE(windows.Calls().empty()) << "no worker shows, moves or posts to a window handle";
    EXPECT_TRUE(windows.Posted().empty());
}

TEST_F(StartUp, AShowRequestWhileTheWindowIsGoneEndsWithTheProgram) {
    StoreApp(u"FirstRun", u"255");
    auto p = NewProcess();
    RecordingWindow mainWindow;
    std::unique_ptr<platform::SyncObject> show;
    p->duringMainWindow = [&] {
        p->app.SetMainWindow(mainWindow.MakePoster());
        mainWindow.Close();
        show = fakes::FakeNamedObjects(ns).OpenNamedEvent(CNetUIApp::ShowRequestEventName(u"KTVA7700v2"));
        ASSERT_NE(show, nullptr);
        show->Set();
        auto closer = NewProcess();
        EXPECT_EQ(closer->app.Run(u"-C"), 0) << "a close request for the gone window as well";
    };
    apptest::MustFinish("the exit with requests for a gone window", [&] { p->app.Run(u""); });
    EXPECT_TRUE(mainWindow.Messages().empty()) << "nothing reaches a window after it is gone";
    EXPECT_TRUE(windows.Calls().empty());
}

TEST_F(StartUp, MissingServiceShowsTheMessageAndOpensNoWindow) {
    auto p = NewProcess();
    p->services.script.installed = false;
    EXPECT_EQ(p->app.Run(u""), 0);
    EXPECT_EQ(p->app.ended(), AppEnd::ServiceFailed);
    ASSERT_EQ(p->shown.size(), 1u);
    EXPECT_EQ(p->shown[0].text, u"Failed to run Service");
    EXPECT_EQ(p->shown[0].caption, u"Message");
    EXPECT_EQ(p->mainWindowRuns, 0);
    EXPECT_EQ(kernel.CountCalls(u"Start"), 0u);
}

TEST_F(StartUp, ServiceModeFollowsOsAndRights) {
    StoreApp(u"FirstRun", u"255");
    auto xpAdmin = NewProcess();
    xpAdmin->app.Run(u"");
    EXPECT_EQ(xpAdmin->services.openedManaged, std::vector<bool>{true});
    auto xpUser = NewProcess();
    xpUser->system.administrator = false;
    xpUser->app.Run(u"");
    EXPECT_EQ(xpUser->services.openedManaged, std::vector<bool>{false});
    auto seven = NewProcess();
    seven->system.version = {true, platform::kPlatformNt, 6, 1};
    seven->app.Run(u"");
    EXPECT_EQ(seven->services.openedManaged, std::vector<bool>{false});
}

TEST_F(StartUp, DriverFolderOfTheOtherWindowsIsRemovedOnVistaAndSeven) {
    StoreApp(u"FirstRun", u"255");
    struct Case {
        platform::OsVersion version;
        bool wow64;
        const char16_t* folder;
    };
    const Case cases[] = {{{true, platform::kPlatformNt, 6, 1}, false, u"Driver\\Vista"},
                          {{true, platform::kPlatformNt, 6, 1}, true, u"Driver\\Vista64"},
                          {{true, platform::kPlatformNt, 6, 0}, false, u"Driver\\WIN7"},
                          {{true, platform::kPlatformNt, 6, 0}, true, u"Driver\\WIN764"}};
    for (const Case& c : cases) {
        auto p = NewProcess();
        p->system.version = c.version;
        p->system.wow64 = c.wow64;
        p->app.Run(u"");
        EXPECT_EQ(p->files.deletedFolders, std::vector<std::u16string>{disk.Folder() + c.folder});
    }
    auto xp = NewProcess();
    xp->app.Run(u"");
    EXPECT_TRUE(xp->files.deletedFolders.empty());
}

TEST_F(StartUp, ProfilesNamedAfterAnyLanguagesDefaultAreRemovedExceptByASecondCopy) {
    disk.WriteLanguage("Germany", "[MAIN]\nDef_Profile_Name=Standard\n");
    disk.WriteLanguage("French", "[MAIN]\nDef_Profile_Name=Default\n");
    StoreApp(u"FirstRun", u"255");
    const std::u16string list = u"SOFTWARE\\Orvelin\\CustomParams\\Profiles";
    auto storeProfile = [&](const std::u16string& name) {
        registry.WriteString(platform::kHkeyLocalMachine, list + u"\\" + name, u"ConfigurationName", name);
    };
    for (const char16_t* name : {u"Default", u"Standard", u"Home"}) {
        storeProfile(name);
    }
    auto first = NewProcess();
    first->duringMainWindow = [&] {
        storeProfile(u"Standard");
        kernel.ClearCalls();
        auto second = NewProcess();
        second->app.Run(u"-setProfile");
        EXPECT_EQ(second->app.ended(), AppEnd::SecondCopy);
        EXPECT_EQ(kernel.CountCalls(u"RegDeleteKeyTree"), 0u) << "a second copy removes nothing";
    };
    first->app.Run(u"");
    EXPECT_FALSE(registry.KeyExists(platform::kHkeyLocalMachine, list + u"\\Default"));
    EXPECT_TRUE(registry.KeyExists(platform::kHkeyLocalMachine, list + u"\\Standard"));
    EXPECT_TRUE(registry.KeyExists(platform::kHkeyLocalMachine, list + u"\\Home"));
}

TEST_F(StartUp, MissingProductIniGivesTheDefaultIdentity) {
    disk.WriteBytes("Product.ini", "[Other]\nName=x\n");
    auto p = NewProcess();
    p->app.Run(u"");
    EXPECT_EQ(ProductName, u"KTA7700");
    EXPECT_EQ(AppKey, u"Software\\Orvelin\\KTA7700");
}

TEST_F(StartUp, UnboundLibraryStopsBeforeAnyCallWithAClearMessage) {
    Process p(registry, kernel, ns, windows, disk.Folder());
    CNetUIApp unbound(
        {registry, p.system, p.files, p.namedObjects, p.services, p.clock, p.processes, windows, p.devices},
        AppUi{[&](std::u16string_view text, std::u16string_view, uint32_t) {
                  p.shown.push_back({std::u16string(text), u""});
                  return 1;
              },
              [](ui::Dialog&) { return 1; }, [](CNetUIApp&) { return 1; }},
        nullptr, u"Skyvane.dll is missing.");
    EXPECT_NE(unbound.Run(u""), 0);
    EXPECT_EQ(unbound.ended(), AppEnd::LibraryMissing);
    ASSERT_EQ(p.shown.size(), 1u);
    EXPECT_EQ(p.shown[0].text, u"Skyvane.dll is missing.");
    EXPECT_TRUE(kernel.Calls().empty());
    EXPECT_TRUE(p.services.opened.empty());
}

TEST_F(StartUp, DeviceLoadedRefreshesTheStateAndMarksTheAdapterPresent) {
    auto p = NewProcess();
    g_pnKernel = &kernel;
    p->app.OnWKDeviceLoaded();
    EXPECT_TRUE(DevicePresent);
    EXPECT_EQ(kernel.CountCalls(u"ReadAdapterState"), 1u);
}
