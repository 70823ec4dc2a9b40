#include "wps/CConnectWizardWPSSelPIN.h"

#include <array>

#include "app/AppGlobals.h"
#include "base/Text.h"
#include "kernel/AdapterConfig.h"
#include "res/WpsPinIds.h"
#include "wizard/WizardState.h"
#include "wps/CConnectWizardWPSErrorMessage.h"
#include "wps/CConnectWizardWPSHelpforAP.h"
#include "wps/WpsPageGraph.h"
#include "wps/WpsPinRules.h"
#include "wps/WpsState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWINZARD_WPS_SELPINSETUP";
constexpr int kWrongApPin = 3;
constexpr uint32_t kAdapterPinUnits = 12;

void SetWpsPin(std::u16string_view text) {
    base::CopyToField(WpsPin.data(), WpsPin.size(), text);
}

} // namespace

CConnectWizardWPSSelPIN::CConnectWizardWPSSelPIN()
    : wps::WatchedDialog(IDD_DLG_CONNECTWINZARD_WPS_SELPINSETUP, kSection) {}

bool CConnectWizardWPSSelPIN::OnInit() {
    host().SetCaption(Text(u"22000"));
    ApplyFrameTitle();
    SetTexts({
        {IDC_WPSPIN_HELP, u"22320", u"Leam More"},
        {IDC_WPSPIN_NEXT, u"22300", u"&Next>"},
        {IDC_WPSPIN_CANCEL, u"22310", u"Cancel"},
        {IDC_WPSPIN_BACK, u"22330", u"<&Back"},
        {IDC_WPSPIN_APPIN_TEXT1, u"22020"},
        {IDC_WPSPIN_APPIN_TEXT2, u"22030"},
        {IDC_WPSPIN_APPIN, u"22200"},
        {IDC_WPSPIN_ADAPTERPIN, u"22220"},
        {IDC_WPSPIN_HEADING, u"22011", u"Connect by either:"},
        {IDC_WPSPIN_ADAPTER_LABEL, u"22040", u"The PIN is"},
        {IDC_WPSPIN_NOTE, u"22240"},
    });
    WizardPage = wps::kPagePinChoice;
    StartWatchdog();
    host().Edit(IDC_WPSPIN_EDIT).SetLimit(static_cast<int>(wps::kPinDigits));
    host().Button(IDC_WPSPIN_APPIN).SetCheck(true);

    ui::Font pinFont;
    pinFont.face = u"Arial";
    pinFont.pointSize = 16;
    pinFont.bold = true;
    host().Static(IDC_WPSPIN_ADAPTER_PIN).SetFont(pinFont);
    ui::Font labelFont;
    labelFont.bold = true;
    host().Static(IDC_WPSPIN_ADAPTER_LABEL).SetFont(labelFont);

    if (g_pnKernel != nullptr) {
        kernel::AdapterConfig config{};
        g_pnKernel->GetAdapterConfig(&config); // asked once as the service expects; nothing of it is used
    }
    m_adapterRadio = host().Item(IDC_WPSPIN_ADAPTERPIN).GetRect();
    ChooseApPin();
    return false; // the edit has the focus
}

void CConnectWizardWPSSelPIN::ChooseApPin() {
    host().Button(IDC_WPSPIN_ADAPTERPIN).SetCheck(false);
    for (ui::ControlId id :
         {IDC_WPSPIN_APPIN_TEXT1, IDC_WPSPIN_APPIN_TEXT2, IDC_WPSPIN_EDIT_LABEL, IDC_WPSPIN_EDIT}) {
        host().Show(id, true);
    }
    for (ui::ControlId id : {IDC_WPSPIN_ADAPTER_FRAME, IDC_WPSPIN_ADAPTER_PIN, IDC_WPSPIN_HELP,
                             IDC_WPSPIN_ADAPTER_LABEL, IDC_WPSPIN_NOTE}) {
        host().Show(id, false);
    }
    SetWpsPin(u"");
    host().SetText(IDC_WPSPIN_EDIT, u""); // its change notice disables Next
    host().Enable(IDC_WPSPIN_NEXT, false);
    MoveAdapterRadio(kAdapterRadioLowY);
    host().SetFocus(IDC_WPSPIN_EDIT);
}

void CConnectWizardWPSSelPIN::ChooseAdapterPin() {
    host().Button(IDC_WPSPIN_APPIN).SetCheck(false);
    for (ui::ControlId id :
         {IDC_WPSPIN_APPIN_TEXT1, IDC_WPSPIN_APPIN_TEXT2, IDC_WPSPIN_EDIT_LABEL, IDC_WPSPIN_EDIT}) {
        host().Show(id, false);
    }
    for (ui::ControlId id :
         {IDC_WPSPIN_ADAPTER_FRAME, IDC_WPSPIN_ADAPTER_PIN, IDC_WPSPIN_ADAPTER_LABEL, IDC_WPSPIN_HELP}) {
        host().Show(id, true);
    }
    host().Enable(IDC_WPSPIN_NEXT, true);
    std::array<char16_t, kAdapterPinUnits> pin{};
    if (g_pnKernel != nullptr) {
        g_pnKernel->WpsGetPin(pin.data(), kAdapterPinUnits);
    }
    pin.back() = 0; // whatever the service wrote, the text ends in the buffer
    SetWpsPin(base::FieldText(pin.data(), pin.size()));
    host().SetText(IDC_WPSPIN_ADAPTER_PIN, base::FieldText(WpsPin.data(), WpsPin.size()));
    host().Show(IDC_WPSPIN_NOTE, true);
    MoveAdapterRadio(kAdapterRadioHighY);
}

void CConnectWizardWPSSelPIN::MoveAdapterRadio(int y) {
    ui::Rect place = m_adapterRadio;
    place.bottom = y + (m_adapterRadio.bottom - m_adapterRadio.top);
    place.top = y;
    host().Item(IDC_WPSPIN_ADAPTERPIN).Move(place);
}

void CConnectWizardWPSSelPIN::OnCommand(ui::ControlId id, int code) {
    switch (id) {
    case IDC_WPSPIN_EDIT:
        if (code == ui::kEditChange) {
            const std::u16string text = host().GetText(IDC_WPSPIN_EDIT);
            SetWpsPin(text);
            host().Enable(IDC_WPSPIN_NEXT, wps::PinHasEightDigits(text));
        }
        return;
    case IDC_WPSPIN_APPIN:
        if (code == ui::kClicked) {
            ChooseApPin();
        }
        return;
    case IDC_WPSPIN_ADAPTERPIN:
        if (code == ui::kClicked) {
            ChooseAdapterPin();
        }
        return;
    case IDC_WPSPIN_NEXT:
        if (code == ui::kClicked) {
            Next();
        }
        return;
    case IDC_WPSPIN_BACK:
        if (code == ui::kClicked) {
            WizardPage = wps::kPageSelectMethod;
            host().EndDialog(ui::kIdOk);
        }
        return;
    case IDC_WPSPIN_CANCEL:
        if (code == ui::kClicked) {
            OnCancel();
        }
        return;
    case IDC_WPSPIN_HELP:
        if (code == ui::kClicked) {
            CConnectWizardWPSHelpforAP help;
            host().RunModal(help);
        }
        return;
    default:
        wps::WatchedDialog::OnCommand(id, code);
    }
}

void CConnectWizardWPSSelPIN::Next() {
    if (!host().Button(IDC_WPSPIN_APPIN).IsChecked()) {
        WizardPage = wps::kPageAdapterPin;
        host().EndDialog(ui::kIdOk);
        return;
    }
    const std::u16string text = host().GetText(IDC_WPSPIN_EDIT);
    if (wps::PinCheckDigitValid(text)) {
        WizardPage = wps::kPageApPin;
        host().EndDialog(ui::kIdOk);
        return;
    }
    WpsErrorKind = kWrongApPin;
    CConnectWizardWPSErrorMessage error;
    host().RunModal(error);
    host().Edit(IDC_WPSPIN_EDIT).Select(0, -1);
    host().SetFocus(IDC_WPSPIN_EDIT);
}

void CConnectWizardWPSSelPIN::OnTimer(int timerId) {
    if (timerId == wps::PageWatchdog::kTimerId && m_firstTick) {
        m_firstTick = false;
        if (host().Button(IDC_WPSPIN_APPIN).IsChecked()) {
            host().SetFocus(IDC_WPSPIN_EDIT);
        }
    }
    wps::WatchedDialog::OnTimer(timerId);
}

void CConnectWizardWPSSelPIN::OnCancel() {
    WizardPage = wizard::kPageList;
    host().EndDialog(ui::kIdCancel);
}

void CConnectWizardWPSSelPIN::OnWatchdogFired() {
    OnCancel();
}
