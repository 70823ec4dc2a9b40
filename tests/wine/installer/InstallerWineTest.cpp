// setup.exe in a fresh prefix of its own: a silent install with everything in place, the utility from
// its Start-menu entry, a reinstall over a running copy, the live update's upgrade, removal through
// Uninstall.exe, a second removal, a removal after the service was stopped and files deleted by hand,
// and the interactive pages (pictured into docs/installer with KT_DOC_SCREENSHOTS_DIR).
#include <fstream>
#include <iostream>
#include <map>
#include <memory>

#include "wine/installer/InstalledProduct.h"

#include <shellapi.h>

#include "wine/networks_e2e/PngCapture.h"
#include "wine/update/UpdateTestSupport.h"

namespace {

using namespace installertest;

constexpr REGSAM kNativeView = KEY_WOW64_64KEY;
constexpr REGSAM k32BitView = KEY_WOW64_32KEY;
constexpr wchar_t kModify[] = L"/z\"-MODIFY\"";
constexpr int kAboutTab = 3;
constexpr int kUpdateButton = 1193;
constexpr int kNsisNext = 1;

std::map<std::wstring, std::wstring> InstallerValues() {
    std::map<std::wstring, std::wstring> values;
    std::ifstream in(
        std::filesystem::path(WindowsPath(Env(L"KT_SOURCE_DIR")) + L"data\\InstallerValues.txt"));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        size_t eq = line.find('=');
        if (line.empty() || line[0] == ';' || eq == std::string::npos) {
            continue;
        }
        values[std::wstring(line.begin(), line.begin() + static_cast<long>(eq))] =
            std::wstring(line.begin() + static_cast<long>(eq) + 1, line.end());
    }
    return values;
}

std::wstring SetupIniVersion() {
    wchar_t text[64] = {};
    GetPrivateProfileStringW(L"MenuItem", L"version", L"", text, 64,
                             (WindowsPath(Env(L"KT_SOURCE_DIR")) + L"data\\setup.ini").c_str());
    return text;
}

bool Installed() {
    return KeyExists(kUninstallKey, kNativeView);
}

// Files, Start-menu entries and registry keys the product may leave, one line each.
std::vector<std::wstring> Footprint() {
    std::vector<std::wstring> lines;
    for (const std::wstring& file : FilesUnder(InstallFolder())) {
        lines.push_back(L"file " + InstallFolder() + file);
    }
    for (const std::wstring& file : FilesUnder(MenuFolder())) {
        lines.push_back(L"menu " + MenuFolder() + file);
    }
    ListKey(HKEY_LOCAL_MACHINE, L"Software\\Orvelin", k32BitView, lines);
    ListKey(HKEY_LOCAL_MACHINE, kUninstallKey, kNativeView, lines);
    ListKey(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Services\\WSKTVA7700", kNativeView, lines);
    if (ReadString(kRunKey, L"KTVA7700v2", kNativeView) != L"<none>") {
        lines.push_back(std::wstring(L"run entry ") + kRunKey + L" : KTVA7700v2");
    }
    return lines;
}

std::string Joined(const std::vector<std::wstring>& lines) {
    std::string out;
    for (const std::wstring& line : lines) {
        out += "  " + Narrow(line) + "\n";
    }
    return out;
}

// Whether a visible control of the window (or of its page) shows a text holding `text`.
bool ShowsText(HWND window, const std::wstring& text) {
    struct Search {
        const std::wstring* text;
        bool found;
    } search{&text, false};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t buffer[512] = {};
            GetWindowTextW(child, buffer, 512);
            if (IsWindowVisible(child) && std::wstring(buffer).find(*s->text) != std::wstring::npos) {
                s->found = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void StoreProfile(const wchar_t* name) {
    WriteString(std::wstring(kProfileStore) + L"\\" + name, L"NetworkName", name, k32BitView);
}

class InstallerUnderWine : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }

    void SetUp() override { ASSERT_TRUE(Exists(SetupExe())) << "no setup.exe at " << Narrow(SetupExe()); }

    void TearDown() override {
        CloseUtility();
        m_utility.reset();
    }

    int RunSetup(const std::wstring& exe, const std::wstring& arguments, int milliseconds = 60000) {
        Program setup(exe, arguments);
        EXPECT_TRUE(setup.started()) << Narrow(exe);
        int code = setup.Wait(milliseconds);
        EXPECT_NE(code, -1) << "setup " << Narrow(arguments) << " did not end; on screen:\n"
                            << VisibleDialogs();
        return code;
    }

    void EnsureInstalled() {
        if (!Installed()) {
            ASSERT_EQ(RunSetup(SetupExe(), L"/S"), 0) << VisibleDialogs();
        }
        ASSERT_TRUE(Installed());
    }

    // A removal started from the program folder goes on in a copy of setup and ends when its folder,
    // the last thing it deletes before its entry, is gone.
    bool WaitRemoved() {
        return WaitFor([] { return !Installed() && !Exists(InstallFolder()); }, 60000);
    }

    void EnsureRemoved() {
        if (Installed()) {
            CloseUtility();
            RunSetup(InstallFolder() + L"setup.exe", L"-REMOVE /S");
            ASSERT_TRUE(WaitRemoved()) << Joined(Footprint()) << VisibleDialogs();
        }
    }

    // The installed utility, its set-up finished, with no upgrade notice pending.
    void StartUtility() {
        WriteAppValue(L"FirstRun", L"255");
        DeleteAppValue(L"Upgread");
        m_utility = std::make_unique<Program>(InstallFolder() + L"KTVA7700v2.exe", L"");
        ASSERT_TRUE(m_utility->started());
        ASSERT_NE(WaitForWindow(nullptr, networks_e2e::kMainTitle, 30000), nullptr) << VisibleDialogs();
    }

    // The way setup closes it: a second copy with "-C".
    void CloseUtility() {
        if (!UtilityRunning()) {
            return;
        }
        // An upgrade notice (in whatever language) holds the copy before its main window, where the
        // request is taken.
        if (HWND box = FindWindowW(L"#32770", kUtilityBoxCaption)) {
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            WaitFor([&] { return !IsWindow(box); }, 5000);
        }
        if (Exists(InstallFolder() + L"KTVA7700v2.exe")) {
            Program(InstallFolder() + L"KTVA7700v2.exe", L"-C").Wait(10000);
        }
        EXPECT_TRUE(WaitFor([] { return !UtilityRunning(); }, 15000)) << VisibleDialogs();
    }

    std::unique_ptr<Program> m_utility;
};

TEST_F(InstallerUnderWine, SilentInstallPutsFilesServiceValuesEntryAndShortcutsInPlace) {
    EnsureRemoved();
    StoreProfile(L"KeptNet"); // a profile from before: installing leaves it alone
    ASSERT_EQ(RunSetup(SetupExe(), L"/S"), 0) << VisibleDialogs();

    std::vector<std::wstring> expected = {
        L"Bandlore.dat",   L"ConnectToInternet.WAV", L"DrvSeed64.exe",  L"DrvSeed_Product.ini",
        L"KTVA7700v2.exe", L"OrvlAdapterUpdate.dll", L"Product.ini",    L"Skyvane.dll",
        L"Skyvane.ini",    L"Uninstall.exe",         L"WSKTVA7700.exe", L"setup.exe",
        L"setup.ini",      L"stringtable.dat"};
    for (const std::wstring& file : FilesUnder(Dist() + L"Language")) {
        expected.push_back(L"Language\\" + file);
    }
    std::sort(expected.begin(), expected.end());
    std::vector<std::wstring> installed = FilesUnder(InstallFolder());
    // The x86 driver tool is packed only when an x86 build provides it (KT_INSTALLER_DRVSEED_OTHER).
    std::erase(installed, std::wstring(L"DrvSeed.exe"));
    EXPECT_EQ(installed, expected) << "installed:\n" << Joined(installed);
    EXPECT_EQ(std::count_if(installed.begin(), installed.end(),
                            [](const std::wstring& file) { return file.ends_with(L".lng"); }),
              24)
        << "a language file in each of the 24 folders";

    std::wstring servicePath;
    EXPECT_EQ(ServiceState(&servicePath), static_cast<DWORD>(SERVICE_RUNNING));
    EXPECT_NE(servicePath.find(InstallFolder() + L"WSKTVA7700.exe"), std::wstring::npos)
        << Narrow(servicePath);

    for (const auto& [name, value] : InstallerValues()) {
        if (name != L"Language") {
            EXPECT_EQ(ReadAppValue(name.c_str()), value) << Narrow(name);
        }
    }
    // Wine's user-interface language here is English, the first row.
    EXPECT_EQ(ReadAppValue(L"Language"), L"0");
    EXPECT_EQ(ReadAppValue(L"Upgread"), L"<none>") << "a first install is no upgrade";
    EXPECT_TRUE(KeyExists(std::wstring(kProfileStore) + L"\\KeptNet", k32BitView));

    EXPECT_EQ(ReadString(kUninstallKey, L"DisplayName", kNativeView), L"Orvelin KTVA7700v2 Link Warden");
    EXPECT_EQ(ReadString(kUninstallKey, L"DisplayVersion", kNativeView), SetupIniVersion());
    EXPECT_EQ(ReadString(kUninstallKey, L"Publisher", kNativeView), L"Orvelin");
    EXPECT_EQ(ReadString(kUninstallKey, L"DisplayIcon", kNativeView),
              L"\"" + InstallFolder() + L"KTVA7700v2.exe\",0");
    EXPECT_EQ(ReadString(kUninstallKey, L"UninstallString", kNativeView),
              L"\"" + InstallFolder() + L"setup.exe\" -REMOVE");
    EXPECT_GT(ReadDword(kUninstallKey, L"EstimatedSize", kNativeView), 1000u) << "kilobytes";
    EXPECT_EQ(ReadString(kRunKey, L"KTVA7700v2", kNativeView), L"\"" + InstallFolder() + L"KTVA7700v2.exe\"");

    Shortcut utility = ReadShortcut(MenuFolder() + L"KTVA7700v2.lnk");
    EXPECT_EQ(utility.target, InstallFolder() + L"KTVA7700v2.exe");
    Shortcut uninstall = ReadShortcut(MenuFolder() + L"Uninstall.lnk");
    EXPECT_EQ(uninstall.target, InstallFolder() + L"Uninstall.exe");
    EXPECT_EQ(uninstall.arguments, std::wstring(L"-L0 -GUID ") + kProductId);
}

TEST_F(InstallerUnderWine, TheUtilityStartsFromItsStartMenuEntry) {
    EnsureInstalled();
    WriteAppValue(L"FirstRun", L"255");
    DeleteAppValue(L"Upgread");
    ASSERT_FALSE(UtilityRunning());
    // What a click on the entry does: the shell opens the shortcut.
    std::wstring link = MenuFolder() + L"KTVA7700v2.lnk";
    auto opened = reinterpret_cast<intptr_t>(
        ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    EXPECT_GT(opened, 32) << "the shell did not open " << Narrow(link);
    HWND main = WaitForWindow(nullptr, networks_e2e::kMainTitle, 30000);
    ASSERT_NE(main, nullptr) << VisibleDialogs();
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    ASSERT_NE(process, nullptr);
    wchar_t image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    QueryFullProcessImageNameW(process, 0, image, &size);
    CloseHandle(process);
    EXPECT_EQ(std::wstring(image), InstallFolder() + L"KTVA7700v2.exe") << "the installed program runs";
}

TEST_F(InstallerUnderWine, InstallingOverARunningCopyClosesItFirstAndKeepsProfiles) {
    EnsureInstalled();
    StoreProfile(L"OfficeNet");
    StartUtility();
    ASSERT_EQ(RunSetup(SetupExe(), L"/S"), 0) << VisibleDialogs();
    EXPECT_EQ(m_utility->Wait(0), 0) << "the running copy ended through its close request, not by force";
    EXPECT_TRUE(KeyExists(std::wstring(kProfileStore) + L"\\OfficeNet", k32BitView));
    EXPECT_EQ(ServiceState(), static_cast<DWORD>(SERVICE_RUNNING));
    // The copy that was closed comes back and tells of the reinstall once.
    EXPECT_TRUE(AnswerBox(L"Reinstall/Upgrade complete.", IDOK, 30000)) << VisibleDialogs();
    EXPECT_TRUE(WaitFor([] { return ReadAppValue(L"Upgread") == L"0"; }, 5000));
    EXPECT_TRUE(UtilityRunning());
}

TEST_F(InstallerUnderWine, AnUpgradeKeepsAChangedLanguageAndSetsUpgread) {
    EnsureInstalled();
    StartUtility();
    WriteAppValue(L"Language", L"3");
    WriteAppValue(L"ShowInternet", L"0"); // a value the user changed
    Program upgrade(SetupExe(), kModify);
    ASSERT_TRUE(upgrade.started());
    // "Upgread" is read by the utility setup starts again at its end; it is set before that start.
    ASSERT_TRUE(WaitFor([] { return ReadAppValue(L"Upgread") == L"1"; }, 60000)) << VisibleDialogs();
    EXPECT_EQ(upgrade.Wait(60000), 0) << VisibleDialogs();
    EXPECT_EQ(m_utility->Wait(0), 0) << "the running copy was closed";
    EXPECT_EQ(ReadAppValue(L"Language"), L"3");
    EXPECT_EQ(ReadAppValue(L"ShowInternet"), L"0");
    // The notice in the kept language, French.
    EXPECT_TRUE(AnswerBox(L"/mise ", IDOK, 30000)) << VisibleDialogs();
    EXPECT_TRUE(WaitFor([] { return ReadAppValue(L"Upgread") == L"0"; }, 5000));
    EXPECT_TRUE(UtilityRunning()) << "the utility is back";
    CloseUtility();
    WriteAppValue(L"Language", L"0");
}

// About tab, Update, download, setup started with /z"-MODIFY", and the utility back with its notice.
TEST_F(InstallerUnderWine, TheLiveUpdateInstallsTheServedSetupAndTheUtilityComesBack) {
    EnsureInstalled();
    std::wstring setupFolder = SetupExe().substr(0, SetupExe().find_last_of(L'\\') + 1);
    updatetest::UpdateServer server(L"newer", setupFolder + L"setup.exe");
    ASSERT_TRUE(server.running());
    SetEnvironmentVariableW(L"ORVL_UPDATE_FEED", server.FeedUrl().c_str());
    WriteAppValue(L"AutoUpdate", L"0");
    WriteAppValue(L"CountryDomain", L"9"); // the library's own Internet report decides
    WriteAppValue(L"ShowInternet", L"1");
    // Connected to a network of the installed stand-in's world, which then reports the Internet.
    networks_e2e::WriteCurrentProfile(L"HomeNet", u"sunflower42", kernel::kModeAll);
    StartUtility();
    SetEnvironmentVariableW(L"ORVL_UPDATE_FEED", nullptr);
    HWND main = FindWindowW(nullptr, networks_e2e::kMainTitle);
    PostMessageW(main, networks_e2e::kTrayNotify, networks_e2e::kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 10000));
    HWND tab = GetDlgItem(main, networks_e2e::kTabControl);
    HWND button = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (button = FindDescendant(main, kUpdateButton)) != nullptr; }, 10000));
    std::optional<RECT> item = TabItemRect(tab, kAboutTab);
    ASSERT_TRUE(item.has_value());
    ASSERT_TRUE(ClickUntil(*item, [&] { return IsWindowVisible(button) != FALSE; }));
    HWND dialog = nullptr;
    for (int attempt = 0; attempt < 15 && dialog == nullptr; ++attempt) {
        RECT rect{};
        GetWindowRect(button, &rect);
        HWND notConnected = nullptr;
        ClickUntil(rect, [&] {
            dialog = FindWindowW(L"#32770", L"LiveCheck");
            notConnected = FindBox(L"not connected to the Internet");
            return dialog != nullptr || notConnected != nullptr;
        });
        if (dialog == nullptr && notConnected != nullptr) {
            // The library has not reported the Internet yet.
            PostMessageW(notConnected, WM_COMMAND, IDOK, 0);
            WaitFor([&] { return !IsWindow(notConnected); }, 5000);
            Sleep(1000);
        }
    }
    ASSERT_NE(dialog, nullptr) << "the live-update dialog did not open; on screen:\n" << VisibleDialogs();
    ASSERT_TRUE(AnswerBox(L"999.0.0", IDOK, 60000)) << VisibleDialogs();
    ASSERT_TRUE(AnswerBox(L"Install the new version now?", IDYES, 120000)) << VisibleDialogs();
    // The setup served closes this copy and starts the installed one again.
    EXPECT_EQ(m_utility->Wait(60000), 0) << VisibleDialogs();
    ASSERT_TRUE(AnswerBox(L"Reinstall/Upgrade complete.", IDOK, 60000)) << VisibleDialogs();
    EXPECT_TRUE(WaitFor([] { return ReadAppValue(L"Upgread") == L"0"; }, 5000));
    EXPECT_NE(WaitForWindow(nullptr, networks_e2e::kMainTitle, 30000), nullptr) << "the utility is back";
    EXPECT_EQ(FindBox(L"Reinstall/Upgrade complete."), nullptr) << "the notice comes once";
}

TEST_F(InstallerUnderWine, UninstallLauncherRemovesEverythingButTheKeptProfiles) {
    EnsureInstalled();
    StoreProfile(L"KeptNet");
    StartUtility();
    std::vector<std::wstring> before = Footprint();
    std::cout << "Before removal:\n" << Joined(before);
    Shortcut entry = ReadShortcut(MenuFolder() + L"Uninstall.lnk");
    ASSERT_FALSE(entry.arguments.empty());
    Program launcher(InstallFolder() + L"Uninstall.exe", entry.arguments);
    EXPECT_EQ(launcher.Wait(20000), 0);
    ASSERT_TRUE(AnswerBox(L"Remove Orvelin KTVA7700v2 Link Warden", IDYES, 30000)) << VisibleDialogs();
    ASSERT_TRUE(AnswerBox(L"Also delete your stored wireless profiles?", IDNO, 10000)) << VisibleDialogs();
    ASSERT_TRUE(AnswerBox(L"has been removed", IDOK, 60000)) << VisibleDialogs();
    std::vector<std::wstring> after = Footprint();
    std::cout << "After removal:\n" << Joined(after);
    // Nothing but the stored profiles the user chose to keep, and the maker's key that holds them.
    std::vector<std::wstring> kept = {L"Software\\Orvelin"};
    std::copy_if(before.begin(), before.end(), std::back_inserter(kept), [](const std::wstring& line) {
        return line.starts_with(L"Software\\Orvelin\\CustomParams");
    });
    EXPECT_NE(std::find(kept.begin(), kept.end(), L"Software\\Orvelin\\CustomParams\\Profiles\\KeptNet"),
              kept.end());
    EXPECT_EQ(after, kept);
    EXPECT_FALSE(Exists(InstallFolder()));
    EXPECT_FALSE(Exists(MenuFolder()));
    EXPECT_EQ(ServiceState(), 0u) << "the service is deleted";
    EXPECT_EQ(m_utility->Wait(0), 0) << "the running copy was closed";
}

TEST_F(InstallerUnderWine, ASecondRemovalReportsNotInstalledAndEndsCleanly) {
    EnsureRemoved();
    Program removal(SetupExe(), L"-REMOVE");
    ASSERT_TRUE(AnswerBox(L"Orvelin KTVA7700v2 Link Warden is not installed.", IDOK, 30000))
        << VisibleDialogs();
    EXPECT_EQ(removal.Wait(10000), 0);
    EXPECT_EQ(RunSetup(SetupExe(), L"-L0 -GUID " + std::wstring(kProductId) + L" /S"), 0);
    EXPECT_FALSE(Installed());
}

TEST_F(InstallerUnderWine, RemovalAfterTheServiceStoppedAndFilesWentByHandEndsWithoutABox) {
    EnsureInstalled();
    StopService();
    for (const wchar_t* file : {L"WSKTVA7700.exe", L"Skyvane.dll", L"KTVA7700v2.exe"}) {
        // The stopped service's process ends a moment after it reported so.
        ASSERT_TRUE(WaitFor([&] { return DeleteFileW((InstallFolder() + file).c_str()) != FALSE; }, 10000))
            << Narrow(file);
    }
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(InstallFolder() + L"Language\\Germany"), ignored);
    RunSetup(InstallFolder() + L"setup.exe", L"-REMOVE /S");
    EXPECT_TRUE(WaitRemoved()) << Joined(Footprint()) << VisibleDialogs();
    EXPECT_EQ(VisibleDialogs(), "");
    EXPECT_EQ(ServiceState(), 0u) << "the registration went without the service's own program";
    EXPECT_FALSE(KeyExists(L"Software\\Orvelin\\KTVA7700v2", k32BitView));
}

// The pages a user sees, in order; the language picked on the first page is the one written.
TEST_F(InstallerUnderWine, InteractiveInstallShowsItsPagesAndWritesThePickedLanguage) {
    EnsureRemoved();
    std::wstring docs = Env(L"KT_DOC_SCREENSHOTS_DIR");
    Program setup(SetupExe(), L"");
    ASSERT_TRUE(setup.started());
    HWND window = WaitForWindow(L"#32770", kSetupCaption, 30000);
    ASSERT_NE(window, nullptr) << VisibleDialogs();
    auto picture = [&](const wchar_t* name) {
        if (!docs.empty()) {
            Sleep(300); // the page's controls finish painting
            EXPECT_TRUE(networks_e2e::CaptureWindowAsPng(window, WindowsPath(docs) + name + L".png"));
        }
    };
    // Posted, not sent: setup must not hold this test while it changes pages.
    auto next = [&](const std::function<bool()>& arrived) {
        PostMessageW(GetDlgItem(window, kNsisNext), BM_CLICK, 0, 0);
        return WaitFor(arrived, 20000);
    };
    auto pageWith = [&](const std::wstring& text) {
        return [window, text] { return ShowsText(window, text); };
    };
    ASSERT_TRUE(WaitFor(pageWith(L"The utility shows its windows in this language"), 10000));
    HWND list =
        FindWindowExW(FindWindowExW(window, nullptr, L"#32770", nullptr), nullptr, L"ComboBox", nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 24);
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0) << "the system's language (English) is preselected";
    SendMessageW(list, CB_SETCURSEL, 1, 0); // German
    picture(L"setup-1-language");
    ASSERT_TRUE(next(pageWith(L"Welcome to the")));
    picture(L"setup-2-welcome");
    ASSERT_TRUE(next(pageWith(L"Destination Folder")));
    picture(L"setup-3-folder");
    ASSERT_TRUE(next(pageWith(L"Installation Complete")));
    picture(L"setup-4-progress");
    ASSERT_TRUE(next(pageWith(L"Completing")));
    picture(L"setup-5-finish");
    // Without the utility started from the last page.
    HWND page = FindWindowExW(window, nullptr, L"#32770", nullptr);
    HWND run = FindWindowExW(page, nullptr, L"Button", L"Start the KTVA7700v2 utility now");
    if (run != nullptr) {
        SendMessageW(run, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    PostMessageW(GetDlgItem(window, kNsisNext), BM_CLICK, 0, 0);
    EXPECT_EQ(setup.Wait(20000), 0) << VisibleDialogs();
    EXPECT_EQ(ReadAppValue(L"Language"), L"1");
    EXPECT_EQ(ServiceState(), static_cast<DWORD>(SERVICE_RUNNING));
    EnsureRemoved();
}

} // namespace
