#include "wizard/WizardState.h"

#include "base/Text.h"

std::atomic<int> WizardPage{0};
int WizardOrigin = 0;
kernel::WirelessProfile WizardProfile{};
wizard::WizardMemory WizardState;
bool SaveAtEnd = true;
std::vector<int32_t> WizardRowMap;
std::atomic<bool> WpsMode{false};
std::atomic<int> WpsErrorKind{0};
std::atomic<bool> HwButtonPressed{false};
std::atomic<bool> WpsRunning{false};

namespace wizard {

void ResetWizardState() {
    WizardPage = kPageNone;
    WizardOrigin = 0;
    WizardProfile = {};
    WizardState = {};
    SaveAtEnd = true;
    WizardRowMap.clear();
    WpsMode = false;
    WpsErrorKind = 0;
    HwButtonPressed = false;
    WpsRunning = false;
}

std::u16string SelectedSsid() {
    return std::u16string(base::FieldText(WizardProfile.NetworkName));
}

void SetSelectedSsid(std::u16string_view name) {
    base::CopyToField(WizardProfile.NetworkName, name);
}

} // namespace wizard
