// The profile priority dialog on the fake host over the in-memory store: what it lists, when Up and Down
// are offered, how a move keeps its profile chosen, and that only OK writes the new order (one stored
// profile per order value, the default profile first), while Cancel writes nothing at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Text.h"
#include "fakes/FakeHost.h"
#include "profiles/ProfileStore.h"
#include "profiles/settings/CProFileSettingProrityDlg.h"
#include "res/ProfileDialogsIds.h"
#include "ui/Messages.h"
#include "unit/app/AppTestSupport.h"

namespace {

using Buttons = CProFileSettingProrityDlg::MoveButtons;
constexpr ui::ControlId kList = IDC_LIST_PROFILE_SETTING_PRIORITY;
constexpr ui::ControlId kUp = IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP;
constexpr ui::ControlId kDown = IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN;

class PriorityDialog : public apptest::AppTest {
protected:
    PriorityDialog() {
        fakes::RegisterTemplate(
            IDD_DIALOG_PROFILE_SETTING_PRIORITY,
            {
                {IDC_STATIC_PROFILE_SETTING_PRIORITY_TEXT, ui::ControlKind::Static, {12, 9, 333, 39}, false},
                {kList, ui::ControlKind::List, {12, 42, 246, 204}, true},
                {kUp, ui::ControlKind::Button, {258, 42, 333, 65}, true},
                {kDown, ui::ControlKind::Button, {258, 71, 333, 94}, true},
                {ui::kIdOk, ui::ControlKind::Button, {174, 218, 249, 241}, true},
                {ui::kIdCancel, ui::ControlKind::Button, {258, 218, 333, 241}, true},
            });
        profiles::ProfileStoreConfig config;
        config.kernel = &kernel;
        config.registry = &registry;
        config.appKey = std::u16string(apptest::kAppKey);
        profiles::ConfigureProfileStore(config);
    }

    // A stored profile with its order value, as the program leaves it.
    void Put(std::u16string_view name, int order) {
        std::u16string key = std::u16string(profiles::kProfileListKey) + u"\\" + std::u16string(name);
        registry.WriteString(platform::kHkeyLocalMachine, key, u"ConfigurationName", name);
        std::u16string number = (order < 10 ? u"0" : u"") + base::Widen(std::to_string(order));
        registry.WriteString(platform::kHkeyLocalMachine, profiles::kProfileListKey, number, name);
    }
    void PutDefaultAnd(std::initializer_list<std::u16string_view> others) {
        Put(u"Default", 0);
        int order = 1;
        for (std::u16string_view name : others) {
            Put(name, order++);
        }
    }
    // The order values as "number=profile", in the store's order.
    std::vector<std::u16string> Order() {
        std::vector<std::u16string> values;
        std::u16string name;
        platform::RegValue value;
        for (uint32_t i = 0; registry.EnumValue(platform::kHkeyLocalMachine, profiles::kProfileListKey, i,
                                                name, &value) == platform::kErrorSuccess;
             ++i) {
            values.push_back(name + u"=" + platform::RegDataToString(value.data));
        }
        return values;
    }
    std::vector<std::u16string> Listed(fakes::FakeHost& host) { return host.control(kList).items; }
    Buttons Offered(fakes::FakeHost& host) { return {host.IsEnabled(kUp), host.IsEnabled(kDown)}; }
    size_t StoreWrites() { return kernel.CountCalls(u"RegSet") + kernel.CountCalls(u"RegDelete"); }
};

} // namespace

TEST(PriorityRule, UpAndDownNeedAChosenEntryWithRoomToMove) {
    EXPECT_EQ(CProFileSettingProrityDlg::MoveButtonsFor(0, -1), (Buttons{false, false}));
    EXPECT_EQ(CProFileSettingProrityDlg::MoveButtonsFor(1, 0), (Buttons{false, false})) << "one entry";
    EXPECT_EQ(CProFileSettingProrityDlg::MoveButtonsFor(3, -1), (Buttons{false, false}))
        << "nothing chosen: Up would reach the default profile";
    EXPECT_EQ(CProFileSettingProrityDlg::MoveButtonsFor(3, 0), (Buttons{false, true}));
    EXPECT_EQ(CProFileSettingProrityDlg::MoveButtonsFor(3, 1), (Buttons{true, true}));
    EXPECT_EQ(CProFileSettingProrityDlg::MoveButtonsFor(3, 2), (Buttons{true, false}));
    EXPECT_EQ(CProFileSettingProrityDlg::MoveButtonsFor(3, 3), (Buttons{false, false})) << "past the end";
}

TEST_F(PriorityDialog, ListsTheStoredProfilesInOrderWithoutTheDefaultOne) {
    PutDefaultAnd({u"Office", u"Home", u"Cafe"});
    CProFileSettingProrityDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(host.Caption(), u"Profile Prority");
    EXPECT_EQ(host.GetText(IDC_STATIC_PROFILE_SETTING_PRIORITY_TEXT),
              u"Select the profile to change connection prority:");
    EXPECT_EQ(host.GetText(kUp), u"Up");
    EXPECT_EQ(host.GetText(kDown), u"Down");
    EXPECT_EQ(dialog.Count(), 4);
    EXPECT_EQ(Listed(host), (std::vector<std::u16string>{u"Office", u"Home", u"Cafe"}));
    EXPECT_EQ(Offered(host), (Buttons{false, false})) << "nothing chosen yet";
    host.SelectItem(kList, 0);
    EXPECT_EQ(Offered(host), (Buttons{false, true}));
    host.SelectItem(kList, 2);
    EXPECT_EQ(Offered(host), (Buttons{true, false}));
}

TEST_F(PriorityDialog, WithOnlyTheDefaultProfileThereIsNothingToMove) {
    PutDefaultAnd({});
    CProFileSettingProrityDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(dialog.Count(), 1);
    EXPECT_TRUE(Listed(host).empty());
    EXPECT_EQ(Offered(host), (Buttons{false, false}));
}

TEST_F(PriorityDialog, AMovedProfileStaysChosenAndTheFocusNeverRestsOnADisabledButton) {
    PutDefaultAnd({u"A", u"B", u"C"});
    CProFileSettingProrityDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    host.SelectItem(kList, 2);
    host.SetFocus(kUp);
    host.Click(kUp);
    EXPECT_EQ(Listed(host), (std::vector<std::u16string>{u"A", u"C", u"B"}));
    EXPECT_EQ(host.control(kList).selection, 1);
    EXPECT_EQ(Offered(host), (Buttons{true, true}));
    EXPECT_EQ(host.FocusedControl(), kUp);
    host.Click(kUp);
    EXPECT_EQ(Listed(host), (std::vector<std::u16string>{u"C", u"A", u"B"}));
    EXPECT_EQ(host.control(kList).selection, 0);
    EXPECT_EQ(Offered(host), (Buttons{false, true}));
    EXPECT_EQ(host.FocusedControl(), kList) << "Up turned itself off";
    host.SendCommand(kUp, ui::kClicked); // a click that reaches the dialog anyway
    EXPECT_EQ(Listed(host), (std::vector<std::u16string>{u"C", u"A", u"B"})) << "the default stays first";
    host.Click(kDown);
    host.Click(kDown);
    EXPECT_EQ(Listed(host), (std::vector<std::u16string>{u"A", u"B", u"C"}));
    EXPECT_EQ(host.control(kList).selection, 2);
    EXPECT_EQ(Offered(host), (Buttons{true, false}));
}

TEST_F(PriorityDialog, OkWritesTheNewOrderBehindTheDefaultProfile) {
    PutDefaultAnd({u"A", u"B", u"C"});
    CProFileSettingProrityDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    host.SelectItem(kList, 2);
    host.Click(kUp);
    host.Click(ui::kIdOk);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(Order(), (std::vector<std::u16string>{u"00=Default", u"01=A", u"02=C", u"03=B"}))
        << "C moved up once: one less than before";
    std::lock_guard lock(profiles::ProfileStoreMutex());
    ASSERT_EQ(profiles::LoadProfileTable(0), 4);
    EXPECT_EQ(base::FieldText(profiles::ProfileTable[2].ConfigurationName), u"C");
}

TEST_F(PriorityDialog, CancelWritesNothingEvenAfterSeveralMoves) {
    PutDefaultAnd({u"A", u"B", u"C"});
    std::vector<std::u16string> before = Order();
    CProFileSettingProrityDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    size_t writes = StoreWrites();
    host.SelectItem(kList, 2);
    host.Click(kUp);
    host.Click(kUp);
    host.Click(kDown);
    host.Click(ui::kIdCancel);
    EXPECT_EQ(host.result(), ui::kIdCancel);
    EXPECT_EQ(Order(), before);
    EXPECT_EQ(StoreWrites(), writes);

    CProFileSettingProrityDlg closed;
    fakes::FakeHost closeBox(closed);
    closeBox.Open();
    closeBox.SelectItem(kList, 1);
    closeBox.Click(kDown);
    closeBox.Deliver(ui::kWmClose);
    EXPECT_EQ(closeBox.result(), ui::kIdCancel);
    EXPECT_EQ(Order(), before);
}

// A store changed behind the program's back may lack the default profile: every stored profile is still
// listed, and OK orders exactly those, with no value for the empty slot.
TEST_F(PriorityDialog, WithoutAStoredDefaultProfileEveryProfileIsListedAndKept) {
    Put(u"A", 0);
    Put(u"B", 1);
    CProFileSettingProrityDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(dialog.Count(), 2);
    EXPECT_EQ(Listed(host), (std::vector<std::u16string>{u"A", u"B"}));
    host.SelectItem(kList, 1);
    host.Click(kUp);
    host.Click(ui::kIdOk);
    EXPECT_EQ(Order(), (std::vector<std::u16string>{u"00=B", u"01=A"}));
}

TEST_F(PriorityDialog, TextsFromTheLanguageFile) {
    disk.WriteLanguage("English", "[IDD_DIALOG_PROFILE_SETTING_PRIORITY]\n"
                                  "Title=Order\n"
                                  "IDC_STATIC_PROFILE_SETTING_PRIORITY_TEXT=Pick one\\nand move it\n"
                                  "IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP=&Higher\n"
                                  "IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN=&Lower\n"
                                  "IDOK=Fine\n"
                                  "IDCANCEL=Never\\nmind\n");
    SelectLanguage();
    CProFileSettingProrityDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(host.Caption(), u"Order");
    EXPECT_EQ(host.GetText(IDC_STATIC_PROFILE_SETTING_PRIORITY_TEXT), u"Pick one\nand move it");
    EXPECT_EQ(host.GetText(kUp), u"&Higher");
    EXPECT_EQ(host.GetText(kDown), u"&Lower");
    EXPECT_EQ(host.GetText(ui::kIdOk), u"Fine");
    EXPECT_EQ(host.GetText(ui::kIdCancel), u"Never mind");
}
