#include "wps/CConnectWizardWPSSelectPsuhButton.h"

#include "res/WpsChoiceIds.h"
#include "wizard/WizardState.h"
#include "wps/WpsPageGraph.h"

CConnectWizardWPSSelectPsuhButton::CConnectWizardWPSSelectPsuhButton()
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_WPS_SELPUSHBUTTON,
                         u"IDD_DLG_CONNECTWIZARD_WPS_SELPUSHBUTTON") {}

bool CConnectWizardWPSSelectPsuhButton::OnInit() {
    host().SetCaption(Text(u"21000"));
    ApplyFrameTitle();
    SetTexts({{IDC_WPSSELECT_NEXT, u"21300", u"&Next>"},
              {IDC_WPSSELECT_CANCEL, u"21310", u"Cancel"},
              {IDC_WPSSELECT_BACK, u"21320", u"<&Back"},
              {IDC_WPSSELECT_TEXT1, u"21020"},
              {IDC_WPSSELECT_TEXT2, u"21040"},
              {IDC_WPSSELECT_TEXT3, u"21060"},
              {IDC_WPSSELECT_PUSHBUTTON, u"21200"},
              {IDC_WPSSELECT_PIN, u"21210"}});
    host().Button(IDC_WPSSELECT_PUSHBUTTON).SetCheck(true);
    host().Button(IDC_WPSSELECT_PIN).SetCheck(false);
    host().SetDefaultButton(IDC_WPSSELECT_NEXT);
    StartWatchdog();
    return true;
}

void CConnectWizardWPSSelectPsuhButton::OnCommand(ui::ControlId id, int code) {
    if (code != ui::kClicked) {
        return;
    }
    switch (id) {
    case IDC_WPSSELECT_PUSHBUTTON:
    case IDC_WPSSELECT_PIN:
        host().Button(IDC_WPSSELECT_PUSHBUTTON).SetCheck(id == IDC_WPSSELECT_PUSHBUTTON);
        host().Button(IDC_WPSSELECT_PIN).SetCheck(id == IDC_WPSSELECT_PIN);
        return;
    case IDC_WPSSELECT_NEXT:
        WizardPage =
            host().Button(IDC_WPSSELECT_PUSHBUTTON).IsChecked() ? wps::kPagePushButton : wps::kPagePinChoice;
        host().EndDialog(ui::kIdOk);
        return;
    case IDC_WPSSELECT_BACK:
        WizardPage = wps::kPageCheck;
        host().EndDialog(ui::kIdOk);
        return;
    case IDC_WPSSELECT_CANCEL:
        OnCancel();
        return;
    default:
        ui::Dialog::OnCommand(id, code);
        return;
    }
}

void CConnectWizardWPSSelectPsuhButton::OnCancel() {
    WizardPage = wizard::kPageList;
    host().EndDialog(ui::kIdCancel);
}
