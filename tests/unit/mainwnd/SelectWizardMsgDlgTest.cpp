// The select-utility question on the fake host: its texts for each Windows, what OK writes and tells
// the service library for each answer and system, the settling wait before it closes, and the closing
// as Cancel, with nothing written, when the adapter goes away.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "mainwnd/CSelectWizardMsgDlg.h"
#include "res/MainWndIds.h"
#include "ui/Messages.h"
#include "unit/app/AppTestSupport.h"

namespace {

using System = CSelectWizardMsgDlg::System;

void RegisterSelectWizardTemplate() {
    fakes::RegisterTemplate(
        IDD_DIALOG_MESSAGE_SELECT_WIZARD,
        {
            {IDC_STATIC_SELECTWIZARD, ui::ControlKind::Static, {18, 16, 402, 65}, false},
            {IDC_RADIO_SELECTWIZARD_USERUI, ui::ControlKind::Button, {30, 75, 402, 94}, true},
            {IDC_RADIO_SELECTWIZARD_ZERO, ui::ControlKind::Button, {30, 101, 402, 133}, false},
            {IDC_CHECK_SELECTWIZARD_MESSAGE, ui::ControlKind::Button, {18, 159, 402, 179}, true},
            {ui::kIdOk, ui::ControlKind::Button, {171, 198, 249, 224}, true},
        });
}

void SetSystem(System system) {
    OsClass = system == System::Xp ? kOsXp : kOsVista64;
    g_bWindows7 = system == System::Seven;
}

const char* Name(System system) {
    switch (system) {
    case System::Xp:
        return "XP";
    case System::Vista:
        return "Vista";
    case System::Seven:
        return "7";
    }
    return "?";
}

class SelectWizard : public apptest::AppTest {
protected:
    SelectWizard() {
        RegisterSelectWizardTemplate();
        DevicePresent = true;
        Store(u"DisplaySelectUtility", u"1");
    }

    // The auto radio buttons check themselves; the fake host leaves that to the test.
    static void ChooseSystem(fakes::FakeHost& host) {
        host.control(IDC_RADIO_SELECTWIZARD_USERUI).checked = false;
        host.control(IDC_RADIO_SELECTWIZARD_ZERO).checked = true;
        host.Click(IDC_RADIO_SELECTWIZARD_ZERO);
    }
    // OK, then the settling wait: returns the wait the dialog asked for.
    static uint32_t ConfirmAndClose(fakes::FakeHost& host) {
        host.Click(ui::kIdOk);
        EXPECT_FALSE(host.ended()) << "closes only after the settling wait";
        uint32_t wait = host.TimerInterval(CSelectWizardMsgDlg::kTimerClose);
        host.FireTimer(CSelectWizardMsgDlg::kTimerClose);
        EXPECT_TRUE(host.ended());
        EXPECT_EQ(host.result(), ui::kIdOk);
        return wait;
    }
    std::vector<std::u16string> LibraryCalls() { return kernel.Calls(); }
    bool Called(std::u16string_view line) {
        auto calls = kernel.Calls();
        return std::find(calls.begin(), calls.end(), line) != calls.end();
    }
};

} // namespace

TEST_F(SelectWizard, EnglishTextsNameTheRunningSystemsService) {
    struct Case {
        System system;
        std::u16string explanation;
        std::u16string radio;
    } cases[] = {
        {System::Xp,
         u"Both the Orvelin product and Microsoft Window XP include software you can use to manage your "
         u"wireless "
         u"connections. You must choose one or the other.",
         u"Microsoft Windows XP Wireless Zero  Configuration (refer to the Microsoft documentantion for "
         u"help)"},
        {System::Vista,
         u"Both the Orvelin product and Microsoft Window Vista include software you can use to manage your "
         u"wireless connections. You must choose one or the other.",
         u"Microsoft Windows Vista WLAN AutoConfig (refer to the Microsoft documentantion for help)"},
        {System::Seven,
         u"Both the Orvelin product and Microsoft Window 7 include software you can use to manage your "
         u"wireless "
         u"connections. You must choose one or the other.",
         u"Microsoft Windows 7 WLAN AutoConfig (refer to the Microsoft documentantion for help)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Name(c.system));
        SetSystem(c.system);
        EXPECT_EQ(CSelectWizardMsgDlg::CurrentSystem(), c.system);
        CSelectWizardMsgDlg dialog;
        fakes::FakeHost host(dialog);
        host.Open();
        EXPECT_EQ(host.Caption(), u"Orvelin Wireless Adapter");
        EXPECT_EQ(host.GetText(IDC_STATIC_SELECTWIZARD), c.explanation);
        EXPECT_EQ(host.GetText(IDC_RADIO_SELECTWIZARD_USERUI), u"Orvelin Link Warden (recommended)");
        EXPECT_EQ(host.GetText(IDC_RADIO_SELECTWIZARD_ZERO), c.radio);
        EXPECT_EQ(host.GetText(IDC_CHECK_SELECTWIZARD_MESSAGE), u"Don't show this message again");
        EXPECT_EQ(host.GetText(ui::kIdOk), u"&OK");
        EXPECT_TRUE(host.control(IDC_RADIO_SELECTWIZARD_USERUI).checked) << "the utility is the default";
        EXPECT_FALSE(host.control(IDC_RADIO_SELECTWIZARD_ZERO).checked);
        EXPECT_FALSE(host.control(IDC_CHECK_SELECTWIZARD_MESSAGE).checked);
    }
    // 32-bit Vista is Vista too; Windows 2000 gets the XP texts.
    OsClass = kOsVista;
    g_bWindows7 = false;
    EXPECT_EQ(CSelectWizardMsgDlg::CurrentSystem(), System::Vista);
    OsClass = kOs2000;
    EXPECT_EQ(CSelectWizardMsgDlg::CurrentSystem(), System::Xp);
}

TEST_F(SelectWizard, LanguageFileTextsAreLookedUpUnderEachSystemsOwnKeys) {
    disk.WriteLanguage("English", "[IDD_DIALOG_MESSAGE_SELECT_WIZARD]\n"
                                  "IDD_DIALOG_MESSAGE_SELECT_WIZARD=Adapter\n"
                                  "IDC_STATIC_SELECTWIZARD=xp\\ntext\n"
                                  "IDC_STATIC_SELECTWIZARD_VISTA=vista\\ntext\n"
                                  "IDC_STATIC_SELECTWIZARD_WIN7=seven\\ntext\n"
                                  "IDC_RADIO_SELECTWIZARD_ZERO=zero\\nconfig\n"
                                  "IDC_RADIO_SELECTWIZARD_ZERO_VISTA=wlan vista\n"
                                  "IDC_RADIO_SELECTWIZARD_ZERO_WIN7=wlan seven\n"
                                  "IDC_CHECK_SELECTWIZARD_MESSAGE=Never\\nagain\n");
    SelectLanguage();
    struct Case {
        System system;
        std::u16string explanation;
        std::u16string radio;
    } cases[] = {
        {System::Xp, u"xp\ntext", u"zero config"},
        {System::Vista, u"vista\ntext", u"wlan vista"},
        {System::Seven, u"seven\ntext", u"wlan seven"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Name(c.system));
        SetSystem(c.system);
        CSelectWizardMsgDlg dialog;
        fakes::FakeHost host(dialog);
        host.Open();
        EXPECT_EQ(host.Caption(), u"Adapter");
        EXPECT_EQ(host.GetText(IDC_STATIC_SELECTWIZARD), c.explanation) << "the explanation may run to lines";
        EXPECT_EQ(host.GetText(IDC_RADIO_SELECTWIZARD_ZERO), c.radio) << "a button label stays one line";
        EXPECT_EQ(host.GetText(IDC_CHECK_SELECTWIZARD_MESSAGE), u"Never again");
    }
}

TEST_F(SelectWizard, WhiteTextsOnADarkWindow) {
    CSelectWizardMsgDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    const ui::Color white = ui::Rgb(255, 255, 255);
    for (ui::ControlId id : {IDC_STATIC_SELECTWIZARD, IDC_RADIO_SELECTWIZARD_USERUI,
                             IDC_RADIO_SELECTWIZARD_ZERO, IDC_CHECK_SELECTWIZARD_MESSAGE}) {
        EXPECT_EQ(host.control(id).textColor, white) << "control " << id;
    }
    ui::Color back = host.backgroundColor();
    ASSERT_NE(back, ui::kDefaultColor);
    int brightness = static_cast<int>((back & 0xFF) + ((back >> 8) & 0xFF) + ((back >> 16) & 0xFF));
    EXPECT_LT(brightness, 3 * 110) << "white text must stay legible on it";
}

TEST_F(SelectWizard, ChoosingTheUtilityOnXpStopsZeroConfigurationAndWaitsForIt) {
    SetSystem(System::Xp);
    g_bZeroConfig = true;
    CSelectWizardMsgDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(ConfirmAndClose(host), 750u) << "500 ms for the service to let go, then 250 ms";
    EXPECT_TRUE(dialog.m_utilityChosen);
    EXPECT_FALSE(g_bZeroConfig) << "the utility manages the adapter from now on";
    EXPECT_EQ(Stored(u"DisplaySelectUtility"), u"1");
    EXPECT_TRUE(Called(u"ZeroConfigControl 0"));
    EXPECT_FALSE(Called(u"ZeroConfigControl 1"));
    EXPECT_NE(Stored(u"AutoConfiguration"), u"4") << "on XP the library's state decides, not this value";
}

TEST_F(SelectWizard, ChoosingTheUtilityOnXpWithoutZeroConfigurationTellsTheLibraryNothing) {
    SetSystem(System::Xp);
    g_bZeroConfig = false;
    CSelectWizardMsgDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    EXPECT_EQ(ConfirmAndClose(host), 250u);
    EXPECT_TRUE(dialog.m_utilityChosen);
    EXPECT_FALSE(g_bZeroConfig);
    EXPECT_EQ(kernel.CountCalls(u"ZeroConfigControl"), 0u);
}

TEST_F(SelectWizard, ChoosingTheSystemOnXpHandsTheAdapterBackOnlyWhenZeroConfigurationLetItGo) {
    for (bool zeroConfigManages : {false, true}) {
        SCOPED_TRACE(zeroConfigManages ? "zero configuration manages" : "the utility manages");
        SetSystem(System::Xp);
        g_bZeroConfig = zeroConfigManages;
        kernel.ClearCalls();
        CSelectWizardMsgDlg dialog;
        fakes::FakeHost host(dialog);
        host.Open();
        ChooseSystem(host);
        EXPECT_EQ(ConfirmAndClose(host), 250u);
        EXPECT_FALSE(dialog.m_utilityChosen);
        EXPECT_TRUE(g_bZeroConfig);
        EXPECT_EQ(kernel.CountCalls(u"ZeroConfigControl 1"), zeroConfigManages ? 0u : 1u);
        EXPECT_EQ(kernel.CountCalls(u"ZeroConfigControl 0"), 0u);
    }
}

TEST_F(SelectWizard, OnVistaAndSevenTheAnswerIsStoredAsTheAutoConfigurationSetting) {
    for (System system : {System::Vista, System::Seven}) {
        for (bool utility : {true, false}) {
            SCOPED_TRACE(std::string(Name(system)) + (utility ? ", utility" : ", system"));
            SetSystem(system);
            Store(u"AutoConfiguration", u"0");
            kernel.ClearCalls();
            CSelectWizardMsgDlg dialog;
            fakes::FakeHost host(dialog);
            host.Open();
            if (!utility) {
                ChooseSystem(host);
            }
            EXPECT_EQ(ConfirmAndClose(host), 250u);
            EXPECT_EQ(Stored(u"AutoConfiguration"), utility ? u"4" : u"2");
            EXPECT_EQ(dialog.m_utilityChosen, utility);
            EXPECT_EQ(g_bZeroConfig, !utility);
            EXPECT_EQ(kernel.CountCalls(u"ZeroConfigControl"), 0u);
        }
    }
}

TEST_F(SelectWizard, DontShowAgainIsStoredAsZeroAndOtherwiseAsOne) {
    for (bool tick : {true, false}) {
        SCOPED_TRACE(tick ? "ticked" : "not ticked");
        SetSystem(System::Seven);
        Store(u"DisplaySelectUtility", u"x");
        CSelectWizardMsgDlg dialog;
        fakes::FakeHost host(dialog);
        host.Open();
        host.control(IDC_CHECK_SELECTWIZARD_MESSAGE).checked = tick;
        host.Click(IDC_CHECK_SELECTWIZARD_MESSAGE);
        ConfirmAndClose(host);
        EXPECT_EQ(Stored(u"DisplaySelectUtility"), tick ? u"0" : u"1");
    }
}

TEST_F(SelectWizard, TheAdapterLeavingClosesAsCancelAndWritesNothing) {
    SetSystem(System::Xp);
    g_bZeroConfig = true;
    CSelectWizardMsgDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    ASSERT_TRUE(host.TimerRunning(CSelectWizardMsgDlg::kTimerDevice));
    EXPECT_EQ(host.TimerInterval(CSelectWizardMsgDlg::kTimerDevice), 1000u);
    EXPECT_EQ(CSelectWizardMsgDlg::kTimerDevice, 1);
    ChooseSystem(host);
    host.control(IDC_CHECK_SELECTWIZARD_MESSAGE).checked = true;
    host.FireTimer(CSelectWizardMsgDlg::kTimerDevice);
    host.FireTimer(CSelectWizardMsgDlg::kTimerDevice);
    EXPECT_FALSE(host.ended()) << "the adapter is still there";
    DevicePresent = false;
    host.FireTimer(CSelectWizardMsgDlg::kTimerDevice);
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.result(), ui::kIdCancel);
    EXPECT_TRUE(LibraryCalls().empty()) << "no setting written, nothing asked of the library";
    EXPECT_EQ(Stored(u"DisplaySelectUtility"), u"1");
    EXPECT_TRUE(g_bZeroConfig);
}

TEST_F(SelectWizard, OnceConfirmedNeitherTheAdapterLeavingNorTheCloseBoxTurnItIntoACancel) {
    SetSystem(System::Vista);
    CSelectWizardMsgDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    host.Click(ui::kIdOk);
    EXPECT_TRUE(dialog.closing());
    EXPECT_FALSE(host.TimerRunning(CSelectWizardMsgDlg::kTimerDevice));
    for (ui::ControlId id : {IDC_RADIO_SELECTWIZARD_USERUI, IDC_RADIO_SELECTWIZARD_ZERO,
                             IDC_CHECK_SELECTWIZARD_MESSAGE, ui::kIdOk}) {
        EXPECT_FALSE(host.IsEnabled(id)) << "control " << id << " while the choice settles";
    }
    size_t writes = kernel.CountCalls(u"RegSetString");
    host.SendCommand(ui::kIdOk, ui::kClicked); // Enter, which the disabled button does not stop
    host.Deliver(ui::kWmClose);
    EXPECT_FALSE(host.ended());
    host.FireTimer(CSelectWizardMsgDlg::kTimerClose);
    EXPECT_EQ(host.result(), ui::kIdOk) << "what was written is what the caller is told";
    EXPECT_EQ(kernel.CountCalls(u"RegSetString"), writes) << "applied once";
}

TEST_F(SelectWizard, TheCloseBoxBeforeOkIsACancelThatWritesNothing) {
    CSelectWizardMsgDlg dialog;
    fakes::FakeHost host(dialog);
    host.Open();
    host.Deliver(ui::kWmClose);
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.result(), ui::kIdCancel);
    EXPECT_TRUE(LibraryCalls().empty());
}
