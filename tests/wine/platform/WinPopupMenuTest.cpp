// The tray menu as the menu manager keeps it: items, checks, grey items and removals read back with
// the menu functions. Tracking needs a user and is not run here.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "contract/TrayContract.h"
#include "platform/win32/WinPopupMenu.h"

using platform::win32::WinPopupMenu;

namespace {

std::wstring ItemText(HMENU menu, UINT id) {
    wchar_t text[64];
    wmemset(text, 0xA5A5, 64);
    int length = GetMenuStringW(menu, id, text, 64, MF_BYCOMMAND);
    return std::wstring(text, static_cast<size_t>(length > 0 ? length : 0));
}

class MenuOwner : public ::testing::Test {
protected:
    void SetUp() override {
        m_owner = CreateWindowW(L"STATIC", L"menu owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_owner, nullptr);
    }
    void TearDown() override { DestroyWindow(m_owner); }
    HWND m_owner = nullptr;
};

} // namespace

TEST_F(MenuOwner, TheMenuManagerAnswersAsTheFakeDoes) {
    WinPopupMenu menu(m_owner);
    contract::ExpectPopupMenuAnswers(menu);
    EXPECT_EQ(GetMenuItemCount(menu.Handle()), 2) << "the separator and Exit";
    UINT exitState = GetMenuState(menu.Handle(), 32773, MF_BYCOMMAND);
    EXPECT_TRUE(exitState & MF_CHECKED) << "state " << std::hex << exitState;
    EXPECT_EQ(GetMenuState(menu.Handle(), 32772, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(MenuOwner, ItemsKeepTheirTextCheckAndEnabledState) {
    WinPopupMenu menu(m_owner);
    ASSERT_TRUE(menu.Append({32772, u"Enable \"Internet Connected\" Notification", true, true, false}));
    ASSERT_TRUE(menu.Append({32774, u"Enable \"Link Warden\" ", false, false, false}));
    ASSERT_TRUE(menu.Append({0, {}, false, true, true}));
    ASSERT_TRUE(menu.Append({32773, u"Exit", false, true, false}));
    HMENU handle = menu.Handle();
    ASSERT_EQ(GetMenuItemCount(handle), 4);

    UINT state = GetMenuState(handle, 32772, MF_BYCOMMAND);
    EXPECT_EQ(state & (MF_CHECKED | MF_GRAYED), static_cast<UINT>(MF_CHECKED))
        << "state " << std::hex << state;
    state = GetMenuState(handle, 32774, MF_BYCOMMAND);
    EXPECT_EQ(state & (MF_CHECKED | MF_GRAYED), static_cast<UINT>(MF_GRAYED))
        << "state " << std::hex << state;
    state = GetMenuState(handle, 2, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_SEPARATOR) << "state " << std::hex << state;
    EXPECT_EQ(ItemText(handle, 32772), L"Enable \"Internet Connected\" Notification");
    EXPECT_EQ(ItemText(handle, 32774), L"Enable \"Link Warden\" ") << "the trailing blank is kept";
    EXPECT_EQ(GetMenuItemID(handle, 3), 32773u);

    ASSERT_TRUE(menu.CheckItem(32772, false));
    ASSERT_TRUE(menu.CheckItem(32773, true));
    EXPECT_FALSE(GetMenuState(handle, 32772, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(handle, 32773, MF_BYCOMMAND) & MF_CHECKED);

    ASSERT_TRUE(menu.RemoveItem(32774));
    EXPECT_EQ(GetMenuItemCount(handle), 3);
    EXPECT_EQ(GetMenuItemID(handle, 0), 32772u);
    EXPECT_EQ(GetMenuItemID(handle, 2), 32773u) << "the others keep their order";
}

TEST_F(MenuOwner, TheMenuGoesWithItsObject) {
    HMENU handle = nullptr;
    {
        WinPopupMenu menu(m_owner);
        handle = menu.Handle();
        ASSERT_TRUE(IsMenu(handle));
    }
    EXPECT_FALSE(IsMenu(handle));
}
