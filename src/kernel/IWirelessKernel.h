// The wireless service library's interface object, reached through g_pnKernel. Every radio
// operation and every registry write of the program goes through it. The virtual-table order is the
// binary contract with Skyvane.dll: every slot from 0 to 66 is declared in order, and the slots the
// program never calls are reserved placeholders that keep the table aligned.
#pragma once

#include <cstdint>

#include "kernel/AdapterConfig.h"
#include "kernel/BssEntry.h"
#include "kernel/ConnectionBlock.h"
#include "kernel/INotificationReceiver.h"
#include "kernel/StatusRecords.h"
#include "kernel/WpsRequest.h"

namespace kernel {

constexpr uint32_t kHiveLocalMachine = 0x80000002;

class IWirelessKernel {
public:
    virtual int32_t Start() = 0; // 0: called once, 100 ms before the first AddReceiver
    virtual int32_t AddReceiver(INotificationReceiver* receiver) = 0; // 1: events start reaching the receiver
    virtual int32_t
    RemoveReceiver(INotificationReceiver* receiver) = 0; // 2: no call reaches the receiver after this returns
    virtual int32_t Reserved3() { return 0; }            // 3
    virtual int32_t Reserved4() { return 0; }            // 4
    virtual int32_t Reserved5() { return 0; }            // 5
    virtual int32_t Reserved6() { return 0; }            // 6
    virtual int32_t Reserved7() { return 0; }            // 7
    virtual int32_t
    SetInternetCheck(uint32_t which,
                     uint32_t on) = 0;         // 8: which is 1; reachability is reported only while on
    virtual int32_t Reserved9() { return 0; }  // 9
    virtual int32_t Reserved10() { return 0; } // 10
    virtual uint32_t GetZeroConfigState() = 0; // 11: low byte 1: Windows zero configuration owns the adapter
    virtual int32_t WpsFailureCheck() = 0;     // 12: only the sign is used
    virtual int32_t GetAdapterConfig(AdapterConfig* config) = 0;  // 13
    virtual int32_t ReadAdapterState(AdapterState* state) = 0;    // 14
    virtual int32_t ReadConnection(ConnectionStatus* status) = 0; // 15
    virtual int32_t ReadIpInfo(IpInfo* info) = 0;                 // 16
    virtual int32_t
    GetNetWorkList(BssEntry* list,
                   uint32_t* count) = 0;       // 17: count in: slots of list; out: entries delivered
    virtual int32_t Reserved18() { return 0; } // 18
    virtual int32_t SetRegionCode(uint32_t regionCode) = 0; // 19
    virtual int32_t ZeroConfigControl(
        uint32_t windowsManages) = 0; // 20: 0: Windows stops managing the adapter; 1: it manages it again
    virtual int32_t Reserved21() { return 0; }              // 21
    virtual int32_t Reserved22() { return 0; }              // 22
    virtual int32_t Reserved23() { return 0; }              // 23
    virtual int32_t Reserved24() { return 0; }              // 24
    virtual int32_t Reserved25() { return 0; }              // 25
    virtual int32_t Reserved26() { return 0; }              // 26
    virtual int32_t Reserved27() { return 0; }              // 27
    virtual int32_t StartSiteSurvey(uint32_t reserved) = 0; // 28: the end comes as OnWKSiteSurveyed
    virtual int32_t Reserved29() { return 0; }              // 29
    virtual int32_t ConnectWithBlock(const ConnectionBlock* block) = 0; // 30: association starts
    virtual int32_t Disconnect() = 0;                                   // 31
    virtual int32_t Reserved32() { return 0; }                          // 32
    virtual int32_t InitConnectionBlock(ConnectionBlock* block) = 0;    // 33: adapter defaults
    virtual int32_t Reserved34() { return 0; }                          // 34
    virtual int32_t WpsPrepare() = 0;                 // 35: called immediately before every WpsStart
    virtual int32_t WpsStop() = 0;                    // 36
    virtual int32_t WpsStart(WpsRequest request) = 0; // 37: results arrive only as status codes
    virtual int32_t WpsAbort() = 0;                   // 38: may block
    virtual uint32_t WpsQuery() = 0;                  // 39: low byte tested as a flag
    virtual uint32_t WpsStartTick() = 0;              // 40: tick count at which the current exchange started
    virtual int32_t WpsGetApName(char16_t* buffer, uint32_t units) = 0; // 41
    virtual int32_t WpsGetResult(ConnectionBlock* block) = 0;           // 42
    virtual int32_t WpsGetApList(BssEntry* list, uint32_t* count) = 0;  // 43: 0 on success
    virtual int32_t WpsGetPin(char16_t* buffer, uint32_t units) = 0;    // 44: the adapter's 8-digit PIN
    virtual int32_t Reserved45() { return 0; }                          // 45
    virtual int32_t Reserved46() { return 0; }                          // 46
    virtual int32_t Reserved47() { return 0; }                          // 47
    virtual int32_t Reserved48() { return 0; }                          // 48
    virtual int32_t Reserved49() { return 0; }                          // 49
    virtual int32_t Reserved50() { return 0; }                          // 50
    virtual int32_t Reserved51() { return 0; }                          // 51
    virtual int32_t Reserved52() { return 0; }                          // 52
    virtual int32_t Reserved53() { return 0; }                          // 53
    virtual int32_t Reserved54() { return 0; }                          // 54
    virtual int32_t Reserved55() { return 0; }                          // 55
    virtual int32_t Reserved56() { return 0; }                          // 56
    virtual int32_t Reserved57() { return 0; }                          // 57
    virtual int32_t Reserved58() { return 0; }                          // 58
    virtual int32_t RegSetString(const char16_t* keyPath, const char16_t* valueName, const char16_t* text,
                                 uint32_t hive, uint32_t reserved) = 0; // 59: creates a missing key
    virtual int32_t Reserved60() { return 0; }                          // 60
    virtual int32_t RegSetDword(const char16_t* keyPath, const char16_t* valueName, uint32_t value,
                                uint32_t hive, uint32_t reserved) = 0; // 61: creates a missing key
    virtual int32_t Reserved62() { return 0; }                         // 62
    virtual int32_t Reserved63() { return 0; }                         // 63
    virtual int32_t RegDeleteKeyTree(const char16_t* keyPath, uint32_t hive,
                                     uint32_t reserved) = 0; // 64: 0 on success
    virtual int32_t RegDeleteNamedValue(const char16_t* keyPath, const char16_t* valueName, uint32_t hive,
                                        uint32_t reserved) = 0; // 65
    virtual int32_t GrantKeyAccess(const char16_t* keyPath, uint32_t reserved,
                                   uint32_t hive) = 0; // 66: the key becomes readable

protected:
    ~IWirelessKernel() = default;
};

// The export of the library: no arguments, returns the one interface object.
using GetSkyvaneInstanceFn = IWirelessKernel* (*)();

} // namespace kernel
