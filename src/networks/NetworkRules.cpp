#include "networks/NetworkRules.h"

#include <algorithm>
#include <utility>

#include "base/Format.h"
#include "base/Text.h"
#include "networks/NetworkList.h"

namespace networks {
namespace {

constexpr uint8_t kBand24 = kernel::kRadio80211b | kernel::kRadio80211g;

// WEP alone counts as this, so it sorts after every other combination of the low bits (WEP with an open
// bit among them) and still before the WPA kinds.
constexpr uint32_t kWepSortValue = 0x40002;

template <class T> int Compare(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

uint32_t SecuritySortValue(uint32_t security) {
    return security == kernel::kBssWep ? kWepSortValue : security;
}

bool HasName(const kernel::BssEntry& entry) {
    return !base::FieldText(entry.ssid).empty();
}

} // namespace

uint32_t ClampDelivered(uint32_t reported) {
    return std::min(reported, kMaxNetworks);
}

void DropUnknownTypes(std::vector<kernel::BssEntry>& entries) {
    std::erase_if(entries,
                  [](const kernel::BssEntry& e) { return e.networkType != 0 && e.networkType != 1; });
}

void FilterByBand(std::vector<kernel::BssEntry>& entries, int bandMode) {
    uint8_t wanted = 0;
    if (bandMode == 1) {
        wanted = kernel::kRadio80211a;
    } else if (bandMode == 2) {
        wanted = kBand24;
    } else {
        return;
    }
    std::erase_if(entries, [wanted](const kernel::BssEntry& e) { return (e.radioModes & wanted) == 0; });
}

void NameHiddenNetwork(std::vector<kernel::BssEntry>& entries, const kernel::ConnectionStatus& connection) {
    const std::u16string ours = base::FormatMac(connection.bssid);
    for (kernel::BssEntry& entry : entries) {
        if (HasName(entry)) {
            continue;
        }
        if (base::FormatMac(entry.bssid) == ours) {
            base::CopyToField(entry.ssid, base::FieldText(connection.ssid));
            return;
        }
    }
}

std::u16string AddressSortText(const uint8_t (&bssid)[6]) {
    // Each byte as "%02d" would print it (5 is "05", 200 stays "200"), written out digit by digit: a sort
    // by this column builds the text twice per comparison.
    std::u16string text;
    text.reserve(18);
    for (uint8_t byte : bssid) {
        if (byte >= 100) {
            text += static_cast<char16_t>(u'0' + byte / 100);
        }
        text += static_cast<char16_t>(u'0' + byte / 10 % 10);
        text += static_cast<char16_t>(u'0' + byte % 10);
    }
    return text;
}

int CompareEntries(const kernel::BssEntry& a, const kernel::BssEntry& b, int key) {
    switch (key) {
    case 0:
        // UTF-16 units as unsigned numbers, as the list has always compared names.
        return Compare(base::FieldText(a.ssid).compare(base::FieldText(b.ssid)), 0);
    case 1:
        return Compare(AddressSortText(a.bssid).compare(AddressSortText(b.bssid)), 0);
    case 2:
        return Compare(SecuritySortValue(a.security), SecuritySortValue(b.security));
    case 3:
        return Compare(a.capabilities, b.capabilities);
    case 4:
        return Compare(a.channel, b.channel);
    case 5:
        return Compare(a.signal, b.signal);
    case 6:
        return Compare(a.networkType, b.networkType);
    case 7:
        return Compare(a.capabilities & kernel::kCap80211n, b.capabilities & kernel::kCap80211n);
    default:
        return 0;
    }
}

void SortEntries(std::vector<kernel::BssEntry>& entries, int key, int order) {
    // Callers (the wizard among them) count on where equal keys end up, so this stays the exchange the
    // list has always used rather than a library sort.
    const size_t n = entries.size();
    for (size_t i = 0; i + 1 < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            int c = CompareEntries(entries[i], entries[j], key);
            if (order == 0 ? c > 0 : c < 0) {
                std::swap(entries[i], entries[j]);
            }
        }
    }
}

int SortKeyOfColumn(int column) {
    static constexpr std::array<int, kColumnCount> kKeys = {0, 4, 7, 3, 2, 5, 1, 6};
    return column >= 0 && column < kColumnCount ? kKeys[static_cast<size_t>(column)] : -1;
}

SecurityName SecurityOf(uint32_t s) {
    auto has = [s](uint32_t bits) { return (s & bits) == bits; };
    if (has(kernel::kBssOpen)) {
        return SecurityName::None;
    }
    if (has(kernel::kBssWep)) {
        return SecurityName::Wep;
    }
    if (has(kernel::kBssWpaPsk | kernel::kBssWpa2Psk)) {
        return SecurityName::WpaWpa2Psk;
    }
    if (has(kernel::kBssWpaPsk)) {
        return SecurityName::WpaPsk;
    }
    if (has(kernel::kBssWpa2Psk)) {
        return SecurityName::Wpa2Psk;
    }
    if (has(kernel::kBssWpaRadius | kernel::kBssWpa2Radius)) {
        return SecurityName::WpaWpa2Radius;
    }
    if (has(kernel::kBssWpaRadius)) {
        return SecurityName::WpaRadius;
    }
    if (has(kernel::kBssWpa2Radius)) {
        return SecurityName::Wpa2Radius;
    }
    return SecurityName::Unknown;
}

std::u16string ChannelCell(const kernel::BssEntry& entry) {
    const int channel = entry.channel;
    if (entry.radioModes & kernel::kRadio80211b) {
        return base::Format(u"%4d(B)", {channel});
    }
    if (entry.radioModes & kernel::kRadio80211g) {
        return base::Format(u"%4d(G)", {channel});
    }
    if (entry.radioModes & kernel::kRadio80211a) {
        return base::Format(u"%4d(A)", {channel});
    }
    return base::Format(u"%4d", {channel});
}

bool ShowsN(const kernel::BssEntry& entry, bool ht5G, bool ht24G) {
    if ((entry.capabilities & kernel::kCap80211n) == 0) {
        return false;
    }
    if (entry.radioModes & kBand24) {
        return ht24G;
    }
    if (entry.radioModes & kernel::kRadio80211a) {
        return ht5G;
    }
    return false;
}

int RowImage(const kernel::BssEntry& entry) {
    switch (entry.networkType) {
    case 0:
        return 1;
    case 1:
        return 0;
    default:
        return -1;
    }
}

std::array<std::u16string, kColumnCount> RowCells(const kernel::BssEntry& entry, const RowTexts& texts,
                                                  bool ht5G, bool ht24G) {
    std::array<std::u16string, kColumnCount> cells;
    cells[0] = base::FieldText(entry.ssid);
    cells[1] = ChannelCell(entry);
    if (ShowsN(entry, ht5G, ht24G)) {
        cells[2] = u"N";
    }
    if (entry.capabilities & kernel::kCapWps) {
        cells[3] = texts.wps;
    }
    SecurityName security = SecurityOf(entry.security);
    if (security != SecurityName::Unknown) {
        cells[4] = texts.security[static_cast<size_t>(security)];
    }
    cells[5] = base::Format(u"%4d%%", {static_cast<int>(entry.signal)});
    cells[6] = base::FormatMac(entry.bssid);
    if (entry.networkType == 0) {
        cells[7] = texts.infrastructure;
    } else if (entry.networkType == 1) {
        cells[7] = texts.adHoc;
    }
    return cells;
}

const std::array<ColumnKey, kColumnCount>& ColumnKeys() {
    static const std::array<ColumnKey, kColumnCount> kKeys = {{
        {u"ListCtrl_Field01", u"Network Name (SSID),145"},
        {u"ListCtrl_Field02", u"Channel,60"},
        {u"ListCtrl_Field08", u"N,25"},
        {u"ListCtrl_Field07", u"WPS,40"},
        {u"ListCtrl_Field03", u"Security,90"},
        {u"ListCtrl_Field04", u"Signal,53"},
        {u"ListCtrl_Field05", u"MAC Address,110"},
        {u"ListCtrl_Field06", u"Mode,100"},
    }};
    return kKeys;
}

ui::ListColumn ParseColumn(std::u16string_view text, int defaultWidth, double scale) {
    ui::ListColumn column;
    size_t comma = text.find(u',');
    column.caption = std::u16string(text.substr(0, comma));
    int width = defaultWidth;
    if (comma != std::u16string_view::npos) {
        std::u16string_view number = base::Trim(text.substr(comma + 1));
        // Digits only: a sign, a second field or a number too long for a column is a broken text.
        bool digits =
            !number.empty() && number.size() <= 5 &&
            std::all_of(number.begin(), number.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
        if (digits && base::ParseInt(number) > 0) {
            width = base::ParseInt(number);
        }
    }
    if (!(scale > 0)) {
        scale = 1;
    }
    column.width = static_cast<int>(width / scale);
    return column;
}

} // namespace networks
