// The device list file Bandlore.dat: which adapters are ours, as device-identifier patterns.
//
// Every byte but the first is stored scrambled against the first and against the stored bytes
// before it. After descrambling, the header carries the offset of the first block and a checksum;
// blocks follow to the end of the file, and the patterns live in the type-1 block.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace drvseed {

// Load results, in the platform's error numbers.
constexpr int kBandloreOk = 0;
constexpr int kBandloreBadFormat = 11;   // ERROR_BAD_FORMAT: header or block damaged
constexpr int kBandloreBadChecksum = 13; // ERROR_INVALID_DATA: the sum does not match
constexpr int kBandloreNoMemory = 14;    // ERROR_OUTOFMEMORY
constexpr int kBandloreUnreadable = 110; // ERROR_OPEN_FAILED

// Layout of the descrambled file.
constexpr size_t kBandloreFirstBlockOffset = 2;
constexpr size_t kBandloreChecksumOffset = 64;
constexpr size_t kBandloreHeaderSize = 68;
constexpr size_t kBandloreBlockHeaderSize = 4;
constexpr size_t kBandloreBlockNameOffset = 4;
constexpr size_t kBandloreBlockNameBytes = 400;
constexpr size_t kBandloreBlockStringsOffset = 404;
constexpr uint8_t kBandloreDeviceBlock = 1;
constexpr uint8_t kBandloreDeviceBlockVersion = 1;

struct DeviceList {
    std::u16string name;                  // the type-1 block's name
    std::vector<std::u16string> patterns; // upper-case device-identifier fragments

    // Whether a MatchingDeviceId belongs to the product: its upper-case form contains a pattern.
    bool Matches(std::u16string_view matchingDeviceId) const;
};

// Undoes the scrambling in place. Byte 0 is the key and stays as it is.
void DescrambleBandlore(std::span<uint8_t> bytes);

// The checksum as the file stores it: the 32-bit sum of the descrambled bytes with byte 0 and the
// checksum field taken as zero.
uint32_t BandloreChecksum(std::span<const uint8_t> plain);

// Parses a file's stored bytes. On any result but kBandloreOk the list is left empty: a damaged file
// must not half-match adapters.
int ParseBandlore(std::vector<uint8_t> stored, DeviceList& out);

// Reads and parses the file at `path`.
int LoadBandlore(std::u16string_view path, DeviceList& out);

} // namespace drvseed
