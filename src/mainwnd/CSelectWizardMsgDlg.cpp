#include "mainwnd/CSelectWizardMsgDlg.h"

#include <string_view>

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/Language.h"
#include "res/MainWndIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_MESSAGE_SELECT_WIZARD";
// Set-up state written by the installer and by this question: "1" asks again at the next arrival.
constexpr std::u16string_view kDisplaySelectUtility = u"DisplaySelectUtility";

struct SystemTexts {
    std::u16string_view explanationKey;
    std::u16string_view explanation;
    std::u16string_view radioKey;
    std::u16string_view radio;
};

constexpr SystemTexts kXpTexts{
    u"IDC_STATIC_SELECTWIZARD",
    u"Both the Orvelin product and Microsoft Window XP include software you can use to manage your wireless "
    u"connections. You must choose one or the other.",
    u"IDC_RADIO_SELECTWIZARD_ZERO",
    u"Microsoft Windows XP Wireless Zero  Configuration (refer to the Microsoft documentantion for help)"};
constexpr SystemTexts kVistaTexts{
    u"IDC_STATIC_SELECTWIZARD_VISTA",
    u"Both the Orvelin product and Microsoft Window Vista include software you can use to manage your "
    u"wireless connections. You must choose one or the other.",
    u"IDC_RADIO_SELECTWIZARD_ZERO_VISTA",
    u"Microsoft Windows Vista WLAN AutoConfig (refer to the Microsoft documentantion for help)"};
constexpr SystemTexts kSevenTexts{
    u"IDC_STATIC_SELECTWIZARD_WIN7",
    u"Both the Orvelin product and Microsoft Window 7 include software you can use to manage your wireless "
    u"connections. You must choose one or the other.",
    u"IDC_RADIO_SELECTWIZARD_ZERO_WIN7",
    u"Microsoft Windows 7 WLAN AutoConfig (refer to the Microsoft documentantion for help)"};

const SystemTexts& TextsFor(CSelectWizardMsgDlg::System system) {
    switch (system) {
    case CSelectWizardMsgDlg::System::Vista:
        return kVistaTexts;
    case CSelectWizardMsgDlg::System::Seven:
        return kSevenTexts;
    case CSelectWizardMsgDlg::System::Xp:
        break;
    }
    return kXpTexts;
}

// The texts are white, so the window is dark: a deep blue that white stays legible on.
constexpr ui::Color kBackground = ui::Rgb(24, 52, 96);
constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);
constexpr ui::ControlId kWhiteTextControls[] = {IDC_STATIC_SELECTWIZARD, IDC_RADIO_SELECTWIZARD_USERUI,
                                                IDC_RADIO_SELECTWIZARD_ZERO, IDC_CHECK_SELECTWIZARD_MESSAGE};

bool IsVistaOrSeven(CSelectWizardMsgDlg::System system) {
    return system != CSelectWizardMsgDlg::System::Xp;
}

} // namespace

CSelectWizardMsgDlg::System CSelectWizardMsgDlg::CurrentSystem() {
    if (OsClass == kOsVista || OsClass == kOsVista64) {
        return g_bWindows7 ? System::Seven : System::Vista;
    }
    return System::Xp;
}

CSelectWizardMsgDlg::CSelectWizardMsgDlg() : ui::Dialog(IDD_DIALOG_MESSAGE_SELECT_WIZARD) {}

bool CSelectWizardMsgDlg::OnInit() {
    m_closing = false;
    const SystemTexts& texts = TextsFor(CurrentSystem());
    host().SetCaption(LangString(kSection, u"IDD_DIALOG_MESSAGE_SELECT_WIZARD", u"Orvelin Wireless Adapter"));
    host().SetText(IDC_STATIC_SELECTWIZARD, LangText(kSection, texts.explanationKey, texts.explanation));
    host().SetText(IDC_RADIO_SELECTWIZARD_USERUI, LangLine(kSection, u"IDC_RADIO_SELECTWIZARD_USERUI",
                                                           u"Orvelin Link Warden (recommended)", 1));
    host().SetText(IDC_RADIO_SELECTWIZARD_ZERO, LangLine(kSection, texts.radioKey, texts.radio, 1));
    host().SetText(IDC_CHECK_SELECTWIZARD_MESSAGE, LangLine(kSection, u"IDC_CHECK_SELECTWIZARD_MESSAGE",
                                                            u"Don't show this message again", 1));
    host().SetText(ui::kIdOk, LangLine(kSection, u"IDOK", u"&OK", 0));

    host().SetBackgroundColor(kBackground);
    for (ui::ControlId id : kWhiteTextControls) {
        host().Item(id).SetTextColor(kWhite);
    }

    host().Button(IDC_RADIO_SELECTWIZARD_USERUI).SetCheck(true);
    host().Button(IDC_RADIO_SELECTWIZARD_ZERO).SetCheck(false);
    host().Button(IDC_CHECK_SELECTWIZARD_MESSAGE).SetCheck(false);

    host().SetTimer(kTimerDevice, kDeviceIntervalMs);
    return true;
}

void CSelectWizardMsgDlg::OnTimer(int timerId) {
    if (timerId == kTimerDevice) {
        if (!DevicePresent) {
            host().KillTimer(kTimerDevice);
            host().EndDialog(ui::kIdCancel);
        }
        return;
    }
    if (timerId == kTimerClose) {
        host().KillTimer(kTimerClose);
        host().EndDialog(ui::kIdOk);
    }
}

void CSelectWizardMsgDlg::OnOK() {
    if (m_closing) {
        return; // a second Enter while the choice settles must not apply it twice
    }
    bool dontAskAgain = host().Button(IDC_CHECK_SELECTWIZARD_MESSAGE).IsChecked();
    // The recommended answer wins should neither radio be checked.
    bool utility = !host().Button(IDC_RADIO_SELECTWIZARD_ZERO).IsChecked();

    SetAppValue(kDisplaySelectUtility, dontAskAgain ? u"0" : u"1");
    uint32_t delayMs = kCloseDelayMs;
    ApplyChoice(CurrentSystem(), utility, delayMs);

    // The choice is made and applied; the adapter leaving now no longer turns it into a Cancel.
    m_closing = true;
    host().KillTimer(kTimerDevice);
    for (ui::ControlId id : {IDC_RADIO_SELECTWIZARD_USERUI, IDC_RADIO_SELECTWIZARD_ZERO,
                             IDC_CHECK_SELECTWIZARD_MESSAGE, ui::kIdOk}) {
        host().Enable(id, false);
    }
    host().SetTimer(kTimerClose, delayMs);
}

void CSelectWizardMsgDlg::ApplyChoice(System system, bool utility, uint32_t& delayMs) {
    if (utility) {
        if (IsVistaOrSeven(system)) {
            SetAppValue(appvalue::kAutoConfiguration, u"4");
        } else if (AutoConfigurationState()) {
            if (g_pnKernel != nullptr) {
                g_pnKernel->ZeroConfigControl(0);
            }
            delayMs += kZeroConfigSettleMs;
        }
    } else {
        if (IsVistaOrSeven(system)) {
            SetAppValue(appvalue::kAutoConfiguration, u"2");
        } else if (!AutoConfigurationState()) {
            if (g_pnKernel != nullptr) {
                g_pnKernel->ZeroConfigControl(1);
            }
        }
    }
    g_bZeroConfig = !utility;
    m_utilityChosen = utility;
}

void CSelectWizardMsgDlg::OnCancel() {
    if (m_closing) {
        return; // already applied: the dialog ends with OK in a moment, as it must
    }
    host().KillTimer(kTimerDevice);
    host().EndDialog(ui::kIdCancel);
}

void CSelectWizardMsgDlg::OnDestroy() {
    host().KillTimer(kTimerDevice);
    host().KillTimer(kTimerClose);
}
