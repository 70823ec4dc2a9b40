// The real program's connect wizard, walked as a user walks it: "Find a Network" (or the Networks page's
// Connect) pressed, each page found among the program's top-level windows by a control only it has, its
// texts read, its fields typed into and its buttons clicked; the stored profile read back from the
// registry and the block handed to the stand-in service read from the call log.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "res/MainWndIds.h"
#include "res/ProfileDialogsIds.h"
#include "res/WizardFinishIds.h"
#include "res/WizardListIds.h"
#include "res/WizardSecurityIds.h"
#include "wine/settings_e2e/SettingsUnderWine.h"

namespace wizard_e2e {

using namespace wineprogram;
using networks_e2e::Narrow;
using settings_e2e::WindowText;

inline std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A world without any WPS access point (a survey that sees one sends the wizard to its WPS pages), with one
// network of each kind the wizard sets up, an ad-hoc and an 802.1X network the wizard's list leaves out,
// and the start-up profile's HomeNet. `phraseRouterKey`: the key the WEP router of a passphrase uses.
inline std::string WizardWorld(const std::string& phraseRouterKey) {
    struct Net {
        const char* name;
        const char* extra;
        int channel;
        const char* modes;
        const char* security;
        const char* key;
        int signal;
    };
    const std::string phraseKey = "Key=" + phraseRouterKey;
    const std::vector<Net> nets = {
        {"HomeNet", "", 6, "bgn", "WPA2-PSK", "Passphrase=sunflower42", 90},
        {"OpenCafe", "", 11, "bg", "None", "", 85},
        {"PhraseRouter", "", 3, "bg", "WEP", phraseKey.c_str(), 80},
        {"HexRouter", "", 1, "bg", "WEP", "Key=0A1B2C3D4E", 75},
        {"LabWpa", "", 1, "bg", "WPA-PSK", "Passphrase=labpass123", 70},
        {"AtticWpa2", "", 9, "bg", "WPA2-PSK", "Passphrase=atticpass9", 65},
        {"Stealth", "Hidden=1\r\n", 4, "bg", "WPA2-PSK", "Passphrase=hiddenpass", 60},
        {"Backyard", "", 2, "bg", "WPA2-PSK", "Passphrase=rightpass1", 55},
        {"PeerLink", "Type=AdHoc\r\n", 10, "b", "None", "", 50},
        {"CorpSecure", "", 44, "a", "WPA2-Radius", "", 45},
    };
    std::string text = "[World]\r\nInternet=1\r\nScanDelay=800\r\nAssociateDelay=200\r\nAddressDelay=300\r\n"
                       "InternetDelay=300\r\nLinkPeriod=0\r\n[Adapter]\r\nPresent=1\r\n";
    int number = 1;
    for (const Net& n : nets) {
        char bssid[32] = {};
        snprintf(bssid, sizeof bssid, "00:24:B2:10:40:%02X", number);
        text += std::string("[") + n.name + "]\r\n" + n.extra + "BSSID=" + bssid +
                "\r\nChannel=" + std::to_string(n.channel) + "\r\nModes=" + n.modes +
                "\r\nSecurity=" + n.security + "\r\n" + (n.key[0] ? std::string(n.key) + "\r\n" : "") +
                "Signal=" + std::to_string(n.signal) + "\r\nAddress=192.168." + std::to_string(40 + number) +
                ".20\r\n";
        ++number;
    }
    return text;
}

// The page windows, each told by a control no other window of the program has.
constexpr int kPleaseWait = IDC_WIZARD_PLEASEWAIT_TEXT;
constexpr int kListPage = IDC_WIZARD_LIST_NETWORKS;
constexpr int kWepMessage = IDC_WIZARD_MESSAGE_WEB_TEXT;
constexpr int kPskMessage = IDC_WIZARD_MESSAGE_PSK_TEXT;
constexpr int kWepOptionPage = IDC_RADIO_WEB_PASSPHRASE;
constexpr int kWepPhrasePage = IDC_EDIT_PHRASE;
constexpr int kWepKeyPage = IDC_EDIT_HEX;
constexpr int kPskPage = IDC_EDIT_PSK;
constexpr int kHiddenPage = IDC_EDIT_HIDDEN_NAME;
constexpr int kSavePage = IDC_EDIT_SAVEPROFILE_NAME;
constexpr int kReservedNamePage = IDC_STATIC_FILE_ERROR_MESSAGE;
constexpr int kSummaryPage = IDC_CHECK_WPSVIEW_SAVE;
const std::vector<int> kEveryWizardWindow = {kPleaseWait,    kListPage,      kWepMessage,       kPskMessage,
                                             kWepOptionPage, kWepPhrasePage, kWepKeyPage,       kPskPage,
                                             kHiddenPage,    kSavePage,      kReservedNamePage, kSummaryPage};

constexpr wchar_t kTitle[] = L"Connecting to your wireless network";
constexpr wchar_t kPageCaption[] = L"Orvelin Wireless Adapter";

class WizardUnderWine : public settings_e2e::SettingsUnderWine {
protected:
    // Up with the start-up connection to HomeNet made, in the wizard's world; `phraseRouterKey` as
    // WizardWorld takes it.
    void StartInWizardWorld(const std::string& phraseRouterKey) {
        WriteScenario(L"wizard-world.ini", WizardWorld(phraseRouterKey));
        ASSERT_NE(Start(), nullptr);
        ASSERT_TRUE(LogHas("note associated with \"HomeNet\"", 20000)) << Log();
    }

    // The main window brought up as the tray icon's click does.
    void ShowMainWindow() {
        if (IsWindowVisible(m_main)) {
            return;
        }
        PostMessageW(m_main, networks_e2e::kTrayNotify, networks_e2e::kTrayIconId, WM_LBUTTONDOWN);
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(m_main) != FALSE; }, 10000))
            << "the tray message did not show the main window";
    }

    // A window of the program holding this control, shown or not, now.
    HWND ExistingWindowWith(int marker) {
        for (HWND window : settings_e2e::ProcessWindows(ProgramProcess())) {
            if (window != m_main && GetDlgItem(window, marker) != nullptr) {
                return window;
            }
        }
        return nullptr;
    }
    // A shown window of the program holding this control, now. A page has its controls before it has
    // filled them: it shows only once it has, and only then may the test type or click on it.
    HWND WindowWith(int marker) {
        HWND window = ExistingWindowWith(marker);
        return window != nullptr && IsWindowVisible(window) ? window : nullptr;
    }
    HWND AwaitWindow(int marker, int milliseconds = 15000) {
        HWND found = nullptr;
        WaitFor([&] { return (found = WindowWith(marker)) != nullptr; }, milliseconds);
        return found;
    }
    // Any of the wizard's windows, shown or still to be.
    HWND AnyWizardWindow() {
        for (int marker : kEveryWizardWindow) {
            if (HWND window = ExistingWindowWith(marker)) {
                return window;
            }
        }
        return nullptr;
    }

    // A message box of the program: a dialog with a text and OK or Yes that is no wizard window and no
    // splash.
    HWND WizardMessageBox() {
        for (HWND window : settings_e2e::ProcessWindows(ProgramProcess())) {
            wchar_t className[32] = {};
            GetClassNameW(window, className, 32);
            if (window == m_main || wcscmp(className, L"#32770") != 0 ||
                GetDlgItem(window, IDC_WIZARD_TITLE) != nullptr ||
                GetDlgItem(window, kWepMessage) != nullptr || GetDlgItem(window, kPskMessage) != nullptr ||
                GetDlgItem(window, kPleaseWait) != nullptr ||
                GetDlgItem(window, IDC_STATIC_VALIDATE_SETTING_TEXT) != nullptr) {
                continue;
            }
            if (GetDlgItem(window, IDOK) != nullptr || GetDlgItem(window, IDYES) != nullptr) {
                return window;
            }
        }
        return nullptr;
    }

    static std::wstring TextIn(HWND window, int id) { return WindowText(GetDlgItem(window, id)); }
    static bool ShownIn(HWND window, int id) { return IsWindowVisible(GetDlgItem(window, id)) != FALSE; }
    static bool EnabledIn(HWND window, int id) { return IsWindowEnabled(GetDlgItem(window, id)) != FALSE; }
    static bool CheckedIn(HWND window, int id) {
        return SendMessageW(GetDlgItem(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    static bool Masked(HWND window, int id) {
        return SendMessageW(GetDlgItem(window, id), EM_GETPASSWORDCHAR, 0, 0) == L'*';
    }

    // The frame every page but the list and the summary shares: the bold title, the four step labels, the
    // buttons' texts.
    static void ExpectFrame(HWND page, const wchar_t* step2) {
        EXPECT_EQ(WindowText(page), kPageCaption);
        EXPECT_EQ(TextIn(page, IDC_WIZARD_TITLE), kTitle);
        EXPECT_EQ(TextIn(page, IDC_WIZARD_STEP1), L"Choose Network");
        EXPECT_EQ(TextIn(page, IDC_WIZARD_STEP2), step2);
        EXPECT_EQ(TextIn(page, IDC_WIZARD_STEP3), L"Saving Profile");
        EXPECT_EQ(TextIn(page, IDC_WIZARD_STEP4), L"Connecting");
        EXPECT_EQ(TextIn(page, IDC_WIZARD_BACK), L"< &Back");
        EXPECT_EQ(TextIn(page, IDC_WIZARD_NEXT), L"&Next >");
        EXPECT_EQ(TextIn(page, IDCANCEL), L"Cancel");
        EXPECT_TRUE(ShownIn(page, IDC_WIZARD_SIDE_PICTURE));
        EXPECT_TRUE(ShownIn(page, IDC_WIZARD_STEP1));
    }

    // A button of a window pressed; true once the window is gone or hidden, or a message box or another
    // window this test waits for came up.
    ::testing::AssertionResult Press(HWND window, int button, const std::function<bool()>& alsoDone = {}) {
        return PressButton(GetDlgItem(window, button), [&] {
            return !IsWindow(window) || !IsWindowVisible(window) || WizardMessageBox() != nullptr ||
                   (alsoDone && alsoDone());
        });
    }

    // Pressing a button that leaves `window` for the window holding `marker`, which is returned.
    HWND PressTo(HWND window, int button, int marker) {
        HWND next = nullptr;
        EXPECT_TRUE(Press(window, button, [&] { return (next = WindowWith(marker)) != nullptr; }));
        if (next == nullptr) {
            next = AwaitWindow(marker);
        }
        EXPECT_NE(next, nullptr) << "window " << marker << " did not come; showing:" << DescribeWindows();
        return next;
    }

    // Typing into a field as the keyboard does after a click into it (the click gives it the focus, which
    // some fields answer, such as the save page's, which drops its hint).
    ::testing::AssertionResult ClickAndType(HWND window, int field, const std::wstring& text) {
        HWND edit = GetDlgItem(window, field);
        ::testing::AssertionResult clicked = ClickControl(edit, [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(GetWindowThreadProcessId(edit, nullptr), &info) && info.hwndFocus == edit;
        });
        if (!clicked) {
            return clicked;
        }
        TypeText(edit, text);
        return ::testing::AssertionSuccess();
    }
    static void TypeInto(HWND window, int field, const std::wstring& text) {
        TypeText(GetDlgItem(window, field), text);
    }
    ::testing::AssertionResult ClickChoice(HWND window, int id) {
        return ClickControl(GetDlgItem(window, id), [&] { return CheckedIn(window, id); });
    }

    // "Find a Network" on the main window: the "Please Wait" window while the survey runs, then the list,
    // which is returned once it shows rows. With `pictureName` the wait window's picture is saved.
    HWND FindNetwork(const wchar_t* pictureName = nullptr) {
        ShowMainWindow();
        HWND wait = nullptr;
        bool pressed = PressButton(GetDlgItem(m_main, IDC_BUTTON_FIND_NETWORK), [&] {
            return (wait = WindowWith(kPleaseWait)) != nullptr || WindowWith(kListPage) != nullptr;
        });
        EXPECT_TRUE(pressed) << "Find a Network brought no wizard window; showing:" << DescribeWindows();
        EXPECT_NE(wait, nullptr) << "the list came without the \"Please Wait\" window";
        if (wait != nullptr) {
            EXPECT_EQ(TextIn(wait, kPleaseWait), L"Please wait. This could take up to 15 seconds.");
            EXPECT_EQ(GetWindowLongW(wait, GWL_STYLE) & WS_CAPTION, 0) << "it has no caption";
            if (pictureName != nullptr) {
                // Caught once it has faded in far enough to be read.
                BYTE alpha = 0;
                if (WaitFor(
                        [&] {
                            return GetLayeredWindowAttributes(wait, nullptr, &alpha, nullptr) &&
                                   alpha >= 191 && IsWindowVisible(wait);
                        },
                        3000)) {
                    Picture(pictureName, wait);
                }
            }
        }
        HWND list = AwaitWindow(kListPage, 20000);
        EXPECT_NE(list, nullptr) << "no network list; showing:" << DescribeWindows();
        if (list != nullptr) {
            EXPECT_TRUE(WaitFor([&] { return ListRowCount(GetDlgItem(list, kListPage)) > 0; }, 5000))
                << "the list stays empty";
        }
        return list;
    }

    // A row's place on the screen once the list has scrolled it into view, as a user scrolls to it.
    static std::optional<RECT> VisibleRowRect(HWND list, int row) {
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        return RemoteRect(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), LVIR_BOUNDS);
    }

    // Clicks the list's row of this network name (empty: the hidden network's) until Next is enabled.
    ::testing::AssertionResult PickRow(HWND list, const std::wstring& name) {
        HWND rows = GetDlgItem(list, kListPage);
        int row = FindListRow(rows, 0, name);
        if (row < 0) {
            return ::testing::AssertionFailure() << "no row \"" << Narrow(name) << "\"";
        }
        std::optional<RECT> place = VisibleRowRect(rows, row);
        if (!place) {
            return ::testing::AssertionFailure() << "the row's place could not be read";
        }
        if (!ClickUntil(
                *place, [&] { return EnabledIn(list, IDC_WIZARD_NEXT); }, 1, 0.3)) {
            return ::testing::AssertionFailure()
                   << "Next stayed disabled after a click on \"" << Narrow(name) << "\"";
        }
        return ::testing::AssertionSuccess();
    }

    // The end of a run that stored or applied a profile: the block for `ssid` handed over after `mark`,
    // once the "validating settings" window has gone.
    std::string AppliedBlock(const std::string& ssid, size_t mark) {
        std::string line = ConnectLine(ssid, mark, 20000);
        EXPECT_FALSE(line.empty()) << "no ConnectWithBlock for " << ssid << ":\n" << Log().substr(mark);
        EXPECT_TRUE(
            WaitFor([&] { return ExistingWindowWith(IDC_STATIC_VALIDATE_SETTING_TEXT) == nullptr; }, 10000))
            << "the validating window stays";
        return line;
    }

    // True while the window or one of its shown controls still has to draw itself.
    static bool PaintPending(HWND window) {
        if (GetUpdateRect(window, nullptr, FALSE)) {
            return true;
        }
        bool pending = false;
        EnumChildWindows(
            window,
            [](HWND child, LPARAM param) -> BOOL {
                if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
                    *reinterpret_cast<bool*>(param) = true;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&pending));
        return pending;
    }

    // The picture of a wizard window as it stands once drawn.
    void Picture(const wchar_t* name, HWND window) {
        EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(window) && !PaintPending(window); }, 5000))
            << "the window was not drawn for its picture " << Narrow(name);
        SavePicture(name, window);
    }

    // Profiles in the store, by the order values.
    std::vector<std::wstring> StoredProfileNames() {
        std::vector<std::wstring> names;
        for (const auto& [number, name] : settings_e2e::OrderValues()) {
            names.push_back(name);
        }
        return names;
    }
};

} // namespace wizard_e2e
