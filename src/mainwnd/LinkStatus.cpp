#include "mainwnd/LinkStatus.h"

#include <mutex>

std::atomic<bool> g_bInternetReachable{false};

namespace mainwnd {
namespace {

std::mutex s_recordsMutex;
LinkRecords s_records;

bool NonZero(const uint8_t* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (bytes[i] != 0) {
            return true;
        }
    }
    return false;
}

} // namespace

void RefreshLinkRecords(kernel::IWirelessKernel& kernel) {
    // Read outside the lock: the library may call back into a receiver that wants a copy.
    LinkRecords fresh{};
    kernel.ReadAdapterState(&fresh.adapter);
    kernel.ReadConnection(&fresh.connection);
    kernel.ReadIpInfo(&fresh.address);
    // A name of exactly 34 units arrives without its terminator; everything downstream reads a string.
    fresh.connection.ssid[kernel::kSsidUnits - 1] = u'\0';
    std::lock_guard lock(s_recordsMutex);
    s_records = fresh;
}

kernel::ConnectionStatus RefreshConnection(kernel::IWirelessKernel& kernel) {
    kernel::ConnectionStatus connection{};
    kernel.ReadConnection(&connection);
    connection.ssid[kernel::kSsidUnits - 1] = u'\0';
    std::lock_guard lock(s_recordsMutex);
    s_records.connection = connection;
    return connection;
}

LinkRecords CopyLinkRecords() {
    std::lock_guard lock(s_recordsMutex);
    return s_records;
}

void ClearLinkRecords() {
    std::lock_guard lock(s_recordsMutex);
    s_records = LinkRecords{};
}

bool IsConnected(const kernel::ConnectionStatus& connection) {
    if ((connection.flags & kernel::kConnectionAssociated) == 0) {
        return false;
    }
    bool named = connection.ssid[0] != u'\0';
    bool signal = connection.signalQuality != 0;
    bool accessPoint = NonZero(connection.bssid, sizeof connection.bssid);
    return (named || signal) && (accessPoint || signal);
}

bool IsNotAssociated(const kernel::ConnectionStatus& connection) {
    if ((connection.flags & kernel::kConnectionNotAssociated) != 0) {
        return true;
    }
    return connection.ssid[0] == u'\0' && connection.bssid[0] == 0;
}

void ResetLinkStatus() {
    ClearLinkRecords();
    g_bInternetReachable = false;
}

} // namespace mainwnd
