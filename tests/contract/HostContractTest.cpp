// One contract, two hosts: this source runs natively against the fake host and under Wine against the
// Win32 host. A dialog tested on the fake host behaves the same on Windows only while both pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ContractIds.h"
#include "Harness.h"
#include "ui/Messages.h"

namespace {

constexpr uint32_t kMsgProbe = 0x8123;

// A page that logs its life into the log of the dialog that holds it.
class Page : public ui::Dialog {
public:
    Page(std::vector<std::string>& log, std::string name, bool takesKeys)
        : ui::Dialog(IDD_CONTRACT_PAGE), m_log(log), m_name(std::move(name)), m_takesKeys(takesKeys) {}
    bool OnInit() override {
        m_log.push_back(m_name + " init");
        return true;
    }
    bool OnMenuKey(char16_t key) override {
        m_log.push_back(m_name + " key " + static_cast<char>(key));
        return m_takesKeys;
    }
    void OnDestroy() override { m_log.push_back(m_name + " destroy"); }
    ui::Rect Place() { return host().WindowRect(); }
    bool Visible() { return host().IsWindowVisible(); }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
    bool m_takesKeys;
};

class Probe : public ui::Dialog {
public:
    Probe() : ui::Dialog(IDD_CONTRACT) {}

    bool OnInit() override {
        log.push_back("init begin");
        if (withPages) {
            host().Tab(IDC_C_TABS).Add(u"One");
            host().Tab(IDC_C_TABS).Add(u"Two");
            pagesCreated = host().CreatePage(first, IDC_C_TABS) && host().CreatePage(second, IDC_C_TABS);
            host().ShowPage(first, true);
        }
        log.push_back("init end");
        if (focusCombo) {
            host().SetFocus(IDC_C_COMBO);
            return false;
        }
        return true;
    }
    void OnCommand(ui::ControlId id, int code) override {
        if (id == IDC_C_EDIT && code == ui::kEditChange) {
            log.push_back("edit changed to " + std::to_string(host().GetText(IDC_C_EDIT).size()));
        }
        if (id == IDC_C_NAME_COMBO) {
            log.push_back("name combo " + std::to_string(code));
        }
        if (id == IDC_C_FILL && code == ui::kClicked) {
            log.push_back("fill begin");
            host().SetText(IDC_C_EDIT, u"Home");
            host().Report(IDC_C_REPORT).Select(1);
            log.push_back("fill end");
            return;
        }
        if (id == IDC_C_END && code == ui::kClicked) {
            host().EndDialog(5);
            // Still this dialog's window until the handler returns.
            host().SetText(IDC_C_LABEL, u"ending");
            labelWhileEnding = host().GetText(IDC_C_LABEL);
            return;
        }
        if (id == ui::kIdCancel && code == ui::kClicked) {
            log.push_back("cancel");
        }
        ui::Dialog::OnCommand(id, code);
    }
    intptr_t OnNotify(const ui::Notify& n) override {
        if (n.id == IDC_C_REPORT && n.code == ui::kItemChanged && (n.newState & ui::kStateSelected) != 0) {
            log.push_back("row " + std::to_string(n.item) + " selected");
        }
        if (n.id == IDC_C_REPORT && n.code == ui::kItemChanging && vetoRows) {
            return 1;
        }
        if (n.id == IDC_C_TABS && n.code == ui::kTabSelChanging) {
            log.push_back("tab changing");
            return vetoTabs ? 1 : 0;
        }
        if (n.id == IDC_C_TABS && n.code == ui::kTabSelChange) {
            log.push_back("tab " + std::to_string(host().Tab(IDC_C_TABS).Selection()));
        }
        return 0;
    }
    bool OnMenuKey(char16_t key) override {
        log.push_back(std::string("dialog key ") + static_cast<char>(key));
        return true;
    }
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t, intptr_t&) override {
        if (message == kMsgProbe) {
            received.push_back(static_cast<int>(wParam));
            return true;
        }
        return false;
    }
    void OnDestroy() override {
        log.push_back("destroy");
        ++destroyed;
    }

    std::vector<std::string> log;
    std::vector<int> received;
    std::u16string labelWhileEnding;
    bool withPages = false;
    bool pagesCreated = false;
    bool focusCombo = false;
    bool vetoRows = false;
    bool vetoTabs = false;
    int destroyed = 0;
    Page first{log, "first", false};
    Page second{log, "second", true};
};

class HostContract : public testing::Test {
protected:
    void SetUp() override { m_harness = contract::MakeHarness(); }
    void TearDown() override {
        if (m_harness->IsAlive(m_probe)) {
            m_harness->Destroy(m_probe);
        }
    }
    void Open() { ASSERT_TRUE(m_harness->Open(m_probe)) << "the contract dialog was not created"; }
    ui::Host& host() { return m_probe.host(); }

    std::unique_ptr<contract::Harness> m_harness;
    Probe m_probe;
};

std::string Joined(const std::vector<std::string>& log) {
    std::string all;
    for (const auto& line : log) {
        all += line + "; ";
    }
    return all;
}

} // namespace

TEST_F(HostContract, FocusGoesToTheFirstTabStopUnlessInitChoseOne) {
    Open();
    EXPECT_EQ(host().FocusedControl(), IDC_C_EDIT) << "the label before it takes no focus";
    m_harness->Destroy(m_probe);

    Probe chooser;
    chooser.focusCombo = true;
    ASSERT_TRUE(m_harness->Open(chooser));
    EXPECT_EQ(chooser.host().FocusedControl(), IDC_C_COMBO);
    m_harness->Destroy(chooser);
}

TEST_F(HostContract, SettingTextAndSelectingRowsCallBackDuringTheHandler) {
    Open();
    host().Report(IDC_C_REPORT).SetColumns({{u"Name", 80}});
    host().Report(IDC_C_REPORT).InsertRow(0, u"Cafe", -1);
    host().Report(IDC_C_REPORT).InsertRow(1, u"Home", -1);
    m_probe.log.clear();
    m_harness->Click(m_probe, IDC_C_FILL);
    std::vector<std::string> expected{"fill begin", "edit changed to 4", "row 1 selected", "fill end"};
    EXPECT_EQ(m_probe.log, expected) << Joined(m_probe.log);
    EXPECT_EQ(host().Report(IDC_C_REPORT).Selection(), 1);
}

TEST_F(HostContract, ModelessEndInsideAHandlerWaitsForTheHandlerToReturn) {
    Open();
    m_harness->Click(m_probe, IDC_C_END);
    EXPECT_EQ(m_probe.labelWhileEnding, u"ending") << "the host went away inside the handler";
    EXPECT_FALSE(m_harness->IsAlive(m_probe));
    EXPECT_FALSE(m_probe.IsOpen());
    EXPECT_EQ(m_probe.destroyed, 1);
}

TEST_F(HostContract, PagesAreCreatedInsideInitPlacedInTheTabAndDestroyedAfterTheirDialog) {
    m_probe.withPages = true;
    Open();
    ASSERT_TRUE(m_probe.pagesCreated);
    std::vector<std::string> expected{"init begin", "first init", "second init", "init end"};
    EXPECT_EQ(m_probe.log, expected) << Joined(m_probe.log);

    ui::Rect area = host().Tab(IDC_C_TABS).DisplayArea();
    ui::Rect tabs = host().Tab(IDC_C_TABS).GetRect();
    EXPECT_TRUE(tabs.Contains(area));
    EXPECT_GT(area.top, tabs.top) << "the page would cover the tabs";
    EXPECT_EQ(m_probe.first.Place(), area) << "pages are placed in the parent's client coordinates";
    EXPECT_EQ(m_probe.second.Place(), area);
    EXPECT_TRUE(m_probe.first.Visible());
    EXPECT_FALSE(m_probe.second.Visible()) << "a page stays hidden until shown";
    host().ShowPage(m_probe.first, false);
    host().ShowPage(m_probe.second, true);
    EXPECT_FALSE(m_probe.first.Visible());
    EXPECT_TRUE(m_probe.second.Visible());

    m_probe.log.clear();
    m_harness->Destroy(m_probe);
    ASSERT_GE(m_probe.log.size(), 3u) << Joined(m_probe.log);
    EXPECT_EQ(m_probe.log[0], "destroy") << Joined(m_probe.log);
    EXPECT_FALSE(m_probe.first.IsOpen());
    EXPECT_FALSE(m_probe.second.IsOpen());
}

TEST_F(HostContract, AltLettersAPageLeavesGoToItsDialog) {
    m_probe.withPages = true;
    Open();
    m_probe.log.clear();
    m_harness->MenuKey(m_probe.second, u's');
    m_harness->MenuKey(m_probe.first, u'n');
    m_harness->Pump();
    std::vector<std::string> expected{"second key s", "first key n", "dialog key n"};
    EXPECT_EQ(m_probe.log, expected) << Joined(m_probe.log);
}

TEST_F(HostContract, NotifyAnswersReachTheControl) {
    Open();
    auto& report = host().Report(IDC_C_REPORT);
    report.SetColumns({{u"Name", 80}});
    report.InsertRow(0, u"Cafe", -1);
    m_probe.vetoRows = true;
    report.Select(0);
    EXPECT_EQ(report.Selection(), -1) << "a vetoed row change went through";
    m_probe.vetoRows = false;
    report.Select(0);
    EXPECT_EQ(report.Selection(), 0);

    host().Tab(IDC_C_TABS).Add(u"One");
    host().Tab(IDC_C_TABS).Add(u"Two");
    host().Tab(IDC_C_TABS).Select(0);
    m_probe.log.clear();
    m_probe.vetoTabs = true;
    m_harness->ClickTab(m_probe, IDC_C_TABS, 1);
    EXPECT_EQ(host().Tab(IDC_C_TABS).Selection(), 0) << Joined(m_probe.log);
    m_probe.vetoTabs = false;
    m_harness->ClickTab(m_probe, IDC_C_TABS, 1);
    EXPECT_EQ(host().Tab(IDC_C_TABS).Selection(), 1);
    std::vector<std::string> expected{"tab changing", "tab changing", "tab 1"};
    EXPECT_EQ(m_probe.log, expected) << Joined(m_probe.log);
}

// One column at a time carries the header's sort arrow, also where the program draws the header; new
// columns start without one.
TEST_F(HostContract, TheHeaderShowsOneSortArrow) {
    Open();
    auto& report = host().Report(IDC_C_REPORT);
    report.SetColumns({{u"Name", 80}, {u"Security", 60}, {u"Signal", 50}});
    report.SetSortArrow(1, ui::SortArrow::Up);
    EXPECT_EQ(report.SortArrowOf(1), ui::SortArrow::Up);
    EXPECT_EQ(report.SortArrowOf(0), ui::SortArrow::None);
    report.SetSortArrow(2, ui::SortArrow::Down);
    EXPECT_EQ(report.SortArrowOf(2), ui::SortArrow::Down);
    EXPECT_EQ(report.SortArrowOf(1), ui::SortArrow::None) << "the old column kept its arrow";
    report.SetHeaderColors(0xFFFFFF, 0x7A401C);
    report.SetSortArrow(0, ui::SortArrow::Up);
    EXPECT_EQ(report.SortArrowOf(0), ui::SortArrow::Up);
    EXPECT_EQ(report.SortArrowOf(2), ui::SortArrow::None);
    report.SetSortArrow(-1, ui::SortArrow::Up);
    EXPECT_EQ(report.SortArrowOf(0), ui::SortArrow::None);
    report.SetSortArrow(1, ui::SortArrow::Down);
    report.SetColumns({{u"Name", 80}, {u"Signal", 50}});
    EXPECT_EQ(report.SortArrowOf(1), ui::SortArrow::None);
    EXPECT_EQ(report.SortArrowOf(5), ui::SortArrow::None);
}

TEST_F(HostContract, PostsArriveInOrderAndPostingToAGoneWindowDoesNothing) {
    Open();
    ui::Poster poster = host().MakePoster();
    EXPECT_TRUE(poster.Post(kMsgProbe, 1));
    host().PostToSelf(kMsgProbe, 2, 0);
    EXPECT_TRUE(poster.Post(kMsgProbe, 3));
    m_harness->Pump();
    EXPECT_EQ(m_probe.received, (std::vector<int>{1, 2, 3}));

    m_harness->Destroy(m_probe);
    EXPECT_FALSE(poster.IsOpen());
    EXPECT_FALSE(poster.Post(kMsgProbe, 4));
    m_harness->Pump();
    EXPECT_EQ(m_probe.received.size(), 3u);
    EXPECT_FALSE(ui::Poster().Post(kMsgProbe, 5)) << "an empty poster reaches nothing";
}

TEST_F(HostContract, TheCloseBoxCancels) {
    Open();
    m_harness->CloseBox(m_probe);
    m_harness->Pump();
    EXPECT_NE(Joined(m_probe.log).find("cancel"), std::string::npos) << Joined(m_probe.log);
    EXPECT_FALSE(m_harness->IsAlive(m_probe));
}

// The edit part of a combo box the user types into: setting its text is not typing, its caret can be
// placed and read back, and choosing no entry empties it.
TEST_F(HostContract, AnEditableComboBoxKeepsItsTextAndCaret) {
    Open();
    auto& combo = host().Combo(IDC_C_NAME_COMBO);
    combo.Add(u"Home");
    combo.Add(u"Office");
    combo.SetEditLimit(8);
    m_probe.log.clear();
    host().SetText(IDC_C_NAME_COMBO, u"Cafe Guest");
    EXPECT_EQ(host().GetText(IDC_C_NAME_COMBO), u"Cafe Guest") << "the limit holds only for typing";
    combo.SetEditSelection(2, 2);
    EXPECT_EQ(combo.EditCaret(), 2);
    combo.Select(1);
    EXPECT_EQ(host().GetText(IDC_C_NAME_COMBO), u"Office");
    combo.Select(-1);
    EXPECT_EQ(host().GetText(IDC_C_NAME_COMBO), u"");
    EXPECT_EQ(Joined(m_probe.log).find("name combo 5"), std::string::npos) << Joined(m_probe.log);
}

TEST_F(HostContract, EveryKindKeepsWhatItIsGiven) {
    Open();
    std::u16string huge(100000, u'x');
    host().SetText(IDC_C_EDIT, huge);
    EXPECT_EQ(host().GetText(IDC_C_EDIT).size(), huge.size()) << "the framework cut a long text";
    host().Edit(IDC_C_EDIT).SetLimit(4);
    EXPECT_EQ(host().Edit(IDC_C_EDIT).Limit(), 4);
    host().Edit(IDC_C_EDIT).SetPasswordChar(u'*');
    EXPECT_EQ(host().Edit(IDC_C_EDIT).PasswordChar(), u'*');

    for (ui::ListControl* list :
         {static_cast<ui::ListControl*>(&host().Combo(IDC_C_COMBO)), &host().List(IDC_C_LIST)}) {
        list->Reset();
        EXPECT_EQ(list->Add(u"alpha"), 0);
        EXPECT_EQ(list->Add(u"beta"), 1);
        list->SetItemData(1, 77);
        EXPECT_EQ(list->ItemData(1), 77);
        EXPECT_EQ(list->Count(), 2);
        EXPECT_EQ(list->ItemText(1), u"beta");
        EXPECT_EQ(list->ItemText(7), u"");
        EXPECT_EQ(list->Selection(), -1);
        list->Select(1);
        EXPECT_EQ(list->Selection(), 1);
        EXPECT_EQ(list->Find(u"alpha"), 0);
        EXPECT_EQ(list->Find(u"Alpha"), -1);
    }

    host().Button(IDC_C_CHECK).SetCheck(true);
    EXPECT_TRUE(host().Button(IDC_C_CHECK).IsChecked());
    host().Enable(IDC_C_CHECK, false);
    EXPECT_FALSE(host().IsEnabled(IDC_C_CHECK));
    host().Show(IDC_C_CHECK, false);
    EXPECT_FALSE(host().IsVisible(IDC_C_CHECK));

    auto& report = host().Report(IDC_C_REPORT);
    report.SetColumns({{u"Network Name (SSID)", 145}, {u"Channel", 60}, {u"Signal", 53}});
    EXPECT_EQ(report.ColumnCount(), 3);
    EXPECT_EQ(report.ColumnWidth(1), 60);
    EXPECT_EQ(report.InsertRow(0, u"Home", -1), 0);
    EXPECT_EQ(report.InsertRow(1, u"Office", -1), 1);
    EXPECT_EQ(report.InsertRow(0, u"Cafe", -1), 0);
    std::u16string longCell(3000, u'c');
    report.SetCell(2, 2, longCell);
    EXPECT_EQ(report.Cell(0, 0), u"Cafe");
    EXPECT_EQ(report.Cell(2, 0), u"Office");
    EXPECT_EQ(report.Cell(2, 2), longCell) << "a long cell was cut";
    report.DeleteRow(0);
    EXPECT_EQ(report.RowCount(), 2);
    report.DeleteAll();
    EXPECT_EQ(report.RowCount(), 0);

    auto& tabs = host().Tab(IDC_C_TABS);
    for (const char16_t* caption : {u"Settings", u"Networks", u"Statistics", u"About"}) {
        tabs.Add(caption);
    }
    EXPECT_EQ(tabs.Count(), 4);
    EXPECT_EQ(tabs.ItemText(2), u"Statistics");
    tabs.Select(2);
    EXPECT_EQ(tabs.Selection(), 2);

    host().Progress(IDC_C_PROGRESS).SetRange(0, 1200);
    host().Progress(IDC_C_PROGRESS).SetPos(600);
    EXPECT_EQ(host().Progress(IDC_C_PROGRESS).Pos(), 600);
    EXPECT_EQ(host().Progress(IDC_C_PROGRESS).RangeMax(), 1200);
    host().Slider(IDC_C_SLIDER).SetRange(0, 4);
    host().Slider(IDC_C_SLIDER).SetPos(9);
    EXPECT_EQ(host().Slider(IDC_C_SLIDER).Pos(), 4) << "a slider keeps its position in range";

    std::string rtf = "{\\rtf1\\ansi {\\b Help} for the tab.}";
    EXPECT_TRUE(host().RichText(IDC_C_RICH).StreamRtf(std::vector<uint8_t>(rtf.begin(), rtf.end())));
}

TEST_F(HostContract, ACanvasShowsItsPictureAndReadsAsItsTexts) {
    Open();
    auto& canvas = host().Canvas(IDC_C_CANVAS);
    ASSERT_TRUE(canvas.Exists());
    EXPECT_EQ(canvas.CurrentPicture(), ui::Picture{}) << "a new canvas shows something";

    ui::Picture picture;
    picture.width = 392;
    picture.height = 60;
    picture.background = ui::Rgb(255, 255, 255);
    picture.Fill({0, 0, 392, 20}, ui::Rgb(230, 230, 230))
        .Text({4, 0, 200, 20}, u"Home & Office", {u"Arial", 9, true, false})
        .Icon({204, 4, 216, 16}, 145) // not among this program's resources: nothing is drawn
        .Text({4, 20, 388, 40}, u"", {})
        .Line({0, 40}, {392, 40}, ui::Rgb(0, 0, 0), 2)
        .Text({4, 40, 388, 60}, std::u16string(300, u'w') + u" 54 Mbps", {}, ui::kDefaultColor,
              ui::Align::Right);
    canvas.SetPicture(picture);
    m_harness->Pump(); // paints it
    EXPECT_EQ(canvas.CurrentPicture(), picture);
    EXPECT_EQ(host().GetText(IDC_C_CANVAS), u"Home & Office\n" + std::u16string(300, u'w') + u" 54 Mbps")
        << "the text lists what is shown, an empty text left out, a text cut on the screen kept whole";

    ui::Picture next;
    next.Text({0, 0, 392, 60}, u"Scanning...", {}, ui::kDefaultColor, ui::Align::Center);
    canvas.SetPicture(next);
    m_harness->Pump();
    EXPECT_EQ(canvas.CurrentPicture(), next) << "a new picture replaces the old one";
    EXPECT_EQ(host().GetText(IDC_C_CANVAS), u"Scanning...");
}

// Both hosts offer window opacity (the fake unless a test says the system lacks it; Windows and Wine
// through the function looked up by name) and take every level from clear to opaque, more than once.
TEST_F(HostContract, OpacityIsOfferedAndTakenAtEveryLevel) {
    Open();
    for (uint8_t alpha : {uint8_t{31}, uint8_t{0}, uint8_t{255}, uint8_t{127}, uint8_t{255}}) {
        EXPECT_TRUE(host().SetOpacity(alpha)) << "alpha " << int{alpha};
    }
}

TEST_F(HostContract, AControlTheTemplateLacksIsADoNothingHandle) {
    Open();
    EXPECT_TRUE(host().HasControl(IDC_C_EDIT));
    EXPECT_FALSE(host().HasControl(4242));
    EXPECT_TRUE(host().Item(IDC_C_EDIT).Exists());
}
