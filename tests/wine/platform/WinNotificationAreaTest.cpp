// The notification area through the shell of Wine's virtual desktop: what the shell accepts and
// refuses, the record's text fields, and icons that do not outlive their owner object.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "contract/TrayContract.h"
#include "platform/win32/WinNotificationArea.h"

using platform::win32::FillBalloonRecord;
using platform::win32::FillIconRecord;
using platform::win32::WinNotificationArea;

namespace {

// The system's application icon, from the module that carries it on every Windows.
constexpr uint16_t kSystemIcon = 32512;
constexpr BYTE kSentinel = 0xA5;
constexpr DWORD kSentinelDword = 0xA5A5A5A5;

class TrayOwner : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"KtTrayOwner";
        RegisterClassW(&windowClass);
        m_owner = CreateWindowW(L"KtTrayOwner", L"tray owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_owner, nullptr);
        m_icons = GetModuleHandleW(L"user32.dll");
        HANDLE probe = LoadImageW(m_icons, MAKEINTRESOURCEW(kSystemIcon), IMAGE_ICON, 16, 16, 0);
        ASSERT_NE(probe, nullptr) << "error " << GetLastError();
        DestroyIcon(static_cast<HICON>(probe));
    }
    void TearDown() override { DestroyWindow(m_owner); }

    // Asks the shell directly, bypassing the object under test.
    BOOL RawCall(DWORD command, UINT id) const {
        NOTIFYICONDATAW record{};
        record.cbSize = NOTIFYICONDATAW_V3_SIZE;
        record.hWnd = m_owner;
        record.uID = id;
        record.uFlags = NIF_TIP;
        lstrcpyW(record.szTip, L"probe");
        return Shell_NotifyIconW(command, &record);
    }

    HWND m_owner = nullptr;
    HMODULE m_icons = nullptr;
};

std::wstring Numbered(size_t length) {
    std::wstring text;
    for (size_t i = 0; i < length; ++i) {
        text += static_cast<wchar_t>(L'A' + i % 26);
    }
    return text;
}

std::u16string U16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

} // namespace

TEST_F(TrayOwner, TheShellAnswersAsTheFakeDoes) {
    WinNotificationArea area(m_owner, m_icons);
    contract::ExpectNotificationAreaAnswers(area, kSystemIcon);
}

TEST_F(TrayOwner, TheTooltipIsCutToItsFieldAndTerminatedWithoutTouchingTheNextField) {
    NOTIFYICONDATAW record;
    memset(&record, kSentinel, sizeof record);
    std::wstring tip = Numbered(200);
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    FillIconRecord(record, m_owner, {42, kSystemIcon, U16(tip), contract::kTrayCallback}, icon);

    EXPECT_EQ(record.hWnd, m_owner);
    EXPECT_EQ(record.uID, 42u);
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP))
        << "flags " << record.uFlags;
    EXPECT_EQ(record.uCallbackMessage, contract::kTrayCallback);
    EXPECT_EQ(std::wstring(record.szTip, 127), tip.substr(0, 127));
    EXPECT_EQ(record.szTip[127], L'\0') << "unit 127 is " << static_cast<int>(record.szTip[127]);
    EXPECT_EQ(record.dwState, kSentinelDword)
        << "the field after the tooltip is " << std::hex << record.dwState;
    EXPECT_EQ(record.szInfo[0], static_cast<WCHAR>(0xA5A5)) << "the balloon is not part of an icon change";

    // No tooltip given: the flag stays off and the field is left alone.
    memset(&record, kSentinel, sizeof record);
    FillIconRecord(record, m_owner, {42, 0, {}, 0}, nullptr);
    EXPECT_EQ(record.uFlags, 0u) << "flags " << record.uFlags;
    EXPECT_EQ(record.szTip[0], static_cast<WCHAR>(0xA5A5));
}

TEST_F(TrayOwner, BalloonTextsAreCutToTheirFieldsAndTerminated) {
    NOTIFYICONDATAW record;
    memset(&record, kSentinel, sizeof record);
    std::wstring title = Numbered(100);
    std::wstring text = Numbered(300);
    FillBalloonRecord(record, m_owner, 42, U16(title), U16(text), platform::BalloonIcon::Warning, 7000);

    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_INFO)) << "flags " << record.uFlags;
    EXPECT_EQ(std::wstring(record.szInfo, 255), text.substr(0, 255));
    EXPECT_EQ(record.szInfo[255], L'\0') << "unit 255 is " << static_cast<int>(record.szInfo[255]);
    EXPECT_EQ(std::wstring(record.szInfoTitle, 63), title.substr(0, 63));
    EXPECT_EQ(record.szInfoTitle[63], L'\0') << "unit 63 is " << static_cast<int>(record.szInfoTitle[63]);
    EXPECT_EQ(record.dwInfoFlags, static_cast<DWORD>(NIIF_WARNING)) << "flags " << record.dwInfoFlags;
    EXPECT_EQ(record.uTimeout, 7000u);
    EXPECT_EQ(record.szTip[0], static_cast<WCHAR>(0xA5A5)) << "the tooltip is not part of a balloon";
    const BYTE* guid = reinterpret_cast<const BYTE*>(&record.guidItem);
    for (size_t i = 0; i < sizeof record.guidItem; ++i) {
        EXPECT_EQ(guid[i], kSentinel) << "byte " << i << " after the balloon's flags";
    }
}

TEST_F(TrayOwner, ALongTooltipAndABalloonReachTheShell) {
    WinNotificationArea area(m_owner, m_icons);
    ASSERT_TRUE(area.Add({7201, kSystemIcon, U16(Numbered(200)), contract::kTrayCallback}));
    EXPECT_TRUE(area.Modify({7201, 0, U16(Numbered(500)), 0}));
    EXPECT_TRUE(area.ShowBalloon(7201, u"Internet", U16(Numbered(600)), platform::BalloonIcon::Info, 5000));
    EXPECT_TRUE(area.Delete(7201));
    EXPECT_FALSE(RawCall(NIM_MODIFY, 7201)) << "the shell no longer knows the icon";
}

TEST_F(TrayOwner, IconsLeaveTheNotificationAreaWithTheirObject) {
    {
        WinNotificationArea area(m_owner, m_icons);
        ASSERT_TRUE(area.Add({7301, kSystemIcon, u"one", contract::kTrayCallback}));
        ASSERT_TRUE(area.Add({7302, kSystemIcon, u"two", contract::kTrayCallback}));
        ASSERT_TRUE(area.Delete(7302));
        ASSERT_TRUE(RawCall(NIM_MODIFY, 7301)) << "shown while the object lives";
    }
    EXPECT_FALSE(RawCall(NIM_MODIFY, 7301));
    EXPECT_FALSE(RawCall(NIM_DELETE, 7301));
}

TEST_F(TrayOwner, AnIconThatCannotBeLoadedIsNeverAdded) {
    // The test program carries no icons.
    WinNotificationArea area(m_owner, GetModuleHandleW(nullptr));
    EXPECT_FALSE(area.Add({7401, 157, u"no picture", contract::kTrayCallback}));
    EXPECT_FALSE(RawCall(NIM_DELETE, 7401)) << "nothing reached the shell";
    ASSERT_TRUE(RawCall(NIM_ADD, 7402));
    EXPECT_FALSE(area.Modify({7402, 157, u"keeps its icon", 0}))
        << "a picture that cannot load changes nothing";
    EXPECT_TRUE(area.Delete(7402));
}
