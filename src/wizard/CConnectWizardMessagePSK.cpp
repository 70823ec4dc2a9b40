#include "wizard/CConnectWizardMessagePSK.h"

#include "kernel/BssEntry.h"
#include "res/WizardListIds.h"
#include "wizard/WizardState.h"

CConnectWizardMessagePSK::CConnectWizardMessagePSK()
    : wizard::SecurityMessage(IDD_DLG_CONNECTWIZARD_MESSAGE_PSK, IDC_WIZARD_MESSAGE_PSK_TEXT,
                              wizard::kPagePskMessage, wizard::kPagePsk) {}

wizard::SecurityMessageTexts CConnectWizardMessagePSK::Texts() const {
    // The chosen network's flags: WPA2-PSK wins when it offers both.
    const uint32_t flags = WizardProfile.block.securityFlags;
    std::u16string_view message = (flags & kernel::kBssWpa2Psk) != 0 ? u"1A011" : u"1A010";
    return {u"IDD_DLG_CONNECTWIZARD_MESSAGE_PSK", u"1A000", message, u"1A040"};
}
