// The Settings page inside the main window on the fake host, over the in-memory registry and service.
// The dialogs the page opens are answered by the test (their own behaviour is tested on its own).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "base/Trace.h"
#include "fakes/FakeAnsiCodePage.h"
#include "mainwnd/ConnectWorker.h"
#include "profiles/CProFileSettingDlg.h"
#include "res/AdvancedSettingsIds.h"
#include "res/ProfileDialogsIds.h"
#include "res/SettingsIds.h"

namespace settingstest {

inline void RegisterSettingsPageTemplate() {
    using ui::ControlKind;
    fakes::RegisterTemplate(
        IDD_DIALOG_PROFILE_SETTING,
        {
            {IDC_STATIC_PROFILE_SELECTED_ADAPTER, ControlKind::Static, {6, 0, 102, 13}, false},
            {IDC_STATIC_PROFILE_GROUP_PROFILES, ControlKind::Button, {6, 3, 594, 49}, false},
            {IDC_COMBO_PROFILE_NAME, ControlKind::Combo, {15, 20, 183, 215}, true},
            {IDC_BUTTON_PROFILE_SAVE_PROFILE, ControlKind::Button, {192, 18, 318, 41}, true},
            {IDC_BUTTON_PROFILE_DEL_PROFILE, ControlKind::Button, {324, 18, 450, 41}, true},
            {IDC_BUTTON_PROFILE_PRIORITY_PROFILE, ControlKind::Button, {456, 18, 585, 41}, true},
            {IDC_STATIC_PROFILE_GROUP_SSID, ControlKind::Button, {6, 52, 216, 124}, false},
            {IDC_COMBO_PROFILE_SSID, ControlKind::Combo, {15, 75, 207, 270}, true},
            {IDC_STATIC_PROFILE_GROUP_NETORKTYPE, ControlKind::Button, {222, 52, 594, 124}, false},
            {IDC_RADIO_PROFILE_INFRASTRUCTURE, ControlKind::Button, {231, 70, 246, 86}, true},
            {IDC_STATIC_PROFILE_NETWORKTYPE_INFRASTRUCTURE, ControlKind::Static, {249, 72, 450, 85}, false},
            {IDC_RADIO_PROFILE_ADHOC, ControlKind::Button, {231, 94, 246, 110}, true},
            {IDC_STATIC_PROFILE_NETWORKTYPE_ADHOC, ControlKind::Static, {249, 96, 450, 109}, false},
            {IDC_BUTTON_PROFILE_INIT_ADHOC, ControlKind::Button, {456, 91, 585, 114}, true},
            {IDC_STATIC_PROFILE_GROUP_SECURITY, ControlKind::Button, {6, 127, 594, 244}, false},
            {IDC_RADIO_PROFILE_SECURITY_DISABLE, ControlKind::Button, {15, 145, 135, 161}, true},
            {IDC_BUTTON_PROFILE_ADVANCED_SETTING, ControlKind::Button, {456, 141, 585, 164}, true},
            {IDC_RADIO_PROFILE_SECURITY_WPA, ControlKind::Button, {15, 169, 30, 185}, true},
            {IDC_COMBO_PROFILE_WPA, ControlKind::Combo, {33, 166, 171, 263}, true},
            {IDC_EDIT_PROFILE_PSK, ControlKind::Edit, {180, 166, 456, 185}, true},
            {IDC_RADIO_PROFILE_SECURITY_WEP, ControlKind::Button, {15, 193, 81, 209}, true},
            {IDC_RADIO_PROFILE_SECURITY_PASSPHRASE, ControlKind::Button, {87, 193, 237, 209}, true},
            {IDC_STATIC_PROFILE_WEP_PASSPHRASE, ControlKind::Static, {240, 195, 333, 208}, false},
            {IDC_EDIT_PROFILE_WEP_PASSPHRASE, ControlKind::Edit, {336, 192, 492, 211}, true},
            {IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN, ControlKind::Combo, {498, 192, 585, 289}, true},
            {IDC_RADIO_PROFILE_SECURITY_KEY, ControlKind::Button, {87, 218, 243, 234}, true},
            {IDC_COMBO_PROFILE_MANUAL_KEYLEN, ControlKind::Combo, {246, 214, 330, 312}, true},
            {IDC_COMBO_PROFILE_KEY_NUMBER, ControlKind::Combo, {336, 214, 399, 344}, true},
            {IDC_EDIT_PROFILE_WEP_KEY, ControlKind::Edit, {405, 214, 585, 234}, true},
            {IDC_STATIC_PROFILE_GROUP_HELP, ControlKind::Button, {6, 244, 594, 367}, false},
            {IDC_RICHEDIT_PAGE_HELP, ControlKind::RichText, {15, 260, 585, 361}, false},
        });
}

class SettingsPageTest : public mainwndtest::MainWindowTest {
protected:
    SettingsPageTest() {
        RegisterSettingsPageTemplate();
        base::SetTraceSink([this](std::u16string_view line) { traces.emplace_back(line); });
    }
    ~SettingsPageTest() override {
        base::SetTraceSink(nullptr);
        if (host && !host->destroyed()) {
            host->Destroy(); // while the page of this fixture still exists
        }
        host.reset();
        window.reset();
    }

    void OpenPage() {
        window = std::make_unique<CNetUIDlg>(nullptr, MainPages{page, networks, statistics, about},
                                             MainWindowPlatform{clock, system, sound});
        window->SetStartWorkerThreads(false);
        host = std::make_unique<fakes::FakeHost>(*window, ui::Rect{300, 200, 816, 620});
        host->Strict();
        DevicePresent = true;
        host->Open();
        Settle();
        Page().modalHandler = [this](ui::Dialog& child) {
            modals.push_back(child.TemplateId());
            auto answer = modalAnswers.find(child.TemplateId());
            if (child.TemplateId() == IDD_DIALOG_PROFILE_SETTING_PRIORITY && whilePriorityOpen) {
                whilePriorityOpen();
            }
            return answer == modalAnswers.end() ? ui::kIdCancel : answer->second;
        };
    }
    void Settle() {
        while (host->PumpPosted() > 0) {
        }
    }
    fakes::FakeHost& Page() { return *host->Page(page); }
    std::u16string Shown(ui::ControlId id) { return Page().GetText(id); }
    bool Enabled(ui::ControlId id) { return Page().IsEnabled(id); }
    bool Checked(ui::ControlId id) { return Page().Button(id).IsChecked(); }
    std::vector<std::u16string> Items(ui::ControlId id) { return Page().control(id).items; }
    // The user clicks a radio button: the page checks it itself.
    void ClickRadio(ui::ControlId id) { Page().Click(id); }
    // The stored value of a profile, as the service wrote it.
    std::u16string StoredText(std::u16string_view profile, std::u16string_view value) {
        std::u16string text;
        registry.ReadString(platform::kHkeyLocalMachine,
                            std::u16string(profiles::kProfileListKey) + u"\\" + std::u16string(profile),
                            value, text);
        return text;
    }
    bool StoredProfile(std::u16string_view profile) {
        return registry.KeyExists(platform::kHkeyLocalMachine, std::u16string(profiles::kProfileListKey) +
                                                                   u"\\" + std::u16string(profile));
    }
    std::vector<std::u16string> MessageTexts() {
        std::vector<std::u16string> texts;
        for (const auto& box : Page().messageBoxes) {
            texts.push_back(box.text);
        }
        return texts;
    }
    // A WPA2 profile typed into the page under `name`.
    void TypeWpa2Profile(std::u16string_view name, std::u16string_view network, std::u16string_view key) {
        Page().Type(IDC_COMBO_PROFILE_SSID, network);
        Page().Type(IDC_COMBO_PROFILE_NAME, name);
        ClickRadio(IDC_RADIO_PROFILE_SECURITY_WPA);
        Page().SelectItem(IDC_COMBO_PROFILE_WPA, Page().Combo(IDC_COMBO_PROFILE_WPA).Find(u"WPA2-PSK[AES]"));
        Page().Type(IDC_EDIT_PROFILE_PSK, key);
    }
    bool ConnectRequested() { return window->ConnectRequests().Pending(); }
    int RequestedIndex() { return window->ConnectRequests().ProfileIndex(); }

    fakes::FakeAnsiCodePage codePage = fakes::FakeAnsiCodePage::Windows1252();
    CProFileSettingDlg page{codePage};
    std::map<int, int> modalAnswers; // template id -> the button the user ends the dialog with
    std::vector<int> modals;         // template ids of the dialogs the page ran, in order
    std::function<void()> whilePriorityOpen;
    std::vector<std::u16string> traces;
};

} // namespace settingstest
