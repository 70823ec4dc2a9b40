#include "wizard/WizardDriver.h"

#include <algorithm>
#include <utility>

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/Language.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "kernel/AdapterConfig.h"
#include "kernel/BssEntry.h"
#include "networks/NetworkList.h"
#include "profiles/ProfileStore.h"
#include "profiles/settings/SettingsRules.h"
#include "ui/Types.h"
#include "wizard/WizardState.h"

namespace wizard {

namespace {

constexpr uint8_t kAllWirelessModes = 31;
constexpr uint32_t kSetUpWaitMs = 250;

bool IsVistaClass() {
    return OsClass == kOsVista || OsClass == kOsVista64;
}

bool AnyWpsNetwork() {
    const std::vector<kernel::BssEntry> entries = networks::CopyNetworkList();
    return std::any_of(entries.begin(), entries.end(),
                       [](const kernel::BssEntry& e) { return (e.capabilities & kernel::kCapWps) != 0; });
}

} // namespace

uint32_t ProfileSecurityOf(uint32_t scanSecurity) {
    if (scanSecurity & kernel::kBssWpa2Psk) {
        return kernel::kSecurityWpa2PskAes;
    }
    if (scanSecurity & kernel::kBssWpaPsk) {
        return kernel::kSecurityWpaPskTkip;
    }
    return scanSecurity;
}

HiddenMarks HiddenMarksOf(const std::vector<kernel::BssEntry>& entries) {
    HiddenMarks marks;
    for (const kernel::BssEntry& entry : entries) {
        if (entry.networkType == kernel::kNetworkAdHoc ||
            (entry.security & (kernel::kBssWpaRadius | kernel::kBssWpa2Radius)) != 0 ||
            entry.ssid[0] != u'\0') {
            continue;
        }
        if (entry.security & kernel::kBssOpen) {
            marks.open = true;
        } else if (entry.security & kernel::kBssWep) {
            marks.wep = true;
        } else {
            marks.wpaPsk = marks.wpaPsk || (entry.security & kernel::kBssWpaPsk) != 0;
            marks.wpa2Psk = marks.wpa2Psk || (entry.security & kernel::kBssWpa2Psk) != 0;
        }
    }
    return marks;
}

WizardDriver::WizardDriver(DriverLinks links) : m_links(std::move(links)) {}

RunOutcome WizardDriver::Run() {
    if (Start()) {
        while (Step()) {
        }
    }
    return m_outcome;
}

bool WizardDriver::Start() {
    m_links.callWindow(WindowCall::HideMainWindow);
    WizardState.wpsCheckDeclined = false;

    m_startSsid = SelectedSsid();
    m_startSecurity = WizardProfile.block.securityFlags;
    std::copy(std::begin(WizardProfile.block.BSSID), std::end(WizardProfile.block.BSSID), m_startBssid);
    m_startChannel = WizardProfile.block.adHocChannel;

    PrepareProfile();
    HandleSetUp();
    if (!m_running) {
        FinishSetUpWithoutPages();
        return false;
    }
    ChooseFirstPage();
    return true;
}

void WizardDriver::PrepareProfile() {
    kernel::AdapterConfig adapter{};
    if (g_pnKernel != nullptr) {
        g_pnKernel->GetAdapterConfig(&adapter);
        g_pnKernel->InitConnectionBlock(&WizardProfile.block);
    }
    WizardProfile.block.FragThreshold = adapter.fragThresholdMax;
    WizardProfile.block.RTSThreshold = adapter.rtsThresholdMax;
    WizardProfile.inUse = 0;
    WizardProfile.wirelessModes = kAllWirelessModes;
    WizardProfile.block.transmitPower = kernel::kTransmitPowerFull;
    WizardProfile.block.band = kernel::KWL_FLAG_BAND_AUTO;
    WizardState.sort = ListSort{};
    // The WPA-PSK page words itself by the hidden page's choice when there is one; a choice made in an
    // earlier run must not word it for a network picked from the list in this one.
    WizardState.hiddenChoice = kHiddenChoiceWep;
}

void WizardDriver::HandleSetUp() {
    std::u16string setup = AppValue(u"SetupStatus");
    if (setup == u"254") {
        ApplyRegionSetting();
        SetAppValue(u"SetupStatus", u"255");
        setup = u"255";
    }
    if (setup == u"255") {
        return;
    }
    // The first start after installation: the set-up program's choices decide who manages the adapter.
    ApplyRegionSetting();
    WizardState.firstRun = true;
    const std::u16string configureManually = AppValue(u"ConfigureManually");
    const std::u16string useUtility = AppValue(u"UseUtility");
    kernel::AdapterConfig adapter{};
    if (g_pnKernel != nullptr) {
        g_pnKernel->GetAdapterConfig(&adapter);
    }
    if (useUtility == u"1") {
        // The system's own wireless configuration is to manage the adapter.
        if (IsVistaClass()) {
            SetAppValue(appvalue::kAutoConfiguration, u"2");
        } else if (adapter.associated == 0 && !g_bZeroConfig && g_pnKernel != nullptr) {
            g_pnKernel->ZeroConfigControl(1);
        }
        m_running = false;
    } else if (useUtility == u"0") {
        if (IsVistaClass()) {
            SetAppValue(appvalue::kAutoConfiguration, u"4");
        }
        if (!HwButtonPressed && configureManually == u"1") {
            m_running = false;
            profiles::LoadCurrentProfile();
            m_links.callWindow(WindowCall::RestartFallback);
        }
    }
    if (IsVistaClass()) {
        m_links.callWindow(WindowCall::ReevaluateZeroConfig);
    }
    SetAppValue(u"SetupStatus", u"255");
    if (!m_running) {
        m_links.callWindow(WindowCall::ShowSoon);
    }
}

void WizardDriver::ChooseFirstPage() {
    if (WizardPage == kPageWpsPushButton) {
        m_beganWithScan = false;
        return;
    }
    if (WpsMode) {
        SetSelectedSsid(m_startSsid);
        std::copy(std::begin(m_startBssid), std::end(m_startBssid), WizardProfile.block.BSSID);
        WizardProfile.block.adHocChannel = m_startChannel;
        WizardPage = kPageWpsPushButton;
        WizardOrigin = kOriginPushButton;
        m_beganWithScan = false;
        return;
    }
    if (WizardState.fromList) {
        SetSelectedSsid(m_startSsid);
        base::CopyToField(WizardProfile.block.ssid, m_startSsid);
        std::copy(std::begin(m_startBssid), std::end(m_startBssid), WizardProfile.block.BSSID);
        WizardProfile.block.adHocChannel = m_startChannel;
        WizardProfile.block.securityFlags = ProfileSecurityOf(m_startSecurity);
        m_beganWithScan = false;
        if (!m_startSsid.empty()) {
            WpsMode = false;
            if (m_startSecurity & kernel::kBssOpen) {
                WizardPage = kPageSaveProfile;
                WizardOrigin = kOriginList;
            } else if (m_startSecurity & kernel::kBssWep) {
                WizardPage = kPageWepOption;
            } else {
                WizardPage = kPagePsk;
            }
        } else {
            WizardState.hiddenMarks = HiddenMarksOf(networks::CopyNetworkList());
            WizardPage = kPageHidden;
            WizardOrigin = kOriginHidden;
        }
        return;
    }
    WizardPage = kPageScan;
}

void WizardDriver::FinishSetUpWithoutPages() {
    WizardPage = kPageNone;
    if (AppValue(u"cmdRegion") != u"0") {
        return;
    }
    if (OsClass == kOs98 || OsClass == kOsMe || OsClass == kOs2000) {
        SetAppValue(u"SetupStatus", u"255");
        if (m_links.clock != nullptr) {
            m_links.clock->Sleep(kSetUpWaitMs);
        }
        ApplyRegionSetting();
    } else {
        SetAppValue(u"SetupStatus", u"1");
        ApplyRegionSetting();
    }
}

bool WizardDriver::Step() {
    bool goOn = false;
    const int page = WizardPage;
    switch (page) {
    case kPageScan:
        goOn = ScanStep();
        break;
    case kPageList:
        goOn = ListStep();
        break;
    case kPageWepOption:
    case kPageWepPhrase:
    case kPageWepHex:
    case kPagePsk:
    case kPageHidden:
    case kPageSaveProfile: {
        bool unused = false;
        goOn = m_links.showPage(page, unused) == ui::kIdOk;
        break;
    }
    case kPageSummary:
        goOn = SummaryStep();
        break;
    case kPageSilentSave:
        goOn = SilentSaveStep();
        break;
    default:
        if (page >= kPageWpsFirst && page <= kPageWpsLast && m_links.wpsStep) {
            goOn = m_links.wpsStep(page, m_outcome);
        } else {
            // A message window closed by its watchdog (5, 10), a WPS page before WPS is there, or a
            // number no page stores: nothing to show, so the run ends.
            base::Trace(base::Format(u"Connect wizard: no page %d, the run ends", {page}));
            goOn = false;
        }
        break;
    }
    if (HwButtonPressed) {
        m_outcome.replaced = true;
        return false;
    }
    return goOn;
}

bool WizardDriver::ScanStep() {
    // The flag is left to the Networks page: it starts a survey only while the flag says none runs, and
    // clears it itself when it does. The "Please Wait" window first looks at it after its fade-in, long
    // after the window's thread has taken this call.
    m_links.callWindow(WindowCall::StartScan);
    bool unused = false;
    m_links.showPage(kPageScan, unused);
    m_anyWps = AnyWpsNetwork();
    if (WizardPage == kPageScan) {
        WizardPage = m_anyWps ? kPageWpsExpress : kPageList;
    }
    return true;
}

bool WizardDriver::ListStep() {
    networks::SortNetworkList(WizardState.sort.key, WizardState.sort.order);
    WizardState.asciiKeyText.clear();
    WizardState.asciiKeyTyped = false;
    bool cancelUsed = false;
    if (m_links.showPage(kPageList, cancelUsed) == ui::kIdOk) {
        return true;
    }
    if (cancelUsed || !m_anyWps) {
        return false;
    }
    WizardPage = kPageWpsExpress; // Back after a scan that saw WPS: the express WPS page
    return true;
}

bool WizardDriver::SummaryStep() {
    bool unused = false;
    const int result = m_links.showPage(kPageSummary, unused);
    if (result == ui::kIdOk && WizardPage != kPageSaveProfile) {
        m_outcome.storeAtEnd = true;
    }
    return false;
}

bool WizardDriver::SilentSaveStep() {
    std::u16string name;
    if (WpsMode) {
        // A network name may hold backslashes, which a profile's registry key name cannot.
        name = settings::RemoveBackslashes(
                   std::u16string(base::FieldText(WizardProfile.block.ssid)) + u"-WPS", 0)
                   .text;
    } else {
        name = LangString(u"IDD_DLG_CONNECTWIZARD_SAVEPROFILE", u"Key_Profile", u"Profile");
    }
    base::CopyToField(WizardProfile.ConfigurationName, name);
    SaveAtEnd = true;
    m_outcome.storeAtEnd = true;
    return false;
}

} // namespace wizard
