#include "mainwnd/StatusArea.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/Format.h"
#include "base/Text.h"
#include "res/MainWndIds.h"

namespace mainwnd {

namespace {

constexpr int kMargin = 4;
constexpr int kGap = 4;
constexpr int kLines = 3;
constexpr int kSegmentSize = 12;
constexpr int kSegmentGap = 2;
constexpr int kChannelWidth = 64;

struct Style {
    int pointSize;
    int bssidWidth;
    int addressWidth;
    int signalLabelWidth;
};

Style StyleFor(int languageIndex) {
    switch (languageIndex) {
    case 1:  // German
    case 10: // Greek
    case 12: // Russian
    case 14: // Hungarian
    case 16: // Slovenian
        // Their router and Internet texts run long: a smaller face, and the fixed-form columns (which
        // need less room at that size) narrowed to leave the link text more.
        return {8, 108, 92, 80};
    default:
        return {9, 118, 100, 64};
    }
}

// A column from left to right, empty rather than inverted when the area is too narrow.
ui::Rect Column(int left, int right, int top, int height) {
    return {left, top, std::max(left, right), top + height};
}

bool AllZero(const uint8_t* bytes, size_t count) {
    return std::all_of(bytes, bytes + count, [](uint8_t b) { return b == 0; });
}

} // namespace

std::u16string FormatBssid(const uint8_t (&bssid)[6]) {
    return base::FormatMac(bssid);
}

std::u16string FormatAddress(const uint8_t (&address)[4]) {
    return base::FormatIpv4(address);
}

bool IsAddressUnset(const kernel::IpInfo& info) {
    return AllZero(info.address, sizeof info.address);
}

bool IsAddressUnusable(const kernel::IpInfo& info) {
    return IsAddressUnset(info) || (info.address[0] == 169 && info.address[1] == 254);
}

std::u16string FormatRate(uint32_t txTenths, uint32_t rxTenths, std::u16string_view mbps) {
    uint32_t tenths = std::max(txTenths, rxTenths);
    if (tenths == 0) {
        return {};
    }
    std::u16string text = base::Format(u"%u", {tenths / 10});
    if (tenths % 10 != 0) {
        text += u'.';
        text += static_cast<char16_t>(u'0' + tenths % 10);
    }
    text += u' ';
    text += mbps;
    return text;
}

std::u16string FormatChannel(uint32_t channel, uint32_t secondChannel) {
    if (channel == 0) {
        return {};
    }
    if (secondChannel == 0) {
        return u"Ch:" + base::Format(u"%u", {channel});
    }
    return u"Ch:" + base::Format(u"%u,%u", {channel, secondChannel});
}

uint32_t DisplayedSignal(const kernel::ConnectionStatus& connection, int osClass, bool adapterIdle) {
    bool vistaFamily = osClass == kOsVista || osClass == kOsVista64;
    return vistaFamily && adapterIdle ? connection.secondSignal : connection.signalQuality;
}

int LitSegments(uint32_t signalPercent, bool connected) {
    if (!connected) {
        return 0;
    }
    // signal / 12.5 without floating point, and without overflow for any value the record can hold.
    uint64_t lit = uint64_t{signalPercent} * 2 / 25;
    return static_cast<int>(std::min<uint64_t>(lit, kSignalSegments));
}

std::u16string DisplayedNetworkName(const kernel::ConnectionStatus& connection,
                                    const StatusAreaTexts& texts) {
    std::u16string name(base::FieldText(connection.ssid));
    if (name.empty()) {
        return texts.unknown;
    }
    for (char16_t& c : name) {
        if (c < 0x20 || c == 0x7F) {
            c = u'?';
        }
    }
    return name;
}

bool InternetPartShown(bool reachable, bool inRefreshSequence, int refreshCount) {
    return reachable && (!inRefreshSequence || refreshCount % 2 == 0);
}

ui::Picture BuildStatusPicture(const StatusAreaInput& input, const StatusAreaTexts& texts, int width,
                               int height) {
    ui::Picture picture;
    picture.width = std::max(width, 0);
    picture.height = std::max(height, 0);
    const Style style = StyleFor(input.languageIndex);
    const std::u16string face(DrawingFace(input.languageIndex));
    const ui::Font plain{face, style.pointSize, false, false};
    const ui::Font bold{face, style.pointSize, true, false};
    const int right = picture.width - kMargin;
    const int lineHeight = std::max(picture.height / kLines, 1);
    const int firstTop = std::max((picture.height - kLines * lineHeight) / 2, 0);
    auto top = [&](int line) { return firstTop + line * lineHeight; };

    // First line: the network and its signal, segments against the right edge.
    const kernel::ConnectionStatus& connection = input.records.connection;
    const int segment = std::clamp(lineHeight - 4, 1, kSegmentSize);
    const int segmentsLeft = right - kSignalSegments * (segment + kSegmentGap) + kSegmentGap;
    const int labelLeft = segmentsLeft - kGap - style.signalLabelWidth;
    std::u16string headline;
    if (input.connected) {
        headline = DisplayedNetworkName(connection, texts);
    } else if (input.adapterPresent) {
        headline = texts.scanning;
    }
    if (!headline.empty()) {
        picture.Text(Column(kMargin, labelLeft - kGap, top(0), lineHeight), headline,
                     input.connected ? bold : plain);
    }
    if (!texts.signal.empty()) {
        picture.Text(Column(labelLeft, segmentsLeft - kGap, top(0), lineHeight), texts.signal, plain,
                     ui::kDefaultColor, ui::Align::Right);
    }
    const int lit =
        LitSegments(DisplayedSignal(connection, input.osClass, input.adapterIdle), input.connected);
    const int segmentTop = top(0) + (lineHeight - segment) / 2;
    for (int i = 0; i < kSignalSegments; ++i) {
        int left = segmentsLeft + i * (segment + kSegmentGap);
        picture.Icon({left, segmentTop, left + segment, segmentTop + segment},
                     i < lit ? IDI_SIGNAL_ON : IDI_SIGNAL_OFF);
    }
    if (!input.connected) {
        return picture; // the records of a link that is not there hold nothing worth reading
    }

    // Second line: where the link goes.
    const kernel::IpInfo& address = input.records.address;
    int column = kMargin;
    if (!AllZero(connection.bssid, sizeof connection.bssid)) {
        picture.Text(Column(column, column + style.bssidWidth, top(1), lineHeight),
                     FormatBssid(connection.bssid), plain);
    }
    column += style.bssidWidth + kGap;
    if (IsAddressUnusable(address)) {
        if (!texts.noAddress.empty()) {
            picture.Text(Column(column, right, top(1), lineHeight), texts.noAddress, plain);
        }
    } else {
        picture.Text(Column(column, column + style.addressWidth, top(1), lineHeight),
                     FormatAddress(address.address), plain);
        column += style.addressWidth + kGap;
        if (!texts.router.empty()) {
            picture.Text(Column(column, right, top(1), lineHeight), texts.router, plain);
        }
    }

    // Third line: the Internet part, then the rate and the channel against the right edge.
    const int middle = picture.width / 2;
    if (input.internetShown && !IsAddressUnset(address) && !texts.internet.empty()) {
        picture.Text(Column(kMargin, middle - kGap, top(2), lineHeight), texts.internet, plain);
    }
    const int channelLeft = right - kChannelWidth;
    std::u16string rate = FormatRate(connection.txRate, connection.rxRate, texts.mbps);
    if (!rate.empty()) {
        picture.Text(Column(middle, channelLeft - 2 * kGap, top(2), lineHeight), rate, plain,
                     ui::kDefaultColor, ui::Align::Right);
    }
    std::u16string channel = FormatChannel(connection.channel, connection.secondChannel);
    if (!channel.empty()) {
        picture.Text(Column(channelLeft, right, top(2), lineHeight), channel, plain, ui::kDefaultColor,
                     ui::Align::Right);
    }
    return picture;
}

} // namespace mainwnd
