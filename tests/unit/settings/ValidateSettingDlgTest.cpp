// The "Validating settings..." splash on the fake host: the fade in and out one step per tick where the
// system offers window opacity, the plain three seconds where it does not, the wait cursor for as long
// as it runs, and its text, colours and place above every other window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "profiles/settings/CValidateSettingDlg.h"
#include "res/ProfileDialogsIds.h"
#include "unit/app/AppTestSupport.h"

namespace {

constexpr ui::ControlId kText = IDC_STATIC_VALIDATE_SETTING_TEXT;

class ValidateSplash : public apptest::AppTest {
protected:
    ValidateSplash() {
        fakes::RegisterTemplate(IDD_DLG_VALIDATE_SETTING,
                                {{kText, ui::ControlKind::Static, {6, 15, 184, 47}, false}});
    }
};

} // namespace

TEST(ValidateFade, InThenOutInStepsOf32) {
    std::vector<int> alphas;
    for (int step = 0; step < kValidateFadeSteps; ++step) {
        alphas.push_back(ValidateFadeAlpha(step));
    }
    EXPECT_EQ(alphas, (std::vector<int>{63, 95, 127, 159, 191, 223, 255, 223, 191, 159, 127, 95, 63, 31}));
    EXPECT_EQ(ValidateFadeAlpha(-1), 255);
    EXPECT_EQ(ValidateFadeAlpha(kValidateFadeSteps), 255);
}

TEST_F(ValidateSplash, FadesInAndOutOneStepPerTickUnderTheWaitCursorThenClosesWithOk) {
    CValidateSettingDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(host.GetText(kText), u"Validating settings...");
    EXPECT_EQ(host.backgroundColor(), ui::Rgb(0x31, 0x00, 0x63));
    EXPECT_EQ(host.control(kText).textColor, ui::Rgb(255, 255, 255));
    EXPECT_TRUE(host.topMost());
    EXPECT_EQ(host.opacity(), 31) << "nearly clear while it comes up";
    EXPECT_EQ(host.TimerInterval(CValidateSettingDlg::kTimerStart), 200u);
    EXPECT_FALSE(host.TimerRunning(CValidateSettingDlg::kTimerPlain));

    host.FireTimer(CValidateSettingDlg::kTimerStart);
    EXPECT_FALSE(host.TimerRunning(CValidateSettingDlg::kTimerStart)) << "the start comes once";
    EXPECT_EQ(host.cursor, ui::Cursor::Wait);
    EXPECT_EQ(host.TimerInterval(CValidateSettingDlg::kTimerFade), 100u);
    std::vector<int> shown{host.opacity()};
    while (!host.ended() && shown.size() < 20) {
        host.FireTimer(CValidateSettingDlg::kTimerFade);
        if (!host.ended()) {
            EXPECT_EQ(host.cursor, ui::Cursor::Wait);
            shown.push_back(host.opacity());
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{63, 95, 127, 159, 191, 223, 255, 223, 191, 159, 127, 95, 63, 31}));
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(host.cursor, ui::Cursor::Arrow) << "the cursor is given back";
}

TEST_F(ValidateSplash, WithoutWindowOpacityItStaysOpaqueForThreeSeconds) {
    CValidateSettingDlg dialog;
    fakes::FakeHost host(dialog);
    host.opacityOffered = false;
    host.Open();
    EXPECT_EQ(host.opacity(), 255);
    EXPECT_FALSE(host.TimerRunning(CValidateSettingDlg::kTimerStart));
    EXPECT_EQ(host.TimerInterval(CValidateSettingDlg::kTimerPlain), 3000u);
    EXPECT_EQ(host.cursor, ui::Cursor::Wait);
    host.FireTimer(CValidateSettingDlg::kTimerPlain);
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(host.cursor, ui::Cursor::Arrow);
}

TEST_F(ValidateSplash, EnterAndEscapeDoNotCutItShort) {
    CValidateSettingDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    host.PressEnter();
    host.PressEscape();
    EXPECT_FALSE(host.ended());
    host.FireTimer(CValidateSettingDlg::kTimerStart);
    host.PressEscape();
    EXPECT_FALSE(host.ended());
    EXPECT_TRUE(host.TimerRunning(CValidateSettingDlg::kTimerFade));
}

TEST_F(ValidateSplash, ALongTextFromTheLanguageFileIsShownWhole) {
    std::string longText(1500, 'v');
    disk.WriteLanguage("English", "[IDD_DLG_CONNECTWIZARD_PLEASEWAIT]\n"
                                  "10000=\\n\\nPlease Wait...\n"
                                  "10020=Checking\\n" +
                                      longText + "\n");
    SelectLanguage();
    CValidateSettingDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(host.GetText(kText), u"Checking\n" + std::u16string(1500, u'v'));
}
