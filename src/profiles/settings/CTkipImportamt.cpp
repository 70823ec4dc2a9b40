#include "profiles/settings/CTkipImportamt.h"

#include <string_view>
#include <utility>

#include "app/Language.h"
#include "res/ProfileDialogsIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_MESSAGE_TKIP_IMPORTAMT";

constexpr uint32_t kHighThroughputModes = kernel::kMode300AG | kernel::kMode300G | kernel::kMode300A;

// The program's headings are bold, in the face the status area uses for the language.
constexpr int kHeadingPoints = 10;
constexpr int kBannerMargin = 12;

// The wording lives in the language files; these English texts stand in for a file that lacks it, so
// that the notice never comes up blank.
constexpr std::u16string_view kHeading = u"TKIP limits the speed of the 300Mbps modes";
constexpr std::u16string_view kText1 =
    u"With WPA-PSK[TKIP] security the adapter connects at no more than 54Mbps, "
    u"even in an \"Up to 300Mbps\" mode.";
constexpr std::u16string_view kText2 =
    u"For the full speed, set your router and this profile to WPA2-PSK[AES], the recommended security.";

} // namespace

bool TkipNoticeApplies(const kernel::WirelessProfile& profile) {
    uint32_t security = profile.block.securityFlags;
    return (security & kernel::kAuthWpaPsk) != 0 && (security & kernel::kCipherTkip) != 0 &&
           (profile.wirelessModes & kHighThroughputModes) != 0;
}

CTkipImportamt::CTkipImportamt() : ui::Dialog(IDD_DIALOG_MESSAGE_TKIP_IMPORTAMT) {}

ui::Picture CTkipImportamt::Banner(int width, int height, std::u16string heading) {
    ui::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.background = kBannerColor;
    picture.Text({kBannerMargin, 0, width - kBannerMargin, height}, std::move(heading),
                 ui::Font{std::u16string(DrawingFace(LanguageIndex())), kHeadingPoints, true, false},
                 kBannerTextColor);
    return picture;
}

bool CTkipImportamt::OnInit() {
    host().SetCaption(LangString(kSection, u"TITLE", u"ORVELIN KTA7700 LINK WARDEN"));
    ui::CanvasControl& banner = host().Canvas(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TITLE);
    ui::Rect place = banner.GetRect();
    banner.SetPicture(Banner(place.Width(), place.Height(),
                             LangLine(kSection, u"IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TITLE", kHeading, 1)));
    host().SetText(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1,
                   LangText(kSection, u"IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1", kText1));
    host().SetText(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT2,
                   LangText(kSection, u"IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT2", kText2));
    host().SetText(ui::kIdOk, LangLine(kSection, u"IDOK", u"OK", 1));
    return true;
}
