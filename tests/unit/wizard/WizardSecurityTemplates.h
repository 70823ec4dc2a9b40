// The security pages' templates as src/res/WizardSecurity.rc declares them, in pixels of a 96-dpi
// screen, for the strict fake host, and the set-up the pages' tests share.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/AppTexts.h"
#include "base/Text.h"
#include "fakes/FakeHost.h"
#include "networks/NetworkList.h"
#include "res/WizardSecurityIds.h"
#include "unit/app/AppTestSupport.h"
#include "unit/settings/SettingsDialogTemplates.h"
#include "wizard/WizardState.h"

namespace wizardsecuritytest {

// Dialog units of "MS Shell Dlg" 8 pt to pixels.
inline ui::Rect Dlu(int x, int y, int width, int height) {
    auto px = [](int units) { return units * 3 / 2; };
    auto py = [](int units) { return units * 13 / 8; };
    return {px(x), py(y), px(x + width), py(y + height)};
}

// The frame every page shares, with the page's own controls between its top and its bottom.
inline std::vector<fakes::ControlDecl> Framed(std::vector<fakes::ControlDecl> own) {
    using ui::ControlKind;
    std::vector<fakes::ControlDecl> controls = {
        {IDC_WIZARD_SIDE_PICTURE, ControlKind::Static, Dlu(0, 0, 72, 74), false},
        {IDC_WIZARD_BANNER, ControlKind::Static, Dlu(72, 0, 211, 20), false},
        {IDC_WIZARD_TITLE, ControlKind::Static, Dlu(80, 25, 196, 12), false},
        {IDC_WIZARD_STEP_PANEL, ControlKind::Static, Dlu(0, 74, 72, 84), false},
        {IDC_WIZARD_STEP1, ControlKind::Static, Dlu(4, 80, 66, 18), false},
        {IDC_WIZARD_STEP2, ControlKind::Static, Dlu(4, 100, 66, 18), false},
        {IDC_WIZARD_STEP3, ControlKind::Static, Dlu(4, 120, 66, 18), false},
        {IDC_WIZARD_STEP4, ControlKind::Static, Dlu(4, 140, 66, 18), false},
    };
    controls.insert(controls.end(), own.begin(), own.end());
    controls.push_back({IDC_WIZARD_SEPARATOR, ControlKind::Static, Dlu(0, 160, 283, 1), false});
    controls.push_back({IDC_WIZARD_BACK, ControlKind::Button, Dlu(117, 166, 50, 14), true});
    controls.push_back({IDC_WIZARD_NEXT, ControlKind::Button, Dlu(169, 166, 50, 14), true});
    controls.push_back({ui::kIdCancel, ControlKind::Button, Dlu(225, 166, 50, 14), true});
    return controls;
}

inline void RegisterSecurityTemplates() {
    using ui::ControlKind;
    fakes::RegisterTemplate(
        IDD_DLG_CONNECTWIZARD_SECURITY_WEB,
        Framed({
            {IDC_STATIC_WEB_INSTRUCTION, ControlKind::Static, Dlu(80, 42, 196, 20), false},
            {IDC_STATIC_WEB_CHOOSE, ControlKind::Static, Dlu(80, 66, 196, 10), false},
            {IDC_RADIO_WEB_PASSPHRASE, ControlKind::Button, Dlu(90, 82, 180, 10), true},
            {IDC_RADIO_WEB_HEX, ControlKind::Button, Dlu(90, 96, 180, 10), false},
            {IDC_STATIC_WEB_NOTE, ControlKind::Static, Dlu(80, 114, 196, 42), false},
        }));
    fakes::RegisterTemplate(
        IDD_DLG_CONNECTWIZARD_INPUTPHRASE,
        Framed({
            {IDC_STATIC_PHRASE_INSTRUCTION, ControlKind::Static, Dlu(80, 42, 196, 20), false},
            {IDC_EDIT_PHRASE, ControlKind::Edit, Dlu(80, 66, 136, 14), true},
            {IDC_COMBO_PHRASE_KEYLENGTH, ControlKind::Combo, Dlu(222, 66, 54, 40), true},
            {IDC_CHECK_PHRASE_HIDE, ControlKind::Button, Dlu(80, 86, 196, 10), true},
            {IDC_STATIC_PHRASE_NOTE, ControlKind::Static, Dlu(80, 102, 196, 54), false},
        }));
    fakes::RegisterTemplate(
        IDD_DLG_CONNECTWIZARD_INPUTHEX,
        Framed({
            {IDC_STATIC_HEX_INSTRUCTION, ControlKind::Static, Dlu(80, 42, 196, 20), false},
            {IDC_COMBO_HEX_KEYNUMBER, ControlKind::Combo, Dlu(80, 66, 50, 70), true},
            {IDC_COMBO_HEX_KEYLENGTH, ControlKind::Combo, Dlu(136, 66, 54, 40), true},
            {IDC_EDIT_HEX, ControlKind::Edit, Dlu(80, 84, 196, 14), true},
            {IDC_CHECK_HEX_HIDE, ControlKind::Button, Dlu(80, 104, 196, 10), true},
            {IDC_STATIC_HEX_NOTE, ControlKind::Static, Dlu(80, 118, 196, 38), false},
        }));
    fakes::RegisterTemplate(
        IDD_DLG_CONNECTWIZARD_SECURITY_PSK,
        Framed({
            {IDC_STATIC_PSK_INSTRUCTION, ControlKind::Static, Dlu(80, 42, 196, 20), false},
            {IDC_EDIT_PSK, ControlKind::Edit, Dlu(80, 66, 196, 14), true},
            {IDC_CHECK_PSK_HIDE, ControlKind::Button, Dlu(80, 86, 196, 10), true},
            {IDC_STATIC_PSK_NOTE, ControlKind::Static, Dlu(80, 102, 196, 54), false},
        }));
}

// An auto check box or radio button changes its state before it tells the page.
inline void Toggle(fakes::FakeHost& host, ui::ControlId id) {
    host.control(id).checked = !host.control(id).checked;
    host.Click(id);
}

// A page opened on the fake host over fresh wizard state, with the adapter present and a network list
// of one named network (index 0) and one hidden network (index 1).
class SecurityPageTest : public apptest::AppTest {
protected:
    SecurityPageTest() {
        RegisterSecurityTemplates();
        wizard::ResetWizardState();
        DevicePresent = true;
        kernel::BssEntry named{};
        base::CopyToField(named.ssid, u"Cafe");
        kernel::BssEntry hidden{};
        networks::ReplaceNetworkList({named, hidden});
    }
    ~SecurityPageTest() override {
        m_host.reset();
        m_page.reset();
        fakes::ForgetTemplates();
        networks::ResetNetworkList();
        wizard::ResetWizardState();
    }

    // Opens the page; a second call closes the first.
    template <class Page, class... Args> fakes::FakeHost& Open(Args&... args) {
        m_host.reset();
        m_page = std::make_unique<Page>(args...);
        m_host = std::make_unique<fakes::FakeHost>(*m_page);
        m_host->Strict();
        m_host->Open();
        return *m_host;
    }

    // The first run after an installation that left the save page out.
    void MakeSilentFirstRun() {
        WizardState.firstRun = true;
        Store(u"InstallType", u"0");
    }

    void UseShippedEnglish() {
        disk.WriteLanguage("English", settingstest::ShippedEnglishFile());
        SelectLanguage();
        LoadLanguageTexts();
    }

private:
    std::unique_ptr<ui::Dialog> m_page;
    std::unique_ptr<fakes::FakeHost> m_host;
};

inline std::u16string Repeat(std::u16string_view text, size_t times) {
    std::u16string result;
    for (size_t i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

} // namespace wizardsecuritytest
