// The tray icon's update on each display refresh, and the tray menu's items for the settings in force.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/AppGlobals.h"
#include "fakes/FakeNotificationArea.h"
#include "mainwnd/CTrayIcon.h"
#include "mainwnd/TrayState.h"
#include "res/MainWndIds.h"

using mainwnd::DecideTrayUpdate;
using mainwnd::TrayAction;

namespace {

const mainwnd::TrayTexts kTexts{u"Connected to ", u"Scanning..."};

kernel::ConnectionStatus Link(std::u16string_view name, uint32_t signal) {
    kernel::ConnectionStatus connection{};
    std::copy(name.begin(), name.end(), connection.ssid);
    connection.bssid[5] = 0x42;
    connection.signalQuality = signal;
    connection.flags = kernel::kConnectionAssociated;
    return connection;
}

kernel::ConnectionStatus NoLink() {
    kernel::ConnectionStatus connection{};
    connection.flags = kernel::kConnectionNotAssociated;
    return connection;
}

TEST(TrayDecision, SignalClassPicksTheIconAtFiftyOne) {
    auto good = DecideTrayUpdate(true, Link(u"Alpha", 51), mainwnd::kTrayUnknown, u"", kTexts, true);
    EXPECT_EQ(good.action, TrayAction::SetIcon);
    EXPECT_EQ(good.icon, IDI_TRAY_GOOD);
    EXPECT_EQ(good.tooltip, u"Connected to Alpha");
    EXPECT_EQ(good.state, mainwnd::kTrayGood);
    EXPECT_EQ(good.name, u"Alpha");

    auto weak = DecideTrayUpdate(true, Link(u"Alpha", 50), good.state, good.name, kTexts, true);
    EXPECT_EQ(weak.action, TrayAction::SetIcon) << "good to weak on the same network";
    EXPECT_EQ(weak.icon, IDI_TRAY_WEAK);
    EXPECT_EQ(weak.tooltip, u"Connected to Alpha");
    EXPECT_EQ(weak.state, mainwnd::kTrayWeak);

    EXPECT_EQ(DecideTrayUpdate(true, Link(u"Alpha", 20), weak.state, weak.name, kTexts, true).action,
              TrayAction::None)
        << "another weak signal changes nothing";
}

TEST(TrayDecision, RoamingInTheSameClassChangesOnlyTheTooltip) {
    auto roamed = DecideTrayUpdate(true, Link(u"Beta", 90), mainwnd::kTrayGood, u"Alpha", kTexts, true);
    EXPECT_EQ(roamed.action, TrayAction::SetIcon);
    EXPECT_EQ(roamed.icon, IDI_TRAY_GOOD);
    EXPECT_EQ(roamed.tooltip, u"Connected to Beta");
    EXPECT_EQ(roamed.state, mainwnd::kTrayGood);
    EXPECT_EQ(roamed.name, u"Beta");
    EXPECT_EQ(DecideTrayUpdate(true, Link(u"Beta", 60), roamed.state, roamed.name, kTexts, true).action,
              TrayAction::None);
}

TEST(TrayDecision, UnknownStateOrAMissingIconForcesTheUpdate) {
    auto forced = DecideTrayUpdate(true, Link(u"Alpha", 80), mainwnd::kTrayUnknown, u"Alpha", kTexts, true);
    EXPECT_EQ(forced.action, TrayAction::SetIcon) << "after an adapter arrival";
    EXPECT_EQ(forced.state, mainwnd::kTrayGood);

    EXPECT_EQ(DecideTrayUpdate(true, Link(u"Alpha", 80), mainwnd::kTrayGood, u"Alpha", kTexts, false).action,
              TrayAction::SetIcon)
        << "an icon the shell lost or refused comes back although nothing changed";
    auto rescan = DecideTrayUpdate(true, NoLink(), mainwnd::kTrayNotConnected, u"Alpha", kTexts, false);
    EXPECT_EQ(rescan.action, TrayAction::SetIcon);
    EXPECT_EQ(rescan.icon, IDI_TRAY_SCANNING);
}

TEST(TrayDecision, LosingTheLinkShowsScanningOnce) {
    for (int from : {mainwnd::kTrayGood, mainwnd::kTrayWeak, mainwnd::kTrayUnknown}) {
        SCOPED_TRACE(from);
        auto lost = DecideTrayUpdate(true, NoLink(), from, u"Alpha", kTexts, true);
        EXPECT_EQ(lost.action, TrayAction::SetIcon);
        EXPECT_EQ(lost.icon, IDI_TRAY_SCANNING);
        EXPECT_EQ(lost.tooltip, u"Scanning...");
        EXPECT_EQ(lost.state, mainwnd::kTrayNotConnected);
        EXPECT_EQ(lost.name, u"Alpha") << "the name last shown stays";
        EXPECT_EQ(DecideTrayUpdate(true, NoLink(), lost.state, lost.name, kTexts, true).action,
                  TrayAction::None);
    }
    // Associated, but with neither a signal nor a name: not connected.
    EXPECT_EQ(DecideTrayUpdate(true, Link(u"", 0), mainwnd::kTrayGood, u"Alpha", kTexts, true).icon,
              IDI_TRAY_SCANNING);
}

TEST(TrayDecision, AbsentAdapterRemovesAShownIconAndKeepsTheMemory) {
    auto gone = DecideTrayUpdate(false, Link(u"Alpha", 80), mainwnd::kTrayWeak, u"Alpha", kTexts, true);
    EXPECT_EQ(gone.action, TrayAction::Remove);
    EXPECT_EQ(gone.state, mainwnd::kTrayWeak);
    EXPECT_EQ(gone.name, u"Alpha");
    EXPECT_EQ(DecideTrayUpdate(false, NoLink(), mainwnd::kTrayWeak, u"Alpha", kTexts, false).action,
              TrayAction::None)
        << "nothing shown, nothing to remove";
}

TEST(TrayDecision, TooltipHasExactlyOneBlankBeforeTheName) {
    for (const char16_t* connected : {u"Connected to", u"Connected to ", u"Connected to   "}) {
        auto decision = DecideTrayUpdate(true, Link(u"Alpha", 80), mainwnd::kTrayUnknown, u"",
                                         {connected, u"Scanning..."}, true);
        EXPECT_EQ(decision.tooltip, u"Connected to Alpha")
            << "from a text of " << std::u16string_view(connected).size() << " units";
    }
    EXPECT_EQ(DecideTrayUpdate(true, Link(u"Alpha", 80), mainwnd::kTrayUnknown, u"", {}, true).tooltip,
              u"Alpha");
}

TEST(TrayDecision, ALinkWithoutANameIsShownButNotRemembered) {
    auto nameless = Link(u"", 70); // a signal and an access point, the name not known yet
    auto decision = DecideTrayUpdate(true, nameless, mainwnd::kTrayNotConnected, u"Alpha", kTexts, true);
    EXPECT_EQ(decision.action, TrayAction::SetIcon);
    EXPECT_EQ(decision.icon, IDI_TRAY_GOOD);
    EXPECT_EQ(decision.state, mainwnd::kTrayNotConnected);
    EXPECT_EQ(decision.name, u"Alpha");
}

TEST(TrayDecision, NameFillingItsWholeFieldIsReadWithinTheField) {
    auto connection = Link(u"", 80);
    std::fill(std::begin(connection.ssid), std::end(connection.ssid), u'w'); // no terminator
    connection.bssid[0] = 0x01;                                              // a string read runs on here
    auto decision = DecideTrayUpdate(true, connection, mainwnd::kTrayUnknown, u"", kTexts, true);
    EXPECT_EQ(decision.name, std::u16string(34, u'w'));
}

class TrayUpdate : public ::testing::Test {
protected:
    TrayUpdate() {
        auto area = std::make_unique<fakes::FakeNotificationArea>();
        shell = area.get();
        icon = std::make_unique<mainwnd::CTrayIcon>(std::move(area));
    }
    void Update(bool adapterPresent, const kernel::ConnectionStatus& connection,
                const mainwnd::TrayTexts& texts = kTexts) {
        mainwnd::UpdateTrayIcon(*icon, adapterPresent, connection, state, name, texts);
    }

    fakes::FakeNotificationArea* shell;
    std::unique_ptr<mainwnd::CTrayIcon> icon;
    int state = mainwnd::kTrayUnknown;
    std::u16string name;
};

TEST_F(TrayUpdate, RefusedIconIsAddedByTheNextUpdate) {
    shell->refuse = true;
    Update(true, Link(u"Alpha", 80));
    EXPECT_FALSE(icon->IsShown());
    EXPECT_EQ(state, mainwnd::kTrayGood);

    shell->refuse = false;
    size_t before = shell->calls.size();
    Update(true, Link(u"Alpha", 80));
    ASSERT_GT(shell->calls.size(), before) << "same link, but the icon is missing";
    EXPECT_EQ(shell->calls[before].kind, fakes::FakeNotificationArea::Call::Kind::Add);
    EXPECT_EQ(shell->shown.at(mainwnd::CTrayIcon::kIconId).iconResource, IDI_TRAY_GOOD);

    before = shell->calls.size();
    Update(true, Link(u"Alpha", 80));
    EXPECT_EQ(shell->calls.size(), before) << "shown and unchanged: no call";
}

TEST_F(TrayUpdate, AdapterRemovalAndReturn) {
    Update(true, NoLink());
    ASSERT_TRUE(icon->IsShown());
    Update(false, NoLink());
    EXPECT_FALSE(icon->IsShown());
    EXPECT_TRUE(shell->shown.empty());
    Update(true, NoLink());
    EXPECT_EQ(shell->shown.at(mainwnd::CTrayIcon::kIconId).iconResource, IDI_TRAY_SCANNING)
        << "back with the adapter although the state was already 2";
}

// Menu.

const mainwnd::TrayMenuTexts kMenuTexts{u"Notify", u"Manage", u"Exit"};

std::vector<uint32_t> Ids(const std::vector<platform::MenuItem>& items) {
    std::vector<uint32_t> ids;
    for (const auto& item : items) {
        ids.push_back(item.id);
    }
    return ids;
}

TEST(TrayMenu, ManageItemOnlyOnVistaAndSeven) {
    for (int osClass : {kOsXp, kOs2003, kOs2000, kOsUnknown}) {
        SCOPED_TRACE(osClass);
        EXPECT_EQ(Ids(mainwnd::TrayMenuItems({osClass, 0, true, true}, kMenuTexts)),
                  (std::vector<uint32_t>{ID_TRAY_INTERNET_NOTICE, ID_TRAY_EXIT}));
    }
    for (int osClass : {kOsVista, kOsVista64}) {
        SCOPED_TRACE(osClass);
        auto items = mainwnd::TrayMenuItems({osClass, 0, true, true}, kMenuTexts);
        ASSERT_EQ(Ids(items),
                  (std::vector<uint32_t>{ID_TRAY_INTERNET_NOTICE, ID_TRAY_UTILITY_MANAGES, ID_TRAY_EXIT}));
        EXPECT_EQ(items[0].text, u"Notify");
        EXPECT_EQ(items[1].text, u"Manage");
        EXPECT_EQ(items[2].text, u"Exit");
        EXPECT_FALSE(items[2].checked);
    }
}

TEST(TrayMenu, CountryDomainFourDropsTheNotificationItem) {
    EXPECT_EQ(Ids(mainwnd::TrayMenuItems({kOsVista, 4, true, true}, kMenuTexts)),
              (std::vector<uint32_t>{ID_TRAY_UTILITY_MANAGES, ID_TRAY_EXIT}));
    for (int domain : {0, 3, 5, 14}) {
        EXPECT_EQ(mainwnd::TrayMenuItems({kOsXp, domain, true, true}, kMenuTexts).front().id,
                  uint32_t{ID_TRAY_INTERNET_NOTICE});
    }
}

TEST(TrayMenu, ChecksFollowTheSettings) {
    auto checked = [](bool showInternet, bool utilityManages) {
        auto items = mainwnd::TrayMenuItems({kOsVista, 0, showInternet, utilityManages}, kMenuTexts);
        return std::make_pair(items[0].checked, items[1].checked);
    };
    EXPECT_EQ(checked(true, false), std::make_pair(true, false));
    EXPECT_EQ(checked(false, true), std::make_pair(false, true));
}

} // namespace
