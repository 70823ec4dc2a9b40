// The unsaved-changes question on the fake host: its texts, and which answer each way out gives.
#include <gtest/gtest.h>

#include "fakes/FakeHost.h"
#include "profiles/settings/CModifyProfileDlg.h"
#include "res/ProfileDialogsIds.h"
#include "ui/Messages.h"
#include "unit/app/AppTestSupport.h"

namespace {

class ModifyProfileQuestion : public apptest::AppTest {
protected:
    ModifyProfileQuestion() {
        fakes::RegisterTemplate(
            IDD_DIALOG_MODIFY_PROFILE,
            {
                {IDC_STATIC_MODIFYPROFILE_TEXT, ui::ControlKind::Static, {15, 16, 339, 58}, false},
                {ui::kIdOk, ui::ControlKind::Button, {30, 81, 165, 104}, true},
                {ui::kIdCancel, ui::ControlKind::Button, {174, 81, 324, 104}, true},
            });
    }
};

} // namespace

TEST_F(ModifyProfileQuestion, AsksInItsEnglishWords) {
    CModifyProfileDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(host.Caption(), u"Orvelin Clear Wave Settings");
    EXPECT_EQ(host.GetText(IDC_STATIC_MODIFYPROFILE_TEXT),
              u"You made changes to your settings.Do you want to save them?");
    EXPECT_EQ(host.GetText(ui::kIdOk), u"&Save");
    EXPECT_EQ(host.GetText(ui::kIdCancel), u"Cancel chan&ges");
}

TEST_F(ModifyProfileQuestion, TextsFromTheLanguageFile) {
    disk.WriteLanguage("English", "[IDD_DIALOG_MODIFY_PROFILE]\n"
                                  "IDD_DIALOG_MODIFY_PROFILE=Changed\n"
                                  "IDC_STATIC_MODIFYPROFILE_TEXT=Changes made.\\nSave them?\n"
                                  "IDOK=&Keep\n"
                                  "IDCANCEL=&Drop\\nthem\n");
    SelectLanguage();
    CModifyProfileDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(host.Caption(), u"Changed");
    EXPECT_EQ(host.GetText(IDC_STATIC_MODIFYPROFILE_TEXT), u"Changes made.\nSave them?");
    EXPECT_EQ(host.GetText(ui::kIdOk), u"&Keep");
    EXPECT_EQ(host.GetText(ui::kIdCancel), u"&Drop them");
}

TEST_F(ModifyProfileQuestion, SaveAnswersSaveAndEveryOtherWayOutDiscards) {
    struct Way {
        const char* name;
        void (*leave)(fakes::FakeHost&);
        int answer;
    } ways[] = {
        {"Save", [](fakes::FakeHost& h) { h.Click(ui::kIdOk); }, CModifyProfileDlg::kSave},
        {"Enter", [](fakes::FakeHost& h) { h.PressEnter(); }, CModifyProfileDlg::kSave},
        {"Cancel changes", [](fakes::FakeHost& h) { h.Click(ui::kIdCancel); }, CModifyProfileDlg::kDiscard},
        {"Escape", [](fakes::FakeHost& h) { h.PressEscape(); }, CModifyProfileDlg::kDiscard},
        {"close box", [](fakes::FakeHost& h) { h.Deliver(ui::kWmClose); }, CModifyProfileDlg::kDiscard},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        CModifyProfileDlg dialog;
        fakes::FakeHost host(dialog);
        host.Open();
        way.leave(host);
        EXPECT_TRUE(host.ended());
        EXPECT_EQ(host.result(), way.answer);
    }
}
