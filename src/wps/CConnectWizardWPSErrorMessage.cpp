#include "wps/CConnectWizardWPSErrorMessage.h"

#include "base/Format.h"
#include "res/WpsErrorIds.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"
#include "wps/WpsErrorRules.h"

namespace {

constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);
constexpr ui::Color kRed = ui::Rgb(255, 0, 0);

} // namespace

CConnectWizardWPSErrorMessage::CConnectWizardWPSErrorMessage()
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE,
                         u"IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE") {}

bool CConnectWizardWPSErrorMessage::OnInit() {
    host().SetBackgroundColor(kWhite);
    host().SetCaption(Text(u"27000"));
    host().SetText(ui::kIdCancel,
                   wizard::PageText(u"IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS", u"27300", u"&OK"));
    host().Static(IDC_WPSERROR_HEADLINE).SetTextColor(kRed);
    if (const auto texts = wps::ErrorTextsFor(WpsErrorKind)) {
        // Texts of the language file are shown as they stand, whatever conversions a translator left.
        host().SetText(IDC_WPSERROR_HEADLINE,
                       base::FormatTranslated(Text(texts->headlineKey, texts->headlineDefault), {}));
        const std::u16string detail =
            texts->detailKey.empty() ? std::u16string() : Text(texts->detailKey, texts->detailDefault);
        host().SetText(IDC_WPSERROR_DETAIL, base::FormatTranslated(detail, {}));
    }
    StartWatchdog();
    return true;
}
