#include "mainwnd/StatusArea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <type_traits>
#include <variant>
#include <vector>

#include "app/AppGlobals.h"
#include "base/Text.h"
#include "res/MainWndIds.h"

namespace {

using mainwnd::StatusAreaInput;
using mainwnd::StatusAreaTexts;

constexpr int kWidth = 440;
constexpr int kHeight = 56;

kernel::IpInfo Address(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    kernel::IpInfo info{};
    info.address[0] = a;
    info.address[1] = b;
    info.address[2] = c;
    info.address[3] = d;
    return info;
}

// A good link: "Home" at 80 percent, 54 Mbps on channel 6, a router's address, the Internet reachable.
StatusAreaInput Connected() {
    StatusAreaInput input;
    kernel::ConnectionStatus& c = input.records.connection;
    std::memcpy(c.ssid, u"Home", sizeof(u"Home"));
    const uint8_t bssid[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    std::memcpy(c.bssid, bssid, sizeof bssid);
    c.signalQuality = 80;
    c.flags = kernel::kConnectionAssociated;
    c.txRate = 540;
    c.rxRate = 480;
    c.channel = 6;
    input.records.address = Address(192, 168, 1, 20);
    input.connected = mainwnd::IsConnected(c);
    input.internetShown = true;
    return input;
}

std::vector<int> Segments(const ui::Picture& picture) {
    std::vector<int> icons;
    for (const ui::PictureItem& item : picture.items) {
        if (const auto* icon = std::get_if<ui::PictureIcon>(&item)) {
            icons.push_back(icon->resource);
        }
    }
    return icons;
}

int Lit(const ui::Picture& picture) {
    auto icons = Segments(picture);
    return static_cast<int>(std::count(icons.begin(), icons.end(), IDI_SIGNAL_ON));
}

std::vector<ui::PictureText> TextItems(const ui::Picture& picture) {
    std::vector<ui::PictureText> texts;
    for (const ui::PictureItem& item : picture.items) {
        if (const auto* text = std::get_if<ui::PictureText>(&item)) {
            texts.push_back(*text);
        }
    }
    return texts;
}

ui::Picture Build(const StatusAreaInput& input, const StatusAreaTexts& texts = {}) {
    return mainwnd::BuildStatusPicture(input, texts, kWidth, kHeight);
}

using Texts = std::vector<std::u16string>;

TEST(StatusAreaFormat, AddressesWithoutARouterShowThePlaceholder) {
    EXPECT_TRUE(mainwnd::IsAddressUnusable(Address(0, 0, 0, 0)));
    EXPECT_TRUE(mainwnd::IsAddressUnusable(Address(169, 254, 12, 7)));
    EXPECT_FALSE(mainwnd::IsAddressUnusable(Address(169, 253, 12, 7)));
    EXPECT_FALSE(mainwnd::IsAddressUnusable(Address(10, 169, 254, 1))) << "169.254 counts only at the start";
    EXPECT_FALSE(mainwnd::IsAddressUnusable(Address(192, 168, 1, 20)));
    EXPECT_TRUE(mainwnd::IsAddressUnset(Address(0, 0, 0, 0)));
    EXPECT_FALSE(mainwnd::IsAddressUnset(Address(169, 254, 0, 1))) << "only 0.0.0.0 clears the Internet flag";
    EXPECT_FALSE(mainwnd::IsAddressUnset(Address(0, 0, 0, 1)));

    EXPECT_EQ(mainwnd::FormatAddress(Address(192, 168, 1, 20).address), u"192.168.1.20");
    const uint8_t bssid[6] = {0x00, 0x0a, 0xB0, 0xff, 0x01, 0x10};
    EXPECT_EQ(mainwnd::FormatBssid(bssid), u"00:0A:B0:FF:01:10");
}

TEST(StatusAreaFormat, RatesShowTheLargerOfTheTwoInMbps) {
    EXPECT_EQ(mainwnd::FormatRate(540, 0, u"Mbps"), u"54 Mbps");
    EXPECT_EQ(mainwnd::FormatRate(545, 110, u"Mbps"), u"54.5 Mbps");
    EXPECT_EQ(mainwnd::FormatRate(110, 545, u"Mbps"), u"54.5 Mbps") << "the receive rate was larger";
    EXPECT_EQ(mainwnd::FormatRate(722, 650, u"Mbps"), u"72.2 Mbps")
        << "a tenth that is not a half is not a half";
    EXPECT_EQ(mainwnd::FormatRate(5, 0, u"Mbps"), u"0.5 Mbps");
    EXPECT_EQ(mainwnd::FormatRate(0, 0, u"Mbps"), u"") << "no rate yet";
    EXPECT_EQ(mainwnd::FormatRate(65535, 0, u"Mbps"), u"6553.5 Mbps");
    EXPECT_EQ(mainwnd::FormatRate(std::numeric_limits<uint32_t>::max(), 0, u"Mbps"), u"429496729.5 Mbps");
    EXPECT_EQ(mainwnd::FormatRate(540, 0, u"%s%n Mbit/s"), u"54 %s%n Mbit/s") << "a translation is no format";
}

TEST(StatusAreaFormat, ChannelsAndSegments) {
    EXPECT_EQ(mainwnd::FormatChannel(6, 0), u"Ch:6");
    EXPECT_EQ(mainwnd::FormatChannel(36, 40), u"Ch:36,40");
    EXPECT_EQ(mainwnd::FormatChannel(0, 0), u"");
    EXPECT_EQ(mainwnd::FormatChannel(0, 40), u"") << "a second channel without a first";

    EXPECT_EQ(mainwnd::LitSegments(0, true), 0);
    EXPECT_EQ(mainwnd::LitSegments(12, true), 0);
    EXPECT_EQ(mainwnd::LitSegments(13, true), 1);
    EXPECT_EQ(mainwnd::LitSegments(37, true), 2) << "37 / 12.5 = 2.96 rounds down";
    EXPECT_EQ(mainwnd::LitSegments(100, true), 8);
    EXPECT_EQ(mainwnd::LitSegments(101, true), 8);
    EXPECT_EQ(mainwnd::LitSegments(std::numeric_limits<uint32_t>::max(), true), 8);
    EXPECT_EQ(mainwnd::LitSegments(100, false), 0);
}

TEST(StatusAreaFormat, AnIdleAdapterOnVistaAnd7ReportsItsSignalInTheSecondMember) {
    kernel::ConnectionStatus c{};
    c.signalQuality = 90;
    c.secondSignal = 30;
    EXPECT_EQ(mainwnd::DisplayedSignal(c, kOsVista, true), 30u);
    EXPECT_EQ(mainwnd::DisplayedSignal(c, kOsVista64, true), 30u);
    EXPECT_EQ(mainwnd::DisplayedSignal(c, kOsVista, false), 90u);
    EXPECT_EQ(mainwnd::DisplayedSignal(c, kOsXp, true), 90u);

    StatusAreaInput input = Connected();
    input.records.connection.signalQuality = 90;
    input.records.connection.secondSignal = 30;
    input.osClass = kOsVista;
    input.adapterIdle = true;
    EXPECT_EQ(Lit(Build(input)), 2);
}

TEST(StatusAreaFormat, TheInternetPartBlinksDuringARefreshSequence) {
    EXPECT_FALSE(mainwnd::InternetPartShown(false, false, 0));
    EXPECT_TRUE(mainwnd::InternetPartShown(true, false, 3)) << "steady outside a sequence";
    std::vector<bool> shown;
    for (int refresh = 1; refresh <= 8; ++refresh) {
        shown.push_back(mainwnd::InternetPartShown(true, true, refresh));
    }
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true, false, true, false, true}))
        << "the sequence must end with the part on";
    EXPECT_FALSE(mainwnd::InternetPartShown(false, true, 2));
}

TEST(StatusAreaPicture, AGoodLinkReadsAsAUserSeesIt) {
    ui::Picture picture = Build(Connected());
    EXPECT_EQ(picture.Texts(),
              (Texts{u"Home", u"Signal", u"00:1A:2B:3C:4D:5E", u"192.168.1.20", u"Connected to Router",
                     u"Connected to Internet", u"54 Mbps", u"Ch:6"}));
    EXPECT_EQ(Segments(picture).size(), 8u);
    EXPECT_EQ(Lit(picture), 6) << "80 percent";
    EXPECT_EQ(Segments(picture)[5], IDI_SIGNAL_ON);
    EXPECT_EQ(Segments(picture)[6], IDI_SIGNAL_OFF) << "the lit segments come first";
    for (const ui::PictureText& text : TextItems(picture)) {
        EXPECT_EQ(text.font.face, u"Arial");
        EXPECT_EQ(text.font.bold, text.text == u"Home") << "only the network name stands out";
    }

    StatusAreaInput blinkedOff = Connected();
    blinkedOff.internetShown = false;
    Texts texts = Build(blinkedOff).Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), u"Connected to Internet"), 0);

    StatusAreaInput wide = Connected();
    wide.records.connection.channel = 36;
    wide.records.connection.secondChannel = 40;
    wide.records.connection.rxRate = 3000;
    texts = Build(wide).Texts();
    EXPECT_EQ(texts.back(), u"Ch:36,40");
    EXPECT_EQ(texts[texts.size() - 2], u"300 Mbps");
}

TEST(StatusAreaPicture, WithoutALinkOnlyScanningAndUnlitSegmentsShow) {
    StatusAreaInput input = Connected();
    input.records.connection.flags = kernel::kConnectionNotAssociated;
    input.connected = mainwnd::IsConnected(input.records.connection);
    ui::Picture picture = Build(input);
    EXPECT_EQ(picture.Texts(), (Texts{u"Scanning...", u"Signal"}))
        << "stale records of a lost link were shown";
    EXPECT_EQ(Segments(picture), std::vector<int>(8, IDI_SIGNAL_OFF));

    input.adapterPresent = false;
    EXPECT_EQ(Build(input).Texts(), (Texts{u"Signal"})) << "nothing scans without an adapter";
}

TEST(StatusAreaPicture, AnAddressWithoutARouterShowsThePlaceholderAndNoInternet) {
    StatusAreaInput input = Connected();
    input.records.address = Address(169, 254, 3, 4);
    Texts texts = Build(input).Texts();
    EXPECT_EQ(texts, (Texts{u"Home", u"Signal", u"00:1A:2B:3C:4D:5E", u"_ . _ . _ . _",
                            u"Connected to Internet", u"54 Mbps", u"Ch:6"}));

    input.records.address = Address(0, 0, 0, 0);
    texts = Build(input).Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), u"_ . _ . _ . _"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), u"Connected to Internet"), 0)
        << "0.0.0.0 ends the Internet part in the same refresh";
}

TEST(StatusAreaPicture, TranslatedTextsAreShownAsGiven) {
    StatusAreaTexts german;
    german.router = u"Mit Router verbunden";
    german.internet = u"Mit Internet %s verbunden";
    german.signal = u"Signal %d";
    german.mbps = u"%n MBit/s";
    StatusAreaInput input = Connected();
    input.languageIndex = 1;
    EXPECT_EQ(Build(input, german).Texts(),
              (Texts{u"Home", u"Signal %d", u"00:1A:2B:3C:4D:5E", u"192.168.1.20", u"Mit Router verbunden",
                     u"Mit Internet %s verbunden", u"54 %n MBit/s", u"Ch:6"}));
}

TEST(StatusAreaPicture, BadRecordsDrawSafely) {
    StatusAreaInput input = Connected();
    kernel::ConnectionStatus& c = input.records.connection;
    std::fill(std::begin(c.ssid), std::end(c.ssid), u'N'); // 34 units, no terminator
    std::fill(std::begin(c.bssid), std::end(c.bssid), uint8_t{0});
    c.signalQuality = 250;
    c.txRate = 0;
    c.rxRate = 0;
    c.channel = 0;
    c.secondChannel = 11;
    input.connected = mainwnd::IsConnected(c);
    ASSERT_TRUE(input.connected) << "a signal stands in for the access point";
    ui::Picture picture = Build(input);
    EXPECT_EQ(picture.Texts(), (Texts{std::u16string(34, u'N'), u"Signal", u"192.168.1.20",
                                      u"Connected to Router", u"Connected to Internet"}))
        << "a zero BSSID, no rate and no channel show nothing";
    EXPECT_EQ(Lit(picture), 8);

    std::memcpy(c.ssid, u"Caf\u00e9\nFree\tWiFi", sizeof(u"Caf\u00e9\nFree\tWiFi"));
    EXPECT_EQ(Build(input).Texts().front(), u"Caf\u00e9?Free?WiFi") << "a name from the air split the text";

    c.ssid[0] = u'\0';
    EXPECT_EQ(Build(input).Texts().front(), u"UnKnown");

    c.rxRate = 65535;
    Texts texts = Build(input).Texts();
    EXPECT_EQ(texts.back(), u"6553.5 Mbps");
}

// Arial has no Chinese, Korean or Japanese glyphs: those languages draw in a face of their script, the
// others keep Arial (Latin, Greek and Cyrillic alike).
TEST(StatusAreaPicture, EachScriptDrawsInAFaceThatHasIt) {
    const std::pair<int, std::u16string> faces[] = {{0, u"Arial"},        {10, u"Arial"},  {12, u"Arial"},
                                                    {19, u"Arial"},       {21, u"SimSun"}, {22, u"Gulim"},
                                                    {23, u"MS UI Gothic"}};
    for (const auto& [language, face] : faces) {
        StatusAreaInput input = Connected();
        input.languageIndex = language;
        for (const ui::PictureText& text : TextItems(Build(input))) {
            EXPECT_EQ(text.font.face, face)
                << "language " << language << ": " << base::NarrowForLog(text.text);
        }
    }
}

// Every part keeps inside the area and off its neighbours on the same line, in every language style;
// at a size far too small nothing is inverted.
TEST(StatusAreaPicture, LayoutFitsTheAreaInEveryLanguageStyle) {
    StatusAreaInput input = Connected();
    input.records.connection.secondChannel = 10;
    for (int language : {0, 1, 10, 12, 14, 16, 23}) {
        input.languageIndex = language;
        ui::Picture picture = Build(input);
        ASSERT_EQ(picture.width, kWidth);
        ASSERT_EQ(picture.height, kHeight);
        std::vector<ui::Rect> rects;
        for (const ui::PictureItem& item : picture.items) {
            std::visit(
                [&](const auto& part) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(part)>, ui::PictureLine>) {
                        rects.push_back(part.rect);
                    }
                },
                item);
        }
        for (size_t i = 0; i < rects.size(); ++i) {
            const ui::Rect& a = rects[i];
            EXPECT_TRUE((ui::Rect{0, 0, kWidth, kHeight}.Contains(a)))
                << "language " << language << " item " << i;
            EXPECT_GT(a.Width(), 0) << "language " << language << " item " << i;
            for (size_t j = i + 1; j < rects.size(); ++j) {
                const ui::Rect& b = rects[j];
                bool overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
                EXPECT_FALSE(overlap) << "language " << language << ": items " << i << " and " << j;
            }
        }
        int size = TextItems(picture).front().font.pointSize;
        bool longTexts =
            language == 1 || language == 10 || language == 12 || language == 14 || language == 16;
        EXPECT_EQ(size, longTexts ? 8 : 9) << "language " << language;
    }

    ui::Picture tiny = mainwnd::BuildStatusPicture(Connected(), {}, 30, 5);
    for (const ui::PictureItem& item : tiny.items) {
        if (const auto* text = std::get_if<ui::PictureText>(&item)) {
            EXPECT_GE(text->rect.Width(), 0) << "an inverted rectangle for the text of " << text->text.size();
            EXPECT_GE(text->rect.Height(), 0);
        }
    }
}

} // namespace
