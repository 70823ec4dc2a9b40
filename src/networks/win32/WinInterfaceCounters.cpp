#include "networks/win32/WinInterfaceCounters.h"

// <winsock2.h> before <windows.h>, as the IP helper headers want.
#include <iphlpapi.h>
#include <windows.h>
#include <winsock2.h>

namespace networks::win32 {

bool WinInterfaceCounters::ReadRow(uint32_t interfaceIndex, platform::InterfaceRow& row) {
    MIB_IFROW entry{};
    entry.dwIndex = interfaceIndex;
    if (GetIfEntry(&entry) != NO_ERROR) {
        return false;
    }
    row.inOctets = entry.dwInOctets;
    row.inUnicastPackets = entry.dwInUcastPkts;
    row.inNonUnicastPackets = entry.dwInNUcastPkts;
    row.inDiscards = entry.dwInDiscards;
    row.inErrors = entry.dwInErrors;
    row.inUnknownProtocols = entry.dwInUnknownProtos;
    row.outOctets = entry.dwOutOctets;
    row.outUnicastPackets = entry.dwOutUcastPkts;
    row.outNonUnicastPackets = entry.dwOutNUcastPkts;
    row.outDiscards = entry.dwOutDiscards;
    row.outErrors = entry.dwOutErrors;
    row.physicalAddressLength = entry.dwPhysAddrLen;
    return true;
}

} // namespace networks::win32
