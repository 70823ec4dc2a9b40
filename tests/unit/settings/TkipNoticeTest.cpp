// The TKIP notice: which profiles call for it, and what it shows (the heading white on the dark purple
// banner, the two lines, the language file's wording when it has some).
#include <gtest/gtest.h>

#include <variant>

#include "fakes/FakeHost.h"
#include "profiles/settings/CTkipImportamt.h"
#include "res/ProfileDialogsIds.h"
#include "unit/app/AppTestSupport.h"

namespace {

kernel::WirelessProfile Profile(uint32_t security, uint32_t modes) {
    kernel::WirelessProfile p{};
    p.block.securityFlags = security;
    p.wirelessModes = modes;
    return p;
}

class TkipNotice : public apptest::AppTest {
protected:
    TkipNotice() {
        fakes::RegisterTemplate(
            IDD_DIALOG_MESSAGE_TKIP_IMPORTAMT,
            {
                {IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TITLE, ui::ControlKind::Canvas, {0, 0, 405, 42}, false},
                {IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1, ui::ControlKind::Static, {18, 55, 387, 98}, false},
                {IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT2,
                 ui::ControlKind::Static,
                 {18, 104, 387, 146},
                 false},
                {ui::kIdOk, ui::ControlKind::Button, {165, 156, 240, 179}, true},
            });
    }
};

} // namespace

TEST(TkipNoticeRule, OnlyWpaPskWithTkipOnA300MbpsModeCallsForIt) {
    using namespace kernel;
    struct Case {
        uint32_t security;
        uint32_t modes;
        bool notice;
    } cases[] = {
        {kSecurityWpaPskTkip, kMode300AG, true},
        {kSecurityWpaPskTkip, kMode300G, true},
        {kSecurityWpaPskTkip, kMode300A | kMode54A, true},
        {kSecurityWpaPskTkip, kModeAll, true},
        {kSecurityWpaPskTkip | kAuthWpa2Psk, kMode300G, true},
        {kSecurityWpaPskTkip, kMode54G, false}, // 54 Mbps is all TKIP allows anyway
        {kSecurityWpaPskTkip, kMode54G | kMode54A, false},
        {kSecurityWpaPskTkip, 0, false},
        {kSecurityWpa2PskAes, kModeAll, false},
        {kAuthWpaPsk | kCipherAes, kModeAll, false},
        {kAuthWpa2Psk | kCipherTkip, kModeAll, false},
        {kSecurityWep, kModeAll, false},
        {kSecurityNone, kModeAll, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TkipNoticeApplies(Profile(c.security, c.modes)), c.notice)
            << std::hex << "security 0x" << c.security << ", modes 0x" << c.modes;
    }
}

TEST_F(TkipNotice, TheHeadingIsDrawnWhiteAndBoldOnTheBanner) {
    disk.WriteLanguage("English", "[IDD_DIALOG_MESSAGE_TKIP_IMPORTAMT]\n"
                                  "TITLE=Link Warden\n"
                                  "IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TITLE=Slow\\nTKIP\n"
                                  "IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1=Line one\\nwraps\n"
                                  "IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT2=Line two\n"
                                  "IDOK=&Understood\n");
    SelectLanguage();
    CTkipImportamt dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(host.Caption(), u"Link Warden");
    EXPECT_EQ(host.GetText(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1), u"Line one\nwraps");
    EXPECT_EQ(host.GetText(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT2), u"Line two");
    EXPECT_EQ(host.GetText(ui::kIdOk), u"&Understood");

    const ui::Picture& banner = host.control(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TITLE).picture;
    EXPECT_EQ(banner.width, 405);
    EXPECT_EQ(banner.height, 42);
    EXPECT_EQ(banner.background, ui::Rgb(0x31, 0x00, 0x63));
    EXPECT_EQ(banner.Texts(), std::vector<std::u16string>{u"Slow TKIP"}) << "the heading is one line";
    for (const ui::PictureItem& item : banner.items) {
        if (const auto* text = std::get_if<ui::PictureText>(&item)) {
            EXPECT_EQ(text->color, ui::Rgb(255, 255, 255));
            EXPECT_TRUE(text->font.bold);
            EXPECT_TRUE(ui::Rect({0, 0, 405, 42}).Contains(text->rect));
        }
    }
}

// The language files carry the wording; one that lacks it still gets a notice that says something.
TEST_F(TkipNotice, WithoutTheLanguageFileTheEnglishNoticeIsShown) {
    CTkipImportamt dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(host.Caption(), u"ORVELIN KTA7700 LINK WARDEN");
    std::vector<std::u16string> heading =
        host.control(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TITLE).picture.Texts();
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_NE(heading[0].find(u"TKIP"), std::u16string::npos);
    EXPECT_NE(host.GetText(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1).find(u"54Mbps"), std::u16string::npos);
    EXPECT_NE(host.GetText(IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT2).find(u"WPA2-PSK[AES]"),
              std::u16string::npos);
    EXPECT_EQ(host.GetText(ui::kIdOk), u"OK");
    host.Click(ui::kIdOk);
    EXPECT_EQ(host.result(), ui::kIdOk);
}
