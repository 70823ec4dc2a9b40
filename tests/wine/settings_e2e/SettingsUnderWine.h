// The real program with its Settings page in front, driven as a user drives it, against the stand-in
// service: the page's controls and the dialogs it opens found by their ids, the stored profiles read back
// from the registry, the blocks the program hands the service read from the call log.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "profiles/ProfileStore.h"
#include "res/AdvancedSettingsIds.h"
#include "res/MainWndIds.h"
#include "res/ProfileDialogsIds.h"
#include "res/SettingsIds.h"
#include "wine/networks_e2e/UtilityUnderWine.h"

namespace settings_e2e {

using namespace wineprogram;
using networks_e2e::Narrow;

constexpr int kSettingsTab = 0;
const std::wstring kProfilesKey(profiles::kProfileListKey.begin(), profiles::kProfileListKey.end());

inline std::wstring ProfileKey(const std::wstring& name) {
    return kProfilesKey + L"\\" + name;
}

// A text value below HKEY_LOCAL_MACHINE (32-bit view); nothing when it is absent or not text.
inline std::optional<std::wstring> ReadTextValue(const std::wstring& keyPath, const wchar_t* value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    wchar_t text[512] = {};
    DWORD size = sizeof text - sizeof(wchar_t);
    DWORD type = 0;
    LONG result = RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) {
        return std::nullopt;
    }
    return std::wstring(text);
}

// A stored value of a profile as text (REG_SZ) or number (REG_DWORD); nothing when it is absent or of
// the other type.
inline std::optional<std::wstring> StoredText(const std::wstring& profile, const wchar_t* value) {
    return ReadTextValue(ProfileKey(profile), value);
}

inline std::optional<DWORD> StoredNumber(const std::wstring& profile, const wchar_t* value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, ProfileKey(profile).c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                      &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD number = 0;
    DWORD size = sizeof number;
    DWORD type = 0;
    LONG result = RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD) {
        return std::nullopt;
    }
    return number;
}

inline bool ProfileStored(const std::wstring& profile) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, ProfileKey(profile).c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// The list key's order values: "00" -> the profile tried first, and so on.
inline std::map<std::wstring, std::wstring> OrderValues() {
    std::map<std::wstring, std::wstring> order;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProfilesKey.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS) {
        return order;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[64] = {};
        wchar_t data[256] = {};
        DWORD nameUnits = 64;
        DWORD dataSize = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        if (RegEnumValueW(key, index, name, &nameUnits, nullptr, &type, reinterpret_cast<BYTE*>(data),
                          &dataSize) != ERROR_SUCCESS) {
            break;
        }
        order[name] = type == REG_SZ ? std::wstring(data) : std::wstring(L"<not text>");
    }
    RegCloseKey(key);
    return order;
}

inline void WriteOrderValue(int number, const std::wstring& profile) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kProfilesKey.c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    wchar_t name[8] = {};
    swprintf(name, 8, L"%02d", number);
    WriteValue(key, name, profile);
    RegCloseKey(key);
}

// The default profile as the program stores it: open, joining any network. (Each start of the program
// removes it and stores it again, last in the order.)
inline void WriteDefaultProfile() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, ProfileKey(L"Default").c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    WriteValue(key, L"ConfigurationName", std::wstring(L"Default"));
    WriteValue(key, L"NetworkName", std::wstring(L"Any (First available network)"));
    WriteValue(key, L"NetworkConnectionType", *profiles::EncodeNetworkType(kernel::kNetworkInfrastructure));
    WriteValue(key, L"WirelessMode", profiles::EncodeWirelessMode(kernel::kModeAll));
    WriteValue(key, L"AdvancedAuthenticationType", profiles::EncodeAuthentication(kernel::kSecurityNone));
    WriteValue(key, L"EncryptionAlg", profiles::EncodeCipher(kernel::kSecurityNone));
    RegCloseKey(key);
    WriteOrderValue(0, L"Default");
}

// A WPA2 profile stored with the order value `number`.
inline void WriteListedProfile(int number, const std::wstring& name, const std::wstring& network,
                               const std::u16string& passphrase) {
    WriteWpa2Profile(ProfileKey(name), name, network, passphrase);
    WriteOrderValue(number, name);
}

// The visible top-level windows of a process.
inline std::vector<HWND> ProcessWindows(DWORD process) {
    struct Search {
        DWORD process;
        std::vector<HWND> found;
    } search{process, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && IsWindowVisible(window)) {
                s->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The first text of a message box (or any dialog): its first static control with a text.
inline std::wstring FirstStaticText(HWND dialog) {
    std::wstring text;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t className[32] = {};
            wchar_t caption[1024] = {};
            GetClassNameW(child, className, 32);
            GetWindowTextW(child, caption, 1024);
            if (_wcsicmp(className, L"Static") == 0 && caption[0] != L'\0') {
                *reinterpret_cast<std::wstring*>(param) = caption;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

inline std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

// The entries of a combo box of another process (the system carries CB_GETLBTEXT's text across).
inline std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 256) {
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        }
        items.emplace_back(text);
    }
    return items;
}

inline int ComboIndexOf(HWND combo, const std::wstring& text) {
    std::vector<std::wstring> items = ComboItems(combo);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

inline std::vector<std::wstring> ListBoxItems(HWND list) {
    std::vector<std::wstring> items;
    int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 256) {
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        }
        items.emplace_back(text);
    }
    return items;
}

// A list-box entry's place on the screen, from the entry height (no pointer crosses the processes).
inline RECT ListBoxItemRect(HWND list, int index) {
    RECT client{};
    GetClientRect(list, &client);
    int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    RECT item{client.left, client.top + (index - top) * height, client.right,
              client.top + (index - top + 1) * height};
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
    return item;
}

inline std::wstring Join(const std::vector<std::wstring>& items) {
    std::wstring text;
    for (const std::wstring& item : items) {
        text += L"[" + item + L"]";
    }
    return text;
}

class SettingsUnderWine : public networks_e2e::UtilityUnderWine {
protected:
    // Up with the Settings page shown, the start-up connection to the current profile made and the
    // page's reload after it done, so that what the page shows and what the log holds from here on is
    // the test's doing.
    void StartOnSettingsPage(const std::string& startupNetwork = "HomeNet") {
        ASSERT_NE(Start(), nullptr);
        size_t mark = 0;
        ASSERT_TRUE(
            WaitFor([&] { return (mark = Log().find("ConnectWithBlock")) != std::string::npos; }, 20000))
            << "no start-up connection:\n"
            << Log();
        ASSERT_TRUE(
            WaitFor([&] { return FindDescendant(m_main, IDC_COMBO_PROFILE_NAME) != nullptr; }, 10000));
        MarkPage();
        ASSERT_TRUE(LogHas("note associated with \"" + startupNetwork + "\"", 20000, mark)) << Log();
        ASSERT_NO_FATAL_FAILURE(WaitForPageReload());
        ASSERT_TRUE(ShowPage(kSettingsTab, IDC_COMBO_PROFILE_NAME));
    }

    // Two seconds after each connection attempt, once connected, the main window shows the current
    // profile on the page again, and whatever was typed there is gone. A test marks the page as soon as
    // the attempt shows in the log (a hidden extra entry of the profile list, which the reload's refill
    // removes) and waits for the mark to go before it types again.
    static constexpr wchar_t kReloadMark[] = L"\x01 reload pending";
    void MarkPage() {
        HWND list = FindDescendant(m_main, IDC_COMBO_PROFILE_NAME);
        LRESULT added = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kReloadMark));
        ASSERT_GE(added, 0) << "the mark could not be added to the profile list";
    }
    void WaitForPageReload() {
        HWND list = FindDescendant(m_main, IDC_COMBO_PROFILE_NAME);
        ASSERT_TRUE(WaitFor([&] { return ComboIndexOf(list, kReloadMark) < 0; }, 8000))
            << "the page was not shown again after the connection";
    }

    DWORD ProgramProcess() {
        DWORD process = 0;
        GetWindowThreadProcessId(m_main, &process);
        return process;
    }

    HWND Page() { return GetParent(FindDescendant(m_main, IDC_COMBO_PROFILE_NAME)); }
    HWND PageControl(int id) { return GetDlgItem(Page(), id); }
    std::wstring PageText(int id) { return WindowText(PageControl(id)); }
    bool PageEnabled(int id) { return IsWindowEnabled(PageControl(id)) != FALSE; }
    bool PageChecked(int id) { return SendMessageW(PageControl(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    // Typing, character by character, as an edit (or a combo box's edit part) receives it from the
    // keyboard: WM_CHAR messages over the whole text selected. The edit inserts each one and reports the
    // change (EN_CHANGE, which a combo box passes on as CBN_EDITCHANGE) as it does for a key press.
    // Sent to the edit, they need neither the focus nor the window in front, which injected key presses
    // under Wine's virtual desktop do not keep reliably. WM_SETTEXT would not do: an edit inside a combo
    // box reports no change for it.
    static void TypeText(HWND control, const std::wstring& text) {
        wchar_t className[32] = {};
        GetClassNameW(control, className, 32);
        HWND edit = control;
        if (_wcsicmp(className, L"ComboBox") == 0) {
            edit = FindWindowExW(control, nullptr, L"Edit", nullptr);
        }
        ASSERT_NE(edit, nullptr) << "no edit part";
        SendMessageW(edit, EM_SETSEL, 0, -1);
        if (text.empty()) {
            SendMessageW(edit, WM_CHAR, VK_BACK, 1);
        }
        for (wchar_t c : text) {
            SendMessageW(edit, WM_CHAR, c, 1);
        }
    }
    void Type(int id, const std::wstring& text) { TypeText(PageControl(id), text); }

    // Choosing a list entry: the selection set and the CBN_SELCHANGE the list sends its dialog when a
    // user picks an entry. A real pick would open the drop-down, a pop-up window whose place under
    // Wine's virtual desktop the test cannot learn before it shows.
    static void ChooseEntry(HWND combo, int index) {
        ASSERT_GE(index, 0) << "no such entry; entries " << Narrow(Join(ComboItems(combo)));
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }
    static void ChooseEntry(HWND combo, const std::wstring& text) {
        ChooseEntry(combo, ComboIndexOf(combo, text));
    }
    void Choose(int id, const std::wstring& text) { ChooseEntry(PageControl(id), text); }

    // A real click on a control, repeated (a few times at most, while the control is still there to be
    // clicked) until `reacted` holds.
    static ::testing::AssertionResult ClickControl(HWND control, const std::function<bool()>& reacted) {
        if (control == nullptr) {
            return ::testing::AssertionFailure() << "no such control";
        }
        RECT place{};
        GetWindowRect(control, &place);
        const int id = GetDlgCtrlID(control);
        if (!ClickControlUntil(control, reacted)) {
            return ::testing::AssertionFailure()
                   << "no reaction to a click on control " << id << " at " << place.left << "," << place.top
                   << (IsWindow(control) ? "" : " (its window has gone)");
        }
        return ::testing::AssertionSuccess();
    }
    // A push button pressed (once, as the keyboard presses it), then `reacted` awaited. Buttons that
    // lead on or close a window are pressed so: a repeated mouse click could press what comes next.
    static ::testing::AssertionResult PressButton(HWND button, const std::function<bool()>& reacted,
                                                  int milliseconds = 15000) {
        if (button == nullptr) {
            return ::testing::AssertionFailure() << "no such button";
        }
        const int id = GetDlgCtrlID(button);
        if (!PressButtonUntil(button, reacted, milliseconds)) {
            return ::testing::AssertionFailure() << "no reaction to button " << id
                                                 << (!IsWindow(button)          ? " (its window has gone)"
                                                     : !IsWindowEnabled(button) ? " (disabled)"
                                                     : !IsWindowVisible(button) ? " (hidden)"
                                                                                : "");
        }
        return ::testing::AssertionSuccess();
    }
    // The page checks its radio buttons itself when they are clicked.
    ::testing::AssertionResult ClickRadio(int id) {
        return ClickControl(PageControl(id), [&] { return PageChecked(id); });
    }

    // A dialog of the program that holds a control of this id, once it is visible.
    HWND WaitForDialogWith(int controlId, int milliseconds = 10000) {
        HWND found = nullptr;
        WaitFor(
            [&] {
                for (HWND window : ProcessWindows(ProgramProcess())) {
                    if (window != m_main && GetDlgItem(window, controlId) != nullptr &&
                        IsWindowVisible(window)) {
                        found = window;
                        return true;
                    }
                }
                return false;
            },
            milliseconds);
        return found;
    }

    // A message box of the program (a dialog with an icon and a text, no control of the program's own).
    HWND FindMessageBox() {
        for (HWND window : ProcessWindows(ProgramProcess())) {
            wchar_t className[32] = {};
            GetClassNameW(window, className, 32);
            if (window != m_main && wcscmp(className, L"#32770") == 0 && !FirstStaticText(window).empty() &&
                (GetDlgItem(window, IDOK) != nullptr || GetDlgItem(window, IDYES) != nullptr) &&
                GetDlgItem(window, IDC_STATIC_MODIFYPROFILE_TEXT) == nullptr &&
                GetDlgItem(window, IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1) == nullptr) {
                return window;
            }
        }
        return nullptr;
    }
    HWND WaitForMessageBox(int milliseconds = 10000) {
        HWND box = nullptr;
        WaitFor([&] { return (box = FindMessageBox()) != nullptr; }, milliseconds);
        return box;
    }
    // The program's top-level windows, visible or not, for a failure's message: class, caption, texts.
    std::string DescribeWindows() {
        struct Search {
            DWORD process;
            std::string text;
        } search{ProgramProcess(), {}};
        EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner != s->process) {
                    return TRUE;
                }
                wchar_t className[64] = {};
                GetClassNameW(window, className, 64);
                s->text += "\n  " + Narrow(className) + " \"" + Narrow(WindowText(window)) + "\"" +
                           (IsWindowVisible(window) ? " visible" : " hidden") + " text \"" +
                           Narrow(FirstStaticText(window)) + "\"";
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.text.empty() ? std::string("(none)") : search.text;
    }
    // Answers a dialog with one of its buttons; true once the dialog is gone.
    static ::testing::AssertionResult Answer(HWND dialog, int button) {
        ::testing::AssertionResult clicked =
            PressButton(GetDlgItem(dialog, button), [&] { return IsWindow(dialog) == FALSE; });
        if (!clicked) {
            return clicked << " (button " << button << " of dialog \"" << Narrow(WindowText(dialog)) << "\")";
        }
        return ::testing::AssertionSuccess();
    }

    // Save Profile pressed: the button goes disabled once the profile is stored, or a message box asks
    // or refuses.
    ::testing::AssertionResult PressSave() {
        return PressButton(PageControl(IDC_BUTTON_PROFILE_SAVE_PROFILE), [&] {
            return !PageEnabled(IDC_BUTTON_PROFILE_SAVE_PROFILE) || FindMessageBox() != nullptr;
        });
    }

    // The main window's Apply: the window disconnects first, so the call log shows that it was pressed.
    ::testing::AssertionResult PressApply() {
        // The log's lines end with a line feed, so the one before the mark starts the next line.
        size_t lineStart = Log().size();
        lineStart = lineStart > 0 ? lineStart - 1 : 0;
        return PressButton(GetDlgItem(m_main, IDC_BUTTON_FIRST_ACTION),
                           [&] { return Log().find("\nDisconnect", lineStart) != std::string::npos; });
    }

    // A printable text as the call log quotes it: in double quotes, a quote or backslash escaped.
    static std::string LogQuoted(const std::string& text) {
        std::string quoted = "\"";
        for (char c : text) {
            if (c == '"' || c == '\\') {
                quoted += '\\';
            }
            quoted += c;
        }
        return quoted + "\"";
    }

    // The first ConnectWithBlock line for this network (any network for an empty `ssid`) after `from`,
    // waited for; empty when none came.
    std::string ConnectLine(const std::string& ssid, size_t from, int milliseconds = 15000) {
        std::string head = ssid.empty() ? "ConnectWithBlock " : "ConnectWithBlock ssid=" + LogQuoted(ssid);
        std::string line;
        WaitFor(
            [&] {
                std::string log = Log();
                size_t at = log.find(head, from);
                if (at == std::string::npos) {
                    return false;
                }
                size_t end = log.find('\n', at);
                if (end == std::string::npos) {
                    return false;
                }
                line = log.substr(at, end - at);
                return true;
            },
            milliseconds);
        return line;
    }

    // What a skyctl command printed.
    std::string SkyctlOutput(const std::wstring& command) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE readEnd = nullptr;
        HANDLE writeEnd = nullptr;
        if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
            return "<no pipe>";
        }
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = writeEnd;
        si.hStdError = writeEnd;
        PROCESS_INFORMATION info{};
        std::wstring exe = Dist() + L"skyctl.exe";
        std::wstring line = L"\"" + exe + L"\" --pipe " + m_pipe + L" " + command;
        bool started = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                      nullptr, nullptr, &si, &info) != FALSE;
        CloseHandle(writeEnd);
        std::string output;
        if (started) {
            char buffer[512];
            DWORD got = 0;
            while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
                output.append(buffer, got);
            }
            WaitForSingleObject(info.hProcess, 20000);
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
        CloseHandle(readEnd);
        return started ? output : "<skyctl did not start>";
    }
};

} // namespace settings_e2e
