#include "about/SystemReportQueries.h"

#include "app/Language.h"
#include "wizard/WizardState.h"

namespace about {
namespace {

constexpr std::u16string_view kNetworksSection = u"IDD_DIALOG_SITESURVEY";

std::u16string NetworksText(std::u16string_view key, std::u16string_view defaultText) {
    return LangString(kNetworksSection, key, defaultText, 256);
}

} // namespace

bool HardwarePushButtonPressed() {
    return HwButtonPressed;
}

NetworksTabTexts ReadNetworksTabTexts() {
    NetworksTabTexts texts;
    const auto& columns = networks::ColumnKeys();
    for (size_t i = 0; i < columns.size(); ++i) {
        texts.titles[i] =
            networks::ParseColumn(NetworksText(columns[i].key, columns[i].defaultText), 0, 1.0).caption;
    }
    static constexpr std::u16string_view kSecurity[][2] = {
        {u"Security_None", u"None"},
        {u"Security_WEP", u"WEP"},
        {u"Security_WPA-PSK_WPA2-PSK", u"WPA-PSK/WPA2-PSK"},
        {u"Security_WPA-PSK", u"WPA-PSK"},
        {u"Security_WPA2-PSK", u"WPA2-PSK"},
        {u"Security_WPA-Radius_WPA2-Radius", u"WPA-Radius/WPA2-Radius"},
        {u"Security_WPA-Radius", u"WPA-Radius"},
        {u"Security_WPA2-Radius", u"WPA2-Radius"},
    };
    for (size_t i = 0; i < texts.rows.security.size(); ++i) {
        texts.rows.security[i] = NetworksText(kSecurity[i][0], kSecurity[i][1]);
    }
    texts.rows.wps = NetworksText(u"WPS_Enable", u"WPS");
    texts.rows.adHoc = NetworksText(u"NetworkType_AdHoc", u"Ad-Hoc");
    texts.rows.infrastructure = NetworksText(u"Network Type_SSID", u"Infrastructure");
    return texts;
}

} // namespace about
