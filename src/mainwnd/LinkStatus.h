// The process-wide status records the service library fills on request (adapter state, connection,
// address) and the flags the main window derives from them. The library's thread, the main window's
// workers and the window itself all read them, so the records are refreshed and copied under one lock
// and the flags are atomic.
#pragma once

#include <atomic>
#include <cstdint>

#include "kernel/IWirelessKernel.h"
#include "kernel/StatusRecords.h"

namespace mainwnd {

struct LinkRecords {
    kernel::AdapterState adapter{};
    kernel::ConnectionStatus connection{};
    kernel::IpInfo address{};
};

// Re-reads the three records from the library (ReadAdapterState, ReadConnection, ReadIpInfo).
void RefreshLinkRecords(kernel::IWirelessKernel& kernel);
// Only the connection record (the fallback's check).
kernel::ConnectionStatus RefreshConnection(kernel::IWirelessKernel& kernel);
LinkRecords CopyLinkRecords();
// Marks the adapter absent in the copy the window draws from (the library is not asked).
void ClearLinkRecords();

// The link as the tray and the status area count it: associated, with a name or a signal, and with an
// access point address or a signal.
bool IsConnected(const kernel::ConnectionStatus& connection);
// Not associated as the profile fallback counts it.
bool IsNotAssociated(const kernel::ConnectionStatus& connection);

// Back to the state before start-up (tests).
void ResetLinkStatus();

} // namespace mainwnd

// Whether the library last reported the Internet reachable (cleared when the address goes away, before
// each connect and when the adapter goes).
extern std::atomic<bool> g_bInternetReachable;
