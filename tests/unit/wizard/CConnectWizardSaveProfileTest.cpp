// The save page and its reserved-name page on the fake host: the hint and the yes/no choice, the name
// as the user types or pastes it (no backslash survives, the caret stays), when Next is offered, the
// name each way of leaving stores, the reserved names, Back by origin and Cancel in a WPS run.
#include <gtest/gtest.h>

#include <functional>

#include "base/Text.h"
#include "kernel/ConnectionBlock.h"
#include "unit/wizard/WizardFinishTemplates.h"
#include "wizard/CConnectWizardFileError.h"
#include "wizard/CConnectWizardSaveProfile.h"
#include "wizard/CConnectWizardWPSView.h"

namespace {

const std::u16string kHint = u"<Enter a Profile name here>";

class SavePage : public wizardfinishtest::FinishPageTest {
protected:
    fakes::FakeHost& OpenSave() { return OpenPage<CConnectWizardSaveProfile>(); }

    // The field entered and a name typed, as the user does it.
    fakes::FakeHost& OpenAndType(std::u16string_view name) {
        fakes::FakeHost& host = OpenSave();
        host.SetFocus(IDC_EDIT_SAVEPROFILE_NAME);
        host.Type(IDC_EDIT_SAVEPROFILE_NAME, name);
        return host;
    }

    std::u16string StoredName() { return std::u16string(base::FieldText(WizardProfile.ConfigurationName)); }
};

TEST_F(SavePage, OpensOnItsOwnNumberWithTheHintAndTheChoiceOfSaveAtEnd) {
    for (bool save : {true, false}) {
        SCOPED_TRACE(save ? "SaveAtEnd 1" : "SaveAtEnd 0");
        SaveAtEnd = save;
        WizardPage = wizard::kPagePsk;
        fakes::FakeHost& host = OpenSave();
        EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
        EXPECT_EQ(host.GetText(IDC_EDIT_SAVEPROFILE_NAME), kHint);
        EXPECT_EQ(host.control(IDC_EDIT_SAVEPROFILE_NAME).Limit(), 64);
        EXPECT_EQ(host.control(IDC_RADIO_SAVEPROFILE_YES).checked, save);
        EXPECT_EQ(host.control(IDC_RADIO_SAVEPROFILE_NO).checked, !save);
        EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
        EXPECT_NE(host.FocusedControl(), IDC_EDIT_SAVEPROFILE_NAME);
        EXPECT_TRUE(host.IsVisible(IDC_WIZARD_BACK));
        EXPECT_EQ(host.TimerInterval(1), 1000u);
    }
}

TEST_F(SavePage, TheSecurityStepSaysSettingsForAnOpenNetwork) {
    UseShippedEnglish();
    WizardProfile.block.securityFlags = kernel::kSecurityNone;
    EXPECT_EQ(OpenSave().GetText(IDC_WIZARD_STEP2), u"Applying Settings");
    WizardProfile.block.securityFlags = kernel::kSecurityWpa2PskAes;
    fakes::FakeHost& host = OpenSave();
    EXPECT_EQ(host.GetText(IDC_WIZARD_STEP2), u"Applying Security");
    EXPECT_EQ(host.GetText(IDC_WIZARD_STEP3), u"Saving Profile");
    EXPECT_EQ(host.GetText(IDC_WIZARD_BACK), u"< &Back");
}

TEST_F(SavePage, WpsRunsAndNamedOpenNetworksFromTheListHaveNoBack) {
    WpsMode = true;
    fakes::FakeHost& wps = OpenSave();
    EXPECT_FALSE(wps.IsVisible(IDC_WIZARD_BACK));
    EXPECT_FALSE(wps.IsVisible(IDC_WIZARD_SIDE_PICTURE));
    EXPECT_FALSE(wps.IsVisible(IDC_WIZARD_STEP1));
    EXPECT_FALSE(wps.IsVisible(IDC_WIZARD_STEP4));

    WpsMode = false;
    WizardState.fromList = true;
    WizardOrigin = wizard::kOriginList;
    fakes::FakeHost& fromList = OpenSave();
    EXPECT_FALSE(fromList.IsVisible(IDC_WIZARD_BACK));
    EXPECT_TRUE(fromList.IsVisible(IDC_WIZARD_STEP1));

    WizardOrigin = wizard::kOriginPsk; // a protected network from the list: its key page is behind
    EXPECT_TRUE(OpenSave().IsVisible(IDC_WIZARD_BACK));
}

TEST_F(SavePage, EnteringTheFieldTakesTheHintAwayOnlyWhenSaving) {
    fakes::FakeHost& host = OpenSave();
    host.SetFocus(IDC_EDIT_SAVEPROFILE_NAME);
    EXPECT_EQ(host.GetText(IDC_EDIT_SAVEPROFILE_NAME), u"");
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
    // A name typed before stays when the field is entered again.
    host.Type(IDC_EDIT_SAVEPROFILE_NAME, u"Home");
    host.SetFocus(IDC_RADIO_SAVEPROFILE_YES);
    host.SetFocus(IDC_EDIT_SAVEPROFILE_NAME);
    EXPECT_EQ(host.GetText(IDC_EDIT_SAVEPROFILE_NAME), u"Home");

    SaveAtEnd = false;
    fakes::FakeHost& notSaving = OpenSave();
    notSaving.SetFocus(IDC_EDIT_SAVEPROFILE_NAME);
    EXPECT_EQ(notSaving.GetText(IDC_EDIT_SAVEPROFILE_NAME), kHint);
    notSaving.Type(IDC_EDIT_SAVEPROFILE_NAME, u"x");
    EXPECT_EQ(notSaving.GetText(IDC_EDIT_SAVEPROFILE_NAME), kHint);
    EXPECT_TRUE(notSaving.IsEnabled(IDC_WIZARD_NEXT));
}

TEST_F(SavePage, EveryBackslashOfAChangeGoesAndTheCaretStaysWhereItWas) {
    struct Case {
        std::u16string before;
        std::u16string after; // what typing or pasting made of it
        std::u16string shown;
        int caret;
    };
    const Case cases[] = {
        {u"abcd", u"ab\\cd", u"abcd", 2},                  // one typed in the middle
        {u"abcd", u"abx\\y\\\\zcd", u"abxyzcd", 5},        // a pasted name with several
        {u"", u"\\\\Default\\Home\\", u"DefaultHome", 11}, // nothing but the path
        {u"abcd", u"\\abcd", u"abcd", 0},                  // at the start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(base::NarrowForLog(c.after));
        fakes::FakeHost& host = OpenAndType(c.before);
        host.Type(IDC_EDIT_SAVEPROFILE_NAME, c.after);
        EXPECT_EQ(host.GetText(IDC_EDIT_SAVEPROFILE_NAME), c.shown);
        EXPECT_EQ(host.control(IDC_EDIT_SAVEPROFILE_NAME).selStart, c.caret);
        EXPECT_EQ(host.control(IDC_EDIT_SAVEPROFILE_NAME).selEnd, c.caret);
        host.Click(IDC_WIZARD_NEXT);
        EXPECT_EQ(StoredName(), c.shown);
    }
}

TEST_F(SavePage, NextNeedsMoreThanBlanksAndKeepsTheNameAsTyped) {
    fakes::FakeHost& host = OpenAndType(u"   ");
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
    host.Type(IDC_EDIT_SAVEPROFILE_NAME, u"");
    EXPECT_FALSE(host.IsEnabled(IDC_WIZARD_NEXT));
    host.Type(IDC_EDIT_SAVEPROFILE_NAME, u" Home  ");
    EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
    EXPECT_EQ(host.defaultButton(), IDC_WIZARD_NEXT);
    host.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageSummary);
    EXPECT_EQ(StoredName(), u" Home  ");
}

TEST_F(SavePage, NoKeepsNothingAndYesComesBackToTheHint) {
    fakes::FakeHost& host = OpenAndType(u"Home");
    Choose(host, IDC_RADIO_SAVEPROFILE_NO);
    EXPECT_FALSE(SaveAtEnd);
    EXPECT_FALSE(host.control(IDC_RADIO_SAVEPROFILE_YES).checked);
    EXPECT_EQ(host.GetText(IDC_EDIT_SAVEPROFILE_NAME), kHint);
    EXPECT_TRUE(host.IsEnabled(IDC_WIZARD_NEXT));
    Choose(host, IDC_RADIO_SAVEPROFILE_YES);
    EXPECT_TRUE(SaveAtEnd);
    EXPECT_FALSE(host.control(IDC_RADIO_SAVEPROFILE_NO).checked);
    EXPECT_EQ(host.GetText(IDC_EDIT_SAVEPROFILE_NAME), kHint);
    Choose(host, IDC_RADIO_SAVEPROFILE_NO);
    host.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageSummary);
    EXPECT_EQ(StoredName(), u"");
}

TEST_F(SavePage, TheHintLeftAsItIsSavesUnderProfile) {
    fakes::FakeHost& host = OpenSave();
    host.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageSummary);
    EXPECT_EQ(StoredName(), u"Profile");
}

TEST_F(SavePage, ALongestNameIsCutAlikeOnTheSummaryAndInTheStore) {
    const std::u16string typed(64, u'p');
    fakes::FakeHost& host = OpenAndType(typed);
    host.Click(IDC_WIZARD_NEXT);
    ASSERT_EQ(host.result(), ui::kIdOk);

    const std::u16string shown = OpenPage<CConnectWizardWPSView>().GetText(IDC_STATIC_WPSVIEW_PROFILE);
    EXPECT_EQ(shown, typed.substr(0, 63));
    base::CopyToField(WizardProfile.NetworkName, u"net");
    profiles::EnsureDefaultProfile(); // as start-up leaves the store
    ASSERT_EQ(profiles::AddProfile(WizardProfile), profiles::kAddAdded);
    int count = profiles::LoadProfileTable(0);
    int slot = profiles::FindProfile(count, shown);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(base::FieldText(profiles::ProfileTable[slot].ConfigurationName), shown);
}

class ReservedName : public SavePage {
protected:
    // Runs the reserved-name page as the user answers it; returns its message line.
    std::u16string Refuse(fakes::FakeHost& host, ui::ControlId answer) {
        std::u16string message;
        host.modalHandler = [&](ui::Dialog& child) {
            fakes::FakeHost refusal(child);
            refusal.Strict();
            refusal.Open();
            EXPECT_FALSE(host.IsWindowVisible()) << "the save page stays up behind it";
            EXPECT_FALSE(refusal.IsEnabled(IDC_WIZARD_NEXT));
            message = refusal.GetText(IDC_STATIC_FILE_ERROR_MESSAGE);
            refusal.Click(answer);
            return refusal.result();
        };
        host.Click(IDC_WIZARD_NEXT);
        return message;
    }
};

TEST_F(ReservedName, TheDefaultAndNewProfileNamesInAnyCaseAreRefusedAndBackReturns) {
    for (std::u16string name : {u"default", u"DEFAULT", u"Default", u"new PROFILE"}) {
        SCOPED_TRACE(base::NarrowForLog(name));
        WizardPage = 0;
        fakes::FakeHost& host = OpenAndType(name);
        EXPECT_EQ(Refuse(host, IDC_WIZARD_BACK), u" " + name);
        ASSERT_EQ(host.modalTemplates, std::vector<int>{IDD_DLG_CONNECTWIZARD_FILE_ERROR});
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
        EXPECT_EQ(StoredName(), u"");
    }
    // Names that only contain a reserved one are fine.
    fakes::FakeHost& host = OpenAndType(u"Default2");
    host.Click(IDC_WIZARD_NEXT);
    EXPECT_TRUE(host.modalTemplates.empty());
    EXPECT_EQ(StoredName(), u"Default2");
}

TEST_F(ReservedName, CancelOnTheReservedNamePageEndsTheSavePageWithCancel) {
    WizardPage = 0;
    fakes::FakeHost& host = OpenAndType(u"Default");
    Refuse(host, ui::kIdCancel);
    EXPECT_EQ(host.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageSaveProfile); // as the page stored it when it opened
}

TEST_F(ReservedName, TheMessageFollowsTheLanguage) {
    UseShippedEnglish();
    fakes::FakeHost& english = OpenAndType(u"default");
    EXPECT_EQ(Refuse(english, IDC_WIZARD_BACK), u"A profile cannot be saved under the reserved name default");

    disk.WriteLanguage("Germany", "[IDD_DLG_CONNECTWIZARD_FILE_ERROR]\r\n10010=Profil nicht unter\r\n");
    Store(u"Language", u"1");
    SelectLanguage();
    ASSERT_EQ(LanguageIndex(), 1);
    fakes::FakeHost& german = OpenAndType(u"default");
    EXPECT_EQ(Refuse(german, IDC_WIZARD_BACK), u"Profil nicht unter\"default\" speichern");
}

TEST_F(SavePage, BackLeadsToThePageTheRunCameFrom) {
    const std::pair<int, int> cases[] = {{wizard::kOriginWepPhrase, wizard::kPageWepPhrase},
                                         {wizard::kOriginWepHex, wizard::kPageWepHex},
                                         {wizard::kOriginPsk, wizard::kPagePsk},
                                         {wizard::kOriginList, wizard::kPageList},
                                         {wizard::kOriginHidden, wizard::kPageHidden}};
    for (auto [origin, page] : cases) {
        SCOPED_TRACE(origin);
        WizardOrigin = origin;
        fakes::FakeHost& host = OpenSave();
        host.Click(IDC_WIZARD_BACK);
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, page);
    }
}

TEST_F(SavePage, CancelInAWpsRunLeadsToTheWpsErrorPage) {
    fakes::FakeHost& plain = OpenSave();
    plain.Click(ui::kIdCancel);
    EXPECT_EQ(plain.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
    EXPECT_EQ(WpsErrorKind, 0);

    WpsMode = true;
    fakes::FakeHost& wps = OpenSave();
    wps.Click(ui::kIdCancel);
    EXPECT_EQ(wps.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageWpsError);
    EXPECT_EQ(WpsErrorKind, 2);
}

} // namespace
