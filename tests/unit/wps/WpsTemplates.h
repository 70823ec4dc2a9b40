// The templates of src/res/WpsChoice.rc, WpsError.rc and WpsHardware.rc as the strict fake host needs
// them, and the fixture the tests of those pages share: fresh wizard and WPS state, the adapter
// present, the in-memory registry and service.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/Language.h"
#include "fakes/FakeHost.h"
#include "res/WpsChoiceIds.h"
#include "res/WpsErrorIds.h"
#include "res/WpsHardwareIds.h"
#include "unit/app/AppTestSupport.h"
#include "wizard/WizardState.h"
#include "wps/WpsState.h"

namespace wpstest {

inline std::vector<fakes::ControlDecl> Statics(std::initializer_list<ui::ControlId> ids) {
    std::vector<fakes::ControlDecl> controls;
    for (ui::ControlId id : ids) {
        controls.push_back({id, ui::ControlKind::Static, {}, false});
    }
    return controls;
}

inline void Add(std::vector<fakes::ControlDecl>& controls, ui::ControlKind kind,
                std::initializer_list<ui::ControlId> ids) {
    for (ui::ControlId id : ids) {
        controls.push_back({id, kind, {}, kind != ui::ControlKind::Static});
    }
}

inline void RegisterWpsTemplates() {
    using ui::ControlKind;
    auto frame = [] {
        return Statics({IDC_WIZARD_SIDE_PICTURE, IDC_WIZARD_BANNER, IDC_WIZARD_TITLE, IDC_WIZARD_STEP_PANEL,
                        IDC_WIZARD_SEPARATOR});
    };
    auto check = frame();
    Add(check, ControlKind::Static,
        {IDC_WPSCHECK_TEXT1, IDC_WPSCHECK_TEXT2, IDC_WPSCHECK_TEXT3, IDC_WPSCHECK_TEXT4,
         IDC_WPSCHECK_LEARN_MORE});
    Add(check, ControlKind::Button,
        {IDC_WPSCHECK_YES, IDC_WPSCHECK_NO, IDC_WPSCHECK_BACK, IDC_WPSCHECK_NEXT, ui::kIdCancel});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_CHECK, check);

    auto express = frame();
    Add(express, ControlKind::Static, {IDC_WPSEXPRESS_TEXT, IDC_WPSEXPRESS_LEARN_MORE});
    Add(express, ControlKind::Button,
        {IDC_WPSEXPRESS_YES, IDC_WPSEXPRESS_NO, IDC_WPSEXPRESS_BACK, IDC_WPSEXPRESS_NEXT,
         IDC_WPSEXPRESS_CANCEL});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_EXPRESS_CHECK, express);

    auto select = frame();
    Add(select, ControlKind::Static, {IDC_WPSSELECT_TEXT1, IDC_WPSSELECT_TEXT2, IDC_WPSSELECT_TEXT3});
    Add(select, ControlKind::Button,
        {IDC_WPSSELECT_PUSHBUTTON, IDC_WPSSELECT_PIN, IDC_WPSSELECT_BACK, IDC_WPSSELECT_NEXT,
         IDC_WPSSELECT_CANCEL});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_SELPUSHBUTTON, select);

    auto wpsInfo =
        Statics({IDC_MESSAGEWPS_TEXT1, IDC_MESSAGEWPS_TEXT2, IDC_MESSAGEWPS_TEXT3, IDC_MESSAGEWPS_TEXT4,
                 IDC_MESSAGEWPS_TEXT5, IDC_MESSAGEWPS_TEXT6, IDC_MESSAGEWPS_TEXT7});
    Add(wpsInfo, ControlKind::Button, {IDC_MESSAGEWPS_OK});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_MESSAGE_WPS, wpsInfo);

    auto expressInfo = Statics({IDC_MESSAGEEXPRESS_TEXT1, IDC_MESSAGEEXPRESS_TEXT2, IDC_MESSAGEEXPRESS_TEXT3,
                                IDC_MESSAGEEXPRESS_TEXT4, IDC_MESSAGEEXPRESS_TEXT5});
    Add(expressInfo, ControlKind::Button, {IDC_MESSAGEEXPRESS_OK});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_MESSAGE_EXPRESS_WPS, expressInfo);

    std::vector<fakes::ControlDecl> help;
    for (ui::ControlId id = IDC_WPSHELPAP_TEXT_FIRST; id < IDC_WPSHELPAP_TEXT_FIRST + 16; ++id) {
        help.push_back({id, ControlKind::Static, {}, false});
    }
    Add(help, ControlKind::Button, {IDC_WPSHELPAP_OK});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_MESSAGE_WPSHELP_FOR_AP, help);

    auto error = Statics({IDC_WPSERROR_HEADLINE, IDC_WPSERROR_DETAIL});
    Add(error, ControlKind::Button, {ui::kIdCancel});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE, error);

    auto fail = Statics({1242, 1243, 1284, 1244, 1285, 1245, 1246, 1247, 1248, 1286, 1249,
                         1250, 1251, 1252, 1253, 1287, 1288, 1254, 1289, 1290, 1255, 1291});
    Add(fail, ControlKind::Button, {ui::kIdCancel});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_ERROR_FAIL, fail);

    auto timeout = Statics({1256, 1257, 1258, 1298, 1259, 1260, 1261, 1262, 1263, 1264, 1292, 1265,
                            1266, 1267, 1268, 1269, 1293, 1294, 1270, 1295, 1296, 1271, 1297});
    Add(timeout, ControlKind::Button, {ui::kIdCancel});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT, timeout);

    auto retry = Statics({IDC_WPSRETRY_HEADLINE, IDC_WPSRETRY_DETAIL});
    Add(retry, ControlKind::Button, {IDC_WPSRETRY_RETRY, ui::kIdCancel});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_RETRY_MESSAGE, retry);

    auto cancelNotice = Statics({IDC_HWPBC_CANCEL_PICTURE, IDC_HWPBC_CANCEL_TEXT});
    Add(cancelNotice, ControlKind::Button, {IDC_HWPBC_CANCEL_DONT_SHOW, IDC_HWPBC_CANCEL_OK});
    fakes::RegisterTemplate(IDD_DIALOG_MESSAGE_HWPBC_CANCEL, cancelNotice);

    auto detect = Statics({IDC_DETECT_HWPBC_TEXT});
    Add(detect, ControlKind::Button, {ui::kIdOk});
    fakes::RegisterTemplate(IDD_DIALOG_MESSAGE_DETECT_HWPBC, detect);
}

class WpsPageTest : public apptest::AppTest {
protected:
    WpsPageTest() {
        RegisterWpsTemplates();
        wizard::ResetWizardState();
        wps::ResetWpsState();
        DevicePresent = true;
        Store(u"VIDPID", u"VID_1234&PID_9999");
    }
    ~WpsPageTest() override {
        m_host.reset();
        m_page.reset();
        fakes::ForgetTemplates();
        wizard::ResetWizardState();
        wps::ResetWpsState();
    }

    template <class Page, class... Args> fakes::FakeHost& Open(Args&&... args) {
        m_host.reset();
        m_page = std::make_unique<Page>(std::forward<Args>(args)...);
        m_host = std::make_unique<fakes::FakeHost>(*m_page);
        m_host->Strict();
        m_host->Open();
        return *m_host;
    }

    // A language file of these lines (UTF-8, sections included) becomes the chosen English file.
    void UseLanguageFile(const std::string& content) {
        disk.WriteLanguage("English", content);
        SelectLanguage();
    }

private:
    std::unique_ptr<ui::Dialog> m_page;
    std::unique_ptr<fakes::FakeHost> m_host;
};

} // namespace wpstest
