#include "mainwnd/ConnectMode.h"

#include "kernel/WirelessProfile.h"

namespace mainwnd {
namespace {

RadioType FromBits(uint32_t bits) {
    if ((bits & 0x01) != 0) {
        return RadioType::B;
    }
    if ((bits & 0x02) != 0) {
        return RadioType::G;
    }
    if ((bits & 0x04) != 0) {
        return RadioType::A;
    }
    return RadioType::Unknown;
}

ConnectMode Row(uint16_t modeWord, int bandMode, bool ht5G, bool ht24G) {
    return ConnectMode{modeWord, bandMode, ht5G, ht24G};
}

} // namespace

RadioType TargetRadioType(uint16_t modeWord, std::optional<uint8_t> scannedRadioModes) {
    RadioType fromBlock = FromBits(modeWord);
    if (fromBlock != RadioType::Unknown || !scannedRadioModes) {
        return fromBlock;
    }
    return FromBits(*scannedRadioModes);
}

ConnectMode ChooseConnectMode(uint32_t wirelessModes, uint16_t modeWord,
                              std::optional<uint8_t> scannedRadioModes) {
    using namespace kernel;
    const bool ag = (wirelessModes & kMode300AG) != 0;
    const bool g = (wirelessModes & kMode300G) != 0;
    const bool a = (wirelessModes & kMode300A) != 0;
    const bool g54 = (wirelessModes & kMode54G) != 0;
    const bool a54 = (wirelessModes & kMode54A) != 0;

    // Rows in order; the first that matches wins, so each later row may assume the earlier ones failed.
    if (ag || (g && a)) {
        return Row(KWL_FLAG_WIRELESS_MODE_AUTO_N, 0, true, true);
    }
    if (g && a54) {
        // 802.11n only at 2.4 GHz: a 5 GHz network has to be joined without it.
        bool target5G = TargetRadioType(modeWord, scannedRadioModes) == RadioType::A;
        return Row(target5G ? KWL_FLAG_WIRELESS_MODE_AUTO : KWL_FLAG_WIRELESS_MODE_AUTO_N, 0, false, true);
    }
    if (g) {
        return Row(KWL_FLAG_WIRELESS_MODE_802_11G_N, 2, false, true);
    }
    if (a && g54) {
        RadioType t = TargetRadioType(modeWord, scannedRadioModes);
        bool target24G = t == RadioType::B || t == RadioType::G;
        return Row(target24G ? KWL_FLAG_WIRELESS_MODE_AUTO : KWL_FLAG_WIRELESS_MODE_AUTO_N, 0, true, false);
    }
    if (a) {
        return Row(KWL_FLAG_WIRELESS_MODE_802_11A_N, 1, true, false);
    }
    if (g54 && a54) {
        return Row(KWL_FLAG_WIRELESS_MODE_AUTO, 0, false, false);
    }
    if (g54) {
        return Row(KWL_FLAG_WIRELESS_MODE_802_11B | KWL_FLAG_WIRELESS_MODE_802_11G, 2, false, false);
    }
    if (a54) {
        return Row(KWL_FLAG_WIRELESS_MODE_802_11A, 1, false, false);
    }
    return ConnectMode{};
}

} // namespace mainwnd
