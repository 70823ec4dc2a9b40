// The tray icon over a recording notification area: which shell call each change becomes, and how a
// refused call is recovered on the next change.
#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakeNotificationArea.h"
#include "mainwnd/CTrayIcon.h"
#include "res/MainWndIds.h"

using Kind = fakes::FakeNotificationArea::Call::Kind;
using mainwnd::CTrayIcon;

namespace {

constexpr uint32_t kCallback = 0x80C9;

// Lets the test keep watching the shell after the tray icon, which owns its area, is gone.
class ForwardingArea final : public platform::NotificationArea {
public:
    explicit ForwardingArea(platform::NotificationArea& target) : m_target(target) {}
    bool Add(const platform::TrayIcon& icon) override { return m_target.Add(icon); }
    bool Modify(const platform::TrayIcon& icon) override { return m_target.Modify(icon); }
    bool Delete(uint32_t id) override { return m_target.Delete(id); }
    bool ShowBalloon(uint32_t id, std::u16string_view title, std::u16string_view text,
                     platform::BalloonIcon icon, uint32_t timeoutMs) override {
        return m_target.ShowBalloon(id, title, text, icon, timeoutMs);
    }

private:
    platform::NotificationArea& m_target;
};

class TrayIconTest : public ::testing::Test {
protected:
    std::unique_ptr<CTrayIcon> MakeIcon() {
        auto icon = std::make_unique<CTrayIcon>(std::make_unique<ForwardingArea>(shell));
        icon->SetNotification(kCallback);
        return icon;
    }
    std::vector<Kind> Kinds() const {
        std::vector<Kind> kinds;
        for (const auto& call : shell.calls) {
            kinds.push_back(call.kind);
        }
        return kinds;
    }

    fakes::FakeNotificationArea shell;
};

TEST_F(TrayIconTest, AddsOnceThenChangesAndRemovesOnlyWhatIsShown) {
    auto icon = MakeIcon();
    EXPECT_TRUE(icon->RemoveIcon()) << "nothing shown, nothing to remove";
    EXPECT_TRUE(shell.calls.empty());

    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_SCANNING, u"scanning"));
    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_GOOD, u"Connected to Alpha"));
    EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Add, Kind::Modify}));
    EXPECT_TRUE(icon->IsShown());
    EXPECT_EQ(icon->ShownIcon(), IDI_TRAY_GOOD);
    const platform::TrayIcon& shown = shell.shown.at(CTrayIcon::kIconId);
    EXPECT_EQ(shown.iconResource, IDI_TRAY_GOOD);
    EXPECT_EQ(shown.tooltip, u"Connected to Alpha");
    EXPECT_EQ(shown.callbackMessage, kCallback);

    EXPECT_TRUE(icon->SetIcon(IDI_TRAY_WEAK)) << "no tooltip keeps the one shown";
    EXPECT_EQ(shell.shown.at(CTrayIcon::kIconId).tooltip, u"Connected to Alpha");

    EXPECT_TRUE(icon->RemoveIcon());
    EXPECT_FALSE(icon->IsShown());
    EXPECT_TRUE(shell.shown.empty());
    EXPECT_TRUE(icon->RemoveIcon());
    EXPECT_EQ(shell.calls.size(), 4u) << "a second removal sends nothing";

    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_SCANNING, u"again"));
    EXPECT_EQ(shell.calls.back().kind, Kind::Add) << "removed icons are added again";
}

TEST_F(TrayIconTest, DestructionRemovesTheShownIcon) {
    {
        auto icon = MakeIcon();
        ASSERT_TRUE(icon->SetIcon(IDI_TRAY_SCANNING, u"scanning"));
    }
    EXPECT_TRUE(shell.shown.empty());
    EXPECT_EQ(shell.calls.back().kind, Kind::Delete);
}

TEST_F(TrayIconTest, ARefusedCallIsRepairedByTheNextChange) {
    auto icon = MakeIcon();
    shell.refuse = true; // no taskbar yet
    EXPECT_FALSE(icon->SetIcon(IDI_TRAY_SCANNING, u"scanning"));
    EXPECT_FALSE(icon->IsShown());
    shell.refuse = false;
    EXPECT_TRUE(icon->SetIcon(IDI_TRAY_SCANNING, u"scanning"));
    EXPECT_EQ(shell.calls.back().kind, Kind::Add);
    EXPECT_TRUE(icon->IsShown());

    // A change refused while the shell keeps the old icon: adding is refused next, changing is not.
    shell.refuse = true;
    EXPECT_FALSE(icon->SetIcon(IDI_TRAY_GOOD, u"Connected to Alpha"));
    EXPECT_FALSE(icon->IsShown());
    shell.refuse = false;
    EXPECT_TRUE(icon->SetIcon(IDI_TRAY_GOOD, u"Connected to Alpha"));
    EXPECT_TRUE(icon->IsShown());
    EXPECT_EQ(shell.shown.at(CTrayIcon::kIconId).iconResource, IDI_TRAY_GOOD);
    EXPECT_EQ(shell.shown.at(CTrayIcon::kIconId).tooltip, u"Connected to Alpha");

    // A refused removal still leaves nothing this object could change.
    shell.refuse = true;
    EXPECT_FALSE(icon->RemoveIcon());
    EXPECT_FALSE(icon->IsShown());
}

TEST_F(TrayIconTest, TooltipIsCutToWhatTheShellShows) {
    auto icon = MakeIcon();
    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_GOOD, std::u16string(300, u'n')));
    EXPECT_EQ(shell.calls.back().icon.tooltip.size(), 127u) << "cut before it is handed over";

    // U+1F4F6 is the pair D83D DCF6; its first half would be unit 127.
    std::u16string straddling = std::u16string(126, u'n') + u"\U0001F4F6";
    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_GOOD, straddling));
    EXPECT_EQ(shell.calls.back().icon.tooltip, std::u16string(126, u'n'));
}

TEST_F(TrayIconTest, BalloonGoesUpWithItsTextAndDownWithTheNextChange) {
    auto icon = MakeIcon();
    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_GOOD, u"tip"));
    EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Add})) << "no balloon asked, none sent";

    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_GOOD, u"tip", u"Connected"));
    ASSERT_EQ(shell.calls.back().kind, Kind::Balloon);
    EXPECT_EQ(shell.calls.back().balloon.text, u"Connected");
    EXPECT_EQ(shell.calls.back().balloon.title, u"");
    EXPECT_EQ(shell.calls.back().balloon.timeoutMs, 5000u);

    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_WEAK, u"tip"));
    ASSERT_EQ(shell.calls.back().kind, Kind::Balloon);
    EXPECT_EQ(shell.calls.back().balloon.text, u"") << "the earlier balloon is taken down";
    size_t before = shell.calls.size();
    ASSERT_TRUE(icon->SetIcon(IDI_TRAY_GOOD, u"tip"));
    EXPECT_EQ(shell.calls.size(), before + 1) << "only the icon change";
}

TEST(TrayIconWithoutArea, EveryChangeFailsAndNothingIsShown) {
    CTrayIcon icon(nullptr);
    EXPECT_FALSE(icon.SetIcon(IDI_TRAY_SCANNING, u"scanning"));
    EXPECT_FALSE(icon.IsShown());
    EXPECT_TRUE(icon.RemoveIcon());
}

} // namespace
