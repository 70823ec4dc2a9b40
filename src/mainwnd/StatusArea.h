// The main window's status area (control 1013): what the link looks like, decided here and drawn by a
// canvas control. Everything is a pure function of the records copied for one refresh, so the layout is
// tested without a window.
//
// Layout for a canvas of about 440 x 56 pixels, three lines:
//   network name (bold; "Bar_Scan" while not connected)          "Bar_Signal" [8 segments]
//   BSSID                 address (or "Bar_0103")   "Bar_0101" (only with a usable address)
//   "Bar_0102" (while shown)                                 rate "Bar_Mbps"    "Ch:" channel
// Right-hand parts keep to the right edge at other widths; a text that does not fit ends in an ellipsis.
// The face is the language's drawing face (Arial, or the face of the Chinese, Korean or Japanese script)
// at 9 points; German, Greek, Russian, Hungarian and Slovenian (language indexes 1, 10, 12, 14 and 16) run
// longest, so they get 8 points and a wider link column.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "kernel/StatusRecords.h"
#include "mainwnd/LinkStatus.h"
#include "ui/Picture.h"

namespace mainwnd {

// The "MAIN" texts the status area shows, as the language file gives them. They are never used as a
// format: a translation is untrusted.
struct StatusAreaTexts {
    std::u16string router = u"Connected to Router";     // "Bar_0101"
    std::u16string internet = u"Connected to Internet"; // "Bar_0102"
    std::u16string noAddress = u"_ . _ . _ . _";        // "Bar_0103"
    std::u16string signal = u"Signal";                  // "Bar_Signal"
    std::u16string scanning = u"Scanning...";           // "Bar_Scan"
    std::u16string unknown = u"UnKnown";                // "Bar_UnKnown": connected to a network with no name
    std::u16string mbps = u"Mbps";                      // "Bar_Mbps"
};

struct StatusAreaInput {
    LinkRecords records;
    bool connected = false;     // IsConnected(records.connection), as the tray counts it
    bool internetShown = false; // InternetPartShown() for this refresh
    bool adapterPresent = true; // without an adapter nothing is scanning: no scanning text
    int languageIndex = 0;
    int osClass = 0;
    bool adapterIdle = false; // GetAdapterConfig reported the adapter idle
};

constexpr int kSignalSegments = 8;

// "%02X:%02X:%02X:%02X:%02X:%02X".
std::u16string FormatBssid(const uint8_t (&bssid)[6]);
// "%d.%d.%d.%d", first byte first.
std::u16string FormatAddress(const uint8_t (&address)[4]);
// 0.0.0.0 (none yet) or 169.254.x.x (the system's own fallback): no router gave an address. The link text
// is then "Bar_0103" in place of the address, else the address and "Bar_0101".
bool IsAddressUnusable(const kernel::IpInfo& info);
// 0.0.0.0 clears the Internet-reachable flag; the refresh that draws does that, not the drawing.
bool IsAddressUnset(const kernel::IpInfo& info);
// The larger of the two rates, in tenths of Mbps: "54" for 540, "54.5" for 545, "72.2" for 722 (short
// guard-interval rates are not halves), then a blank and the unit. A rate of 0 is not known yet and shows
// nothing.
std::u16string FormatRate(uint32_t txTenths, uint32_t rxTenths, std::u16string_view mbps);
// "Ch:6", or "Ch:36,40" with a second channel; channel 0 is not known yet and shows nothing.
std::u16string FormatChannel(uint32_t channel, uint32_t secondChannel);
// The signal in percent the segments show: on OsClass 8 and 9 an idle adapter reports it in the second
// signal member.
uint32_t DisplayedSignal(const kernel::ConnectionStatus& connection, int osClass, bool adapterIdle);
// Lit segments: signal / 12.5 rounded down, at most 8; none while not connected.
int LitSegments(uint32_t signalPercent, bool connected);
// The network name as shown: up to the terminator or the field's end, control characters (which would
// split the control's text into lines) shown as '?'; "Bar_UnKnown" when empty.
std::u16string DisplayedNetworkName(const kernel::ConnectionStatus& connection, const StatusAreaTexts& texts);

// Whether the Internet part is drawn on this refresh: while reachable, and during a refresh sequence only
// on the even refreshes, so that it blinks and the sequence's last (eighth) refresh leaves it on.
bool InternetPartShown(bool reachable, bool inRefreshSequence, int refreshCount);

ui::Picture BuildStatusPicture(const StatusAreaInput& input, const StatusAreaTexts& texts, int width,
                               int height);

} // namespace mainwnd
