// The scan list's rules: what a survey keeps, the exchange sort by every key, the cells of a row, the
// column texts and the side tables.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>

#include "base/Text.h"
#include "networks/NetworkList.h"
#include "networks/NetworkRules.h"

using kernel::BssEntry;
using namespace networks;

namespace {

BssEntry Net(std::u16string_view ssid, uint8_t id, uint8_t modes = 0x01, uint32_t security = 0x1,
             uint32_t caps = 0, uint16_t signal = 50, uint16_t channel = 6, uint32_t type = 0) {
    BssEntry e{};
    base::CopyToField(e.ssid, ssid);
    e.bssid[0] = 0x00;
    e.bssid[5] = id;
    e.radioModes = modes;
    e.security = security;
    e.capabilities = caps;
    e.signal = signal;
    e.channel = channel;
    e.networkType = type;
    return e;
}

std::vector<int> Ids(const std::vector<BssEntry>& entries) {
    std::vector<int> ids;
    for (const BssEntry& e : entries) {
        ids.push_back(e.bssid[5]);
    }
    return ids;
}

TEST(NetworkRules, BandFilterKeepsTheBandsOfTheModeInOrder) {
    const std::vector<BssEntry> all = {Net(u"b", 1, 0x01), Net(u"a", 2, 0x04), Net(u"ba", 3, 0x05),
                                       Net(u"g", 4, 0x02), Net(u"none", 5, 0x00)};
    std::vector<BssEntry> entries = all;
    FilterByBand(entries, 1);
    EXPECT_EQ(Ids(entries), (std::vector<int>{2, 3}));
    entries = all;
    FilterByBand(entries, 2);
    EXPECT_EQ(Ids(entries), (std::vector<int>{1, 3, 4}));
    entries = all;
    FilterByBand(entries, 0);
    EXPECT_EQ(Ids(entries), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(NetworkRules, OnlyTheFirstHiddenNetworkWithTheConnectedAddressIsNamed) {
    kernel::ConnectionStatus connection{};
    base::CopyToField(connection.ssid, u"Attic");
    connection.bssid[5] = 7;
    std::vector<BssEntry> entries = {Net(u"", 3), Net(u"Shown", 7), Net(u"", 7), Net(u"", 7)};
    NameHiddenNetwork(entries, connection);
    EXPECT_EQ(base::FieldText(entries[0].ssid), u"") << "another hidden network stays unnamed";
    EXPECT_EQ(base::FieldText(entries[1].ssid), u"Shown");
    EXPECT_EQ(base::FieldText(entries[2].ssid), u"Attic");
    EXPECT_EQ(base::FieldText(entries[3].ssid), u"");
}

TEST(NetworkRules, CellsFollowTheRadioModesTheFlagsAndTheSecurityRules) {
    RowTexts texts{
        u"WPS!", {u"None", u"WEP", u"P1/P2", u"P1", u"P2", u"R1/R2", u"R1", u"R2"}, u"Infra", u"Adhoc"};
    EXPECT_EQ(ChannelCell(Net(u"x", 1, 0x07)), u"   6(B)");
    EXPECT_EQ(ChannelCell(Net(u"x", 1, 0x06)), u"   6(G)");
    EXPECT_EQ(ChannelCell(Net(u"x", 1, 0x04, 1, 0, 50, 149)), u" 149(A)");
    EXPECT_EQ(ChannelCell(Net(u"x", 1, 0x00)), u"   6");

    EXPECT_TRUE(ShowsN(Net(u"x", 1, 0x05, 1, kernel::kCap80211n), false, true)) << "2.4 GHz flag rules b+a";
    EXPECT_FALSE(ShowsN(Net(u"x", 1, 0x05, 1, kernel::kCap80211n), true, false));
    EXPECT_TRUE(ShowsN(Net(u"x", 1, 0x04, 1, kernel::kCap80211n), true, false));
    EXPECT_FALSE(ShowsN(Net(u"x", 1, 0x00, 1, kernel::kCap80211n), true, true)) << "no band, no N";
    EXPECT_FALSE(ShowsN(Net(u"x", 1, 0x01, 1, 0), true, true));

    const std::pair<uint32_t, std::u16string> security[] = {
        {0x300000, u"P1/P2"}, {0, u""},          {0x3, u"None"},       {0x2, u"WEP"},
        {0x100000, u"P1"},    {0x200000, u"P2"}, {0xC00000, u"R1/R2"}, {0x400000, u"R1"},
        {0x800000, u"R2"},    {0x10, u""}};
    for (const auto& [flags, name] : security) {
        EXPECT_EQ(RowCells(Net(u"x", 1, 1, flags), texts, true, true)[4], name) << std::hex << flags;
    }

    BssEntry adhoc = Net(u"Den", 0xAB, 0x02, 0x1, kernel::kCapWps | kernel::kCap80211n, 7, 11, 1);
    auto cells = RowCells(adhoc, texts, true, true);
    EXPECT_EQ(cells, (std::array<std::u16string, 8>{u"Den", u"  11(G)", u"N", u"WPS!", u"None", u"   7%",
                                                    u"00:00:00:00:00:AB", u"Adhoc"}));
    EXPECT_EQ(RowImage(adhoc), 0);
    EXPECT_EQ(RowImage(Net(u"x", 1)), 1);
    EXPECT_EQ(RowCells(Net(u"x", 1), texts, true, true)[7], u"Infra");
}

// The exchange written out again, over each key's value as the list's users know it.
template <class V>
void ReferenceExchange(std::vector<BssEntry>& e, int order, std::function<V(const BssEntry&)> value) {
    for (size_t i = 0; i + 1 < e.size(); ++i) {
        for (size_t j = i + 1; j < e.size(); ++j) {
            if (order == 0 ? value(e[j]) < value(e[i]) : value(e[i]) < value(e[j])) {
                std::swap(e[i], e[j]);
            }
        }
    }
}

std::u16string AddressText(const BssEntry& e) {
    std::string text;
    for (uint8_t b : e.bssid) {
        char part[8];
        std::snprintf(part, sizeof part, "%02d", b);
        text += part;
    }
    return std::u16string(text.begin(), text.end());
}

TEST(NetworkRules, EachKeySortsBothWaysAsTheExchangeDoes) {
    std::vector<BssEntry> base = {
        Net(u"beta", 1, 1, 0x2, 0x3, 40, 11, 0),         Net(u"Alpha", 2, 4, 0x40001, 0x1, 90, 36, 1),
        Net(u"beta", 3, 2, 0x300000, 0x2, 40, 1, 0),     Net(u"", 4, 1, 0x40003, 0x0, 100, 6, 1),
        Net(u"\u00e9t\u00e9", 5, 1, 0x2, 0x3, 9, 11, 0), Net(u"alpha", 6, 1, 0x1, 0x1, 90, 6, 0)};
    base[0].bssid[4] = 99;
    base[2].bssid[4] = 100; // "100" sorts before "99"
    base[3].bssid[4] = 9;
    base[4].bssid[4] = 10;
    std::vector<std::function<std::u16string(const BssEntry&)>> textKeys = {
        [](const BssEntry& e) { return std::u16string(base::FieldText(e.ssid)); }, AddressText};
    std::vector<std::function<uint32_t(const BssEntry&)>> numberKeys = {
        [](const BssEntry& e) { return e.security == 2 ? 0x40002u : e.security; },
        [](const BssEntry& e) { return e.capabilities; },
        [](const BssEntry& e) { return uint32_t{e.channel}; },
        [](const BssEntry& e) { return uint32_t{e.signal}; },
        [](const BssEntry& e) { return e.networkType; },
        [](const BssEntry& e) { return e.capabilities & 1u; }};
    for (int key = 0; key < kSortKeyCount; ++key) {
        for (int order : {0, 1}) {
            std::vector<BssEntry> expected = base, actual = base;
            if (key < 2) {
                ReferenceExchange<std::u16string>(expected, order, textKeys[static_cast<size_t>(key)]);
            } else {
                ReferenceExchange<uint32_t>(expected, order, numberKeys[static_cast<size_t>(key - 2)]);
            }
            SortEntries(actual, key, order);
            EXPECT_EQ(Ids(actual), Ids(expected)) << "key " << key << " order " << order;
        }
    }
    std::vector<BssEntry> byAddress = base;
    SortEntries(byAddress, 1, 0);
    EXPECT_EQ(Ids(byAddress), (std::vector<int>{2, 6, 4, 3, 5, 1}))
        << "as text: ..09.. < ..100.. < ..10.. < ..99..";
    std::vector<BssEntry> bySecurity = base;
    SortEntries(bySecurity, 2, 0);
    EXPECT_EQ(Ids(bySecurity), (std::vector<int>{6, 2, 5, 1, 4, 3}))
        << "WEP as 0x40002; the two WEP rows end crossed";
}

TEST(NetworkRules, TheAddressSortsAsItsBytesPrintedWithTwoDigitsAtLeast) {
    const uint8_t address[6] = {0, 5, 9, 10, 99, 200};
    EXPECT_EQ(AddressSortText(address), u"00050910"
                                        u"99200");
    const uint8_t high[6] = {100, 255, 1, 0, 0, 0};
    EXPECT_EQ(AddressSortText(high), u"100255"
                                     u"01000000");
}

TEST(NetworkRules, ColumnTextsTakeTheirWidthOrTheDefaultAndTheScale) {
    EXPECT_EQ(ParseColumn(u"Name,145", 1, 1.0).caption, u"Name");
    EXPECT_EQ(ParseColumn(u"Name,145", 1, 1.0).width, 145);
    EXPECT_EQ(ParseColumn(u"Name,145", 1, 1.5).width, 96) << "truncated";
    EXPECT_EQ(ParseColumn(u"Name,145", 1, 0.0).width, 145) << "scale 0 counts as 1";
    for (std::u16string_view broken :
         {u"Name", u"Name,", u"Name,wide", u"Name,-20", u"Name,%s%n", u"Name,0"}) {
        ui::ListColumn column = ParseColumn(broken, 60, 1.0);
        EXPECT_EQ(column.width, 60) << base::NarrowForLog(broken);
        EXPECT_EQ(column.caption, u"Name");
    }
    EXPECT_EQ(ParseColumn(u"A,B,30", 40, 1.0).caption, u"A");
    EXPECT_EQ(ParseColumn(u"A,B,30", 40, 1.0).width, 40);
}

TEST(NetworkList, ASurveyKeepsSixtyFourKnownNetworksAndTheSideTablesPointAtTheirRows) {
    ResetNetworkList();
    std::vector<BssEntry> delivered;
    delivered.push_back(Net(u"odd", 200, 1, 1, 0, 99, 6, 2)); // neither access point nor ad hoc
    for (uint8_t i = 0; i < 80; ++i) {
        delivered.push_back(Net(u"n", i, 1, 1, 0, static_cast<uint16_t>(i), 6, i % 3 == 0 ? 1u : 0u));
    }
    ApplySurvey(delivered, 0, {}, 5, 1);
    std::vector<BssEntry> list = CopyNetworkList();
    ASSERT_EQ(list.size(), 63u) << "the first 64 delivered, less the unknown type";
    EXPECT_EQ(list.front().signal, 62) << "sorted strongest first";

    std::vector<BssEntry> shown = RebuildSideTables();
    std::vector<SideRow> infra = CopyInfraList(), adhoc = CopyAdHocList();
    EXPECT_EQ(infra.size() + adhoc.size(), shown.size());
    for (const std::vector<SideRow>* table : {&infra, &adhoc}) {
        for (const SideRow& row : *table) {
            EXPECT_EQ(std::memcmp(&row.entry, &shown[row.row], sizeof(BssEntry)), 0);
        }
    }
    ASSERT_FALSE(adhoc.empty());
    EXPECT_EQ(AdHocRowOf(adhoc[1].row), 1);
    EXPECT_EQ(AdHocRowOf(infra[0].row), -1);
    ResetNetworkList();
    EXPECT_TRUE(CopyInfraList().empty());
}

} // namespace
