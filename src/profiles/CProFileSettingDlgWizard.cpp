// The end of a connect-wizard run, on the Settings page: the profile the wizard set up becomes the
// page's edited profile, is stored when the user wanted it kept, and is applied.
#include <algorithm>
#include <mutex>

#include "app/AppGlobals.h"
#include "app/AppTexts.h"
#include "app/Language.h"
#include "base/Text.h"
#include "mainwnd/CNetUIDlg.h"
#include "profiles/CProFileSettingDlg.h"
#include "profiles/ProfileStore.h"
#include "profiles/settings/SettingsRules.h"
#include "res/SettingsIds.h"

namespace {

// What storing the wizard's profile came to.
enum class WizardStore { Stored, Failed, StoreFull };

WizardStore StoreWizardProfile(kernel::WirelessProfile& record) {
    std::lock_guard lock(profiles::ProfileStoreMutex());
    switch (profiles::AddProfile(record)) {
    case profiles::kAddAdded:
        return WizardStore::Stored;
    case profiles::kAddExists:
        // The summary page asked before replacing it (the silent save step asks nobody).
        return profiles::UpdateProfile(record) == profiles::kUpdateWritten ? WizardStore::Stored
                                                                           : WizardStore::Failed;
    case profiles::kAddStoreFull:
        return WizardStore::StoreFull;
    default:
        return WizardStore::Failed;
    }
}

} // namespace

void CProFileSettingDlg::TakeWizardProfile(const kernel::WirelessProfile& profile, bool save) {
    if (!IsOpen()) {
        return;
    }
    CNetUIDlg* mainWindow = MainWindow();
    m_working = profile;
    if (save) {
        const WizardStore stored = StoreWizardProfile(m_working);
        if (stored == WizardStore::Failed) {
            ShowStoreMessage(u"Msg_0101", u"Opening or adding the profile failed.", ui::kBoxIconWarning);
        } else if (stored == WizardStore::StoreFull) {
            ShowStoreMessage(u"Msg_0102", u"Beyond the limit of max profile", ui::kBoxIconWarning);
        }
        const std::u16string name(base::FieldText(m_working.ConfigurationName));
        {
            std::lock_guard lock(profiles::ProfileStoreMutex());
            profiles::PromoteProfile(name, profiles::LoadProfileTable(0));
        }
        FillProfileList();
        {
            Filling filling(m_showing);
            host().SetText(IDC_COMBO_PROFILE_NAME, name);
        }
        EnableDelete(false);
        if (stored == WizardStore::StoreFull) {
            // Nothing is applied: the user makes room and saves from here.
            if (DevicePresent && mainWindow != nullptr) {
                mainWindow->RaiseAndShow();
            }
            EnableSave(true);
            return;
        }
    } else {
        base::CopyToField(m_working.ConfigurationName, NewProfileText());
    }

    ShowWorkingRecord();
    m_modified = false;
    EnableSave(false);
    if (mainWindow == nullptr) {
        return;
    }
    if (DevicePresent) {
        mainWindow->RaiseAndShow();
    }
    if (mainWindow->IsShown()) {
        RunValidatingSplash();
    }
    mainWindow->EnableApplyButton();
    profiles::SetCurrentProfile(m_working);
    profiles::SaveCurrentProfile();
    mainWindow->RestartFallbackClock();
    mainWindow->RequestConnect(-1);
}

void CProFileSettingDlg::ShowNetworkForManualSetUp(const kernel::BssEntry& network) {
    if (!IsOpen()) {
        return;
    }
    MakeFactoryProfile(m_working);
    const std::u16string name(base::FieldText(network.ssid));
    base::CopyToField(m_working.NetworkName, name);
    base::CopyToField(m_working.ConfigurationName, name);
    std::copy(std::begin(network.bssid), std::end(network.bssid), m_working.block.BSSID);
    m_working.block.adHocChannel = network.channel;
    m_working.block.NetworkConnectType = network.networkType;
    m_working.block.securityFlags = network.security;
    m_generatedKeys = {};
    ShowWorkingRecord();
    // The user still has to give the key: the profile is an edit waiting to be saved.
    m_modified = true;
    EnableSave(settings::SaveAllowedFor(name, profiles::DefaultProfileName()));
    EnableDelete(false);
}
