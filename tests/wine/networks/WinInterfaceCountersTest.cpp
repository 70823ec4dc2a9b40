// The interface-row reader against the IP helper library itself: a row the system lists reads as the
// system's own GetIfEntry reads it, and an index nobody uses fails.
#include <iphlpapi.h>
#include <windows.h>
#include <winsock2.h>

#include <gtest/gtest.h>

#include <vector>

#include "networks/win32/WinInterfaceCounters.h"

namespace {

std::vector<MIB_IFROW> SystemRows() {
    ULONG size = 0;
    std::vector<MIB_IFROW> rows;
    if (GetIfTable(nullptr, &size, FALSE) != ERROR_INSUFFICIENT_BUFFER) {
        return rows;
    }
    std::vector<unsigned char> buffer(size);
    auto* table = reinterpret_cast<MIB_IFTABLE*>(buffer.data());
    if (table == nullptr || GetIfTable(table, &size, FALSE) != NO_ERROR) {
        return rows;
    }
    rows.assign(table->table, table->table + table->dwNumEntries);
    return rows;
}

MIB_IFROW EntryOf(DWORD index) {
    MIB_IFROW row{};
    row.dwIndex = index;
    EXPECT_EQ(GetIfEntry(&row), static_cast<DWORD>(NO_ERROR)) << "index " << index;
    return row;
}

// Counters move while the test reads them: ours must lie between a reading before and one after,
// unless the counter wrapped in between.
void ExpectBetween(DWORD before, uint32_t ours, DWORD after, const char* name) {
    if (after < before) {
        return;
    }
    EXPECT_GE(ours, before) << name;
    EXPECT_LE(ours, after) << name;
}

TEST(WinInterfaceCounters, ARowTheSystemListsReadsAsGetIfEntryReadsIt) {
    std::vector<MIB_IFROW> rows = SystemRows();
    ASSERT_FALSE(rows.empty()) << "GetIfTable lists no interface";
    networks::win32::WinInterfaceCounters counters;
    for (const MIB_IFROW& listed : rows) {
        SCOPED_TRACE(listed.dwIndex);
        MIB_IFROW before = EntryOf(listed.dwIndex);
        platform::InterfaceRow ours;
        ours.physicalAddressLength = 0xDEADBEEF; // a field the reader forgot would show
        ASSERT_TRUE(counters.ReadRow(listed.dwIndex, ours));
        MIB_IFROW after = EntryOf(listed.dwIndex);
        EXPECT_EQ(ours.physicalAddressLength, after.dwPhysAddrLen);
        ExpectBetween(before.dwInOctets, ours.inOctets, after.dwInOctets, "in octets");
        ExpectBetween(before.dwOutOctets, ours.outOctets, after.dwOutOctets, "out octets");
        ExpectBetween(before.dwInUcastPkts, ours.inUnicastPackets, after.dwInUcastPkts, "in unicast");
        ExpectBetween(before.dwOutUcastPkts, ours.outUnicastPackets, after.dwOutUcastPkts, "out unicast");
        ExpectBetween(before.dwInNUcastPkts, ours.inNonUnicastPackets, after.dwInNUcastPkts,
                      "in non-unicast");
        ExpectBetween(before.dwOutNUcastPkts, ours.outNonUnicastPackets, after.dwOutNUcastPkts,
                      "out non-unicast");
        ExpectBetween(before.dwInDiscards, ours.inDiscards, after.dwInDiscards, "in discards");
        ExpectBetween(before.dwInErrors, ours.inErrors, after.dwInErrors, "in errors");
        ExpectBetween(before.dwInUnknownProtos, ours.inUnknownProtocols, after.dwInUnknownProtos, "unknown");
        ExpectBetween(before.dwOutDiscards, ours.outDiscards, after.dwOutDiscards, "out discards");
        ExpectBetween(before.dwOutErrors, ours.outErrors, after.dwOutErrors, "out errors");
    }
}

TEST(WinInterfaceCounters, AnUnusedIndexFailsAndLeavesTheRow) {
    DWORD unused = 1000;
    for (const MIB_IFROW& listed : SystemRows()) {
        if (listed.dwIndex >= unused) {
            unused = listed.dwIndex + 1;
        }
    }
    networks::win32::WinInterfaceCounters counters;
    platform::InterfaceRow row;
    row.inOctets = 12345;
    EXPECT_FALSE(counters.ReadRow(unused, row));
    EXPECT_EQ(row.inOctets, 12345u);
}

} // namespace
