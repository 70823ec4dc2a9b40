#include "wizard/WizardListRules.h"

#include "base/Format.h"
#include "base/Text.h"
#include "kernel/ConnectionBlock.h"

namespace wizard {

namespace {

constexpr uint32_t kRadiusBits = kernel::kBssWpaRadius | kernel::kBssWpa2Radius;

// networks::RowCells's columns that this list shows, in its order (name, N, WPS, security).
constexpr std::array<size_t, 4> kSharedCells = {0, 2, 3, 4};

} // namespace

bool ListOffers(const kernel::BssEntry& entry) {
    return entry.networkType != kernel::kNetworkAdHoc && (entry.security & kRadiusBits) == 0;
}

void MarkHiddenNetwork(HiddenMarks& marks, uint32_t securityFlags) {
    if (securityFlags & kernel::kBssOpen) {
        marks.open = true;
        return;
    }
    if (securityFlags & kernel::kBssWep) {
        marks.wep = true;
        return;
    }
    if (securityFlags & kernel::kBssWpaPsk) {
        marks.wpaPsk = true;
    }
    if (securityFlags & kernel::kBssWpa2Psk) {
        marks.wpa2Psk = true;
    }
}

std::array<std::u16string, kListColumnCount>
ListRowCells(const kernel::BssEntry& entry, const networks::RowTexts& texts, bool ht5G, bool ht24G) {
    auto shared = networks::RowCells(entry, texts, ht5G, ht24G);
    std::array<std::u16string, kListColumnCount> cells;
    for (size_t i = 0; i < kSharedCells.size(); ++i) {
        cells[i] = std::move(shared[kSharedCells[i]]);
    }
    cells[4] = base::Format(u"%3d%%", {static_cast<int>(entry.signal)});
    return cells;
}

int ListSortKeyOfColumn(int column) {
    static constexpr std::array<int, kListColumnCount> kKeys = {0, 7, 3, 2, 5};
    return column >= 0 && column < kListColumnCount ? kKeys[static_cast<size_t>(column)] : -1;
}

ui::SortArrow ListSortArrow(int order) {
    return order == 0 ? ui::SortArrow::Up : ui::SortArrow::Down;
}

const std::array<networks::ColumnKey, kListColumnCount>& ListColumnKeys() {
    static const std::array<networks::ColumnKey, kListColumnCount> kKeys = {{
        {u"ListCtrl_Field01", u"Network Name (SSID),210"},
        {u"ListCtrl_Field02", u"N,25"},
        {u"ListCtrl_Field03", u"WPS,40"},
        {u"ListCtrl_Field04", u"Security,125"},
        {u"ListCtrl_Field05", u"Signal,55"},
    }};
    return kKeys;
}

ui::ListColumn ListColumn(std::u16string_view text, std::u16string_view defaultText) {
    int defaultWidth = networks::ParseColumn(defaultText, 0, 1.0).width;
    return networks::ParseColumn(text, defaultWidth, 1.0);
}

uint32_t ConnectionSecurityOf(uint32_t scanFlags) {
    if (scanFlags & (kernel::kBssOpen | kernel::kBssWep)) {
        return scanFlags; // the open and WEP pages take these as reported
    }
    if (scanFlags & kernel::kBssWpa2Psk) {
        return kernel::kSecurityWpa2PskAes;
    }
    if (scanFlags & kernel::kBssWpaPsk) {
        return kernel::kSecurityWpaPskTkip;
    }
    return scanFlags;
}

uint16_t AdHocModeOf(const kernel::BssEntry& entry) {
    if (entry.capabilities & kernel::kCap80211n) {
        return kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N;
    }
    return entry.radioModes;
}

} // namespace wizard
