// Bandlore.dat comes from the install medium and may be damaged or crafted: the loader must stay inside
// the file whatever its offsets, lengths and strings say. Two views of each input: as stored bytes, and
// as plain bytes given a valid checksum and scrambled, so that the block walk is reached too.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "drvseed/BandloreFile.h"

namespace {

void Seal(std::vector<uint8_t>& plain) {
    if (plain.size() < drvseed::kBandloreHeaderSize) {
        return;
    }
    uint32_t sum = drvseed::BandloreChecksum(plain);
    for (size_t i = 0; i < 4; ++i) {
        plain[drvseed::kBandloreChecksumOffset + i] = static_cast<uint8_t>(sum >> (8 * i));
    }
    for (size_t i = 1; i < plain.size(); ++i) {
        plain[i] = static_cast<uint8_t>(plain[i] ^ (i & 0xFF) ^ plain[(i - 1) & 31] ^ plain[0]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    drvseed::DeviceList list;
    std::vector<uint8_t> bytes(data, data + size);
    int rc = drvseed::ParseBandlore(bytes, list);
    if (rc != drvseed::kBandloreOk && !list.patterns.empty()) {
        __builtin_trap();
    }

    Seal(bytes);
    rc = drvseed::ParseBandlore(bytes, list);
    if (rc != drvseed::kBandloreOk && !list.patterns.empty()) {
        __builtin_trap();
    }
    for (const auto& pattern : list.patterns) {
        if (pattern.empty()) {
            __builtin_trap();
        }
    }
    return 0;
}
