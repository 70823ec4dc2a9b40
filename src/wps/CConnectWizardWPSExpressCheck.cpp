#include "wps/CConnectWizardWPSExpressCheck.h"

#include "res/WpsChoiceIds.h"
#include "wizard/WizardState.h"
#include "wps/CConnectWizardMessageExpressWPS.h"
#include "wps/WpsPageGraph.h"

CConnectWizardWPSExpressCheck::CConnectWizardWPSExpressCheck()
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_WPS_EXPRESS_CHECK,
                         u"IDD_DLG_CONNECTWIZARD_WPS_EXPRESS_CHECK") {}

bool CConnectWizardWPSExpressCheck::OnInit() {
    host().SetCaption(Text(u"20000", u"Orvelin Wireless Adapter"));
    ApplyFrameTitle();
    SetTexts({{IDC_WPSEXPRESS_NEXT, u"20310", u"&Next>"},
              {IDC_WPSEXPRESS_BACK, u"20320", u"<&Back"},
              {IDC_WPSEXPRESS_CANCEL, u"20330", u"Cancel"},
              {IDC_WPSEXPRESS_TEXT, u"20010"},
              {IDC_WPSEXPRESS_YES, u"20020"},
              {IDC_WPSEXPRESS_NO, u"20030"},
              {IDC_WPSEXPRESS_LEARN_MORE, u"20070"}});
    ui::Font link;
    link.underline = true;
    host().Static(IDC_WPSEXPRESS_LEARN_MORE).SetFont(link);
    host().Static(IDC_WPSEXPRESS_LEARN_MORE).SetTextColor(ui::Rgb(0, 0, 255));
    host().Button(IDC_WPSEXPRESS_YES).SetCheck(true);
    host().Button(IDC_WPSEXPRESS_NO).SetCheck(false);
    host().SetDefaultButton(IDC_WPSEXPRESS_NEXT);
    CentreOnScreen();
    StartWatchdog();
    return true;
}

void CConnectWizardWPSExpressCheck::CentreOnScreen() {
    const ui::Rect screen = host().ScreenRect();
    const ui::Rect window = host().WindowRect();
    const int left = screen.left + (screen.Width() - window.Width()) / 2;
    const int top = screen.top + (screen.Height() - window.Height()) / 2;
    host().MoveWindow({left, top, left + window.Width(), top + window.Height()});
}

void CConnectWizardWPSExpressCheck::OnCommand(ui::ControlId id, int code) {
    if (code != ui::kClicked) {
        return;
    }
    switch (id) {
    case IDC_WPSEXPRESS_YES:
    case IDC_WPSEXPRESS_NO:
        host().Button(IDC_WPSEXPRESS_YES).SetCheck(id == IDC_WPSEXPRESS_YES);
        host().Button(IDC_WPSEXPRESS_NO).SetCheck(id == IDC_WPSEXPRESS_NO);
        return;
    case IDC_WPSEXPRESS_NEXT:
        OnNext();
        return;
    case IDC_WPSEXPRESS_BACK:
        // The survey lies behind this page; going back means choosing from its list.
        WpsMode = false;
        WizardPage = wizard::kPageList;
        host().EndDialog(ui::kIdOk);
        return;
    case IDC_WPSEXPRESS_CANCEL:
        host().EndDialog(ui::kIdCancel);
        return;
    case IDC_WPSEXPRESS_LEARN_MORE: {
        CConnectWizardMessageExpressWPS information;
        host().RunModal(information);
        return;
    }
    default:
        ui::Dialog::OnCommand(id, code);
        return;
    }
}

void CConnectWizardWPSExpressCheck::OnNext() {
    const bool express = host().Button(IDC_WPSEXPRESS_YES).IsChecked();
    WpsMode = express;
    WizardPage = express ? wps::kPagePushButton : wizard::kPageList;
    host().EndDialog(ui::kIdOk);
}
