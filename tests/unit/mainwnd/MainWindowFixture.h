// The main window on the fake host with its four pages, the in-memory service library, registry,
// clock, sound and notification area. The workers' threads are not started: tests call their steps.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/Encoding.h"
#include "base/IniFile.h"
#include "base/Text.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeNotificationArea.h"
#include "fakes/FakePopupMenu.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSound.h"
#include "fakes/FakeSystemInfo.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWindowWorkers.h"
#include "networks/NetworkList.h"
#include "profiles/ProfileStore.h"
#include "res/AppIds.h"
#include "res/MainWndIds.h"

namespace mainwndtest {

constexpr std::u16string_view kAppKey = u"Software\\Orvelin\\KTVA7700v2";

// The tray menu the window makes each time: every one forwards to the test's scripted menu.
class ScriptedMenu final : public platform::PopupMenu {
public:
    explicit ScriptedMenu(fakes::FakePopupMenu& script) : m_script(script) { m_script.items.clear(); }
    bool Append(const platform::MenuItem& item) override { return m_script.Append(item); }
    bool CheckItem(uint32_t id, bool checked) override { return m_script.CheckItem(id, checked); }
    bool RemoveItem(uint32_t id) override { return m_script.RemoveItem(id); }
    uint32_t Track() override { return m_script.Track(); }

private:
    fakes::FakePopupMenu& m_script;
};

class SettingsPageDouble final : public CSettingsPage {
public:
    SettingsPageDouble();
    void ShowCurrentProfile() override { calls.push_back("show"); }
    void ReloadCurrentProfile() override { calls.push_back("reload"); }
    void ApplySettings() override { calls.push_back("apply"); }
    void RefillNetworkNames() override { calls.push_back("refill"); }
    bool SelectProfile(std::u16string_view name) override {
        calls.push_back("select " + base::Utf16ToUtf8(name));
        return true;
    }
    void DeleteShownProfile() override { calls.push_back("delete"); }
    void PromptForModifiedProfile() override { calls.push_back("prompt"); }
    void OnAdapterArrived() override { calls.push_back("arrived"); }
    void ApplyTexts() override { ++textsApplied; }
    std::vector<std::string> calls;
    int textsApplied = 0;
};

class NetworksPageDouble final : public CNetworksPage {
public:
    NetworksPageDouble();
    void Rescan() override { calls.push_back("rescan"); }
    void ConnectSelected() override { calls.push_back("connect"); }
    void ApplyTexts() override { ++textsApplied; }
    std::vector<std::string> calls;
    int textsApplied = 0;
};

class StatisticsPageDouble final : public CStatisticsPage {
public:
    StatisticsPageDouble();
    void ApplyTexts() override { ++textsApplied; }
    int textsApplied = 0;
};

class AboutPageDouble final : public CAboutPage {
public:
    AboutPageDouble();
    void RefreshAdapterInfo() override { ++refreshes; }
    void ApplyTexts() override { ++textsApplied; }
    int refreshes = 0;
    int textsApplied = 0;
};

// The templates as src/res/MainWnd.rc declares them (pixels of a 96-dpi screen).
void RegisterMainWindowTemplates();

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Opens the window as start-up runs it. With `adapter`, the library has the adapter and the
    // window's arrival handling has run.
    void Open(bool adapter = true);
    // The library's thread delivers an event; the window handles it when its messages are pumped.
    void Pump() { host->PumpPosted(); }
    void Store(std::u16string_view name, std::u16string_view text) {
        registry.WriteString(platform::kHkeyLocalMachine, kAppKey, name, text);
    }
    std::u16string Stored(std::u16string_view name) {
        std::u16string text;
        registry.ReadString(platform::kHkeyLocalMachine, kAppKey, name, text);
        return text;
    }
    // A stored profile as the store writes it.
    void PutProfile(std::u16string_view name, std::u16string_view network, int order);
    void Connected(std::u16string_view ssid, uint32_t signal);
    std::vector<std::u16string> KernelCalls(std::u16string_view prefix);
    const platform::TrayIcon* TrayShown() const;

    fakes::FakeRegistry registry;
    fakes::FakeKernel kernel{registry};
    fakes::FakeClock clock;
    fakes::FakeSystemInfo system;
    fakes::FakeSound sound;
    fakes::FakeFileSystem files;
    fakes::FakeNotificationArea* tray = nullptr;
    fakes::FakePopupMenu menu; // choices: what the user picks; shownMenus: what the user saw
    int wizardsStarted = 0;
    int hardwareRuns = 0;
    int hardwareCancels = 0;

    SettingsPageDouble settings;
    NetworksPageDouble networks;
    StatisticsPageDouble statistics;
    AboutPageDouble about;
    std::unique_ptr<CNetUIDlg> window;
    std::unique_ptr<fakes::FakeHost> host;
};

} // namespace mainwndtest
