// The network list page's rules as pure functions over scan entries: which networks it offers, the
// cells of a row, the hidden-network marks, its column-to-sort-key map and what a chosen entry puts
// into the wizard's connection block.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "kernel/BssEntry.h"
#include "networks/NetworkRules.h"
#include "ui/Types.h"
#include "wizard/WizardState.h"

namespace wizard {

constexpr int kListColumnCount = 5;

// The wizard connects to access points with a key or none; ad-hoc and 802.1X networks are left to the
// Settings tab.
bool ListOffers(const kernel::BssEntry& entry);

// Sets the mark of a hidden network's security: open first, else WEP, else WPA-PSK and WPA2-PSK (both
// when it offers both).
void MarkHiddenNetwork(HiddenMarks& marks, uint32_t securityFlags);

// Name, "N", WPS mark, security name (the Networks tab's rules) and the signal ("%3d%%").
std::array<std::u16string, kListColumnCount>
ListRowCells(const kernel::BssEntry& entry, const networks::RowTexts& texts, bool ht5G, bool ht24G);

// The sort key (networks::CompareEntries) of a column of this list, -1 for none.
int ListSortKeyOfColumn(int column);

// The arrow the header shows for the order the rows now have (0 ascending, else descending).
ui::SortArrow ListSortArrow(int order);

// Language key and default ("caption,width" in pixels) of each column.
const std::array<networks::ColumnKey, kListColumnCount>& ListColumnKeys();
// A column from its language text; a width that is missing or no positive number takes the default's.
ui::ListColumn ListColumn(std::u16string_view text, std::u16string_view defaultText);

// The security flags a network chosen from a scan brings into the connection block. A scan reports
// WPA-PSK and WPA2-PSK by their authentication bit alone; the block needs the cipher too, as a profile
// stores it (WPA-PSK with TKIP, WPA2-PSK with AES, WPA2 when the network offers both). Without it the
// stored profile reads as unsecured and its key is dropped when applied again.
uint32_t ConnectionSecurityOf(uint32_t scanFlags);

// The ad-hoc mode of the block: automatic with 802.11n when the network offers it, else its radio
// modes.
uint16_t AdHocModeOf(const kernel::BssEntry& entry);

} // namespace wizard
