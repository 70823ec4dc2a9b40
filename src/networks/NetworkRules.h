// The rules the scan list follows, as pure functions over entries: which entries a survey keeps, how
// they sort, and what each cell of a row of the Networks tab says. The list and the wizard share them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/BssEntry.h"
#include "kernel/StatusRecords.h"
#include "ui/Types.h"

namespace networks {

// --- what a survey keeps ---

// The number of entries to read from what GetNetWorkList reported: never more than the list holds.
uint32_t ClampDelivered(uint32_t reported);
// Entries that are neither an access point (0) nor an ad-hoc network (1) have no row to show; they are
// dropped so that row i stays entry i.
void DropUnknownTypes(std::vector<kernel::BssEntry>& entries);
// Band mode 1 keeps 802.11a networks, 2 keeps 802.11b/g networks, 0 keeps all, in their order. A mode
// nobody sets (anything else) filters nothing rather than empty the list.
void FilterByBand(std::vector<kernel::BssEntry>& entries, int bandMode);
// The first entry without a name whose address is the current connection's gets that connection's
// name; the service does not tell the name of a hidden network, but we know the one we are on.
void NameHiddenNetwork(std::vector<kernel::BssEntry>& entries, const kernel::ConnectionStatus& connection);

// --- sorting ---

constexpr int kSortKeyCount = 8;
// Compares two entries by a sort key (0 name, 1 address text, 2 security, 3 capabilities, 4 channel,
// 5 signal, 6 network type, 7 the 802.11n flag): negative, 0 or positive. An unknown key finds all equal.
int CompareEntries(const kernel::BssEntry& a, const kernel::BssEntry& b, int key);
// The exchange sort every caller relies on: each position against every later one, swapped when out of
// order (order 0 ascending, any other descending); equal keys are never swapped.
void SortEntries(std::vector<kernel::BssEntry>& entries, int key, int order);
// The address as sort key 1 compares it: each byte "%02d", joined ("100" sorts before "99").
std::u16string AddressSortText(const uint8_t (&bssid)[6]);
// The sort key of a list column, -1 for a column that has none.
int SortKeyOfColumn(int column);

// --- the cells of a row ---

constexpr int kColumnCount = 8;

// Security names in the order of the rules: None, WEP, WPA-PSK/WPA2-PSK, WPA-PSK, WPA2-PSK,
// WPA-Radius/WPA2-Radius, WPA-Radius, WPA2-Radius.
enum class SecurityName {
    None,
    Wep,
    WpaWpa2Psk,
    WpaPsk,
    Wpa2Psk,
    WpaWpa2Radius,
    WpaRadius,
    Wpa2Radius,
    Unknown
};

// The texts a row uses, as the language file gives them.
struct RowTexts {
    std::u16string wps;
    std::array<std::u16string, 8> security; // indexed by SecurityName
    std::u16string infrastructure;
    std::u16string adHoc;
};

SecurityName SecurityOf(uint32_t securityFlags);
// "%4d" with the suffix of the first radio mode seen: (B), (G), (A).
std::u16string ChannelCell(const kernel::BssEntry& entry);
// "N" when the network offers 802.11n and our profile allows it on the network's band.
bool ShowsN(const kernel::BssEntry& entry, bool ht5G, bool ht24G);
// Image 1 for an access point, 0 for an ad-hoc network, -1 for anything else.
int RowImage(const kernel::BssEntry& entry);
// The eight cells in column order (name, channel, N, WPS, security, signal, address, type).
std::array<std::u16string, kColumnCount> RowCells(const kernel::BssEntry& entry, const RowTexts& texts,
                                                  bool ht5G, bool ht24G);

// --- columns ---

// Language key and default ("caption,width") of each column, in column order.
struct ColumnKey {
    std::u16string_view key;
    std::u16string_view defaultText;
};
const std::array<ColumnKey, kColumnCount>& ColumnKeys();
// A column from its "caption,width" text: the caption is what stands before the first comma, the width
// the number after it divided by `scale` (0 or less counts as 1) and truncated. A text whose width is
// missing or not a positive number takes `defaultWidth` instead.
ui::ListColumn ParseColumn(std::u16string_view text, int defaultWidth, double scale);

} // namespace networks
