// The notice shown before a WPA-PSK[TKIP] profile is applied with a 300 Mbps mode allowed: the
// adapter cannot reach those rates with TKIP. It only informs; applying goes on after OK.
#pragma once

#include <string>

#include "kernel/WirelessProfile.h"
#include "ui/Dialog.h"
#include "ui/Picture.h"

// True when the profile uses WPA-PSK with TKIP and allows any of the three 300 Mbps modes. Whether the
// main window is applying for the wizard (no notice then) is the caller's to check.
bool TkipNoticeApplies(const kernel::WirelessProfile& profile);

class CTkipImportamt : public ui::Dialog {
public:
    // The banner: white text on dark purple.
    static constexpr ui::Color kBannerColor = 0x630031;
    static constexpr ui::Color kBannerTextColor = ui::Rgb(255, 255, 255);

    CTkipImportamt();

    // The banner across the top of the notice, `width` x `height` pixels, with the heading on it.
    static ui::Picture Banner(int width, int height, std::u16string heading);

    bool OnInit() override;
};
