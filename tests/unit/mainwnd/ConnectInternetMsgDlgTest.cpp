// The Internet notice on the fake host: its texts, and what its button and Enter write before the
// notice, shown modeless by the main window, ends itself.
#include <gtest/gtest.h>

#include "fakes/FakeHost.h"
#include "mainwnd/CConnectInternetMsgDlg.h"
#include "res/MainWndIds.h"
#include "ui/Messages.h"
#include "unit/app/AppTestSupport.h"

namespace {

class ConnectInternetNotice : public apptest::AppTest {
protected:
    ConnectInternetNotice() {
        fakes::RegisterTemplate(
            IDD_DIALOG_MESSAGE_CONNECT_INTERNET,
            {
                {IDC_STATIC_MESSAGE_CONNECT_PICTURE, ui::ControlKind::Static, {15, 16, 63, 64}, false},
                {IDC_STATIC_MESSAGE_CONNECT_TEXT, ui::ControlKind::Static, {78, 23, 345, 55}, false},
                {IDC_CHECK_MESSAGE_CONNECT_STATUS, ui::ControlKind::Button, {78, 65, 345, 81}, true},
                {IDC_BUTTON_MESSAGE_CONNECT_OK, ui::ControlKind::Button, {270, 97, 345, 120}, true},
            });
        Store(u"ShowInternetMsgBox", u"x");
    }

    // As the main window shows it.
    fakes::FakeHost& Show() {
        EXPECT_TRUE(owner.ShowModeless(notice));
        fakes::FakeHost* host = owner.Modeless(notice);
        EXPECT_NE(host, nullptr);
        return *host;
    }

    // The owner closes the notice when it goes, so both dialogs outlive it.
    ui::Dialog ownerDialog{0};
    CConnectInternetMsgDlg notice;
    fakes::FakeHost owner{ownerDialog};
};

} // namespace

TEST_F(ConnectInternetNotice, TextsOnWhiteAboveEveryWindow) {
    fakes::FakeHost& host = Show();
    EXPECT_EQ(host.Caption(), u"ORVELIN LINK WARDEN");
    EXPECT_EQ(host.GetText(IDC_STATIC_MESSAGE_CONNECT_TEXT), u"You are now connected to the Internet.");
    EXPECT_EQ(host.GetText(IDC_CHECK_MESSAGE_CONNECT_STATUS), u"Don't show this message again.");
    EXPECT_EQ(host.GetText(IDC_BUTTON_MESSAGE_CONNECT_OK), u"&OK");
    EXPECT_FALSE(host.control(IDC_CHECK_MESSAGE_CONNECT_STATUS).checked);
    EXPECT_TRUE(host.topMost());
    EXPECT_EQ(host.backgroundColor(), ui::Rgb(255, 255, 255));
    EXPECT_EQ(host.defaultButton(), IDC_BUTTON_MESSAGE_CONNECT_OK);
}

TEST_F(ConnectInternetNotice, TextsFromTheLanguageFile) {
    disk.WriteLanguage("English", "[IDD_DIALOG_MESSAGE_CONNECT_INTERNET]\n"
                                  "IDC_STATIC_PROFILE_GROUP_PROFILES=Link Warden\n"
                                  "IDC_STATIC_MESSAGE_CONNECT_TEXT=Online.\\nEnjoy!\n"
                                  "IDC_CHECK_MESSAGE_CONNECT_STATUS=Do not\\nshow again\n"
                                  "IDC_BUTTON_MESSAGE_CONNECT_OK=&Fine\n");
    SelectLanguage();
    fakes::FakeHost& host = Show();
    EXPECT_EQ(host.Caption(), u"Link Warden");
    EXPECT_EQ(host.GetText(IDC_STATIC_MESSAGE_CONNECT_TEXT), u"Online.\nEnjoy!");
    EXPECT_EQ(host.GetText(IDC_CHECK_MESSAGE_CONNECT_STATUS), u"Do not show again");
    EXPECT_EQ(host.GetText(IDC_BUTTON_MESSAGE_CONNECT_OK), u"&Fine");
}

TEST_F(ConnectInternetNotice, TheButtonStoresTheTickAndTheNoticeEndsItself) {
    for (bool tick : {true, false}) {
        SCOPED_TRACE(tick ? "ticked" : "not ticked");
        fakes::FakeHost& host = Show();
        host.control(IDC_CHECK_MESSAGE_CONNECT_STATUS).checked = tick;
        host.Click(IDC_CHECK_MESSAGE_CONNECT_STATUS);
        EXPECT_EQ(Stored(u"ShowInternetMsgBox"), u"x") << "nothing is written before the button";
        host.Click(IDC_BUTTON_MESSAGE_CONNECT_OK);
        EXPECT_EQ(Stored(u"ShowInternetMsgBox"), tick ? u"0" : u"1");
        EXPECT_EQ(owner.Modeless(notice), nullptr) << "the modeless notice is gone";
        EXPECT_FALSE(notice.IsOpen());
        Store(u"ShowInternetMsgBox", u"x");
    }
}

TEST_F(ConnectInternetNotice, EnterDoesWhatTheButtonDoesAndTheCloseBoxWritesNothing) {
    fakes::FakeHost& enter = Show();
    enter.control(IDC_CHECK_MESSAGE_CONNECT_STATUS).checked = true;
    enter.SendCommand(ui::kIdOk, ui::kClicked); // Enter with no default button taking it
    EXPECT_EQ(Stored(u"ShowInternetMsgBox"), u"0");
    EXPECT_EQ(owner.Modeless(notice), nullptr);

    Store(u"ShowInternetMsgBox", u"x");
    fakes::FakeHost& closeBox = Show();
    closeBox.control(IDC_CHECK_MESSAGE_CONNECT_STATUS).checked = true;
    closeBox.Deliver(ui::kWmClose);
    EXPECT_EQ(owner.Modeless(notice), nullptr);
    EXPECT_EQ(Stored(u"ShowInternetMsgBox"), u"x");
}
