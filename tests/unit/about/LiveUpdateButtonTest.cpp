// The About page's Update button: which Internet test it trusts, the not-connected message, and the
// live-update dialog it opens.
#include <gtest/gtest.h>

#include "LiveUpdateTestSupport.h"
#include "MainWindowFixture.h"
#include "about/CAboutExDlg.h"
#include "app/Language.h"
#include "mainwnd/LinkStatus.h"
#include "res/AboutIds.h"
#include "res/LiveUpdateIds.h"

using namespace liveupdatetest;

namespace {

class UpdateButton : public mainwndtest::MainWindowTest {
protected:
    UpdateButton() {
        ProgramFolder = disk.Folder();
        disk.WriteLanguage("English", kLiveUpdateTexts);
        SelectLanguage();
        Store(u"AutoUpdate", u"0"); // no background check in these tests
        // The page's own tests hold its template to the .rc; here the page makes its controls as asked.
        fakes::ForgetTemplates();
    }
    ~UpdateButton() override {
        if (pageHost && !pageHost->destroyed()) {
            pageHost->Destroy();
        }
        g_bInternetReachable = false;
    }
    void OpenPage() {
        pageHost = std::make_unique<fakes::FakeHost>(page, ui::Rect{0, 0, 600, 254});
        pageHost->Open();
    }
    void Press() { pageHost->Click(IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE); }

    ProgramFolderOnDisk disk;
    StillCalendar calendar;
    FakeServices fake;
    CAboutExDlg page{calendar, fake.services};
    std::unique_ptr<fakes::FakeHost> pageHost;
};

TEST_F(UpdateButton, WithTheLibrarysCheckOnItsLastReportDecides) {
    Store(u"CountryDomain", u"9");
    Store(u"ShowInternet", u"1");
    OpenPage();
    g_bInternetReachable = false;
    Press();
    EXPECT_EQ(fake.internetTests, 0);
    ASSERT_EQ(pageHost->messageBoxes.size(), 1u);
    EXPECT_EQ(pageHost->messageBoxes[0].text,
              u"You are not connected to the Internet for software update. Please check your Internet "
              u"connection and try again later.");
    EXPECT_EQ(pageHost->messageBoxes[0].caption, u"Orvelin Link Warden");
    EXPECT_TRUE(pageHost->modalTemplates.empty());

    g_bInternetReachable = true;
    Press();
    EXPECT_EQ(pageHost->modalTemplates, std::vector<int>{IDD_DIALOG_ABOUT_LIVE_UPDATE});
    EXPECT_EQ(fake.librariesOpened, 1);
}

TEST_F(UpdateButton, WithTheLibrarysCheckOffTheProgramAsksItselfUnderTheWaitCursor) {
    for (const char16_t* country : {u"4", u"9"}) {
        Store(u"CountryDomain", country);
        Store(u"ShowInternet", country == std::u16string(u"4") ? u"1" : u"0");
        g_bInternetReachable = true; // stale: nobody updates it while the library's check is off
        fake.internet = false;
        fake.internetTests = 0;
        if (!pageHost) {
            OpenPage();
        }
        pageHost->messageBoxes.clear();
        Press();
        EXPECT_EQ(fake.internetTests, 1) << "domain " << (country[0] == u'4');
        EXPECT_EQ(pageHost->messageBoxes.size(), 1u);
        EXPECT_EQ(pageHost->cursor, ui::Cursor::Arrow);
    }
    fake.internet = true;
    Press();
    EXPECT_EQ(pageHost->modalTemplates, std::vector<int>{IDD_DIALOG_ABOUT_LIVE_UPDATE});
}

} // namespace
