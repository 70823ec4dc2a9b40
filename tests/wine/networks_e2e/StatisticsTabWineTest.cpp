// The Statistics page of the real program under Wine: the interface row the stand-in's adapter names
// (its InterfaceIndex) is the one whose counters the page shows, as this test reads them itself with
// GetIfEntry, and an index no interface has brings every value back to zero.
#include <windows.h>

#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "wine/networks_e2e/UtilityUnderWine.h"

using namespace networks_e2e;

namespace {

constexpr int kTxRate = 1330;
constexpr int kTxPerSecond = 1331;
constexpr int kTotalTx = 1332;
constexpr int kTxErrors = 1333;
constexpr int kRxRate = 1334;
constexpr int kRxPerSecond = 1335;
constexpr int kTotalRx = 1336;
constexpr int kRxErrors = 1337;

struct Totals {
    unsigned long long tx = 0;
    unsigned long long rx = 0;
    unsigned long long txErrors = 0;
    unsigned long long rxErrors = 0;
};

std::vector<MIB_IFROW> InterfaceRows() {
    ULONG size = 0;
    GetIfTable(nullptr, &size, FALSE);
    std::vector<BYTE> buffer(size);
    auto* table = reinterpret_cast<MIB_IFTABLE*>(buffer.data());
    if (size == 0 || GetIfTable(table, &size, FALSE) != NO_ERROR) {
        return {};
    }
    return std::vector<MIB_IFROW>(table->table, table->table + table->dwNumEntries);
}

bool ReadTotals(DWORD index, Totals& totals) {
    MIB_IFROW row{};
    row.dwIndex = index;
    if (GetIfEntry(&row) != NO_ERROR) {
        return false;
    }
    totals.tx = static_cast<unsigned long long>(row.dwOutUcastPkts) + row.dwOutNUcastPkts;
    totals.rx = static_cast<unsigned long long>(row.dwInUcastPkts) + row.dwInNUcastPkts;
    totals.txErrors = static_cast<unsigned long long>(row.dwOutErrors) + row.dwOutDiscards;
    totals.rxErrors =
        static_cast<unsigned long long>(row.dwInDiscards) + row.dwInErrors + row.dwInUnknownProtos;
    return true;
}

// A whole non-negative decimal number, or -1.
long long Number(const std::wstring& text) {
    if (text.empty() || text.size() > 18) {
        return -1;
    }
    long long value = 0;
    for (wchar_t c : text) {
        if (!std::iswdigit(c)) {
            return -1;
        }
        value = value * 10 + (c - L'0');
    }
    return value;
}

// A rate as the page writes it: digits, a point and two decimals.
bool IsRate(const std::wstring& text) {
    size_t point = text.find(L'.');
    return point != std::wstring::npos && point > 0 && text.size() == point + 3 &&
           Number(text.substr(0, point)) >= 0 && Number(text.substr(point + 1)) >= 0;
}

class StatisticsTab : public UtilityUnderWine {
protected:
    // The busiest interface row with a six-byte hardware address: the page shows nothing for another, and
    // a row without traffic would show zeroes that prove nothing.
    void FindEthernetRow() {
        unsigned long long busiest = 0;
        for (const MIB_IFROW& row : InterfaceRows()) {
            unsigned long long packets = static_cast<unsigned long long>(row.dwInUcastPkts) +
                                         row.dwInNUcastPkts + row.dwOutUcastPkts + row.dwOutNUcastPkts;
            if (row.dwPhysAddrLen == 6 && packets > busiest) {
                busiest = packets;
                m_index = row.dwIndex;
            }
        }
        ASSERT_GT(busiest, 0u) << "no interface row with a six-byte address has seen traffic";
    }

    DWORD UnusedIndex() {
        DWORD highest = 0;
        for (const MIB_IFROW& row : InterfaceRows()) {
            highest = std::max(highest, row.dwIndex);
        }
        return highest + 1000;
    }

    static std::string World(DWORD interfaceIndex) {
        return "[World]\r\nScanDelay=500\r\nAssociateDelay=200\r\nAddressDelay=200\r\nLinkPeriod=0\r\n"
               "[Adapter]\r\nPresent=1\r\nInterfaceIndex=" +
               std::to_string(interfaceIndex) + "\r\n";
    }

    // The page's value lies between what the row said before and after the page was read: its sample was
    // taken in between. Counters only grow in the seconds a test lasts.
    bool ShowsRowBetween(const Totals& before, Totals& after) {
        long long tx = Number(Text(kTotalTx));
        long long rx = Number(Text(kTotalRx));
        long long txErrors = Number(Text(kTxErrors));
        long long rxErrors = Number(Text(kRxErrors));
        if (!ReadTotals(m_index, after)) {
            return false;
        }
        auto within = [](long long shown, unsigned long long low, unsigned long long high) {
            return shown >= 0 && static_cast<unsigned long long>(shown) >= low &&
                   static_cast<unsigned long long>(shown) <= high;
        };
        return within(tx, before.tx, after.tx) && within(rx, before.rx, after.rx) &&
               within(txErrors, before.txErrors, after.txErrors) &&
               within(rxErrors, before.rxErrors, after.rxErrors);
    }

    std::string Shown() {
        std::string text;
        for (int id :
             {kTxRate, kTxPerSecond, kTotalTx, kTxErrors, kRxRate, kRxPerSecond, kTotalRx, kRxErrors}) {
            text += " [" + Narrow(Text(id)) + "]";
        }
        return text;
    }

    bool ShowsZeroes() {
        return Text(kTxRate) == L"0.00" && Text(kRxRate) == L"0.00" && Text(kTxPerSecond) == L"0" &&
               Text(kRxPerSecond) == L"0" && Text(kTotalTx) == L"0" && Text(kTotalRx) == L"0" &&
               Text(kTxErrors) == L"0" && Text(kRxErrors) == L"0";
    }

    DWORD m_index = 0;
};

TEST_F(StatisticsTab, ShowsTheTotalsOfTheInterfaceRowTheAdapterNames) {
    ASSERT_NO_FATAL_FAILURE(FindEthernetRow());
    WriteScenario(L"statistics.ini", World(m_index));
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(ShowPage(kStatisticsTab, kTotalTx));
    Totals before;
    ASSERT_TRUE(ReadTotals(m_index, before));
    Totals after;
    EXPECT_TRUE(WaitFor([&] { return ShowsRowBetween(before, after); }, 10000))
        << "the page shows" << Shown() << "; row " << m_index << " went from tx " << before.tx << " rx "
        << before.rx << " errors " << before.txErrors << "/" << before.rxErrors << " to tx " << after.tx
        << " rx " << after.rx << " errors " << after.txErrors << "/" << after.rxErrors;
    EXPECT_TRUE(IsRate(Text(kTxRate))) << Shown();
    EXPECT_TRUE(IsRate(Text(kRxRate))) << Shown();
    EXPECT_GE(Number(Text(kTxPerSecond)), 0) << Shown();
    EXPECT_GE(Number(Text(kRxPerSecond)), 0) << Shown();
    SavePicture(L"statistics-tab");
}

TEST_F(StatisticsTab, ALoadNamingAnIndexNoInterfaceHasGivesZeroes) {
    ASSERT_NO_FATAL_FAILURE(FindEthernetRow());
    WriteScenario(L"statistics.ini", World(m_index));
    std::wstring unused = WriteScenario(L"unused-index.ini", World(UnusedIndex()), false);
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(ShowPage(kStatisticsTab, kTotalTx));
    // First the row's own numbers, so that the zeroes below are a change.
    ASSERT_TRUE(WaitFor([&] { return Number(Text(kTotalTx)) + Number(Text(kTotalRx)) > 0; }, 10000))
        << Shown();
    ASSERT_EQ(Skyctl(L"load \"" + unused + L"\""), 0);
    EXPECT_TRUE(WaitFor([&] { return ShowsZeroes(); }, 10000)) << "the page shows" << Shown();
}

} // namespace
