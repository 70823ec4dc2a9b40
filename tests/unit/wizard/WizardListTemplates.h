// The templates of src/res/WizardList.rc (the "Please Wait" window, the network list and the two
// security message windows) in pixels of a 96-dpi screen for the strict fake host, and the set-up their
// tests share.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/Text.h"
#include "fakes/FakeHost.h"
#include "kernel/StatusRecords.h"
#include "networks/NetworkList.h"
#include "res/WizardListIds.h"
#include "unit/app/AppTestSupport.h"
#include "wizard/WizardState.h"

namespace wizardlisttest {

// Dialog units of "MS Shell Dlg" 8 pt to pixels.
inline ui::Rect Dlu(int x, int y, int width, int height) {
    auto px = [](int units) { return units * 3 / 2; };
    auto py = [](int units) { return units * 13 / 8; };
    return {px(x), py(y), px(x + width), py(y + height)};
}

inline void RegisterListTemplates() {
    using ui::ControlKind;
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_PLEASEWAIT,
                            {{IDC_WIZARD_PLEASEWAIT_TEXT, ControlKind::Static, Dlu(4, 9, 119, 20), false}});
    fakes::RegisterTemplate(
        IDD_DLG_CONNECTWIZARD_SITESURVEY_EX,
        {
            {IDC_WIZARD_SIDE_PICTURE, ControlKind::Static, Dlu(0, 0, 72, 74), false},
            {IDC_WIZARD_BANNER, ControlKind::Static, Dlu(72, 0, 211, 20), false},
            {IDC_WIZARD_TITLE, ControlKind::Static, Dlu(80, 25, 196, 12), false},
            {IDC_WIZARD_LIST_EXPLANATION, ControlKind::Static, Dlu(80, 39, 198, 34), false},
            {IDC_WIZARD_LIST_NETWORKS, ControlKind::Report, Dlu(4, 77, 275, 62), true},
            {IDC_WIZARD_LIST_NOTE, ControlKind::Static, Dlu(4, 142, 275, 17), false},
            {IDC_WIZARD_SEPARATOR, ControlKind::Static, Dlu(0, 160, 283, 1), false},
            {IDC_WIZARD_LIST_REFRESH, ControlKind::Button, Dlu(4, 166, 100, 14), true},
            {IDC_WIZARD_BACK, ControlKind::Button, Dlu(117, 166, 50, 14), true},
            {IDC_WIZARD_NEXT, ControlKind::Button, Dlu(169, 166, 50, 14), true},
            {ui::kIdCancel, ControlKind::Button, Dlu(225, 166, 50, 14), true},
        });
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_MESSAGE_WEB,
                            {
                                {IDC_WIZARD_MESSAGE_WEB_TEXT, ControlKind::Static, Dlu(7, 7, 176, 26), false},
                                {ui::kIdOk, ControlKind::Button, Dlu(70, 38, 50, 14), true},
                            });
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_MESSAGE_PSK,
                            {
                                {IDC_WIZARD_MESSAGE_PSK_TEXT, ControlKind::Static, Dlu(7, 7, 177, 42), false},
                                {ui::kIdOk, ControlKind::Button, Dlu(70, 55, 50, 14), true},
                            });
}

// A scanned network.
inline kernel::BssEntry Network(std::u16string_view name, uint32_t security, uint16_t signal,
                                uint32_t capabilities = 0, uint32_t networkType = 0) {
    kernel::BssEntry entry{};
    base::CopyToField(entry.ssid, name);
    entry.security = security;
    entry.signal = signal;
    entry.capabilities = capabilities;
    entry.networkType = networkType;
    entry.radioModes = kernel::kRadio80211g;
    entry.channel = 6;
    return entry;
}

// A window of the list's group opened on the strict fake host over fresh wizard state, the adapter
// present and the in-memory service and registry in place.
class ListGroupTest : public apptest::AppTest {
protected:
    ListGroupTest() {
        RegisterListTemplates();
        wizard::ResetWizardState();
        networks::ResetNetworkList();
        DevicePresent = true;
        Store(u"VIDPID", u"VID_1234&PID_9999");
    }
    ~ListGroupTest() override {
        m_host.reset();
        m_page.reset();
        fakes::ForgetTemplates();
        networks::ResetNetworkList();
        wizard::ResetWizardState();
    }

    // What the Networks tab does at the end of a survey: the delivered networks become the list.
    static void ApplySurvey(const std::vector<kernel::BssEntry>& networks) {
        networks::ApplySurvey(networks, 0, kernel::ConnectionStatus{}, 0, 0);
    }

    // Opens the window; `before` prepares its host (what the system offers) first.
    template <class Page> Page& Open(const std::function<void(fakes::FakeHost&)>& before = {}) {
        m_host.reset();
        auto page = std::make_unique<Page>();
        Page& result = *page;
        m_page = std::move(page);
        m_host = std::make_unique<fakes::FakeHost>(*m_page);
        m_host->Strict();
        if (before) {
            before(*m_host);
        }
        m_host->Open();
        return result;
    }

    // A language file of these lines (UTF-8, sections included) becomes the chosen English file.
    void UseLanguageFile(const std::string& content) {
        disk.WriteLanguage("English", content);
        SelectLanguage();
    }
    fakes::FakeHost& host() { return *m_host; }

private:
    std::unique_ptr<ui::Dialog> m_page;
    std::unique_ptr<fakes::FakeHost> m_host;
};

} // namespace wizardlisttest
