// The record that starts a WPS exchange (312 bytes, passed by value to WpsStart).
#pragma once

#include <cstddef>
#include <cstdint>

namespace kernel {

constexpr uint16_t kWpsMethodPushButton = 1;
constexpr uint16_t kWpsMethodAdapterPin = 2;
constexpr uint16_t kWpsMethodApPin = 16;

struct WpsRequest {
    uint16_t method;            // 0
    uint8_t marker;             // 2: always 0x80
    uint8_t reserved3;          // 3
    char16_t pin[10];           // 4: 8 digits, terminated; empty for push button
    char16_t ssid[34];          // 24: selected network; empty for push button
    uint8_t bssid[6];           // 92: zero for push button
    uint16_t blockValue;        // 98: the value after the BSSID in the working block, passed through
    char16_t newSsid[34];       // 100: AP PIN only: "ORVL_" and 8 random characters
    uint32_t newSecurity;       // 168: AP PIN only: 0x00100004
    uint32_t newFlags;          // 172: AP PIN only: 0x00010000
    char16_t newPassphrase[66]; // 176: AP PIN only
    uint32_t reserved308;       // 308
};

static_assert(sizeof(WpsRequest) == 312);
static_assert(offsetof(WpsRequest, method) == 0);
static_assert(offsetof(WpsRequest, marker) == 2);
static_assert(offsetof(WpsRequest, pin) == 4);
static_assert(offsetof(WpsRequest, ssid) == 24);
static_assert(offsetof(WpsRequest, bssid) == 92);
static_assert(offsetof(WpsRequest, blockValue) == 98);
static_assert(offsetof(WpsRequest, newSsid) == 100);
static_assert(offsetof(WpsRequest, newSecurity) == 168);
static_assert(offsetof(WpsRequest, newFlags) == 172);
static_assert(offsetof(WpsRequest, newPassphrase) == 176);
static_assert(offsetof(WpsRequest, reserved308) == 308);

// Status codes of OnWKWPSStatus.
constexpr uint32_t WPS_ST_HW_BUTTON = 0x0005;
constexpr uint32_t WPS_ST_HW_CANCEL = 0x0006;
constexpr uint32_t KWL_WPS_STARTING = 0x0010;
constexpr uint32_t KWL_WPS_SCANNING = 0x0020;
constexpr uint32_t KWL_WPS_SCANNED = 0x0028;
constexpr uint32_t KWL_WPS_ASSOCIATING = 0x0030;
constexpr uint32_t KWL_WPS_ASSOCIATED = 0x0038;
constexpr uint32_t KWL_WPS_START_PROTOCOL = 0x0100;
constexpr uint32_t KWL_WPS_EAP_M1 = 0x0110;
constexpr uint32_t KWL_WPS_EAP_M8 = 0x0180;
constexpr uint32_t KWL_WPS_CARD_RESTARTING = 0x1000;
constexpr uint32_t KWL_WPS_CARD_RESTARTED = 0x1010;
constexpr uint32_t KWL_WPS_SUCCESS = 0x8000;
constexpr uint32_t KWL_WPS_FAILURE = 0x8001;
constexpr uint32_t KWL_WPS_CANCELLED = 0x8002;
constexpr uint32_t KWL_WPS_TIMEOUT = 0x8003;
constexpr uint32_t KWL_WPS_NO_AP_FOUND = 0x8004;
constexpr uint32_t KWL_WPS_MANY_APS_IN_PB_MODE = 0x8005;

// The name of a status code for debug lines; null for a code the table lacks.
const char16_t* WpsStatusName(uint32_t code);

} // namespace kernel
