#include "wps/CConnectWizardWPSCheck.h"

#include "res/WpsChoiceIds.h"
#include "wizard/WizardState.h"
#include "wps/CConnectWizardMessageWPS.h"
#include "wps/WpsPageGraph.h"
#include "wps/WpsState.h"

CConnectWizardWPSCheck::CConnectWizardWPSCheck()
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_WPS_CHECK, u"IDD_DLG_CONNECTWIZARD_WPS_CHECK") {}

bool CConnectWizardWPSCheck::OnInit() {
    host().SetCaption(Text(u"20000"));
    ApplyFrameTitle();
    SetTexts({{IDC_WPSCHECK_LEARN_MORE, u"20300", u"Leam More"},
              {IDC_WPSCHECK_NEXT, u"20310", u"&Next>"},
              {IDC_WPSCHECK_BACK, u"20320", u"<&Back"},
              {ui::kIdCancel, u"20330", u"Cancel"},
              {IDC_WPSCHECK_TEXT1, u"20010"},
              {IDC_WPSCHECK_TEXT2, u"20020"},
              {IDC_WPSCHECK_TEXT3, u"20080"},
              {IDC_WPSCHECK_TEXT4, u"20090"},
              {IDC_WPSCHECK_YES, u"20030"},
              {IDC_WPSCHECK_NO, u"20040"}});
    ui::Font link;
    link.underline = true;
    host().Static(IDC_WPSCHECK_LEARN_MORE).SetFont(link);
    host().Static(IDC_WPSCHECK_LEARN_MORE).SetTextColor(ui::Rgb(0, 0, 255));
    host().Button(IDC_WPSCHECK_YES).SetCheck(true);
    host().Button(IDC_WPSCHECK_NO).SetCheck(false);
    // A run that began at the push-button page has no network list behind this page.
    host().Show(IDC_WPSCHECK_BACK, WizardOrigin != wizard::kOriginPushButton);
    host().SetDefaultButton(IDC_WPSCHECK_NEXT);
    StartWatchdog();
    return true;
}

void CConnectWizardWPSCheck::OnCommand(ui::ControlId id, int code) {
    if (code != ui::kClicked) {
        return;
    }
    switch (id) {
    case IDC_WPSCHECK_YES:
    case IDC_WPSCHECK_NO:
        host().Button(IDC_WPSCHECK_YES).SetCheck(id == IDC_WPSCHECK_YES);
        host().Button(IDC_WPSCHECK_NO).SetCheck(id == IDC_WPSCHECK_NO);
        return;
    case IDC_WPSCHECK_NEXT:
        OnNext();
        return;
    case IDC_WPSCHECK_BACK:
        if (host().IsVisible(IDC_WPSCHECK_BACK)) {
            LeaveForList(ui::kIdCancel);
        }
        return;
    case IDC_WPSCHECK_LEARN_MORE: {
        CConnectWizardMessageWPS information;
        host().RunModal(information);
        return;
    }
    default:
        ui::Dialog::OnCommand(id, code);
        return;
    }
}

void CConnectWizardWPSCheck::OnNext() {
    if (host().Button(IDC_WPSCHECK_YES).IsChecked()) {
        WpsMode = true;
        WizardPage = wps::kPageSelectMethod;
        host().EndDialog(ui::kIdOk);
        return;
    }
    LeaveForList(ui::kIdOk);
}

void CConnectWizardWPSCheck::LeaveForList(int result) {
    WpsMode = false;
    WizardPage = wizard::kPageList;
    // The list shows the network the user came with, and its Next no longer offers WPS in this run.
    WizardState.wpsCheckDeclined = true;
    WizardState.preselectRequested = true;
    host().EndDialog(result);
}

void CConnectWizardWPSCheck::OnCancel() {
    WpsMode = false;
    WizardPage = wizard::kPageList;
    WpsCheckCancelled = true;
    host().EndDialog(ui::kIdCancel);
}
