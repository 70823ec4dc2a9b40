// The radio settings of an infrastructure connect: which mode word the adapter is asked for, and the band
// filter and high-throughput flags that go with the profile's wireless-mode check boxes.
#pragma once

#include <cstdint>
#include <optional>

namespace mainwnd {

// The radio of the network being joined, as far as it is known.
enum class RadioType { Unknown = 0, B = 1, G = 2, A = 3 };

// From the block's mode word first; only when that names no basic radio, from the radio-mode byte of the
// scanned network of the same name (absent when no such network was seen).
RadioType TargetRadioType(uint16_t modeWord, std::optional<uint8_t> scannedRadioModes);

struct ConnectMode {
    uint16_t modeWord = 0;
    // Empty: the profile allows no mode at all and the process-wide values are left as they are.
    std::optional<int> bandMode; // g_bBandMode: 0 both, 1 5 GHz only, 2 2.4 GHz only
    std::optional<bool> ht5G;
    std::optional<bool> ht24G;
};

// wirelessModes: the profile's kMode* bits; modeWord: the block's current mode word; scannedRadioModes:
// see TargetRadioType.
ConnectMode ChooseConnectMode(uint32_t wirelessModes, uint16_t modeWord,
                              std::optional<uint8_t> scannedRadioModes);

} // namespace mainwnd
