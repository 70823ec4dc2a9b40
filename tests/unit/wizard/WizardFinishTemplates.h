// The templates of src/res/WizardFinish.rc (hidden network, save page, reserved-name page, summary) as
// the strict fake host needs them, in pixels of a 96-dpi screen, and the fixture their tests share.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/AppTexts.h"
#include "fakes/FakeHost.h"
#include "profiles/ProfileStore.h"
#include "res/WizardFinishIds.h"
#include "unit/app/AppTestSupport.h"
#include "wizard/WizardState.h"

namespace wizardfinishtest {

// Dialog units of "MS Shell Dlg" 8 pt to pixels.
inline ui::Rect Dlu(int x, int y, int width, int height) {
    auto px = [](int units) { return units * 3 / 2; };
    auto py = [](int units) { return units * 13 / 8; };
    return {px(x), py(y), px(x + width), py(y + height)};
}

inline std::vector<fakes::ControlDecl> Frame(bool stepPanel) {
    using ui::ControlKind;
    std::vector<fakes::ControlDecl> frame = {
        {IDC_WIZARD_SIDE_PICTURE, ControlKind::Static, Dlu(0, 0, 72, 74), false},
        {IDC_WIZARD_BANNER, ControlKind::Static, Dlu(72, 0, 211, 20), false},
        {IDC_WIZARD_TITLE, ControlKind::Static, Dlu(80, 25, 196, 12), false},
    };
    if (stepPanel) {
        frame.push_back({IDC_WIZARD_STEP_PANEL, ControlKind::Static, Dlu(0, 74, 72, 84), false});
        frame.push_back({IDC_WIZARD_STEP1, ControlKind::Static, Dlu(4, 80, 66, 18), false});
        frame.push_back({IDC_WIZARD_STEP2, ControlKind::Static, Dlu(4, 100, 66, 18), false});
        frame.push_back({IDC_WIZARD_STEP3, ControlKind::Static, Dlu(4, 120, 66, 18), false});
        frame.push_back({IDC_WIZARD_STEP4, ControlKind::Static, Dlu(4, 140, 66, 18), false});
    }
    return frame;
}

inline void AddButtons(std::vector<fakes::ControlDecl>& controls) {
    using ui::ControlKind;
    controls.push_back({IDC_WIZARD_SEPARATOR, ControlKind::Static, Dlu(0, 160, 283, 1), false});
    controls.push_back({IDC_WIZARD_BACK, ControlKind::Button, Dlu(117, 166, 50, 14), true});
    controls.push_back({IDC_WIZARD_NEXT, ControlKind::Button, Dlu(169, 166, 50, 14), true});
    controls.push_back({ui::kIdCancel, ControlKind::Button, Dlu(225, 166, 50, 14), true});
}

inline void RegisterFinishTemplates() {
    using ui::ControlKind;
    std::vector<fakes::ControlDecl> hidden = Frame(true);
    hidden.insert(hidden.end(),
                  {
                      {IDC_STATIC_HIDDEN_INSTRUCTION, ControlKind::Static, Dlu(80, 40, 196, 10), false},
                      {IDC_STATIC_HIDDEN_NAME_LABEL, ControlKind::Static, Dlu(80, 57, 56, 10), false},
                      {IDC_EDIT_HIDDEN_NAME, ControlKind::Edit, Dlu(138, 55, 134, 12), true},
                      {IDC_RADIO_HIDDEN_WEP, ControlKind::Button, Dlu(90, 73, 120, 10), true},
                      {IDC_RADIO_HIDDEN_WPAPSK, ControlKind::Button, Dlu(90, 84, 120, 10), false},
                      {IDC_RADIO_HIDDEN_WPA2PSK, ControlKind::Button, Dlu(90, 95, 120, 10), false},
                      {IDC_RADIO_HIDDEN_NONE, ControlKind::Button, Dlu(90, 106, 120, 10), false},
                      {IDC_STATIC_HIDDEN_EXPLANATION, ControlKind::Static, Dlu(80, 122, 196, 34), false},
                  });
    AddButtons(hidden);
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_HIDDEN, hidden);

    std::vector<fakes::ControlDecl> save = Frame(true);
    save.insert(save.end(),
                {
                    {IDC_STATIC_SAVEPROFILE_QUESTION, ControlKind::Static, Dlu(80, 42, 196, 10), false},
                    {IDC_RADIO_SAVEPROFILE_YES, ControlKind::Button, Dlu(90, 58, 80, 10), true},
                    {IDC_RADIO_SAVEPROFILE_NO, ControlKind::Button, Dlu(180, 58, 80, 10), false},
                    {IDC_STATIC_SAVEPROFILE_EXPLANATION, ControlKind::Static, Dlu(80, 76, 196, 26), false},
                    {IDC_EDIT_SAVEPROFILE_NAME, ControlKind::Edit, Dlu(80, 106, 192, 12), true},
                });
    AddButtons(save);
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_SAVEPROFILE, save);

    std::vector<fakes::ControlDecl> refusal = Frame(true);
    refusal.push_back({IDC_STATIC_FILE_ERROR_MESSAGE, ControlKind::Static, Dlu(80, 48, 196, 40), false});
    AddButtons(refusal);
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_FILE_ERROR, refusal);

    std::vector<fakes::ControlDecl> summary = Frame(false);
    summary.insert(summary.end(),
                   {
                       {IDC_STATIC_WPSVIEW_HEADLINE, ControlKind::Static, Dlu(80, 40, 196, 26), false},
                       {IDC_STATIC_WPSVIEW_SETTING, ControlKind::Static, Dlu(80, 70, 196, 10), false},
                       {IDC_STATIC_WPSVIEW_PROFILE_LABEL, ControlKind::Static, Dlu(90, 84, 58, 10), false},
                       {IDC_STATIC_WPSVIEW_PROFILE, ControlKind::Static, Dlu(150, 84, 126, 10), false},
                       {IDC_STATIC_WPSVIEW_SSID_LABEL, ControlKind::Static, Dlu(90, 96, 58, 10), false},
                       {IDC_STATIC_WPSVIEW_SSID, ControlKind::Static, Dlu(150, 96, 126, 10), false},
                       {IDC_STATIC_WPSVIEW_SECURITY_LABEL, ControlKind::Static, Dlu(90, 108, 58, 10), false},
                       {IDC_STATIC_WPSVIEW_SECURITY, ControlKind::Static, Dlu(150, 108, 126, 10), false},
                       {IDC_CHECK_WPSVIEW_SAVE, ControlKind::Button, Dlu(90, 124, 180, 10), true},
                       {IDC_STATIC_WPSVIEW_FINISH_NOTE, ControlKind::Static, Dlu(80, 142, 196, 10), false},
                       {IDC_WIZARD_SEPARATOR, ControlKind::Static, Dlu(0, 160, 283, 1), false},
                       {ui::kIdOk, ControlKind::Button, Dlu(225, 166, 50, 14), true},
                   });
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPSVIEW, summary);
}

inline std::string ShippedEnglishFile() {
    std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
    std::ifstream in(root / "lang" / "Language" / "English" / "English.lng", std::ios::binary);
    EXPECT_TRUE(in.good()) << "no English.lng under " << root;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh wizard state with the adapter present, the built-in texts and a profile store over the
// in-memory registry and service.
class FinishPageTest : public apptest::AppTest {
protected:
    FinishPageTest() {
        RegisterFinishTemplates();
        wizard::ResetWizardState();
        ResetLanguageTexts();
        DevicePresent = true;
        profiles::ProfileStoreConfig config;
        config.kernel = &kernel;
        config.registry = &registry;
        config.appKey = std::u16string(apptest::kAppKey);
        profiles::ConfigureProfileStore(config);
    }
    ~FinishPageTest() override {
        m_hosts.clear();
        fakes::ForgetTemplates();
        wizard::ResetWizardState();
        ResetLanguageTexts();
    }

    // Opens a new page of class D on a strict fake host; both live as long as the test, as a page the
    // driver shows anew each time.
    template <class D, class... Args> fakes::FakeHost& OpenPage(Args&&... args) {
        m_dialogs.push_back(std::make_unique<D>(std::forward<Args>(args)...));
        m_hosts.push_back(std::make_unique<fakes::FakeHost>(*m_dialogs.back()));
        fakes::FakeHost& host = *m_hosts.back();
        host.Strict();
        host.Open();
        return host;
    }

    void UseShippedEnglish() {
        disk.WriteLanguage("English", ShippedEnglishFile());
        SelectLanguage();
    }

    // A radio button or check box as the user clicks it: the platform checks it first.
    static void Choose(fakes::FakeHost& host, ui::ControlId id, bool checked = true) {
        host.control(id).checked = checked;
        host.Click(id);
    }

private:
    std::vector<std::unique_ptr<ui::Dialog>> m_dialogs;
    std::vector<std::unique_ptr<fakes::FakeHost>> m_hosts; // go before their dialogs
};

} // namespace wizardfinishtest
