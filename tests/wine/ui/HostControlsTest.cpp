// Every Host call on a real control of its kind, read back through the host and, where it matters,
// straight from the window, so that a dialog tested on the fake host behaves the same on Windows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <richedit.h>

#include <string>

#include "HostControlsIds.h"
#include "ui/win32/DialogWindow.h"

namespace {

class Controls : public ui::Dialog {
public:
    Controls() : ui::Dialog(IDD_HOST_CONTROLS) {}
    void OnCommand(ui::ControlId id, int code) override {
        lastCommand = id;
        lastCode = code;
        ui::Dialog::OnCommand(id, code);
    }
    void OnNotify(ui::ControlId id, int code) override {
        if (code == ui::kItemChanged || code == ui::kTabSelChange || code == ui::kScroll) {
            lastNotify = id;
            lastNotifyCode = code;
        }
    }
    ui::Host& h() { return host(); }
    int lastCommand = 0;
    int lastCode = -1;
    int lastNotify = 0;
    int lastNotifyCode = 0;
};

class HostControlsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ui::win32::InitControls(); }
    void SetUp() override {
        m_hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), nullptr, m_dialog);
        ASSERT_NE(m_hwnd, nullptr) << "template " << IDD_HOST_CONTROLS << " not created: " << GetLastError();
        ShowWindow(m_hwnd, SW_SHOW);
    }
    void TearDown() override {
        if (IsWindow(m_hwnd)) {
            DestroyWindow(m_hwnd);
        }
    }
    ui::Host& host() { return m_dialog.h(); }

    Controls m_dialog;
    HWND m_hwnd = nullptr;
};

} // namespace

TEST_F(HostControlsTest, TextEnableShowCheckFocusAndLimits) {
    host().SetText(IDC_EDIT, u"Home Net");
    EXPECT_EQ(host().GetText(IDC_EDIT), u"Home Net");
    host().SetTextLimit(IDC_EDIT, 4);
    EXPECT_EQ(SendDlgItemMessageW(m_hwnd, IDC_EDIT, EM_GETLIMITTEXT, 0, 0), 4);
    host().Enable(IDC_EDIT, false);
    EXPECT_FALSE(host().IsEnabled(IDC_EDIT));
    host().Show(IDC_CHECK, false);
    EXPECT_FALSE(host().IsVisible(IDC_CHECK));
    host().Show(IDC_CHECK, true);
    host().SetCheck(IDC_CHECK, true);
    EXPECT_TRUE(host().IsChecked(IDC_CHECK));
    host().SetFocus(IDC_COMBO);
    EXPECT_EQ(host().FocusedControl(), IDC_COMBO);
    host().SetCaption(u"Caption set");
    EXPECT_EQ(host().Caption(), u"Caption set");
    EXPECT_TRUE(host().HasControl(IDC_RICH));
    EXPECT_FALSE(host().HasControl(4242));
}

TEST_F(HostControlsTest, ListAndComboBoxesShareOneRepertoire) {
    for (ui::ControlId id : {IDC_LIST, IDC_COMBO}) {
        host().ListReset(id);
        EXPECT_EQ(host().ListAdd(id, u"alpha"), 0);
        EXPECT_EQ(host().ListAdd(id, u"beta"), 1);
        EXPECT_EQ(host().ListCount(id), 2);
        EXPECT_EQ(host().ListItemText(id, 1), u"beta");
        EXPECT_EQ(host().ListSelection(id), -1);
        host().ListSelect(id, 1);
        EXPECT_EQ(host().ListSelection(id), 1);
        EXPECT_EQ(host().ListFind(id, u"alpha"), 0);
        EXPECT_EQ(host().ListFind(id, u"Alpha"), -1);
        EXPECT_EQ(host().ListItemText(id, 7), u"");
        host().ListReset(id);
        EXPECT_EQ(host().ListCount(id), 0);
    }
}

TEST_F(HostControlsTest, ReportListRowsCellsAndSelection) {
    host().ReportSetColumns(IDC_REPORT, {{u"Network Name (SSID)", 145}, {u"Channel", 60}, {u"Signal", 53}});
    HWND header = reinterpret_cast<HWND>(SendDlgItemMessageW(m_hwnd, IDC_REPORT, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageW(m_hwnd, IDC_REPORT, LVM_GETCOLUMNWIDTH, 1, 0), 60);
    EXPECT_EQ(host().ReportInsertRow(IDC_REPORT, 0, u"Home", -1), 0);
    EXPECT_EQ(host().ReportInsertRow(IDC_REPORT, 1, u"Office", -1), 1);
    EXPECT_EQ(host().ReportInsertRow(IDC_REPORT, 0, u"Cafe", -1), 0);
    host().ReportSetCell(IDC_REPORT, 2, 2, u"80%");
    EXPECT_EQ(host().ReportRowCount(IDC_REPORT), 3);
    EXPECT_EQ(host().ReportCell(IDC_REPORT, 0, 0), u"Cafe");
    EXPECT_EQ(host().ReportCell(IDC_REPORT, 2, 0), u"Office");
    EXPECT_EQ(host().ReportCell(IDC_REPORT, 2, 2), u"80%");
    host().ReportSelect(IDC_REPORT, 1);
    EXPECT_EQ(host().ReportSelection(IDC_REPORT), 1);
    EXPECT_EQ(m_dialog.lastNotify, IDC_REPORT) << "a selection change is reported to the dialog";
    host().ReportSelect(IDC_REPORT, -1);
    EXPECT_EQ(host().ReportSelection(IDC_REPORT), -1);
    host().ReportDeleteAll(IDC_REPORT);
    EXPECT_EQ(host().ReportRowCount(IDC_REPORT), 0);
}

TEST_F(HostControlsTest, TabsProgressAndSlider) {
    host().TabReset(IDC_TABS);
    for (const char16_t* caption : {u"Settings", u"Networks", u"Statistics", u"About"}) {
        host().TabAdd(IDC_TABS, caption);
    }
    EXPECT_EQ(host().TabCount(IDC_TABS), 4);
    host().TabSelect(IDC_TABS, 2);
    EXPECT_EQ(host().TabSelection(IDC_TABS), 2);

    host().SetRange(IDC_PROGRESS, 0, 1200);
    host().SetPos(IDC_PROGRESS, 600);
    EXPECT_EQ(host().GetPos(IDC_PROGRESS), 600);
    EXPECT_EQ(SendDlgItemMessageW(m_hwnd, IDC_PROGRESS, PBM_GETRANGE, FALSE, 0), 1200);

    host().SetRange(IDC_SLIDER, 0, 4);
    host().SetPos(IDC_SLIDER, 3);
    EXPECT_EQ(host().GetPos(IDC_SLIDER), 3);
    host().SetPos(IDC_SLIDER, 9);
    EXPECT_EQ(host().GetPos(IDC_SLIDER), 4) << "a slider keeps its position in range";
}

TEST_F(HostControlsTest, RichTextStreamsInRtf) {
    std::string rtf = "{\\rtf1\\ansi {\\b Help} for the Networks tab.\\par Second line.}";
    ASSERT_TRUE(host().StreamRichText(IDC_RICH, std::vector<uint8_t>(rtf.begin(), rtf.end())));
    std::u16string text = host().GetText(IDC_RICH);
    EXPECT_NE(text.find(u"Help for the Networks tab."), std::u16string::npos);
    EXPECT_NE(text.find(u"Second line."), std::u16string::npos);
    EXPECT_EQ(text.find(u"rtf1"), std::u16string::npos) << "the markup was shown as text";
}

TEST_F(HostControlsTest, ButtonClicksArriveAsCommandsAndModelessEndDestroysTheWindow) {
    SendDlgItemMessageW(m_hwnd, IDC_CHECK, BM_CLICK, 0, 0);
    EXPECT_EQ(m_dialog.lastCommand, IDC_CHECK);
    EXPECT_EQ(m_dialog.lastCode, ui::kClicked);
    SendDlgItemMessageW(m_hwnd, IDOK, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(m_hwnd));
    EXPECT_FALSE(m_dialog.IsOpen()) << "the dialog was not told its window went";
}
