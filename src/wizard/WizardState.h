// What the connect wizard's pages and its driver share. The main window writes it before the wizard's
// thread starts (a run from the Networks tab, the hardware button); from then on the pages and the
// driver use it on the wizard's thread, and the end of a run hands it to the window's thread by a posted
// message. The flags that other threads read while a run goes on are atomic.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "kernel/WirelessProfile.h"

namespace wizard {

// Values of WizardPage: the page that comes next.
constexpr int kPageNone = 0;
constexpr int kPageScan = 3;         // "Please Wait" while the survey runs
constexpr int kPageList = 4;         // the network list
constexpr int kPageWepMessage = 5;   // marker: the WEP message window is open
constexpr int kPageWepOption = 6;    // passphrase or hex key
constexpr int kPageWepPhrase = 7;    // WEP passphrase
constexpr int kPageWepHex = 9;       // WEP key by hand
constexpr int kPagePskMessage = 10;  // marker: the WPA-PSK message window is open
constexpr int kPagePsk = 11;         // WPA-PSK passphrase
constexpr int kPageHidden = 12;      // a network that hides its name
constexpr int kPageSaveProfile = 14; // keep the settings as a profile?
constexpr int kPageSummary = 15;     // "You have successfully connected"
constexpr int kPageSilentSave = 20;  // no page: store under the default name and end
constexpr int kPageWpsFirst = 100;
constexpr int kPageWpsExpress = 101;
constexpr int kPageWpsPushButton = 103;
constexpr int kPageWpsError = 107;
constexpr int kPageWpsLast = 111;

// Values of WizardOrigin: how the run reached the save-profile page, for its Back button.
constexpr int kOriginWepPhrase = 0;
constexpr int kOriginWepHex = 1;
constexpr int kOriginPsk = 2;
constexpr int kOriginList = 3;
constexpr int kOriginHidden = 4;
constexpr int kOriginPushButton = 6;

// The security the user chose for a hidden network (page 12), read by the WPA-PSK page.
constexpr int kHiddenChoiceWep = 0;
constexpr int kHiddenChoiceWpaPsk = 1;
constexpr int kHiddenChoiceWpa2Psk = 2;
constexpr int kHiddenChoiceNone = 3;

// Which security kinds the hidden networks of the last list fill use.
struct HiddenMarks {
    bool open = false;
    bool wep = false;
    bool wpaPsk = false;
    bool wpa2Psk = false;
    bool Any() const { return open || wep || wpaPsk || wpa2Psk; }
};

// The list page's sort (keys of networks::SortNetworkList); the driver starts every run with signal,
// descending.
struct ListSort {
    int key = 5;
    int order = 1;
};

// What the pages remember between runs (set when the main window is created) and within one.
struct WizardMemory {
    bool fromList = false;       // the Networks tab's Connect started the run with a network chosen
    bool directRun = false;      // the Networks tab's Connect started the run (a WPS network too)
    bool firstRun = false;       // the first start after installation ("InstallType" matters then)
    int selectedNetwork = -1;    // index in g_NetworkList of the chosen network, -1 none
    std::u16string asciiKeyText; // a WEP key typed as characters on page 9, shown again there
    bool asciiKeyTyped = false;
    HiddenMarks hiddenMarks;
    std::u16string hiddenName; // page 12's name field, at most 128 characters
    int hiddenChoice = kHiddenChoiceWep;
    bool wpaHide = true;                         // "Hide characters as I type" on page 11
    bool wepPhraseHide = true;                   // ... on page 7
    bool wepKeyHide = false;                     // ... on page 9
    bool wepKeySize64 = true;                    // page 7's key length: 64 bits (else 128)
    std::array<std::u16string, 4> generatedKeys; // page 7's keys as hexadecimal text
    ListSort sort;
    bool preselectRequested = false;   // the WPS pages ask the list to select selectedNetwork again
    bool manualSetupRequested = false; // a WPS page sends the user to the Settings tab at the end
    // The WPS check page was left with "no" or Back: the list's Next no longer offers WPS in this run.
    bool wpsCheckDeclined = false;
};

// Back to the values the main window sets when it is created (also for tests).
void ResetWizardState();

// The chosen network's name as the pages see it (SelectedSsid): WizardProfile's NetworkName field.
std::u16string SelectedSsid();
void SetSelectedSsid(std::u16string_view name);

} // namespace wizard

// The next page; the watchdog of another thread may read it.
extern std::atomic<int> WizardPage;
extern int WizardOrigin;
// The working profile of the run; its ConnectionBlock carries the chosen network and its keys.
extern kernel::WirelessProfile WizardProfile;
extern wizard::WizardMemory WizardState;
// A profile is to be stored from WizardProfile when the run ends.
extern bool SaveAtEnd;
// One entry per row of the network list: the g_NetworkList index that row shows.
extern std::vector<int32_t> WizardRowMap;
extern std::atomic<bool> WpsMode;
// Which error the WPS error page explains (0-4); the save page's Cancel in a WPS run sets 2.
extern std::atomic<int> WpsErrorKind;
// Set by the hardware push button: every page closes and the driver returns between pages.
extern std::atomic<bool> HwButtonPressed;
// A WPS push-button exchange runs; the main window's fallback waits while it is set.
extern std::atomic<bool> WpsRunning;
