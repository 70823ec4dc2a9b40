// The failure pages for one and for several access points (109, 110) under Wine, from the real page
// classes and templates with the source tree's English texts. The program reaches them only after a
// four-minute AP-PIN exchange, so this harness opens them with the access points such an exchange names;
// it checks what Windows alone shows (the BSSID lines as drawn) and, with KT_DOC_SCREENSHOTS_DIR set, saves
// their pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/AppGlobals.h"
#include "app/AppTexts.h"
#include "app/Language.h"
#include "base/Text.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeRegistry.h"
#include "res/WpsErrorIds.h"
#include "ui/win32/DialogWindow.h"
#include "wine/ProgramUnderTest.h"
#include "wine/networks_e2e/PngCapture.h"
#include "wizard/WizardState.h"
#include "wps/CConnectWizardWPSErrorFail.h"
#include "wps/CConnectWizardWPSErrorTimeout.h"
#include "wps/WpsState.h"

namespace {

std::wstring TextOf(HWND window, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(window, id, text, 512);
    return text;
}

void Involve(std::initializer_list<std::array<uint8_t, 6>> bssids) {
    wps::ResetWpsState();
    WpsApCount = 0;
    for (const auto& bssid : bssids) {
        std::copy(bssid.begin(), bssid.end(), WpsApList[WpsApCount++].bssid);
    }
}

class WpsFailurePages : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ui::win32::InitControls();
        static fakes::FakeRegistry registry;
        static fakes::FakeKernel kernel{registry};
        ResetAppGlobals();
        std::wstring folder = wineprogram::WindowsPath(wineprogram::Env(L"KT_SOURCE_DIR") + L"/lang");
        ProgramFolder.assign(folder.begin(), folder.end());
        SetAppRegistry(&registry);
        g_pnKernel = &kernel;
        DevicePresent = true; // the pages' watchdog closes them without an adapter
        registry.WriteString(platform::kHkeyLocalMachine, AppKey, u"Language", u"0");
        SelectLanguage();
        LoadLanguageTexts();
    }

    // The page shown and drawn, its picture saved as <name>.png when pictures are wanted.
    static HWND Show(ui::Dialog& page, const wchar_t* name) {
        HWND window = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), nullptr, page);
        if (window == nullptr) {
            return nullptr;
        }
        ShowWindow(window, SW_SHOW);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        wineprogram::PumpUntil([] { return false; }, 300); // every control paints before the picture
        std::wstring docs = wineprogram::Env(L"KT_DOC_SCREENSHOTS_DIR");
        if (!docs.empty()) {
            EXPECT_TRUE(
                networks_e2e::CaptureWindowAsPng(window, wineprogram::WindowsPath(docs) + name + L".png"));
        }
        return window;
    }
};

TEST_F(WpsFailurePages, OneAccessPointIsNamedInQuotes) {
    Involve({{0x00, 0x24, 0xB2, 0x10, 0x20, 0x01}});
    CConnectWizardWPSErrorFail page;
    HWND window = Show(page, L"error-one-ap");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window, IDC_WPSFAIL_BSSID), L"\"00:24:B2:10:20:01\"");
    EXPECT_FALSE(TextOf(window, IDC_WPSFAIL_HEADLINE).empty()) << "no headline from the language file";
    DestroyWindow(window);
}

TEST_F(WpsFailurePages, SeveralAccessPointsAreListedWithAFullStop) {
    Involve({{0x00, 0x24, 0xB2, 0x10, 0x20, 0x0A}, {0x00, 0x24, 0xB2, 0x10, 0x20, 0x0B}});
    CConnectWizardWPSErrorTimeout page(false);
    HWND window = Show(page, L"error-several-aps");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window, IDC_WPSTIMEOUT_BSSIDS), L"00:24:B2:10:20:0A, 00:24:B2:10:20:0B.");
    EXPECT_FALSE(TextOf(window, IDC_WPSTIMEOUT_HEADLINE).empty()) << "no headline from the language file";
    DestroyWindow(window);
}

} // namespace
